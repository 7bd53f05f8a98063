#pragma once
// The rows of one query, owned (the libpq result is freed with the object).

#include <QString>
#include <QVariant>
#include <memory>
#include <vector>

struct pg_result;

namespace custos::session {

// Field kinds, as the connection's type-mapping rules give them.
enum class FieldKind
{
    Float,     // fractional or unconstrained numbers (double)
    Int8,      // number with scale 0 and precision 1..2
    Int16,     // precision 3..4
    Int32,     // precision 5..8
    Text,      // width() characters at most (0 = unlimited)
    Timestamp, // date and time (QDateTime)
    Other      // no rule matched: the value as text
};

struct ColumnInfo
{
    QString name; // upper case unless the statement quoted it
    FieldKind kind = FieldKind::Other;
    int width = 0;        // text width in characters, 0 when unknown
    unsigned pgType = 0;  // the server's type oid
    int precision = -1;   // numeric precision, -1 when unconstrained
    int scale = -1;       // numeric scale, -1 when unconstrained
};

class Result
{
public:
    Result();
    explicit Result(pg_result* owned); // takes ownership
    Result(Result&&) noexcept;
    Result& operator=(Result&&) noexcept;
    ~Result();

    int rowCount() const;
    int columnCount() const { return int(m_columns.size()); }
    const ColumnInfo& column(int c) const { return m_columns[std::size_t(c)]; }
    const std::vector<ColumnInfo>& columns() const { return m_columns; }
    int indexOf(const QString& name) const; // case-insensitive, -1 when absent
    long long affectedRows() const;

    bool isNull(int row, int col) const;
    // The value with the column's kind: double, int, QString, QDateTime (the wall time, in UTC);
    // null QVariant for NULL.
    QVariant value(int row, int col) const;
    // The server's text of a value (valid while the result lives).
    const char* raw(int row, int col) const;
    int rawLength(int row, int col) const;

private:
    struct Deleter { void operator()(pg_result* r) const; };
    std::unique_ptr<pg_result, Deleter> m_res;
    std::vector<ColumnInfo> m_columns;
};

} // namespace custos::session
