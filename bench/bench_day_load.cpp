// The main window's day load as the user sees it: from the day selected in the calendar to
// every shown tab painted once, as a user who looks at each tab after the load sees it (the
// load paints its current tab, each other tab is painted as it comes to the front), against the
// server time of the statements the load sent, replayed with plain libpq in turns in the same
// run, on a database of its own holding the demo's data (unit 1, 15/03/2024) at each scale.
//
//   bench_day_load [scale...]   default: 1 10; needs eval "$(db/server env)"

#include "ClientDataSet.h"
#include "DBXConnection.h"
#include "DataModule_Custo.h"
#include "DemoDay.h"
#include "Figures.h"
#include "PlannerCalendar.h"
#include "Provider.h"
#include "Query.h"
#include "SessionStatements.h"
#include "StatementLog.h"
#include "StatementReplay.h"
#include "TF_Menu.h"
#include "TestDatabase.h"
#include "WindowBenchMain.h"

#include <QApplication>
#include <QTabWidget>
#include <QTest>
#include <cstdio>

using namespace custos;
using bench::Clock;
using bench::median;
using bench::ms;

namespace {

constexpr int kRounds = 30;
constexpr int kWarmUp = 3;

struct Shown
{
    Clock::duration load;   // the click, up to the day load's return (its current tab painted)
    Clock::duration render; // then every other shown tab brought to the front and painted
};

// Selects the day with the mouse and brings every other shown tab to the front once.
Shown showDay(dayproc::TF_Menu& menu)
{
    auto* calendar = menu.findChild<dayproc::PlannerCalendar*>(QStringLiteral("PlannerCalendar1"));
    auto* tabs = menu.findChild<QTabWidget*>(QStringLiteral("PageControl_Menu"));
    calendar->showMonth(test::kDemoDay);
    const QPoint day = calendar->dayRect(test::kDemoDay).center();
    const auto t0 = Clock::now();
    QTest::mouseClick(calendar, Qt::LeftButton, {}, day);
    // The load ends by processing the pending window messages, which paints its current tab.
    const auto t1 = Clock::now();
    // Then the user brings each other shown tab to the front once: the tab change lays the
    // window out and processes the pending messages, which paints the tab, and the event loop
    // handles whatever that left pending. Nothing is painted on top of that.
    for (int i = 0; i < tabs->count(); ++i) {
        if (!tabs->isTabVisible(i) || i == tabs->currentIndex())
            continue;
        tabs->setCurrentIndex(i);
        QApplication::processEvents();
    }
    return {t1 - t0, Clock::now() - t1};
}

void measure(int scale)
{
    test::TestDatabase db;
    std::fprintf(stderr, "bench_day_load: loading the demo at scale %d and costing 01-15/03/2024...\n", scale);
    test::loadDemoDay(db, scale);
    auto connection = db.connect();
    data::TDataModule_Custo module(*connection);
    dayproc::TF_Menu menu;
    menu.resize(1440, 900);
    menu.show();

    bench::StatementLog log(module);
    showDay(menu);
    std::vector<bench::SentStatement> statements = log.sent;
    // The process-type filter (all families) empties the two family lists of the scratch table.
    for (int key : {1, 2}) {
        session::Params p;
        p.setInteger(QStringLiteral("Chave"), key);
        statements.push_back({session::statements::LimpaClausulaIn.name(), session::statements::LimpaClausulaIn, p});
    }
    bench::StatementReplay replay(db.serviceName(), statements);

    std::vector<double> window, load, render, server;
    for (int round = 0; round < kRounds + kWarmUp; ++round) {
        Shown w{};
        Clock::duration s{};
        for (int side = 0; side < 2; ++side) {
            if ((side + round) % 2 == 0)
                w = showDay(menu);
            else {
                const auto t0 = Clock::now();
                replay.run();
                s = Clock::now() - t0;
            }
        }
        if (round < kWarmUp)
            continue;
        window.push_back(ms(w.load + w.render));
        load.push_back(ms(w.load));
        render.push_back(ms(w.render));
        server.push_back(ms(s));
    }
    const double w = median(window);
    const double s = median(server);
    const auto rows = [&](const char* name) { return module.dataSet(QString::fromLatin1(name)).recordCount(); };
    std::printf("scale %2d: %zu statements (products %d, families %d, resale groups %d)\n", scale, statements.size(),
                rows("CDS_AbateProduto"), rows("CDS_Resultado"), rows("CDS_ResumoRevenda"));
    std::printf("  day shown, all tabs rendered %9.1f ms   (target under 300 ms at scale 1)\n", w);
    std::printf("    the load (click to return)  %8.1f ms\n", median(load));
    std::printf("    painting the other tabs     %8.1f ms\n", median(render));
    std::printf("  server time of its statements %8.1f ms\n", s);
    std::printf("  client share                  %8.1f %%   (target under 20 %%)\n", (w - s) / w * 100);
}

} // namespace

int main(int argc, char** argv)
{
    return bench::measureAtScales(argc, argv, {1, 10}, "bench_day_load",
                                  "Main window day load of unit 1 on 15/03/2024: median of " + std::to_string(kRounds)
                                      + " rounds, in turns with the replay",
                                  measure);
}
