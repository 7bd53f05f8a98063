#pragma once
// The price capture undo window F_HistoricoCapturaPreco, "Desfazer Captura de Preço": the
// undoable captures of the day (CDS_HistoricoCusto) with a mark column that keeps at most one
// row marked, "C&onfirmar" (tool bar and pop-up menu) that undoes the marked capture, and
// "&Cancelar". A failing restore is reported and the window stays open.

#include "TCF_Single_Form7.h"

#include <functional>

namespace custos::data {
class ClientDataSet;
class DataSource;
}

namespace custos::grid {
class DataSourceRows;
class GridView;
}

namespace custos::dayproc {

class TF_HistoricoCapturaPreco : public ui::TCF_Single_Form7
{
    Q_OBJECT
public:
    // undo restores the capture of the marked row (its unit, generated day and moment).
    using Undo = std::function<void(double unit, const QDate& generatedDay, const QDateTime& captureMoment)>;

    TF_HistoricoCapturaPreco(data::DataSource& historico, Undo undo, QWidget* parent = nullptr);
    ~TF_HistoricoCapturaPreco() override;

    void FormShow();
    void cxGridHistoricoDBTVColumn1PropertiesChange();
    void SpeedButton1Click();

    // A capture was undone (the window then closed).
    bool undone() const { return m_undone; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    data::ClientDataSet& historico() const;

    data::DataSource& m_source;
    Undo m_undo;
    std::unique_ptr<grid::DataSourceRows> m_rows;
    grid::GridView* m_cxGridHistorico;
    bool selecionado = false;
    int indiceSelecionado = 1;
    bool m_undone = false;
};

} // namespace custos::dayproc
