#pragma once
// Splits Oracle text into tokens. String literals, quoted identifiers and comments are read as
// units, so nothing inside them is ever taken for syntax; comments are dropped.

#include "Token.h"

#include <string_view>
#include <vector>

namespace custos::sql::dialect {

// The tokens of `text`, ending with one End token. Raises TranslationError on text that is
// not Oracle SQL at the lexical level (an unterminated literal, a stray character).
std::vector<Token> tokenize(std::string_view text);

// "line L, column C" of a byte offset, for error messages.
std::string describePosition(std::string_view text, std::size_t offset);

} // namespace custos::sql::dialect
