#include "TF_RevendaResultado.h"
#include "TF_RevendaResultadoDetalhe.h"

#include "ClientDataSet.h"
#include "DBLabel.h"
#include "DataModule_Custo.h"
#include "DataSource.h"
#include "ErrorDisplay.h"
#include "GridBand.h"
#include "GridColumn.h"
#include "GridView.h"
#include "PriceRestoration.h"
#include "Provider.h"
#include "Query.h"
#include "ResultMenuBar.h"
#include "ResultWindow.h"
#include "SummaryStrip.h"
#include "TF_ExportaTabelaRevenda.h"

#include <QVBoxLayout>

namespace custos::results {

TF_RevendaResultado::TF_RevendaResultado(data::TDataModule_Custo& module, QWidget* parent)
    : QDialog(parent),
      m_module(module),
      m_resumo(module.clientDataSet(QStringLiteral("CDS_ResumoRevenda"))),
      m_resultado(module.clientDataSet(QStringLiteral("CDS_ResultadoRevenda")))
{
    const ResultWindowFrame frame = setUpResultWindow(*this, QStringLiteral("F_RevendaResultado"), QStringLiteral("Resultados da Revenda"));
    QVBoxLayout* layout = frame.layout;
    m_menu = frame.menu;
    const MarketList markets = newMarketList(module.connection(), this);
    m_Q_Mercado = markets.Q_Mercado;
    m_DTS_Mercado = markets.DTS_Mercado;

    m_menu->addCommand(QStringLiteral("Editar"), QStringLiteral("Restaurar Preço Médio Original"),
                       QStringLiteral("RestaurarPrecoMedioOriginal"), [this] { RestaurarPrecoMedioOriginal(); });
    m_menu->addCommand(QStringLiteral("Exibir"), QStringLiteral("Detalhes do Resultado..."),
                       QStringLiteral("DetalhesResultado"), [this] { DetalhesResultado(); });
    m_PrecoMedioOriginal = m_menu->addPriceViewItems([this](bool on) { PrecoMedioOriginal(on); });
    m_menu->addGreyedItems();
    m_menu->addExportMenu([this] { exportPriceTable(); });
    m_menu->disableExcelExport();
    m_menu->addRefreshButton([this] { Atualizar(); });

    m_grupo = new ui::DBLabel(&module.dataSource(QStringLiteral("DTS_ResumoRevenda")), QStringLiteral("GRUPO"), this);
    m_grupo->setObjectName(QStringLiteral("DBTextGrupo"));
    m_grupo->setAutoFillBackground(true);
    m_grupo->setMargin(3);
    m_grupo->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QPalette palette = m_grupo->palette();
    palette.setColor(QPalette::Window, QColor(0x80, 0x80, 0x80));
    palette.setColor(QPalette::WindowText, Qt::white);
    m_grupo->setPalette(palette);
    QFont bold = m_grupo->font();
    bold.setBold(true);
    m_grupo->setFont(bold);
    layout->addWidget(m_grupo);

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
    layout->addWidget(m_summary);

    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("PanelGrid"));
    layout->addWidget(page, 1);
    buildGrid(page);
}

TF_RevendaResultado::~TF_RevendaResultado() = default;

void TF_RevendaResultado::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (m_shown)
        return;
    m_shown = true;
    ui::guarded(this, [this] { FormShow(); });
}

void TF_RevendaResultado::done(int result)
{
    ui::guarded(this, [this] {
        if (m_resumo.isActive())
            m_module.reread(m_resumo);
    });
    QDialog::done(result);
}

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
    m_Q_Mercado->close();
    m_Q_Mercado->open();
    m_grid->expandAll();
}

void TF_RevendaResultado::RestaurarPrecoMedioOriginal()
{
    {
        // The strip's totals follow once, after the walk, not after each row.
        const SummaryStrip::SuspendedDisplay suspended(*m_summary);
        if (!askAndRestorePrices(m_module, m_resultado, *m_grid))
            return;
    }
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
    TF_RevendaResultadoDetalhe detail(m_module, this);
    detail.exec();
}

void TF_RevendaResultado::PrecoMedioOriginal(bool checked)
{
    m_grid->column(QStringLiteral("PRECO_ORIGINAL"))->setVisible(checked);
    m_grid->band(QStringLiteral("Receita"))->setWidth(checked ? 283 : 245);
    if (m_PrecoMedioOriginal->isChecked() != checked)
        m_PrecoMedioOriginal->setChecked(checked);
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
