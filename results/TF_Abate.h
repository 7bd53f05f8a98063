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

#include <QDate>
#include <QDialog>
#include <QList>
#include <functional>
#include <memory>

class QAction;
class QTabWidget;

namespace custos::data {
class ClientDataSet;
class DataSource;
class Query;
class TDataModule_Custo;
}

namespace custos::grid {
class DataSourceRows;
class GridView;
}

namespace custos::results {

class PriceLock;
class ResultMenuBar;
class SummaryStrip;

class TF_Abate : public QDialog
{
    Q_OBJECT
public:
    TF_Abate(data::TDataModule_Custo& module, const QDate& day, QWidget* parent = nullptr);
    ~TF_Abate() override;


    // Shows the window modally (cattle and pigs behave the same).
    int showBovinos();
    int showSuinos();

    void FormShow();                            // A
    void Atualizar();                           // B
    void RestaurarPrecoMedioOriginal();         // C
    void DetalhesAproveitamento();              // D
    void PrecoMedioOriginal(bool checked);      // E
    void RecalcularAutomaticamente(bool checked); // F

    // The product detail window's opener (by default, F_AbateAproveitamentoDetalhe modally).
    using DetailOpener = std::function<void(TF_Abate& window)>;
    void setDetailOpener(DetailOpener opener) { m_detailOpener = std::move(opener); }

    // The grids "Exportar" > "Excel" writes, one sheet each in this order.
    std::vector<ExportedGrid> exportedGrids() const;

    data::TDataModule_Custo& module() const { return m_module; }
    const QDate& day() const { return m_day; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildCompra(QWidget* page);
    void buildCustoProdutos(QWidget* page);
    void buildCondenacoes(QWidget* page);
    void buildResultadoProjetado(QWidget* page);
    void configureProductView(grid::GridView* view);
    void applyPriceLocks(const QString& criterion);
    void applyOffalCriterion();
    void showRestorationBand();
    void activateAproveitamentos();
    double unit() const;

    data::TDataModule_Custo& m_module;
    QDate m_day;
    bool m_shown = false;
    DetailOpener m_detailOpener;

    data::ClientDataSet& m_compra;
    data::ClientDataSet& m_produtos;
    data::ClientDataSet& m_condenacoes;
    data::Query* m_Q_Mercado;
    data::DataSource* m_DTS_Mercado;

    ResultMenuBar* m_menu;
    QAction* m_PrecoMedioOriginal;
    QAction* m_RecalcularAutomaticamente;
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
