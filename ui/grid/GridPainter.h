#pragma once
// Paints a grid view: band and column headers, group rows, data rows, group footers, the footer,
// the row indicator and the user filter strip. Styles are resolved once per paint.

#include "ColumnLayout.h"

#include <QColor>
#include <QFont>
#include <vector>

class QPainter;

namespace custos::grid {

class GridView;
struct GridStyle;

class GridPainter
{
public:
    GridPainter(const GridView& view, QPainter& painter);
    void paint();

private:
    struct Look
    {
        QColor background;
        QColor text;
        QFont font;
    };
    Look look(const GridStyle& style, const Look& base) const;

    void paintLines();
    void paintRow(int line, int y);
    void paintGroupRow(int line, int y);
    void paintGroupFooter(int line, int y);
    void paintIndent(int line, int y);
    void paintHeaders();
    void paintFooter();
    void paintIndicator();
    void paintFilterStrip();
    void paintCellText(const QRect& rect, const QString& text, Qt::Alignment alignment, const Look& look);
    void paintCheckBox(const QRect& rect, bool checked);
    void paintHeaderCell(const QRect& rect, const QString& text, Qt::Alignment alignment, const Look& look);
    // Runs f for each showing column of each region, with the region clipped.
    template <typename F> void forColumns(int y, int height, F&& f);

    const GridView& m_view;
    QPainter& m_p;
    Look m_content;
    Look m_header;
    Look m_groupRow;
    Look m_footer;
    Look m_selected;
    Look m_inactiveSelected;
    std::vector<Look> m_columnContent;
    std::vector<Look> m_columnPending;
    std::vector<Look> m_columnFooter;
    QColor m_gridLine;
    QColor m_headerLine;
};

} // namespace custos::grid
