#include "DatabaseError.h"

namespace custos::session {

DatabaseError::DatabaseError(const QString& message, const QString& sqlState)
    : std::runtime_error(message.toStdString()), m_message(message), m_sqlState(sqlState),
      m_kind(kindOf(sqlState))
{
}

DatabaseErrorKind DatabaseError::kindOf(const QString& sqlState)
{
    if (sqlState.startsWith(QLatin1String("08")) || sqlState == QLatin1String("57P01") ||
        sqlState == QLatin1String("57P02") || sqlState == QLatin1String("57P03"))
        return DatabaseErrorKind::ConnectionLost;
    if (sqlState == QLatin1String("40001") || sqlState == QLatin1String("40P01"))
        return DatabaseErrorKind::Serialization;
    if (sqlState.startsWith(QLatin1String("23")))
        return DatabaseErrorKind::Integrity;
    if (sqlState == QLatin1String(kPackageRefusalState))
        return DatabaseErrorKind::PackageRefusal;
    return DatabaseErrorKind::Other;
}

void raiseDatabaseError(const QString& message, const QString& sqlState)
{
    switch (DatabaseError::kindOf(sqlState)) {
    case DatabaseErrorKind::ConnectionLost:
        throw ConnectionLostError(message, sqlState);
    case DatabaseErrorKind::Serialization:
        throw SerializationError(message, sqlState);
    case DatabaseErrorKind::Integrity:
        throw IntegrityError(message, sqlState);
    case DatabaseErrorKind::PackageRefusal:
        throw PackageRefusalError(message, sqlState);
    case DatabaseErrorKind::Other:
        break;
    }
    throw DatabaseError(message, sqlState);
}

} // namespace custos::session
