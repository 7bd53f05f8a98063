// The main window's day load through the cost data module (the parameter set, the currencies,
// the slaughter products and groups, the slaughter of the day and of the month, the live
// weight, the production record and results of the day and month, the resale record and
// results of the day and month: each client dataset closed, given its parameters and opened)
// against the server time of the same statements with the same binds sent one by one with
// plain libpq, in turns in one run, on a database of its own holding the demo's data at the
// given scale (default 10) costed up to Friday 15/03/2024 for unit 1.
//
//   bench_day_open [scale]      needs the local server's environment: eval "$(db/server env)"

#include "ClientDataSet.h"
#include "DBXConnection.h"
#include "DataModule_Custo.h"
#include "DemoDay.h"
#include "Figures.h"
#include "Provider.h"
#include "Query.h"
#include "StatementReplay.h"
#include "TestDatabase.h"

#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

using namespace custos;
using bench::Clock;
using bench::median;
using bench::ms;
using session::Params;

namespace {

constexpr int kRounds = 40;
constexpr int kWarmUp = 3;

[[noreturn]] void fail(const QString& message)
{
    std::fprintf(stderr, "bench_day_open: %s\n", qPrintable(message));
    std::exit(1);
}

// The statements of the day load as they were sent: each query's text and the parameters in
// effect (the client dataset's own taking the place of the query's), with the rows it read and
// the time its dataset took to open, in the order sent.
struct Steps
{
    std::vector<bench::SentStatement> sent;
    std::vector<int> rows;
    std::vector<Clock::duration> times;
};

// The day load of the main window for unit 1 and the day, through the module.
Steps dayLoad(data::TDataModule_Custo& m)
{
    Steps steps;
    const auto open = [&](data::DataSet& dataSet, const std::function<void(Params&)>& setParams) {
        dataSet.close();
        bench::SentStatement sent;
        sent.name = dataSet.objectName();
        if (auto* cds = qobject_cast<data::ClientDataSet*>(&dataSet)) {
            data::Query& query = *cds->provider()->query();
            setParams(cds->params().isEmpty() ? query.params() : cds->params());
            const auto t0 = Clock::now();
            cds->open();
            steps.times.push_back(Clock::now() - t0);
            sent.text = query.text();
            sent.params = query.params();
            for (const session::BindValue& v : cds->params().values())
                sent.params.set(v.name, v.type, v.value);
        } else {
            auto& query = static_cast<data::Query&>(dataSet);
            setParams(query.params());
            const auto t0 = Clock::now();
            query.open();
            steps.times.push_back(Clock::now() - t0);
            sent.text = query.text();
            sent.params = query.params();
        }
        steps.rows.push_back(dataSet.recordCount());
        steps.sent.push_back(std::move(sent));
    };
    const auto unitAndDay = [](Params& p) {
        p.setNumber(QStringLiteral("ID_UNIDADE"), 1).setDate(QStringLiteral("DATA"), test::kDemoDay);
    };
    data::ClientDataSet& parametros = m.clientDataSet(QStringLiteral("CDS_Parametros"));
    open(parametros, unitAndDay);
    open(m.query(QStringLiteral("Q_Moeda")), unitAndDay);
    data::ClientDataSet& produtos = m.clientDataSet(QStringLiteral("CDS_AbateProduto"));
    open(produtos, unitAndDay);
    data::ClientDataSet& nivel2 = m.clientDataSet(QStringLiteral("CDS_Abate_Produto_Nivel2"));
    open(nivel2, unitAndDay);
    data::ClientDataSet& abate = m.clientDataSet(QStringLiteral("CDS_Abate"));
    if (!produtos.isEmpty()) {
        const bool credited = produtos.fieldByName(QStringLiteral("CRITERIO_MIUDOS")).asString() == QLatin1String("A");
        open(abate, [&](Params& p) {
            unitAndDay(p);
            p.setText(QStringLiteral("APROVEITAMENTO_RATEIO"),
                      parametros.fieldByName(QStringLiteral("APROVEITAMENTO_RATEIO")).asString());
            p.setNumber(QStringLiteral("APROVEITAMENTO"),
                        credited ? produtos.aggregateByName(QStringLiteral("RESULTADO_GERAL")).asFloat() : 0);
        });
        open(m.clientDataSet(QStringLiteral("CDS_AbateAcumulado")), [&](Params& p) {
            unitAndDay(p);
            p.setText(QStringLiteral("APROVEITAMENTO_RATEIO"),
                      parametros.fieldByName(QStringLiteral("APROVEITAMENTO_RATEIO")).asString());
        });
    }
    if (!nivel2.isEmpty() && abate.isActive() && !abate.isEmpty()) {
        open(m.query(QStringLiteral("Q_Peso_Vivo")), [&](Params& p) {
            p.setNumber(QStringLiteral("PESO_MORTO"), abate.fieldByName(QStringLiteral("T_PESO")).asFloat())
                .setNumber(QStringLiteral("QNTD_MORTO"), abate.fieldByName(QStringLiteral("T_CABECAS")).asFloat())
                .setNumber(QStringLiteral("P_CODIGO_EMPRESA"), 1)
                .setDate(QStringLiteral("P_DATA"), test::kDemoDay);
        });
    }
    open(m.clientDataSet(QStringLiteral("CDS_Industrializado")), unitAndDay);
    for (const char* name : {"CDS_Resultado", "CDS_ResultadoAcumulado"}) {
        open(m.clientDataSet(QString::fromLatin1(name)), [&](Params& p) {
            unitAndDay(p);
            p.setInteger(QStringLiteral("ID_FAMILIA"), 0);
        });
    }
    for (const char* name : {"CDS_Revenda", "CDS_ResumoRevenda", "CDS_ResumoRevendaAcumulado"})
        open(m.clientDataSet(QString::fromLatin1(name)), unitAndDay);
    return steps;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int scale = argc > 1 ? std::atoi(argv[1]) : 10;
    if (scale < 1 || scale > 99)
        fail(QStringLiteral("the scale is a whole number from 1 to 99"));

    test::TestDatabase db;
    std::fprintf(stderr, "bench_day_open: loading the demo at scale %d and costing 01-15/03/2024...\n", scale);
    test::loadDemoDay(db, scale);
    auto connection = db.connect();
    data::TDataModule_Custo module(*connection);

    const Steps first = dayLoad(module);
    bench::StatementReplay plain(db.serviceName(), first.sent);

    const std::size_t n = first.sent.size();
    std::vector<std::vector<double>> layer(n), server(n);
    std::vector<double> layerTotal, serverTotal;
    for (int round = 0; round < kRounds + kWarmUp; ++round) {
        // Which side goes first alternates, so that neither always finds the server warmer.
        Steps steps;
        std::vector<Clock::duration> times;
        Clock::duration layerTime{}, serverTime{};
        for (int side = 0; side < 2; ++side) {
            const auto t0 = Clock::now();
            if ((side + round) % 2 == 0) {
                steps = dayLoad(module);
                layerTime = Clock::now() - t0;
            } else {
                times = plain.run();
                serverTime = Clock::now() - t0;
            }
        }
        if (steps.sent.size() != n)
            fail(QStringLiteral("the day load sent a different set of statements"));
        if (round < kWarmUp)
            continue;
        layerTotal.push_back(ms(layerTime));
        serverTotal.push_back(ms(serverTime));
        for (std::size_t i = 0; i < n; ++i) {
            layer[i].push_back(ms(steps.times[i]));
            server[i].push_back(ms(times[i]));
        }
    }

    std::printf("Day load of unit 1 on 15/03/2024, demo scale %d: median of %d rounds, in turns\n", scale, kRounds);
    std::printf("%-28s %7s %12s %12s %10s\n", "dataset", "rows", "libpq ms", "module ms", "overhead");
    for (std::size_t i = 0; i < n; ++i) {
        const double s = median(server[i]);
        const double l = median(layer[i]);
        std::printf("%-28s %7d %12.2f %12.2f %9.1f%%\n", qPrintable(first.sent[i].name), first.rows[i], s, l,
                    (l - s) / s * 100);
    }
    const double s = median(serverTotal);
    const double l = median(layerTotal);
    std::printf("%-28s %7s %12.2f %12.2f %9.1f%%\n", "whole day load", "", s, l, (l - s) / s * 100);
    std::printf("target: the module's overhead under 10%% of the server time\n");
    return 0;
}
