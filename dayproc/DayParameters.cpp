#include "DayParameters.h"

#include "Binds.h"

namespace custos::dayproc {

using session::BindType;

namespace {

BindType typeOfValue(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::QDate:
        return BindType::Date;
    case QMetaType::QDateTime:
        return BindType::DateTime;
    case QMetaType::QString:
        return BindType::Text;
    case QMetaType::Int:
    case QMetaType::LongLong:
        return BindType::Integer;
    default:
        return BindType::Number;
    }
}

QVariant asType(const QVariant& value, BindType type)
{
    if (value.isNull())
        return {};
    switch (type) {
    case BindType::Number:
        return value.toDouble();
    case BindType::Integer:
        return value.toLongLong();
    case BindType::Text:
        return value.toString();
    case BindType::Date:
        return value.typeId() == QMetaType::QDateTime ? QVariant(value.toDateTime().date()) : QVariant(value.toDate());
    case BindType::DateTime:
        return value.toDateTime();
    case BindType::Null:
        break;
    }
    return value;
}

} // namespace

void setParameter(session::Params& params, const QString& name, const QVariant& value)
{
    const session::BindValue* declared = params.find(name);
    const BindType type = declared && declared->type != BindType::Null ? declared->type : typeOfValue(value);
    params.set(name, type, asType(value, type));
}

} // namespace custos::dayproc
