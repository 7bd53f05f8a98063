// The production rows kept per record (by the generation, and by ppl_resultado for the records
// without them): after any change to what they are computed from, a read hands out what a
// computation of the rows gives, and a read racing a change never keeps rows the change makes
// stale. On the one-day fixture (15/03/2024), generated once.
#include "DBXConnection.h"
#include "FixtureDay.h"
#include "TestDatabase.h"

#include <QRegularExpression>
#include <QSet>
#include <QThread>
#include <QtTest>

using custos::session::DBXConnection;
using custos::session::Params;
using custos::test::TestDatabase;

namespace {

// Every row of the day, as text, in a fixed order: as handed out, and as computed afresh.
const QString kLidas = QStringLiteral(
    "select string_agg(r::text, E'\\n' order by r::text)"
    " from pkg_industrializado.ppl_resultado(1, '2024-03-15', '2024-03-15') r");
const QString kCalculadas = QStringLiteral(
    "select string_agg(r::text, E'\\n' order by r::text)"
    " from pkg_industrializado.linhas_resultado(1, '2024-03-15', '2024-03-15',"
    " pkg_industrializado.registros(1, '2024-03-15', '2024-03-15')) r");
const QString kGuardados = QStringLiteral("select count(*) from pkg_industrializado.registro_guardado");

const QString kPrecoAlcatra = QStringLiteral(
    "update velko_cst.industrial_preco set preco = 31 where id_industrial_preco ="
    " (select id_industrial_preco from velko_cst.industrial_produto where sequencial_produto = 121)");

} // namespace

class TestKeptProductionRows : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<DBXConnection> m_c;

    QString scalar(const QString& sql) const { return m_db->scalar(sql); }
    void forgetKeptRows() const
    {
        m_db->exec(QStringLiteral("delete from pkg_industrializado.resultado_guardado;"
                                  "delete from pkg_industrializado.registro_guardado"));
    }

