#include "GridPainter.h"

#include "GridColumn.h"
#include "GridView.h"
#include "RowSource.h"

#include <QPainter>
#include <QPainterPath>

namespace custos::grid {

namespace {
const QColor defaultHeader(0xE6, 0xE6, 0xE6);
const QColor defaultGroupRow(0xEF, 0xEF, 0xEF);
const QColor defaultFooter(0xEC, 0xEC, 0xEC);
const QColor selectionColor(0x31, 0x6A, 0xC5);
const QColor inactiveSelectionColor(0xD4, 0xD0, 0xC8);
} // namespace

GridPainter::GridPainter(const GridView& view, QPainter& painter) : m_view(view), m_p(painter)
{
    const QFont base = view.font();
    m_content = look(view.contentStyle(), {Qt::white, Qt::black, base});
    m_header = look(view.headerStyle(), {defaultHeader, Qt::black, base});
    m_groupRow = look(view.groupRowStyle(), {defaultGroupRow, Qt::black, base});
    m_footer = look(view.footerStyle(), {defaultFooter, Qt::black, base});
    m_selected = {selectionColor, Qt::white, m_content.font};
    m_inactiveSelected = look(view.inactiveSelectionStyle(), {inactiveSelectionColor, Qt::black, m_content.font});
    for (const ColumnGeometry& g : view.layout().columns()) {
        m_columnContent.push_back(look(g.column->contentStyle(), m_content));
        m_columnPending.push_back(look(view.pendingValueStyle(), m_columnContent.back()));
        m_columnFooter.push_back(look(g.column->footerStyle(), m_footer));
    }
    m_gridLine = QColor(0xD0, 0xD0, 0xD0);
    m_headerLine = QColor(0x99, 0x99, 0x99);
}

GridPainter::Look GridPainter::look(const GridStyle& style, const Look& base) const
{
    Look l = base;
    if (style.background)
        l.background = *style.background;
    if (style.textColor)
        l.text = *style.textColor;
    l.font = style.font(base.font);
    return l;
}

void GridPainter::paint()
{
    m_p.fillRect(m_view.viewport()->rect(), Qt::white);
    paintLines();
    paintHeaders();
    paintFooter();
    paintIndicator();
    paintFilterStrip();
}

template <typename F> void GridPainter::forColumns(int y, int height, F&& f)
{
    const auto& columns = m_view.layout().columns();
    for (Region region : {Region::Scroll, Region::Left, Region::Right}) {
        const QRect clip = m_view.regionRect(region);
        if (clip.width() <= 0)
            continue;
        const int origin = m_view.regionOrigin(region);
        m_p.save();
        m_p.setClipRect(QRect(clip.left(), y, clip.width(), height));
        for (std::size_t i = 0; i < columns.size(); ++i) {
            const ColumnGeometry& g = columns[i];
            if (g.region != region)
                continue;
            const QRect rect(origin + g.x, y, g.width, height);
            if (rect.right() < clip.left() || rect.left() > clip.right())
                continue;
            f(i, g, rect);
        }
        m_p.restore();
    }
}

void GridPainter::paintLines()
{
    const GridModel& model = m_view.model();
    const int first = m_view.firstVisibleLine();
    const int count = m_view.visibleLineCount();
    const int top = m_view.headerHeight();
    const int h = m_view.rowHeight();
    for (int i = 0; i < count && first + i < model.lineCount(); ++i) {
        const int line = first + i;
        const int y = top + i * h;
        switch (model.lineKind(line)) {
        case LineRef::Row: paintRow(line, y); break;
        case LineRef::GroupRow: paintGroupRow(line, y); break;
        case LineRef::GroupFooter: paintGroupFooter(line, y); break;
        }
    }
}

void GridPainter::paintIndent(int line, int y)
{
    const GridModel& model = m_view.model();
    const int levels = model.tree().levelCount();
    if (levels == 0)
        return;
    const int level = model.lineKind(line) == LineRef::Row ? levels : model.lineLevel(line) + (model.lineKind(line) == LineRef::GroupFooter ? 1 : 0);
    const int x0 = m_view.indicatorWidth();
    const QRect rect(x0, y, qMin(level, levels) * 16, m_view.rowHeight());
    m_p.fillRect(rect, m_groupRow.background);
}

void GridPainter::paintRow(int line, int y)
{
    const GridModel& model = m_view.model();
    const int row = model.lineSourceRow(line);
    const int h = m_view.rowHeight();
    paintIndent(line, y);
    const bool selected = m_view.isSourceRowSelected(row);
    const bool focusedRow = line == m_view.focusedLine();
    const Look& selection = m_view.hasFocusState() ? m_selected : m_inactiveSelected;
    const RowSource* source = m_view.source();
    forColumns(y, h, [&](std::size_t i, const ColumnGeometry& g, const QRect& rect) {
        const bool focusedCell = focusedRow && g.column == m_view.focusedColumn() && m_view.hasFocusState();
        const bool pending = source && g.column->fieldIndex() >= 0 && source->isPendingValue(row, g.column->fieldIndex());
        const Look& l = pending ? m_columnPending[i] : (selected && !focusedCell) ? selection : m_columnContent[i];
        m_p.fillRect(rect, l.background);
        if (g.column->isCheckBox())
            paintCheckBox(rect, g.column->isChecked(model.cellValue(row, g.column)));
        else
            paintCellText(rect, model.cellText(row, g.column), model.contentAlignment(g.column), l);
        m_p.setPen(m_gridLine);
        m_p.drawLine(rect.right(), rect.top(), rect.right(), rect.bottom());
        m_p.drawLine(rect.left(), rect.bottom(), rect.right(), rect.bottom());
        if (focusedCell) {
            m_p.setPen(QPen(selectionColor, 1));
            m_p.drawRect(rect.adjusted(0, 0, -1, -1));
        }
    });
}

void GridPainter::paintGroupRow(int line, int y)
{
    const GridModel& model = m_view.model();
    const int node = model.lineNode(line);
    const int level = model.lineLevel(line);
    const int h = m_view.rowHeight();
    paintIndent(line, y);
    const int x = m_view.indicatorWidth() + level * 16;
    const QRect rect(x, y, m_view.viewport()->width() - x, h);
    const bool focused = line == m_view.focusedLine();
    const Look& l = focused ? (m_view.hasFocusState() ? m_selected : m_inactiveSelected) : m_groupRow;
    m_p.fillRect(rect, l.background);
    m_p.setPen(m_gridLine);
    m_p.drawLine(rect.left(), rect.bottom(), rect.right(), rect.bottom());
    // Expander box.
    const QRect box(x + 3, y + (h - 9) / 2, 9, 9);
    m_p.fillRect(box, Qt::white);
    m_p.setPen(QColor(0x80, 0x80, 0x80));
    m_p.drawRect(box);
    m_p.setPen(Qt::black);
    m_p.drawLine(box.left() + 2, box.center().y(), box.right() - 2, box.center().y());
    if (!model.isExpanded(node))
        m_p.drawLine(box.center().x(), box.top() + 2, box.center().x(), box.bottom() - 2);
    Look bold = l;
    bold.font.setBold(true);
    paintCellText(QRect(x + 16, y, rect.width() - 16, h), model.groupText(node), Qt::AlignLeft | Qt::AlignVCenter, bold);
}

void GridPainter::paintGroupFooter(int line, int y)
{
    const GridModel& model = m_view.model();
    const int node = model.lineNode(line);
    const int h = m_view.rowHeight();
    paintIndent(line, y);
    forColumns(y, h, [&](std::size_t i, const ColumnGeometry& g, const QRect& rect) {
        const Look& l = m_columnFooter[i];
        m_p.fillRect(rect, l.background);
        const GridSummary* s = model.groupSummary(node, g.column);
        if (s)
            paintCellText(rect, model.groupFooterText(node, g.column), s->alignment, l);
        m_p.setPen(m_gridLine);
        m_p.drawLine(rect.left(), rect.bottom(), rect.right(), rect.bottom());
    });
}

void GridPainter::paintCellText(const QRect& rect, const QString& text, Qt::Alignment alignment, const Look& look)
{
    if (text.isEmpty())
        return;
    m_p.setFont(look.font);
    m_p.setPen(look.text);
    const QRect inner = rect.adjusted(3, 0, -3, 0);
    const QFontMetricsF metrics(look.font);
    qreal width = metrics.horizontalAdvance(text);
    QString shown = text;
    if (qRound(width) > inner.width()) {
        shown = QFontMetrics(look.font).elidedText(text, Qt::ElideRight, inner.width());
        width = metrics.horizontalAdvance(shown);
    }
    if (shown.contains(QLatin1Char('\n')) || shown.contains(QChar::LineSeparator)) {
        m_p.drawText(inner, int(alignment), shown);
        return;
    }
    // A single line goes where a text rectangle would put it, without a second layout of the text.
    qreal x = inner.x();
    if (alignment & Qt::AlignRight)
        x += inner.width() - width;
    else if (alignment & Qt::AlignHCenter)
        x += (inner.width() - width) / 2;
    const qreal height = metrics.ascent() + metrics.descent();
    qreal y = inner.y();
    if (alignment & Qt::AlignBottom)
        y += inner.height() - height;
    else if (alignment & Qt::AlignVCenter)
        y += (inner.height() - height) / 2;
    m_p.drawText(QPointF(x, y + metrics.ascent()), shown);
}

void GridPainter::paintCheckBox(const QRect& rect, bool checked)
{
    const QRect box(rect.center().x() - 6, rect.center().y() - 6, 13, 13);
    m_p.fillRect(box, Qt::white);
    m_p.setPen(QColor(0x70, 0x70, 0x70));
    m_p.drawRect(box);
    if (checked) {
        m_p.setPen(QPen(QColor(0x20, 0x20, 0x20), 2));
        QPainterPath tick;
        tick.moveTo(box.left() + 3, box.center().y());
        tick.lineTo(box.left() + 5, box.bottom() - 3);
        tick.lineTo(box.right() - 2, box.top() + 3);
        m_p.drawPath(tick);
    }
}

void GridPainter::paintHeaderCell(const QRect& rect, const QString& text, Qt::Alignment alignment, const Look& look)
{
    m_p.fillRect(rect, look.background);
    m_p.setPen(m_headerLine);
    m_p.drawLine(rect.right(), rect.top(), rect.right(), rect.bottom());
    m_p.drawLine(rect.left(), rect.bottom(), rect.right(), rect.bottom());
    m_p.setPen(Qt::white);
    m_p.drawLine(rect.left(), rect.top(), rect.right() - 1, rect.top());
    paintCellText(rect, text, alignment, look);
}

void GridPainter::paintHeaders()
{
    const GridModel& model = m_view.model();
    const bool banded = !m_view.bands().isEmpty();
    const int h = m_view.rowHeight();
    const int bandHeight = banded ? h + 2 : 0;
    const int columnHeight = h + 4;
    m_p.fillRect(QRect(0, 0, m_view.viewport()->width(), m_view.headerHeight()), m_header.background);
    if (banded) {
        const auto& bands = m_view.layout().bands();
        for (Region region : {Region::Scroll, Region::Left, Region::Right}) {
            const QRect clip = m_view.regionRect(region);
            m_p.save();
            m_p.setClipRect(QRect(clip.left(), 0, clip.width(), bandHeight));
            for (const BandGeometry& b : bands)
                if (b.region == region) {
                    const QRect rect(m_view.regionOrigin(region) + b.x, 0, b.width, bandHeight);
                    paintHeaderCell(rect, b.band->caption(), Qt::AlignCenter, look(b.band->headerStyle(), m_header));
                }
            m_p.restore();
        }
    }
    forColumns(bandHeight, columnHeight, [&](std::size_t, const ColumnGeometry& g, const QRect& rect) {
        const Look l = look(g.column->headerStyle(), m_header);
        QRect textRect = rect;
        const auto order = model.sortOrder(g.column);
        const bool filtered = !model.columnFilter(g.column).isEmpty();
        paintHeaderCell(rect, {}, {}, l);
        if (order || filtered)
            textRect.setRight(rect.right() - 12);
        paintCellText(textRect, g.column->headerText(), g.column->headerAlignment(), l);
        if (order) {
            const int cx = rect.right() - 7, cy = rect.center().y();
            QPolygon arrow;
            if (*order == Qt::AscendingOrder)
                arrow << QPoint(cx - 3, cy + 2) << QPoint(cx + 3, cy + 2) << QPoint(cx, cy - 2);
            else
                arrow << QPoint(cx - 3, cy - 2) << QPoint(cx + 3, cy - 2) << QPoint(cx, cy + 2);
            m_p.setPen(Qt::NoPen);
            m_p.setBrush(l.text);
            m_p.drawPolygon(arrow);
            m_p.setBrush(Qt::NoBrush);
        }
        if (filtered) {
            const QRect funnel(rect.right() - 11, rect.top() + 2, 8, 5);
            m_p.setPen(Qt::NoPen);
            m_p.setBrush(QColor(0x20, 0x50, 0xA0));
            m_p.drawPolygon(QPolygon({funnel.topLeft(), funnel.topRight(), QPoint(funnel.center().x(), funnel.bottom())}));
            m_p.setBrush(Qt::NoBrush);
        }
    });
    // Corner over the indicator and the group indent.
    if (m_view.dataLeft() > 0)
        paintHeaderCell(QRect(0, 0, m_view.dataLeft(), m_view.headerHeight()), {}, {}, m_header);
    // Edges of the fixed regions.
    m_p.setPen(QColor(0x60, 0x60, 0x60));
    const int bottom = m_view.viewport()->height() - m_view.footerHeight();
    if (m_view.layout().regionWidth(Region::Left) > 0) {
        const int x = m_view.regionRect(Region::Left).right();
        m_p.drawLine(x, 0, x, bottom);
    }
    if (m_view.layout().regionWidth(Region::Right) > 0) {
        const int x = m_view.regionRect(Region::Right).left();
        m_p.drawLine(x, 0, x, bottom);
    }
}

void GridPainter::paintFooter()
{
    if (!m_view.isFooterVisible())
        return;
    const GridModel& model = m_view.model();
    const QRect strip = m_view.filterStripRect();
    const int h = m_view.footerHeight();
    const int y = m_view.viewport()->height() - strip.height() - h;
    m_p.fillRect(QRect(0, y, m_view.viewport()->width(), h), m_footer.background);
    m_p.setPen(m_headerLine);
    m_p.drawLine(0, y, m_view.viewport()->width(), y);
    forColumns(y, h, [&](std::size_t i, const ColumnGeometry& g, const QRect& rect) {
        const Look& l = m_columnFooter[i];
        m_p.fillRect(rect.adjusted(0, 1, 0, 0), l.background);
        const GridSummary* s = model.footerSummary(g.column);
        if (!s)
            return;
        const QRect box = rect.adjusted(1, 2, -1, -2);
        m_p.setPen(QColor(0xA0, 0xA0, 0xA0));
        m_p.drawRect(box.adjusted(0, 0, -1, -1));
        paintCellText(box, model.footerText(g.column), s->alignment, l);
    });
}

void GridPainter::paintIndicator()
{
    if (m_view.indicatorWidth() == 0)
        return;
    const int w = m_view.indicatorWidth();
    const int top = m_view.headerHeight();
    const int h = m_view.rowHeight();
    const int bottom = m_view.viewport()->height() - m_view.footerHeight() - m_view.filterStripRect().height();
    m_p.fillRect(QRect(0, top, w, bottom - top), m_header.background);
    m_p.setPen(m_headerLine);
    m_p.drawLine(w - 1, top, w - 1, bottom);
    const int first = m_view.firstVisibleLine();
    for (int i = 0; i < m_view.visibleLineCount() && first + i < m_view.model().lineCount(); ++i) {
        const int y = top + i * h;
        m_p.setPen(m_headerLine);
        m_p.drawLine(0, y + h - 1, w - 1, y + h - 1);
        if (first + i != m_view.focusedLine())
            continue;
        m_p.setPen(Qt::NoPen);
        m_p.setBrush(Qt::black);
        const int cy = y + h / 2;
        if (m_view.isEditing() || (m_view.source() && m_view.source()->isEditing()))
            m_p.drawRect(QRect(3, cy - 4, 4, 8)); // the row holds an edit
        else
            m_p.drawPolygon(QPolygon({QPoint(3, cy - 4), QPoint(3, cy + 4), QPoint(8, cy)}));
        m_p.setBrush(Qt::NoBrush);
    }
}

void GridPainter::paintFilterStrip()
{
    const QRect strip = m_view.filterStripRect();
    if (strip.isEmpty())
        return;
    m_p.fillRect(strip, QColor(0xFF, 0xFF, 0xE1));
    m_p.setPen(m_headerLine);
    m_p.drawLine(strip.topLeft(), strip.topRight());
    const QRect clear = m_view.filterClearRect();
    m_p.setPen(QPen(QColor(0xB0, 0x20, 0x20), 2));
    m_p.drawLine(clear.adjusted(3, 3, -3, -3).topLeft(), clear.adjusted(3, 3, -3, -3).bottomRight());
    m_p.drawLine(clear.adjusted(3, 3, -3, -3).topRight(), clear.adjusted(3, 3, -3, -3).bottomLeft());
    paintCellText(QRect(clear.right() + 4, strip.top(), strip.width() - clear.width() - 8, strip.height()),
                  m_view.model().filterDescription(), Qt::AlignLeft | Qt::AlignVCenter, {Qt::transparent, Qt::black, m_content.font});
}

} // namespace custos::grid
