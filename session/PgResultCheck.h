#pragma once
// The one place where libpq failures become DatabaseError exceptions.

#include <libpq-fe.h>

namespace custos::session {

// Throws DatabaseError unless res is a successful command or query result. A failure that left
// the connection broken is a ConnectionLostError. Frees nothing: the caller keeps ownership.
void checkResult(PGconn* conn, const PGresult* res);

// Throws the error of a connection that could not be established, typed by libpq's reason
// (wrong password, unknown service, server not reachable...).
[[noreturn]] void raiseConnectionError(PGconn* conn);

} // namespace custos::session
