// The translator on text it must refuse or survive: a clear TranslationError, never a crash or
// a hang. The hostile inputs of data/dialect_fuzz_regressions.txt keep what the fuzzer
// (tests/session/fuzz) finds.
#include "Dialect.h"

#include <QtTest>

using custos::sql::StatementKind;
using custos::sql::TranslationError;

class TestDialectRobustness : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void refusedWithReason_data()
    {
        QTest::addColumn<QString>("oracle");
        QTest::addColumn<QString>("reason");
        QTest::newRow("empty") << "  -- nothing\n" << "empty";
        QTest::newRow("unterminated string") << "select 'abc from dual" << "unterminated string";
        QTest::newRow("unterminated comment") << "select 1 /* from dual" << "unterminated comment";
        QTest::newRow("link with a domain") << "select * from velko_cst.abate@un2.world" << "plain identifier";
        QTest::newRow("quoted link") << "select * from velko_cst.abate@\"UN2\"" << "plain identifier";
        QTest::newRow("link call in a query") << "select velko_cst.pkg_abate.integra@UNIDADE2(1) from dual" << "statement of a block";
        QTest::newRow("table over a link without schema") << "select * from abate@UNIDADE2" << "needs its schema";
        QTest::newRow("rownum") << "select * from velko.clausula_in where rownum < 2" << "ROWNUM";
        QTest::newRow("(+) on two tables") << "select 1 from a, b, c where a.x(+) = b.x(+)" << "one table";
        QTest::newRow("(+) unknown table") << "select 1 from a, b where z.x(+) = a.x" << "cannot tell";
        QTest::newRow("(+) circle") << "select 1 from a, b where a.x(+) = b.x and b.y(+) = a.y" << "circle";
        QTest::newRow("date literal not YYYY-MM-DD") << "select date '15/03/2024' from dual" << "DATE 'YYYY-MM-DD'";
        QTest::newRow("decode arity") << "select decode(x, 1) from dual" << "DECODE takes";
        QTest::newRow("commit in a loop") << "BEGIN FOR r IN (select 1 x from dual) LOOP COMMIT; END LOOP; END;" << "outermost";
        QTest::newRow("query in a block") << "BEGIN select 1 from dual; END;" << "query inside a block";
        QTest::newRow("trailing text") << "select 1 from dual; select 2 from dual" << "after the end";
        QTest::newRow("stray character") << "select # from dual" << "unexpected character";
        QTest::newRow("deep nesting") << QString(5000, QLatin1Char('(')) << "nested too deeply";
        QTest::newRow("long chain") << "select 1" + QString(" + 1").repeated(5000) + " from dual" << "nested too deeply";
    }
    void refusedWithReason()
    {
        QFETCH(QString, oracle);
        QFETCH(QString, reason);
        try {
            custos::sql::translateUncached(oracle.toStdString());
            QFAIL("translated");
        } catch (const TranslationError& e) {
            QVERIFY2(QString::fromUtf8(e.what()).contains(reason), e.what());
        }
    }

    // A block splits at its top-level COMMITs; package calls over a link name the link.
    void blockSegmentsAndLinks()
    {
        const auto& t = custos::sql::translate(
            "BEGIN\n  velko_cst.pkg_consumo.gera_consumo@UNIDADE2(:u, :d);\n  COMMIT;\n"
            "  FOR r IN (select 1 n from dual) LOOP NULL; END LOOP;\nEND;");
        QCOMPARE(t.kind, StatementKind::Block);
        QCOMPARE(t.segments.size(), std::size_t(2));
        QVERIFY(t.segments[0].commitAfter);
        QVERIFY(!t.segments[1].commitAfter);
        QCOMPARE(t.segments[1].records, std::vector<std::string>{"r"});
        QCOMPARE(t.links, std::vector<std::string>{"unidade2"});
        QCOMPARE(t.binds, (std::vector<std::string>{"U", "D"}));
        QCOMPARE(&custos::sql::translate(std::string("BEGIN\n  velko_cst.pkg_consumo.gera_consumo@UNIDADE2(:u, :d);\n  COMMIT;\n"
                                                     "  FOR r IN (select 1 n from dual) LOOP NULL; END LOOP;\nEND;")),
                 &t);
    }

    // Each hostile input gives a translation or a TranslationError.
    void survives_data()
    {
        QTest::addColumn<QByteArray>("input");
        QFile f(QFINDTESTDATA("data/dialect_fuzz_regressions.txt"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        int n = 0;
        for (const QByteArray& line : f.readAll().split('\n')) {
            if (line.isEmpty() || line.startsWith('#'))
                continue;
            QTest::newRow(QByteArray::number(++n).constData()) << QByteArray::fromHex(line);
        }
    }
    void survives()
    {
        QFETCH(QByteArray, input);
        try {
            custos::sql::translateUncached(std::string_view(input.constData(), std::size_t(input.size())));
        } catch (const TranslationError&) {
        }
    }
};

QTEST_GUILESS_MAIN(TestDialectRobustness)
#include "tst_dialect_robustness.moc"
