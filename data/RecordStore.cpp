#include "RecordStore.h"

#include "DataError.h"

#include <QDate>
#include <charconv>
#include <cmath>
#include <limits>

namespace custos::data {

namespace {

bool isDigits(const char* s, int n)
{
    for (int i = 0; i < n; ++i) {
        if (s[i] < '0' || s[i] > '9')
            return false;
    }
    return true;
}

int digitsValue(const char* s, int n)
{
    int v = 0;
    for (int i = 0; i < n; ++i)
        v = v * 10 + (s[i] - '0');
    return v;
}

// "YYYY-MM-DD" or "YYYY-MM-DD HH:MM:SS[.fff...][zone]" (DateStyle ISO) straight into the packed
// form; false for any other shape, which the caller hands to the session's own conversion.
bool parseIsoTimestamp(const char* s, int len, qint64& packed)
{
    if (len < 10 || s[4] != '-' || s[7] != '-' || !isDigits(s, 4) || !isDigits(s + 5, 2) || !isDigits(s + 8, 2))
        return false;
    const QDate date(digitsValue(s, 4), digitsValue(s + 5, 2), digitsValue(s + 8, 2));
    if (!date.isValid())
        return false;
    qint64 msecs = 0;
    if (len > 10) {
        if (len < 19 || s[10] != ' ' || s[13] != ':' || s[16] != ':' || !isDigits(s + 11, 2)
            || !isDigits(s + 14, 2) || !isDigits(s + 17, 2))
            return false;
        msecs = (digitsValue(s + 11, 2) * 3600 + digitsValue(s + 14, 2) * 60 + digitsValue(s + 17, 2)) * 1000;
        if (len > 20 && s[19] == '.') {
            int scale = 100;
            for (int i = 20; i < len && s[i] >= '0' && s[i] <= '9' && scale > 0; ++i, scale /= 10)
                msecs += (s[i] - '0') * scale;
        }
    }
    packed = packTimestamp(date, msecs);
    return true;
}

} // namespace

StorageKind storageKindOf(FieldKind kind)
{
    switch (kind) {
    case FieldKind::Float:
        return StorageKind::Float;
    case FieldKind::Int8:
    case FieldKind::Int16:
    case FieldKind::Int32:
        return StorageKind::Integer;
    case FieldKind::Timestamp:
        return StorageKind::Timestamp;
    case FieldKind::Text:
    case FieldKind::Other:
        break;
    }
    return StorageKind::Text;
}

void RecordStore::reset(const std::vector<FieldKind>& kinds)
{
    m_columns.clear();
    m_columns.resize(kinds.size());
    for (std::size_t i = 0; i < kinds.size(); ++i)
        m_columns[i].kind = storageKindOf(kinds[i]);
    m_rowCount = 0;
}

void RecordStore::clear()
{
    m_columns.clear();
    m_rowCount = 0;
}

void RecordStore::load(const session::Result& result, const std::vector<int>& sourceColumns)
{
    const int firstRow = m_rowCount;
    const int rows = result.rowCount();
    const std::size_t total = std::size_t(firstRow + rows);
    for (Column& column : m_columns) {
        column.nulls.resize((total + 63) / 64, 0);
        switch (column.kind) {
        case StorageKind::Float:
            column.floats.resize(total);
            break;
        case StorageKind::Integer:
            column.integers.resize(total);
            break;
        case StorageKind::Timestamp:
            column.stamps.resize(total);
            break;
        case StorageKind::Text:
            column.texts.resize(total);
            break;
        }
    }
    // Row by row, as libpq keeps the values, so each row's cells are read while in cache.
    for (int r = 0; r < rows; ++r) {
        const std::size_t row = std::size_t(firstRow + r);
        for (std::size_t c = 0; c < m_columns.size(); ++c)
            loadCell(m_columns[c], row, result, r, sourceColumns[c]);
    }
    m_rowCount = int(total);
}

void RecordStore::loadCell(Column& column, std::size_t row, const session::Result& result, int sourceRow, int source)
{
    if (result.isNull(sourceRow, source)) {
        setNull(column, int(row), true);
        return;
    }
    const char* s = result.raw(sourceRow, source);
    const int length = result.rawLength(sourceRow, source);
    switch (column.kind) {
    case StorageKind::Float: {
        double v = 0;
        if (std::from_chars(s, s + length, v).ptr != s + length)
            v = result.value(sourceRow, source).toDouble();
        column.floats[row] = v;
        break;
    }
    case StorageKind::Integer: {
        qint32 v = 0;
        if (std::from_chars(s, s + length, v).ptr != s + length) {
            const double number = result.value(sourceRow, source).toDouble();
            if (number != std::trunc(number) || number < std::numeric_limits<qint32>::min()
                || number > std::numeric_limits<qint32>::max())
                throw DataError(QStringLiteral("O valor %1 não é um número inteiro.").arg(QString::fromUtf8(s, length)));
            v = qint32(number);
        }
        column.integers[row] = v;
        break;
    }
    case StorageKind::Timestamp: {
        qint64 packed = 0;
        if (!parseIsoTimestamp(s, length, packed)) {
            const QDateTime value = wallTimestamp(result.value(sourceRow, source).toDateTime());
            if (!value.isValid()) {
                setNull(column, int(row), true);
                return;
            }
            packed = packTimestamp(value);
        }
        column.stamps[row] = packed;
        break;
    }
    case StorageKind::Text:
        column.texts[row] = appendText(column, s, std::size_t(length));
        break;
    }
}

bool RecordStore::isNull(int row, int column) const
{
    return (m_columns[std::size_t(column)].nulls[std::size_t(row) / 64] >> (std::size_t(row) % 64)) & 1u;
}

void RecordStore::setNull(Column& column, int row, bool null)
{
    const std::uint64_t bit = std::uint64_t(1) << (std::size_t(row) % 64);
    std::uint64_t& word = column.nulls[std::size_t(row) / 64];
    word = null ? (word | bit) : (word & ~bit);
}

RecordStore::TextRef RecordStore::appendText(Column& column, const char* bytes, std::size_t length)
{
    if (column.textBuffer.size() + length > std::numeric_limits<std::uint32_t>::max())
        throw DataError(QStringLiteral("O conjunto de dados excede o limite de texto de uma coluna."));
    const TextRef ref{std::uint32_t(column.textBuffer.size()), std::uint32_t(length)};
    column.textBuffer.append(bytes, length);
    return ref;
}

QString RecordStore::textAt(int row, int column) const
{
    const Column& c = m_columns[std::size_t(column)];
    const TextRef ref = c.texts[std::size_t(row)];
    return QString::fromUtf8(c.textBuffer.data() + ref.offset, qsizetype(ref.length));
}

QVariant RecordStore::value(int row, int column) const
{
    if (isNull(row, column))
        return {};
    switch (m_columns[std::size_t(column)].kind) {
    case StorageKind::Float:
        return floatAt(row, column);
    case StorageKind::Integer:
        return integerAt(row, column);
    case StorageKind::Timestamp:
        return unpackTimestamp(timestampAt(row, column));
    case StorageKind::Text:
        break;
    }
    return textAt(row, column);
}

void RecordStore::setValue(int row, int column, const QVariant& value)
{
    Column& c = m_columns[std::size_t(column)];
    const bool null = value.isNull();
    setNull(c, row, null);
    switch (c.kind) {
    case StorageKind::Float:
        c.floats[std::size_t(row)] = null ? 0.0 : value.toDouble();
        break;
    case StorageKind::Integer:
        c.integers[std::size_t(row)] = null ? 0 : value.toInt();
        break;
    case StorageKind::Timestamp:
        c.stamps[std::size_t(row)] = null ? 0 : packTimestamp(value.toDateTime());
        break;
    case StorageKind::Text: {
        const QByteArray bytes = null ? QByteArray() : value.toString().toUtf8();
        c.texts[std::size_t(row)] = appendText(c, bytes.constData(), std::size_t(bytes.size()));
        break;
    }
    }
}

std::vector<QVariant> RecordStore::rowValues(int row) const
{
    std::vector<QVariant> values;
    values.reserve(m_columns.size());
    for (int c = 0; c < columnCount(); ++c)
        values.push_back(value(row, c));
    return values;
}

std::size_t RecordStore::memoryUsage() const
{
    std::size_t bytes = m_columns.capacity() * sizeof(Column);
    for (const Column& c : m_columns) {
        bytes += c.floats.capacity() * sizeof(double) + c.integers.capacity() * sizeof(qint32)
               + c.stamps.capacity() * sizeof(qint64) + c.texts.capacity() * sizeof(TextRef)
               + c.textBuffer.capacity() + c.nulls.capacity() * sizeof(std::uint64_t);
    }
    return bytes;
}

} // namespace custos::data
