// The slaughter result window F_Abate on the demo's data (unit 1, 15/03/2024) at each scale,
// against the server time of the same statements replayed with plain libpq in turns in the
// same run:
//   - shown: from the window created to every tab filled and painted once;
//   - one price typed and posted with AutoRefresh on, until the grid shows the new result;
//   - every price of the day restored (one save, one read) until the grid shows the results.
//
//   bench_slaughter_result [scale...]   default: 1 18; needs eval "$(db/server env)"

#include "ClientDataSet.h"
#include "DBXConnection.h"
#include "DataModule_Custo.h"
#include "DemoDay.h"
#include "DemoMenu.h"
#include "Figures.h"
#include "InTurns.h"
#include "GridColumn.h"
#include "GridView.h"
#include "MessageBox.h"
#include "Provider.h"
#include "Query.h"
#include "StatementLog.h"
#include "StatementReplay.h"
#include "ResultsStatements.h"
#include "TF_Abate.h"
#include "TF_Menu.h"
#include "TestDatabase.h"

#include <QApplication>
#include <QLocale>
#include <QTabWidget>
#include <QTest>
#include <cstdio>

using namespace custos;
using bench::Figure;
using bench::inTurns;
using bench::print;

namespace {

constexpr int kRounds = 15;
constexpr int kRestoreRounds = 5;

// Brings every tab of the window to the front once and lets it paint.
void paintEveryTab(results::TF_Abate& window)
{
    QApplication::processEvents();
    for (const char* name : {"PageControl2", "PageControl1"}) {
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

std::unique_ptr<results::TF_Abate> showWindow(data::TDataModule_Custo& module, QWidget* owner)
{
    auto window = std::make_unique<results::TF_Abate>(module, test::kDemoDay, owner);
    window->setWindowState(Qt::WindowNoState);
    window->resize(1440, 900);
    window->show();
    paintEveryTab(*window);
    return window;
}

// The statements a save rule of the products sends after its UPDATEs: the products read
// again, the day's total written and the slaughter read again.
void noteRereads(bench::StatementLog& log, data::TDataModule_Custo& module, std::vector<bench::SentStatement>& into)
{
    log.sent.clear();
    log.note(module.dataSet(QStringLiteral("CDS_AbateProduto")));
    data::ClientDataSet& abate = module.clientDataSet(QStringLiteral("CDS_Abate"));
    session::Params total;
    total.setNumber(QStringLiteral("S1"), abate.fieldByName(QStringLiteral("TOTAL_APROVEITAMENTO")).asFloat());
    total.setNumber(QStringLiteral("K1"), abate.fieldByName(QStringLiteral("ID_ABATE")).asFloat());
    log.sent.push_back({QStringLiteral("DSP_Abate"),
                        QStringLiteral("UPDATE VELKO_CST.ABATE SET TOTAL_APROVEITAMENTO = :S1 WHERE ID_ABATE = :K1"), total});
    log.note(abate);
    into.insert(into.end(), log.sent.begin(), log.sent.end());
}

bench::SentStatement priceUpdate(double price, double id)
{
    session::Params p;
    p.setNumber(QStringLiteral("S1"), price);
    p.setNumber(QStringLiteral("K1"), id);
    return {QStringLiteral("DSP_AbateProduto"),
            QStringLiteral("UPDATE VELKO_CST.ABATE_PRECO SET PRECO = :S1 WHERE ID_ABATE_PRECO = :K1"), p};
}

void measure(int scale)
{
    test::TestDatabase db;
    std::fprintf(stderr, "bench_slaughter_result: loading the demo at scale %d and costing 01-15/03/2024...\n", scale);
    test::loadDemoDay(db, scale);
    auto connection = db.connect();
    data::TDataModule_Custo module(*connection);
    dayproc::TF_Menu menu;
    bench::showDemoDay(menu);
    const ui::ScopedMessageHook yes([](ui::MessageType, ui::MessageButtons, const QString&) { return ui::MessageResult::Yes; });

    // Shown.
    bench::StatementLog log(module);
    std::vector<bench::SentStatement> shown;
    showWindow(module, &menu);
    shown = log.sent;
    shown.push_back({QStringLiteral("Q_Mercado"), results::statements::Q_Mercado.text(), {}});
    bench::StatementReplay showReplay(db.serviceName(), shown);
    const Figure show = inTurns(kRounds, showReplay, [&] { showWindow(module, &menu); });

    // One price typed and posted.
    auto window = showWindow(module, &menu);
    auto* view = window->findChild<grid::GridView*>(QStringLiteral("GridCustoProdutos"));
    data::ClientDataSet& products = module.clientDataSet(QStringLiteral("CDS_AbateProduto"));
    if (!products.locate(QStringLiteral("CRITERIO_RECEITA"), QStringLiteral("M"))) {
        std::fprintf(stderr, "bench_slaughter_result: no product with an editable price\n");
        return;
    }
    const QString code = products.fieldByName(QStringLiteral("CODIGO_PRODUTO")).asString();
    const double id = products.fieldByName(QStringLiteral("ID_ABATE_PRECO")).asFloat();
    const double base = products.fieldByName(QStringLiteral("PRECO")).asFloat();
    std::vector<bench::SentStatement> typed{priceUpdate(base + 0.5, id)};
    noteRereads(log, module, typed);
    bench::StatementReplay typeReplay(db.serviceName(), typed);
    int typing = 0;
    const Figure type = inTurns(kRounds, typeReplay, [&] {
        products.locate(QStringLiteral("CODIGO_PRODUTO"), code);
        view->focusSourceRow(products.recNo() - 1);
        view->setFocusedColumn(view->column(QStringLiteral("PRECO")));
        view->setFocus();
        const QString text = QString::number(base + (++typing % 2 ? 0.5 : 0.25), 'f', 2);
        QTest::keyClicks(view, text.left(1));
        QTest::keyClicks(view->cellEditor(), text.mid(1));
        QTest::keyClick(view->cellEditor(), Qt::Key_Return);
        QApplication::processEvents();
    });

    // Every price restored.
    const QString changed = QStringLiteral("UPDATE velko_cst.abate_preco SET preco = preco_original + 1");
    std::vector<bench::SentStatement> restored;
    for (int r = 0; r < products.recordCount(); ++r)
        restored.push_back(priceUpdate(products.value(r, products.fieldByName(QStringLiteral("PRECO_ORIGINAL")).index())
                                           .toDouble(),
                                       products.value(r, products.fieldByName(QStringLiteral("ID_ABATE_PRECO")).index())
                                           .toDouble()));
    noteRereads(log, module, restored);
    bench::StatementReplay restoreReplay(db.serviceName(), restored);
    const Figure restore = inTurns(
        kRestoreRounds, restoreReplay,
        [&] {
            window->RestaurarPrecoMedioOriginal();
            QApplication::processEvents();
        },
        [&] {
            db.exec(changed);
            window->Atualizar();
        });

    std::printf("scale %2d: %d products\n", scale, products.recordCount());
    print("shown, every tab painted", show, "(target: share under 20 %)");
    print("one price typed and posted", type, "(target: share under 20 %)");
    print("every price restored", restore, "(target: under 2,000 ms at the large scale)");
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    std::vector<int> scales;
    for (int i = 1; i < argc; ++i)
        scales.push_back(std::atoi(argv[i]));
    if (scales.empty())
        scales = {1, 18};
    for (int scale : scales) {
        if (scale < 1 || scale > 99) {
            std::fprintf(stderr, "bench_slaughter_result: a scale is a whole number from 1 to 99\n");
            return 2;
        }
    }
    std::printf("Slaughter result window of unit 1 on 15/03/2024: medians, in turns with the replay\n");
    for (int scale : scales)
        measure(scale);
    return 0;
}
