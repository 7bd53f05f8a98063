// The shared routines on the real server: the session's company and the lists of CLAUSULA_IN.

#include "DBXConnection.h"
#include "SharedRoutines.h"
#include "TestDatabase.h"

#include <QTest>
#include <memory>

using namespace custos;

class TestSharedRoutines : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<test::TestDatabase> m_db;
    std::unique_ptr<session::DBXConnection> m_connection;

    // The rows of list `chave` as "NUMERO|DATA|CARACTER", read on the routine's own session.
    QStringList rows(int chave)
    {
        const session::Result result = m_connection->query(
            QStringLiteral(
                "SELECT NUMERO, TO_CHAR(DATA, 'YYYY-MM-DD HH24:MI:SS') DATA, CARACTER FROM VELKO.CLAUSULA_IN "
                "WHERE CHAVE = :CHAVE ORDER BY NUMERO, DATA, CARACTER"),
            session::Params().setInteger(QStringLiteral("CHAVE"), chave));
        QStringList out;
        for (int r = 0; r < result.rowCount(); ++r)
            out.append(result.value(r, 0).toString() + u'|' + result.value(r, 1).toString() + u'|' +
                       result.value(r, 2).toString());
        return out;
    }

private Q_SLOTS:
    void initTestCase()
    {
        m_db = std::make_unique<test::TestDatabase>();
        m_connection =
            m_db->connect(QStringLiteral("GERENTE"), QStringLiteral("custos"), QStringLiteral("3"));
    }

    void companyOfTheSession() { QCOMPARE(session::GetEmpresaSessao(*m_connection), 3); }

    void insertWritesTheColumnOfTheType_data()
    {
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QString>("row");
        QTest::newRow("double") << QVariant(2.5) << "2.5||";
        QTest::newRow("integer") << QVariant(int(42)) << "42||";
        QTest::newRow("date") << QVariant(QDate(2024, 3, 1)) << "|2024-03-01 00:00:00|";
        QTest::newRow("text") << QVariant(QStringLiteral("ção")) << "||ção";
    }

    void insertWritesTheColumnOfTheType()
    {
        QFETCH(QVariant, value);
        session::LimpaClausulaIn(*m_connection, 1);
        session::InsereClausulaIn(*m_connection, 1, value);
        QTEST(rows(1).join(u';'), "row");
    }

    void invalidTypesWriteNothing_data()
    {
        QTest::addColumn<QVariant>("value");
        QTest::newRow("Boolean") << QVariant(true);
        QTest::newRow("64-bit integer") << QVariant(qint64(7));
        QTest::newRow("empty") << QVariant();
    }

    void invalidTypesWriteNothing()
    {
        QFETCH(QVariant, value);
        session::LimpaClausulaIn(*m_connection, 2);
        try {
            session::InsereClausulaIn(*m_connection, 2, value);
            QFAIL("no error raised");
        } catch (const std::invalid_argument& error) {
            QCOMPARE(QString::fromUtf8(error.what()), QStringLiteral("Tipo de dado inválido!"));
        }
        QCOMPARE(rows(2), QStringList());
    }

    void clearEmptiesOneList()
    {
        session::LimpaClausulaIn(*m_connection, 1);
        session::LimpaClausulaIn(*m_connection, 2);
        session::InsereClausulaIn(*m_connection, 1, 10.0);
        session::InsereClausulaIn(*m_connection, 1, QStringLiteral("x"));
        session::InsereClausulaIn(*m_connection, 2, 20.0);
        session::LimpaClausulaIn(*m_connection, 1);
        QCOMPARE(rows(1), QStringList());
        QCOMPARE(rows(2), QStringList{QStringLiteral("20||")});
        session::LimpaClausulaIn(*m_connection, 9); // a key without rows
    }
};

QTEST_GUILESS_MAIN(TestSharedRoutines)
#include "tst_shared_routines.moc"
