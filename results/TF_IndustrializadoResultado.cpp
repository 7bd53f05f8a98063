#include "TF_IndustrializadoResultado.h"

#include "ClientDataSet.h"
#include "DBLabel.h"
#include "DBXConnection.h"
#include "DataModule_Custo.h"
#include "DataSource.h"
#include "ErrorDisplay.h"
#include "ExportToWorkbook.h"
#include "GridColumn.h"
#include "GridView.h"
#include "MessageBox.h"
#include "PriceLock.h"
#include "Provider.h"
#include "Query.h"
#include "ResultMenuBar.h"
#include "ResultsStatements.h"
#include "SummaryStrip.h"
#include "TF_ExportaTabelaPrecos.h"
#include "TF_IndustrializadoResultadoDetalhe.h"

#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace custos::results {

namespace {

const QString kIdProcesso = QStringLiteral("ID_PROCESSO");

// The strip's cells the projected result shows or hides.
const QString kProjected[] = {QStringLiteral("TOTAL_IMPOSTOS"), QStringLiteral("TOTAL_DESPESAS"),
                              QStringLiteral("RESULTADO_GERAL")};

} // namespace

TF_IndustrializadoResultado::TF_IndustrializadoResultado(data::TDataModule_Custo& module, const QDate& day,
                                                         QWidget* parent)
    : ResultWindow(module, QStringLiteral("F_IndustrializadoResultado"), QStringLiteral("Resultado da Produção"),
                   &module.clientDataSet(QStringLiteral("CDS_Resultado")), parent),
      m_day(day),
      m_resultado(module.clientDataSet(QStringLiteral("CDS_Resultado"))),
      m_materiaPrima(module.clientDataSet(QStringLiteral("CDS_MateriaPrima_DT"))),
      m_insumos(module.clientDataSet(QStringLiteral("CDS_Insumos"))),
      m_elaboracao(module.clientDataSet(QStringLiteral("CDS_ProducaoElaboracao"))),
      m_resultadoDT(module.clientDataSet(QStringLiteral("CDS_Resultado_DT"))),
      m_condenacoes(module.clientDataSet(QStringLiteral("CDS_CondenacaoDesossa"))),
      m_processos(module.query(QStringLiteral("Q_ProcessosProducaoFamilia")))
{
    addRestorationCommand();
    m_menu->addCommand(QStringLiteral("Editar"), QStringLiteral("Obter CMP"), QStringLiteral("ObterCMP"),
                       [this] { ObterCMP(); });
    m_menu->addCommand(QStringLiteral("Exibir"), QStringLiteral("Detalhes do Resultado..."),
                       QStringLiteral("DetalhesResultado"), [this] { DetalhesResultado(); });
    addPriceViewItems();
    addRecalculationItems();
    m_menu->addExportMenu([this] {
        parameters::TF_ExportaTabelaPrecos F_ExportaTabelaPrecos(
            m_module, {resultField("ID_UNIDADE"), m_day, resultField("ID_FAMILIA"), familyName()}, this);
        F_ExportaTabelaPrecos.exec();
    });
    m_menu->setExcelExport([this] { exportToWorkbook(this, QStringLiteral("Resultado ") + familyName(), exportedGrids()); });
    addRefreshButton();

    m_familia = newCaption(&module.dataSource(QStringLiteral("DTS_Resultado_DT")), QStringLiteral("FAMILIA"),
                           QStringLiteral("DBTextFamilia"), QColor(0xC0, 0xC0, 0xC0));
    m_layout->addWidget(m_familia);

    m_processTabs = new QTabBar(this);
    m_processTabs->setObjectName(QStringLiteral("TabControlProcessos"));
    m_processTabs->setFont(m_familia->font());
    m_processTabs->setExpanding(false);
    m_processTabs->setDocumentMode(true);
    m_layout->addWidget(m_processTabs);

    data::DataSource* mp = &module.dataSource(QStringLiteral("DTS_MateriaPrima_DT"));
    m_summary = new SummaryStrip(&module.dataSource(QStringLiteral("DTS_Resultado_DT")),
                                 &module.dataSource(QStringLiteral("DTS_Moeda")),
                                 {{QStringLiteral("Receita"), QStringLiteral("TOTAL_RECEITA"), QStringLiteral("TOTAL_RECEITA_KG")},
                                  {QStringLiteral("Matéria-Prima"), QStringLiteral("TOTAL_MP"), QStringLiteral("TOTAL_MP_KG"), true, mp},
                                  {QStringLiteral("M.O."), QStringLiteral("TOTAL_MOD"), QStringLiteral("TOTAL_MOD_KG"), true},
                                  {QStringLiteral("C.I."), QStringLiteral("TOTAL_CIF"), QStringLiteral("TOTAL_CIF_KG"), true},
                                  {QStringLiteral("Insumos"), QStringLiteral("TOTAL_INSUMO"), QStringLiteral("TOTAL_INSUMO_KG"), true},
                                  {QStringLiteral("Embalagem"), QStringLiteral("TOTAL_EMBALAGEM"),
                                   QStringLiteral("TOTAL_EMBALAGEM_KG"), true},
                                  {QStringLiteral("Serviços"), QStringLiteral("TOTAL_SERVICO"), QStringLiteral("TOTAL_SERVICO_KG"), true},
                                  {QStringLiteral("TOTAL"), QStringLiteral("TOTAL_CUSTO"), QStringLiteral("TOTAL_CUSTO_KG"), true},
                                  {QStringLiteral("Impostos"), QStringLiteral("TOTAL_IMPOSTOS"), QStringLiteral("TOTAL_IMPOSTOS_KG")},
                                  {QStringLiteral("Despesas"), QStringLiteral("TOTAL_DESPESAS"), QStringLiteral("TOTAL_DESPESAS_KG")},
                                  {QStringLiteral("Resultado"), QStringLiteral("RESULTADO_GERAL"),
                                   QStringLiteral("RESULTADO_GERAL_KG")}},
                                 QStringLiteral("RESULTADO_GERAL_PERC"), this);
    m_layout->addWidget(m_summary);

    m_PageControl = newPageControl(QStringLiteral("PageControl1"), this);
    m_layout->addWidget(m_PageControl, 1);
    m_TabSheet_MateriaPrima = newPage(QStringLiteral("TabSheet_MateriaPrima"));
    m_TabSheet_Insumos = newPage(QStringLiteral("TabSheet_Insumos"));
    m_TabSheet_CustoProdutos = newPage(QStringLiteral("TabSheet_CustoProdutos"));
    m_TabSheet_Condenacoes = newPage(QStringLiteral("TabSheet_Condenacoes"));
    m_TabSheet_ResultadoProjetado = newPage(QStringLiteral("TabSheet_ResultadoProjetado"));
    m_TabSheet_ProducaoElaboracao = newPage(QStringLiteral("TabSheet_ProducaoElaboracao"));
    m_PageControl->addTab(m_TabSheet_MateriaPrima, QStringLiteral("Matéria-Prima"));
    m_PageControl->addTab(m_TabSheet_Insumos, QStringLiteral("Outros Insumos"));
    m_PageControl->addTab(m_TabSheet_CustoProdutos, QStringLiteral("Custo Produtos"));
    m_PageControl->addTab(m_TabSheet_Condenacoes, QStringLiteral("Condenações"));
    m_PageControl->addTab(m_TabSheet_ResultadoProjetado, QStringLiteral("Resultado Projetado"));
    m_PageControl->addTab(m_TabSheet_ProducaoElaboracao, QStringLiteral("Produção em Elaboração"));
    buildMateriaPrima(m_TabSheet_MateriaPrima);
    buildInsumos(m_TabSheet_Insumos, QStringLiteral("GridInsumos"), QStringLiteral("DTS_Insumos"), "P_ID_ORDEM_PRODUCAO",
                 nullptr);
    buildCustoProdutos(m_TabSheet_CustoProdutos);
    buildCondenacoes(m_TabSheet_Condenacoes);
    buildResultadoProjetado(m_TabSheet_ResultadoProjetado);
    buildInsumos(m_TabSheet_ProducaoElaboracao, QStringLiteral("GridProducaoElaboracao"),
                 QStringLiteral("DTS_ProducaoElaboracao"), "DESCRICAO_TIPO", "ID_ORDEM_PRODUCAO");
    m_gridCustoProdutos->band(QStringLiteral("Receita"))->setWidth(245);

    connect(m_processTabs, &QTabBar::currentChanged, this,
            [this](int index) { ui::guarded(this, [&] { selectProcessTab(index); }); });
}

