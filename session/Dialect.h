#pragma once
// Oracle statement text in, PostgreSQL text out.
//
// Every statement of the program is written in Oracle's dialect; this is the one place that
// knows the server is PostgreSQL. A tokenizer and a small parser rewrite the text (string
// literals, comments and quoted identifiers are respected); results are cached by text.

#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace custos::sql {

enum class StatementKind
{
    Query,   // returns rows
    Command, // DML, SET ROLE, ...: no rows
    Block    // BEGIN ... END; run as temporary procedures, one per segment
};

// A part of an anonymous block up to (and including) a top-level COMMIT, or its tail.
struct BlockSegment
{
    std::string body;         // PL/pgSQL statements; binds are $1..$n in the order of `binds`
    bool commitAfter = false; // the Oracle block commits after this segment
    std::vector<std::string> records; // FOR loop records the body uses (declared by procedureSource)
};

struct Translation
{
    StatementKind kind = StatementKind::Command;
    std::string text;                   // Query/Command: PostgreSQL text, binds as $1..$n
    std::vector<std::string> binds;     // bind names, upper case, each once; [i] is $(i+1)
    std::vector<BlockSegment> segments; // Block only
    std::vector<std::string> links;     // Block only: foreign servers called through dblink
};

// Raised for text the dialect cannot translate; what() tells why.
class TranslationError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// Translates (or returns the cached translation of) one statement. The reference stays valid
// for the life of the program.
const Translation& translate(std::string_view oracleText);

// Uncached translation (benchmarks, tools).
Translation translateUncached(std::string_view oracleText);

// The CREATE PROCEDURE statement for one segment of a block, with the given PostgreSQL
// parameter types (one per bind, in order) and the procedure's schema-qualified name.
std::string procedureSource(const Translation& block, std::size_t segment, std::string_view name,
                            std::span<const std::string> paramTypes);

} // namespace custos::sql
