#include "ExportView.h"

#include "GridColumn.h"
#include "GridView.h"

#include <memory>

namespace custos::grid {

void ExportView::forEachLine(const LineVisitor& visit) const
{
    if (streamLines) {
        streamLines(visit);
        return;
    }
    for (const ExportLine& line : lines)
        visit(line);
}

namespace {

// The export of one grid view: the columns and bands as shown, and the lines of every row the
// source holds (the user's filter narrows what the window shows, not what is exported), every
// group expanded, made one at a time.
class ExportMaker
{
public:
    ExportMaker(const GridView& view, bool numberTexts)
        : m_view(view), m_model(view.model()), m_tree(m_model.unfilteredTree()), m_numberTexts(numberTexts)
    {
    }

    ExportView layout()
    {
        const RowSource* source = m_model.source();
        ExportView out;
        out.groupLevels = m_tree.levelCount();
        out.groupRowStyle = m_view.groupRowStyle();
        out.dataRows = int(m_tree.order().size());
        // Columns in display order: left-fixed, scrolling, right-fixed.
        for (Region region : {Region::Left, Region::Scroll, Region::Right})
            for (const ColumnGeometry& g : m_view.layout().columns())
                if (g.region == region)
                    m_shown.push_back(&g);
        int lastBand = -2;
        for (const ColumnGeometry* g : m_shown) {
            const GridColumn* column = g->column;
            ExportColumn c;
            c.caption = column->headerText();
            c.fieldName = column->fieldName();
            c.width = g->width;
            c.alignment = m_model.contentAlignment(column);
            c.numeric = m_model.isNumeric(column);
            if (source && column->fieldIndex() >= 0 && !column->isLookup()) {
                c.kind = source->fieldKind(column->fieldIndex());
                if (c.numeric)
                    c.format = source->displayPattern(column->fieldIndex());
            }
            c.contentStyle = column->contentStyle().over(m_view.contentStyle());
            c.headerStyle = column->headerStyle().over(m_view.headerStyle());
            c.footerStyle = column->footerStyle().over(m_view.footerStyle());
            if (g->band >= 0) {
                if (g->band != lastBand) {
                    const GridBand* band = m_view.layout().bands()[std::size_t(g->band)].band;
                    out.bands.push_back({band->caption(), int(out.columns.size()), 0, band->headerStyle().over(m_view.headerStyle())});
                }
                ++out.bands.back().columnCount;
                c.band = int(out.bands.size()) - 1;
            }
            lastBand = g->band;
            if (g->region == Region::Left)
                ++out.fixedLeftColumns;
            m_withValue.push_back(c.numeric || c.kind == FieldKind::DateTime || column->isCheckBox());
            m_numeric.push_back(c.numeric);
            out.columns.push_back(c);
        }
        return out;
    }

    // Calls visit with each line in turn; the line passed is reused for the next.
    void makeLines(const ExportView::LineVisitor& visit) const
    {
        ExportLine line;
        for (int l : m_model.allExpandedLines(m_tree)) {
            line.cells.clear();
            line.groupText.clear();
            line.sourceRow = -1;
            switch (LineRef::kind(l)) {
            case LineRef::GroupRow:
                line.kind = ExportLine::GroupRow;
                line.level = m_tree.node(LineRef::node(l)).level;
                line.groupText = m_model.groupText(m_tree, LineRef::node(l));
                break;
            case LineRef::Row:
                line.kind = ExportLine::Row;
                line.level = m_tree.levelCount();
                line.sourceRow = m_tree.sourceRow(LineRef::position(l));
                for (std::size_t i = 0; i < m_shown.size(); ++i) {
                    const GridColumn* column = m_shown[i]->column;
                    ExportCell cell;
                    if (m_withValue[i])
                        cell.value = m_model.cellValue(line.sourceRow, column);
                    if (m_numberTexts || cell.value.isNull() || !m_numeric[i])
                        cell.text = m_model.cellText(line.sourceRow, column);
                    line.cells.push_back(std::move(cell));
                }
                break;
            case LineRef::GroupFooter: {
                const int node = LineRef::node(l);
                line.kind = ExportLine::GroupFooter;
                line.level = m_tree.node(node).level;
                for (const ColumnGeometry* g : m_shown)
                    line.cells.push_back(sumCell(m_model.groupSummary(m_tree, node, g->column),
                                                 m_model.groupFooterText(m_tree, node, g->column),
                                                 m_model.groupFooterValue(m_tree, node, g->column)));
                break;
            }
            }
            visit(line);
        }
        if (m_view.isFooterVisible() && m_model.hasFooterSummaries()) {
            line.cells.clear();
            line.groupText.clear();
            line.kind = ExportLine::Footer;
            line.level = 0;
            line.sourceRow = -1;
            for (const ColumnGeometry* g : m_shown)
                line.cells.push_back(sumCell(m_model.footerSummary(g->column), m_model.footerText(m_tree, g->column),
                                             m_model.footerValue(m_tree, g->column)));
            visit(line);
        }
    }

private:
    static ExportCell sumCell(const GridSummary* s, const QString& text, std::optional<double> value)
    {
        ExportCell cell;
        if (s) {
            cell.text = text;
            if (value)
                cell.value = *value;
            cell.format = s->format;
        }
        return cell;
    }

    const GridView& m_view;
    const GridModel& m_model;
    const GroupTree m_tree;
    const bool m_numberTexts;
    std::vector<const ColumnGeometry*> m_shown;
    std::vector<bool> m_withValue;
    std::vector<bool> m_numeric;
};

} // namespace

ExportView buildExportView(const GridView& view)
{
    ExportMaker maker(view, true);
    ExportView out = maker.layout();
    maker.makeLines([&](const ExportLine& line) { out.lines.push_back(line); });
    return out;
}

ExportView streamExportView(const GridView& view)
{
    auto maker = std::make_shared<ExportMaker>(view, false);
    ExportView out = maker->layout();
    out.streamLines = [maker](const ExportView::LineVisitor& visit) { maker->makeLines(visit); };
    return out;
}

} // namespace custos::grid
