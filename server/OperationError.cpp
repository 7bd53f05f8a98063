#include "OperationError.h"

namespace custos::server {

OperationError::OperationError(const QString& message) : std::runtime_error(message.toStdString()), m_message(message)
{
}

} // namespace custos::server
