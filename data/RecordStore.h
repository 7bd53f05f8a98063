#pragma once
// The rows of a dataset, kept column by column in compact typed arrays: per cell a double, a
// 32-bit integer, a packed timestamp or a reference into the column's UTF-8 text buffer, plus
// one null bit. No QVariant or QString is kept per cell; values are built when read.

#include "Result.h"
#include "Timestamp.h"

#include <QDateTime>
#include <QString>
#include <QVariant>
#include <cstdint>
#include <string>
#include <vector>

namespace custos::data {

using session::FieldKind;

// How a field kind is stored: the three integer kinds share 32-bit integers, "Other" is text.
enum class StorageKind { Float, Integer, Text, Timestamp };
StorageKind storageKindOf(FieldKind kind);

class RecordStore
{
public:
    // Empties the store and sets up one column per kind.
    void reset(const std::vector<FieldKind>& kinds);
    // Appends every row of result; store column i takes result column sourceColumns[i].
    void load(const session::Result& result, const std::vector<int>& sourceColumns);
    void clear(); // rows and columns

    int rowCount() const { return m_rowCount; }
    int columnCount() const { return int(m_columns.size()); }
    StorageKind storageKind(int column) const { return m_columns[std::size_t(column)].kind; }

    bool isNull(int row, int column) const;
    double floatAt(int row, int column) const { return m_columns[std::size_t(column)].floats[std::size_t(row)]; }
    qint32 integerAt(int row, int column) const { return m_columns[std::size_t(column)].integers[std::size_t(row)]; }
    qint64 timestampAt(int row, int column) const { return m_columns[std::size_t(column)].stamps[std::size_t(row)]; }
    QString textAt(int row, int column) const;
    // The value with its storage type (double, int, QString, QDateTime); null QVariant for NULL.
    QVariant value(int row, int column) const;
    // value must be null or convertible to the column's storage type (the caller converted it).
    void setValue(int row, int column, const QVariant& value);

    std::vector<QVariant> rowValues(int row) const;

    // Bytes held by the arrays (capacity), for the memory figures of the benchmark.
    std::size_t memoryUsage() const;

private:
    struct TextRef
    {
        std::uint32_t offset = 0;
        std::uint32_t length = 0;
    };
    struct Column
    {
        StorageKind kind = StorageKind::Float;
        std::vector<double> floats;
        std::vector<qint32> integers;
        std::vector<qint64> stamps;
        std::vector<TextRef> texts;
        std::string textBuffer;
        std::vector<std::uint64_t> nulls; // one bit per row
    };

    void setNull(Column& column, int row, bool null);
    TextRef appendText(Column& column, const char* bytes, std::size_t length);
    void loadCell(Column& column, std::size_t row, const session::Result& result, int sourceRow, int source);

    std::vector<Column> m_columns;
    int m_rowCount = 0;
};

} // namespace custos::data
