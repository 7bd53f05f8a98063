#include "DatabaseError.h"

namespace custos::session {

DatabaseError::DatabaseError(const QString& message, const QString& sqlState)
    : std::runtime_error(message.toStdString()), m_message(message), m_sqlState(sqlState)
{
}

} // namespace custos::session
