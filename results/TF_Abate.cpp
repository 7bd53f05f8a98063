#include "TF_Abate.h"

#include "ClientDataSet.h"
#include "DataModule_Custo.h"
#include "DataSource.h"
#include "ErrorDisplay.h"
#include "ExportToWorkbook.h"
#include "GridColumn.h"
#include "GridView.h"
#include "MessageBox.h"
#include "PriceLock.h"
#include "ResultsStatements.h"
#include "PriceRestoration.h"
#include "Provider.h"
#include "Query.h"
#include "ResultMenuBar.h"
#include "ResultWindow.h"
#include "ResultsStatements.h"
#include "SummaryStrip.h"
#include "TF_AbateAproveitamentoDetalhe.h"

#include <QTabWidget>
#include <QVBoxLayout>

namespace custos::results {

namespace {

QWidget* page(const QString& objectName)
{
    auto* w = new QWidget;
    w->setObjectName(objectName);
    return w;
}

session::Params& queryParams(data::ClientDataSet& dataSet)
{
    return dataSet.provider()->query()->params();
}

} // namespace

TF_Abate::TF_Abate(data::TDataModule_Custo& module, const QDate& day, QWidget* parent)
    : QDialog(parent),
      m_module(module),
      m_day(day),
      m_compra(module.clientDataSet(QStringLiteral("CDS_Compra"))),
      m_produtos(module.clientDataSet(QStringLiteral("CDS_AbateProduto"))),
      m_condenacoes(module.clientDataSet(QStringLiteral("CDS_CondenacaoMiudos")))
{
    const ResultWindowFrame frame = setUpResultWindow(*this, QStringLiteral("F_Abate"), QStringLiteral("Resultado Abate"));
    QVBoxLayout* layout = frame.layout;
    m_menu = frame.menu;
    const MarketList markets = newMarketList(module.connection(), this);
    m_Q_Mercado = markets.Q_Mercado;
    m_DTS_Mercado = markets.DTS_Mercado;

    m_menu->addCommand(QStringLiteral("Editar"), QStringLiteral("Restaurar Preço Médio Original"),
                       QStringLiteral("RestaurarPrecoMedioOriginal"), [this] { RestaurarPrecoMedioOriginal(); });
    m_menu->addCommand(QStringLiteral("Exibir"), QStringLiteral("Detalhes do Aproveitamento..."),
                       QStringLiteral("DetalhesAproveitamento"), [this] { DetalhesAproveitamento(); });
    m_PrecoMedioOriginal = m_menu->addPriceViewItems([this](bool on) { PrecoMedioOriginal(on); });
    m_RecalcularAutomaticamente =
        m_menu->addRecalculationItems(module.autoRefresh(), [this](bool on) { RecalcularAutomaticamente(on); });
    m_menu->addExportMenu();
    m_menu->setExcelExport([this] { exportToWorkbook(this, QStringLiteral("Resultado do Abate"), exportedGrids()); });
    m_menu->addRefreshButton([this] { Atualizar(); });

    m_PageControl = new QTabWidget(this);
    m_PageControl->setObjectName(QStringLiteral("PageControl1"));
    m_PageControl->setDocumentMode(true);
    layout->addWidget(m_PageControl);
    m_TabSheet_Compra = page(QStringLiteral("TabSheet_Compra"));
    m_TabSheet_Aproveitamento = page(QStringLiteral("TabSheet_Aproveitamento"));
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
    m_PageControlProdutos = new QTabWidget(m_TabSheet_Aproveitamento);
    m_PageControlProdutos->setObjectName(QStringLiteral("PageControl2"));
    m_PageControlProdutos->setDocumentMode(true);
    aproveitamento->addWidget(m_PageControlProdutos, 1);
    m_TabSheet_CustoProdutos = page(QStringLiteral("TabSheet_CustoProdutos"));
    m_TabSheet_Condenacoes = page(QStringLiteral("TabSheet_Condenacoes"));
    m_TabSheet_ResultadoProjetado = page(QStringLiteral("TabSheet_ResultadoProjetado"));
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

void TF_Abate::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (m_shown)
        return;
    m_shown = true;
    ui::guarded(this, [this] { FormShow(); });
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
    const data::DataSet& parametros = m_module.dataSet(QStringLiteral("CDS_Parametros"));
    const QVariant analise = parametros.isActive() ? parametros.fieldByName(QStringLiteral("ANALISE_CONDENACOES")).value()
                                                   : QVariant();
    m_PageControlProdutos->setTabVisible(m_PageControlProdutos->indexOf(m_TabSheet_Condenacoes),
                                         !analise.isNull() && analise.toDouble() == 1);
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

    m_Q_Mercado->close();
    m_Q_Mercado->open();

    showRestorationBand();
    for (grid::GridView* view : {m_gridCompra, m_gridCustoProdutos, m_gridCondenacoes, m_gridResultadoProjetado})
        view->expandAll();
    m_PageControlProdutos->setCurrentWidget(m_TabSheet_CustoProdutos);
}

void TF_Abate::showRestorationBand()
{
    const bool restored = !m_produtos.fieldByName(QStringLiteral("USUARIO_RESTAURACAO_PRECO")).asString().isEmpty();
    m_gridCustoProdutos->band(QStringLiteral("Restauração Preço Médio"))->setVisible(restored);
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
    {
        // The strip's totals follow once, after the walk, not after each row.
        const SummaryStrip::SuspendedDisplay suspended(*m_summary);
        if (!askAndRestorePrices(m_module, m_produtos, *m_gridCustoProdutos))
            return;
    }
    m_gridCustoProdutos->focusFirstRow();
    activateAproveitamentos();
}

void TF_Abate::DetalhesAproveitamento()
{
    if (m_PageControl->currentWidget() != m_TabSheet_Aproveitamento) {
        ui::showMessage(ui::MessageType::Information, ui::MessageButtons::Ok,
                        QStringLiteral("Selecione a aba \"%1\" e marque um item para exibir os detalhes.")
                            .arg(m_PageControl->tabText(m_PageControl->indexOf(m_TabSheet_Aproveitamento))),
                        this);
        return;
    }
    if (m_detailOpener) {
        m_detailOpener(*this);
        return;
    }
    TF_AbateAproveitamentoDetalhe detail(m_module, m_day, this);
    detail.exec();
}

void TF_Abate::PrecoMedioOriginal(bool checked)
{
    m_gridCustoProdutos->column(QStringLiteral("PRECO_ORIGINAL"))->setVisible(checked);
    m_gridCustoProdutos->band(QStringLiteral("Receita"))->setWidth(checked ? 283 : 245);
    if (m_PrecoMedioOriginal->isChecked() != checked)
        m_PrecoMedioOriginal->setChecked(checked);
    activateAproveitamentos();
}

void TF_Abate::RecalcularAutomaticamente(bool checked)
{
    m_module.setAutoRefresh(checked);
    if (m_RecalcularAutomaticamente->isChecked() != checked)
        m_RecalcularAutomaticamente->setChecked(checked);
}

} // namespace custos::results
