#include "TF_Abate.h"

#include "ClientDataSet.h"
#include "DataModule_Custo.h"
#include "ExportToWorkbook.h"
#include "GridColumn.h"
#include "GridView.h"
#include "PriceLock.h"
#include "Provider.h"
#include "Query.h"
#include "ResultMenuBar.h"
#include "SummaryStrip.h"
#include "TF_AbateAproveitamentoDetalhe.h"

#include <QTabWidget>
#include <QVBoxLayout>

namespace custos::results {

namespace {

session::Params& queryParams(data::ClientDataSet& dataSet)
{
    return dataSet.provider()->query()->params();
}

} // namespace

TF_Abate::TF_Abate(data::TDataModule_Custo& module, const QDate& day, QWidget* parent)
    : ResultWindow(module, QStringLiteral("F_Abate"), QStringLiteral("Resultado Abate"), nullptr, parent),
      m_day(day),
      m_compra(module.clientDataSet(QStringLiteral("CDS_Compra"))),
      m_produtos(module.clientDataSet(QStringLiteral("CDS_AbateProduto"))),
      m_condenacoes(module.clientDataSet(QStringLiteral("CDS_CondenacaoMiudos")))
{
    addRestorationCommand();
    m_menu->addCommand(QStringLiteral("Exibir"), QStringLiteral("Detalhes do Aproveitamento..."),
                       QStringLiteral("DetalhesAproveitamento"), [this] { DetalhesAproveitamento(); });
    addPriceViewItems();
    addRecalculationItems();
    m_menu->addExportMenu();
    m_menu->setExcelExport([this] { exportToWorkbook(this, QStringLiteral("Resultado do Abate"), exportedGrids()); });
    addRefreshButton();

    m_PageControl = newPageControl(QStringLiteral("PageControl1"), this);
    m_layout->addWidget(m_PageControl);
    m_TabSheet_Compra = newPage(QStringLiteral("TabSheet_Compra"));
    m_TabSheet_Aproveitamento = newPage(QStringLiteral("TabSheet_Aproveitamento"));
    m_PageControl->addTab(m_TabSheet_Compra, QStringLiteral("Custo da Compra"));
    m_PageControl->addTab(m_TabSheet_Aproveitamento, QStringLiteral("Aproveitamentos"));
    buildCompra(m_TabSheet_Compra);

    auto* aproveitamento = new QVBoxLayout(m_TabSheet_Aproveitamento);
    aproveitamento->setContentsMargins(0, 0, 0, 0);
    m_summary = new SummaryStrip(&module.dataSource(QStringLiteral("DTS_AbateProduto")),
                                 &module.dataSource(QStringLiteral("DTS_Moeda")),
                                 {{QStringLiteral("Receita"), QStringLiteral("TOTAL_RECEITA"), QStringLiteral("TOTAL_RECEITA_KG")},
                                  {QStringLiteral("Matéria-Prima"), QStringLiteral("TOTAL_MP"), QStringLiteral("TOTAL_MP_KG"), true},
                                  {QStringLiteral("M.O."), QStringLiteral("TOTAL_MOD"), QStringLiteral("TOTAL_MOD_KG"), true},
                                  {QStringLiteral("C.I."), QStringLiteral("TOTAL_CIF"), QStringLiteral("TOTAL_CIF_KG"), true},
                                  {QStringLiteral("Embalagem"), QStringLiteral("TOTAL_EMBALAGEM"),
                                   QStringLiteral("TOTAL_EMBALAGEM_KG"), true},
                                  {QStringLiteral("TOTAL"), QStringLiteral("TOTAL_CUSTO"), QStringLiteral("TOTAL_CUSTO_KG"), true},
                                  {QStringLiteral("Impostos"), QStringLiteral("TOTAL_IMPOSTOS"), QStringLiteral("TOTAL_IMPOSTOS_KG")},
                                  {QStringLiteral("Despesas"), QStringLiteral("TOTAL_DESPESAS"), QStringLiteral("TOTAL_DESPESAS_KG")},
                                  {QStringLiteral("Resultado"), QStringLiteral("RESULTADO_GERAL"),
                                   QStringLiteral("RESULTADO_GERAL_KG")}},
                                 QStringLiteral("RESULTADO_GERAL_PERC"), m_TabSheet_Aproveitamento);
    aproveitamento->addWidget(m_summary);
    m_PageControlProdutos = newPageControl(QStringLiteral("PageControl2"), m_TabSheet_Aproveitamento);
    aproveitamento->addWidget(m_PageControlProdutos, 1);
    m_TabSheet_CustoProdutos = newPage(QStringLiteral("TabSheet_CustoProdutos"));
    m_TabSheet_Condenacoes = newPage(QStringLiteral("TabSheet_Condenacoes"));
    m_TabSheet_ResultadoProjetado = newPage(QStringLiteral("TabSheet_ResultadoProjetado"));
    m_PageControlProdutos->addTab(m_TabSheet_CustoProdutos, QStringLiteral("Custo Produtos"));
    m_PageControlProdutos->addTab(m_TabSheet_Condenacoes, QStringLiteral("Condenações"));
    m_PageControlProdutos->addTab(m_TabSheet_ResultadoProjetado, QStringLiteral("Resultado Projetado"));
    buildCustoProdutos(m_TabSheet_CustoProdutos);
    buildCondenacoes(m_TabSheet_Condenacoes);
    buildResultadoProjetado(m_TabSheet_ResultadoProjetado);
    m_gridCustoProdutos->band(QStringLiteral("Receita"))->setWidth(245);
}

TF_Abate::~TF_Abate() = default;

std::vector<ExportedGrid> TF_Abate::exportedGrids() const
{
    return {{QStringLiteral("Matéria-Prima"), m_gridCompra},
            {QStringLiteral("Custo-Produtos"), m_gridCustoProdutos},
            {QStringLiteral("Resultado-Projetado"), m_gridResultadoProjetado}};
}

int TF_Abate::showBovinos()
{
    return exec();
}

int TF_Abate::showSuinos()
{
    return exec();
}

double TF_Abate::unit() const
{
    return m_module.query(QStringLiteral("GetEmpresa")).fieldByName(QStringLiteral("CODIGO_EMPRESA")).asFloat();
}

void TF_Abate::FormShow()
{
    m_RecalcularAutomaticamente->setChecked(m_module.autoRefresh());
    Atualizar();
    m_PageControl->setCurrentWidget(m_TabSheet_Compra);
    applyPriceLocks(m_produtos.fieldByName(QStringLiteral("CRITERIO_RECEITA")).asString());
    applyOffalCriterion();
    m_PageControlProdutos->setTabVisible(m_PageControlProdutos->indexOf(m_TabSheet_Condenacoes),
                                         analysesCondemnations());
}

void TF_Abate::Atualizar()
{
    data::ClientDataSet& abate = m_module.clientDataSet(QStringLiteral("CDS_Abate"));
    m_compra.close();
    queryParams(m_compra).setNumber(QStringLiteral("ID_ABATE"), abate.fieldByName(QStringLiteral("ID_ABATE")).asFloat());
    m_compra.open();

    m_produtos.close();
    queryParams(m_produtos).setNumber(QStringLiteral("ID_UNIDADE"), unit()).setDate(QStringLiteral("DATA"), m_day);
    m_produtos.open();

    abate.edit();
    abate.fieldByName(QStringLiteral("TOTAL_APROVEITAMENTO"))
        .setValue(m_produtos.aggregateByName(QStringLiteral("RESULTADO_GERAL")).value());
    abate.post();
    m_module.reread(abate);

    m_condenacoes.close();
    queryParams(m_condenacoes).setNumber(QStringLiteral("ID_UNIDADE"), unit()).setDate(QStringLiteral("DATA"), m_day);
    m_condenacoes.open();

    refreshMarkets();

    showRestorationBand(*m_gridCustoProdutos, m_produtos);
    for (grid::GridView* view : {m_gridCompra, m_gridCustoProdutos, m_gridCondenacoes, m_gridResultadoProjetado})
        view->expandAll();
    m_PageControlProdutos->setCurrentWidget(m_TabSheet_CustoProdutos);
}

void TF_Abate::applyPriceLocks(const QString& criterion)
{
    m_lockCustoProdutos->applyCriterion(criterion);
    m_lockResultadoProjetado->applyCriterion(criterion);
}

void TF_Abate::applyOffalCriterion()
{
    const bool credited = m_produtos.fieldByName(QStringLiteral("CRITERIO_MIUDOS")).asString() == QLatin1String("A");
    m_PageControl->setTabText(m_PageControl->indexOf(m_TabSheet_Aproveitamento),
                              credited ? QStringLiteral("Aproveitamentos") : QStringLiteral("Produtos"));
    m_summary->setColumnBlank(QStringLiteral("TOTAL_MP"), credited);
    m_gridCustoProdutos->column(QStringLiteral("VALOR_MATERIA_PRIMA_KG"))->setVisible(!credited);
}

void TF_Abate::activateAproveitamentos()
{
    m_PageControl->setCurrentWidget(m_TabSheet_Aproveitamento);
}

void TF_Abate::RestaurarPrecoMedioOriginal()
{
    if (!restorePrices(*m_summary, m_produtos, *m_gridCustoProdutos))
        return;
    m_gridCustoProdutos->focusFirstRow();
    activateAproveitamentos();
}

void TF_Abate::DetalhesAproveitamento()
{
    if (productTabSelected(*m_PageControl, m_TabSheet_Aproveitamento))
        execDetail<TF_AbateAproveitamentoDetalhe>(m_day);
}

void TF_Abate::PrecoMedioOriginal(bool checked)
{
    showOriginalPrice(*m_gridCustoProdutos, checked);
    activateAproveitamentos();
}

} // namespace custos::results
