#pragma once
// The command line of custos-batch: global options, one command and its options, read into
// plain values. Anything it cannot read is a UsageError with the Portuguese reason; nothing has
// touched the database then.

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>
#include <stdexcept>

namespace custos::batch {

enum class Command { Generate, Close, Reopen, History, UndoCapture, Export, Publish };

class UsageError : public std::runtime_error
{
public:
    explicit UsageError(const QString& message) : std::runtime_error(message.toStdString()), m_message(message) {}
    QString message() const { return m_message; }

private:
    QString m_message;
};

struct BatchOptions
{
    QString iniPath;    // --ini; empty: velko.ini beside the executable
    QString user;       // --user; empty: the configuration file's
    QList<int> units;   // --unit, in the order given; empty: the configuration file's company
    bool help = false;  // --help: the general help, or the command's when one was named
    std::optional<Command> command;

    QDate day;                  // --day
    bool yes = false;           // --yes: every question answered Yes (or OK)
    bool capturePrices = true;  // generate: cleared by --no-price-capture
    QDateTime capture;          // undo-capture --capture
    bool slaughter = false;     // export --slaughter
    QString family;             // export/publish --family
    QString outFile;            // export --out
};

// The words of the command line after the program's name. today gives "today" and "yesterday".
BatchOptions parseBatchOptions(const QStringList& arguments, const QDate& today);

QString commandName(Command command);

} // namespace custos::batch
