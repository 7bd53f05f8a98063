#pragma once
// The one place where libpq failures become DatabaseError exceptions.

#include <libpq-fe.h>

namespace custos::session {

// Throws DatabaseError unless res is a successful command or query result. Frees nothing:
// the caller keeps ownership of res.
void checkResult(PGconn* conn, const PGresult* res);

// Throws DatabaseError with the connection's own message (connection failures).
[[noreturn]] void raiseConnectionError(PGconn* conn);

} // namespace custos::session
