// The Oracle dialect on the real server, through the connection: each row runs Oracle text
// against a small fixture and compares the rows with those Oracle returns.
#include "DBXConnection.h"
#include "DatabaseError.h"
#include "TestDatabase.h"

#include <QtTest>

using custos::session::DatabaseError;
using custos::session::DBXConnection;
using custos::session::Params;
using custos::session::Result;
using custos::test::TestDatabase;

Q_DECLARE_METATYPE(custos::session::Params)

namespace {

// The tables every row may read, in the schema DLX (created by the owner, granted to the role).
const char* const kFixture = R"(
DROP SCHEMA IF EXISTS dlx CASCADE;
CREATE SCHEMA dlx;
CREATE TABLE dlx.n (id numeric(5), x numeric(5), y numeric(12,2), i integer, f float8,
                    s varchar(10), d oracle.date, d2 oracle.date);
INSERT INTO dlx.n VALUES
  (1, 0, 10, NULL, 2.5, 'a', '2024-03-10 12:00:00', '2024-03-01 00:00:00'),
  (2, 4, 10, 3, -2.5, 'b', '2024-02-29 06:00:00', '2024-02-01 00:00:00'),
  (3, NULL, 1, NULL, NULL, NULL, NULL, NULL);
CREATE TABLE dlx.o (id numeric(5), k varchar(3), v varchar(10));
INSERT INTO dlx.o VALUES (1, 'K', 'um'), (2, 'J', 'dois'), (1, 'J', 'outro'), (1, 'K', 'um');
CREATE TABLE dlx.p (id numeric(5), nome varchar(10));
INSERT INTO dlx.p VALUES (1, 'p1'), (3, 'p3');
CREATE TABLE dlx.log (n numeric(5), t varchar(20));
CREATE SEQUENCE dlx.sq;
CREATE SCHEMA pkg_dlx;
CREATE FUNCTION pkg_dlx.linhas(quantas numeric) RETURNS TABLE (v numeric) LANGUAGE sql
    AS 'SELECT generate_series(1, quantas::int)::numeric';
GRANT USAGE ON SCHEMA dlx, pkg_dlx TO velko_user;
GRANT ALL ON ALL TABLES IN SCHEMA dlx TO velko_user;
GRANT ALL ON ALL SEQUENCES IN SCHEMA dlx TO velko_user;
)";

// Rows as "a|b;c|d" (NULL for a null value); numbers compare by value.
QString rowsOf(const Result& r)
{
    QStringList rows;
    for (int i = 0; i < r.rowCount(); ++i) {
        QStringList cells;
        for (int c = 0; c < r.columnCount(); ++c)
            cells << (r.isNull(i, c) ? QStringLiteral("NULL") : QString::fromUtf8(r.raw(i, c)));
        rows << cells.join(QLatin1Char('|'));
    }
    return rows.join(QLatin1Char(';'));
}

bool sameCell(const QString& actual, const QString& expected)
{
    bool a = false, b = false;
    const double x = actual.toDouble(&a), y = expected.toDouble(&b);
    if (a && b)
        return qAbs(x - y) <= 1e-9 * qMax(1.0, qAbs(y));
    return actual == expected;
}

bool sameRows(const QString& actual, const QString& expected)
{
    const QStringList ar = actual.split(QLatin1Char(';')), er = expected.split(QLatin1Char(';'));
    if (ar.size() != er.size())
        return false;
    for (int i = 0; i < ar.size(); ++i) {
        const QStringList ac = ar[i].split(QLatin1Char('|')), ec = er[i].split(QLatin1Char('|'));
        if (ac.size() != ec.size())
            return false;
        for (int c = 0; c < ac.size(); ++c)
            if (!sameCell(ac[c], ec[c]))
                return false;
    }
    return true;
}

#define COMPARE_ROWS(actual, expected)                                                             \
    QVERIFY2(sameRows(actual, expected), qPrintable(QStringLiteral("got %1, expected %2").arg(actual, expected)))

