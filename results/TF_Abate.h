#pragma once
// The slaughter result window F_Abate, "Resultado Abate": for the unit and day of the main
// window, the purchase cost of the animals slaughtered (tab "Custo da Compra") and the products
// obtained from them (tab "Aproveitamentos", "Produtos" unless the by-products are credited to
// the slaughter) with their costs ("Custo Produtos"), condemned offal ("Condenações", shown when
// the unit analyses condemnations) and projected result ("Resultado Projetado"), under a summary
// strip. The analyst edits the average sale price of a product whose revenue criterion is "M",
// restores the prices the generation computed, and opens a product's detail.
//
// The window works on the data module's datasets as the main window left them (slaughter
// record CDS_Abate, parameters CDS_Parametros, currencies DTS_Moeda) and adds the market list
// Q_Mercado of its own. It keeps no state beyond the "Preço Médio Original" check and the
// restoration band's visibility.

#include "ExportToWorkbook.h"
#include "ResultWindow.h"

#include <QDate>

class QTabWidget;

namespace custos::data {
class ClientDataSet;
class TDataModule_Custo;
}

namespace custos::grid {
class DataSourceRows;
class GridView;
}

namespace custos::results {

class PriceLock;
class SummaryStrip;

class TF_Abate : public ResultWindow
{
    Q_OBJECT
public:
    TF_Abate(data::TDataModule_Custo& module, const QDate& day, QWidget* parent = nullptr);
    ~TF_Abate() override;

    // Shows the window modally (cattle and pigs behave the same).
    int showBovinos();
    int showSuinos();

    void FormShow() override;                       // A
    void Atualizar() override;                      // B
    void RestaurarPrecoMedioOriginal() override;    // C
    void DetalhesAproveitamento();                  // D
    void PrecoMedioOriginal(bool checked) override; // E
    using ResultWindow::RecalcularAutomaticamente;  // F

    // The grids "Exportar" > "Excel" writes, one sheet each in this order.
    std::vector<ExportedGrid> exportedGrids() const;

    const QDate& day() const { return m_day; }

private:
    void buildCompra(QWidget* page);
    void buildCustoProdutos(QWidget* page);
    void buildCondenacoes(QWidget* page);
    void buildResultadoProjetado(QWidget* page);
    void configureProductView(grid::GridView* view);
    void applyPriceLocks(const QString& criterion);
    void applyOffalCriterion();
    void activateAproveitamentos();
    double unit() const;

    QDate m_day;

    data::ClientDataSet& m_compra;
    data::ClientDataSet& m_produtos;
    data::ClientDataSet& m_condenacoes;

    QTabWidget* m_PageControl;
    QWidget* m_TabSheet_Compra;
    QWidget* m_TabSheet_Aproveitamento;
    QTabWidget* m_PageControlProdutos;
    QWidget* m_TabSheet_CustoProdutos;
    QWidget* m_TabSheet_Condenacoes;
    QWidget* m_TabSheet_ResultadoProjetado;
    SummaryStrip* m_summary;
    grid::GridView* m_gridCompra;
    grid::GridView* m_gridCustoProdutos;
    grid::GridView* m_gridCondenacoes;
    grid::GridView* m_gridResultadoProjetado;
    PriceLock* m_lockCustoProdutos;
    PriceLock* m_lockResultadoProjetado;
};

} // namespace custos::results
