#include "Binds.h"

namespace custos::session {

Params& Params::set(const QString& name, BindType type, const QVariant& value)
{
    const QString key = name.toUpper();
    for (auto& v : m_values) {
        if (v.name == key) {
            v.type = type;
            v.value = value;
            return *this;
        }
    }
    m_values.push_back({key, type, value});
    return *this;
}

Params& Params::setNumber(const QString& name, double value) { return set(name, BindType::Number, value); }
Params& Params::setInteger(const QString& name, qint64 value) { return set(name, BindType::Integer, value); }
Params& Params::setText(const QString& name, const QString& value) { return set(name, BindType::Text, value); }
Params& Params::setDate(const QString& name, const QDate& value) { return set(name, BindType::Date, value); }

Params& Params::setDateTime(const QString& name, const QDateTime& value)
{
    return set(name, BindType::DateTime, value);
}

Params& Params::setNull(const QString& name, BindType type) { return set(name, type, QVariant()); }

const BindValue* Params::find(const QString& name) const
{
    for (const auto& v : m_values) {
        if (v.name.compare(name, Qt::CaseInsensitive) == 0)
            return &v;
    }
    return nullptr;
}

} // namespace custos::session
