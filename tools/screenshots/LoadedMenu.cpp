#include "LoadedMenu.h"

#include "DemoSession.h"

#include <PlannerCalendar.h>
#include <TF_Menu.h>

#include <QCoreApplication>

namespace custos::screenshots {

dayproc::TF_Menu& loadedMenu()
{
    static std::unique_ptr<dayproc::TF_Menu> menu;
    if (!menu) {
        qAddPostRoutine([] { menu.reset(); }); // windows go before the application does
        DemoSession& session = demo();
        menu = std::make_unique<dayproc::TF_Menu>();
        menu->show();
        menu->findChild<dayproc::PlannerCalendar*>(QStringLiteral("PlannerCalendar1"))->setDate(session.day);
        menu->PlannerCalendar1DaySelect(session.day);
        menu->hide();
    }
    return *menu;
}

} // namespace custos::screenshots
