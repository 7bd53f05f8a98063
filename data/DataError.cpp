#include "DataError.h"

namespace custos::data {

DataError::DataError(const QString& message)
    : std::runtime_error(message.toStdString())
    , m_message(message)
{
}

} // namespace custos::data
