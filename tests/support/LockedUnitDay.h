#pragma once
// Holds the lock the cost packages take on a unit's day (pkg_base_custo.bloqueia, in a
// transaction of a connection of its own) until the object goes, so that the operations that
// reach it wait; waitingSessions() tells how many sessions wait for a lock meanwhile.

#include "DBXConnection.h"
#include "TestDatabase.h"

#include <QDate>
#include <chrono>
#include <thread>

namespace custos::test {

class LockedUnitDay
{
public:
    LockedUnitDay(const TestDatabase& db, double unit, const QDate& day)
        : m_db(db), m_holder(db.connect()), m_hold(std::make_unique<session::DBXConnection::Transaction>(*m_holder))
    {
        m_holder->execute(QStringLiteral("BEGIN\nvelko_cst.pkg_base_custo.bloqueia(:id_unidade, :data);\nEND;"),
                          session::Params().setNumber(QStringLiteral("id_unidade"), unit).setDate(QStringLiteral("data"), day));
    }
    ~LockedUnitDay() { release(); }

    void release() { m_hold.reset(); }

    // Waits (a bounded while) until count sessions, or the session pid, wait for a lock.
    bool awaitWaiting(int count, const QString& pid = {}) const
    {
        const QString sql = QStringLiteral("select count(*) from pg_stat_activity where wait_event_type = 'Lock'") +
                            (pid.isEmpty() ? QString() : QStringLiteral(" and pid = ") + pid);
        for (int attempt = 0; attempt < 2000; ++attempt) {
            if (m_db.scalar(sql).toInt() >= count)
                return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        return false;
    }

    static QString backendOf(session::DBXConnection& connection)
    {
        return connection.query(QStringLiteral("select pg_backend_pid() pid from dual")).value(0, 0).toString();
    }

private:
    const TestDatabase& m_db;
    std::unique_ptr<session::DBXConnection> m_holder;
    std::unique_ptr<session::DBXConnection::Transaction> m_hold;
};

// Ends the session pid from the server side (as an administrator or a restart does) once it
// waits for the locked day.
class TerminateWhenWaiting
{
public:
    TerminateWhenWaiting(const TestDatabase& db, const LockedUnitDay& lock, const QString& pid)
        : m_thread([&db, &lock, pid] {
              if (lock.awaitWaiting(1, pid))
                  db.exec(QStringLiteral("SELECT pg_terminate_backend(%1, 5000)").arg(pid));
          })
    {
    }
    ~TerminateWhenWaiting() { join(); }
    void join()
    {
        if (m_thread.joinable())
            m_thread.join();
    }

private:
    std::thread m_thread;
};

} // namespace custos::test
