// The slaughter result window F_Abate on the demo's data (unit 1, 15/03/2024) at each scale,
// against the server time of the same statements replayed with plain libpq in turns in the
// same run:
//   - shown: from the window created to every tab filled and painted once;
//   - one price typed and posted with AutoRefresh on, until the grid shows the new result;
//   - every price of the day restored (one save, one read) until the grid shows the results.
//
//   bench_slaughter_result [scale...]   default: 1 18; needs eval "$(db/server env)"

#include "ClientDataSet.h"
#include "Provider.h"
#include "Query.h"
#include "ResultWindowRounds.h"
#include "ResultsStatements.h"
#include "StatementLog.h"
#include "TF_Abate.h"
#include "WindowBenchMain.h"


using namespace custos;
using bench::Figure;
using bench::inTurns;
using bench::print;

namespace {

constexpr int kRounds = 15;
constexpr int kRestoreRounds = 5;

std::unique_ptr<results::TF_Abate> showWindow(bench::DemoDayMenu& demo)
{
    return bench::showWindow<results::TF_Abate>(demo, {"PageControl2", "PageControl1"});
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

void measure(int scale)
{
    bench::DemoDayMenu demo(scale, "bench_slaughter_result");
    const test::TestDatabase& db = demo.db;
    data::TDataModule_Custo& module = *demo.module;

    // Shown.
    bench::StatementLog log(module);
    std::vector<bench::SentStatement> shown;
    showWindow(demo);
    shown = log.sent;
    shown.push_back({QStringLiteral("Q_Mercado"), results::statements::Q_Mercado.text(), {}});
    bench::StatementReplay showReplay(db.serviceName(), shown);
    const Figure show = inTurns(kRounds, showReplay, [&] { showWindow(demo); });

    // One price typed and posted.
    auto window = showWindow(demo);
    auto* view = window->findChild<grid::GridView*>(QStringLiteral("GridCustoProdutos"));
    data::ClientDataSet& products = module.clientDataSet(QStringLiteral("CDS_AbateProduto"));
    if (!products.locate(QStringLiteral("CRITERIO_RECEITA"), QStringLiteral("M"))) {
        std::fprintf(stderr, "bench_slaughter_result: no product with an editable price\n");
        return;
    }
    const QString code = products.fieldByName(QStringLiteral("CODIGO_PRODUTO")).asString();
    const double id = products.fieldByName(QStringLiteral("ID_ABATE_PRECO")).asFloat();
    const double base = products.fieldByName(QStringLiteral("PRECO")).asFloat();
    std::vector<bench::SentStatement> typed{bench::priceUpdate("DSP_AbateProduto", "VELKO_CST.ABATE_PRECO", "ID_ABATE_PRECO", base + 0.5, id)};
    noteRereads(log, module, typed);
    bench::StatementReplay typeReplay(db.serviceName(), typed);
    const Figure type =
        bench::typingInTurns(kRounds, typeReplay, *view, products, QStringLiteral("CODIGO_PRODUTO"), code, base);

    // Every price restored.
    std::vector<bench::SentStatement> restored =
        bench::restoredPrices(products, "DSP_AbateProduto", "VELKO_CST.ABATE_PRECO", "ID_ABATE_PRECO");
    noteRereads(log, module, restored);
    bench::StatementReplay restoreReplay(db.serviceName(), restored);
    const Figure restore = bench::restoringInTurns(kRestoreRounds, restoreReplay, *window, db,
                                                   QStringLiteral("UPDATE velko_cst.abate_preco SET preco = preco_original + 1"));

    std::printf("scale %2d: %d products\n", scale, products.recordCount());
    print("shown, every tab painted", show, "(target: share under 20 %)");
    print("one price typed and posted", type, "(target: share under 20 %)");
    print("every price restored", restore, "(target: under 2,000 ms at the large scale)");
}

} // namespace

int main(int argc, char** argv)
{
    return bench::measureAtScales(argc, argv, {1, 18}, "bench_slaughter_result",
                                  "Slaughter result window of unit 1 on 15/03/2024: medians, in turns with the replay",
                                  measure);
}
