// Cost generation on the real server, in the central database and over the link into the unit's
// processing database and back: the log lines, the copy-back that brings the same results as a
// local run, the month copied back whole, the copy-back that changes nothing when it fails, and
// a refused link name that sends nothing.

#include "CostGeneration.h"
#include "DBXConnection.h"
#include "DatabaseError.h"
#include "FixtureDay.h"
#include "OperationError.h"
#include "PriceCaptureUndo.h"
#include "TableRows.h"
#include "TestDatabase.h"

#include <QTest>

using namespace custos;
using custos::test::kDia;
using custos::test::TestDatabase;

namespace {

const QDateTime kMomento(QDate(2024, 3, 16), QTime(8, 0));

server::GenerationInput input(const QString& link, const QString& closingType = QStringLiteral("D"))
{
    server::GenerationInput in;
    in.unit = 1;
    in.day = kDia;
    in.moment = kMomento;
    in.capturePrices = true;
    in.dbLink = link;
    in.tnsNames = link.isEmpty() ? QString() : QStringLiteral("CUSTOS_UN2");
    in.closingType = closingType;
    in.flags = {true, true, true, true};
    return in;
}

// The unit's results of March in the central database, table by table, one text per table.
const QStringList resultTables{"consumo", "abate", "abate_materia_prima", "abate_produto", "abate_quartos", "abate_preco",
                               "abate_preco_receita", "abate_preco_historico", "industrial", "industrial_produto",
                               "industrial_mp", "industrial_insumo", "industrial_preco", "industrial_preco_mp",
                               "industrial_preco_receita", "industrial_produto_elaboracao", "ind_preco_historico",
                               "revenda", "revenda_produto", "revenda_preco"};

// The rows without the keys the packages draw (numeric(15)): a run over the link draws them in
// the unit's database, where the log entry does not draw one. The capture's user is left out
// too: in the unit's database the packages run as the link's user.
QString dump(const TestDatabase& db)
{
    return custos::test::tableRows(
        db, resultTables, QStringLiteral("numeric_precision = 15 and numeric_scale = 0 or column_name = 'usuario_historico'"));
}

struct Central
{
    Central()
    {
        db.loadFixture(QStringLiteral("custo_dia.sql"));
        db.loadFixtureOnUnit(QStringLiteral("custo_dia.sql"));
        connection = db.connect();
    }
    TestDatabase db;
    std::unique_ptr<session::DBXConnection> connection;
};

} // namespace

