// custos-batch: the day's operations of the cost system from a terminal or a scheduled job.
// custos-batch --help tells how.

#include "BatchHelp.h"
#include "BatchOptions.h"
#include "BatchRun.h"
#include "Password.h"
#include "VelkoIni.h"

#include <QCoreApplication>
#include <QDir>
#include <algorithm>
#include <cstdio>

using namespace custos;
using namespace custos::batch;

namespace {

int usageFailure(QTextStream& err, const QString& message)
{
    err << message << Qt::endl << QStringLiteral("Use custos-batch --help.") << Qt::endl;
    return int(Status::Usage);
}

// The commands whose windows this version does not have yet.
QString unavailable(Command command)
{
    if (command == Command::Export)
        return QStringLiteral("O comando export ainda não está disponível: as janelas de resultado, cujas grades ele "
                              "grava, não fazem parte desta versão.");
    if (command == Command::Publish)
        return QStringLiteral("O comando publish ainda não está disponível: a exportação para tabela de preço não faz "
                              "parte desta versão.");
    return {};
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);

    BatchOptions options;
    try {
        options = parseBatchOptions(application.arguments().mid(1), QDate::currentDate());
    } catch (const UsageError& error) {
        return usageFailure(err, error.message());
    }
    if (options.help) {
        out << (options.command ? commandHelp(*options.command) : generalHelp());
        return int(Status::Done);
    }
    if (const QString missing = unavailable(*options.command); !missing.isEmpty()) {
        err << missing << Qt::endl;
        return int(Status::Usage);
    }

    Account account;
    QStringList companies;
    try {
        const QString iniPath = options.iniPath.isEmpty()
                                    ? QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("velko.ini"))
                                    : options.iniPath;
        const app::VelkoIni ini = app::VelkoIni::load(iniPath);
        account.database = ini.value(QStringLiteral("SERVER NAME"));
        account.user = options.user.isEmpty() ? ini.value(QStringLiteral("USER NAME")) : options.user;
        if (account.user.trimmed().isEmpty())
            throw UsageError(QStringLiteral("Usuário não informado: use --user NOME."));
        for (const int unit : options.units)
            companies << QString::number(unit);
        if (companies.isEmpty())
            companies << ini.value(QStringLiteral("DEFAULT COMPANY"));
        account.password = readPassword();
    } catch (const app::ConfigurationError& error) {
        return usageFailure(err, QString::fromUtf8(error.what()));
    } catch (const UsageError& error) {
        return usageFailure(err, error.message());
    }

    BatchRun run(options, std::move(account), out, err);
    Status worst = Status::Done;
    for (const QString& company : companies)
        worst = std::max(worst, run.runUnit(company));
    return int(worst);
}
