// One round trip through DBXConnection (translation from the cache, named binds, typed result)
// against the same PostgreSQL text sent with plain libpq, side by side in one run, on the
// largest statement of the program (the slaughter day statement).
#include "DBXConnection.h"
#include "DataModule_Custo.h"
#include "Dialect.h"
#include "Query.h"
#include "TestDatabase.h"

#include <QCoreApplication>
#include <chrono>
#include <algorithm>
#include <cstdio>
#include <libpq-fe.h>
#include <vector>

using custos::session::Params;

namespace {

using Clock = std::chrono::steady_clock;

// Median of the rounds: the machine is shared, and a mean would carry every hiccup of it.
double medianMicroseconds(std::vector<Clock::duration> rounds)
{
    std::nth_element(rounds.begin(), rounds.begin() + long(rounds.size() / 2), rounds.end());
    return std::chrono::duration<double, std::micro>(rounds[rounds.size() / 2]).count();
}

void exitOnError(PGconn* conn, PGresult* res)
{
    const auto status = PQresultStatus(res);
    if (status != PGRES_TUPLES_OK && status != PGRES_COMMAND_OK) {
        std::fprintf(stderr, "bench_session: %s\n", PQerrorMessage(conn));
        std::exit(1);
    }
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    custos::test::TestDatabase db;
    auto conn = db.connect();
    const QString oracle = custos::data::TDataModule_Custo(*conn).query(QStringLiteral("Q_Abate")).text();
    Params params;
    params.setText(QStringLiteral("APROVEITAMENTO_RATEIO"), QStringLiteral("KG"))
        .setNumber(QStringLiteral("APROVEITAMENTO"), 1234.5)
        .setDate(QStringLiteral("DATA"), QDate(2026, 12, 10))
        .setNumber(QStringLiteral("ID_UNIDADE"), 1);

    // The plain connection: same server, same role and session settings, same text and binds.
    const QByteArray info = QStringLiteral("service=%1 user=GERENTE password=custos").arg(db.serviceName()).toUtf8();
    PGconn* plain = PQconnectdb(info.constData());
    exitOnError(plain, PQexec(plain, "SET ROLE velko_user"));
    exitOnError(plain, PQexec(plain, "CALL velko.set_nls_parameters()"));
    const std::string text = custos::sql::translate(oracle.toStdString()).text;
    PGresult* oid = PQexec(plain, "SELECT 'oracle.date'::regtype::oid");
    const Oid dateOid = Oid(std::strtoul(PQgetvalue(oid, 0, 0), nullptr, 10));
    PQclear(oid);
    const char* values[] = {"KG", "1234.5", "2026-12-10", "1"};
    const Oid types[] = {25, 1700, dateOid, 1700};

    const int rounds = 300;
    std::vector<Clock::duration> viaConnection, viaLibpq;
    std::size_t rows = 0;
    for (int i = 0; i < rounds + 20; ++i) { // the first 20 warm both sides up
        auto t0 = Clock::now();
        PGresult* res = PQexecParams(plain, text.c_str(), 4, types, values, nullptr, nullptr, 0);
        exitOnError(plain, res);
        rows += std::size_t(PQntuples(res));
        PQclear(res);
        auto t1 = Clock::now();
        auto result = conn->query(oracle, params);
        for (int r = 0; r < result.rowCount(); ++r)
            result.value(r, 0);
        auto t2 = Clock::now();
        if (i >= 20) {
            viaLibpq.push_back(t1 - t0);
            viaConnection.push_back(t2 - t1);
        }
    }
    PQfinish(plain);
    const double server = medianMicroseconds(viaLibpq);
    const double client = medianMicroseconds(viaConnection);
    std::printf("slaughter day statement, median of %d rounds (%zu rows): plain libpq %.1f us, DBXConnection %.1f us, "
                "overhead %.1f us = %.2f%% of the server time\n",
                rounds, rows, server, client, client - server, 100.0 * (client - server) / server);
    return 0;
}