TF_IndustrializadoResultado::~TF_IndustrializadoResultado() = default;

std::vector<ExportedGrid> TF_IndustrializadoResultado::exportedGrids() const
{
    return {{QStringLiteral("Matéria-Prima"), m_gridMateriaPrima},
            {QStringLiteral("Insumos"), m_gridInsumos},
            {QStringLiteral("Resultado-Projetado"), m_gridResultadoProjetado},
            {QStringLiteral("Custo-Produtos"), m_gridCustoProdutos}};
}

QString TF_IndustrializadoResultado::familyName() const
{
    return m_resultado.fieldByName(QStringLiteral("FAMILIA")).asString();
}

double TF_IndustrializadoResultado::resultField(const char* field) const
{
    return m_resultado.fieldByName(QString::fromLatin1(field)).asFloat();
}

QList<double> TF_IndustrializadoResultado::processTabIds() const
{
    QList<double> ids;
    for (int i = 0; i < m_processTabs->count(); ++i)
        ids.append(m_processTabs->tabData(i).toDouble());
    return ids;
}

void TF_IndustrializadoResultado::FormShow()
{
    m_RecalcularAutomaticamente->setChecked(m_module.autoRefresh());
    m_processos.close();
    m_processos.params()
        .setNumber(QStringLiteral("ID_UNIDADE"), resultField("ID_UNIDADE"))
        .setDate(QStringLiteral("DATA"), m_resultado.fieldByName(QStringLiteral("DATA")).asDateTime().date())
        .setNumber(QStringLiteral("ID_FAMILIA"), resultField("ID_FAMILIA"));
    m_processos.open();
    m_processos.last();
    m_processos.first();
    buildProcessTabs();
    Atualizar();
    m_PageControl->setCurrentWidget(m_TabSheet_MateriaPrima);
    applyPriceLocks(m_resultadoDT.fieldByName(QStringLiteral("CRITERIO_RECEITA")).asString());
    m_PageControl->setTabVisible(m_PageControl->indexOf(m_TabSheet_Condenacoes), analysesCondemnations());
    showCmpDate();
}