private Q_SLOTS:
    void init()
    {
        m_c.reset();
        m_db = std::make_unique<TestDatabase>();
        m_db->loadFixture(QStringLiteral("custo_dia.sql"));
        m_c = m_db->connect();
        custos::test::generateDay(*m_c, QDateTime(QDate(2024, 3, 16), QTime(8, 0)));
    }

    void generationKeepsTheDay()
    {
        QCOMPARE(scalar(kGuardados), QStringLiteral("1"));
        QCOMPARE(scalar(kLidas), scalar(kCalculadas));
    }

    void readsFollowEveryChange_data()
    {
        QTest::addColumn<QString>("change");
        QTest::newRow("saved price") << kPrecoAlcatra;
        QTest::newRow("raw-material price") << QStringLiteral("update velko_cst.industrial_preco_mp set preco = preco + 1");
        QTest::newRow("product weight")
            << QStringLiteral("update velko_cst.industrial_produto set peso = peso + 1 where sequencial_produto = 120");
        QTest::newRow("production in elaboration")
            << QStringLiteral("insert into velko_cst.industrial_produto_elaboracao (id_industrial, id_ordem_producao,"
                              " id_produto, tipo, quantidade, valor_unitario)"
                              " select id_industrial, 1000, 110, 'M', 10, 5 from velko_cst.industrial");
        QTest::newRow("record removed") << QStringLiteral("delete from velko_cst.industrial");
        QTest::newRow("record moved to another day") << QStringLiteral("update velko_cst.industrial set data = '2024-03-14'");
        QTest::newRow("products emptied") << QStringLiteral("truncate velko_cst.industrial_produto");
        QTest::newRow("parameter set rate")
            << QStringLiteral("update velko_cst.base_custo set mod_desossa = 0.35, administrativo = 0.07");
        QTest::newRow("parameter set period")
            << QStringLiteral("update velko_cst.base_custo set data_inicial = '2024-03-16'");
        QTest::newRow("newer parameter set")
            << QStringLiteral("create temp table copia as select * from velko_cst.base_custo;"
                              "update copia set id_base_custo = 11, data_inicial = '2024-03-10', frete = 0.5;"
                              "insert into velko_cst.base_custo select * from copia");
        QTest::newRow("line rate") << QStringLiteral(
            "insert into velko_cst.base_custo_linha (id_base_custo, id_linha, mod_linha) values (10, 100, 0.9)");
        QTest::newRow("reference price")
            << QStringLiteral("insert into velko_cst.base_custo_referencia (id_base_custo, id_produto, preco_unitario)"
                              " values (10, 121, 29)");
        QTest::newRow("market rate") << QStringLiteral("update velko_cst.base_custo_mercado set icms = 18");
        QTest::newRow("group exception") << QStringLiteral("update velko_cst.base_custo_grupo set mod = 0.6");
        QTest::newRow("product exception removed") << QStringLiteral("delete from velko_cst.produto_mercado");
        QTest::newRow("market abbreviation") << QStringLiteral("update velko_cst.mercado set sigla = 'EX' where id_mercado = 2");
        QTest::newRow("product description")
            << QStringLiteral("update velko_ven.produto set descricao = 'Picanha maturada' where sequencial_produto = 120");
        QTest::newRow("product group")
            << QStringLiteral("update velko_ven.produto set id_grupo = 302 where sequencial_produto = 120");
        QTest::newRow("group description") << QStringLiteral("update velko_pcp.grupo set descricao = 'Nobres' where id_grupo = 301");
        QTest::newRow("family description") << QStringLiteral("update velko_pcp.familia set descricao = 'Cortes' where id_familia = 30");
        QTest::newRow("line kind") << QStringLiteral("update velko_pcp.linha_producao set tipo_processo = 'I' where id_linha_producao = 100");
        QTest::newRow("process outside the totals")
            << QStringLiteral("update velko_pcp.processo set gerar_resultado_custo = 0 where id_processo = 300");
        QTest::newRow("writer in repeatable read")
            << QStringLiteral("begin isolation level repeatable read; set local role velko_user;") + kPrecoAlcatra
                   + QStringLiteral(";commit");
    }
    void readsFollowEveryChange()
    {
        QFETCH(QString, change);
        const QString before = scalar(kLidas);
        QVERIFY(scalar(kGuardados) != QLatin1String("0"));
        m_db->exec(change);
        const QString after = scalar(kLidas);
        QVERIFY2(after != before, "the change should show in the rows");
        QCOMPARE(after, scalar(kCalculadas));
    }

    // Columns the rows do not read drop nothing: other systems update their tables all day, and
    // the day is closed and reopened.
    void unreadColumnsDropNothing_data()
    {
        QTest::addColumn<QString>("change");
        QTest::newRow("order status") << QStringLiteral("update velko_pcp.tabela_pcp set situacao = 'F'");
        QTest::newRow("day closed") << QStringLiteral(
            "update velko_cst.industrial set data_fechamento = '2024-03-16', usuario_fechamento = 'GERENTE'");
    }
    void unreadColumnsDropNothing()
    {
        QFETCH(QString, change);
        m_db->exec(change);
        QCOMPARE(scalar(kGuardados), QStringLiteral("1"));
    }

    // Every table the rows are computed from, through the functions the computation calls,
    // drops what is kept when it changes.
    void everyTableReadDropsTheKeptRows()
    {
        const QRegularExpression tabela(QStringLiteral("\\b(velko_\\w+\\.\\w+)"));
        const QRegularExpression funcao(QStringLiteral("\\b(pkg_\\w+\\.\\w+)\\s*\\("));
        QSet<QString> tabelas, vistas;
        QStringList fila{QStringLiteral("pkg_industrializado.linhas_resultado")};
        while (!fila.isEmpty()) {
            const QString f = fila.takeFirst();
            if (vistas.contains(f))
                continue;
            vistas.insert(f);
            const QString fonte = scalar(QStringLiteral("select string_agg(prosrc, ' ') from pg_proc"
                                                        " where oid::regprocedure::text like '%1(%%'")
                                             .arg(f));
            QVERIFY2(!fonte.isEmpty(), qPrintable(f));
            for (const auto& m : tabela.globalMatch(fonte))
                tabelas.insert(m.captured(1));
            for (const auto& m : funcao.globalMatch(fonte))
                fila << m.captured(1);
        }
        QVERIFY(tabelas.contains(QStringLiteral("velko_mat.material")));
        for (const QString& t : tabelas) {
            if (scalar(QStringLiteral("select relkind from pg_class where oid = to_regclass('%1')").arg(t))
                != QLatin1String("r"))
                continue; // a row type
            const QString gatilhos = scalar(
                QStringLiteral("select count(*) from pg_trigger where tgrelid = '%1'::regclass and tgname in"
                               " ('descarta_resultado_u', 'descarta_resultado_d', 'descarta_resultado_t')")
                    .arg(t));
            QVERIFY2(gatilhos == QLatin1String("3"), qPrintable(t));
        }
    }

    // A read while a change is open: it sees the rows before the change, keeps nothing the change
    // makes stale, and once the change is in, reads its figures.
    void readDuringAnOpenChange()
    {
        forgetKeptRows();
        auto writer = m_db->connect();
        DBXConnection::Transaction t(*writer);
        writer->execute(kPrecoAlcatra);
        const QString before = scalar(kLidas);
        QCOMPARE(before, scalar(kCalculadas));
        QCOMPARE(scalar(kGuardados), QStringLiteral("0"));
        t.commit();
        QVERIFY(scalar(kLidas) != before);
        QCOMPARE(scalar(kLidas), scalar(kCalculadas));
        QCOMPARE(scalar(kGuardados), QStringLiteral("1"));
    }

    // A change made while a read is keeping rows waits for the read, then drops what it kept.
    void changeWaitsForAKeepingRead()
    {
        forgetKeptRows();
        auto reader = m_db->connect();
        DBXConnection::Transaction t(*reader);
        reader->query(QStringLiteral("select count(*) from table(velko_cst.pkg_industrializado.ppl_resultado(:u, :d, :d))"),
                      Params().setNumber(QStringLiteral("u"), 1).setDate(QStringLiteral("d"), custos::test::kDia));
        QThread* change = QThread::create([this] { m_db->connect()->execute(kPrecoAlcatra); });
        change->start();
        QTRY_COMPARE_WITH_TIMEOUT(scalar(QStringLiteral("select count(*) from pg_stat_activity where datname ="
                                                        " current_database() and wait_event = 'advisory'")),
                                  QStringLiteral("1"), 30000);
        t.commit();
        change->wait();
        delete change;
        QCOMPARE(scalar(kGuardados), QStringLiteral("0"));
        QCOMPARE(scalar(kLidas), scalar(kCalculadas));
    }

    void readOnlyTransactionKeepsNothing()
    {
        forgetKeptRows();
        m_db->exec(QStringLiteral("begin read only;") + kLidas + QStringLiteral(";commit"));
        QCOMPARE(scalar(kGuardados), QStringLiteral("0"));
    }
};

QTEST_GUILESS_MAIN(TestKeptProductionRows)
#include "tst_kept_production_rows.moc"
