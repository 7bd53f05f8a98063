#pragma once
// The tab "Mercadorias Revenda": the title band Panel49, the day block over DTS_ResumoRevenda
// (rows DBCtrlGrid2, whose group names DBText21 open the resale result) and, framed below it
// and titled "Acumulado no Período", the period block over DTS_ResumoRevendaAcumulado (rows
// DBCtrlGrid8), always shown.

#include <QWidget>

namespace custos::ui {
class RecordPanel;
}

namespace custos::dayproc {

class SourceBindings;

class TabRevenda : public QWidget
{
    Q_OBJECT
public:
    TabRevenda(SourceBindings& bindings, QWidget* parent = nullptr);

    ui::RecordPanel* DBCtrlGrid8() const { return m_DBCtrlGrid8; }
    QWidget* periodBlock() const { return m_periodBlock; }

Q_SIGNALS:
    void groupClicked(); // DBText21, on the row made current

private:
    ui::RecordPanel* m_DBCtrlGrid2;
    ui::RecordPanel* m_DBCtrlGrid8;
    QWidget* m_periodBlock;
};

} // namespace custos::dayproc
