#pragma once
// The horizontal geometry of a view: which columns show, in which order and region (fixed left,
// scrolling, fixed right), at which x and how wide, and where each band header stands. Band order:
// the left-fixed bands, the scrolling ones, the right-fixed ones, each in definition order.

#include "GridBand.h"

#include <QList>
#include <vector>

namespace custos::grid {

class GridColumn;

enum class Region { Left, Scroll, Right };

struct ColumnGeometry
{
    GridColumn* column = nullptr;
    Region region = Region::Scroll;
    int x = 0;      // from the start of its region
    int width = 0;
    int band = -1;  // index into ColumnLayout::bands, -1 in a table view
};

struct BandGeometry
{
    GridBand* band = nullptr;
    Region region = Region::Scroll;
    int x = 0;
    int width = 0;
};

class ColumnLayout
{
public:
    // fillWidth: scale every width so the columns fill availableWidth (no horizontal scrolling).
    void compute(const QList<GridColumn*>& columns, const QList<GridBand*>& bands, int availableWidth, bool fillWidth);

    const std::vector<ColumnGeometry>& columns() const { return m_columns; }
    const std::vector<BandGeometry>& bands() const { return m_bands; }
    int regionWidth(Region region) const { return m_regionWidth[int(region)]; }
    // Index into columns() of a column, -1 when it does not show.
    int indexOf(const GridColumn* column) const;

private:
    std::vector<ColumnGeometry> m_columns;
    std::vector<BandGeometry> m_bands;
    int m_regionWidth[3] = {0, 0, 0};
};

} // namespace custos::grid
