#include "GridColumn.h"

#include "GridBand.h"
#include "RowSource.h"

namespace custos::grid {

GridColumn::GridColumn(const QString& fieldName, const QString& caption, QObject* parent)
    : QObject(parent), m_fieldName(fieldName), m_caption(caption)
{
}

void GridColumn::setCaption(const QString& caption)
{
    m_caption = caption;
    Q_EMIT changed();
}

QString GridColumn::headerText() const
{
    return m_caption.isEmpty() ? m_fieldName : m_caption;
}

void GridColumn::setVisible(bool visible)
{
    if (m_visible == visible)
        return;
    m_visible = visible;
    Q_EMIT changed();
}

void GridColumn::setWidth(int width)
{
    m_width = qMax(8, width);
    Q_EMIT changed();
}

void GridColumn::setMovable(bool movable)
{
    m_movable = movable;
    Q_EMIT changed();
}

void GridColumn::setReadOnly(bool readOnly)
{
    if (m_readOnly == readOnly)
        return;
    m_readOnly = readOnly;
    Q_EMIT changed();
}

void GridColumn::setCanFocus(bool canFocus)
{
    m_canFocus = canFocus;
    Q_EMIT changed();
}

void GridColumn::setHeaderAlignment(Qt::Alignment alignment)
{
    m_headerAlignment = alignment;
    Q_EMIT changed();
}

void GridColumn::setAlignment(Qt::Alignment alignment)
{
    m_alignment = alignment;
    Q_EMIT changed();
}

void GridColumn::setContentStyle(const GridStyle& style)
{
    if (m_contentStyle == style)
        return;
    m_contentStyle = style;
    Q_EMIT changed();
}

void GridColumn::setHeaderStyle(const GridStyle& style)
{
    m_headerStyle = style;
    Q_EMIT changed();
}

void GridColumn::setFooterStyle(const GridStyle& style)
{
    m_footerStyle = style;
    Q_EMIT changed();
}

void GridColumn::setBand(GridBand* band)
{
    m_band = band;
    Q_EMIT changed();
}

void GridColumn::setCheckBox(const QVariant& checkedValue, const QVariant& uncheckedValue)
{
    m_checkBox = true;
    m_checkedValue = checkedValue;
    m_uncheckedValue = uncheckedValue;
    Q_EMIT changed();
}

bool GridColumn::isChecked(const QVariant& value) const
{
    return !value.isNull() && lookupKey(value) == lookupKey(m_checkedValue);
}

QString GridColumn::lookupKey(const QVariant& value)
{
    bool ok = false;
    const double d = value.toDouble(&ok);
    return ok ? QString::number(d, 'g', 15) : value.toString();
}

void GridColumn::setLookup(RowSource* list, const QString& keyField, const QString& listField)
{
    if (m_lookup)
        disconnect(m_lookup, nullptr, this, nullptr);
    m_lookup = list;
    m_lookupKeyField = keyField;
    m_lookupListField = listField;
    m_lookupLoaded = false;
    if (list) {
        auto reload = [this] {
            m_lookupLoaded = false;
            Q_EMIT textsChanged();
        };
        connect(list, &RowSource::rowsReset, this, reload);
        connect(list, &RowSource::rowChanged, this, reload);
    }
    Q_EMIT textsChanged();
}

QString GridColumn::lookupText(const QVariant& key) const
{
    if (!m_lookup || key.isNull())
        return {};
    if (!m_lookupLoaded) {
        m_lookupTexts.clear();
        const int keyField = m_lookup->fieldIndex(m_lookupKeyField);
        const int listField = m_lookup->fieldIndex(m_lookupListField);
        if (keyField >= 0 && listField >= 0)
            for (int r = 0, n = m_lookup->rowCount(); r < n; ++r) {
                const QString k = lookupKey(m_lookup->value(r, keyField));
                if (!m_lookupTexts.contains(k)) // the first match wins
                    m_lookupTexts.insert(k, m_lookup->displayText(r, listField));
            }
        m_lookupLoaded = true;
    }
    return m_lookupTexts.value(lookupKey(key));
}

} // namespace custos::grid
