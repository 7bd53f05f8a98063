#pragma once
// A grid view as displayed, handed to an exporter as plain data: the visible columns in display
// order with their widths, the band headers over them, and every line (group rows, data rows,
// group footers, the footer) with every group expanded, the texts formatted as shown.

#include <QString>
#include <QVariant>
#include <vector>

namespace custos::grid {

class GridView;

struct ExportColumn
{
    QString caption;
    QString fieldName;
    int width = 0; // pixels, as shown
    Qt::Alignment alignment;
    bool numeric = false;
    int band = -1; // index into ExportView::bands
};

struct ExportBand
{
    QString caption;
    int firstColumn = 0;
    int columnCount = 0;
};

struct ExportCell
{
    QString text;    // as displayed
    QVariant value;  // the number behind a numeric cell or sum; null otherwise
    QString format;  // the summary's pattern (sums only)
};

struct ExportLine
{
    enum Kind { GroupRow, Row, GroupFooter, Footer };
    Kind kind = Row;
    int level = 0;          // grouping level (group rows and footers); the level count for rows
    QString groupText;      // group rows
    int sourceRow = -1;     // data rows
    std::vector<ExportCell> cells; // one per column (empty for group rows)
};

struct ExportView
{
    std::vector<ExportBand> bands;
    std::vector<ExportColumn> columns;
    std::vector<ExportLine> lines;
    int groupLevels = 0;
};

ExportView buildExportView(const GridView& view);

} // namespace custos::grid
