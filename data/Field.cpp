#include "Field.h"

#include "DataError.h"
#include "DataSet.h"
#include "Timestamp.h"

#include <QLocale>
#include <cmath>
#include <limits>

namespace custos::data {

namespace {

[[noreturn]] void invalidValue(const Field& field, const QString& text, const QString& what)
{
    throw DataError(QStringLiteral("'%1' não é %2 para o campo %3.").arg(text, what, field.name()));
}

QString timestampText(const QDateTime& value, const QLocale& locale)
{
    QString text = locale.toString(value.date(), QLocale::ShortFormat);
    if (value.time() != QTime(0, 0))
        text += u' ' + value.time().toString(QStringLiteral("HH:mm:ss"));
    return text;
}

} // namespace

Field::Field(DataSet& dataSet, const QString& name, FieldKind kind, bool declared)
    : m_dataSet(&dataSet)
    , m_name(name)
    , m_kind(kind)
    , m_declared(declared)
{
}

bool Field::isNumeric() const
{
    const StorageKind storage = storageKindOf(m_kind);
    return storage == StorageKind::Float || storage == StorageKind::Integer;
}

bool Field::isNull() const { return value().isNull(); }

QVariant Field::value() const { return m_dataSet->currentValue(m_index); }

double Field::asFloat() const { return value().toDouble(); }

int Field::asInteger() const
{
    return int(std::llround(value().toDouble()));
}

QString Field::asString() const
{
    const QVariant v = value();
    if (v.isNull())
        return QString();
    switch (storageKindOf(m_kind)) {
    case StorageKind::Float:
    case StorageKind::Integer:
        return formatGeneral(v.toDouble(), QLocale());
    case StorageKind::Timestamp:
        return timestampText(v.toDateTime(), QLocale());
    case StorageKind::Text:
        break;
    }
    return v.toString();
}

QDateTime Field::asDateTime() const { return value().toDateTime(); }

void Field::setValue(const QVariant& value) { m_dataSet->setCurrentValue(m_index, value); }

QString Field::displayTextOf(const QVariant& value) const
{
    if (value.isNull())
        return QString();
    switch (storageKindOf(m_kind)) {
    case StorageKind::Float:
    case StorageKind::Integer:
        return m_displayFormat.format(value.toDouble(), QLocale());
    case StorageKind::Timestamp:
        return timestampText(value.toDateTime(), QLocale());
    case StorageKind::Text:
        break;
    }
    return value.toString();
}

QString Field::editTextOf(const QVariant& value) const
{
    if (value.isNull())
        return QString();
    if (isNumeric())
        return m_editFormat.format(value.toDouble(), QLocale());
    return displayTextOf(value);
}

QVariant Field::convert(const QVariant& value) const
{
    if (value.isNull())
        return {};
    const bool isText = value.metaType().id() == QMetaType::QString;
    const QString text = isText ? value.toString().trimmed() : QString();
    const QLocale locale;
    switch (storageKindOf(m_kind)) {
    case StorageKind::Float: {
        if (isText && text.isEmpty())
            return {};
        bool ok = false;
        const double number = isText ? locale.toDouble(text, &ok) : value.toDouble(&ok);
        if (!ok)
            invalidValue(*this, value.toString(), QStringLiteral("um número válido"));
        return number;
    }
    case StorageKind::Integer: {
        if (isText && text.isEmpty())
            return {};
        bool ok = false;
        const double number = isText ? locale.toDouble(text, &ok) : value.toDouble(&ok);
        if (!ok || number != std::trunc(number) || number < std::numeric_limits<qint32>::min()
            || number > std::numeric_limits<qint32>::max())
            invalidValue(*this, value.toString(), QStringLiteral("um número inteiro válido"));
        return int(number);
    }
    case StorageKind::Timestamp: {
        if (isText && text.isEmpty())
            return {};
        QDateTime stamp;
        if (isText)
            stamp = parseTimestamp(text, locale);
        else if (value.metaType().id() == QMetaType::QDate)
            stamp = wallTimestamp(value.toDate());
        else
            stamp = wallTimestamp(value.toDateTime());
        if (!stamp.isValid())
            invalidValue(*this, value.toString(), QStringLiteral("uma data válida"));
        return stamp;
    }
    case StorageKind::Text:
        break;
    }
    const QString result = value.toString();
    if (result.isEmpty())
        return {}; // an empty text is NULL, as on the server
    if (m_width > 0 && result.size() > m_width)
        throw DataError(QStringLiteral("O texto '%1' excede o tamanho de %2 caracteres do campo %3.")
                            .arg(result)
                            .arg(m_width)
                            .arg(m_name));
    return result;
}

} // namespace custos::data
