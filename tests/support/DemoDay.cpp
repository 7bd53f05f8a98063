#include "DemoDay.h"

#include "TestDatabase.h"

#include <QProcess>
#include <QStringList>
#include <cstdio>
#include <cstdlib>

namespace custos::test {

namespace {

[[noreturn]] void fail(const QString& message)
{
    std::fprintf(stderr, "%s\n", qPrintable(message));
    std::exit(1);
}

// psql as the cluster owner on database, with the demo's day and the scale.
void psqlOn(const QString& database, int scale, const QStringList& arguments)
{
    const QString host = qEnvironmentVariable("CUSTOS_PGHOST");
    if (host.isEmpty())
        fail(QStringLiteral("run eval \"$(db/server env)\" first"));
    QProcess p;
    p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    p.setStandardOutputFile(QProcess::nullDevice());
    p.start(qEnvironmentVariable("PGBIN", QStringLiteral("/usr/lib/postgresql/15/bin")) + QStringLiteral("/psql"),
            QStringList{QStringLiteral("-X"), QStringLiteral("-q"), QStringLiteral("-v"),
                        QStringLiteral("ON_ERROR_STOP=1"), QStringLiteral("-h"), host, QStringLiteral("-p"),
                        qEnvironmentVariable("CUSTOS_PGPORT", QStringLiteral("5432")), QStringLiteral("-U"),
                        qEnvironmentVariable("CUSTOS_PGADMIN", QStringLiteral("postgres")), QStringLiteral("-d"),
                        database, QStringLiteral("-v"), QStringLiteral("hoje=2024-03-16"),
                        QStringLiteral("-v"), QStringLiteral("escala=%1").arg(scale)}
                + arguments);
    if (!p.waitForFinished(-1) || p.exitCode() != 0)
        fail(QStringLiteral("psql %1 failed").arg(arguments.join(u' ')));
}

const QString demo = QStringLiteral(CUSTOS_SOURCE_DIR "/db/demo/");

void loadMovement(const QString& database, int scale)
{
    for (const char* script : {"cadastros.sql", "movimento.sql"})
        psqlOn(database, scale, {QStringLiteral("-f"), demo + QLatin1String(script)});
}

} // namespace

void loadDemoDay(const TestDatabase& db, int scale)
{
    const auto psql = [&](const QStringList& arguments) { psqlOn(db.databaseName(), scale, arguments); };
    loadMovement(db.databaseName(), scale);
    psql({QStringLiteral("-v"), QStringLiteral("unidade=1"), QStringLiteral("-v"), QStringLiteral("desde=2024-03-01"),
          QStringLiteral("-v"), QStringLiteral("ate=2024-03-15"), QStringLiteral("-f"),
          demo + QStringLiteral("processa.sql")});
    psql({QStringLiteral("-c"), QStringLiteral("VACUUM ANALYZE")});
}

void loadDemoMovementIntoUnit(const TestDatabase& db, int scale)
{
    // The unit database's service name is its name in capitals.
    const QString unitDatabase = db.unitServiceName().toLower();
    loadMovement(unitDatabase, scale);
    psqlOn(unitDatabase, scale, {QStringLiteral("-c"), QStringLiteral("VACUUM ANALYZE")});
}

} // namespace custos::test
