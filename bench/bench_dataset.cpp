// Fetch rate and memory of a client dataset against a plain libpq fetch of the same statement,
// measured side by side in one run on a database of its own: 100,000 rows of 20 columns of
// mixed kinds (numbers with and without scale, flags, texts, dates, NULLs).

#include "ClientDataSet.h"
#include "DBXConnection.h"
#include "Dialect.h"
#include "Provider.h"
#include "Query.h"
#include "TestDatabase.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QVariant>
#include <cstdio>
#include <ctime>
#include <functional>
#include <libpq-fe.h>
#include <malloc.h>
#include <vector>

using namespace custos;

namespace {

constexpr int kRows = 100000;
constexpr int kRuns = 3;

const char* const kFill =
    "CREATE TABLE velko_cst.bench_linha ("
    "  id numeric(10), grupo varchar(20), descricao varchar(60), sigla varchar(3), flag numeric(1),"
    "  codigo numeric(4), quantidade numeric(8), peso numeric(12,3), preco numeric(12,5),"
    "  valor1 numeric(14,2), valor2 numeric(14,2), valor3 numeric(14,2), valor4 numeric(14,2),"
    "  valor5 numeric(14,2), valor6 numeric(14,2), valor7 numeric(14,2), valor8 numeric(14,2),"
    "  data oracle.date, data_fechamento oracle.date, usuario varchar(30));"
    "INSERT INTO velko_cst.bench_linha"
    " SELECT g, 'GRUPO ' || (g % 37), 'PRODUTO ' || g || ' CORTE ESPECIAL', 'R$', g % 2, g % 9000,"
    "        g * 7 % 10000000, g * 1.125, g * 0.00731, g * 0.5, g * 1.25, g * 2.75, -g * 0.1,"
    "        g % 1000 * 3.3, g * 0.01, CASE WHEN g % 10 = 0 THEN NULL ELSE g * 9.99 END, 1000000.01,"
    "        DATE '2026-01-01' + (g % 365), CASE WHEN g % 3 = 0 THEN DATE '2026-02-01' END,"
    "        CASE WHEN g % 3 = 0 THEN 'GERENTE' END"
    "   FROM generate_series(1, 100000) g;"
    "GRANT SELECT ON velko_cst.bench_linha TO velko_user;";

const QStringList kStatement = {
    QStringLiteral("select id, grupo, descricao, sigla, flag, codigo, quantidade, peso, preco,"),
    QStringLiteral("       valor1, valor2, valor3, valor4, valor5, valor6, valor7, valor8,"),
    QStringLiteral("       data, data_fechamento, usuario"),
    QStringLiteral("  from velko_cst.bench_linha"),
    QStringLiteral(" order by id")};

// Wall-clock and this process's CPU time of the fastest of kRuns runs (the machine is shared:
// the CPU time of the client side is the steadier figure).
struct Timing
{
    double wallMs = 1e300;
    double cpuMs = 1e300;
};

double cpuNow()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

void measure(Timing& timing, const std::function<void()>& run)
{
    QElapsedTimer timer;
    const double cpuStart = cpuNow();
    timer.start();
    run();
    timing.wallMs = std::min(timing.wallMs, timer.nsecsElapsed() / 1e6);
    timing.cpuMs = std::min(timing.cpuMs, cpuNow() - cpuStart);
}

Timing best(const std::function<void()>& run)
{
    Timing timing;
    for (int i = 0; i < kRuns; ++i)
        measure(timing, run);
    return timing;
}

std::size_t heapInUse()
{
    malloc_trim(0);
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd; // small blocks and mmapped large ones
}

struct PgConnDeleter { void operator()(PGconn* c) const { PQfinish(c); } };
struct PgResultDeleter { void operator()(PGresult* r) const { PQclear(r); } };

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    test::TestDatabase db(test::TestDatabase::Kind::Unit);
    db.exec(QString::fromLatin1(kFill));
    auto connection = db.connect();

    const QString oracleText = kStatement.join(u'\n');
    const std::string pgText = sql::translate(oracleText.toStdString()).text;
    const QByteArray info = QStringLiteral("service=%1 user=GERENTE password=custos").arg(db.serviceName()).toUtf8();
    std::unique_ptr<PGconn, PgConnDeleter> plain(PQconnectdb(info.constData()));
    if (PQstatus(plain.get()) != CONNECTION_OK) {
        std::fprintf(stderr, "libpq: %s", PQerrorMessage(plain.get()));
        return 1;
    }
    PQclear(PQexec(plain.get(), "SET ROLE velko_user"));

