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
// reaching a server); kind() follows from the code. summary() is the Portuguese sentence the
// user reads above the server's text for the errors a user commonly meets (empty otherwise).
class DatabaseError : public std::runtime_error
{
public:
    DatabaseError(const QString& message, const QString& sqlState, const QString& summary = QString());

    QString message() const { return m_message; }
    QString sqlState() const { return m_sqlState; }
    DatabaseErrorKind kind() const { return m_kind; }
    QString summary() const { return m_summary; }
    // What the error display shows: the summary with the server's text below it.
    QString userText() const;

    // The kind of a SQLSTATE: the one place that maps codes to kinds.
    static DatabaseErrorKind kindOf(const QString& sqlState);
    // The sentence for a SQLSTATE the user commonly meets, empty for the rest.
    static QString summaryOf(const QString& sqlState);

private:
    QString m_message;
    QString m_sqlState;
    DatabaseErrorKind m_kind;
    QString m_summary;
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

// Throws the error type of the code's kind, with the code's summary unless one is given.
[[noreturn]] void raiseDatabaseError(const QString& message, const QString& sqlState,
                                     const QString& summary = QString());

} // namespace custos::session
