#pragma once
// A panel of a detail window below its product sheet: a bold title in the window's colour, room
// for a line of its own (the price period), the link "Topo" and a read-only grid (row indicator,
// no group-by box, footer shown).

#include <QColor>
#include <QFrame>

class QHBoxLayout;
class QLabel;

namespace custos::grid {
class GridView;
}

namespace custos::results {

class DetailPanel : public QFrame
{
    Q_OBJECT
public:
    DetailPanel(const QString& objectName, const QString& title, const QColor& titleColour, QWidget* parent = nullptr);

    grid::GridView* grid() const { return m_grid; }
    QLabel* topLink() const { return m_top; }
    // The line beside the title, for the panel's own labels.
    QHBoxLayout* titleLine() const { return m_titleLine; }

private:
    grid::GridView* m_grid;
    QLabel* m_top;
    QHBoxLayout* m_titleLine;
};

} // namespace custos::results
