// The connection against the real server: session set-up, type mapping, transactions, errors.
#include "DBXConnection.h"
#include "DatabaseError.h"
#include "TestDatabase.h"

#include <QtTest>

using custos::session::ConnectionLostError;
using custos::session::DatabaseError;
using custos::session::DatabaseErrorKind;
using custos::session::IntegrityError;
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

    // Ends the connection's session from the server side, as an administrator or a restart does.
    void terminate(DBXConnection& c) const
    {
        const QString pid = c.query(QStringLiteral("select pg_backend_pid() pid from dual")).value(0, 0).toString();
        m_db->exec(QStringLiteral("SELECT pg_terminate_backend(%1, 5000)").arg(pid));
    }

private Q_SLOTS:
    void initTestCase()
    {
        m_db = std::make_unique<TestDatabase>(TestDatabase::Kind::Unit);
        m_db->exec(QStringLiteral(
            "CREATE TABLE velko_cst.tipos (valor numeric(12,2), flag numeric(1), pequeno numeric(4),"
            " medio numeric(8), id numeric(10), dia oracle.date, nome varchar(30));"
            "INSERT INTO velko_cst.tipos VALUES (1234.57, 1, 123, 12345678, 1234567890, '2026-03-01 10:20:30', 'Picanha');"
            "GRANT SELECT, INSERT, UPDATE, DELETE ON velko_cst.tipos TO velko_user;"
            "CREATE TABLE velko_cst.chaves (id numeric(10) PRIMARY KEY);"
            "INSERT INTO velko_cst.chaves VALUES (1);"
            "CREATE TABLE velko_cst.adiada (id numeric(10), UNIQUE (id) DEFERRABLE INITIALLY DEFERRED);"
            "GRANT SELECT, INSERT, UPDATE, DELETE ON velko_cst.chaves, velko_cst.adiada TO velko_user;"));
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

    // A connection that cannot be made: the server's (or libpq's) reason, the code of its case
    // and the sentence the user reads above it.
    void connectionFailuresAreTypedAndExplained_data()
    {
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("service");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("sqlState");
        QTest::addColumn<QString>("summary");
        QTest::newRow("wrong password") << "GERENTE" << "errada" << "" << "password authentication failed for user \"GERENTE\""
                                        << "28P01" << "Usuário ou senha inválidos.";
        QTest::newRow("unknown service") << "GERENTE" << "custos" << "NAO_EXISTE" << "definition of service \"NAO_EXISTE\" not found"
                                         << "08001" << "O serviço de banco de dados informado não está configurado neste computador.";
        QTest::newRow("server not reachable") << "GERENTE" << "custos" << "unreachable" << ""
                                              << "08001" << "Não foi possível conectar ao servidor de banco de dados.";
    }
    void connectionFailuresAreTypedAndExplained()
    {
        QFETCH(QString, user);
        QFETCH(QString, password);
        QFETCH(QString, service);
        QFETCH(QString, message);
        QFETCH(QString, sqlState);
        QFETCH(QString, summary);
        DBXConnection c;
        c.setParam(QStringLiteral("DATABASE"), service.isEmpty() ? m_db->serviceName()
                                               : service == QLatin1String("unreachable") ? m_db->unreachableServiceName()
                                                                                          : service);
        c.setParam(QStringLiteral("USER_NAME"), user);
        c.setParam(QStringLiteral("PASSWORD"), password);
        try {
            c.open();
            QFAIL("connected");
        } catch (const DatabaseError& e) {
            if (!message.isEmpty())
                QCOMPARE(e.message(), message);
            QVERIFY(!e.message().isEmpty());
            QCOMPARE(e.sqlState(), sqlState);
            QCOMPARE(e.summary(), summary);
            QCOMPARE(e.userText(), summary + u'\r' + e.message());
        }
        QVERIFY(!c.isConnected());
        c.setParam(QStringLiteral("DATABASE"), m_db->serviceName());
        c.setParam(QStringLiteral("PASSWORD"), QStringLiteral("custos"));
        c.open();
        QVERIFY(c.isConnected());
    }

    // Errors raised by the server come as the type of their kind.
    void serverErrorsAreTypedByKind()
    {
        auto c = m_db->connect();
        QVERIFY_THROWS_EXCEPTION(IntegrityError,
                                 c->execute(QStringLiteral("INSERT INTO velko_cst.chaves (id) VALUES (1)")));
        try {
            c->execute(QStringLiteral("UPDATE velko_cst.tipos SET flag = 10"));
            QFAIL("no error");
        } catch (const DatabaseError& e) {
            QCOMPARE(e.kind(), DatabaseErrorKind::Other);
            QCOMPARE(e.userText(), e.message()); // a refused statement shows the database's message
        }
        try {
            c->query(QStringLiteral("select 'sem fim from dual"));
            QFAIL("no error");
        } catch (const DatabaseError& e) {
            QVERIFY2(e.userText().startsWith(QStringLiteral("A instrução do programa não pôde ser preparada")),
                     qPrintable(e.userText()));
            QVERIFY(e.message().contains(QLatin1String("unterminated string")));
        }
        QCOMPARE(company(*c), 1.0); // the connection goes on
    }

    // The server ends the session (an administrator, a restart): the statement that meets the
    // loss reports it, the next one reconnects with the same login and the session set-up.
    void lostConnectionIsReopenedByTheNextStatement()
    {
        auto c = m_db->connect(QStringLiteral("ANALISTA"), QStringLiteral("custos"), QStringLiteral("3"));
        terminate(*c);
        try {
            c->query(QStringLiteral("select 1 um from dual"));
            QFAIL("no error");
        } catch (const ConnectionLostError& e) {
            QCOMPARE(e.summary(), QStringLiteral("A conexão com o banco de dados foi perdida. A próxima operação reconectará."));
            QVERIFY(!e.message().isEmpty());
        }
        QCOMPARE(company(*c), 3.0);
        QCOMPARE(c->query(QStringLiteral("select nome from velko_cst.tipos")).value(0, 0).toString(),
                 QStringLiteral("Picanha"));
    }

    // A loss inside an explicit transaction: nothing of the transaction runs outside it, and
    // once it is let go the next statement reconnects.
    void lostTransactionRefusesItsStatementsUntilLetGo()
    {
        auto c = m_db->connect();
        {
            DBXConnection::Transaction t(*c);
            c->execute(QStringLiteral("UPDATE velko_cst.tipos SET nome = 'Maminha'"));
            terminate(*c);
            QVERIFY_THROWS_EXCEPTION(ConnectionLostError, c->execute(QStringLiteral("UPDATE velko_cst.tipos SET flag = 0")));
            QVERIFY_THROWS_EXCEPTION(ConnectionLostError, c->execute(QStringLiteral("UPDATE velko_cst.tipos SET flag = 0")));
            QVERIFY_THROWS_EXCEPTION(ConnectionLostError, t.commit());
        }
        QCOMPARE(c->query(QStringLiteral("select nome, flag from velko_cst.tipos")).value(0, 0).toString(),
                 QStringLiteral("Picanha"));
        QCOMPARE(m_db->scalar(QStringLiteral("select flag from velko_cst.tipos")), QStringLiteral("1"));
    }

    // A reconnect that fails says so and leaves the connection ready for the next try.
    void failedReconnectCanBeRetried()
    {
        auto c = m_db->connect();
        terminate(*c);
        QVERIFY_THROWS_EXCEPTION(ConnectionLostError, c->query(QStringLiteral("select 1 um from dual")));
        c->setParam(QStringLiteral("DATABASE"), m_db->unreachableServiceName());
        try {
            c->query(QStringLiteral("select 1 um from dual"));
            QFAIL("reconnected");
        } catch (const ConnectionLostError& e) {
            QCOMPARE(e.summary(), QStringLiteral("Não foi possível reconectar ao banco de dados. Tente novamente."));
        }
        c->setParam(QStringLiteral("DATABASE"), m_db->serviceName());
        QCOMPARE(c->query(QStringLiteral("select 1 um from dual")).value(0, 0).toDouble(), 1.0);
    }

    void closedOnPurposeDoesNotReconnect()
    {
        auto c = m_db->connect();
        c->close();
        try {
            c->query(QStringLiteral("select 1 um from dual"));
            QFAIL("reconnected");
        } catch (const ConnectionLostError& e) {
            QCOMPARE(e.userText(), QStringLiteral("Não há conexão com o banco de dados."));
        }
        QVERIFY(!c->isConnected());
    }

    // A block's procedure created under the statement savepoint goes with the savepoint when the
    // call fails; the same block then runs again after the caller commits.
    void blockRunsAgainAfterFailingInsideATransaction()
    {
        auto c = m_db->connect();
        const QString block = QStringLiteral("BEGIN UPDATE velko_cst.tipos SET flag = :flag; END;");
        {
            DBXConnection::Transaction t(*c);
            QVERIFY_THROWS_EXCEPTION(DatabaseError, c->execute(block, Params().setNumber(QStringLiteral("flag"), 10)));
            t.commit();
        }
        c->execute(block, Params().setNumber(QStringLiteral("flag"), 2));
        QCOMPARE(m_db->scalar(QStringLiteral("select flag from velko_cst.tipos")), QStringLiteral("2"));
        m_db->exec(QStringLiteral("UPDATE velko_cst.tipos SET flag = 1"));
    }

    // A COMMIT refused by a deferred constraint rolls back the procedures created in the
    // transaction; the same block then runs.
    void blockRunsAgainAfterARefusedCommit()
    {
        auto c = m_db->connect();
        const QString block = QStringLiteral("BEGIN INSERT INTO velko_cst.adiada (id) VALUES (:id); END;");
        {
            DBXConnection::Transaction t(*c);
            c->execute(block, Params().setNumber(QStringLiteral("id"), 1));
            c->execute(block, Params().setNumber(QStringLiteral("id"), 1));
            QVERIFY_THROWS_EXCEPTION(IntegrityError, t.commit());
        }
        c->execute(block, Params().setNumber(QStringLiteral("id"), 2));
        QCOMPARE(m_db->scalar(QStringLiteral("select string_agg(id::text, ',') from velko_cst.adiada")), QStringLiteral("2"));
    }

    // A procedure the server no longer has is created again.
    void blockRecreatesAProcedureTheServerLost()
    {
        auto c = m_db->connect();
        const QString block = QStringLiteral("BEGIN UPDATE velko_cst.tipos SET pequeno = :n; END;");
        c->execute(block, Params().setNumber(QStringLiteral("n"), 5));
        const QString schema = c->query(QStringLiteral("select n.nspname from pg_catalog.pg_namespace n where n.oid = pg_my_temp_schema()"))
                                   .value(0, 0).toString();
        m_db->exec(QStringLiteral("DO $$ DECLARE p regprocedure; BEGIN FOR p IN SELECT oid::regprocedure FROM pg_proc"
                                  " WHERE pronamespace = '%1'::regnamespace LOOP EXECUTE 'DROP PROCEDURE ' || p; END LOOP; END $$")
                       .arg(schema));
        c->execute(block, Params().setNumber(QStringLiteral("n"), 6));
        QCOMPARE(m_db->scalar(QStringLiteral("select pequeno from velko_cst.tipos")), QStringLiteral("6"));
        m_db->exec(QStringLiteral("UPDATE velko_cst.tipos SET pequeno = 123"));
    }

    // A transaction that fails whole: after a failing statement nothing more runs in it, and
    // rolling it back leaves nothing of it; the next transaction fails statement by statement.
    void transactionFailingWholeRunsNothingAfterTheFailure()
    {
        auto c = m_db->connect();
        {
            DBXConnection::Transaction t(*c, DBXConnection::FailureScope::Transaction);
            c->execute(QStringLiteral("UPDATE velko_cst.tipos SET nome = 'Alcatra'"));
            QVERIFY_THROWS_EXCEPTION(DatabaseError, c->execute(QStringLiteral("UPDATE velko_cst.tipos SET flag = 10")));
            QVERIFY_THROWS_EXCEPTION(DatabaseError, c->execute(QStringLiteral("UPDATE velko_cst.tipos SET nome = 'Cupim'")));
        }
        QCOMPARE(m_db->scalar(QStringLiteral("select nome from velko_cst.tipos")), QStringLiteral("Picanha"));
        {
            DBXConnection::Transaction t(*c);
            QVERIFY_THROWS_EXCEPTION(DatabaseError, c->execute(QStringLiteral("UPDATE velko_cst.tipos SET flag = 10")));
            c->execute(QStringLiteral("UPDATE velko_cst.tipos SET nome = 'Cupim'"));
            t.commit();
        }
        QCOMPARE(m_db->scalar(QStringLiteral("select nome from velko_cst.tipos")), QStringLiteral("Cupim"));
        m_db->exec(QStringLiteral("UPDATE velko_cst.tipos SET nome = 'Picanha'"));
    }

    // A prepared statement runs with each run's binds, through a rolled-back transaction and a
    // connection the server ended (planned again on the new one).
    void preparedStatementRunsWithNewBinds()
    {
        auto c = m_db->connect();
        DBXConnection::Prepared update(*c, QStringLiteral("UPDATE velko_cst.tipos SET medio = :medio WHERE id = :id"));
        const auto run = [&](double medio) {
            return update.execute(Params().setNumber(QStringLiteral("medio"), medio).setNumber(QStringLiteral("id"), 1234567890));
        };
        QCOMPARE(run(1), 1LL);
        {
            DBXConnection::Transaction t(*c);
            run(2);
        }
        QCOMPARE(m_db->scalar(QStringLiteral("select medio from velko_cst.tipos")), QStringLiteral("1"));
        terminate(*c);
        QVERIFY_THROWS_EXCEPTION(ConnectionLostError, run(3));
        QCOMPARE(run(4), 1LL);
        QCOMPARE(m_db->scalar(QStringLiteral("select medio from velko_cst.tipos")), QStringLiteral("4"));
        m_db->exec(QStringLiteral("UPDATE velko_cst.tipos SET medio = 12345678"));
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
