#include "DatabaseError.h"

#include <QHash>

namespace custos::session {

namespace {

// Class 08 (libpq's connection failures are reported in it too) and the server's own
// shutdowns and terminations of the session.
bool isConnectionLoss(const QString& sqlState)
{
    return sqlState.startsWith(QLatin1String("08")) || sqlState == QLatin1String("57P01") ||
           sqlState == QLatin1String("57P02") || sqlState == QLatin1String("57P03");
}

} // namespace

DatabaseError::DatabaseError(const QString& message, const QString& sqlState, const QString& summary)
    : std::runtime_error(message.toStdString()), m_message(message), m_sqlState(sqlState),
      m_kind(kindOf(sqlState)), m_summary(summary)
{
}

QString DatabaseError::userText() const
{
    if (m_summary.isEmpty() || m_summary == m_message)
        return m_message;
    return m_message.isEmpty() ? m_summary : m_summary + u'\r' + m_message;
}

DatabaseErrorKind DatabaseError::kindOf(const QString& sqlState)
{
    if (isConnectionLoss(sqlState))
        return DatabaseErrorKind::ConnectionLost;
    if (sqlState == QLatin1String("40001") || sqlState == QLatin1String("40P01"))
        return DatabaseErrorKind::Serialization;
    if (sqlState.startsWith(QLatin1String("23")))
        return DatabaseErrorKind::Integrity;
    if (sqlState == QLatin1String(kPackageRefusalState))
        return DatabaseErrorKind::PackageRefusal;
    return DatabaseErrorKind::Other;
}

QString DatabaseError::summaryOf(const QString& sqlState)
{
    static const QHash<QString, QString> summaries{
        {QStringLiteral("28P01"), QStringLiteral("Usuário ou senha inválidos.")},
        {QStringLiteral("28000"), QStringLiteral("Usuário ou senha inválidos.")},
        {QStringLiteral("3D000"), QStringLiteral("O banco de dados do servidor informado não existe.")},
        {QStringLiteral("08001"), QStringLiteral("Não foi possível conectar ao servidor de banco de dados.")},
        {QStringLiteral("08004"), QStringLiteral("O servidor de banco de dados recusou a conexão.")},
        {QStringLiteral("53300"), QStringLiteral("O servidor de banco de dados recusou a conexão.")},
        {QStringLiteral("42501"), QStringLiteral("Permissão negada para esta operação.")},
        {QStringLiteral("55P03"), QStringLiteral("Os dados estão bloqueados por outro usuário. Tente novamente mais tarde.")},
        {QStringLiteral("57014"), QStringLiteral("A operação foi cancelada pelo servidor de banco de dados.")},
        {QStringLiteral("40001"), QStringLiteral("A operação conflitou com a de outro usuário e foi desfeita. Tente novamente.")},
        {QStringLiteral("40P01"), QStringLiteral("A operação conflitou com a de outro usuário e foi desfeita. Tente novamente.")},
    };
    if (const auto it = summaries.constFind(sqlState); it != summaries.cend())
        return *it;
    if (isConnectionLoss(sqlState))
        return QStringLiteral("A conexão com o banco de dados foi perdida. A próxima operação reconectará.");
    return QString();
}

void raiseDatabaseError(const QString& message, const QString& sqlState, const QString& summary)
{
    const QString text = summary.isEmpty() ? DatabaseError::summaryOf(sqlState) : summary;
    switch (DatabaseError::kindOf(sqlState)) {
    case DatabaseErrorKind::ConnectionLost:
        throw ConnectionLostError(message, sqlState, text);
    case DatabaseErrorKind::Serialization:
        throw SerializationError(message, sqlState, text);
    case DatabaseErrorKind::Integrity:
        throw IntegrityError(message, sqlState, text);
    case DatabaseErrorKind::PackageRefusal:
        throw PackageRefusalError(message, sqlState, text);
    case DatabaseErrorKind::Other:
        break;
    }
    throw DatabaseError(message, sqlState, text);
}

} // namespace custos::session
