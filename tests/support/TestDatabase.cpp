#include "TestDatabase.h"

#include "DBXConnection.h"

#include <QAtomicInt>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMap>
#include <QMutex>
#include <QProcess>
#include <QTextStream>
#include <libpq-fe.h>
#include <stdexcept>

namespace custos::test {

namespace {

// Where the local server is: taken from the environment the test command sets, or asked of
// db/server when a test runs on its own.
struct ServerEnv
{
    QString host, port, admin, tplCentral, tplUnit, serviceFile;
};

const ServerEnv& serverEnv()
{
    static const ServerEnv env = [] {
        if (qEnvironmentVariableIsEmpty("CUSTOS_PGHOST")) {
            QProcess p;
            p.start(QStringLiteral(CUSTOS_SOURCE_DIR "/db/server"), {QStringLiteral("env")});
            p.waitForFinished(-1);
            const auto lines = QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char('\n'));
            for (const QString& line : lines) {
                const QString body = line.mid(QStringLiteral("export ").size());
                const auto eq = body.indexOf(QLatin1Char('='));
                if (line.startsWith(QLatin1String("export ")) && eq > 0)
                    qputenv(body.left(eq).toUtf8().constData(), body.mid(eq + 1).toUtf8());
            }
        }
        ServerEnv e;
        e.host = qEnvironmentVariable("CUSTOS_PGHOST");
        e.port = qEnvironmentVariable("CUSTOS_PGPORT");
        e.admin = qEnvironmentVariable("CUSTOS_PGADMIN");
        e.tplCentral = qEnvironmentVariable("CUSTOS_TPL_CENTRAL");
        e.tplUnit = qEnvironmentVariable("CUSTOS_TPL_UNIT");
        e.serviceFile = qEnvironmentVariable("PGSERVICEFILE");
        if (e.host.isEmpty())
            throw std::runtime_error("the local database server is unknown: run db/server start");
        return e;
    }();
    return env;
}

struct PgConnDeleter {
    void operator()(PGconn* c) const { PQfinish(c); }
};

void runAsOwner(const QString& database, const QString& sql)
{
    const ServerEnv& env = serverEnv();
    const QByteArray info = QStringLiteral("host='%1' port=%2 user='%3' dbname='%4' options='-c client_min_messages=warning'")
                                .arg(env.host, env.port, env.admin, database)
                                .toUtf8();
    std::unique_ptr<PGconn, PgConnDeleter> conn(PQconnectdb(info.constData()));
    if (PQstatus(conn.get()) != CONNECTION_OK)
        throw std::runtime_error(std::string("test database: ") + PQerrorMessage(conn.get()));
    PGresult* res = PQexec(conn.get(), sql.toUtf8().constData());
    const auto status = PQresultStatus(res);
    const std::string error = PQresultErrorMessage(res);
    PQclear(res);
    if (status != PGRES_COMMAND_OK && status != PGRES_TUPLES_OK && status != PGRES_EMPTY_QUERY)
        throw std::runtime_error("test database " + database.toStdString() + ": " + error);
}

QString scalarAsOwner(const QString& database, const QString& sql)
{
    const ServerEnv& env = serverEnv();
    const QByteArray info =
        QStringLiteral("host='%1' port=%2 user='%3' dbname='%4'").arg(env.host, env.port, env.admin, database).toUtf8();
    std::unique_ptr<PGconn, PgConnDeleter> conn(PQconnectdb(info.constData()));
    PGresult* res = PQexec(conn.get(), sql.toUtf8().constData());
    QString value;
    const bool ok = PQresultStatus(res) == PGRES_TUPLES_OK;
    const std::string error = PQresultErrorMessage(res);
    if (ok && PQntuples(res) > 0 && !PQgetisnull(res, 0, 0))
        value = QString::fromUtf8(PQgetvalue(res, 0, 0));
    PQclear(res);
    if (!ok)
        throw std::runtime_error("test database " + database.toStdString() + ": " + error);
    return value;
}

// The service file of this process: the server's services plus one per test database.
class ServiceFile
{
public:
    static ServiceFile& instance()
    {
        static ServiceFile file;
        return file;
    }

    void add(const QString& service, const QString& database, const QString& host = QString())
    {
        QMutexLocker lock(&m_mutex);
        m_services[service] = {database, host.isEmpty() ? serverEnv().host : host};
        write();
    }

    void remove(const QString& service)
    {
        QMutexLocker lock(&m_mutex);
        m_services.remove(service);
        write();
    }

private:
    ServiceFile()
        : m_path(QDir::temp().filePath(
              QStringLiteral("custos-test-%1.pg_service.conf").arg(QCoreApplication::applicationPid())))
    {
        QFile base(serverEnv().serviceFile);
        if (base.open(QIODevice::ReadOnly))
            m_base = QString::fromUtf8(base.readAll());
        qputenv("PGSERVICEFILE", m_path.toUtf8());
    }
    ~ServiceFile() { QFile::remove(m_path); }

