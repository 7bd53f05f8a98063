// The day load: the parameter set of the day and its check, then, under the wait overlay, the
// day's datasets in their order, and the steps that always run, also after a failure.

#include "TF_Menu.h"

#include "ClientDataSet.h"
#include "DBLabel.h"
#include "DBXConnection.h"
#include "DataModule_Custo.h"
#include "DayParameters.h"
#include "DayprocStatements.h"
#include "DisplayFormat.h"
#include "MessageBox.h"
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

const QString aproveitamentoFormat = QStringLiteral("###,###,##0.00");

QString shortDate(const QDate& day)
{
    return QLocale().toString(day, QLocale::ShortFormat);
}

// Closes a dataset, sets its unit and day and opens it again.
void reopen(data::DataSet& dataSet, session::Params& params, double unit, const QDate& day)
{
    dataSet.close();
    setParameter(params, QStringLiteral("ID_UNIDADE"), unit);
    setParameter(params, QStringLiteral("DATA"), day);
    dataSet.open();
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
    const data::Field& inicio =
        module().dataSet(QStringLiteral("CDS_Parametros")).fieldByName(QStringLiteral("DATA_INICIO_SISTEMA"));
    if (!inicio.isNull() && day < inicio.asDateTime().date()) {
        ui::showMessage(ui::MessageType::Information, ui::MessageButtons::Ok,
                        QStringLiteral("Versão liberada para informações a partir de ") + inicio.asString() +
                            QStringLiteral("."),
                        this);
        return false;
    }
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

void TF_Menu::loadDayDatasets(const QDate& day, double unit)
{
    data::TDataModule_Custo& m = module();
    const data::DataSet& parametros = m.dataSet(QStringLiteral("CDS_Parametros"));

    reopen(m.query(QStringLiteral("Q_Moeda")), m.query(QStringLiteral("Q_Moeda")).params(), unit, day);

    data::ClientDataSet& abate = m.clientDataSet(QStringLiteral("CDS_Abate"));
    data::ClientDataSet& acumulado = m.clientDataSet(QStringLiteral("CDS_AbateAcumulado"));
    abate.close();
    acumulado.close();
    setSlaughterDisplaySuspended(true);

    data::ClientDataSet& produto = m.clientDataSet(QStringLiteral("CDS_AbateProduto"));
    reopen(produto, m.query(QStringLiteral("Q_AbateProduto")).params(), unit, day);
    data::ClientDataSet& nivel2 = m.clientDataSet(QStringLiteral("CDS_Abate_Produto_Nivel2"));
    reopen(nivel2, nivel2.params(), unit, day);

    if (!produto.isEmpty()) {
        session::Params& q = m.query(QStringLiteral("Q_Abate")).params();
        const QString rateio = parametros.fieldByName(QStringLiteral("APROVEITAMENTO_RATEIO")).asString();
        abate.close();
        setParameter(q, QStringLiteral("ID_UNIDADE"), unit);
        setParameter(q, QStringLiteral("DATA"), day);
        setParameter(q, QStringLiteral("APROVEITAMENTO_RATEIO"), rateio);
        if (produto.fieldByName(QStringLiteral("CRITERIO_MIUDOS")).asString() != QLatin1String("A")) {
            setParameter(q, QStringLiteral("APROVEITAMENTO"), 0.0);
            m_abateBovinos->Panel306()->show();
            applyR2(unit);
        } else {
            setParameter(q, QStringLiteral("APROVEITAMENTO"), produto.aggregateByName(QStringLiteral("RESULTADO_GERAL")).asFloat());
            m_abateBovinos->Panel306()->hide();
        }
        abate.open();
        applyR3();
        synchroniseAproveitamento();
        // The month-to-date statement apportions the by-products by the same rule as the day's.
        session::Params& qa = m.query(QStringLiteral("Q_AbateAcumulado")).params();
        setParameter(qa, QStringLiteral("APROVEITAMENTO_RATEIO"), rateio);
        reopen(acumulado, qa, unit, day);
        m_abateBovinos->Panel241()->setText(QStringLiteral("Análise de Resultado do Abate de Bovinos do dia ") +
                                            shortDate(day));
    }

    data::Query& pesoVivo = m.query(QStringLiteral("Q_Peso_Vivo"));
    pesoVivo.close();
    if (!nivel2.isEmpty() && abate.isActive() && !abate.isEmpty()) {
        session::Params& p = pesoVivo.params();
        setParameter(p, QStringLiteral("PESO_MORTO"), abate.fieldByName(QStringLiteral("T_PESO")).asFloat());
        setParameter(p, QStringLiteral("QNTD_MORTO"), abate.fieldByName(QStringLiteral("T_CABECAS")).asFloat());
        setParameter(p, QStringLiteral("P_CODIGO_EMPRESA"), unit);
        setParameter(p, QStringLiteral("P_DATA"), day);
        pesoVivo.open();
        m_pnlPesoVivo->setVisible(parametros.fieldByName(QStringLiteral("EXIBE_RENDIMENTO_ABATE")).asFloat() != 0);
    }

    reopen(m.clientDataSet(QStringLiteral("CDS_Industrializado")), m.query(QStringLiteral("Q_Industrializado")).params(),
           unit, day);
    for (const char* stem : {"Resultado", "ResultadoAcumulado"}) {
        session::Params& p = m.query(QStringLiteral("Q_") + QLatin1String(stem)).params();
        setParameter(p, QStringLiteral("ID_FAMILIA"), 0);
        reopen(m.clientDataSet(QStringLiteral("CDS_") + QLatin1String(stem)), p, unit, day);
    }
    m_producao->Panel5()->setText(QStringLiteral("Análise de Resultado da Produção do dia ") + shortDate(day));
    for (const char* stem : {"Revenda", "ResumoRevenda", "ResumoRevendaAcumulado"})
        reopen(m.clientDataSet(QStringLiteral("CDS_") + QLatin1String(stem)),
               m.query(QStringLiteral("Q_") + QLatin1String(stem)).params(), unit, day);
}

void TF_Menu::synchroniseAproveitamento()
{
    data::ClientDataSet& abate = module().clientDataSet(QStringLiteral("CDS_Abate"));
    const data::Aggregate& resultado =
        module().clientDataSet(QStringLiteral("CDS_AbateProduto")).aggregateByName(QStringLiteral("RESULTADO_GERAL"));
    data::Field& total = abate.fieldByName(QStringLiteral("TOTAL_APROVEITAMENTO"));
    const auto text = [](const QVariant& v) {
        return v.isNull() ? QString() : data::formatNumber(v.toDouble(), aproveitamentoFormat, QLocale());
    };
    if (text(resultado.value()) == text(total.value()))
        return;
    abate.edit();
    total.setValue(resultado.value());
    abate.post();
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
