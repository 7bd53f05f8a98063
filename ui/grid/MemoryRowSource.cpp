#include "MemoryRowSource.h"

#include <DisplayFormat.h>

#include <QDateTime>
#include <QLocale>
#include <cmath>
#include <limits>
#include <stdexcept>

namespace custos::grid {

MemoryRowSource::MemoryRowSource(QObject* parent) : RowSource(parent)
{
}

int MemoryRowSource::addField(const QString& name, FieldKind kind, const QString& displayFormat,
                              const QString& editFormat, int textWidth)
{
    Field f;
    f.name = name;
    f.kind = kind;
    f.displayFormat = displayFormat;
    f.editFormat = editFormat;
    f.textWidth = textWidth;
    m_fields.push_back(std::move(f));
    return int(m_fields.size()) - 1;
}

void MemoryRowSource::load(int rowCount, const std::function<QVariant(int row, int field)>& value)
{
    m_rowCount = rowCount;
    m_editing = false;
    for (std::size_t f = 0; f < m_fields.size(); ++f) {
        Field& field = m_fields[f];
        const bool numeric = field.kind == FieldKind::Number || field.kind == FieldKind::Integer;
        field.numbers.assign(numeric ? std::size_t(rowCount) : 0, std::numeric_limits<double>::quiet_NaN());
        field.others.assign(numeric ? 0 : std::size_t(rowCount), QVariant());
        for (int r = 0; r < rowCount; ++r)
            store(r, int(f), value(r, int(f)));
    }
    m_current = rowCount > 0 ? 0 : -1;
    Q_EMIT rowsReset();
    Q_EMIT currentRowChanged(m_current);
}

void MemoryRowSource::store(int row, int field, const QVariant& value)
{
    Field& f = m_fields[std::size_t(field)];
    if (!f.numbers.empty()) {
        bool ok = false;
        const double d = value.isNull() ? 0.0 : value.toDouble(&ok);
        f.numbers[std::size_t(row)] = ok ? d : std::numeric_limits<double>::quiet_NaN();
    } else {
        f.others[std::size_t(row)] = value;
    }
}

void MemoryRowSource::setReadOnly(bool readOnly)
{
    m_readOnly = readOnly;
}

void MemoryRowSource::setPostCheck(PostCheck check)
{
    m_postCheck = std::move(check);
}

QString MemoryRowSource::fieldName(int field) const
{
    return m_fields[std::size_t(field)].name;
}

FieldKind MemoryRowSource::fieldKind(int field) const
{
    return m_fields[std::size_t(field)].kind;
}

int MemoryRowSource::textWidth(int field) const
{
    return m_fields[std::size_t(field)].textWidth;
}

QString MemoryRowSource::displayPattern(int field) const
{
    return m_fields[std::size_t(field)].displayFormat;
}

int MemoryRowSource::editDecimals(int field) const
{
    const Field& f = m_fields[std::size_t(field)];
    if (f.kind != FieldKind::Number)
        return RowSource::editDecimals(field);
    return patternDecimals(f.editFormat.isEmpty() ? f.displayFormat : f.editFormat, RowSource::editDecimals(field));
}

QVariant MemoryRowSource::value(int row, int field) const
{
    const Field& f = m_fields[std::size_t(field)];
    if (f.numbers.empty())
        return f.others[std::size_t(row)];
    const double d = f.numbers[std::size_t(row)];
    if (std::isnan(d))
        return {};
    return f.kind == FieldKind::Integer ? QVariant(qlonglong(d)) : QVariant(d);
}

double MemoryRowSource::number(int row, int field, bool* isNull) const
{
    const Field& f = m_fields[std::size_t(field)];
    if (f.numbers.empty())
        return RowSource::number(row, field, isNull);
    const double d = f.numbers[std::size_t(row)];
    *isNull = std::isnan(d);
    return *isNull ? 0.0 : d;
}

QString MemoryRowSource::numberText(int row, int field, const QString& pattern) const
{
    bool isNull = false;
    const double d = number(row, field, &isNull);
    if (isNull)
        return {};
    const QLocale locale;
    return pattern.isEmpty() ? custos::data::formatGeneral(d, locale) : custos::data::formatNumber(d, pattern, locale);
}

QString MemoryRowSource::displayText(int row, int field) const
{
    const Field& f = m_fields[std::size_t(field)];
    if (!f.numbers.empty())
        return numberText(row, field, f.displayFormat);
    const QVariant& v = f.others[std::size_t(row)];
    if (f.kind == FieldKind::DateTime && !v.isNull()) {
        const QDateTime dt = v.toDateTime();
        return QLocale().toString(dt, dt.time() == QTime(0, 0) ? QLocale().dateFormat(QLocale::ShortFormat)
                                                               : QLocale().dateTimeFormat(QLocale::ShortFormat));
    }
    return v.toString();
}

QString MemoryRowSource::editText(int row, int field) const
{
    const Field& f = m_fields[std::size_t(field)];
    if (!f.numbers.empty())
        return numberText(row, field, f.editFormat);
    return displayText(row, field);
}

void MemoryRowSource::setCurrentRow(int row)
{
    if (row == m_current)
        return;
    if (m_editing)
        post();
    m_current = row;
    Q_EMIT currentRowChanged(row);
}

void MemoryRowSource::setFieldValue(int field, const QVariant& value)
{
    if (m_readOnly)
        throw std::runtime_error("Não é possível alterar um conjunto de dados somente leitura.");
    if (m_current < 0)
        throw std::runtime_error("Não há registro corrente para alterar.");
    if (!m_editing) {
        m_original.clear();
        for (int f = 0; f < fieldCount(); ++f)
            m_original.push_back(this->value(m_current, f));
        m_editing = true;
    }
    store(m_current, field, value);
    Q_EMIT rowChanged(m_current);
}

void MemoryRowSource::post()
{
    if (!m_editing)
        return;
    if (m_postCheck) {
        const QString refusal = m_postCheck(m_current);
        if (!refusal.isEmpty())
            throw std::runtime_error(refusal.toStdString());
    }
    m_editing = false;
    Q_EMIT rowChanged(m_current);
}

void MemoryRowSource::cancel()
{
    if (!m_editing)
        return;
    for (int f = 0; f < fieldCount(); ++f)
        store(m_current, f, m_original[std::size_t(f)]);
    m_editing = false;
    Q_EMIT rowChanged(m_current);
}

} // namespace custos::grid
