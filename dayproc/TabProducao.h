#pragma once
// The tab "Produção": the title band Panel5 and, in Panel_Principal, the day block Panel1 (the
// warning MSG_ADVERTENCIA, the process-type combo cbTipoProcesso, the column headers, the rows
// DBCtrlGrid1 over DTS_Resultado in the area Panel347, whose family names DBText30 open the
// production result, and the totals) above the period block Panel339 (the frame Shape1 titled
// "Acumulado no Período" around DBCtrlGrid7 over DTS_ResultadoAcumulado and its totals).
//
// The left margins of both blocks and the rows of DBCtrlGrid1 are the main window's to set.

#include <QWidget>
#include <memory>

class QComboBox;
class QLabel;
class QSpacerItem;

namespace custos::ui {
class DBLabel;
class RecordPanel;
}

namespace custos::dayproc {

class SourceBindings;
struct ResultBlock;

class TabProducao : public QWidget
{
    Q_OBJECT
public:
    TabProducao(SourceBindings& bindings, QWidget* parent = nullptr);
    ~TabProducao() override;

    QLabel* Panel5() const { return m_Panel5; }
    QWidget* Panel_Principal() const { return m_Panel_Principal; }
    QWidget* Panel1() const { return m_Panel1; }
    QWidget* Panel339() const { return m_Panel339; }
    QWidget* Shape1() const { return m_Shape1; }
    QWidget* Panel347() const;
    ui::RecordPanel* DBCtrlGrid1() const;
    QComboBox* cbTipoProcesso() const { return m_cbTipoProcesso; }

    void setLeftMargins(int dayBlock, int periodBlock);
    int dayBlockMargin() const;
    int periodBlockMargin() const;
    void setDayRows(int rows);

Q_SIGNALS:
    void familyClicked(); // DBText30, on the row made current

private:
    QLabel* m_Panel5;
    QWidget* m_Panel_Principal;
    QWidget* m_Panel1;
    QWidget* m_Panel339;
    QWidget* m_Shape1;
    std::unique_ptr<ResultBlock> m_day;
    ui::RecordPanel* m_DBCtrlGrid7;
    QComboBox* m_cbTipoProcesso;
    ui::DBLabel* m_warning;
    QSpacerItem* m_dayMargin;
    QSpacerItem* m_periodMargin;
};

} // namespace custos::dayproc
