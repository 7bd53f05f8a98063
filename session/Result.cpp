#include "Result.h"

#include "TypeMapping.h"

#include <QDateTime>
#include <charconv>
#include <cstdlib>
#include <libpq-fe.h>

namespace custos::session {

namespace {

int digits(const char* p, int n)
{
    int v = 0;
    for (int i = 0; i < n; ++i)
        v = v * 10 + (p[i] - '0');
    return v;
}

// "YYYY-MM-DD", "YYYY-MM-DD HH:MM:SS[.ffffff][+zz]" as the server sends them (DateStyle ISO).
// The server's dates are wall times without a zone: they are handed out in UTC, which keeps
// them as they are (a local-time value has no midnight on the days clocks jumped forward).
QDateTime parseTimestamp(const char* s, int len)
{
    if (len < 10)
        return {};
    const QDate date(digits(s, 4), digits(s + 5, 2), digits(s + 8, 2));
    if (len < 19)
        return QDateTime(date, QTime(0, 0), Qt::UTC);
    int msec = 0;
    if (len > 20 && s[19] == '.') {
        int scale = 100;
        for (int i = 20; i < len && s[i] >= '0' && s[i] <= '9' && scale > 0; ++i, scale /= 10)
            msec += (s[i] - '0') * scale;
    }
    return QDateTime(date, QTime(digits(s + 11, 2), digits(s + 14, 2), digits(s + 17, 2), msec), Qt::UTC);
}

} // namespace

void Result::Deleter::operator()(pg_result* r) const { PQclear(r); }

Result::Result() = default;

Result::Result(pg_result* owned) : m_res(owned)
{
    const int n = PQnfields(owned);
    m_columns.reserve(std::size_t(n));
    for (int c = 0; c < n; ++c)
        m_columns.push_back(describeColumn(owned, c));
}

Result::Result(Result&&) noexcept = default;
Result& Result::operator=(Result&&) noexcept = default;
Result::~Result() = default;

int Result::rowCount() const { return m_res ? PQntuples(m_res.get()) : 0; }

long long Result::affectedRows() const
{
    if (!m_res)
        return 0;
    const char* n = PQcmdTuples(m_res.get());
    return (n && *n) ? std::atoll(n) : 0;
}

int Result::indexOf(const QString& name) const
{
    for (std::size_t i = 0; i < m_columns.size(); ++i) {
        if (m_columns[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return int(i);
    }
    return -1;
}

bool Result::isNull(int row, int col) const { return PQgetisnull(m_res.get(), row, col) != 0; }

const char* Result::raw(int row, int col) const { return PQgetvalue(m_res.get(), row, col); }

int Result::rawLength(int row, int col) const { return PQgetlength(m_res.get(), row, col); }

QVariant Result::value(int row, int col) const
{
    if (isNull(row, col))
        return {};
    const char* s = raw(row, col);
    const int len = rawLength(row, col);
    switch (m_columns[std::size_t(col)].kind) {
    case FieldKind::Float: {
        double v = 0;
        std::from_chars(s, s + len, v);
        return v;
    }
    case FieldKind::Int8:
    case FieldKind::Int16:
    case FieldKind::Int32: {
        int v = 0;
        std::from_chars(s, s + len, v);
        return v;
    }
    case FieldKind::Timestamp:
        return parseTimestamp(s, len);
    case FieldKind::Text:
    case FieldKind::Other:
        break;
    }
    return QString::fromUtf8(s, len);
}

} // namespace custos::session