class tst_cost_generation : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void localRunLogsItsSteps()
    {
        Central c;
        QStringList log;
        server::CostGeneration(*c.connection).run(input({}), [&](const QString& line) { log << line; });
        QCOMPARE(log, (QStringList{QStringLiteral("Conectando em ..."), QStringLiteral("."),
                                   QStringLiteral("Gerando informações de custo")}));
        QCOMPARE(c.db.scalar(QStringLiteral("select count(*) from velko_cst.abate_produto")), QStringLiteral("2"));
        QCOMPARE(c.db.scalar(QStringLiteral("select count(*) from velko_cst.log_custo")), QStringLiteral("1"));
    }

    // Over the link the central database ends with the very rows a local run leaves, the price
    // captures included, and the unit's database holds them too.
    void overTheLinkReadsAsLocal()
    {
        Central local;
        server::CostGeneration(*local.connection).run(input({}));
        server::CostGeneration(*local.connection).run(input({}));
        Central linked;
        QStringList log;
        server::CostGeneration(*linked.connection).run(input(QStringLiteral("UNIDADE2")), [&](const QString& line) { log << line; });
        server::CostGeneration(*linked.connection).run(input(QStringLiteral("UNIDADE2")));
        QCOMPARE(log, (QStringList{QStringLiteral("Conectando em CUSTOS_UN2..."), QStringLiteral("."),
                                   QStringLiteral("Enviando parâmetros"), QStringLiteral("Gerando informações de custo"),
                                   QStringLiteral("Limpando dados locais"), QStringLiteral("Transferindo informações")}));
        const QStringList linkedRows = dump(linked.db).split(u'\n'), localRows = dump(local.db).split(u'\n');
        for (int t = 0; t < localRows.size(); ++t)
            QCOMPARE(linkedRows[t], localRows[t]);
        QCOMPARE(linked.db.scalar(QStringLiteral("select count(*) from unidade2_velko_cst.abate_preco_historico")),
                 local.db.scalar(QStringLiteral("select count(*) from velko_cst.abate_preco_historico")));
        // The log entry stays central.
        QCOMPARE(linked.db.scalar(QStringLiteral("select count(*) from velko_cst.log_custo")), QStringLiteral("2"));
    }

    // A failure while the results are copied back leaves the central day as it was.
    void failingCopyBackChangesNothing()
    {
        Central c;
        server::CostGeneration(*c.connection).run(input(QStringLiteral("UNIDADE2")));
        const QString before = dump(c.db);
        c.db.exec(QStringLiteral("create function velko_cst.falha() returns trigger language plpgsql as "
                                 "$$ begin raise exception 'falha injetada'; end $$;"
                                 "create trigger falha before insert on velko_cst.abate_quartos "
                                 "for each statement execute function velko_cst.falha();"));
        QStringList log;
        try {
            server::CostGeneration(*c.connection).run(input(QStringLiteral("UNIDADE2")), [&](const QString& line) { log << line; });
            QFAIL("the copy-back should fail");
        } catch (const session::DatabaseError& error) {
            QVERIFY2(error.message().contains(QStringLiteral("falha injetada")), qPrintable(error.message()));
        }
        QCOMPARE(log.last(), QStringLiteral("Transferindo informações"));
        c.db.exec(QStringLiteral("drop trigger falha on velko_cst.abate_quartos"));
        QCOMPARE(dump(c.db), before);
        // The connection goes on.
        server::CostGeneration(*c.connection).run(input(QStringLiteral("UNIDADE2")));
    }

    // A unit closed monthly gets its whole month back, not only the day generated.
    void monthlyCopyBackKeepsTheMonth()
    {
        Central c;
        server::CostGeneration(*c.connection).run(input(QStringLiteral("UNIDADE2"), QStringLiteral("M")));
        const int month = c.db.scalar(QStringLiteral("select count(*) from velko_cst.consumo")).toInt();
        // A consumption of another day of the month, in both databases.
        const QString later = c.db.scalar(QStringLiteral("select string_agg(column_name, ',' order by ordinal_position)"
                                                         " from information_schema.columns where table_schema = 'velko_cst'"
                                                         " and table_name = 'consumo' and ordinal_position > 2"));
        c.db.execOnUnit(QStringLiteral("insert into velko_cst.consumo select id_unidade, date '2024-03-14', %1"
                                       " from velko_cst.consumo where data = date '2024-03-15' limit 1")
                            .arg(later));
        c.db.exec(QStringLiteral("insert into velko_cst.consumo select * from unidade2_velko_cst.consumo where data = date '2024-03-14'"));
        server::CostGeneration(*c.connection).run(input(QStringLiteral("UNIDADE2"), QStringLiteral("M")));
        QCOMPARE(c.db.scalar(QStringLiteral("select count(*) from velko_cst.consumo where data = date '2024-03-14'")), QStringLiteral("1"));
        QCOMPARE(c.db.scalar(QStringLiteral("select count(*) from velko_cst.consumo")).toInt(), month + 1);
    }

    // An undo over the link puts the captured prices back in both databases.
    void undoOverTheLinkRestoresBoth()
    {
        Central c;
        server::CostGeneration(*c.connection).run(input(QStringLiteral("UNIDADE2")));
        c.db.exec(QStringLiteral("update velko_cst.abate_preco set preco = 99"));
        server::GenerationInput again = input(QStringLiteral("UNIDADE2"));
        again.moment = kMomento.addSecs(3600);
        server::CostGeneration(*c.connection).run(again);
        const QString prices = QStringLiteral("select string_agg(round(preco, 2)::text, ',' order by sequencial_produto) from %1.abate_preco");
        QCOMPARE(c.db.scalar(prices.arg(QStringLiteral("velko_cst"))), QStringLiteral("10.00,3.00"));
        server::PriceCaptureUndo(*c.connection).run({1, kDia, again.moment, QStringLiteral("UNIDADE2"), {true, true, true, true}});
        QCOMPARE(c.db.scalar(prices.arg(QStringLiteral("velko_cst"))), QStringLiteral("99.00,99.00"));
        QCOMPARE(c.db.scalar(prices.arg(QStringLiteral("unidade2_velko_cst"))), QStringLiteral("99.00,99.00"));
    }

    void refusedLinkNameSendsNothing()
    {
        Central c;
        QStringList log;
        QVERIFY_THROWS_EXCEPTION(server::OperationError,
                                 server::CostGeneration(*c.connection)
                                     .run(input(QStringLiteral("UNIDADE2 x")), [&](const QString& line) { log << line; }));
        QVERIFY(log.isEmpty());
        QCOMPARE(c.db.scalar(QStringLiteral("select count(*) from velko_cst.log_custo")), QStringLiteral("0"));
    }
};

QTEST_GUILESS_MAIN(tst_cost_generation)
#include "tst_cost_generation.moc"
