// The login window and the main window on the demo database (service CUSTOS, user GERENTE,
// unit 1), one picture per tab, on the last demo day with slaughter, production and resale.

#include "DemoSession.h"
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
