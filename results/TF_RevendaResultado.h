#pragma once
// The resale result window F_RevendaResultado, "Resultados da Revenda": for the resale group
// positioned in the data module's CDS_ResumoRevenda, what each product cost to acquire
// (merchandise, freight, the taxes paid and the credits recovered), what was added to it
// (labour, indirect costs, packaging), the taxes and expenses of the sale, the revenue at the
// average sale price and the result, under the group's name and a header strip of totals.
//
// Every row's price is editable: resale has no criterion lock, and only the day's closing
// makes CDS_ResultadoRevenda read-only (an operator may edit). Posting a price saves it through
// the data module; the analyst restores the prices the generation computed and opens a
// product's detail. Closing the window refreshes CDS_ResumoRevenda so that the main window
// shows the new figures.

#include "ResultWindow.h"

namespace custos::data {
class ClientDataSet;
class TDataModule_Custo;
}

namespace custos::grid {
class GridView;
}

namespace custos::ui {
class DBLabel;
}

namespace custos::results {

class SummaryStrip;

class TF_RevendaResultado : public ResultWindow
{
    Q_OBJECT
public:
    explicit TF_RevendaResultado(data::TDataModule_Custo& module, QWidget* parent = nullptr);
    ~TF_RevendaResultado() override;

    void FormShow() override;                       // A
    void Atualizar() override;                      // B
    void RestaurarPrecoMedioOriginal() override;    // C
    void DetalhesResultado();                       // D
    void PrecoMedioOriginal(bool checked) override; // E

private:
    void buildGrid(QWidget* page);
    // The detail of the product on the grid's focused row.
    void openDetail();
    void exportPriceTable();

    data::ClientDataSet& m_resumo;
    data::ClientDataSet& m_resultado;

    ui::DBLabel* m_grupo;
    SummaryStrip* m_summary;
    grid::GridView* m_grid;
};

} // namespace custos::results