    // Three ways to the same rows, measured in turns so that the load of the machine falls on
    // all of them alike (after one warm-up fetch):
    //  1. plain libpq: the server runs the statement, libpq receives and keeps the rows;
    //  2. the session layer: translation (cached), binds and type mapping on top of 1;
    //  3. a client dataset opening: 2 plus the copy into the record store.
    std::size_t resultBytes = 0;
    const auto plainFetch = [&] {
        std::unique_ptr<PGresult, PgResultDeleter> r(PQexec(plain.get(), pgText.c_str()));
        if (PQntuples(r.get()) != kRows)
            throw std::runtime_error(PQresultErrorMessage(r.get()));
        resultBytes = PQresultMemorySize(r.get());
    };
    data::Query query(connection.get());
    query.setSql(kStatement);
    data::Provider provider(&query, QStringLiteral("VELKO_CST.BENCH_LINHA"));
    data::ClientDataSet cds;
    cds.setProvider(&provider);
    plainFetch();
    Timing libpq, session, open;
    for (int round = 0; round < kRuns; ++round) {
        measure(libpq, plainFetch);
        measure(session, [&] { query.execute(); });
        measure(open, [&] {
            cds.close();
            cds.open();
        });
    }
    cds.close();
    const std::size_t heapBefore = heapInUse();
    cds.open();
    const std::size_t storeHeap = heapInUse() - heapBefore;
    const std::size_t storeBytes = cds.memoryUsage();

    // 4. For comparison: the same rows as one QVariant per cell.
    std::size_t variantHeap = 0;
    {
        session::Result r = query.execute();
        const std::size_t before = heapInUse();
        std::vector<QVariant> cells;
        cells.reserve(std::size_t(r.rowCount()) * std::size_t(r.columnCount()));
        for (int row = 0; row < r.rowCount(); ++row)
            for (int c = 0; c < r.columnCount(); ++c)
                cells.push_back(r.value(row, c));
        variantHeap = heapInUse() - before;
    }

    // 5. Reading every cell back from the client dataset, and one aggregate over all rows.
    double checksum = 0;
    const Timing read = best([&] {
        checksum = 0;
        for (int row = 0; row < cds.recordCount(); ++row)
            for (int c = 0; c < cds.fieldCount(); ++c)
                checksum += cds.value(row, c).isNull() ? 0 : 1;
    });
    data::Aggregate& aggregate = cds.addAggregate(QStringLiteral("KG"), QStringLiteral("SUM( VALOR1 + VALOR2 ) / SUM(PESO)"));
    int run = 0;
    const Timing aggregateTime = best([&] {
        cds.edit();
        cds.fieldByName(QStringLiteral("VALOR1")).setAsFloat(++run);
        cds.post();
        (void)aggregate.value();
    });

    const auto perRow = [](double bytes) { return bytes / kRows; };
    const auto line = [](const char* what, const Timing& t, const Timing* against) {
        std::printf("%-34s %8.1f ms wall %8.1f ms cpu %9.0f rows/s", what, t.wallMs, t.cpuMs, kRows / t.wallMs * 1000);
        if (against)
            std::printf("  wall %.2f x libpq", t.wallMs / against->wallMs);
        std::printf("\n");
    };
    std::printf("rows %d, columns %d, best of %d runs\n", kRows, cds.fieldCount(), kRuns);
    line("plain libpq PQexec", libpq, nullptr);
    line("session Query::execute", session, &libpq);
    line("client dataset open", open, &libpq);
    std::printf("%-34s %8.1f ms cpu (%.0f ns per cell)\n", "  copy into the record store", open.cpuMs - session.cpuMs,
                (open.cpuMs - session.cpuMs) * 1e6 / (double(kRows) * cds.fieldCount()));
    std::printf("%-34s %8.1f ms cpu (%.0f non-null)\n", "read every cell as QVariant", read.cpuMs, checksum);
    std::printf("%-34s %8.2f ms cpu (value %.4f)\n", "post a row, aggregate over all", aggregateTime.cpuMs,
                aggregate.asFloat());
    std::printf("memory per row: libpq result %.0f B, record store %.0f B (heap growth %.0f B), "
                "QVariant per cell %.0f B\n",
                perRow(double(resultBytes)), perRow(double(storeBytes)), perRow(double(storeHeap)),
                perRow(double(variantHeap)));
    std::printf("ratios: store / libpq result %.2f, store / QVariant per cell %.2f\n",
                double(storeBytes) / double(resultBytes), double(storeBytes) / double(variantHeap));
    return 0;
}
