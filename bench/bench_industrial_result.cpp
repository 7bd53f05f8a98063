// The production result window F_IndustrializadoResultado on the demo's data (unit 1,
// 15/03/2024) at each scale, against the server time of the same statements replayed with plain
// libpq in turns in the same run:
//   - shown: from the window created to every tab filled and painted once, for the family
//     with the most products;
//   - a process tab change, there and back, for the family made in the most processes;
//   - one raw-material price typed and posted with AutoRefresh on, until the grids show the
//     new results (the family with the most products);
//   - every product price of that family restored (one save, one read).
//
//   bench_industrial_result [scale...]   default: 1 18; needs eval "$(db/server env)"

#include "ClientDataSet.h"
#include "Provider.h"
#include "Query.h"
#include "ResultWindowRounds.h"
#include "ResultsStatements.h"
#include "StatementLog.h"
#include "TF_IndustrializadoResultado.h"
#include "WindowBenchMain.h"

#include <QTabBar>
#include <algorithm>

using namespace custos;
using bench::Figure;
using bench::inTurns;
using bench::print;

namespace {

constexpr int kRounds = 15;
constexpr int kRestoreRounds = 5;

std::unique_ptr<results::TF_IndustrializadoResultado> showWindow(bench::DemoDayMenu& demo)
{
    return bench::showWindow<results::TF_IndustrializadoResultado>(demo, {"PageControl1"});
}

// What the window sends beside its datasets (which the log notes): with every refresh the
// market list and the process-type query of the first product's order, and once on show the
// CMP-date query.
void addWindowStatements(data::TDataModule_Custo& module, std::vector<bench::SentStatement>& sent, bool shown)
{
    const data::ClientDataSet& produtos = module.clientDataSet(QStringLiteral("CDS_Resultado_DT"));
    const QVariant order =
        produtos.isEmpty() ? QVariant() : produtos.value(0, produtos.fieldByName(QStringLiteral("ID_ORDEM_PRODUCAO")).index());
    session::Params tipo;
    tipo.set(QStringLiteral("ID_TABELA_PCP"), session::BindType::Number, order.isNull() ? QVariant() : QVariant(order.toDouble()));
    const auto refreshes = std::count_if(sent.begin(), sent.end(), [](const bench::SentStatement& s) {
        return s.name == QLatin1String("CDS_Resultado_DT");
    });
    for (long i = 0; i < refreshes; ++i) {
        sent.push_back({QStringLiteral("Q_Mercado"), results::statements::Q_Mercado.text(), {}});
        sent.push_back({QStringLiteral("tipoProcesso"), results::statements::tipoProcesso.text(), tipo});
    }
    if (shown) {
        const data::DataSet& industrial = module.dataSet(QStringLiteral("CDS_Industrializado"));
        sent.push_back({QStringLiteral("dataCmp"), results::statements::dataCmp.text(),
                        session::Params().setNumber(QStringLiteral("id_industrial"),
                                                    industrial.fieldByName(QStringLiteral("ID_INDUSTRIAL")).asFloat())});
    }
}

// The day's family with the most products, or with the most processes.
double family(const test::TestDatabase& db, bool byProcesses)
{
    return db
        .scalar(QStringLiteral("select p.id_familia from velko_cst.industrial i, velko_cst.industrial_produto p"
                               " where p.id_industrial = i.id_industrial and i.id_unidade = 1 and i.data = '2024-03-15'"
                               " group by p.id_familia order by %1 count(*) desc, 1 limit 1")
                    .arg(byProcesses ? QStringLiteral("count(distinct p.id_processo) desc,") : QString()))
        .toDouble();
}

void measure(int scale)
{
    bench::DemoDayMenu demo(scale, "bench_industrial_result");
    const test::TestDatabase& db = demo.db;
    data::TDataModule_Custo& module = *demo.module;
    data::ClientDataSet& resultado = module.clientDataSet(QStringLiteral("CDS_Resultado"));
    data::ClientDataSet& produtos = module.clientDataSet(QStringLiteral("CDS_Resultado_DT"));
    data::ClientDataSet& materiaPrima = module.clientDataSet(QStringLiteral("CDS_MateriaPrima_DT"));
    bench::StatementLog log(module);

    // A process tab changed to the second process and back.
    const double severalProcesses = family(db, true);
    resultado.locate(QStringLiteral("ID_FAMILIA"), severalProcesses);
    auto window = showWindow(demo);
    auto* tabs = window->findChild<QTabBar*>(QStringLiteral("TabControlProcessos"));
    const int processes = tabs->count();
    if (processes < 2) {
        std::fprintf(stderr, "bench_industrial_result: no family made in more than one process\n");
        return;
    }
    log.sent.clear();
    tabs->setCurrentIndex(1);
    tabs->setCurrentIndex(0);
    std::vector<bench::SentStatement> changed = log.sent;
    addWindowStatements(module, changed, false);
    bench::StatementReplay changeReplay(db.serviceName(), changed);
    const Figure change = inTurns(kRounds, changeReplay, [&] {
        tabs->setCurrentIndex(1);
        QApplication::processEvents();
        tabs->setCurrentIndex(0);
        QApplication::processEvents();
    });
    window.reset();

    // Shown, for the family with the most products.
    const double largest = family(db, false);
    resultado.locate(QStringLiteral("ID_FAMILIA"), largest);
    log.sent.clear();
    showWindow(demo);
    std::vector<bench::SentStatement> shown = log.sent;
    addWindowStatements(module, shown, true);
    bench::StatementReplay showReplay(db.serviceName(), shown);
    const Figure show = inTurns(kRounds, showReplay, [&] { showWindow(demo); });

    // One raw-material price typed and posted: saved, the raw material and the products read again.
    window = showWindow(demo);
    auto* view = window->findChild<grid::GridView*>(QStringLiteral("GridMateriaPrima"));
    const int method = materiaPrima.fieldByName(QStringLiteral("CODIGO_METODO_CUSTO_MP")).index();
    int row = 0;
    while (row < materiaPrima.recordCount() && materiaPrima.value(row, method).toString() == QLatin1String("CMP"))
        ++row;
    if (row == materiaPrima.recordCount()) {
        std::fprintf(stderr, "bench_industrial_result: no raw material with an editable price\n");
        return;
    }
    const double id = materiaPrima.value(row, materiaPrima.fieldByName(QStringLiteral("ID_INDUSTRIAL_PRECO_MP")).index()).toDouble();
    const double base = materiaPrima.value(row, materiaPrima.fieldByName(QStringLiteral("PRECO")).index()).toDouble();
    std::vector<bench::SentStatement> typed{
        bench::priceUpdate("DSP_MateriaPrima_DT", "VELKO_CST.INDUSTRIAL_PRECO_MP", "ID_INDUSTRIAL_PRECO_MP", base + 0.5, id)};
    log.sent.clear();
    log.note(materiaPrima);
    log.note(produtos);
    typed.insert(typed.end(), log.sent.begin(), log.sent.end());
    bench::StatementReplay typeReplay(db.serviceName(), typed);
    const Figure type =
        bench::typingInTurns(kRounds, typeReplay, *view, materiaPrima, QStringLiteral("ID_INDUSTRIAL_PRECO_MP"), id, base);

    // Every product price restored.
    std::vector<bench::SentStatement> restored =
        bench::restoredPrices(produtos, "DSP_Resultado_DT", "VELKO_CST.INDUSTRIAL_PRECO", "ID_INDUSTRIAL_PRECO");
    log.sent.clear();
    log.note(produtos);
    restored.insert(restored.end(), log.sent.begin(), log.sent.end());
    bench::StatementReplay restoreReplay(db.serviceName(), restored);
    const Figure restore = bench::restoringInTurns(kRestoreRounds, restoreReplay, *window, db,
                                                   QStringLiteral("UPDATE velko_cst.industrial_preco SET preco = preco_original + 1"));

    std::printf("scale %2d: family %g with %d products and %d raw materials; family %g in %d processes\n", scale, largest,
                produtos.recordCount(), materiaPrima.recordCount(), severalProcesses, processes);
    print("shown, every tab painted", show, "(target: share under 20 %)");
    print("process tab changed, there and back", change, "(target: share under 20 %)");
    print("one raw-material price typed", type, "(target: share under 20 %)");
    print("every product price restored", restore, "(target: under 2,000 ms at the large scale)");
}

} // namespace

int main(int argc, char** argv)
{
    return bench::measureAtScales(argc, argv, {1, 18}, "bench_industrial_result",
                                  "Production result window of unit 1 on 15/03/2024: medians, in turns with the replay",
                                  measure);
}
