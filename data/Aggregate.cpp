#include "Aggregate.h"

#include <QLocale>

namespace custos::data {

Aggregate::Aggregate(const QString& name, const QString& expression, const QString& displayFormat)
    : m_name(name)
    , m_expression(Expression::parse(expression, Expression::Context::Aggregate))
    , m_displayFormat(displayFormat)
{
}

void Aggregate::bind(const std::function<int(const QString&)>& columnOf, const RecordStore& columns)
{
    m_expression.bind(columnOf, columns);
    m_dirty = true;
}

QVariant Aggregate::value() const
{
    if (!m_store)
        return {};
    if (m_dirty) {
        m_value = m_expression.aggregate(*m_store);
        m_dirty = false;
    }
    return m_value;
}

QString Aggregate::displayText() const
{
    const QVariant v = value();
    return v.isNull() ? QString() : m_displayFormat.format(v.toDouble(), QLocale());
}

} // namespace custos::data
