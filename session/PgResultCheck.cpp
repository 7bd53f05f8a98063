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

// libpq reports a connection that could not be made without a SQLSTATE: the reason's wording
// tells the case. Each gets the code the server uses for it, or 08001.
struct ConnectionFailure
{
    QLatin1String wording;
    const char* sqlState;
    const char* summary; // null: the code's own
};

const ConnectionFailure kConnectionFailures[] = {
    {QLatin1String("password authentication failed"), "28P01", nullptr},
    {QLatin1String("no password supplied"), "28P01", nullptr},
    {QLatin1String("role \""), "28000", nullptr},
    {QLatin1String("database \""), "3D000", nullptr},
    {QLatin1String("definition of service"), "08001",
     "O serviço de banco de dados informado não está configurado neste computador."},
    {QLatin1String("service file"), "08001",
     "O serviço de banco de dados informado não está configurado neste computador."},
    {QLatin1String("too many clients"), "53300", nullptr},
};

} // namespace

void checkResult(PGconn* conn, const PGresult* res)
{
    if (res != nullptr) {
        switch (PQresultStatus(res)) {
        case PGRES_COMMAND_OK:
        case PGRES_TUPLES_OK:
        case PGRES_EMPTY_QUERY:
            return;
        default:
            break;
        }
    }
    const char* primary = res ? PQresultErrorField(res, PG_DIAG_MESSAGE_PRIMARY) : nullptr;
    const char* state = res ? PQresultErrorField(res, PG_DIAG_SQLSTATE) : nullptr;
    QString message = primary ? QString::fromUtf8(primary)
                              : serverReason(res ? PQresultErrorMessage(res) : "");
    if (message.isEmpty())
        message = serverReason(PQerrorMessage(conn));
    QString sqlState = state ? QString::fromLatin1(state) : QString();
    // A statement that broke the connection ("server closed the connection unexpectedly")
    // carries no code of its own, or one of another class.
    if (PQstatus(conn) == CONNECTION_BAD && DatabaseError::kindOf(sqlState) != DatabaseErrorKind::ConnectionLost)
        sqlState = QStringLiteral("08006");
    if (res == nullptr && sqlState.isEmpty())
        raiseDatabaseError(QStringLiteral("Memória insuficiente para o resultado da consulta."), QStringLiteral("53200"));
    raiseDatabaseError(message, sqlState);
}

void raiseConnectionError(PGconn* conn)
{
    const QString reason = conn ? serverReason(PQerrorMessage(conn)) : QString();
    for (const ConnectionFailure& failure : kConnectionFailures) {
        if (reason.contains(failure.wording, Qt::CaseInsensitive))
            raiseDatabaseError(reason, QLatin1String(failure.sqlState),
                               failure.summary ? QString::fromUtf8(failure.summary) : QString());
    }
    raiseDatabaseError(reason, QStringLiteral("08001"));
}

} // namespace custos::session
