#pragma once

#include <QString>
#include <stdexcept>

namespace custos::session {

// An error reported by the database server (or by libpq on its behalf). message() is the
// server's own text, which is what the user sees; sqlState() its five-character code
// (empty when libpq failed before reaching a server).
class DatabaseError : public std::runtime_error
{
public:
    DatabaseError(const QString& message, const QString& sqlState);

    QString message() const { return m_message; }
    QString sqlState() const { return m_sqlState; }

private:
    QString m_message;
    QString m_sqlState;
};

} // namespace custos::session
