#pragma once
// One lexical unit of an Oracle statement.

#include <cstddef>
#include <string>
#include <string_view>

namespace custos::sql::dialect {

enum class TokenKind
{
    Identifier,       // unquoted name or keyword; `upper` holds its upper-case form
    QuotedIdentifier, // "Name": `text` holds the name without the quotes
    String,           // 'text': `text` holds the value, quotes undone
    Number,           // 12, 1.5, .5, 1e3
    Bind,             // :name; `upper` holds the name in upper case
    Symbol,           // ( ) , . ; + - * / || = <> != ^= < > <= >= := => @ %
    End
};

struct Token
{
    TokenKind kind = TokenKind::End;
    std::string text;      // as written (quotes removed for strings and quoted names)
    std::string upper;     // identifiers and binds: upper case; symbols: the symbol
    std::size_t offset = 0; // byte offset in the statement

    bool isSymbol(std::string_view s) const { return kind == TokenKind::Symbol && upper == s; }
    bool isKeyword(std::string_view k) const { return kind == TokenKind::Identifier && upper == k; }
};

} // namespace custos::sql::dialect
