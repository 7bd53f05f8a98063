// The connection against the real server: session set-up, type mapping, transactions, errors.
#include "DBXConnection.h"
#include "DatabaseError.h"
#include "TestDatabase.h"

#include <QtTest>

using custos::session::DatabaseError;
using custos::session::DBXConnection;
using custos::session::FieldKind;
using custos::session::Params;
using custos::test::TestDatabase;

namespace {

double company(DBXConnection& c)
{
    auto r = c.query(QStringLiteral("select VELKO.PKG_VELKO.Get_Empresa EMPRESA from dual"));
    return r.value(0, 0).toDouble();
}

} // namespace

class TestConnection : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestDatabase> m_db;

private Q_SLOTS:
    void initTestCase()
    {
        m_db = std::make_unique<TestDatabase>(TestDatabase::Kind::Unit);
        m_db->exec(QStringLiteral(
            "CREATE TABLE velko_cst.tipos (valor numeric(12,2), flag numeric(1), pequeno numeric(4),"
            " medio numeric(8), id numeric(10), dia oracle.date, nome varchar(30));"
            "INSERT INTO velko_cst.tipos VALUES (1234.57, 1, 123, 12345678, 1234567890, '2026-03-01 10:20:30', 'Picanha');"
            "GRANT SELECT, INSERT, UPDATE, DELETE ON velko_cst.tipos TO velko_user;"));
    }

    void companySetAtConnect_data()
    {
        QTest::addColumn<QString>("parameter");
        QTest::addColumn<double>("expected");
        QTest::newRow("whole number") << QStringLiteral("7") << 7.0;
        QTest::newRow("not a number") << QStringLiteral("abc") << 0.0;
        QTest::newRow("empty") << QString() << 0.0;
    }
    void companySetAtConnect()
    {
        QFETCH(QString, parameter);
        QFETCH(double, expected);
        auto c = m_db->connect(QStringLiteral("GERENTE"), QStringLiteral("custos"), parameter);
        QCOMPARE(company(*c), expected);
    }

    void companySurvivesRollback()
    {
        auto c = m_db->connect(QStringLiteral("ANALISTA"), QStringLiteral("custos"), QStringLiteral("3"));
        {
            DBXConnection::Transaction t(*c);
            c->execute(QStringLiteral("UPDATE velko_cst.tipos SET flag = 0"));
            t.rollback();
        }
        QCOMPARE(company(*c), 3.0);
        QCOMPARE(m_db->scalar(QStringLiteral("select flag from velko_cst.tipos")), QStringLiteral("1"));
    }

    void reconnectRunsSetUpAgain()
    {
        auto c = m_db->connect(QStringLiteral("GERENTE"), QStringLiteral("custos"), QStringLiteral("2"));
        c->setParam(QStringLiteral("DEFAULT COMPANY"), QStringLiteral("5"));
        c->open();
        QCOMPARE(company(*c), 5.0);
        // The role is set again: the cost objects are reachable on the new connection.
        QCOMPARE(c->query(QStringLiteral("select nome from velko_cst.tipos")).value(0, 0).toString(),
                 QStringLiteral("Picanha"));
        c->execute(QStringLiteral("SET ROLE VELKO_USER IDENTIFIED BY RKT390426057W5NUV8390BY905832"));
    }

    void typeMapping_data()
    {
        QTest::addColumn<QString>("column");
        QTest::addColumn<FieldKind>("kind");
        QTest::addColumn<QVariant>("value");
        QTest::newRow("two decimals") << "VALOR" << FieldKind::Float << QVariant(1234.57);
        QTest::newRow("one-digit flag") << "FLAG" << FieldKind::Int8 << QVariant(1);
        QTest::newRow("four digits") << "PEQUENO" << FieldKind::Int16 << QVariant(123);
        QTest::newRow("eight digits") << "MEDIO" << FieldKind::Int32 << QVariant(12345678);
        QTest::newRow("wide id") << "ID" << FieldKind::Float << QVariant(1234567890.0);
        QTest::newRow("date") << "DIA" << FieldKind::Timestamp
                              << QVariant(QDateTime(QDate(2026, 3, 1), QTime(10, 20, 30), Qt::UTC));
        QTest::newRow("text") << "NOME" << FieldKind::Text << QVariant(QStringLiteral("Picanha"));
    }
    void typeMapping()
    {
        QFETCH(QString, column);
        QFETCH(FieldKind, kind);
        QFETCH(QVariant, value);
        auto c = m_db->connect();
        auto r = c->query(QStringLiteral("select valor, flag, pequeno, medio, id, dia, nome from velko_cst.tipos"));
        const int i = r.indexOf(column);
        QVERIFY(i >= 0);
        QCOMPARE(r.column(i).name, column);
        QCOMPARE(r.column(i).kind, kind);
        QCOMPARE(r.value(0, i), value);
        if (column == QLatin1String("NOME"))
            QCOMPARE(r.column(i).width, 30);
    }

    void quotedAliasKeepsItsCase()
    {
        auto c = m_db->connect();
        auto r = c->query(QStringLiteral("select nome \"Nome\", valor total from velko_cst.tipos"));
        QCOMPARE(r.column(0).name, QStringLiteral("Nome"));
        QCOMPARE(r.column(1).name, QStringLiteral("TOTAL"));
    }

    void bindsByName()
    {
        auto c = m_db->connect();
        Params p;
        p.setNumber(QStringLiteral("v"), 1234.57).setText(QStringLiteral("NOME"), QStringLiteral("Picanha"));
        auto r = c->query(QStringLiteral("select count(*) n from velko_cst.tipos where valor = :V and nome = :nome and :v > 0"), p);
        QCOMPARE(r.value(0, 0).toDouble(), 1.0);
        // An empty text binds as NULL.
        Params empty;
        empty.setText(QStringLiteral("x"), QString(QLatin1String("")));
        QVERIFY(c->query(QStringLiteral("select :x v from dual"), empty).isNull(0, 0));
        // So does a day that is not a valid date.
        Params noDay;
        noDay.setDate(QStringLiteral("d"), QDate());
        QVERIFY(c->query(QStringLiteral("select :d v from dual"), noDay).isNull(0, 0));
    }

    void clausulaInIsPrivateToTheSession()
    {
        auto a = m_db->connect();
        auto b = m_db->connect();
        a->execute(QStringLiteral("INSERT INTO VELKO.CLAUSULA_IN ( CHAVE , NUMERO ) VALUES ( :CHAVE , :DADOS )"),
                   Params().setInteger(QStringLiteral("CHAVE"), 1).setNumber(QStringLiteral("DADOS"), 42));
        const QString count = QStringLiteral("select count(*) n from velko.clausula_in where chave = 1");
        QCOMPARE(a->query(count).value(0, 0).toDouble(), 1.0);
        QCOMPARE(b->query(count).value(0, 0).toDouble(), 0.0);
        b->execute(QStringLiteral("DELETE VELKO.CLAUSULA_IN WHERE CHAVE = :Chave"), Params().setInteger(QStringLiteral("Chave"), 1));
        QCOMPARE(a->query(count).value(0, 0).toDouble(), 1.0);
    }

    void failedStatementKeepsTheTransaction()
    {
        auto c = m_db->connect();
        {
            DBXConnection::Transaction t(*c);
            c->execute(QStringLiteral("UPDATE velko_cst.tipos SET nome = 'Alcatra'"));
            QVERIFY_THROWS_EXCEPTION(DatabaseError, c->execute(QStringLiteral("UPDATE velko_cst.tipos SET flag = 10")));
            t.commit();
        }
        QCOMPARE(m_db->scalar(QStringLiteral("select nome from velko_cst.tipos")), QStringLiteral("Alcatra"));
        {
            DBXConnection::Transaction t(*c);
            c->execute(QStringLiteral("UPDATE velko_cst.tipos SET nome = 'Cupim'"));
        } // not committed: rolled back
        QCOMPARE(m_db->scalar(QStringLiteral("select nome from velko_cst.tipos")), QStringLiteral("Alcatra"));
        m_db->exec(QStringLiteral("UPDATE velko_cst.tipos SET nome = 'Picanha'"));
    }

    void errorsCarryTheServersMessage_data()
    {
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("service");
        QTest::addColumn<QString>("message");
        QTest::newRow("wrong password") << "GERENTE" << "errada" << "" << "password authentication failed for user \"GERENTE\"";
        QTest::newRow("unknown service") << "GERENTE" << "custos" << "NAO_EXISTE" << "definition of service \"NAO_EXISTE\" not found";
    }
    void errorsCarryTheServersMessage()
    {
        QFETCH(QString, user);
        QFETCH(QString, password);
        QFETCH(QString, service);
        QFETCH(QString, message);
        DBXConnection c;
        c.setParam(QStringLiteral("DATABASE"), service.isEmpty() ? m_db->serviceName() : service);
        c.setParam(QStringLiteral("USER_NAME"), user);
        c.setParam(QStringLiteral("PASSWORD"), password);
        try {
            c.open();
            QFAIL("connected");
        } catch (const DatabaseError& e) {
            QCOMPARE(e.message(), message);
        }
        QVERIFY(!c.isConnected());
        c.setParam(QStringLiteral("DATABASE"), m_db->serviceName());
        c.setParam(QStringLiteral("PASSWORD"), QStringLiteral("custos"));
        c.open();
        QVERIFY(c.isConnected());
    }

    void missingTableRaisesAndTheConnectionGoesOn()
    {
        auto c = m_db->connect();
        try {
            c->query(QStringLiteral("select * from velko_cst.nao_existe"));
            QFAIL("no error");
        } catch (const DatabaseError& e) {
            QCOMPARE(e.message(), QStringLiteral("relation \"velko_cst.nao_existe\" does not exist"));
            QCOMPARE(e.sqlState(), QStringLiteral("42P01"));
        }
        QCOMPARE(c->query(QStringLiteral("select 1 um from dual")).value(0, 0).toDouble(), 1.0);
    }
};

QTEST_GUILESS_MAIN(TestConnection)
#include "tst_connection.moc"
