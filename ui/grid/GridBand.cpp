#include "GridBand.h"

namespace custos::grid {

GridBand::GridBand(const QString& caption, QObject* parent)
    : QObject(parent), m_caption(caption)
{
}

void GridBand::setCaption(const QString& caption)
{
    m_caption = caption;
    Q_EMIT changed();
}

void GridBand::setFixed(Fixed fixed)
{
    m_fixed = fixed;
    Q_EMIT changed();
}

void GridBand::setVisible(bool visible)
{
    m_visible = visible;
    Q_EMIT changed();
}

void GridBand::setWidth(int width)
{
    m_width = qMax(0, width);
    Q_EMIT changed();
}

void GridBand::setMovable(bool movable)
{
    m_movable = movable;
    Q_EMIT changed();
}

void GridBand::setHeaderStyle(const GridStyle& style)
{
    m_headerStyle = style;
    Q_EMIT changed();
}

} // namespace custos::grid
