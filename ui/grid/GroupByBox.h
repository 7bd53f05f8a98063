#pragma once
// The group-by box above a view's headers: one button per grouping level. A column header
// dropped on it groups by that column at the drop place; a button dragged back onto the headers
// ungroups; a click on a button reverses that level's order.

#include <QWidget>

namespace custos::grid {

class GridColumn;
class GridView;

class GroupByBox : public QWidget
{
    Q_OBJECT
public:
    explicit GroupByBox(GridView* view);

    static QString hintText();
    // The grouping level a drop at pos (box coordinates) inserts at.
    int levelAt(const QPoint& pos) const;
    QRect buttonRect(int level) const;
    // Groups by column at the level a drop at pos (box coordinates) gives.
    void dropColumn(GridColumn* column, const QPoint& pos);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int buttonAt(const QPoint& pos) const;

    GridView* m_view;
    int m_pressLevel = -1;
    QPoint m_pressPos;
    bool m_dragging = false;
};

} // namespace custos::grid
