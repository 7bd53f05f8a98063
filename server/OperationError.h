#pragma once

#include <QString>
#include <stdexcept>

namespace custos::server {

// A day operation refused before anything was sent to the database. message() is the text the
// user sees.
class OperationError : public std::runtime_error
{
public:
    explicit OperationError(const QString& message);

    QString message() const { return m_message; }

private:
    QString m_message;
};

} // namespace custos::server
