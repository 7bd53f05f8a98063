#include "Provider.h"

#include "DBXConnection.h"
#include "DataError.h"
#include "DataSet.h"
#include "Query.h"

namespace custos::data {

namespace {

// An Oracle name written without quotes: a letter, then letters, digits, "_", "$" or "#".
bool isPlainName(QStringView name)
{
    if (name.isEmpty() || name.size() > 128)
        return false;
    for (qsizetype i = 0; i < name.size(); ++i) {
        const char16_t c = name[i].unicode();
        const bool letter = (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
        const bool other = (c >= u'0' && c <= u'9') || c == u'_' || c == u'$' || c == u'#';
        if (!(letter || (i > 0 && other)))
            return false;
    }
    return true;
}

session::BindType bindTypeOf(FieldKind kind)
{
    switch (storageKindOf(kind)) {
    case StorageKind::Float:
        return session::BindType::Number;
    case StorageKind::Integer:
        return session::BindType::Integer;
    case StorageKind::Timestamp:
        return session::BindType::DateTime;
    case StorageKind::Text:
        break;
    }
    return session::BindType::Text;
}

QVariant bindValueOf(FieldKind kind, const QVariant& value)
{
    if (value.isNull() || storageKindOf(kind) != StorageKind::Integer)
        return value;
    return QVariant(qint64(value.toInt()));
}

} // namespace

Provider::Provider(Query* query, const QString& tableName, QObject* parent)
    : QObject(parent)
    , m_query(query)
{
    if (!tableName.isEmpty())
        setTableName(tableName);
}

void Provider::setTableName(const QString& tableName)
{
    const auto parts = QStringView(tableName).split(u'.');
    bool valid = parts.size() <= 2;
    for (const QStringView part : parts)
        valid = valid && isPlainName(part);
    if (!valid)
        throw DataError(QStringLiteral("%1: nome de tabela inválido \"%2\".").arg(objectName(), tableName));
    m_tableName = tableName;
}

void Provider::setFieldFlags(const QString& fieldName, ProviderFlags flags)
{
    m_flags.insert(fieldName.toUpper(), flags);
}

ProviderFlags Provider::flags(const QString& fieldName) const
{
    return m_flags.value(fieldName.toUpper(), m_defaultFlags);
}

std::optional<Provider::Statement> Provider::updateFor(const DataSet& dataSet, const std::vector<QVariant>& original,
                                                       const std::vector<QVariant>& current) const
{
    if (m_tableName.isEmpty())
        throw DataError(QStringLiteral("%1: o provedor não tem tabela para gravar.").arg(objectName()));
    Statement statement;
    QStringList assignments;
    QStringList conditions;
    for (int c = 0; c < dataSet.fieldCount(); ++c) {
        const Field& field = dataSet.field(c);
        const ProviderFlags fieldFlags = flags(field.name());
        const bool changed = original[std::size_t(c)] != current[std::size_t(c)];
        const bool writes = changed && fieldFlags.testFlag(ProviderFlag::Writable);
        const bool identifies = fieldFlags.testFlag(ProviderFlag::Identifying);
        if (!writes && !identifies)
            continue;
        if (!isPlainName(field.name()))
            throw DataError(QStringLiteral("%1: o campo \"%2\" não pode ser gravado em %3.")
                                .arg(objectName(), field.name(), m_tableName));
        const session::BindType type = bindTypeOf(field.kind());
        if (writes) {
            const QString bind = QStringLiteral("S%1").arg(assignments.size() + 1);
            assignments << field.name() + QStringLiteral(" = :") + bind;
            statement.params.set(bind, type, bindValueOf(field.kind(), current[std::size_t(c)]));
        }
        if (identifies) {
            const QVariant& asRead = original[std::size_t(c)];
            if (asRead.isNull()) {
                conditions << field.name() + QStringLiteral(" IS NULL");
            } else {
                const QString bind = QStringLiteral("K%1").arg(conditions.size() + 1);
                conditions << field.name() + QStringLiteral(" = :") + bind;
                statement.params.set(bind, type, bindValueOf(field.kind(), asRead));
            }
        }
    }
    if (assignments.isEmpty())
        return std::nullopt;
    if (conditions.isEmpty())
        throw DataError(QStringLiteral("%1: nenhum campo identifica o registro a gravar em %2.")
                            .arg(objectName(), m_tableName));
    statement.text = QStringLiteral("UPDATE ") + m_tableName + QStringLiteral(" SET ") + assignments.join(QStringLiteral(", "))
                   + QStringLiteral(" WHERE ") + conditions.join(QStringLiteral(" AND "));
    return statement;
}

void Provider::applyUpdate(const DataSet& dataSet, const std::vector<QVariant>& original,
                           const std::vector<QVariant>& current) const
{
    const std::optional<Statement> statement = updateFor(dataSet, original, current);
    if (!statement)
        return;
    if (!m_query || !m_query->connection())
        throw DataError(QStringLiteral("%1: provedor sem consulta ligada a uma conexão.").arg(objectName()));
    session::DBXConnection& connection = *m_query->connection();
    // Each row commits on its own, in a transaction of its own unless the caller holds one,
    // so that a row found more than once is rolled back (the transaction is left uncommitted)
    // instead of overwriting several rows.
    std::optional<session::DBXConnection::Transaction> transaction;
    if (!connection.inTransaction())
        transaction.emplace(connection);
    const long long affected = connection.execute(statement->text, statement->params);
    if (affected == 0)
        throw DataError(QStringLiteral("Registro não encontrado ou alterado por outro usuário."));
    if (affected > 1) {
        if (!transaction)
            throw DataError(QStringLiteral("A gravação alterou %1 registros de %2.").arg(affected).arg(m_tableName));
        throw DataError(QStringLiteral("A gravação alteraria %1 registros de %2; nada foi gravado.")
                            .arg(affected)
                            .arg(m_tableName));
    }
    if (transaction)
        transaction->commit();
}

} // namespace custos::data
