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

} // namespace

void loadDemoDay(const TestDatabase& db, int scale)
{
    const QString host = qEnvironmentVariable("CUSTOS_PGHOST");
    if (host.isEmpty())
        fail(QStringLiteral("run eval \"$(db/server env)\" first"));
    const auto psql = [&](const QStringList& arguments) {
        QProcess p;
        p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        p.setStandardOutputFile(QProcess::nullDevice());
        p.start(qEnvironmentVariable("PGBIN", QStringLiteral("/usr/lib/postgresql/15/bin")) + QStringLiteral("/psql"),
                QStringList{QStringLiteral("-X"), QStringLiteral("-q"), QStringLiteral("-v"),
                            QStringLiteral("ON_ERROR_STOP=1"), QStringLiteral("-h"), host, QStringLiteral("-p"),
                            qEnvironmentVariable("CUSTOS_PGPORT", QStringLiteral("5432")), QStringLiteral("-U"),
                            qEnvironmentVariable("CUSTOS_PGADMIN", QStringLiteral("postgres")), QStringLiteral("-d"),
                            db.databaseName(), QStringLiteral("-v"), QStringLiteral("hoje=2024-03-16"),
                            QStringLiteral("-v"), QStringLiteral("escala=%1").arg(scale)}
                    + arguments);
        if (!p.waitForFinished(-1) || p.exitCode() != 0)
            fail(QStringLiteral("psql %1 failed").arg(arguments.join(u' ')));
    };
    const QString demo = QStringLiteral(CUSTOS_SOURCE_DIR "/db/demo/");
    for (const char* script : {"cadastros.sql", "movimento.sql"})
        psql({QStringLiteral("-f"), demo + QLatin1String(script)});
    psql({QStringLiteral("-v"), QStringLiteral("unidade=1"), QStringLiteral("-v"), QStringLiteral("desde=2024-03-01"),
          QStringLiteral("-v"), QStringLiteral("ate=2024-03-15"), QStringLiteral("-f"),
          demo + QStringLiteral("processa.sql")});
    psql({QStringLiteral("-c"), QStringLiteral("VACUUM ANALYZE")});
}

} // namespace custos::test
