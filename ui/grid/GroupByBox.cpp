#include "GroupByBox.h"

#include "GridColumn.h"
#include "GridView.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>

namespace custos::grid {

GroupByBox::GroupByBox(GridView* view) : QWidget(view), m_view(view)
{
    setObjectName(QStringLiteral("GroupByBox"));
    setAutoFillBackground(false);
}

QString GroupByBox::hintText()
{
    return QStringLiteral("Arraste o cabeçalho de uma coluna aqui para agrupar por essa coluna");
}

QSize GroupByBox::sizeHint() const
{
    return {200, m_view->rowHeight() + 14};
}

QRect GroupByBox::buttonRect(int level) const
{
    const QFontMetrics fm(font());
    int x = 6;
    const auto& grouping = m_view->model().grouping();
    for (int i = 0; i < grouping.size(); ++i) {
        const int w = fm.horizontalAdvance(grouping[i].column->headerText()) + 26;
        const QRect r(x, 5, w, height() - 10);
        if (i == level)
            return r;
        x += w + 10;
    }
    return {x, 5, 0, height() - 10};
}

int GroupByBox::buttonAt(const QPoint& pos) const
{
    for (int i = 0; i < m_view->model().grouping().size(); ++i)
        if (buttonRect(i).contains(pos))
            return i;
    return -1;
}

int GroupByBox::levelAt(const QPoint& pos) const
{
    const int n = int(m_view->model().grouping().size());
    for (int i = 0; i < n; ++i)
        if (pos.x() < buttonRect(i).center().x())
            return i;
    return n;
}

void GroupByBox::dropColumn(GridColumn* column, const QPoint& pos)
{
    m_view->model().groupBy(column, levelAt(pos));
}

void GroupByBox::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), QColor(0x80, 0x80, 0x80));
    const auto& grouping = m_view->model().grouping();
    if (grouping.isEmpty()) {
        p.setPen(QColor(0xE8, 0xE8, 0xE8));
        p.drawText(rect().adjusted(8, 0, -8, 0), Qt::AlignLeft | Qt::AlignVCenter, hintText());
        return;
    }
    for (int i = 0; i < grouping.size(); ++i) {
        const QRect r = buttonRect(i);
        if (i > 0) {
            p.setPen(QColor(0x20, 0x20, 0x20));
            const int y = r.center().y();
            p.drawLine(r.left() - 9, y, r.left() - 1, y);
        }
        p.fillRect(r, QColor(0xE6, 0xE6, 0xE6));
        p.setPen(QColor(0x40, 0x40, 0x40));
        p.drawRect(r.adjusted(0, 0, -1, -1));
        p.setPen(Qt::black);
        p.drawText(r.adjusted(6, 0, -18, 0), Qt::AlignLeft | Qt::AlignVCenter, grouping[i].column->headerText());
        const int cx = r.right() - 9, cy = r.center().y();
        QPolygon arrow;
        if (grouping[i].order == Qt::AscendingOrder)
            arrow << QPoint(cx - 3, cy + 2) << QPoint(cx + 3, cy + 2) << QPoint(cx, cy - 2);
        else
            arrow << QPoint(cx - 3, cy - 2) << QPoint(cx + 3, cy - 2) << QPoint(cx, cy + 2);
        p.setBrush(Qt::black);
        p.drawPolygon(arrow);
        p.setBrush(Qt::NoBrush);
    }
}

void GroupByBox::mousePressEvent(QMouseEvent* event)
{
    m_pressLevel = event->button() == Qt::LeftButton ? buttonAt(event->position().toPoint()) : -1;
    m_pressPos = event->position().toPoint();
    m_dragging = false;
}

void GroupByBox::mouseMoveEvent(QMouseEvent* event)
{
    if (m_pressLevel >= 0 && (event->position().toPoint() - m_pressPos).manhattanLength() >= QApplication::startDragDistance())
        m_dragging = true;
}

void GroupByBox::mouseReleaseEvent(QMouseEvent* event)
{
    const int level = m_pressLevel;
    m_pressLevel = -1;
    if (level < 0 || level >= m_view->model().grouping().size())
        return;
    const GridModel::GroupSpec spec = m_view->model().grouping()[level];
    const QPoint pos = event->position().toPoint();
    if (!m_dragging) {
        // A click reverses the level's order.
        QList<GridModel::GroupSpec> grouping = m_view->model().grouping();
        grouping[level].order = spec.order == Qt::AscendingOrder ? Qt::DescendingOrder : Qt::AscendingOrder;
        m_view->model().setGrouping(grouping);
    } else if (rect().contains(pos)) {
        m_view->model().groupBy(spec.column, levelAt(pos) > level ? levelAt(pos) - 1 : levelAt(pos));
    } else {
        const QPoint inViewport = m_view->viewport()->mapFrom(this, pos);
        if (inViewport.y() >= 0 && inViewport.y() < m_view->viewport()->height())
            m_view->dropColumnOnHeader(spec.column, inViewport);
    }
    m_dragging = false;
    update();
}

} // namespace custos::grid
