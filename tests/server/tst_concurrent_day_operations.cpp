// Two programs on the same unit and day at once, each on its own session: two closings (one
// closes, the other gets the database's refusal) and two generations (the second waits for the
// first); the day is consistent afterwards.

#include "CostGeneration.h"
#include "DBXConnection.h"
#include "DataModule_Custo.h"
#include "DatabaseError.h"
#include "DayClosing.h"
#include "FixtureDay.h"
#include "LockedUnitDay.h"
#include "TestDatabase.h"

#include <QTest>
#include <atomic>
#include <mutex>
#include <thread>

using namespace custos;
using custos::test::kDia;
using custos::test::LockedUnitDay;
using custos::test::TestDatabase;

namespace {

struct Outcomes
{
    std::atomic<int> succeeded{0};
    std::mutex mutex;
    QStringList refusals;

    template <class Body>
    void run(Body&& body)
    {
        try {
            body();
            ++succeeded;
        } catch (const session::DatabaseError& error) {
            const std::lock_guard<std::mutex> lock(mutex);
            refusals << error.message();
        }
    }
};

} // namespace

class tst_concurrent_day_operations : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<session::DBXConnection> m_first;
    std::unique_ptr<session::DBXConnection> m_second;

    QString scalar(const QString& sql) const { return m_db->scalar(sql); }

    // Both operations are started while the day is locked, so that they meet; then the lock goes.
    template <class First, class Second>
    void together(First&& first, Second&& second)
    {
        LockedUnitDay lock(*m_db, 1, kDia);
        std::thread a(std::forward<First>(first));
        std::thread b(std::forward<Second>(second));
        QVERIFY(lock.awaitWaiting(2));
        lock.release();
        a.join();
        b.join();
    }

private Q_SLOTS:
    void init()
    {
        m_db = std::make_unique<TestDatabase>();
        m_db->loadFixture(QStringLiteral("custo_dia.sql"));
        m_first = m_db->connect();
        m_second = m_db->connect();
        test::generateDay(*m_first, QDateTime(QDate(2024, 3, 16), QTime(8, 0)));
    }

    void twoClosings()
    {
        const data::TDataModule_Custo firstModule(*m_first);
        const data::TDataModule_Custo secondModule(*m_second);
        server::ClosingValues values;
        values.day = kDia;
        values.unit = 1.0;
        values.idAbate = scalar(QStringLiteral("select id_abate from velko_cst.abate")).toDouble();
        values.idIndustrial = scalar(QStringLiteral("select id_industrial from velko_cst.industrial")).toDouble();
        values.idRevenda = scalar(QStringLiteral("select id_revenda from velko_cst.revenda")).toDouble();
        Outcomes outcomes;
        together([&] { outcomes.run([&] { server::DayClosing(firstModule).close(values); }); },
                 [&] { outcomes.run([&] { server::DayClosing(secondModule).close(values); }); });
        QCOMPARE(outcomes.succeeded.load(), 1);
        QCOMPARE(outcomes.refusals.size(), 1);
        QVERIFY2(outcomes.refusals[0].contains(QStringLiteral("já está fechado")), qPrintable(outcomes.refusals[0]));
        QCOMPARE(scalar(QStringLiteral("select count(*) from velko_cst.log_custo where historico like 'Fechamento%'")),
                 QStringLiteral("1"));
        QCOMPARE(scalar(QStringLiteral("select (select count(data_fechamento) from velko_cst.abate) + "
                                       "(select count(data_fechamento) from velko_cst.industrial) + "
                                       "(select count(data_fechamento) from velko_cst.revenda)")),
                 QStringLiteral("3"));
    }

    void twoGenerations()
    {
        const QString single = scalar(QStringLiteral("select (select count(*) from velko_cst.abate_produto) || ','"
                                                     " || (select count(*) from velko_cst.industrial_produto) || ','"
                                                     " || (select count(*) from velko_cst.revenda_produto)"));
        server::GenerationInput input;
        input.unit = 1;
        input.day = kDia;
        input.capturePrices = true;
        input.flags = {true, true, true, true};
        server::GenerationInput second = input;
        input.moment = QDateTime(QDate(2024, 3, 16), QTime(9, 0));
        second.moment = QDateTime(QDate(2024, 3, 16), QTime(9, 1));
        Outcomes outcomes;
        together([&] { outcomes.run([&] { server::CostGeneration(*m_first).run(input); }); },
                 [&] { outcomes.run([&] { server::CostGeneration(*m_second).run(second); }); });
        QCOMPARE(outcomes.succeeded.load() + outcomes.refusals.size(), 2);
        QVERIFY(outcomes.succeeded.load() >= 1);
        QCOMPARE(scalar(QStringLiteral("select (select count(*) from velko_cst.abate_produto) || ','"
                                       " || (select count(*) from velko_cst.industrial_produto) || ','"
                                       " || (select count(*) from velko_cst.revenda_produto)")),
                 single);
        QCOMPARE(scalar(QStringLiteral("select count(*) from velko_cst.abate")), QStringLiteral("1"));
    }
};

QTEST_GUILESS_MAIN(tst_concurrent_day_operations)
#include "tst_concurrent_day_operations.moc"
