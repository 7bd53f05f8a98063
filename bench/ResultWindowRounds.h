#pragma once
// What the result windows' benchmarks share: the main window on the demo day in a database of
// its own, a result window shown with every tab painted once, a price typed into a grid cell as
// the user types it and the UPDATE its save sends, the restoration of every price, and the
// window's side timed in turns with the replay of the same statements, printed as the window's
// share.

#include "ClientDataSet.h"
#include "DBXConnection.h"
#include "DataModule_Custo.h"
#include "DemoDay.h"
#include "Figures.h"
#include "GridColumn.h"
#include "GridView.h"
#include "MessageBox.h"
#include "PlannerCalendar.h"
#include "StatementReplay.h"
#include "TF_Menu.h"
#include "TestDatabase.h"

#include <QApplication>
#include <QTabWidget>
#include <QTest>
#include <cstdio>
#include <functional>
#include <initializer_list>
#include <memory>

namespace custos::bench {

constexpr int kWarmUp = 2;

struct Figure
{
    double window;
    double server;
};

// The demo loaded at a scale into a database of its own, the cost data module on it and the
// main window with the demo day selected by a click, as the user does; every question is
// answered Yes.
struct DemoDayMenu
{
    DemoDayMenu(int scale, const char* program)
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
    ui::ScopedMessageHook yes{[](ui::MessageType, ui::MessageButtons, const QString&) { return ui::MessageResult::Yes; }};
};

// Brings every shown tab of the named tab widgets (inner ones first) to the front once and lets
// it paint.
inline void paintEveryTab(QWidget& window, std::initializer_list<const char*> tabWidgets)
{
    QApplication::processEvents();
    for (const char* name : tabWidgets) {
        auto* tabs = window.findChild<QTabWidget*>(QString::fromLatin1(name));
        const int current = tabs->currentIndex();
        for (int i = 0; i < tabs->count(); ++i) {
            if (!tabs->isTabVisible(i) || i == current)
                continue;
            tabs->setCurrentIndex(i);
            QApplication::processEvents();
        }
    }
}

// A result window over the menu's data module for the demo day, shown with every tab of the
// named tab widgets painted once.
template <class Window>
std::unique_ptr<Window> showWindow(DemoDayMenu& demo, std::initializer_list<const char*> tabWidgets)
{
    auto window = std::make_unique<Window>(*demo.module, test::kDemoDay, demo.menu.get());
    window->setWindowState(Qt::WindowNoState);
    window->resize(1440, 900);
    window->show();
    paintEveryTab(*window, tabWidgets);
    return window;
}

// Types text into the view's cell of the source row and column and leaves it with Enter.
inline void typePrice(grid::GridView& view, int sourceRow, const QString& field, const QString& text)
{
    view.focusSourceRow(sourceRow);
    view.setFocusedColumn(view.column(field));
    view.setFocus();
    QTest::keyClicks(&view, text.left(1));
    QTest::keyClicks(view.cellEditor(), text.mid(1));
    QTest::keyClick(view.cellEditor(), Qt::Key_Return);
    QApplication::processEvents();
}

// The UPDATE the save of one edited price sends: PRECO of the provider's table, keyed by its
// identifying field.
inline SentStatement priceUpdate(const char* provider, const char* table, const char* key, double price, double id)
{
    session::Params p;
    p.setNumber(QStringLiteral("S1"), price);
    p.setNumber(QStringLiteral("K1"), id);
    return {QString::fromLatin1(provider),
            QStringLiteral("UPDATE %1 SET PRECO = :S1 WHERE %2 = :K1").arg(QLatin1String(table), QLatin1String(key)), p};
}

// Runs the window's side and the replay in turns (prepare before each) and gives their medians.
inline Figure inTurns(int rounds, StatementReplay& replay, const std::function<void()>& windowSide,
                      const std::function<void()>& prepare = {})
{
    std::vector<double> window, server;
    for (int round = 0; round < rounds + kWarmUp; ++round) {
        double w = 0, s = 0;
        for (int side = 0; side < 2; ++side) {
            if (prepare)
                prepare();
            if ((side + round) % 2 == 0) {
                const auto t0 = Clock::now();
                windowSide();
                w = ms(Clock::now() - t0);
            } else {
                const auto t0 = Clock::now();
                replay.run();
                s = ms(Clock::now() - t0);
            }
        }
        if (round >= kWarmUp) {
            window.push_back(w);
            server.push_back(s);
        }
    }
    return {median(window), median(server)};
}

// The rounds of one price typed into view on the row of dataSet whose keyField is key,
// alternately base + 0.5 and base + 0.25, in turns with replay.
inline Figure typingInTurns(int rounds, StatementReplay& replay, grid::GridView& view, data::ClientDataSet& dataSet,
                            const QString& keyField, const QVariant& key, double base)
{
    int typing = 0;
    return inTurns(rounds, replay, [&] {
        dataSet.locate(keyField, key);
        typePrice(view, dataSet.recNo() - 1, QStringLiteral("PRECO"), QString::number(base + (++typing % 2 ? 0.5 : 0.25), 'f', 2));
    });
}

// The UPDATEs the restoration of every row of dataSet sends: its original price written back
// into table (as priceUpdate) by the row's key field.
inline std::vector<SentStatement> restoredPrices(const data::ClientDataSet& dataSet, const char* provider,
                                                 const char* table, const char* key)
{
    std::vector<SentStatement> restored;
    const int original = dataSet.fieldByName(QStringLiteral("PRECO_ORIGINAL")).index();
    const int id = dataSet.fieldByName(QString::fromLatin1(key)).index();
    for (int r = 0; r < dataSet.recordCount(); ++r)
        restored.push_back(priceUpdate(provider, table, key, dataSet.value(r, original).toDouble(), dataSet.value(r, id).toDouble()));
    return restored;
}

// The rounds of "Restaurar Preço Médio Original" answered Yes, in turns with replay; before each
// side, changed moves the prices off their originals on the server and the window reads them.
template <class Window>
Figure restoringInTurns(int rounds, StatementReplay& replay, Window& window, const test::TestDatabase& db,
                        const QString& changed)
{
    return inTurns(
        rounds, replay,
        [&] {
            window.RestaurarPrecoMedioOriginal();
            QApplication::processEvents();
        },
        [&] {
            db.exec(changed);
            window.Atualizar();
        });
}

inline void print(const char* what, const Figure& f, const char* target)
{
    std::printf("  %-34s %9.1f ms   server %8.1f ms   window's share %5.1f %%   %s\n", what, f.window, f.server,
                (f.window - f.server) / f.window * 100, target);
}

} // namespace custos::bench
