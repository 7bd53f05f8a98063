// The login window and the main window on the demo database (service CUSTOS, user GERENTE,
// unit 1), one picture per tab, on the last demo day with slaughter, production and resale.

#include "Shot.h"

#include <DBXConnection.h>
#include <DataModule_Custo.h>
#include <Global_Library.h>
#include <PlannerCalendar.h>
#include <TF_Menu.h>
#include <TF_login.h>

#include <QDate>
#include <QFile>
#include <QLineEdit>
#include <QTabWidget>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <exception>

namespace custos::screenshots {

namespace {

// The session and the data module of the tour, connected to the demo on first use.
struct DemoSession
{
    DemoSession()
    {
        session::DBXConnection& c = library.connection();
        c.setParam(QStringLiteral("DATABASE"), QStringLiteral("CUSTOS"));
        c.setParam(QStringLiteral("USER_NAME"), QStringLiteral("GERENTE"));
        c.setParam(QStringLiteral("PASSWORD"), QStringLiteral("custos"));
        c.setParam(QStringLiteral("DEFAULT COMPANY"), QStringLiteral("1"));
        c.open();
        module = std::make_unique<data::TDataModule_Custo>(c);
        const session::Result last = c.query(QStringLiteral(
            "SELECT max(a.data) dia FROM velko_cst.abate a, velko_cst.industrial i, velko_cst.revenda r"
            " WHERE a.id_unidade = 1 AND i.id_unidade = 1 AND r.id_unidade = 1"
            "   AND i.data = a.data AND r.data = a.data"));
        day = last.value(0, 0).toDateTime().date();
        if (!day.isValid())
            throw std::runtime_error("the demo database has no day with slaughter, production and resale");
    }

    session::Global_Library library;
    std::unique_ptr<data::TDataModule_Custo> module;
    QDate day;
};

DemoSession& demo()
{
    static std::unique_ptr<DemoSession> session;
    if (!session) {
        try {
            session = std::make_unique<DemoSession>();
        } catch (const std::exception& error) {
            std::fprintf(stderr, "screenshots: the demo database is needed (db/server demo; eval \"$(db/server env)\"): %s\n",
                         error.what());
            std::exit(1);
        }
    }
    return *session;
}

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
    };
}

} // namespace custos::screenshots
