// custos-batch: the day's operations of the cost system from a terminal or a scheduled job.
// custos-batch --help tells how.

#include "BatchHelp.h"
#include "BatchOptions.h"
#include "BatchRun.h"
#include "MessageBox.h"
#include "Password.h"
#include "VelkoIni.h"

#include <QApplication>
#include <QDir>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <optional>

using namespace custos;
using namespace custos::batch;

namespace {

int usageFailure(QTextStream& err, const QString& message)
{
    err << message << Qt::endl << QStringLiteral("Use custos-batch --help.") << Qt::endl;
    return int(Status::Usage);
}

QStringList argumentsOf(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

// export builds the result windows, never shown: a widget application on the offscreen
// platform, whatever display the environment names. The other commands need no widgets.
std::unique_ptr<QCoreApplication> applicationFor(const std::optional<Command>& command, int& argc, char* argv[])
{
    if (command != Command::Export)
        return std::make_unique<QCoreApplication>(argc, argv);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    return std::make_unique<QApplication>(argc, argv);
}

} // namespace

int main(int argc, char* argv[])
{
    QTextStream out(stdout);
    QTextStream err(stderr);

    BatchOptions options;
    try {
        options = parseBatchOptions(argumentsOf(argc, argv), QDate::currentDate());
    } catch (const UsageError& error) {
        return usageFailure(err, error.message());
    }
    if (options.help) {
        out << (options.command ? commandHelp(*options.command) : generalHelp());
        return int(Status::Done);
    }
    const std::unique_ptr<QCoreApplication> application = applicationFor(options.command, argc, argv);
    // Nobody answers a box a window might show while the export builds it: its text goes to
    // standard error and the answer is the one that changes nothing, so the job never waits.
    std::optional<ui::ScopedMessageHook> unattended;
    if (options.command == Command::Export)
        unattended.emplace([&err](ui::MessageType, ui::MessageButtons buttons, const QString& text) {
            err << QString(text).replace(QLatin1Char('\r'), QLatin1Char('\n')) << Qt::endl;
            return buttons == ui::MessageButtons::Ok ? ui::MessageResult::Ok
                   : buttons == ui::MessageButtons::YesNo ? ui::MessageResult::No
                                                          : ui::MessageResult::Cancel;
        });

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
