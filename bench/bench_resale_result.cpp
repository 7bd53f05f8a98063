// The resale result window F_RevendaResultado on the demo's data (unit 1, 15/03/2024) for the
// resale group with the most products, at each scale, against the server time of the same
// statements replayed with plain libpq in turns in the same run:
//   - shown: from the window created to the grid and the strip filled and painted;
//   - one price typed and posted with AutoRefresh on, until the grid shows the new result;
//   - every price of the group restored (one save, one read) until the grid shows the results.
//
//   bench_resale_result [scale...]   default: 1 18; needs eval "$(db/server env)"

#include "ClientDataSet.h"
#include "ResultWindowRounds.h"
#include "ResultsStatements.h"
#include "StatementLog.h"
#include "TF_RevendaResultado.h"
#include "WindowBenchMain.h"


using namespace custos;
using bench::Figure;

namespace {

constexpr int kRounds = 15;
constexpr int kRestoreRounds = 5;

// The window reads its group from the day's summary, not from a day given to it.
std::unique_ptr<results::TF_RevendaResultado> showWindow(bench::DemoDayMenu& demo)
{
    auto window = std::make_unique<results::TF_RevendaResultado>(*demo.module, demo.menu.get());
    window->setWindowState(Qt::WindowNoState);
    window->resize(1440, 900);
    window->show();
    QApplication::processEvents();
    return window;
}

// Positions the day's group summary on the group with the most products; false when the day
// has no resale.
bool positionOnTheLargestGroup(data::TDataModule_Custo& module)
{
    const session::Result largest = module.connection().query(
        QStringLiteral("select codigo_familia, codigo_grupo, count(*) produtos"
                       "  from table(velko_cst.pkg_revenda.ppl_resultado(:id_unidade,:data,:data))"
                       " group by codigo_familia, codigo_grupo order by 3 desc, 1, 2"),
        session::Params().setNumber(QStringLiteral("id_unidade"), 1).setDate(QStringLiteral("data"), test::kDemoDay));
    if (largest.rowCount() == 0)
        return false;
    data::ClientDataSet& groups = module.clientDataSet(QStringLiteral("CDS_ResumoRevenda"));
    for (int row = 1; row <= groups.recordCount(); ++row) {
        groups.setRecNo(row);
        if (groups.fieldByName(QStringLiteral("CODIGO_FAMILIA")).asFloat() == largest.value(0, 0).toDouble()
            && groups.fieldByName(QStringLiteral("CODIGO_GRUPO")).asFloat() == largest.value(0, 1).toDouble())
            return true;
    }
    return false;
}

void measure(int scale)
{
    bench::DemoDayMenu demo(scale, "bench_resale_result");
    const test::TestDatabase& db = demo.db;
    data::TDataModule_Custo& module = *demo.module;
    if (!positionOnTheLargestGroup(module)) {
        std::fprintf(stderr, "bench_resale_result: the day has no resale\n");
        return;
    }

    // Shown.
    bench::StatementLog log(module);
    showWindow(demo);
    std::vector<bench::SentStatement> shown = log.sent;
    shown.push_back({QStringLiteral("Q_Mercado"), results::statements::Q_Mercado.text(), {}});
    bench::StatementReplay showReplay(db.serviceName(), shown);
    const Figure show = bench::inTurns(kRounds, showReplay, [&] { showWindow(demo); });

    // One price typed and posted.
    auto window = showWindow(demo);
    auto* view = window->findChild<grid::GridView*>(QStringLiteral("GridResultado"));
    data::ClientDataSet& products = module.clientDataSet(QStringLiteral("CDS_ResultadoRevenda"));
    products.first();
    const QString code = products.fieldByName(QStringLiteral("CODIGO_PRODUTO")).asString();
    const double id = products.fieldByName(QStringLiteral("ID_REVENDA_PRECO")).asFloat();
    const double base = products.fieldByName(QStringLiteral("PRECO")).asFloat();
    const auto reread = [&] {
        log.sent.clear();
        log.note(products);
        return log.sent.front();
    };
    bench::StatementReplay typeReplay(db.serviceName(), {bench::priceUpdate("DSP_ResultadoRevenda", "VELKO_CST.REVENDA_PRECO", "ID_REVENDA_PRECO", base + 0.5, id), reread()});
    const Figure type =
        bench::typingInTurns(kRounds, typeReplay, *view, products, QStringLiteral("CODIGO_PRODUTO"), code, base);

    // Every price restored.
    std::vector<bench::SentStatement> restored =
        bench::restoredPrices(products, "DSP_ResultadoRevenda", "VELKO_CST.REVENDA_PRECO", "ID_REVENDA_PRECO");
    restored.push_back(reread());
    bench::StatementReplay restoreReplay(db.serviceName(), restored);
    const Figure restore = bench::restoringInTurns(kRestoreRounds, restoreReplay, *window, db,
                                                   QStringLiteral("UPDATE velko_cst.revenda_preco SET preco = preco_original + 1"));

    std::printf("scale %2d: %d products in the largest group\n", scale, products.recordCount());
    bench::print("shown, grid and strip painted", show, "(target: share under 20 %)");
    bench::print("one price typed and posted", type, "(target: share under 20 %)");
    bench::print("every price restored", restore, "(target: share under 20 %)");
}

} // namespace

int main(int argc, char** argv)
{
    return bench::measureAtScales(
        argc, argv, {1, 18}, "bench_resale_result",
        "Resale result window of unit 1 on 15/03/2024, largest group: medians, in turns with the replay", measure);
}
