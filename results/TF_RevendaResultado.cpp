#include "TF_RevendaResultado.h"
#include "TF_RevendaResultadoDetalhe.h"

#include "ClientDataSet.h"
#include "DBLabel.h"
#include "DataModule_Custo.h"
#include "GridColumn.h"
#include "GridView.h"
#include "Provider.h"
#include "Query.h"
#include "ResultMenuBar.h"
#include "SummaryStrip.h"
#include "TF_ExportaTabelaRevenda.h"

#include <QVBoxLayout>

namespace custos::results {

TF_RevendaResultado::TF_RevendaResultado(data::TDataModule_Custo& module, QWidget* parent)
    : ResultWindow(module, QStringLiteral("F_RevendaResultado"), QStringLiteral("Resultados da Revenda"),
                   &module.clientDataSet(QStringLiteral("CDS_ResumoRevenda")), parent),
      m_resumo(module.clientDataSet(QStringLiteral("CDS_ResumoRevenda"))),
      m_resultado(module.clientDataSet(QStringLiteral("CDS_ResultadoRevenda")))
{
    addRestorationCommand();
    m_menu->addCommand(QStringLiteral("Exibir"), QStringLiteral("Detalhes do Resultado..."),
                       QStringLiteral("DetalhesResultado"), [this] { DetalhesResultado(); });
    addPriceViewItems();
    m_menu->addGreyedItems();
    m_menu->addExportMenu([this] { exportPriceTable(); });
    m_menu->disableExcelExport();
    addRefreshButton();

    m_grupo = newCaption(&module.dataSource(QStringLiteral("DTS_ResumoRevenda")), QStringLiteral("GRUPO"),
                         QStringLiteral("DBTextGrupo"), QColor(0x80, 0x80, 0x80));
    m_grupo->setMargin(3);
    m_grupo->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QPalette palette = m_grupo->palette();
    palette.setColor(QPalette::WindowText, Qt::white);
    m_grupo->setPalette(palette);
    m_layout->addWidget(m_grupo);

    m_summary = new SummaryStrip(&module.dataSource(QStringLiteral("DTS_ResultadoRevenda")),
                                 &module.dataSource(QStringLiteral("DTS_Moeda")),
                                 {{QStringLiteral("Receita"), QStringLiteral("TOTAL_RECEITA"), QStringLiteral("TOTAL_RECEITA_KG")},
                                  {QStringLiteral("Compra"), QStringLiteral("TOTAL_COMPRA"), QStringLiteral("TOTAL_COMPRA_KG"), true},
                                  {QStringLiteral("Industrial"), QStringLiteral("TOTAL_INDUSTRIAL"),
                                   QStringLiteral("TOTAL_INDUSTRIAL_KG"), true},
                                  {QStringLiteral("Embalagem"), QStringLiteral("TOTAL_EMBALAGEM"),
                                   QStringLiteral("TOTAL_EMBALAGEM_KG"), true},
                                  {QStringLiteral("TOTAL"), QStringLiteral("TOTAL_CUSTO"), QStringLiteral("TOTAL_CUSTO_KG"), true},
                                  {QStringLiteral("Impostos"), QStringLiteral("TOTAL_IMPOSTOS"), QStringLiteral("TOTAL_IMPOSTOS_KG")},
                                  {QStringLiteral("Despesas"), QStringLiteral("TOTAL_DESPESAS"), QStringLiteral("TOTAL_DESPESAS_KG")},
                                  {QStringLiteral("Resultado"), QStringLiteral("RESULTADO_GERAL"),
                                   QStringLiteral("RESULTADO_GERAL_KG")}},
                                 QString(), this);
    m_summary->setCostHeading(QStringLiteral("Custos"));
    m_summary->setSecondCurrencyVisible(false);
    m_layout->addWidget(m_summary);

    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("PanelGrid"));
    m_layout->addWidget(page, 1);
    buildGrid(page);
}

TF_RevendaResultado::~TF_RevendaResultado() = default;

void TF_RevendaResultado::FormShow()
{
    Atualizar();
}

void TF_RevendaResultado::Atualizar()
{
    m_resultado.close();
    m_resultado.provider()
        ->query()
        ->params()
        .setNumber(QStringLiteral("ID_UNIDADE"), m_resumo.fieldByName(QStringLiteral("ID_UNIDADE")).asFloat())
        .setDate(QStringLiteral("DATA"), m_resumo.fieldByName(QStringLiteral("DATA")).asDateTime().date())
        .setNumber(QStringLiteral("CODIGO_FAMILIA"), m_resumo.fieldByName(QStringLiteral("CODIGO_FAMILIA")).asFloat())
        .setNumber(QStringLiteral("CODIGO_GRUPO"), m_resumo.fieldByName(QStringLiteral("CODIGO_GRUPO")).asFloat());
    m_resultado.open();
    refreshMarkets();
    m_grid->expandAll();
}

void TF_RevendaResultado::RestaurarPrecoMedioOriginal()
{
    if (restorePrices(*m_summary, m_resultado, *m_grid))
        m_grid->focusFirstRow();
}

void TF_RevendaResultado::DetalhesResultado()
{
    openDetail();
}

void TF_RevendaResultado::openDetail()
{
    const int row = m_grid->focusedSourceRow();
    if (row >= 0 && m_resultado.isActive())
        m_resultado.setRecNo(row + 1);
    execDetail<TF_RevendaResultadoDetalhe>();
}

void TF_RevendaResultado::PrecoMedioOriginal(bool checked)
{
    showOriginalPrice(*m_grid, checked);
}

void TF_RevendaResultado::exportPriceTable()
{
    const auto field = [this](const char* name) -> const data::Field& { return m_resumo.fieldByName(QString::fromLatin1(name)); };
    parameters::TF_ExportaTabelaRevenda F_ExportaTabelaRevenda(
        m_module,
        {field("ID_UNIDADE").asFloat(), field("DATA").asDateTime().date(), field("CODIGO_FAMILIA").asFloat(),
         field("CODIGO_GRUPO").asFloat(), field("FAMILIA").asString(), field("GRUPO").asString()},
        this);
    F_ExportaTabelaRevenda.exec();
}

} // namespace custos::results
