#pragma once
// A grid view as displayed, handed to an exporter as plain data: the visible columns in display
// order with their widths, kinds, display patterns and looks, the band headers over them, and
// every line (group rows, data rows, group footers, the footer) of every row the source holds,
// every group expanded and the user's filter lifted, the texts formatted as shown.
//
// The looks are the grid's styles as set on the columns, bands and view, combined as the grid
// combines them; whatever no style sets is left to the exporter.

#include "GridStyle.h"
#include "RowSource.h"

#include <QString>
#include <QVariant>
#include <functional>
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
    FieldKind kind = FieldKind::Other;
    QString format;         // the field's display pattern (numeric columns)
    int band = -1;          // index into ExportView::bands
    GridStyle contentStyle; // data cells
    GridStyle headerStyle;
    GridStyle footerStyle;  // group footers and the footer
};

struct ExportBand
{
    QString caption;
    int firstColumn = 0;
    int columnCount = 0;
    GridStyle headerStyle;
};

struct ExportCell
{
    QString text;    // as displayed
    QVariant value;  // the number behind a numeric cell or sum, the date of a date cell; null otherwise
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
    using LineVisitor = std::function<void(const ExportLine&)>;

    std::vector<ExportBand> bands;
    std::vector<ExportColumn> columns;
    int groupLevels = 0;
    int fixedLeftColumns = 0; // the first columns, fixed at the left edge
    GridStyle groupRowStyle;
    int dataRows = 0;         // the data rows among the lines
    std::vector<ExportLine> lines; // every line, when the view holds them
    // A streamed view holds no lines: this makes them one at a time as they are read.
    std::function<void(const LineVisitor&)> streamLines;

    bool hasDataRows() const { return dataRows > 0; }
    // Every line in display order, held or streamed.
    void forEachLine(const LineVisitor& visit) const;
};

// The view with every line held.
ExportView buildExportView(const GridView& view);
// The view with its lines made as a writer reads them, so that none is kept: for a single read
// while the grid stays as it is. A number cell carries its value only, not its text (a workbook
// shows the number in its own format).
ExportView streamExportView(const GridView& view);

} // namespace custos::grid
