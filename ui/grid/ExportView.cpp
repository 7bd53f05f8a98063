#include "ExportView.h"

#include "GridColumn.h"
#include "GridView.h"

namespace custos::grid {

ExportView buildExportView(const GridView& view)
{
    const GridModel& model = view.model();
    const GroupTree& tree = model.tree();
    ExportView out;
    out.groupLevels = tree.levelCount();

    // Columns in display order: left-fixed, scrolling, right-fixed.
    std::vector<const ColumnGeometry*> shown;
    for (Region region : {Region::Left, Region::Scroll, Region::Right})
        for (const ColumnGeometry& g : view.layout().columns())
            if (g.region == region)
                shown.push_back(&g);
    int lastBand = -2;
    for (const ColumnGeometry* g : shown) {
        ExportColumn c;
        c.caption = g->column->headerText();
        c.fieldName = g->column->fieldName();
        c.width = g->width;
        c.alignment = model.contentAlignment(g->column);
        c.numeric = model.isNumeric(g->column);
        if (g->band >= 0) {
            if (g->band != lastBand)
                out.bands.push_back({view.layout().bands()[std::size_t(g->band)].band->caption(), int(out.columns.size()), 0});
            ++out.bands.back().columnCount;
            c.band = int(out.bands.size()) - 1;
        }
        lastBand = g->band;
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

    for (int l : model.allExpandedLines()) {
        ExportLine line;
        switch (LineRef::kind(l)) {
        case LineRef::GroupRow: {
            const int node = LineRef::node(l);
            line.kind = ExportLine::GroupRow;
            line.level = tree.node(node).level;
            line.groupText = model.groupText(node);
            break;
        }
        case LineRef::Row: {
            line.kind = ExportLine::Row;
            line.level = tree.levelCount();
            line.sourceRow = tree.sourceRow(LineRef::position(l));
            for (const ColumnGeometry* g : shown) {
                ExportCell cell;
                cell.text = model.cellText(line.sourceRow, g->column);
                if (model.isNumeric(g->column) || g->column->isCheckBox())
                    cell.value = model.cellValue(line.sourceRow, g->column);
                line.cells.push_back(cell);
            }
            break;
        }
        case LineRef::GroupFooter: {
            const int node = LineRef::node(l);
            line.kind = ExportLine::GroupFooter;
            line.level = tree.node(node).level;
            for (const ColumnGeometry* g : shown) {
                const GridSummary* s = model.groupSummary(node, g->column);
                line.cells.push_back(sumCell(s, model.groupFooterText(node, g->column), model.groupFooterValue(node, g->column)));
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
            footer.cells.push_back(sumCell(s, model.footerText(g->column), model.footerValue(g->column)));
        }
        out.lines.push_back(std::move(footer));
    }
    return out;
}

} // namespace custos::grid
