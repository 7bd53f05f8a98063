#include "PgResultCheck.h"

#include "DatabaseError.h"

#include <QString>

namespace custos::session {

namespace {

// libpq prefixes connection failures with where it tried to connect; the user wants the server's
// reason ("password authentication failed for user ...").
QString serverReason(const char* text)
{
    QString message = QString::fromUtf8(text).trimmed();
    static const QLatin1String fatal("FATAL:  ");
    const auto at = message.indexOf(fatal);
    if (at >= 0)
        message = message.mid(at + fatal.size());
    return message.trimmed();
}

} // namespace

void checkResult(PGconn* conn, const PGresult* res)
{
    if (res == nullptr)
        raiseConnectionError(conn);
    switch (PQresultStatus(res)) {
    case PGRES_COMMAND_OK:
    case PGRES_TUPLES_OK:
    case PGRES_EMPTY_QUERY:
        return;
    default:
        break;
    }
    const char* primary = PQresultErrorField(res, PG_DIAG_MESSAGE_PRIMARY);
    const char* state = PQresultErrorField(res, PG_DIAG_SQLSTATE);
    QString message = primary ? QString::fromUtf8(primary) : serverReason(PQresultErrorMessage(res));
    if (message.isEmpty())
        message = serverReason(PQerrorMessage(conn));
    raiseDatabaseError(message, state ? QString::fromLatin1(state) : QString());
}

void raiseConnectionError(PGconn* conn)
{
    const QString message = conn ? serverReason(PQerrorMessage(conn)) : QStringLiteral("out of memory");
    // Connection failures carry no SQLSTATE; 08001 is what a client reports when it cannot
    // establish a connection.
    throw DatabaseError(message.isEmpty() ? QStringLiteral("connection failed") : message,
                        QStringLiteral("08001"));
}

} // namespace custos::session