Params number(const char* name, double v) { return Params().setNumber(QString::fromLatin1(name), v); }

} // namespace

class TestDialect : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<DBXConnection> m_c;

    void addQueryColumns()
    {
        QTest::addColumn<QString>("oracle");
        QTest::addColumn<Params>("binds");
        QTest::addColumn<QString>("expected");
    }
    void addRow(const char* name, const char* oracle, const char* expected, const Params& binds = {})
    {
        QTest::newRow(name) << QString::fromUtf8(oracle) << binds << QString::fromUtf8(expected);
    }
    void runQueryRow()
    {
        QFETCH(QString, oracle);
        QFETCH(Params, binds);
        QFETCH(QString, expected);
        QString rows;
        try {
            rows = rowsOf(m_c->query(oracle, binds));
        } catch (const DatabaseError& e) {
            QFAIL(qPrintable(e.message()));
        }
        COMPARE_ROWS(rows, expected);
    }
    QString rows(const char* oracle) { return rowsOf(m_c->query(QString::fromUtf8(oracle))); }

private Q_SLOTS:
    void initTestCase()
    {
        m_db = std::make_unique<TestDatabase>(TestDatabase::Kind::Central);
        m_db->exec(QString::fromUtf8(kFixture));
        m_c = m_db->connect();
    }
    void init() { m_db->exec(QStringLiteral("TRUNCATE dlx.log")); }

    // DECODE, NVL, NVL2, LEAST/GREATEST, ||, '', division, ROUND, TRUNC and the other functions.
    void functions_data()
    {
        addQueryColumns();
        addRow("decode short-circuits y/x at x = 0", "select decode(x, 0, 0, y / x) r from dlx.n order by id", "0;2.5;NULL");
        addRow("decode of a numeric column, integer searches", "select decode(x, 0, 'zero', 4, 'quatro', 'outro') r from dlx.n order by id", "zero;quatro;outro");
        addRow("decode matches NULL", "select decode(x, null, 'nulo', 'valor') r from dlx.n order by id", "valor;valor;nulo");
        addRow("decode without default", "select decode(s, 'a', 1) r from dlx.n order by id", "1;NULL;NULL");
        addRow("decode with a bind", "select decode(:t, 0, 'custo', 'base') r from dual", "base", number("t", 1));
        addRow("nvl of mixed numeric types", "select nvl(i, 1.5) r from dlx.n order by id", "1.5;3;1.5");
        addRow("nvl of NULL and text", "select nvl(null, 'x') r from dual", "x");
        addRow("nvl of text and number", "select nvl(s, 0) r from dlx.n order by id", "a;b;0");
        addRow("nvl2", "select nvl2(x, 'tem', 'nao') r from dlx.n order by id", "tem;tem;nao");
        addRow("least and greatest with NULL", "select least(1, null) l, greatest(2, null) g, least(3, 1.5) m from dual", "NULL|NULL|1.5");
        addRow("concatenation with NULL", "select 'a' || null a, null || null b, s || '-' || x c from dlx.n where id = 1", "a|NULL|a-0");
        addRow("empty string is NULL", "select count(*) c from dlx.n where s = '' or '' is null", "3");
        addRow("integer division", "select 7/2 r, 1/4 q from dual", "3.5|0.25");
        addRow("round half away from zero", "select round(2.5) a, round(-2.5) b, round(f) c, round(1.005, 2) d from dlx.n where id = 1", "3|-3|3|1.01");
        addRow("trunc of numbers", "select trunc(7.9) a, trunc(-7.9) b, trunc(1.2345, 2) c from dual", "7|-7|1.23");
        addRow("instr and substr", "select instr('abcabc', 'c', 1, 2) i, substr('abcdef', 2, 3) s, substr('abc', 5) e from dual", "6|bcd|NULL");
        addRow("to_number, to_char, to_date", "select to_number('12.5') n, to_char(12) c, to_date('03/02/2024', 'DD/MM/YYYY') d from dual", "12.5|12|2024-02-03 00:00:00");
        addRow("user is the login name", "select user u from dual", "GERENTE");
    }
    void functions() { runQueryRow(); }

    // Oracle DATE columns and date binds: arithmetic in days, TRUNC to a format, LAST_DAY...
    // d is 2024-03-10 12:00 and 2024-02-29 06:00, d2 the first of the month, both NULL in row 3.
    void dates_data()
    {
        addQueryColumns();
        const Params day = Params().setDate(QStringLiteral("dia"), QDate(2024, 2, 10));
        addRow("date + 1", "select d + 1 r from dlx.n where id = 1", "2024-03-11 12:00:00");
        addRow("trunc of dates", "select trunc(d, 'MM') m, trunc(d, 'YYYY') y, trunc(d) dd from dlx.n where id = 1",
               "2024-03-01 00:00:00|2024-01-01 00:00:00|2024-03-10 00:00:00");
        addRow("last_day and add_months keep the time; month end stays month end",
               "select last_day(d) l, add_months(d, 1) a, add_months(d2, 1) b from dlx.n where id = 2",
               "2024-02-29 06:00:00|2024-03-31 06:00:00|2024-03-01 00:00:00");
        addRow("date bind + 1", "select :dia + 1 r from dual", "2024-02-11 00:00:00", day);
        addRow("month of a date bind", "select trunc(:dia, 'MM') m, last_day(:dia) l from dual",
               "2024-02-01 00:00:00|2024-02-29 00:00:00", day);
        addRow("next_day of a column keeps the time", "select next_day(d, 'MONDAY') r from dlx.n where id = 1",
               "2024-03-11 12:00:00");
        addRow("date - 1 is a date", "select d - 1 r from dlx.n where id = 1", "2024-03-09 12:00:00");
        addRow("date + 0.5 is a date at noon", "select d2 + 0.5 r from dlx.n where id = 1", "2024-03-01 12:00:00");
        addRow("date + a float column", "select d + f r from dlx.n where id = 1", "2024-03-13 00:00:00");
    }
    void dates() { runQueryRow(); }

    // Whatever mix of dates is subtracted, the result is Oracle's NUMBER of days. SYSDATE is
    // the same value throughout a statement, so a difference of two SYSDATE differences is fixed.
    void dateDifferences_data()
    {
        addQueryColumns();
        const Params day = Params().setDate(QStringLiteral("dia"), QDate(2024, 2, 10));
        const Params moment = Params().setDateTime(QStringLiteral("momento"), QDateTime(QDate(2024, 3, 11), QTime(18, 0)));
        addRow("column - column", "select d - d2 r from dlx.n order by id", "9.5;28.25;NULL");
        addRow("sysdate - column", "select (sysdate - d2) - (sysdate - d) r from dlx.n order by id", "9.5;28.25;NULL");
        addRow("column - sysdate", "select (d - sysdate) - (d2 - sysdate) r from dlx.n order by id", "9.5;28.25;NULL");
        addRow("sysdate - sysdate", "select sysdate - sysdate r from dual", "0");
        addRow("trunc(sysdate) - column", "select (trunc(sysdate) - d2) - (trunc(sysdate) - d) r from dlx.n order by id", "9.5;28.25;NULL");
        addRow("trunc(column) - trunc(column)", "select trunc(d) - trunc(d2) r from dlx.n order by id", "9;28;NULL");
        addRow("trunc(column) - sysdate", "select (trunc(d) - sysdate) - (trunc(d2) - sysdate) r from dlx.n order by id", "9;28;NULL");
        addRow("sysdate - trunc(sysdate) is the time of day",
               "select case when sysdate - trunc(sysdate) >= 0 and sysdate - trunc(sysdate) < 1 then 'sim' end r from dual", "sim");
        addRow("trunc(column, 'MM') - column", "select d - trunc(d, 'MM') r from dlx.n order by id", "9.5;28.25;NULL");
        addRow("date bind - column", "select :dia - d2 r from dlx.n where id = 2", "9", day);
        addRow("date-time bind - column", "select :momento - d r from dlx.n where id = 1", "1.25", moment);
        addRow("column - date bind", "select d - :dia r from dlx.n where id = 2", "19.25", day);
        addRow("date literal - column", "select date '2024-03-15' - d r from dlx.n where id = 1", "4.5");
        addRow("to_date - column", "select to_date('15/03/2024 18:00', 'DD/MM/YYYY HH24:MI') - d r from dlx.n where id = 1", "5.25");
        addRow("last_day(column) - column", "select last_day(d) - d r from dlx.n order by id", "21;0;NULL");
        addRow("add_months(column, 1) - column", "select add_months(d, 1) - d r from dlx.n order by id", "31;31;NULL");
        addRow("(date + 1) - date", "select (d + 1) - d r from dlx.n where id = 1", "1");
        addRow("(date - 1) - date", "select (d - 1) - d2 r from dlx.n where id = 1", "8.5");
        addRow("(date + 0.5) - date", "select (d + 0.5) - d r from dlx.n where id = 1", "0.5");
        addRow("(sysdate + 1/24) - sysdate", "select ((sysdate + 1/24) - sysdate) * 24 r from dual", "1");
        addRow("one minute, in minutes", "select (to_date('10/03/2024 12:01', 'DD/MM/YYYY HH24:MI') - d) * 1440 r from dlx.n where id = 1", "1");
        addRow("one second, in seconds", "select round((to_date('10/03/2024 12:00:01', 'DD/MM/YYYY HH24:MI:SS') - d) * 86400, 9) r from dlx.n where id = 1", "1");
        addRow("round(date - date)", "select round(d - d2) r from dlx.n order by id", "10;28;NULL");
        addRow("trunc(date - date)", "select trunc(d - d2) r from dlx.n order by id", "9;28;NULL");
        addRow("(date - date) * 24", "select (d - d2) * 24 r from dlx.n order by id", "228;678;NULL");
        addRow("sum of differences", "select sum(d - d2) r from dlx.n", "37.75");
        addRow("date - date in a comparison", "select id from dlx.n where d - d2 > 10 order by id", "2");
        addRow("nvl(date, sysdate) - sysdate", "select nvl(d, sysdate) - sysdate r from dlx.n where id = 3", "0");
        addRow("nvl(date, to_date) - date", "select nvl(d, to_date('2024-03-05', 'YYYY-MM-DD')) - nvl(d2, d) r from dlx.n order by id", "9.5;28.25;NULL");
        addRow("decode yielding dates - date", "select decode(id, 1, d, trunc(d)) - d2 r from dlx.n order by id", "9.5;28;NULL");
        addRow("case yielding dates - date", "select case when id = 1 then d else last_day(d2) end - d2 r from dlx.n order by id", "9.5;28;NULL");
        addRow("column of a subquery", "select v.dia - v.d2 r from (select id, trunc(d) dia, d2 from dlx.n) v order by v.id", "9;28;NULL");
        addRow("max(column) - date", "select max(d) - to_date('01/02/2024', 'DD/MM/YYYY') r from dlx.n", "38.5");
    }
    void dateDifferences() { runQueryRow(); }

    void outerJoins_data()
    {
        addQueryColumns();
        addRow("(+) keeps unmatched rows", "select n.id, p.nome from dlx.n n, dlx.p p where p.id(+) = n.id order by n.id", "1|p1;2|NULL;3|p3");
        addRow("two marked predicates on one table", "select n.id, o.v from dlx.n n, dlx.o o where o.id(+) = n.id and o.k(+) = 'J' order by n.id", "1|outro;2|dois;3|NULL");
        addRow("unmarked predicate filters", "select n.id, o.v from dlx.n n, dlx.o o where n.id = o.id(+) and n.x = 0 and o.k(+) = 'K' order by 1, 2", "1|um;1|um");
        addRow("outer table listed first", "select n.id, p.nome from dlx.p p, dlx.n n, dlx.o o where p.id(+) = n.id and o.id = n.id and o.k = 'J' order by n.id", "1|p1;2|NULL");
        addRow("chained outer joins", "select n.id, p.nome, o.v from dlx.n n, dlx.p p, dlx.o o where p.id(+) = n.id and o.id(+) = p.id and o.k(+) = 'J' order by n.id", "1|p1|outro;2|NULL|NULL;3|p3|NULL");
    }
    void outerJoins() { runQueryRow(); }

    void setOperators_data()
    {
        addQueryColumns();
        addRow("minus removes duplicates", "select id from dlx.o minus select id from dlx.p", "2");
        addRow("left to right: union, then intersect", "select id from dlx.n union select id from dlx.o intersect select id from dlx.o order by id", "1;2");
        addRow("order by an alias of a union", "select id codigo from dlx.p union select id from dlx.o order by codigo desc", "3;2;1");
    }
    void setOperators() { runQueryRow(); }

    void routinesAndSequences_data()
    {
        addQueryColumns();
        addRow("package function without parentheses", "SELECT VELKO.PKG_VELKO.GET_EMPRESA CODIGO_EMPRESA FROM DUAL", "1");
        addRow("TABLE() of a set-returning function", "select t.v from table(dlx.pkg_dlx.linhas(:n)) t order by t.v", "1;2;3", number("n", 3));
        addRow("sequence nextval then currval", "select dlx.sq.nextval - dlx.sq.currval r from dual", "0");
    }
    void routinesAndSequences() { runQueryRow(); }

    void binds_data()
    {
        addQueryColumns();
        addRow("empty text binds as NULL", "select count(*) c from dual where :s is null", "1", Params().setText(QStringLiteral("s"), QString()));
        addRow("empty text bind into nvl", "select nvl(:s, 'vazio') r from dual", "vazio", Params().setText(QStringLiteral("s"), QStringLiteral("")));
        addRow("repeated names, any case, one value", "select :a + :A r from dual", "4", number("a", 2));
    }
    void binds() { runQueryRow(); }

    void columnNames()
    {
        const Result r = m_c->query(QStringLiteral("select id, x total, s \"Misto\", y \"EXATO\", count(*) over () from dlx.n where id = 1"));
        QStringList names;
        for (const auto& c : r.columns())
            names << c.name;
        QCOMPARE(names, (QStringList{"ID", "TOTAL", "Misto", "EXATO", "COUNT(*)OVER()"}));
    }

    void commands()
    {
        m_c->execute(QStringLiteral("insert into dlx.log (n, t) values (dlx.sq.nextval, :t)"), Params().setText(QStringLiteral("t"), QStringLiteral("um")));
        m_c->execute(QStringLiteral("insert into dlx.log (n, t) values (2, :t)"), Params().setText(QStringLiteral("t"), QString()));
        QCOMPARE(m_c->execute(QStringLiteral("DELETE DLX.LOG WHERE T IS NULL")), 1LL);
        COMPARE_ROWS(rows("select t from dlx.log"), QStringLiteral("um"));
    }

    // Anonymous blocks: one unit of work with the binds, CALL for procedures, FOR loops, COMMIT.
    void blockWithBinds()
    {
        m_c->execute(QStringLiteral("BEGIN\n  INSERT INTO DLX.LOG VALUES (:n, :t);\n  UPDATE DLX.LOG SET N = N + :n WHERE T = :t;\nEND;"),
                     Params().setNumber(QStringLiteral("n"), 2).setText(QStringLiteral("t"), QStringLiteral("b")));
        COMPARE_ROWS(rows("select n, t from dlx.log"), QStringLiteral("4|b"));
    }

    void failingBlockLeavesNothing()
    {
        QVERIFY_THROWS_EXCEPTION(DatabaseError,
            m_c->execute(QStringLiteral("BEGIN\n  INSERT INTO DLX.LOG VALUES (1, 'antes');\n  INSERT INTO DLX.LOG VALUES (1 / :zero, 'falha');\nEND;"),
                         number("zero", 0)));
        COMPARE_ROWS(rows("select count(*) from dlx.log"), QStringLiteral("0"));
    }

    void commitInBlockCommitsTheTransaction()
    {
        {
            DBXConnection::Transaction t(*m_c);
            m_c->execute(QStringLiteral("BEGIN\n  INSERT INTO DLX.LOG VALUES (1, 'fica');\n  COMMIT;\nEND;"));
            m_c->execute(QStringLiteral("insert into dlx.log values (2, 'desfeito')"));
            t.rollback();
        }
        COMPARE_ROWS(rows("select t from dlx.log"), QStringLiteral("fica"));
    }

    void forLoopBlock()
    {
        m_db->exec(QStringLiteral("INSERT INTO dlx.log VALUES (1, 'a'), (2, 'b'), (3, 'c')"));
        m_c->execute(QStringLiteral("BEGIN\n  FOR REG IN (SELECT N FROM DLX.LOG WHERE N >= :desde) LOOP\n"
                                    "    UPDATE DLX.LOG SET T = T || REG.N WHERE N = REG.N;\n  END LOOP;\nEND;"),
                     number("desde", 2));
        COMPARE_ROWS(rows("select t from dlx.log order by n"), QStringLiteral("a;b2;c3"));
    }

    // UNIDADE2: a foreign table and a procedure of the unit database; a failed block takes back
    // what it did there.
    void databaseLink()
    {
        m_db->execOnUnit(QStringLiteral(
            "CREATE SCHEMA IF NOT EXISTS dlx; CREATE TABLE IF NOT EXISTS dlx.remoto (n numeric);"
            "CREATE SCHEMA IF NOT EXISTS pkg_dlx;"
            "CREATE OR REPLACE PROCEDURE pkg_dlx.grava(v numeric) LANGUAGE sql AS 'INSERT INTO dlx.remoto VALUES (v)';"
            "GRANT USAGE ON SCHEMA dlx, pkg_dlx TO velko_user; GRANT ALL ON dlx.remoto TO velko_user;"));
        m_db->exec(QStringLiteral(
            "DROP SCHEMA IF EXISTS unidade2_dlx CASCADE; CREATE SCHEMA unidade2_dlx;"
            "IMPORT FOREIGN SCHEMA dlx FROM SERVER unidade2 INTO unidade2_dlx;"
            "GRANT USAGE ON SCHEMA unidade2_dlx TO velko_user; GRANT ALL ON ALL TABLES IN SCHEMA unidade2_dlx TO velko_user;"));
        m_c->execute(QStringLiteral("BEGIN\n  DLX.PKG_DLX.GRAVA@UNIDADE2(:v);\n  INSERT INTO DLX.REMOTO@UNIDADE2 VALUES (:v + 1);\nEND;"),
                     number("v", 10));
        COMPARE_ROWS(rows("select n from dlx.remoto@UNIDADE2 order by n"), QStringLiteral("10;11"));
        QVERIFY_THROWS_EXCEPTION(DatabaseError,
            m_c->execute(QStringLiteral("BEGIN\n  DLX.PKG_DLX.GRAVA@UNIDADE2(:v);\n  INSERT INTO DLX.LOG VALUES (1 / 0, 'x');\nEND;"),
                         number("v", 20)));
        COMPARE_ROWS(rows("select count(*) from dlx.remoto@UNIDADE2"), QStringLiteral("2"));
    }
};

QTEST_GUILESS_MAIN(TestDialect)
#include "tst_dialect.moc"
