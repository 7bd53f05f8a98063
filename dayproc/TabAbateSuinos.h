#pragma once
// The tab "Abate Suínos": the title band Panel153, the link "Mais detalhes..." Label44, the
// caption column, the "TOTAL" column over DTS_Abate, the day repeating panel DBCtrlGrid3 (up to
// six columns of 106 pixels) and, 469 pixels from the tab's left edge over the right part of
// the day panel, the grey accumulated block Panel_AbateAcumulado: its 9-pixel strip
// Panel_Split, the repeating panel DBCtrlGrid4 over DTS_AbateAcumulado and "ACUMULADO".

#include <QWidget>

namespace custos::ui {
class RecordPanel;
}

namespace custos::dayproc {

class ClickLabel;
class SourceBindings;

class TabAbateSuinos : public QWidget
{
    Q_OBJECT
public:
    TabAbateSuinos(SourceBindings& bindings, QWidget* parent = nullptr);

    static constexpr int accumulatedLeft = 469;

    ClickLabel* Label44() const { return m_Label44; }
    QWidget* Panel_AbateAcumulado() const { return m_Panel_AbateAcumulado; }

private:
    ClickLabel* m_Label44;
    ui::RecordPanel* m_DBCtrlGrid3;
    ui::RecordPanel* m_DBCtrlGrid4;
    QWidget* m_Panel_AbateAcumulado;
};

} // namespace custos::dayproc
