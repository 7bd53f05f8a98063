// The login window and the main window on the demo database (service CUSTOS, user GERENTE,
// unit 1), one picture per tab, on the last demo day with slaughter, production and resale;
// the generation dialog with the log of a run over the link, and the two history windows on
// the demo days that have rows for them.

#include "DemoSession.h"
#include "Shot.h"

#include <DBXConnection.h>
#include <DataModule_Custo.h>
#include <Global_Library.h>
#include <PlannerCalendar.h>
#include <ClientDataSet.h>
#include <DayOperationValues.h>
#include <Query.h>
#include <TF_GerarCusto.h>
#include <TF_HistoricoCapturaPreco.h>
#include <TF_LogCusto.h>
#include <TF_Menu.h>
#include <TF_login.h>

#include <QDate>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <exception>

namespace custos::screenshots {

namespace {

std::unique_ptr<QWidget> login()
{
    // The login window belongs to the main window it fills in; both live as long as the picture.
    static dayproc::TF_Menu menu;
    auto window = std::make_unique<app::TF_login>(demo().library, menu);
    QTemporaryDir dir;
    QFile ini(dir.filePath(QStringLiteral("velko.ini")));
    if (ini.open(QIODevice::WriteOnly))
        ini.write("[VELKO]\nSERVER NAME=CUSTOS\nDEFAULT COMPANY=1\n");
    ini.close();
    window->loadSettings(ini.fileName());
    if (auto* user = window->findChild<QLineEdit*>(QStringLiteral("edUsuario")))
        user->setText(QStringLiteral("GERENTE"));
    return window;
}

// The main window, shown at the picture's size, on the demo day with one tab chosen.
std::function<std::unique_ptr<QWidget>()> mainWindow(const char* tab, QSize size)
{
    return [tab, size] {
        DemoSession& session = demo();
        auto menu = std::make_unique<dayproc::TF_Menu>();
        menu->resize(size);
        menu->show();
        menu->findChild<dayproc::PlannerCalendar*>(QStringLiteral("PlannerCalendar1"))->setDate(session.day);
        menu->PlannerCalendar1DaySelect(session.day);
        auto* tabs = menu->findChild<QTabWidget*>(QStringLiteral("PageControl_Menu"));
        tabs->setCurrentWidget(menu->findChild<QWidget*>(QString::fromLatin1(tab)));
        return std::unique_ptr<QWidget>(std::move(menu));
    };
}

// The generation dialog on the demo day, its log holding the lines a run of unit 2 over its link
// writes (the dialog is not run: the demo stays as it is).
std::unique_ptr<QWidget> generationDialog()
{
    DemoSession& session = demo();
    auto dialog = std::make_unique<dayproc::TF_GerarCusto>(
        nullptr, [](const QDateTime&, bool) { return server::GenerationInput{}; },
        [](const server::GenerationInput&, const std::function<void(const QString&)>&) {});
    dialog->setDate(session.day);
    server::GenerationInput run = dayproc::generationInput(*session.module, 2, session.day, QDateTime::currentDateTime(), true);
    run.dbLink = QStringLiteral("UNIDADE2");
    run.tnsNames = QStringLiteral("CUSTOS_UN2");
    auto* log = dialog->findChild<QPlainTextEdit*>(QStringLiteral("cxLogOutput"));
    for (const QString& line : server::generationOpeningLines(run))
        log->appendPlainText(line);
    for (const server::GenerationBlock& block : server::generationBlocks(run)) {
        if (!block.logLine.isEmpty())
            log->appendPlainText(block.logLine);
    }
    return dialog;
}

// Opens a history dataset of the module for unit 1 on the newest day that has rows for it.
QDate openNewestHistory(const char* name, const QString& newestDay)
{
    DemoSession& session = demo();
    const QDate day = session.library.connection().query(newestDay).value(0, 0).toDateTime().date();
    data::ClientDataSet& dataSet = session.module->clientDataSet(QStringLiteral("CDS_") + QLatin1String(name));
    dataSet.close();
    session::Params& params = session.module->query(QStringLiteral("Q_") + QLatin1String(name)).params();
    params.setNumber(QStringLiteral("id_unidade"), 1);
    params.setDate(QStringLiteral("data_custo"), day);
    dataSet.open();
    return day;
}

std::unique_ptr<QWidget> priceCaptureUndo()
{
    openNewestHistory("HistoricoCusto",
                      QStringLiteral("select max(a.data_geracao_custo) dia from velko_cst.abate_preco_historico a"
                                     " where a.id_unidade = 1 and not exists (select 1 from velko_cst.abate_preco ap"
                                     " where ap.id_abate_preco_historico = a.id_abate_preco_historico)"));
    return std::make_unique<dayproc::TF_HistoricoCapturaPreco>(
        demo().module->dataSource(QStringLiteral("DTS_HistoricoCusto")), [](double, const QDate&, const QDateTime&) {});
}

std::unique_ptr<QWidget> generationLog()
{
    openNewestHistory("LogCusto", QStringLiteral("select max(trunc(l.data_custo)) dia from velko_cst.log_custo l"
                                                 " where l.id_unidade = 1 and l.historico like 'Fechamento%'"));
    return std::make_unique<dayproc::TF_LogCusto>(demo().module->dataSource(QStringLiteral("DTS_LogCusto")));
}

} // namespace

std::vector<Shot> mainWindowShots()
{
    const QSize size(1440, 900);
    return {
        {QStringLiteral("F_login.png"), size, login}, // the login keeps its fixed size
        {QStringLiteral("F_Menu_AbateBovinos.png"), size, mainWindow("TabSheet_AbateBovinos", size)},
        {QStringLiteral("F_Menu_AbateSuinos.png"), size, mainWindow("TabSheet_AbateSuinos", size)},
        {QStringLiteral("F_Menu_Producao.png"), size, mainWindow("TabSheet_Producao", size)},
        {QStringLiteral("F_Menu_Revenda.png"), size, mainWindow("TabSheet_Revenda", size)},
        {QStringLiteral("F_GerarCusto.png"), QSize(590, 314), generationDialog},
        {QStringLiteral("F_HistoricoCapturaPreco.png"), QSize(520, 360), priceCaptureUndo},
        {QStringLiteral("F_LogCusto.png"), QSize(786, 420), generationLog},
    };
}

} // namespace custos::screenshots
