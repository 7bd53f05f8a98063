#pragma once
// A database of one test suite's own, cloned from the local server's template, reachable by a
// service name of its own. Dropped when the object goes.
//
// Central databases carry the database link UNIDADE2, pointed at a unit database cloned
// alongside, so tests of the link never share a remote with another suite.

#include <QString>
#include <memory>

namespace custos::session {
class DBXConnection;
}

namespace custos::test {

class TestDatabase
{
public:
    enum class Kind { Central, Unit };

    explicit TestDatabase(Kind kind = Kind::Central);
    ~TestDatabase();
    TestDatabase(const TestDatabase&) = delete;
    TestDatabase& operator=(const TestDatabase&) = delete;

    // The service name that reaches this database (and, for a central one, its unit database).
    QString serviceName() const;
    QString unitServiceName() const;
    QString databaseName() const;
    // A service name of this database whose server cannot be reached (no socket where it points).
    QString unreachableServiceName() const;

    // Runs SQL (PostgreSQL text, several statements allowed) as the cluster owner.
    void exec(const QString& sql) const;
    void execOnUnit(const QString& sql) const;
    // Runs a fixture file of tests/fixtures (name without folder) as the cluster owner.
    void loadFixture(const QString& fileName) const;
    // The same fixture in the unit database (a central database's, or this one when it is a unit's).
    void loadFixtureOnUnit(const QString& fileName) const;
    // A single value of a query run as the cluster owner ("" for NULL or no rows).
    QString scalar(const QString& sql) const;

    // A connection opened the way the program opens it (service, user, password, company).
    std::unique_ptr<session::DBXConnection> connect(const QString& user = QStringLiteral("GERENTE"),
                                                    const QString& password = QStringLiteral("custos"),
                                                    const QString& company = QStringLiteral("1")) const;

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};

} // namespace custos::test
