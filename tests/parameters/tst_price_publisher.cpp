// Publishing into the sales price tables on the real server: one transaction for the whole
// list, insert or update decided when writing, the refused product named.
#include "DBXConnection.h"
#include "DataModule_Custo.h"
#include "DatabaseError.h"
#include "PricePublisher.h"
#include "PriceTableRows.h"
#include "TestDatabase.h"

#include <QtTest>

using custos::data::TDataModule_Custo;
using custos::parameters::kNoTable;
using custos::parameters::PricePublisher;
using custos::parameters::PriceTargets;
using custos::parameters::PriceWrite;
using custos::parameters::TickedProduct;
using custos::session::DatabaseError;
using custos::session::DBXConnection;
using custos::test::priceRows;
using custos::test::TestDatabase;

namespace {

const QString kDetalhes = QStringLiteral("Data Base: 15/03/2024 Familia: 30");

PriceWrite incluir(double preco) { return {QStringLiteral("Incluir"), QVariant(), preco}; }
PriceWrite atualizar(double item, double preco) { return {QStringLiteral("Atualizar"), item, preco}; }
PriceWrite nenhuma() { return {QStringLiteral("Nenhuma"), QVariant(), 1.0}; }

TickedProduct product(double sequencial, const char* codigo, PriceWrite custo, PriceWrite base = nenhuma())
{
    return {sequencial, QString::fromLatin1(codigo), QStringLiteral("Produto %1").arg(codigo), std::move(custo),
            std::move(base)};
}

} // namespace

Q_DECLARE_METATYPE(PriceWrite)

class TestPricePublisher : public QObject
{
    Q_OBJECT
    TestDatabase m_db;
    std::unique_ptr<DBXConnection> m_connection;
    std::unique_ptr<TDataModule_Custo> m_module;

    void publish(const std::vector<TickedProduct>& products, PriceTargets targets)
    {
        PricePublisher(*m_module).publish(products, targets, kDetalhes);
    }

private Q_SLOTS:
    void initTestCase()
    {
        m_db.loadFixture(QStringLiteral("custo_dia.sql"));
        m_db.loadFixture(QStringLiteral("tabela_precos.sql"));
        custos::test::keepPriceRows(m_db);
        m_connection = m_db.connect(QStringLiteral("ANALISTA"));
        m_module = std::make_unique<TDataModule_Custo>(*m_connection);
    }
    void init()
    {
        custos::test::restorePriceRows(m_db);
    }

    // An insert carries the system's marks; publishing again updates that row, with the same
    // marks and text, and adds none.
    void insertedOnceThenUpdated()
    {
        publish({product(121, "3002", incluir(30.5))}, {10, kNoTable});
        const QString marks = QStringLiteral("select origem || '|' || origem_usuario || '|' || origem_observacoes || '|' ||"
                                             " (origem_data between localtimestamp - interval '1 minute' and localtimestamp)"
                                             " from velko_ven.item_preco where sequencial_produto = 121");
        QCOMPARE(m_db.scalar(marks), QStringLiteral("C|ANALISTA|") + kDetalhes + QStringLiteral("|true"));
        QCOMPARE(priceRows(m_db, 10), QStringLiteral("120:18 121:30.5"));
        const QString item = m_db.scalar(QStringLiteral("select sequencial_item_preco from velko_ven.item_preco"
                                                        " where sequencial_produto = 121"));
        publish({product(121, "3002", atualizar(item.toDouble(), 31))}, {10, kNoTable});
        QCOMPARE(priceRows(m_db, 10), QStringLiteral("120:18 121:31"));
        QCOMPARE(m_db.scalar(marks), QStringLiteral("C|ANALISTA|") + kDetalhes + QStringLiteral("|true"));
    }

