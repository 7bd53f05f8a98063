#pragma once
// The cell formats of one workbook, one per distinct look: the fill, font and colour of a grid
// style, the number format, the horizontal alignment and the indent. The library keeps every
// format it is given until the workbook closes, so equal looks share one.

#include <GridStyle.h>

#include <QHash>
#include <QString>

struct lxw_workbook;
struct lxw_format;

namespace custos::results {

struct CellLook
{
    grid::GridStyle style;
    QString numberFormat; // empty: the cell's own (text, general number)
    Qt::Alignment alignment = Qt::AlignLeft;
    int indent = 0;
    bool bold = false; // on top of the style's
};

class CellFormats
{
public:
    explicit CellFormats(lxw_workbook* workbook) : m_workbook(workbook) {}

    lxw_format* format(const CellLook& look);

private:
    lxw_workbook* m_workbook;
    QHash<QString, lxw_format*> m_formats;
};

} // namespace custos::results