// The tabs are filled from the first process on, at most ten; the first one is selected and
// the grids read its process.
void TF_IndustrializadoResultado::buildProcessTabs()
{
    const QSignalBlocker blocker(m_processTabs);
    while (m_processTabs->count() > 0)
        m_processTabs->removeTab(0);
    for (int row = 1; row <= m_processos.recordCount() && row <= kMaxProcessTabs; ++row) {
        m_processos.setRecNo(row);
        const int tab = m_processTabs->addTab(m_processos.fieldByName(QStringLiteral("DESCRICAO_PROCESSO")).asString());
        m_processTabs->setTabData(tab, m_processos.fieldByName(kIdProcesso).asFloat());
    }
    m_processTabs->setVisible(m_processTabs->count() > 0);
    if (m_processTabs->count() > 0) {
        m_processTabs->setCurrentIndex(0);
        m_processos.locate(kIdProcesso, m_processTabs->tabData(0));
        Atualizar();
    }
}

void TF_IndustrializadoResultado::selectProcessTab(int index)
{
    if (index < 0)
        return;
    m_processos.locate(kIdProcesso, m_processTabs->tabData(index));
    Atualizar();
}

void TF_IndustrializadoResultado::reopen(data::ClientDataSet& dataSet, double unit, const QDate& day)
{
    dataSet.close();
    dataSet.provider()
        ->query()
        ->params()
        .setNumber(QStringLiteral("ID_UNIDADE"), unit)
        .setDate(QStringLiteral("DATA"), day)
        .setNumber(QStringLiteral("ID_FAMILIA"), resultField("ID_FAMILIA"));
    dataSet.open();
}

void TF_IndustrializadoResultado::Atualizar()
{
    const double unit = resultField("ID_UNIDADE");
    const QDate day = m_resultado.fieldByName(QStringLiteral("DATA")).asDateTime().date();
    for (data::ClientDataSet* dataSet : {&m_materiaPrima, &m_insumos, &m_elaboracao, &m_resultadoDT})
        reopen(*dataSet, unit, day);
    reopen(m_condenacoes,
           m_module.query(QStringLiteral("GetEmpresa")).fieldByName(QStringLiteral("CODIGO_EMPRESA")).asFloat(), m_day);
    showProjectedResult();
    refreshMarkets();
    groupByProductGroup();
    showRestorationBand(*m_gridCustoProdutos, m_resultadoDT);
    for (grid::GridView* view : {m_gridMateriaPrima, m_gridCustoProdutos, m_gridCondenacoes, m_gridResultadoProjetado,
                                 m_gridInsumos})
        view->expandAll();
}

