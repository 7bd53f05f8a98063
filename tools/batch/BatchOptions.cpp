#include "BatchOptions.h"

#include <array>
#include <cmath>
#include <utility>

namespace custos::batch {

namespace {

constexpr std::array<std::pair<Command, const char*>, 7> commands{{
    {Command::Generate, "generate"},
    {Command::Close, "close"},
    {Command::Reopen, "reopen"},
    {Command::History, "history"},
    {Command::UndoCapture, "undo-capture"},
    {Command::Export, "export"},
    {Command::Publish, "publish"},
}};

std::optional<Command> commandNamed(const QString& word)
{
    for (const auto& [command, name] : commands) {
        if (word == QLatin1String(name))
            return command;
    }
    return std::nullopt;
}

QDate dayOf(const QString& text, const QDate& today)
{
    if (text == QLatin1String("today"))
        return today;
    if (text == QLatin1String("yesterday"))
        return today.addDays(-1);
    const QDate day = QDate::fromString(text, Qt::ISODate);
    if (!day.isValid() || text.size() != 10)
        throw UsageError(QStringLiteral("Dia inválido: \"%1\". Use AAAA-MM-DD, today ou yesterday.").arg(text));
    return day;
}

QDateTime momentOf(const QString& text)
{
    const QDateTime moment = QDateTime::fromString(text, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    if (!moment.isValid())
        throw UsageError(QStringLiteral("Momento de captura inválido: \"%1\". Use 'AAAA-MM-DD HH:MM:SS'.").arg(text));
    return moment;
}

double numberOf(const QString& option, const QString& text)
{
    bool ok = false;
    const double number = text.toDouble(&ok);
    if (!ok || number < 0 || number != std::floor(number))
        throw UsageError(QStringLiteral("Valor inválido para %1: \"%2\". Use um número inteiro.").arg(option, text));
    return number;
}

// The value among the words allowed, as its position.
int choiceOf(const QString& option, const QString& text, const QStringList& allowed)
{
    const qsizetype index = allowed.indexOf(text);
    if (index < 0)
        throw UsageError(QStringLiteral("Valor inválido para %1: \"%2\". Use %3.").arg(option, text, allowed.join(u'|')));
    return int(index);
}

QStringList codesOf(const QString& text)
{
    QStringList codes;
    for (const QString& code : text.split(u','))
        if (!code.trimmed().isEmpty())
            codes << code.trimmed();
    if (codes.isEmpty())
        throw UsageError(QStringLiteral("A opção --products precisa de ao menos um código de produto."));
    return codes;
}

int unitOf(const QString& text)
{
    bool ok = false;
    const int unit = text.toInt(&ok);
    if (!ok || unit < 1 || unit > 99)
        throw UsageError(QStringLiteral("Unidade inválida: \"%1\". Use um número de 1 a 99.").arg(text));
    return unit;
}

// The words one at a time; "--name=value" is read as "--name" and "value".
class Words
{
public:
    explicit Words(const QStringList& arguments)
    {
        for (const QString& argument : arguments) {
            const qsizetype equals = argument.indexOf(u'=');
            if (argument.startsWith(QLatin1String("--")) && equals > 2) {
                m_words << argument.left(equals) << argument.mid(equals + 1);
            } else {
                m_words << argument;
            }
        }
    }
    bool atEnd() const { return m_next >= m_words.size(); }
    QString take() { return m_words.at(m_next++); }
    QString valueOf(const QString& option)
    {
        if (atEnd())
            throw UsageError(QStringLiteral("A opção %1 precisa de um valor.").arg(option));
        return take();
    }

private:
    QStringList m_words;
    qsizetype m_next = 0;
};

[[noreturn]] void unknownOption(const QString& word, const std::optional<Command>& command)
{
    if (!word.startsWith(u'-'))
        throw UsageError(command ? QStringLiteral("Argumento inesperado: \"%1\".").arg(word)
                                 : QStringLiteral("Comando desconhecido: \"%1\".").arg(word));
    throw UsageError(command ? QStringLiteral("Opção desconhecida para %1: %2.").arg(commandName(*command), word)
                             : QStringLiteral("Opção desconhecida: %1.").arg(word));
}

// The options each command takes besides --day (which all take) and --help.
bool takesOption(Command command, const QString& option)
{
    const auto is = [&](const char* name) { return option == QLatin1String(name); };
    switch (command) {
    case Command::Generate:
        return is("--no-price-capture");
    case Command::Close:
    case Command::Reopen:
        return is("--yes");
    case Command::History:
        return false;
    case Command::UndoCapture:
        return is("--capture") || is("--yes");
    case Command::Export:
        return is("--slaughter") || is("--family") || is("--out");
    case Command::Publish:
        return is("--family") || is("--resale-family") || is("--group") || is("--kind") || is("--figure") ||
               is("--table") || is("--all") || is("--products") || is("--yes");
    }
    return false;
}

void readCommandOption(BatchOptions& options, const QString& option, Words& words, const QDate& today)
{
    if (option == QLatin1String("--day"))
        options.day = dayOf(words.valueOf(option), today);
    else if (!takesOption(*options.command, option))
        unknownOption(option, options.command);
    else if (option == QLatin1String("--yes"))
        options.yes = true;
    else if (option == QLatin1String("--no-price-capture"))
        options.capturePrices = false;
    else if (option == QLatin1String("--capture"))
        options.capture = momentOf(words.valueOf(option));
    else if (option == QLatin1String("--slaughter"))
        options.slaughter = true;
    else if (option == QLatin1String("--family"))
        options.family = numberOf(option, words.valueOf(option));
    else if (option == QLatin1String("--out"))
        options.outFile = words.valueOf(option);
    else if (option == QLatin1String("--resale-family"))
        options.resaleFamily = numberOf(option, words.valueOf(option));
    else if (option == QLatin1String("--group"))
        options.group = numberOf(option, words.valueOf(option));
    else if (option == QLatin1String("--kind"))
        options.kind = choiceOf(option, words.valueOf(option), {QStringLiteral("cost"), QStringLiteral("base")});
    else if (option == QLatin1String("--figure"))
        options.figure = choiceOf(option, words.valueOf(option), {QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2")});
    else if (option == QLatin1String("--table"))
        options.table = numberOf(option, words.valueOf(option));
    else if (option == QLatin1String("--all"))
        options.allProducts = true;
    else if (option == QLatin1String("--products"))
        options.products = codesOf(words.valueOf(option));
}

void requirePublishOptions(const BatchOptions& options)
{
    const bool resale = options.resaleFamily || options.group;
    if (options.family.has_value() == resale)
        throw UsageError(QStringLiteral("Use --family ID ou --resale-family F --group G (um dos dois) para publish."));
    if (resale && !(options.resaleFamily && options.group))
        throw UsageError(QStringLiteral("Use --resale-family F junto com --group G para publish."));
    if (!options.kind)
        throw UsageError(QStringLiteral("Falta a opção --kind (cost ou base) para publish."));
    if (!options.figure)
        throw UsageError(QStringLiteral("Falta a opção --figure (0, 1 ou 2) para publish."));
    if (!options.table)
        throw UsageError(QStringLiteral("Falta a opção --table para publish."));
    if (options.allProducts == !options.products.isEmpty())
        throw UsageError(QStringLiteral("Use --all ou --products CÓDIGO,CÓDIGO... (um dos dois) para publish."));
}

void requireCommandOptions(const BatchOptions& options)
{
    const QString name = commandName(*options.command);
    if (!options.day.isValid())
        throw UsageError(QStringLiteral("Falta a opção --day para %1.").arg(name));
    if (options.command == Command::UndoCapture && !options.capture.isValid())
        throw UsageError(QStringLiteral("Falta a opção --capture para undo-capture."));
    if (options.command == Command::Export) {
        if (options.slaughter == options.family.has_value())
            throw UsageError(QStringLiteral("Use --slaughter ou --family ID (um dos dois) para export."));
        if (options.outFile.isEmpty())
            throw UsageError(QStringLiteral("Falta a opção --out para export."));
    }
    if (options.command == Command::Publish)
        requirePublishOptions(options);
}

} // namespace

QString commandName(Command command)
{
    for (const auto& [c, name] : commands) {
        if (c == command)
            return QString::fromLatin1(name);
    }
    return {};
}

BatchOptions parseBatchOptions(const QStringList& arguments, const QDate& today)
{
    BatchOptions options;
    Words words(arguments);
    while (!words.atEnd()) {
        const QString word = words.take();
        if (word == QLatin1String("--help") || word == QLatin1String("-h"))
            options.help = true;
        else if (options.command)
            readCommandOption(options, word, words, today);
        else if (word == QLatin1String("--ini"))
            options.iniPath = words.valueOf(word);
        else if (word == QLatin1String("--user"))
            options.user = words.valueOf(word);
        else if (word == QLatin1String("--unit"))
            options.units << unitOf(words.valueOf(word));
        else if (const std::optional<Command> command = commandNamed(word))
            options.command = command;
        else
            unknownOption(word, options.command);
    }
    if (options.help)
        return options;
    if (!options.command)
        throw UsageError(QStringLiteral("Falta o comando."));
    requireCommandOptions(options);
    return options;
}

} // namespace custos::batch
