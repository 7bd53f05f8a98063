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
#include "Dialect.h"
#include "Provider.h"
#include "Query.h"
#include "TestDatabase.h"

#include <QCoreApplication>
#include <QLocale>
#include <QProcess>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <libpq-fe.h>
#include <vector>

using namespace custos;
using session::BindType;
using session::Params;

namespace {

using Clock = std::chrono::steady_clock;

const QDate kDia(2024, 3, 15);
constexpr int kRounds = 40;
constexpr int kWarmUp = 3;

[[noreturn]] void fail(const QString& message)
{
    std::fprintf(stderr, "bench_day_open: %s\n", qPrintable(message));
    std::exit(1);
}

// The demo's master data and two months of movement up to the day, unit 1 costed from the
// first of the month, loaded with psql as db/demo/load does.
void loadDemo(const test::TestDatabase& db, int scale)
{
    const QString top = QStringLiteral(CUSTOS_SOURCE_DIR);
    const QString host = qEnvironmentVariable("CUSTOS_PGHOST");
    if (host.isEmpty())
        fail(QStringLiteral("run eval \"$(db/server env)\" first"));
    const auto psql = [&](const QStringList& arguments) {
        QProcess p;
        p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        p.setStandardOutputFile(QProcess::nullDevice());
        p.start(qEnvironmentVariable("PGBIN", QStringLiteral("/usr/lib/postgresql/15/bin")) + QStringLiteral("/psql"),
                QStringList{QStringLiteral("-X"), QStringLiteral("-q"), QStringLiteral("-v"),
                            QStringLiteral("ON_ERROR_STOP=1"), QStringLiteral("-h"), host, QStringLiteral("-p"),
                            qEnvironmentVariable("CUSTOS_PGPORT", QStringLiteral("5432")), QStringLiteral("-U"),
                            qEnvironmentVariable("CUSTOS_PGADMIN", QStringLiteral("postgres")), QStringLiteral("-d"),
                            db.databaseName()}
                    + arguments);
        if (!p.waitForFinished(-1) || p.exitCode() != 0)
            fail(QStringLiteral("psql %1 failed").arg(arguments.join(u' ')));
    };
    const QString hoje = QStringLiteral("hoje=2024-03-16");
    const QString escala = QStringLiteral("escala=%1").arg(scale);
    for (const char* script : {"cadastros.sql", "movimento.sql"})
        psql({QStringLiteral("-v"), hoje, QStringLiteral("-v"), escala, QStringLiteral("-f"),
              top + QStringLiteral("/db/demo/") + QLatin1String(script)});
    psql({QStringLiteral("-v"), hoje, QStringLiteral("-v"), QStringLiteral("unidade=1"), QStringLiteral("-v"),
          QStringLiteral("desde=2024-03-01"), QStringLiteral("-v"), QStringLiteral("ate=2024-03-15"),
          QStringLiteral("-f"), top + QStringLiteral("/db/demo/processa.sql")});
    psql({QStringLiteral("-c"), QStringLiteral("VACUUM ANALYZE")});
}

// One statement of the day load as it was sent: the query's text and the parameters in effect
// (the client dataset's own taking the place of the query's).
struct Sent
{
    QString name;
    QString text;
    Params params;
    int rows = 0;
};

struct Steps
{
    std::vector<Sent> sent;
    std::vector<Clock::duration> times; // per statement, in the order sent
};

// The day load of the main window for unit 1 and the day, through the module.
Steps dayLoad(data::TDataModule_Custo& m)
{
    Steps steps;
    const auto open = [&](data::DataSet& dataSet, const std::function<void(Params&)>& setParams) {
        dataSet.close();
        Sent sent;
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
        sent.rows = dataSet.recordCount();
        steps.sent.push_back(std::move(sent));
    };
    const auto unitAndDay = [](Params& p) {
        p.setNumber(QStringLiteral("ID_UNIDADE"), 1).setDate(QStringLiteral("DATA"), kDia);
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
                .setDate(QStringLiteral("P_DATA"), kDia);
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

// The same statements with the same binds, in the server's text format and with the types the
// session layer gives them, one by one on a plain libpq connection.
class PlainStatements
{
public:
    PlainStatements(PGconn* conn, const std::vector<Sent>& sent)
        : m_conn(conn)
    {
        PGresult* oid = exec("SELECT 'oracle.date'::regtype::oid");
        const Oid dateOid = Oid(std::strtoul(PQgetvalue(oid, 0, 0), nullptr, 10));
        PQclear(oid);
        for (const Sent& s : sent) {
            const sql::Translation t = sql::translateUncached(s.text.toStdString());
            Statement st;
            st.text = t.text;
            for (const std::string& name : t.binds) {
                const session::BindValue* v = s.params.find(QString::fromStdString(name));
                if (!v)
                    fail(QStringLiteral("%1: no value for :%2").arg(s.name, QString::fromStdString(name)));
                std::string text;
                Oid type = 0;
                switch (v->type) {
                case BindType::Number:
                    type = 1700;
                    text = QString::number(v->value.toDouble(), 'g', QLocale::FloatingPointShortest).toStdString();
                    break;
                case BindType::Integer:
                    type = 20;
                    text = std::to_string(v->value.toLongLong());
                    break;
                case BindType::Text:
                    type = 25;
                    text = v->value.toString().toStdString();
                    break;
                case BindType::Date:
                    type = dateOid;
                    text = v->value.toDate().toString(QStringLiteral("yyyy-MM-dd")).toStdString();
                    break;
                default:
                    fail(QStringLiteral("%1: unexpected bind type of :%2").arg(s.name, QString::fromStdString(name)));
                }
                st.null.push_back(v->value.isNull() || text.empty());
                st.storage.push_back(std::move(text));
                st.types.push_back(type);
            }
            m_statements.push_back(std::move(st));
        }
    }

    // Runs every statement once; the time of each.
    std::vector<Clock::duration> run()
    {
        std::vector<Clock::duration> times;
        for (const Statement& st : m_statements) {
            std::vector<const char*> values;
            for (std::size_t i = 0; i < st.storage.size(); ++i)
                values.push_back(st.null[i] ? nullptr : st.storage[i].c_str());
            const auto t0 = Clock::now();
            PGresult* res = PQexecParams(m_conn, st.text.c_str(), int(values.size()), st.types.data(), values.data(),
                                         nullptr, nullptr, 0);
            check(res);
            PQclear(res);
            times.push_back(Clock::now() - t0);
        }
        return times;
    }

    PGresult* exec(const char* text)
    {
        PGresult* res = PQexec(m_conn, text);
        check(res);
        return res;
    }

private:
    struct Statement
    {
        std::string text;
        std::vector<std::string> storage;
        std::vector<bool> null;
        std::vector<Oid> types;
    };

    void check(PGresult* res)
    {
        const auto status = PQresultStatus(res);
        if (status != PGRES_TUPLES_OK && status != PGRES_COMMAND_OK)
            fail(QString::fromUtf8(PQerrorMessage(m_conn)));
    }

    PGconn* m_conn;
    std::vector<Statement> m_statements;
};

double ms(Clock::duration d)
{
    return std::chrono::duration<double, std::milli>(d).count();
}

double median(std::vector<double> v)
{
    std::nth_element(v.begin(), v.begin() + long(v.size() / 2), v.end());
    return v[v.size() / 2];
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
    loadDemo(db, scale);
    auto connection = db.connect();
    data::TDataModule_Custo module(*connection);

    const QByteArray info = QStringLiteral("service=%1 user=GERENTE password=custos").arg(db.serviceName()).toUtf8();
    PGconn* plainConnection = PQconnectdb(info.constData());
    if (PQstatus(plainConnection) != CONNECTION_OK)
        fail(QString::fromUtf8(PQerrorMessage(plainConnection)));
    const Steps first = dayLoad(module);
    PlainStatements plain(plainConnection, first.sent);
    PQclear(plain.exec("SET ROLE velko_user"));
    PQclear(plain.exec("CALL velko.set_nls_parameters()"));
    PQclear(plain.exec(QStringLiteral("CALL pkg_velko.set_empresa(1)").toUtf8().constData()));

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
    PQfinish(plainConnection);

    std::printf("Day load of unit 1 on 15/03/2024, demo scale %d: median of %d rounds, in turns\n", scale, kRounds);
    std::printf("%-28s %7s %12s %12s %10s\n", "dataset", "rows", "libpq ms", "module ms", "overhead");
    for (std::size_t i = 0; i < n; ++i) {
        const double s = median(server[i]);
        const double l = median(layer[i]);
        std::printf("%-28s %7d %12.2f %12.2f %9.1f%%\n", qPrintable(first.sent[i].name), first.sent[i].rows, s, l,
                    (l - s) / s * 100);
    }
    const double s = median(serverTotal);
    const double l = median(layerTotal);
    std::printf("%-28s %7s %12.2f %12.2f %9.1f%%\n", "whole day load", "", s, l, (l - s) / s * 100);
    std::printf("target: the module's overhead under 10%% of the server time\n");
    return 0;
}
