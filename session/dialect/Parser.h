#pragma once
// Reads the tokens of one Oracle statement (a query, DML, SET ROLE, or an anonymous block)
// into its syntax tree. Raises TranslationError, with the position, on anything else.

#include "Ast.h"
#include "Token.h"

#include <string_view>
#include <vector>

namespace custos::sql::dialect {

StatementPtr parseStatement(const std::vector<Token>& tokens, std::string_view text);

} // namespace custos::sql::dialect
