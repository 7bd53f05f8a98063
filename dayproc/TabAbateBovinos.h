#pragma once
// The tab "Abate Bovinos": the title band Panel241, the upper part Panel149 with the caption
// column Panel165 (and the link "Mais detalhes..." Label38), the day block Panel337 (one column
// per species in DBCtrlGrid5 over DTS_Abate, then "TOTAL") and the accumulated block Panel209
// (DBCtrlGrid6 over DTS_AbateAcumulado, then "ACUMULADO"), and under them the by-product block
// Panel306 holding the one-line block Panel230 and the detailed block Panel232.
//
// The widths of the upper part are the main window's to set (AjustaLayout): placeBlocks puts
// the three blocks side by side and the repeating panels before their totals columns.

#include <QWidget>

class QLabel;

namespace custos::ui {
class RecordPanel;
}

namespace custos::dayproc {

class ClickLabel;
class SourceBindings;

class TabAbateBovinos : public QWidget
{
    Q_OBJECT
public:
    TabAbateBovinos(SourceBindings& bindings, QWidget* parent = nullptr);

    static constexpr int captionWidth = 111;
    static constexpr int dayTotalsWidth = 124;
    static constexpr int accumulatedTotalsWidth = 118;

    QLabel* Panel241() const { return m_Panel241; }
    QWidget* Panel149() const { return m_Panel149; }
    QWidget* Panel165() const { return m_Panel165; }
    QWidget* Panel337() const { return m_Panel337; }
    QWidget* Panel209() const { return m_Panel209; }
    ui::RecordPanel* DBCtrlGrid5() const { return m_DBCtrlGrid5; }
    ui::RecordPanel* DBCtrlGrid6() const { return m_DBCtrlGrid6; }
    QWidget* Panel306() const { return m_Panel306; }
    QWidget* Panel230() const { return m_Panel230; }
    QWidget* Panel232() const { return m_Panel232; }
    ClickLabel* Label38() const { return m_Label38; }

    // Rule R3: the line "Aproveitamento(-)" in all its cells.
    void setAproveitamentoVisible(bool visible);

    // Places the caption column, the day block (dayWidth) and the accumulated block
    // (accumulatedWidth) side by side, and in each block its repeating panel (gridWidth) before
    // its totals column.
    void placeBlocks(int dayWidth, int accumulatedWidth);
    void placeGrids(int dayGridWidth, int accumulatedGridWidth);

private:
    QLabel* m_Panel241;
    QWidget* m_Panel149;
    QWidget* m_Panel165;
    QWidget* m_Panel337;
    QWidget* m_Panel209;
    ui::RecordPanel* m_DBCtrlGrid5;
    ui::RecordPanel* m_DBCtrlGrid6;
    QWidget* m_dayTotals;
    QWidget* m_accumulatedTotals;
    QWidget* m_Panel306;
    QWidget* m_Panel230;
    QWidget* m_Panel232;
    ClickLabel* m_Label38;
};

} // namespace custos::dayproc
