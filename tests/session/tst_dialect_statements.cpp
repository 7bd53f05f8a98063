// Every statement of the program translates; those that read or write only tables (no package
// routines) are also checked by the server: EXPLAIN for statements, CREATE PROCEDURE for blocks.
#include "Dialect.h"
#include "TestDatabase.h"

#include <QtTest>

using custos::test::TestDatabase;

namespace {

// The server type of a bind, by its name in the program's statements.
QString bindType(const QString& name)
{
    if (name == QLatin1String("DADOS"))
        return QStringLiteral("unknown");
    if (name.contains(QLatin1String("DATA")))
        return QStringLiteral("oracle.date");
    if (name == QLatin1String("APROVEITAMENTO_RATEIO") || name == QLatin1String("OPERACAO")
        || name == QLatin1String("DETALHES") || name == QLatin1String("EMPRESA"))
        return QStringLiteral("text");
    return QStringLiteral("numeric");
}

} // namespace

class TestDialectStatements : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestDatabase> m_db;

private Q_SLOTS:
    void initTestCase() { m_db = std::make_unique<TestDatabase>(TestDatabase::Kind::Central); }

    void statement_data()
    {
        QTest::addColumn<QString>("oracle");
        QFile f(QFINDTESTDATA("data/dialect_statements.txt"));
        QVERIFY(f.open(QIODevice::ReadOnly | QIODevice::Text));
        QString name, text;
        int n = 0;
        auto flush = [&] {
            if (!name.isEmpty())
                QTest::newRow(qPrintable(QStringLiteral("%1 %2").arg(++n, 2, 10, QLatin1Char('0')).arg(name))) << text;
        };
        for (const QString& line : QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'))) {
            if (line.startsWith(QLatin1String("--- "))) {
                flush();
                name = line.mid(4);
                text.clear();
            } else if (!name.isEmpty()) {
                text += line + QLatin1Char('\n');
            }
        }
        flush();
    }
    void statement()
    {
        QFETCH(QString, oracle);
        custos::sql::Translation t;
        try {
            t = custos::sql::translateUncached(oracle.toStdString());
        } catch (const custos::sql::TranslationError& e) {
            QFAIL(e.what());
        }
        if (oracle.contains(QLatin1String("PKG_"), Qt::CaseInsensitive) || oracle.startsWith(QLatin1String("SET ROLE")))
            return; // the packages' bodies belong to the server side; SET ROLE has no plan
        QStringList types, nulls;
        for (const std::string& b : t.binds) {
            types << bindType(QString::fromStdString(b));
            nulls << QStringLiteral("NULL");
        }
        QString sql = QStringLiteral("SET search_path = public, oracle;\n");
        if (t.kind == custos::sql::StatementKind::Block) {
            std::vector<std::string> paramTypes;
            for (const QString& type : types)
                paramTypes.push_back(type == QLatin1String("unknown") ? "text" : type.toStdString());
            for (std::size_t s = 0; s < t.segments.size(); ++s)
                sql += QString::fromStdString(custos::sql::procedureSource(t, s, "pg_temp.dialect_check", paramTypes)) + ";\n";
        } else {
            sql += QStringLiteral("PREPARE dialect_check%1 AS %2;\nEXPLAIN EXECUTE dialect_check%3;")
                       .arg(types.isEmpty() ? QString() : QLatin1Char('(') + types.join(QLatin1String(", ")) + QLatin1Char(')'),
                            QString::fromStdString(t.text),
                            nulls.isEmpty() ? QString() : QLatin1Char('(') + nulls.join(QLatin1String(", ")) + QLatin1Char(')'));
        }
        try {
            m_db->exec(sql);
        } catch (const std::exception& e) {
            QFAIL(qPrintable(QString::fromUtf8(e.what()) + QStringLiteral("\n") + sql.left(2000)));
        }
    }
};

QTEST_GUILESS_MAIN(TestDialectStatements)
#include "tst_dialect_statements.moc"