void TF_IndustrializadoResultado::showProjectedResult()
{
    const bool visible =
        m_processos.isEmpty() || m_processos.fieldByName(QStringLiteral("GERAR_RESULTADO_CUSTO")).asFloat() == 1;
    m_PageControl->setTabVisible(m_PageControl->indexOf(m_TabSheet_ResultadoProjetado), visible);
    for (const QString& total : kProjected)
        m_summary->setColumnBlank(total, !visible);
    m_summary->setPercentVisible(visible);
}

// A production order on a line of process type "T" lists its products by product group, as
// the third level under its process.
void TF_IndustrializadoResultado::groupByProductGroup()
{
    const QVariant order = m_resultadoDT.isEmpty() ? QVariant()
                                                   : m_resultadoDT.fieldByName(QStringLiteral("ID_ORDEM_PRODUCAO")).value();
    session::Params params;
    params.set(QStringLiteral("ID_TABELA_PCP"), session::BindType::Number,
               order.isNull() ? QVariant() : QVariant(order.toDouble()));
    const session::Result tipo = m_module.connection().query(statements::tipoProcesso, params);
    const bool byGroup = tipo.rowCount() > 0 && tipo.value(0, 0).toString() == QLatin1String("T");
    for (grid::GridView* view : {m_gridCustoProdutos, m_gridResultadoProjetado}) {
        grid::GridColumn* grupo = view->column(QStringLiteral("DESCRICAO_GRUPO"));
        if (byGroup)
            view->model().groupBy(grupo, 2);
        else
            view->model().ungroup(grupo);
    }
}

void TF_IndustrializadoResultado::showCmpDate()
{
    const data::DataSet& industrial = m_module.dataSet(QStringLiteral("CDS_Industrializado"));
    if (!industrial.isActive() || industrial.isEmpty())
        return;
    const session::Result cmp = m_module.connection().query(
        statements::dataCmp, session::Params().setNumber(QStringLiteral("id_industrial"),
                                                         industrial.fieldByName(QStringLiteral("ID_INDUSTRIAL")).asFloat()));
    m_gridMateriaPrima->column(QStringLiteral("DATA_CONSUMO"))->setVisible(cmp.rowCount() > 0);
}

void TF_IndustrializadoResultado::applyPriceLocks(const QString& criterion)
{
    m_lockCustoProdutos->applyCriterion(criterion);
    m_lockResultadoProjetado->applyCriterion(criterion);
}

void TF_IndustrializadoResultado::RestaurarPrecoMedioOriginal()
{
    restorePrices(*m_summary, m_resultadoDT, *m_gridCustoProdutos);
}

void TF_IndustrializadoResultado::ObterCMP()
{
    const QDate day = m_resultado.fieldByName(QStringLiteral("DATA")).asDateTime().date();
    const session::Result cmp =
        m_module.connection().query(statements::materiaPrimaCmp,
                                    session::Params()
                                        .setNumber(QStringLiteral("p_unidade"), resultField("ID_UNIDADE"))
                                        .setDate(QStringLiteral("p_data"), day)
                                        .setNumber(QStringLiteral("p_familia"), resultField("ID_FAMILIA")));
    if (cmp.rowCount() == 0) {
        ui::showMessage(ui::MessageType::Error, ui::MessageButtons::Ok,
                        QStringLiteral("Atenção! Não há nenhuma Matéria Prima para está Familia, onde o Método Custo "
                                       "da Procedencia seja Custo Médio Ponderado!"),
                        this);
        return;
    }
    m_module.connection().execute(statements::atualizaCustoMedioMp,
                                  session::Params()
                                      .setNumber(QStringLiteral("p_id_unidade"), resultField("ID_UNIDADE"))
                                      .setNumber(QStringLiteral("p_id_familia"), resultField("ID_FAMILIA"))
                                      .setDate(QStringLiteral("p_data"), day));
    Atualizar();
}

void TF_IndustrializadoResultado::DetalhesResultado()
{
    if (productTabSelected(*m_PageControl, m_TabSheet_CustoProdutos))
        execDetail<TF_IndustrializadoResultadoDetalhe>(m_day);
}

void TF_IndustrializadoResultado::PrecoMedioOriginal(bool checked)
{
    showOriginalPrice(*m_gridCustoProdutos, checked);
}

} // namespace custos::results