    void write() const
    {
        QFile f(m_path);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            throw std::runtime_error("cannot write " + m_path.toStdString());
        QTextStream out(&f);
        out << m_base << '\n';
        const ServerEnv& env = serverEnv();
        for (auto it = m_services.cbegin(); it != m_services.cend(); ++it)
            out << '[' << it.key() << "]\nhost=" << it->host << "\nport=" << env.port << "\ndbname=" << it->database
                << "\n\n";
    }

    QMutex m_mutex;
    QString m_path;
    QString m_base;
    struct Service
    {
        QString database;
        QString host;
    };
    QMap<QString, Service> m_services;
};

QString uniqueName()
{
    static QAtomicInt counter;
    QString app = QCoreApplication::applicationName().toLower();
    for (QChar& c : app) {
        if (!c.isLetterOrNumber())
            c = QLatin1Char('_');
    }
    return QStringLiteral("t_%1_%2_%3").arg(app.left(30)).arg(QCoreApplication::applicationPid()).arg(counter.fetchAndAddRelaxed(1));
}

} // namespace

struct TestDatabase::Impl
{
    Kind kind;
    QString name;
    QString unitName; // the unit database behind the link of a central database
};

TestDatabase::TestDatabase(Kind kind) : m_impl(std::make_unique<Impl>())
{
    const ServerEnv& env = serverEnv();
    m_impl->kind = kind;
    m_impl->name = uniqueName();
    if (kind == Kind::Central) {
        m_impl->unitName = m_impl->name + QStringLiteral("_u");
        runAsOwner(QStringLiteral("postgres"),
                   QStringLiteral("CREATE DATABASE %1 TEMPLATE %2").arg(m_impl->unitName, env.tplUnit));
        runAsOwner(QStringLiteral("postgres"),
                   QStringLiteral("CREATE DATABASE %1 TEMPLATE %2").arg(m_impl->name, env.tplCentral));
        runAsOwner(m_impl->name, QStringLiteral("ALTER SERVER unidade2 OPTIONS (SET dbname '%1')").arg(m_impl->unitName));
        ServiceFile::instance().add(unitServiceName(), m_impl->unitName);
    } else {
        runAsOwner(QStringLiteral("postgres"),
                   QStringLiteral("CREATE DATABASE %1 TEMPLATE %2").arg(m_impl->name, env.tplUnit));
    }
    ServiceFile::instance().add(serviceName(), m_impl->name);
}

TestDatabase::~TestDatabase()
{
    try {
        ServiceFile::instance().remove(serviceName());
        runAsOwner(QStringLiteral("postgres"), QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)").arg(m_impl->name));
        if (!m_impl->unitName.isEmpty()) {
            ServiceFile::instance().remove(unitServiceName());
            runAsOwner(QStringLiteral("postgres"),
                       QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)").arg(m_impl->unitName));
        }
    } catch (const std::exception& e) {
        qWarning("%s", e.what());
    }
}

QString TestDatabase::serviceName() const { return m_impl->name.toUpper(); }

QString TestDatabase::unitServiceName() const { return m_impl->unitName.toUpper(); }

QString TestDatabase::databaseName() const { return m_impl->name; }

QString TestDatabase::unreachableServiceName() const
{
    const QString service = serviceName() + QStringLiteral("_FORA");
    ServiceFile::instance().add(service, m_impl->name, QStringLiteral("/nonexistent/custos-socket"));
    return service;
}

void TestDatabase::exec(const QString& sql) const { runAsOwner(m_impl->name, sql); }

void TestDatabase::execOnUnit(const QString& sql) const
{
    runAsOwner(m_impl->unitName.isEmpty() ? m_impl->name : m_impl->unitName, sql);
}

namespace {

QString fixtureText(const QString& fileName)
{
    QFile f(QStringLiteral(CUSTOS_SOURCE_DIR "/tests/fixtures/") + fileName);
    if (!f.open(QIODevice::ReadOnly))
        throw std::runtime_error("missing fixture " + fileName.toStdString());
    return QString::fromUtf8(f.readAll());
}

} // namespace

void TestDatabase::loadFixture(const QString& fileName) const
{
    exec(fixtureText(fileName));
}

void TestDatabase::loadFixtureOnUnit(const QString& fileName) const
{
    execOnUnit(fixtureText(fileName));
}

QString TestDatabase::scalar(const QString& sql) const { return scalarAsOwner(m_impl->name, sql); }

std::unique_ptr<session::DBXConnection> TestDatabase::connect(const QString& user, const QString& password,
                                                              const QString& company) const
{
    auto conn = std::make_unique<session::DBXConnection>();
    conn->setParam(QStringLiteral("DATABASE"), serviceName());
    conn->setParam(QStringLiteral("USER_NAME"), user);
    conn->setParam(QStringLiteral("PASSWORD"), password);
    conn->setParam(QStringLiteral("DEFAULT COMPANY"), company);
    conn->open();
    return conn;
}

} // namespace custos::test
