#pragma once
// The stored routines the program calls, by their Oracle names. It tells a call written without
// parentheses from a column, a procedure (CALL) from a function (PERFORM), and gives the
// PostgreSQL name: a package S.PKG is the schema PKG, a schema-level routine keeps its schema.

#include "Ast.h"

#include <string>
#include <vector>

namespace custos::sql::dialect {

enum class RoutineKind { Procedure, Function, SetReturning };

struct Routine
{
    RoutineKind kind;
    std::string postgresName; // schema.routine, lower case
};

// The routine a dotted name designates (OWNER.PKG.MEMBER, PKG.MEMBER or OWNER.ROUTINE), or
// nullptr when the name is not a known routine.
const Routine* findRoutine(const std::vector<Name>& name);

} // namespace custos::sql::dialect
