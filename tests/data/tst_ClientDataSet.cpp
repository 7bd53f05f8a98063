// Client datasets against the real server: fetching, parameters, navigation, aggregates,
// filters, editing and the saving of changes through the provider.

#include "ClientDataSet.h"
#include "DataError.h"
#include "DatabaseError.h"
#include "PriceFixture.h"

#include <QtTest>
#include <cmath>
#include <ctime>

using custos::data::Aggregate;
using custos::data::ClientDataSet;
using custos::data::DataError;
using custos::data::DataSet;
using custos::data::FieldKind;
using custos::data::ProviderFlag;
using custos::data::Query;
using custos::test::PriceDataSets;
using custos::test::TestDatabase;

class TestClientDataSet : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestDatabase> m_db;

    QString price(int id) const
    {
        return m_db->scalar(QStringLiteral("select preco::float8 from velko_cst.tst_preco where id_preco = %1").arg(id));
    }

private Q_SLOTS:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
        m_db = std::make_unique<TestDatabase>(TestDatabase::Kind::Unit);
    }
    void init() { custos::test::resetPriceTable(*m_db); }

    void openFetchesTypedFields()
    {
        PriceDataSets d(*m_db);
        d.cds.declareField(QStringLiteral("PRECO"), FieldKind::Float).setDisplayFormat(QStringLiteral("#,0.000"));
        d.cds.open();
        QCOMPARE(d.cds.recordCount(), 5);
        QCOMPARE(d.cds.fieldCount(), 11);
        QCOMPARE(d.cds.fieldByName(QStringLiteral("peso")).kind(), FieldKind::Float);
        QCOMPARE(d.cds.fieldByName(QStringLiteral("FLAG")).kind(), FieldKind::Int8);
        QCOMPARE(d.cds.fieldByName(QStringLiteral("Data")).kind(), FieldKind::Timestamp);
        QCOMPARE(d.cds.fieldByName(QStringLiteral("GRUPO")).width(), 20);
        QVERIFY(!d.cds.findField(QStringLiteral("NADA")));
        QVERIFY_THROWS_EXCEPTION(DataError, d.cds.fieldByName(QStringLiteral("NADA")));

        d.cds.setRecNo(3);
        QCOMPARE(d.cds.fieldByName(QStringLiteral("PESO")).asFloat(), 80.25);
        QCOMPARE(d.cds.fieldByName(QStringLiteral("FLAG")).value(), QVariant(1));
        QCOMPARE(d.cds.fieldByName(QStringLiteral("GRUPO")).asString(), QStringLiteral("SUINO"));
        QCOMPARE(d.cds.fieldByName(QStringLiteral("DATA")).asDateTime(), QDateTime(QDate(2026, 3, 3), QTime(14, 30), Qt::UTC));
        QCOMPARE(d.cds.fieldByName(QStringLiteral("DATA")).displayText(), QStringLiteral("03/03/2026 14:30:00"));
        QCOMPARE(d.cds.fieldByName(QStringLiteral("PRECO")).displayText(), QStringLiteral("8,125"));
        const auto& mod = d.cds.fieldByName(QStringLiteral("VALOR_MOD"));
        QVERIFY(mod.isNull());
        QCOMPARE(mod.asFloat(), 0.0);
        QCOMPARE(mod.displayText(), QString());

        d.cds.setRecNo(4);
        QVERIFY(d.cds.fieldByName(QStringLiteral("DATA")).value().isNull());
        QVERIFY(d.cds.fieldByName(QStringLiteral("FLAG")).isNull());
    }

    void declaredFieldMissingLeavesClosed()
    {
        PriceDataSets d(*m_db);
        d.cds.declareField(QStringLiteral("PRECO_MEDIO"), FieldKind::Float);
        QVERIFY_THROWS_EXCEPTION(DataError, d.cds.open());
        QVERIFY(!d.cds.isActive());
    }

    void failingStatementLeavesClosed()
    {
        PriceDataSets d(*m_db);
        d.query.setSql({QStringLiteral("select nada from velko_cst.tst_preco")});
        QVERIFY_THROWS_EXCEPTION(custos::session::DatabaseError, d.cds.open());
        QVERIFY(!d.cds.isActive());
    }

    void typedParameters()
    {
        PriceDataSets d(*m_db);
        Query q(d.connection.get());
        q.setSql({QStringLiteral("select count(*) n"), QStringLiteral("  from velko_cst.tst_preco"),
                  QStringLiteral(" where peso > :peso and flag = :flag and grupo = :grupo"),
                  QStringLiteral("   and data >= :dia and data < :momento")});
        q.params()
            .setNumber(QStringLiteral("peso"), 90.5)
            .setInteger(QStringLiteral("FLAG"), 1)
            .setText(QStringLiteral("grupo"), QStringLiteral("BOVINO"))
            .setDate(QStringLiteral("dia"), QDate(2026, 3, 2))
            .setDateTime(QStringLiteral("momento"), QDateTime(QDate(2026, 3, 2), QTime(0, 0, 1)));
        q.open();
        QCOMPARE(q.fieldByName(QStringLiteral("N")).asInteger(), 1);

        // Parameters stay across closing; the client dataset's own take the place of the query's.
        q.close();
        q.params().setNumber(QStringLiteral("peso"), 0);
        q.open();
        QCOMPARE(q.fieldByName(QStringLiteral("N")).asInteger(), 1);
        d.cds.params().setNumber(QStringLiteral("DE"), 4);
        d.cds.open();
        QCOMPARE(d.cds.recordCount(), 2);
        QCOMPARE(d.query.params().find(QStringLiteral("de"))->value.toDouble(), 1.0);
    }

    void navigation()
    {
        PriceDataSets d(*m_db);
        int scrolls = 0;
        d.cds.setAfterScroll([&](DataSet&) { ++scrolls; });
        d.cds.open();
        QCOMPARE(scrolls, 1);
        QCOMPARE(d.cds.recNo(), 1);
        QVERIFY(d.cds.bof());
        d.cds.prior();
        QVERIFY(d.cds.bof());
        QCOMPARE(d.cds.recNo(), 1);
        int visited = 1;
        for (d.cds.next(); !d.cds.eof(); d.cds.next())
            ++visited;
        QCOMPARE(visited, 5);
        QCOMPARE(d.cds.recNo(), 5);
        QCOMPARE(scrolls, 5);
        d.cds.first();
        QCOMPARE(d.cds.recNo(), 1);
        QVERIFY(d.cds.locate(QStringLiteral("grupo"), QStringLiteral("MIUDOS")));
        QCOMPARE(d.cds.recNo(), 5);
        QVERIFY(d.cds.locate(QStringLiteral("ID_PRECO"), 2));
        QCOMPARE(d.cds.recNo(), 2);
        QVERIFY(!d.cds.locate(QStringLiteral("ID_PRECO"), 42));
        QCOMPARE(d.cds.recNo(), 2);
        QVERIFY_THROWS_EXCEPTION(DataError, d.cds.setRecNo(6));

        d.cds.close();
        QCOMPARE(d.cds.recNo(), 0);
        QVERIFY(d.cds.fieldByName(QStringLiteral("PESO")).isNull());
        d.cds.params().setNumber(QStringLiteral("ate"), 0);
        d.cds.open();
        QVERIFY(d.cds.isEmpty());
        QVERIFY(d.cds.eof() && d.cds.bof());
        QCOMPARE(d.cds.recNo(), 0);
    }

    void aggregates_data()
    {
        QTest::addColumn<QString>("expression");
        QTest::addColumn<QString>("independent"); // the same figure computed by the server
        struct Row { const char* name; const char* expression; const char* sql; };
        const Row rows[] = {
            {"result per kilogram", "SUM( RESULTADO_TOTAL ) / SUM(PESO)", "sum(resultado_total) / sum(peso)"},
            {"result percent", "(SUM(RESULTADO_TOTAL) / SUM(PRECO_TOTAL))*100",
             "(sum(resultado_total) / sum(preco_total)) * 100"},
            {"sum of a sum", "SUM( VALOR_MOD + VALOR_CIF )", "sum(valor_mod + valor_cif)"},
            {"spread of prices", "MAX(PRECO) - MIN(PRECO)", "max(preco) - min(preco)"},
            {"average and counts", "AVG(PESO) + COUNT(*) * 1000 + COUNT(FLAG) * 100",
             "avg(peso) + count(*) * 1000 + count(flag) * 100"},
            {"precedence and sign", "-SUM(PESO) * 2 + 10 / 4", "-sum(peso) * 2 + 10.0 / 4"},
        };
        for (const Row& r : rows)
            QTest::newRow(r.name) << QString::fromLatin1(r.expression) << QString::fromLatin1(r.sql);
    }
    void aggregates()
    {
        QFETCH(QString, expression);
        QFETCH(QString, independent);
        PriceDataSets d(*m_db);
        Aggregate& aggregate = d.cds.addAggregate(QStringLiteral("A"), expression, QStringLiteral("#,0.00"));
        QVERIFY(aggregate.isNull()); // closed
        d.cds.open();
        const double expected = m_db->scalar(QStringLiteral("select ") + independent + QStringLiteral(" from velko_cst.tst_preco")).toDouble();
        QVERIFY2(qFuzzyCompare(aggregate.asFloat(), expected),
                 qPrintable(QStringLiteral("%1 against %2").arg(aggregate.asFloat()).arg(expected)));
        QCOMPARE(aggregate.displayText(), custos::data::formatNumber(expected, QStringLiteral("#,0.00"), QLocale()));

        d.cds.close();
        d.cds.params().setNumber(QStringLiteral("ate"), 0);
        d.cds.open();
        QVERIFY(aggregate.isNull());
        QCOMPARE(aggregate.displayText(), QString());
    }

    void aggregateFollowsChanges()
    {
        PriceDataSets d(*m_db);
        Aggregate& perKilogram = d.cds.addAggregate(QStringLiteral("RESULTADO_GERAL_KG"),
                                                    QStringLiteral("SUM( RESULTADO_TOTAL ) / SUM(PESO)"));
        d.cds.open();
        d.cds.setRecNo(2);
        d.cds.edit();
        d.cds.fieldByName(QStringLiteral("RESULTADO_TOTAL")).setAsFloat(100);
        d.cds.fieldByName(QStringLiteral("PESO")).clear();
        const double before = m_db->scalar(QStringLiteral("select sum(resultado_total) / sum(peso) from velko_cst.tst_preco")).toDouble();
        QVERIFY(qFuzzyCompare(perKilogram.asFloat(), before)); // not posted yet
        d.cds.post();
        const double after = m_db->scalar(QStringLiteral(
            "select sum(case when id_preco = 2 then 100 else resultado_total end)"
            "     / sum(case when id_preco = 2 then null else peso end) from velko_cst.tst_preco")).toDouble();
        QVERIFY(qFuzzyCompare(perKilogram.asFloat(), after));

        // An aggregate added to an open dataset counts at once.
        QCOMPARE(d.cds.addAggregate(QStringLiteral("N"), QStringLiteral("COUNT(PESO)")).asFloat(), 3.0);
    }

    void aggregateOfZeroDivisorIsEmpty()
    {
        PriceDataSets d(*m_db);
        d.cds.params().setNumber(QStringLiteral("de"), 5).setNumber(QStringLiteral("ate"), 5); // weight 0
        Aggregate& perKilogram = d.cds.addAggregate(QStringLiteral("KG"), QStringLiteral("SUM( RESULTADO_TOTAL ) / SUM(PESO)"),
                                                    QStringLiteral("#,0.00"));
        Aggregate& total = d.cds.addAggregate(QStringLiteral("T"), QStringLiteral("SUM( RESULTADO_TOTAL )"),
                                              QStringLiteral("#,0.00"));
        d.cds.open();
        QVERIFY(perKilogram.isNull());
        QCOMPARE(perKilogram.displayText(), QString());
        QCOMPARE(total.displayText(), QStringLiteral("-5,10"));
    }

    void aggregateErrors_data()
    {
        QTest::addColumn<QString>("expression");
        QTest::addColumn<bool>("atOpen");
        QTest::newRow("unclosed") << QStringLiteral("SUM(PESO") << false;
        QTest::newRow("field outside a function") << QStringLiteral("SUM(PESO) / PESO") << false;
        QTest::newRow("unknown function") << QStringLiteral("MEDIAN(PESO)") << false;
        QTest::newRow("nested") << QStringLiteral("SUM(SUM(PESO))") << false;
        QTest::newRow("unknown field") << QStringLiteral("SUM(PESO_LIQUIDO)") << true;
        QTest::newRow("text field") << QStringLiteral("SUM(GRUPO)") << true;
    }
    void aggregateErrors()
    {
        QFETCH(QString, expression);
        QFETCH(bool, atOpen);
        PriceDataSets d(*m_db);
        if (!atOpen) {
            QVERIFY_THROWS_EXCEPTION(DataError, d.cds.addAggregate(QStringLiteral("A"), expression));
            return;
        }
        d.cds.addAggregate(QStringLiteral("A"), expression);
        QVERIFY_THROWS_EXCEPTION(DataError, d.cds.open());
        QVERIFY(!d.cds.isActive());
    }

    void filterAndReset()
    {
        PriceDataSets d(*m_db);
        d.cds.open();
        d.cds.setRecNo(3);
        d.cds.setFilter(QStringLiteral("GRUPO = 'SUINO' OR (PESO > 1000 AND NOT FLAG IS NULL)"));
        QCOMPARE(d.cds.recordCount(), 5); // not filtered yet
        d.cds.setFiltered(true);
        QCOMPARE(d.cds.recordCount(), 3);
        QCOMPARE(d.cds.fieldByName(QStringLiteral("ID_PRECO")).asInteger(), 3); // still on its record
        QCOMPARE(d.cds.recNo(), 2);
        d.cds.first();
        QCOMPARE(d.cds.fieldByName(QStringLiteral("ID_PRECO")).asInteger(), 2);
        d.cds.last();
        QCOMPARE(d.cds.fieldByName(QStringLiteral("ID_PRECO")).asInteger(), 4);

        // A posted record that no longer passes leaves the view.
        d.cds.edit();
        d.cds.fieldByName(QStringLiteral("GRUPO")).setAsString(QStringLiteral("OVINO"));
        d.cds.post();
        QCOMPARE(d.cds.recordCount(), 2);

        // Timestamps compare with dates written as text; a bad expression keeps the filter in force.
        d.cds.setFilter(QStringLiteral("DATA >= '2026-03-03' AND DATA < '2026-03-04 00:00:01'"));
        QCOMPARE(d.cds.recordCount(), 2);
        QVERIFY_THROWS_EXCEPTION(DataError, d.cds.setFilter(QStringLiteral("DATA >= ")));
        QVERIFY_THROWS_EXCEPTION(DataError, d.cds.setFilter(QStringLiteral("PESO = 'X'")));
        QCOMPARE(d.cds.recordCount(), 2);
        QCOMPARE(d.cds.filter(), QStringLiteral("DATA >= '2026-03-03' AND DATA < '2026-03-04 00:00:01'"));

        // The filter survives a reopening until it is reset.
        d.cds.close();
        d.cds.open();
        QCOMPARE(d.cds.recordCount(), 2);
        d.cds.setFiltered(false);
        d.cds.setFilter(QString());
        QCOMPARE(d.cds.recordCount(), 5);
        d.cds.setFiltered(true);
        QCOMPARE(d.cds.recordCount(), 5);
    }

    void saveWritesChangedWritableColumn()
    {
        PriceDataSets d(*m_db);
        d.usePriceSaveMap();
        d.cds.open();
        d.cds.setRecNo(2);
        const auto record = [&] {
            std::vector<QVariant> values;
            for (int c = 0; c < d.cds.fieldCount(); ++c)
                values.push_back(d.cds.field(c).value());
            return values;
        };
        const std::vector<QVariant> asRead = record();
        d.cds.edit();
        d.cds.fieldByName(QStringLiteral("PRECO")).setAsFloat(13.375);
        d.cds.fieldByName(QStringLiteral("RESULTADO_TOTAL")).setAsFloat(1); // not writable
        d.cds.post();
        QCOMPARE(d.cds.changeCount(), 1);
        const auto statement = d.provider.updateFor(d.cds, asRead, record());
        QVERIFY(statement);
        QCOMPARE(statement->text, QStringLiteral("UPDATE VELKO_CST.TST_PRECO SET PRECO = :S1 WHERE ID_PRECO = :K1"));

        QCOMPARE(d.cds.applyUpdates(), 0);
        QCOMPARE(d.cds.changeCount(), 0);
        QCOMPARE(price(2), QStringLiteral("13.375"));
        QCOMPARE(m_db->scalar(QStringLiteral("select resultado_total from velko_cst.tst_preco where id_preco = 2")),
                 QStringLiteral("-80.75"));
        QCOMPARE(m_db->scalar(QStringLiteral("select count(*) from velko_cst.tst_preco where preco = 13.375")),
                 QStringLiteral("1"));
        d.cds.refresh(); // nothing pending: allowed
        QCOMPARE(d.cds.recNo(), 2);
        QCOMPARE(d.cds.fieldByName(QStringLiteral("RESULTADO_TOTAL")).asFloat(), -80.75);
    }

    void saveFindsRowByValuesAsRead()
    {
        // No flags declared: every field identifies the row and may be written.
        PriceDataSets d(*m_db);
        d.cds.open();
        d.cds.setRecNo(3); // VALOR_MOD is NULL, DATA has a time
        d.cds.edit();
        d.cds.fieldByName(QStringLiteral("ID_PRECO")).setAsFloat(30);
        d.cds.fieldByName(QStringLiteral("PRECO")).setAsFloat(8.5);
        d.cds.post();
        d.cds.edit();
        d.cds.fieldByName(QStringLiteral("OBS")).setAsString(QStringLiteral("z"));
        d.cds.post();
        QCOMPARE(d.cds.applyUpdates(), 0);
        QCOMPARE(m_db->scalar(QStringLiteral("select preco::float8 || ' ' || obs from velko_cst.tst_preco where id_preco = 30")),
                 QStringLiteral("8.5 z"));
        QCOMPARE(m_db->scalar(QStringLiteral("select count(*) from velko_cst.tst_preco where id_preco = 3")), QStringLiteral("0"));
    }

    void refusedRowStaysPending()
    {
        PriceDataSets d(*m_db);
        d.usePriceSaveMap();
        d.cds.open();
        for (const auto& [recNo, value] : {std::pair{1, -1.0}, std::pair{2, 5.0}, std::pair{4, 6.0}}) {
            d.cds.setRecNo(recNo);
            d.cds.edit();
            d.cds.fieldByName(QStringLiteral("PRECO")).setAsFloat(value);
            d.cds.post();
        }
        QCOMPARE(d.cds.applyUpdates(), 1);
        QCOMPARE(d.cds.changeCount(), 1);
        QCOMPARE(d.cds.updateErrors().size(), 1);
        QVERIFY2(d.cds.updateErrors().first().contains(QStringLiteral("ck_tst_preco_positivo")),
                 qPrintable(d.cds.updateErrors().first()));
        QCOMPARE(price(1), QStringLiteral("10.25"));
        QCOMPARE(price(2), QStringLiteral("5"));
        QCOMPARE(price(4), QStringLiteral("6"));
        d.cds.setRecNo(1);
        QCOMPARE(d.cds.fieldByName(QStringLiteral("PRECO")).asFloat(), -1.0); // the edit is kept

        QVERIFY_THROWS_EXCEPTION(DataError, d.cds.refresh());
        QCOMPARE(d.cds.fieldByName(QStringLiteral("PRECO")).asFloat(), -1.0);

        // Corrected, it saves with the row still found by its id as read.
        d.cds.edit();
        d.cds.fieldByName(QStringLiteral("PRECO")).setAsFloat(7);
        d.cds.post();
        QCOMPARE(d.cds.applyUpdates(), 0);
        QCOMPARE(price(1), QStringLiteral("7"));
        d.cds.refresh();
    }

    void rowNotFoundExactlyOnceIsRefused()
    {
        PriceDataSets d(*m_db);
        d.usePriceSaveMap();
        d.cds.open();
        d.cds.edit();
        d.cds.fieldByName(QStringLiteral("PRECO")).setAsFloat(1);
        d.cds.post();
        m_db->exec(QStringLiteral("DELETE FROM velko_cst.tst_preco WHERE id_preco = 1"));
        QCOMPARE(d.cds.applyUpdates(), 1);
        QCOMPARE(d.cds.updateErrors(), QStringList{QStringLiteral("Registro não encontrado ou alterado por outro usuário.")});

        // Identified by a column two rows share: refused and rolled back.
        PriceDataSets byGroup(*m_db);
        byGroup.provider.setDefaultFlags(ProviderFlag::Writable);
        byGroup.provider.setFieldFlags(QStringLiteral("GRUPO"), ProviderFlag::Identifying);
        byGroup.cds.open();
        byGroup.cds.setRecNo(3);
        byGroup.cds.edit();
        byGroup.cds.fieldByName(QStringLiteral("PRECO")).setAsFloat(99);
        byGroup.cds.post();
        QCOMPARE(byGroup.cds.applyUpdates(), 1);
        QCOMPARE(m_db->scalar(QStringLiteral("select count(*) from velko_cst.tst_preco where preco = 99")), QStringLiteral("0"));
    }

    void readOnlyRefusesEdits()
    {
        PriceDataSets d(*m_db);
        d.cds.setReadOnly(true);
        d.cds.open();
        try {
            d.cds.edit();
            QFAIL("a read-only dataset went into edit state");
        } catch (const DataError& error) {
            QCOMPARE(error.message(),
                     QStringLiteral("CDS_Preco: não é possível modificar um conjunto de dados somente leitura."));
        }
        QVERIFY_THROWS_EXCEPTION(DataError, d.cds.fieldByName(QStringLiteral("PRECO")).setAsFloat(1));
        QCOMPARE(d.cds.state(), DataSet::State::Browse);
        d.cds.setReadOnly(false);
        d.cds.edit();
        QCOMPARE(d.cds.state(), DataSet::State::Edit);

        d.query.open(); // a query feeding a data source directly is read-only
        QVERIFY_THROWS_EXCEPTION(DataError, d.query.edit());
    }

    void postEventsAndSaveRule()
    {
        PriceDataSets d(*m_db);
        d.usePriceSaveMap();
        bool refuse = true;
        int saves = 0;
        d.cds.setBeforePost(QStringLiteral("refuse"), [&](DataSet&) {
            if (refuse)
                throw DataError(QStringLiteral("recusado"));
        });
        d.cds.setAfterPost(QStringLiteral("save"), [&](DataSet& posted) {
            ++saves;
            QCOMPARE(static_cast<ClientDataSet&>(posted).applyUpdates(), 0);
        });
        d.cds.open();
        d.cds.edit();
        d.cds.fieldByName(QStringLiteral("PRECO")).setAsFloat(11);
        QVERIFY_THROWS_EXCEPTION(DataError, d.cds.post());
        QCOMPARE(d.cds.state(), DataSet::State::Edit);
        QCOMPARE(d.cds.fieldByName(QStringLiteral("PRECO")).asFloat(), 11.0);
        refuse = false;
        d.cds.next(); // moving off the record posts it
        QCOMPARE(saves, 1);
        QCOMPARE(price(1), QStringLiteral("11"));
        QCOMPARE(d.cds.changeCount(), 0);

        d.cds.edit();
        d.cds.fieldByName(QStringLiteral("PRECO")).setAsFloat(4);
        d.cds.cancel();
        QCOMPARE(d.cds.fieldByName(QStringLiteral("PRECO")).asFloat(), 12.5);
        QCOMPARE(saves, 1);
    }

    void badValuesAreRefused_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QVariant>("value");
        QTest::newRow("text beyond the width") << QStringLiteral("OBS") << QVariant(QStringLiteral("onze letras"));
        QTest::newRow("not a number") << QStringLiteral("PRECO") << QVariant(QStringLiteral("12,5x"));
        QTest::newRow("fraction for a flag") << QStringLiteral("FLAG") << QVariant(1.5);
        QTest::newRow("not a date") << QStringLiteral("DATA") << QVariant(QStringLiteral("31/02/2026"));
    }
    void badValuesAreRefused()
    {
        QFETCH(QString, field);
        QFETCH(QVariant, value);
        PriceDataSets d(*m_db);
        d.cds.open();
        const QVariant before = d.cds.fieldByName(field).value();
        d.cds.edit();
        QVERIFY_THROWS_EXCEPTION(DataError, d.cds.fieldByName(field).setValue(value));
        QCOMPARE(d.cds.fieldByName(field).value(), before);
        d.cds.post();
        QCOMPARE(d.cds.changeCount(), 0);
    }

    void dayWithoutLocalMidnight()
    {
        // Summer time in Brazil began at 00:00 of 2018-11-04: that midnight has no local time.
        const QByteArray zone = qgetenv("TZ");
        qputenv("TZ", "America/Sao_Paulo");
        tzset();
        const auto restore = qScopeGuard([&] {
            zone.isNull() ? qunsetenv("TZ") : qputenv("TZ", zone);
            tzset();
        });
        m_db->exec(QStringLiteral("UPDATE velko_cst.tst_preco SET data = '2018-11-04' WHERE id_preco = 1"));
        PriceDataSets d(*m_db); // every field identifies the row, the day included
        d.cds.open();
        const auto& day = d.cds.fieldByName(QStringLiteral("DATA"));
        QCOMPARE(day.asDateTime().date(), QDate(2018, 11, 4));
        QCOMPARE(day.asDateTime().time(), QTime(0, 0));
        QCOMPARE(day.displayText(), QStringLiteral("04/11/2018"));
        d.cds.setFilter(QStringLiteral("DATA = '2018-11-04'"));
        d.cds.setFiltered(true);
        QCOMPARE(d.cds.recordCount(), 1);
        d.cds.edit();
        d.cds.fieldByName(QStringLiteral("PRECO")).setAsFloat(3);
        d.cds.post();
        QCOMPARE(d.cds.applyUpdates(), 0);
        QCOMPARE(price(1), QStringLiteral("3"));
    }

    void textValuesAreRead()
    {
        PriceDataSets d(*m_db);
        d.cds.open();
        d.cds.edit();
        d.cds.fieldByName(QStringLiteral("PRECO")).setAsString(QStringLiteral("1.234,5"));
        d.cds.fieldByName(QStringLiteral("DATA")).setAsString(QStringLiteral("05/03/2026"));
        d.cds.fieldByName(QStringLiteral("OBS")).setAsString(QString());
        QCOMPARE(d.cds.fieldByName(QStringLiteral("PRECO")).asFloat(), 1234.5);
        QCOMPARE(d.cds.fieldByName(QStringLiteral("DATA")).asDateTime(), QDateTime(QDate(2026, 3, 5), QTime(0, 0), Qt::UTC));
        QVERIFY(d.cds.fieldByName(QStringLiteral("OBS")).isNull());
    }
};

QTEST_GUILESS_MAIN(TestClientDataSet)
#include "tst_ClientDataSet.moc"
