#include "ResultWindow.h"

#include "ClientDataSet.h"
#include "DBLabel.h"
#include "DataModule_Custo.h"
#include "DataSource.h"
#include "ErrorDisplay.h"
#include "GridBand.h"
#include "GridColumn.h"
#include "GridView.h"
#include "MessageBox.h"
#include "PriceRestoration.h"
#include "Query.h"
#include "ResultMenuBar.h"
#include "ResultsStatements.h"
#include "SummaryStrip.h"

#include <QTabWidget>
#include <QVBoxLayout>

namespace custos::results {

ResultWindow::ResultWindow(data::TDataModule_Custo& module, const QString& objectName, const QString& caption,
                           data::ClientDataSet* refreshedOnClose, QWidget* parent)
    : QDialog(parent), m_module(module), m_refreshedOnClose(refreshedOnClose)
{
    setObjectName(objectName);
    setWindowTitle(caption);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint
                   | Qt::WindowCloseButtonHint);
    setWindowState(Qt::WindowMaximized);
    m_layout = new QVBoxLayout(this);
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setSpacing(0);
    m_menu = new ResultMenuBar(this);
    m_layout->setMenuBar(m_menu);

    m_Q_Mercado = new data::Query(&module.connection(), this);
    m_Q_Mercado->setObjectName(QStringLiteral("Q_Mercado"));
    m_Q_Mercado->setSql(statements::Q_Mercado.text().split(QLatin1Char('\n')));
    m_DTS_Mercado = new data::DataSource(m_Q_Mercado, this);
    m_DTS_Mercado->setObjectName(QStringLiteral("DTS_Mercado"));
}

ResultWindow::~ResultWindow() = default;

void ResultWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (m_shown)
        return;
    m_shown = true;
    ui::guarded(this, [this] { FormShow(); });
}

void ResultWindow::done(int result)
{
    if (m_refreshedOnClose)
        ui::guarded(this, [this] {
            if (m_refreshedOnClose->isActive())
                m_module.reread(*m_refreshedOnClose);
        });
    QDialog::done(result);
}

void ResultWindow::addRestorationCommand()
{
    m_menu->addCommand(QStringLiteral("Editar"), QStringLiteral("Restaurar Preço Médio Original"),
                       QStringLiteral("RestaurarPrecoMedioOriginal"), [this] { RestaurarPrecoMedioOriginal(); });
}

void ResultWindow::addPriceViewItems()
{
    m_PrecoMedioOriginal = m_menu->addPriceViewItems([this](bool on) { PrecoMedioOriginal(on); });
}

void ResultWindow::addRefreshButton()
{
    m_menu->addRefreshButton([this] { Atualizar(); });
}

void ResultWindow::addRecalculationItems()
{
    m_RecalcularAutomaticamente =
        m_menu->addRecalculationItems(m_module.autoRefresh(), [this](bool on) { RecalcularAutomaticamente(on); });
}

void ResultWindow::RecalcularAutomaticamente(bool checked)
{
    m_module.setAutoRefresh(checked);
    if (m_RecalcularAutomaticamente->isChecked() != checked)
        m_RecalcularAutomaticamente->setChecked(checked);
}

void ResultWindow::showOriginalPrice(grid::GridView& view, bool checked)
{
    view.column(QStringLiteral("PRECO_ORIGINAL"))->setVisible(checked);
    view.band(QStringLiteral("Receita"))->setWidth(checked ? 283 : 245);
    if (m_PrecoMedioOriginal->isChecked() != checked)
        m_PrecoMedioOriginal->setChecked(checked);
}

void ResultWindow::refreshMarkets()
{
    m_Q_Mercado->close();
    m_Q_Mercado->open();
}

bool ResultWindow::restorePrices(SummaryStrip& strip, data::ClientDataSet& dataSet, grid::GridView& view)
{
    const SummaryStrip::SuspendedDisplay suspended(strip);
    return askAndRestorePrices(m_module, dataSet, view);
}

bool ResultWindow::productTabSelected(const QTabWidget& tabs, const QWidget* page)
{
    if (tabs.currentWidget() == page)
        return true;
    ui::showMessage(ui::MessageType::Information, ui::MessageButtons::Ok,
                    QStringLiteral("Selecione a aba \"%1\" e marque um item para exibir os detalhes.")
                        .arg(tabs.tabText(tabs.indexOf(page))),
                    this);
    return false;
}

bool ResultWindow::analysesCondemnations() const
{
    const data::DataSet& parametros = m_module.dataSet(QStringLiteral("CDS_Parametros"));
    const QVariant analise =
        parametros.isActive() ? parametros.fieldByName(QStringLiteral("ANALISE_CONDENACOES")).value() : QVariant();
    return !analise.isNull() && analise.toDouble() == 1;
}

void ResultWindow::showRestorationBand(grid::GridView& view, const data::DataSet& dataSet)
{
    view.band(QStringLiteral("Restauração Preço Médio"))
        ->setVisible(!dataSet.fieldByName(QStringLiteral("USUARIO_RESTAURACAO_PRECO")).asString().isEmpty());
}

QWidget* ResultWindow::newPage(const QString& objectName)
{
    auto* page = new QWidget;
    page->setObjectName(objectName);
    return page;
}

QTabWidget* ResultWindow::newPageControl(const QString& objectName, QWidget* parent)
{
    auto* tabs = new QTabWidget(parent);
    tabs->setObjectName(objectName);
    tabs->setDocumentMode(true);
    return tabs;
}

ui::DBLabel* ResultWindow::newCaption(data::DataSource* source, const QString& field, const QString& objectName,
                                      const QColor& background)
{
    auto* label = new ui::DBLabel(source, field, this);
    label->setObjectName(objectName);
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, background);
    label->setPalette(palette);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

} // namespace custos::results
