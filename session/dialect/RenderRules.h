#pragma once
// The rule table: how each Oracle function and pseudo-column is written for PostgreSQL, in one
// place. Functions not listed keep their name and arguments.

#include "Ast.h"
#include "Renderer.h"

#include <string_view>

namespace custos::sql::dialect {

struct FunctionRule
{
    std::string_view oracleName; // upper case
    int minArgs;
    int maxArgs;
    void (*render)(Renderer&, const Expr&);
    SqlType (*type)(const Renderer&, const Expr&); // the result's type
};

// The rule for a function name (upper case, unqualified), or nullptr.
const FunctionRule* functionRule(std::string_view upperName);

namespace rules {
void sysdate(Renderer& r);
void dateLiteral(Renderer& r, const Expr& e);    // DATE 'YYYY-MM-DD'
void user(Renderer& r);
void sequence(Renderer& r, const Expr& e);       // seq.NEXTVAL, seq.CURRVAL
void concatenation(Renderer& r, const Expr& e);  // a || b
void division(Renderer& r, const Expr& e);       // a / b
void dateArithmetic(Renderer& r, const Expr& e); // a + b, a - b
std::string_view setOperator(std::string_view oracleOperator); // MINUS -> EXCEPT
bool isDual(const FromItem& f);
} // namespace rules

} // namespace custos::sql::dialect