    // The list's actions are those of the moment it was loaded: what the table holds when the
    // prices are written decides.
    void actionDecidedWhenWriting_data()
    {
        QTest::addColumn<QString>("meanwhile");
        QTest::addColumn<double>("produto");
        QTest::addColumn<PriceWrite>("listed");
        QTest::addColumn<QString>("expected");
        QTest::newRow("inserted by another user: updated")
            << "INSERT INTO velko_ven.item_preco (sequencial_item_preco, sequencial_produto, sequencial_tabela_preco, preco)"
               " VALUES (50, 121, 10, 7)"
            << 121.0 << incluir(30) << "120:18 121:30";
        QTest::newRow("deleted by another user: inserted") << "DELETE FROM velko_ven.item_preco WHERE sequencial_item_preco = 1"
                                                           << 120.0 << atualizar(1, 19) << "120:19";
        QTest::newRow("listed row replaced: the product's row updated")
            << "UPDATE velko_ven.item_preco SET sequencial_item_preco = 60 WHERE sequencial_item_preco = 1"
            << 120.0 << atualizar(1, 19) << "120:19";
    }
    void actionDecidedWhenWriting()
    {
        QFETCH(QString, meanwhile);
        QFETCH(double, produto);
        QFETCH(PriceWrite, listed);
        QFETCH(QString, expected);
        m_db.exec(meanwhile);
        publish({product(produto, "x", listed)}, {10, kNoTable});
        QCOMPARE(priceRows(m_db, 10), expected);
    }

    // Both targets, in the list's order, each side skipped when its action is "Nenhuma" or it
    // has no table; a product listed twice is inserted once.
    void writesFollowTheListAndItsTargets()
    {
        publish({product(121, "3002", incluir(30), incluir(40)), product(101, "1001", nenhuma(), incluir(3)),
                 product(102, "1002", incluir(8), nenhuma()), product(120, "3001", atualizar(1, 20), atualizar(2, 26)),
                 product(101, "1001", incluir(4), incluir(5))},
                {10, 20});
        QCOMPARE(priceRows(m_db, 10), QStringLiteral("120:20 121:30 102:8 101:4"));
        QCOMPARE(priceRows(m_db, 20), QStringLiteral("120:26 121:40 101:5"));
        publish({product(121, "3002", incluir(1), incluir(2))}, {kNoTable, 11});
        QCOMPARE(priceRows(m_db, 10), QStringLiteral("120:20 121:30 102:8 101:4"));
        QCOMPARE(priceRows(m_db, 11), QStringLiteral("121:2"));
    }

    // A refused write leaves every table as it was, and the error names the product over the
    // database's own message.
    void refusedWriteWritesNothing_data()
    {
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("refusal");
        QTest::addColumn<QString>("message");
        QTest::newRow("trigger refusing one product")
            << "ANALISTA"
            << "CREATE FUNCTION velko_ven.recusa_102() RETURNS trigger LANGUAGE plpgsql AS $$ BEGIN"
               " IF NEW.sequencial_produto = 102 THEN RAISE EXCEPTION 'Produto 102 bloqueado para venda'; END IF;"
               " RETURN NEW; END $$;"
               "CREATE TRIGGER recusa_102 BEFORE INSERT OR UPDATE ON velko_ven.item_preco"
               " FOR EACH ROW EXECUTE FUNCTION velko_ven.recusa_102()"
            << "Produto 102 bloqueado para venda";
        QTest::newRow("operator") << "OPERADOR" << "" << "O usuário OPERADOR é operador";
    }
    void refusedWriteWritesNothing()
    {
        QFETCH(QString, user);
        QFETCH(QString, refusal);
        QFETCH(QString, message);
        if (!refusal.isEmpty())
            m_db.exec(refusal);
        auto connection = m_db.connect(user);
        TDataModule_Custo module(*connection);
        try {
            PricePublisher(module).publish({product(120, "3001", atualizar(1, 99), atualizar(2, 99)),
                                            product(102, "1002", incluir(8), incluir(9))},
                                           {10, 20}, kDetalhes);
            QFAIL("the publication was not refused");
        } catch (const DatabaseError& error) {
            QVERIFY2(error.message().contains(message), qPrintable(error.message()));
            const QString product = user == QLatin1String("OPERADOR") ? QStringLiteral("3001 - Produto 3001")
                                                                      : QStringLiteral("1002 - Produto 1002");
            QVERIFY2(error.userText().startsWith(QStringLiteral("Nenhum preço foi gravado: a gravação do produto ") +
                                                 product),
                     qPrintable(error.userText()));
        }
        if (!refusal.isEmpty())
            m_db.exec(QStringLiteral("DROP TRIGGER recusa_102 ON velko_ven.item_preco"));
        QCOMPARE(priceRows(m_db, 10), QStringLiteral("120:18"));
        QCOMPARE(priceRows(m_db, 20), QStringLiteral("120:25"));
        // the connection goes on working after the rollback
        QCOMPARE(connection->query(QStringLiteral("select 1 um from dual")).value(0, 0).toInt(), 1);
    }
};

QTEST_GUILESS_MAIN(TestPricePublisher)
#include "tst_price_publisher.moc"
