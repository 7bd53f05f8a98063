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
    std::optional<double> family; // export/publish --family: the production family's ID_FAMILIA
    QString outFile;            // export --out

    // publish: the resale family and group (--resale-family, --group), the table kind
    // (--kind: cost 0, base 1, as "Tipo de Tabela" lists them), the figure (--figure, the item of
    // "Valor Referência"), the table's number (--table) and the products ticked (--all, or
    // --products with their codes).
    std::optional<double> resaleFamily;
    std::optional<double> group;
    std::optional<int> kind;
    std::optional<int> figure;
    std::optional<double> table;
    bool allProducts = false;
    QStringList products;
};

// The words of the command line after the program's name. today gives "today" and "yesterday".
BatchOptions parseBatchOptions(const QStringList& arguments, const QDate& today);

QString commandName(Command command);

} // namespace custos::batch
