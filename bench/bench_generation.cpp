// A cost generation as the user sees it: from "&OK" in the generation dialog to the main window
// repainted with the reloaded day, in the central database and over the link into the unit's
// processing database and back, against the server time of the same blocks and day-load
// statements replayed with plain libpq in turns in the same run, on a database of its own
// holding the demo's data (unit 1, 15/03/2024) at each scale.
//
//   bench_generation [scale...]   default: 1 18; needs eval "$(db/server env)"

#include "DBXConnection.h"
#include "DataModule_Custo.h"
#include "DayOperationValues.h"
#include "DemoDay.h"
#include "Figures.h"
#include "GenerationBlocks.h"
#include "MessageBox.h"
#include "PlannerCalendar.h"
#include "StatementLog.h"
#include "StatementReplay.h"
#include "TF_Menu.h"
#include "TestDatabase.h"
#include "WindowBenchMain.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cstdio>

using namespace custos;
using bench::Clock;
using bench::median;
using bench::ms;

namespace {

// Presses "&OK" once the generation dialog shows; t0 is the moment of the press.
void pressOkWhenShown(Clock::time_point& t0)
{
    auto* timer = new QTimer;
    timer->setInterval(1);
    QObject::connect(timer, &QTimer::timeout, [timer, &t0] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (!dialog || dialog->objectName() != QLatin1String("F_GerarCusto"))
            return;
        timer->stop();
        timer->deleteLater();
        t0 = Clock::now();
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("cxButton1")), Qt::LeftButton);
    });
    timer->start();
}

// "&Gerar", "&OK", and the reloaded day painted: the time from the press of "&OK".
Clock::duration generateFromTheWindow(dayproc::TF_Menu& menu)
{
    Clock::time_point t0;
    pressOkWhenShown(t0);
    QTest::mouseClick(menu.findChild<QPushButton*>(QStringLiteral("cxButton1")), Qt::LeftButton);
    QApplication::processEvents();
    return Clock::now() - t0;
}

// The blocks of the run as statements to replay; the copy-back in its transaction.
std::vector<bench::SentStatement> blockStatements(const server::GenerationInput& input)
{
    std::vector<bench::SentStatement> out;
    bool inCopyBack = false;
    for (const server::GenerationBlock& block : server::generationBlocks(input)) {
        if (block.copyBack && !inCopyBack) {
            out.push_back({QStringLiteral("copy-back"), QStringLiteral("BEGIN ISOLATION LEVEL READ COMMITTED"), {}, true});
            inCopyBack = true;
        }
        out.push_back({block.logLine, block.text, block.params});
    }
    if (inCopyBack)
        out.push_back({QStringLiteral("copy-back"), QStringLiteral("COMMIT"), {}, true});
    return out;
}

struct Figures
{
    double window = 0;
    double server = 0;
};

Figures measure(const test::TestDatabase& db, data::TDataModule_Custo& module, dayproc::TF_Menu& menu, bool overTheLink,
                int rounds)
{
    db.exec(overTheLink ? QStringLiteral("UPDATE velko_cst.unidade SET dblink = 'UNIDADE2', tnsnames = 'CUSTOS_UN2' WHERE id_unidade = 1")
                        : QStringLiteral("UPDATE velko_cst.unidade SET dblink = NULL, tnsnames = NULL WHERE id_unidade = 1"));
    menu.PlannerCalendar1DaySelect(test::kDemoDay);

    // The first run notes the day load's statements; its blocks are those of the run's values.
    std::vector<bench::SentStatement> statements =
        blockStatements(dayproc::generationInput(module, 1, test::kDemoDay, QDateTime(QDate(2024, 3, 16), QTime(7, 0)), true));
    {
        bench::StatementLog log(module);
        generateFromTheWindow(menu);
        statements.insert(statements.end(), log.sent.begin(), log.sent.end());
    }
    bench::StatementReplay replay(db.serviceName(), statements);

    std::vector<double> window, server;
    for (int round = 0; round < rounds; ++round) {
        for (int side = 0; side < 2; ++side) {
            if ((side + round) % 2 == 0) {
                window.push_back(ms(generateFromTheWindow(menu)));
            } else {
                const auto t0 = Clock::now();
                replay.run();
                server.push_back(ms(Clock::now() - t0));
            }
        }
    }
    return {median(window), median(server)};
}

void measure(int scale, int rounds)
{
    test::TestDatabase db;
    std::fprintf(stderr, "bench_generation: loading the demo at scale %d (central and unit databases)...\n", scale);
    test::loadDemoDay(db, scale);
    test::loadDemoMovementIntoUnit(db, scale);
    // Unit 1 was costed here; the keys its processing database draws must not meet those.
    db.execOnUnit(QStringLiteral("SELECT setval('pkg_base_custo.sq_custo', 500000000)"));
    auto connection = db.connect();
    data::TDataModule_Custo module(*connection);
    dayproc::TF_Menu menu;
    menu.resize(1440, 900);
    menu.show();
    menu.findChild<dayproc::PlannerCalendar*>(QStringLiteral("PlannerCalendar1"))->setDate(test::kDemoDay);

    const Figures local = measure(db, module, menu, false, rounds);
    const Figures linked = measure(db, module, menu, true, rounds);
    std::printf("scale %2d: products of the day %d, families %d\n", scale,
                module.dataSet(QStringLiteral("CDS_AbateProduto")).recordCount(),
                module.dataSet(QStringLiteral("CDS_Resultado")).recordCount());
    for (const auto& [name, f] : {std::pair{"local", local}, std::pair{"over the link", linked}}) {
        std::printf("  %-14s OK to day repainted %9.1f ms, server time %9.1f ms, program's share %5.1f %%   (target under 10 %%)\n",
                    name, f.window, f.server, (f.window - f.server) / f.window * 100);
    }
    std::printf("  over the link / local         %5.2f x   (target at most 2 x at scale 18)\n", linked.window / local.window);
}

} // namespace

int main(int argc, char** argv)
{
    // A message box during a run is a failure of the run: it is printed and the benchmark ends.
    const ui::ScopedMessageHook failOnMessage([](ui::MessageType, ui::MessageButtons, const QString& text) -> ui::MessageResult {
        std::fprintf(stderr, "bench_generation: %s\n", qPrintable(text));
        std::exit(1);
    });
    return bench::measureAtScales(
        argc, argv, {1, 18}, "bench_generation",
        "Generation of unit 1 on 15/03/2024 from the main window: median of the rounds, in turns with the replay",
        [](int scale) { measure(scale, scale > 10 ? 3 : 7); });
}
