// Every statement of the program, read from the program itself: the statements of the cost
// data module's datasets (walked from the module) and every library's statement constants
// (Statement.h). Each translates, and the server accepts it as the program sends it, package
// calls included: a statement is planned as the cost role (EXPLAIN, its binds typed as the
// program binds them); a block, or a command without a plan (SET ROLE), runs through the
// session with its binds NULL in a transaction that is rolled back, and must not fail for
// anything the server cannot resolve (syntax, an unknown routine, table or column, argument
// types: SQLSTATE classes 42 and 0A). A package refusing the NULL arguments shows the block ran.
#include "AppStatements.h"
#include "ClientDataSet.h"
#include "DBXConnection.h"
#include "DataModule_Custo.h"
#include "DatabaseError.h"
#include "DayprocStatements.h"
#include "Dialect.h"
#include "Provider.h"
#include "Query.h"
#include "ResultsStatements.h"
#include "SessionStatements.h"
#include "TestDatabase.h"

#include <QtTest>

using custos::session::BindType;
using custos::session::Params;
using custos::test::TestDatabase;

Q_DECLARE_METATYPE(custos::session::Params)

namespace {

// The server type a statement's bind is sent as (DBXConnection).
QString serverType(BindType type)
{
    switch (type) {
    case BindType::Number:
        return QStringLiteral("numeric");
    case BindType::Integer:
        return QStringLiteral("int8");
    case BindType::Text:
        return QStringLiteral("text");
    case BindType::Date:
    case BindType::DateTime:
        return QStringLiteral("oracle.date");
    case BindType::Null:
        break;
    }
    return QStringLiteral("unknown");
}

// A statement the server plans: a query or a change of rows.
bool hasPlan(const custos::sql::Translation& t)
{
    if (t.kind == custos::sql::StatementKind::Query)
        return true;
    if (t.kind == custos::sql::StatementKind::Block)
        return false;
    const QString text = QString::fromStdString(t.text).trimmed();
    for (const char* verb : {"INSERT", "UPDATE", "DELETE"}) {
        if (text.startsWith(QLatin1String(verb), Qt::CaseInsensitive))
            return true;
    }
    return false;
}

// Errors that say the server does not accept the statement, whatever the values bound.
bool notAccepted(const QString& sqlState)
{
    return sqlState.startsWith(QLatin1String("42")) || sqlState.startsWith(QLatin1String("0A"));
}

} // namespace

class TestDialectStatements : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<custos::session::DBXConnection> m_connection;
    std::unique_ptr<custos::data::TDataModule_Custo> m_module;

    // The row of a statement constant of a library.
    static void addConstants(const char* library, const custos::session::StatementList& statements)
    {
        for (const custos::session::Statement* s : statements)
            QTest::addRow("%s %s", library, qPrintable(s->name())) << s->text() << s->binds();
    }

    void explain(const custos::sql::Translation& t, const QStringList& types)
    {
        QStringList nulls;
        for (qsizetype i = 0; i < types.size(); ++i)
            nulls << QStringLiteral("NULL");
        const auto list = [](const QStringList& items) {
            return items.isEmpty() ? QString()
                                   : QLatin1Char('(') + items.join(QLatin1String(", ")) + QLatin1Char(')');
        };
        const QString sql = QStringLiteral("SET ROLE velko_user;\nCALL velko.set_nls_parameters();\n"
                                           "PREPARE checked%1 AS %2;\nEXPLAIN EXECUTE checked%3;")
                                .arg(list(types), QString::fromStdString(t.text), list(nulls));
        try {
            m_db->exec(sql);
        } catch (const std::exception& e) {
            QFAIL(qPrintable(QString::fromUtf8(e.what()) + QStringLiteral("\n") + sql.left(4000)));
        }
    }

    void runAndRollBack(const QString& oracle, const Params& binds)
    {
        custos::session::DBXConnection::Transaction transaction(*m_connection);
        try {
            m_connection->execute(oracle, binds);
        } catch (const custos::session::DatabaseError& e) {
            if (notAccepted(e.sqlState()))
                QFAIL(qPrintable(QStringLiteral("%1 %2").arg(e.sqlState(), e.message())));
        }
        transaction.rollback();
    }

private Q_SLOTS:
    void initTestCase()
    {
        m_db = std::make_unique<TestDatabase>(TestDatabase::Kind::Central);
        m_connection = m_db->connect();
        m_module = std::make_unique<custos::data::TDataModule_Custo>(*m_connection);
    }

    void statement_data()
    {
        QTest::addColumn<QString>("oracle");
        QTest::addColumn<Params>("binds");
        // A client dataset's own parameters take the place of its query's.
        QHash<const custos::data::Query*, const custos::data::ClientDataSet*> dataSetOf;
        for (const auto* dataSet : m_module->findChildren<custos::data::ClientDataSet*>())
            dataSetOf.insert(dataSet->provider()->query(), dataSet);
        for (const auto* query : m_module->findChildren<custos::data::Query*>()) {
            Params binds = query->params();
            if (const auto* dataSet = dataSetOf.value(query))
                for (const auto& own : dataSet->params().values())
                    binds.set(own.name, own.type, own.value);
            QTest::addRow("%s %s", qPrintable(m_module->objectName()), qPrintable(query->objectName()))
                << query->text() << binds;
        }
        addConstants("session", custos::session::statements::list());
        addConstants("dayproc", custos::dayproc::statements::list());
        addConstants("app", custos::app::statements::list());
        addConstants("results", custos::results::statements::list());
    }
    void statement()
    {
        QFETCH(QString, oracle);
        QFETCH(Params, binds);
        custos::sql::Translation t;
        try {
            t = custos::sql::translateUncached(oracle.toStdString());
        } catch (const custos::sql::TranslationError& e) {
            QFAIL(e.what());
        }
        QStringList types;
        for (const std::string& name : t.binds) {
            const custos::session::BindValue* bind = binds.find(QString::fromStdString(name));
            QVERIFY2(bind, qPrintable(QStringLiteral("the program declares no type for :%1")
                                          .arg(QString::fromStdString(name))));
            types << serverType(bind->type);
        }
        if (hasPlan(t))
            explain(t, types);
        else
            runAndRollBack(oracle, binds);
    }
};

QTEST_GUILESS_MAIN(TestDialectStatements)
#include "tst_dialect_statements.moc"
