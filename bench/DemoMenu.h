#pragma once
// The main window shown with the demo's day picked in its calendar with the mouse, as the
// analyst does before opening a result window: the day's datasets of the module loaded.

#include "DemoDay.h"
#include "PlannerCalendar.h"
#include "TF_Menu.h"

#include <QTest>

namespace custos::bench {

inline void showDemoDay(dayproc::TF_Menu& menu)
{
    menu.resize(1440, 900);
    menu.show();
    auto* calendar = menu.findChild<dayproc::PlannerCalendar*>(QStringLiteral("PlannerCalendar1"));
    calendar->showMonth(test::kDemoDay);
    QTest::mouseClick(calendar, Qt::LeftButton, {}, calendar->dayRect(test::kDemoDay).center());
}

} // namespace custos::bench
