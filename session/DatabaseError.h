#pragma once

#include <QString>
#include <stdexcept>

namespace custos::session {

// What the code that meets a database error may have to do about it.
enum class DatabaseErrorKind
{
    ConnectionLost, // the connection is gone: the next action reconnects
    Serialization,  // serialization failure or deadlock: the work may be tried again
    Integrity,      // a constraint refused the change
    PackageRefusal, // a cost package refused the operation on its own rules
    Other
};

// The SQLSTATE every refusal of the cost packages is raised with.
inline constexpr char kPackageRefusalState[] = "VC001";

// An error reported by the database server (or by libpq on its behalf). message() is the
// server's own text; sqlState() its five-character code (empty when libpq failed before
// reaching a server); kind() follows from the code.
class DatabaseError : public std::runtime_error
{
public:
    DatabaseError(const QString& message, const QString& sqlState);

    QString message() const { return m_message; }
    QString sqlState() const { return m_sqlState; }
    DatabaseErrorKind kind() const { return m_kind; }

    // The kind of a SQLSTATE: the one place that maps codes to kinds.
    static DatabaseErrorKind kindOf(const QString& sqlState);

private:
    QString m_message;
    QString m_sqlState;
    DatabaseErrorKind m_kind;
};

// One type per kind, for the code that catches only what it can act on.
class ConnectionLostError : public DatabaseError
{
    using DatabaseError::DatabaseError;
};
class SerializationError : public DatabaseError
{
    using DatabaseError::DatabaseError;
};
class IntegrityError : public DatabaseError
{
    using DatabaseError::DatabaseError;
};
class PackageRefusalError : public DatabaseError
{
    using DatabaseError::DatabaseError;
};

// Throws the error type of the code's kind.
[[noreturn]] void raiseDatabaseError(const QString& message, const QString& sqlState);

} // namespace custos::session
