#pragma once
// What the result window benchmarks share: the demo's data costed at a scale in a database of
// its own, the cost data module on it and the main window with the demo day selected (as the
// result windows find the datasets); and a price typed into a grid as the user does.

#include "DBXConnection.h"
#include "DataModule_Custo.h"
#include "DemoDay.h"
#include "GridColumn.h"
#include "GridView.h"
#include "PlannerCalendar.h"
#include "TF_Menu.h"
#include "TestDatabase.h"

#include <QApplication>
#include <QTest>
#include <cstdio>
#include <memory>

namespace custos::bench {

struct DemoMenu
{
    DemoMenu(int scale, const char* program)
    {
        std::fprintf(stderr, "%s: loading the demo at scale %d and costing 01-15/03/2024...\n", program, scale);
        test::loadDemoDay(db, scale);
        connection = db.connect();
        module = std::make_unique<data::TDataModule_Custo>(*connection);
        menu = std::make_unique<dayproc::TF_Menu>();
        menu->resize(1440, 900);
        menu->show();
        auto* calendar = menu->findChild<dayproc::PlannerCalendar*>(QStringLiteral("PlannerCalendar1"));
        calendar->showMonth(test::kDemoDay);
        QTest::mouseClick(calendar, Qt::LeftButton, {}, calendar->dayRect(test::kDemoDay).center());
    }

    test::TestDatabase db;
    std::unique_ptr<session::DBXConnection> connection;
    std::unique_ptr<data::TDataModule_Custo> module;
    std::unique_ptr<dayproc::TF_Menu> menu;
};

// Focuses the row's "PRECO" cell, types text and leaves with Enter, then lets the grid paint.
inline void typePrice(grid::GridView* view, int sourceRow, const QString& text)
{
    view->focusSourceRow(sourceRow);
    view->setFocusedColumn(view->column(QStringLiteral("PRECO")));
    view->setFocus();
    QTest::keyClicks(view, text.left(1));
    QTest::keyClicks(view->cellEditor(), text.mid(1));
    QTest::keyClick(view->cellEditor(), Qt::Key_Return);
    QApplication::processEvents();
}

} // namespace custos::bench
