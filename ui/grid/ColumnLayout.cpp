#include "ColumnLayout.h"

#include "GridColumn.h"

#include <cmath>

namespace custos::grid {

namespace {

Region regionOf(const GridBand* band)
{
    if (!band)
        return Region::Scroll;
    switch (band->fixed()) {
    case GridBand::Fixed::Left: return Region::Left;
    case GridBand::Fixed::Right: return Region::Right;
    case GridBand::Fixed::None: break;
    }
    return Region::Scroll;
}

// Shares total among widths in proportion, the last one taking the rounding.
void scaleWidths(std::vector<ColumnGeometry*>& cells, int total)
{
    long sum = 0;
    for (const ColumnGeometry* c : cells)
        sum += c->width;
    if (cells.empty() || sum <= 0 || total <= 0)
        return;
    int used = 0;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (i + 1 == cells.size()) {
            cells[i]->width = qMax(1, total - used);
        } else {
            cells[i]->width = qMax(1, int(std::lround(double(cells[i]->width) * total / double(sum))));
            used += cells[i]->width;
        }
    }
}

} // namespace

void ColumnLayout::compute(const QList<GridColumn*>& columns, const QList<GridBand*>& bands, int availableWidth,
                           bool fillWidth)
{
    m_columns.clear();
    m_bands.clear();
    m_regionWidth[0] = m_regionWidth[1] = m_regionWidth[2] = 0;

    auto visible = [](const GridColumn* c) { return c->isVisible() && (!c->band() || c->band()->isVisible()); };

    if (bands.isEmpty()) {
        for (GridColumn* c : columns)
            if (visible(c))
                m_columns.push_back({c, Region::Scroll, 0, c->width(), -1});
    } else {
        for (Region region : {Region::Left, Region::Scroll, Region::Right}) {
            for (GridBand* band : bands) {
                if (!band->isVisible() || regionOf(band) != region)
                    continue;
                std::vector<ColumnGeometry*> cells;
                const std::size_t first = m_columns.size();
                for (GridColumn* c : columns)
                    if (c->band() == band && visible(c))
                        m_columns.push_back({c, region, 0, c->width(), int(m_bands.size())});
                for (std::size_t i = first; i < m_columns.size(); ++i)
                    cells.push_back(&m_columns[i]);
                if (cells.empty())
                    continue;
                if (band->width() > 0)
                    scaleWidths(cells, band->width());
                m_bands.push_back({band, region, 0, 0});
            }
        }
        // Columns outside every band go to the scrolling region, after its bands.
        for (GridColumn* c : columns)
            if (!c->band() && c->isVisible())
                m_columns.push_back({c, Region::Scroll, 0, c->width(), -1});
    }

    if (fillWidth && availableWidth > 0) {
        std::vector<ColumnGeometry*> all;
        for (ColumnGeometry& c : m_columns)
            all.push_back(&c);
        scaleWidths(all, availableWidth);
    }

    // Stable order by region so x runs left to right within each.
    for (Region region : {Region::Left, Region::Scroll, Region::Right}) {
        int x = 0;
        for (ColumnGeometry& c : m_columns)
            if (c.region == region) {
                c.x = x;
                x += c.width;
            }
        m_regionWidth[int(region)] = x;
    }
    for (std::size_t b = 0; b < m_bands.size(); ++b) {
        int left = -1, right = 0;
        for (const ColumnGeometry& c : m_columns)
            if (c.band == int(b)) {
                if (left < 0)
                    left = c.x;
                right = c.x + c.width;
            }
        m_bands[b].x = left;
        m_bands[b].width = right - left;
    }
}

int ColumnLayout::indexOf(const GridColumn* column) const
{
    for (std::size_t i = 0; i < m_columns.size(); ++i)
        if (m_columns[i].column == column)
            return int(i);
    return -1;
}

} // namespace custos::grid
