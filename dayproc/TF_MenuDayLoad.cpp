// The day load: the parameter set of the day and its check, then, under the wait overlay, the
// day's datasets in their order, and the steps that always run, also after a failure.

#include "TF_Menu.h"

#include "ClientDataSet.h"
#include "DBLabel.h"
#include "DBXConnection.h"
#include "DataModule_Custo.h"
#include "DayDatasets.h"
#include "DayOperationRules.h"
#include "DayprocStatements.h"
#include "NoticeBoxes.h"
#include "Query.h"
#include "RecordPanel.h"
#include "TabAbateBovinos.h"
#include "TabAbateSuinos.h"
#include "TabProducao.h"
#include "WaitOverlay.h"

#include <QApplication>
#include <QLabel>
#include <QLocale>
#include <QTabWidget>
#include <exception>
#include <optional>

namespace custos::dayproc {

namespace {

QString shortDate(const QDate& day)
{
    return QLocale().toString(day, QLocale::ShortFormat);
}

// Runs each step, also after a step failed; the first failure is raised at the end.
class AlwaysSteps
{
public:
    template <class Step>
    void run(Step&& step)
    {
        try {
            step();
        } catch (...) {
            noteFailure(std::current_exception());
        }
    }
    void noteFailure(std::exception_ptr failure)
    {
        if (!m_failure)
            m_failure = std::move(failure);
    }
    void raiseFirstFailure() const
    {
        if (m_failure)
            std::rethrow_exception(m_failure);
    }

private:
    std::exception_ptr m_failure;
};

} // namespace

bool TF_Menu::PlannerCalendar1DaySelect(const QDate& day)
{
    openParametros(day);
    if (!dayShowsInformation(module(), day, noticeBoxes(this)))
        return false;
    applyR1();
    AjustaLayout();
    Waiting = ui::WaitOverlay::isShowing(this);

    std::optional<ui::WaitOverlay> overlay;
    AlwaysSteps always;
    try {
        if (!Waiting)
            overlay.emplace(this);
        loadDayDatasets(day, unit());
    } catch (...) {
        always.noteFailure(std::current_exception());
    }
    always.run([this] { setSlaughterDisplaySuspended(false); });
    always.run([this] { AtualizaBotoes(); });
    always.run([this] { FiltraTipoProcesso(); });
    overlay.reset();
    always.run([this] { selectFirstProcessTab(); });
    always.run([] { QApplication::processEvents(); });
    always.run([this] { AjustaLayout(); });
    always.raiseFirstFailure();
    return true;
}

// The datasets are opened by DayDatasets; the window shows what they hold.
void TF_Menu::loadDayDatasets(const QDate& day, double unit)
{
    data::TDataModule_Custo& m = module();
    setSlaughterDisplaySuspended(true);
    openDayDatasets(m, unit, day);

    const data::ClientDataSet& produto = m.clientDataSet(QStringLiteral("CDS_AbateProduto"));
    if (!produto.isEmpty()) {
        if (produto.fieldByName(QStringLiteral("CRITERIO_MIUDOS")).asString() != QLatin1String("A")) {
            m_abateBovinos->Panel306()->show();
            applyR2(unit);
        } else {
            m_abateBovinos->Panel306()->hide();
        }
        applyR3();
        m_abateBovinos->Panel241()->setText(QStringLiteral("Análise de Resultado do Abate de Bovinos do dia ") +
                                            shortDate(day));
    }
    if (m.query(QStringLiteral("Q_Peso_Vivo")).isActive())
        m_pnlPesoVivo->setVisible(m.dataSet(QStringLiteral("CDS_Parametros"))
                                      .fieldByName(QStringLiteral("EXIBE_RENDIMENTO_ABATE"))
                                      .asFloat() != 0);
    m_producao->Panel5()->setText(QStringLiteral("Análise de Resultado da Produção do dia ") + shortDate(day));
}

void TF_Menu::setSlaughterDisplaySuspended(bool suspended)
{
    const data::DataSet* slaughter[] = {&module().dataSet(QStringLiteral("CDS_Abate")),
                                        &module().dataSet(QStringLiteral("CDS_AbateAcumulado"))};
    const auto bound = [&](const data::DataSource* source) {
        return source && (source->dataSet() == slaughter[0] || source->dataSet() == slaughter[1]);
    };
    for (ui::DBLabel* label : findChildren<ui::DBLabel*>()) {
        if (bound(label->dataSource()))
            label->setDisplaySuspended(suspended);
    }
    for (ui::RecordPanel* panel : findChildren<ui::RecordPanel*>()) {
        if (bound(panel->dataSource()))
            panel->setDisplaySuspended(suspended);
    }
}

void TF_Menu::applyR1()
{
    const bool daily = module().dataSet(QStringLiteral("CDS_Parametros"))
                           .fieldByName(QStringLiteral("TIPO_FECHAMENTO"))
                           .asString() != QLatin1String("M");
    m_abateBovinos->Panel209()->setVisible(daily);
    m_producao->Panel339()->setVisible(daily);
}

void TF_Menu::applyR2(double unit)
{
    QWidget* oneLine = m_abateBovinos->Panel230();
    QWidget* detailed = m_abateBovinos->Panel232();
    if (module().dataSet(QStringLiteral("CDS_Abate_Produto_Nivel2")).isEmpty()) {
        oneLine->hide();
        detailed->hide();
        return;
    }
    const session::Result result =
        connection().query(statements::nivelDetalheAbate,
                           session::Params().setNumber(QStringLiteral("ID_UNIDADE"), unit));
    const bool single = result.rowCount() > 0 && result.value(0, 0).toDouble() == 1;
    oneLine->setVisible(single);
    detailed->setVisible(!single);
}

void TF_Menu::applyR3()
{
    m_abateBovinos->setAproveitamentoVisible(module().dataSet(QStringLiteral("CDS_Parametros"))
                                                 .fieldByName(QStringLiteral("CRITERIO_MIUDOS"))
                                                 .asString() == QLatin1String("A"));
}

void TF_Menu::selectFirstProcessTab()
{
    for (QWidget* tab : {static_cast<QWidget*>(m_abateBovinos), static_cast<QWidget*>(m_abateSuinos)}) {
        const int index = m_PageControl_Menu->indexOf(tab);
        if (m_PageControl_Menu->isTabVisible(index)) {
            m_PageControl_Menu->setCurrentIndex(index);
            return;
        }
    }
    m_PageControl_Menu->setCurrentWidget(m_producao);
}

} // namespace custos::dayproc
