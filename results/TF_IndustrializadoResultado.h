#pragma once
// The industrialized result window F_IndustrializadoResultado, "Resultado da Produção": for the
// family result the main window positioned in CDS_Resultado, what the production consumed
// (tabs "Matéria-Prima", "Outros Insumos"), what it yielded and cost ("Custo Produtos"),
// condemnations, the projected result and production still in process, one production process
// at a time (up to ten process tabs over Q_ProcessosProducaoFamilia), under the family's name
// and a summary strip. The analyst reprices a product whose revenue criterion is "M" and raw
// material not costed by weighted average ("CMP"), has the server rewrite the weighted-average
// prices ("Obter CMP"), restores the generation's prices and opens a product's detail.
//
// The window works on the data module's production datasets; it adds the market list Q_Mercado
// and the statements of its own (process type, CMP date, the CMP check and update). On close
// it refreshes CDS_Resultado so that the main window shows the new figures.

#include "ExportToWorkbook.h"
#include "ResultWindow.h"

#include <QDate>
#include <QList>

class QTabBar;
class QTabWidget;

namespace custos::data {
class ClientDataSet;
class Query;
class TDataModule_Custo;
}

namespace custos::grid {
class GridView;
}

namespace custos::ui {
class DBLabel;
}

namespace custos::results {

class PriceLock;
class SummaryStrip;

class TF_IndustrializadoResultado : public ResultWindow
{
    Q_OBJECT
public:
    static constexpr int kMaxProcessTabs = 10;

    TF_IndustrializadoResultado(data::TDataModule_Custo& module, const QDate& day, QWidget* parent = nullptr);
    ~TF_IndustrializadoResultado() override;

    void FormShow() override;                       // A
    void Atualizar() override;                      // B
    void selectProcessTab(int index);               // C
    void RestaurarPrecoMedioOriginal() override;    // D
    void ObterCMP();                                // E
    void DetalhesResultado();                       // F
    void PrecoMedioOriginal(bool checked) override; // G
    using ResultWindow::RecalcularAutomaticamente;

    // The grids "Exportar" > "Excel" writes, one sheet each in this order.
    std::vector<ExportedGrid> exportedGrids() const;

    const QDate& day() const { return m_day; }
    // The process remembered with each shown process tab, in tab order.
    QList<double> processTabIds() const;

private:
    void buildProcessTabs();
    void buildMateriaPrima(QWidget* page);
    void buildInsumos(QWidget* page, const QString& objectName, const QString& source, const char* firstGroup,
                      const char* secondGroup);
    void buildCustoProdutos(QWidget* page);
    void buildCondenacoes(QWidget* page);
    void buildResultadoProjetado(QWidget* page);
    void configureProductView(grid::GridView* view, bool processVisible);
    void reopen(data::ClientDataSet& dataSet, double unit, const QDate& day);
    void showProjectedResult();
    void groupByProductGroup();
    void showCmpDate();
    void applyPriceLocks(const QString& criterion);
    double resultField(const char* field) const;
    QString familyName() const;

    QDate m_day;

    data::ClientDataSet& m_resultado;
    data::ClientDataSet& m_materiaPrima;
    data::ClientDataSet& m_insumos;
    data::ClientDataSet& m_elaboracao;
    data::ClientDataSet& m_resultadoDT;
    data::ClientDataSet& m_condenacoes;
    data::Query& m_processos;

    ui::DBLabel* m_familia;
    QTabBar* m_processTabs;
    SummaryStrip* m_summary;
    QTabWidget* m_PageControl;
    QWidget* m_TabSheet_MateriaPrima;
    QWidget* m_TabSheet_Insumos;
    QWidget* m_TabSheet_CustoProdutos;
    QWidget* m_TabSheet_Condenacoes;
    QWidget* m_TabSheet_ResultadoProjetado;
    QWidget* m_TabSheet_ProducaoElaboracao;
    grid::GridView* m_gridMateriaPrima;
    grid::GridView* m_gridInsumos;
    grid::GridView* m_gridCustoProdutos;
    grid::GridView* m_gridCondenacoes;
    grid::GridView* m_gridResultadoProjetado;
    grid::GridView* m_gridProducaoElaboracao;
    PriceLock* m_lockMateriaPrima;
    PriceLock* m_lockCustoProdutos;
    PriceLock* m_lockResultadoProjetado;
};

} // namespace custos::results
