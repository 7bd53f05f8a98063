#include "ExportView.h"

#include "GridColumn.h"
#include "GridView.h"

namespace custos::grid {

bool ExportView::hasDataRows() const
{
    for (const ExportLine& l : lines)
        if (l.kind == ExportLine::Row)
            return true;
    return false;
}

ExportView buildExportView(const GridView& view)
{
    const GridModel& model = view.model();
    const RowSource* source = model.source();
    // Every row of every group: the user's filter narrows what the window shows, not what is exported.
    const GroupTree tree = model.unfilteredTree();
    ExportView out;
    out.groupLevels = tree.levelCount();
    out.groupRowStyle = view.groupRowStyle();

    // Columns in display order: left-fixed, scrolling, right-fixed.
    std::vector<const ColumnGeometry*> shown;
    for (Region region : {Region::Left, Region::Scroll, Region::Right})
        for (const ColumnGeometry& g : view.layout().columns())
            if (g.region == region)
                shown.push_back(&g);
    int lastBand = -2;
    for (const ColumnGeometry* g : shown) {
        const GridColumn* column = g->column;
        ExportColumn c;
        c.caption = column->headerText();
        c.fieldName = column->fieldName();
        c.width = g->width;
        c.alignment = model.contentAlignment(column);
        c.numeric = model.isNumeric(column);
        if (source && column->fieldIndex() >= 0 && !column->isLookup()) {
            c.kind = source->fieldKind(column->fieldIndex());
            if (c.numeric)
                c.format = source->displayPattern(column->fieldIndex());
        }
        c.contentStyle = column->contentStyle().over(view.contentStyle());
        c.headerStyle = column->headerStyle().over(view.headerStyle());
        c.footerStyle = column->footerStyle().over(view.footerStyle());
        if (g->band >= 0) {
            if (g->band != lastBand) {
                const GridBand* band = view.layout().bands()[std::size_t(g->band)].band;
                out.bands.push_back({band->caption(), int(out.columns.size()), 0, band->headerStyle().over(view.headerStyle())});
            }
            ++out.bands.back().columnCount;
            c.band = int(out.bands.size()) - 1;
        }
        lastBand = g->band;
        if (g->region == Region::Left)
            ++out.fixedLeftColumns;
        out.columns.push_back(c);
    }

    auto sumCell = [](const GridSummary* s, const QString& text, std::optional<double> value) {
        ExportCell cell;
        if (s) {
            cell.text = text;
            if (value)
                cell.value = *value;
            cell.format = s->format;
        }
        return cell;
    };

    for (int l : model.allExpandedLines(tree)) {
        ExportLine line;
        switch (LineRef::kind(l)) {
        case LineRef::GroupRow: {
            const int node = LineRef::node(l);
            line.kind = ExportLine::GroupRow;
            line.level = tree.node(node).level;
            line.groupText = model.groupText(tree, node);
            break;
        }
        case LineRef::Row: {
            line.kind = ExportLine::Row;
            line.level = tree.levelCount();
            line.sourceRow = tree.sourceRow(LineRef::position(l));
            for (std::size_t i = 0; i < shown.size(); ++i) {
                const GridColumn* column = shown[i]->column;
                ExportCell cell;
                cell.text = model.cellText(line.sourceRow, column);
                if (out.columns[i].numeric || out.columns[i].kind == FieldKind::DateTime || column->isCheckBox())
                    cell.value = model.cellValue(line.sourceRow, column);
                line.cells.push_back(cell);
            }
            break;
        }
        case LineRef::GroupFooter: {
            const int node = LineRef::node(l);
            line.kind = ExportLine::GroupFooter;
            line.level = tree.node(node).level;
            for (const ColumnGeometry* g : shown) {
                const GridSummary* s = model.groupSummary(tree, node, g->column);
                line.cells.push_back(sumCell(s, model.groupFooterText(tree, node, g->column),
                                             model.groupFooterValue(tree, node, g->column)));
            }
            break;
        }
        }
        out.lines.push_back(std::move(line));
    }
    if (view.isFooterVisible() && model.hasFooterSummaries()) {
        ExportLine footer;
        footer.kind = ExportLine::Footer;
        for (const ColumnGeometry* g : shown) {
            const GridSummary* s = model.footerSummary(g->column);
            footer.cells.push_back(sumCell(s, model.footerText(tree, g->column), model.footerValue(tree, g->column)));
        }
        out.lines.push_back(std::move(footer));
    }
    return out;
}

} // namespace custos::grid
