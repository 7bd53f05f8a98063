// The main window's start-up: the modules, the session company, the parameter set of today,
// the database check, the tabs the unit has, the unit name and the first button state.

#include "TF_Menu.h"

#include "ClientDataSet.h"
#include "DBXConnection.h"
#include "DataModule_Custo.h"
#include "DayDatasets.h"
#include "DayOperationRules.h"
#include "NoticeBoxes.h"
#include "PlannerCalendar.h"
#include "Query.h"
#include "SourceBindings.h"
#include "TabAbateBovinos.h"
#include "TabAbateSuinos.h"
#include "TabProducao.h"
#include "TabRevenda.h"

#include <QLabel>
#include <QTabWidget>
#include <QTimer>

namespace custos::dayproc {

namespace {

bool flagIsOne(const data::DataSet& parametros, const char* flag)
{
    return parametros.fieldByName(QString::fromLatin1(flag)).asFloat() == 1;
}

} // namespace

void TF_Menu::FormShow()
{
    if (!m_module) {
        m_module = data::TDataModule_Custo::instance();
        m_connection = &m_module->connection();
        m_bindings->bind(*m_module);
    }

    m_PlannerCalendar1->setDate(QDate::currentDate());

    data::Query& getEmpresa = module().query(QStringLiteral("GetEmpresa"));
    getEmpresa.close();
    getEmpresa.open();
    m_abateBovinos->Panel306()->hide();

    openParametros(calendarDate());

    if (!databaseAllowed(module(), noticeBoxes(this))) {
        // The remaining steps still run; the window closes (and the program ends) once the
        // event loop runs.
        QTimer::singleShot(0, this, &QWidget::close);
    }

    showTabs();
    m_Label8->setText(module().dataSet(QStringLiteral("CDS_Parametros"))
                          .fieldByName(QStringLiteral("DESCRICAO_UNIDADE"))
                          .asString());
    applyR1();
    AtualizaBotoes();
    AjustaLayout();
}

void TF_Menu::openParametros(const QDate& day)
{
    dayproc::openParametros(module(), unit(), day);
}

double TF_Menu::unit() const
{
    return module().query(QStringLiteral("GetEmpresa")).fieldByName(QStringLiteral("CODIGO_EMPRESA")).asFloat();
}

void TF_Menu::showTabs()
{
    const data::DataSet& parametros = module().dataSet(QStringLiteral("CDS_Parametros"));
    const std::pair<QWidget*, const char*> tabs[] = {{m_abateBovinos, "U_ABATE_BOVINO"},
                                                     {m_abateSuinos, "U_ABATE_SUINO"},
                                                     {m_producao, "U_INDUSTRIALIZADO"},
                                                     {m_revenda, "U_REVENDA"}};
    for (const auto& [tab, flag] : tabs)
        m_PageControl_Menu->setTabVisible(m_PageControl_Menu->indexOf(tab), flagIsOne(parametros, flag));
}

} // namespace custos::dayproc
