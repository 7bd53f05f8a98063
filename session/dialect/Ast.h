#pragma once
// The parsed form of an Oracle statement: just what the dialect needs to render PostgreSQL.

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace custos::sql::dialect {

// One part of a dotted name, as written: `quoted` keeps the case of `text`.
struct Name
{
    std::string text;
    bool quoted = false;

    // Oracle's meaning of the name: unquoted names are upper case.
    std::string canonical() const;
};

struct Query;
struct Expr;
using ExprPtr = std::unique_ptr<Expr>;

enum class ExprKind
{
    Number,   // text: the literal
    String,   // text: the value
    DateLiteral, // DATE 'YYYY-MM-DD'; text: the value
    Null,     // NULL, and the empty string literal ''
    Bind,     // text: the upper-case bind name
    Column,   // name: qualifier parts and the column; outerJoin: marked (+)
    Star,     // name: the qualifier (empty for a bare *)
    Call,     // name: the routine; args; distinct (COUNT(DISTINCT x)); star (COUNT(*)); over
    Sequence, // name: the sequence; text: NEXTVAL or CURRVAL
    Sysdate,
    User,
    Unary,    // text: "-" or "+"; args[0]
    Binary,   // text: + - * / || = <> < > <= >=; args[0], args[1]
    And,      // args: the conjuncts
    Or,       // args: the disjuncts
    Not,      // args[0]
    Case,     // hasOperand: args[0] is the operand; then WHEN/THEN pairs; hasElse: last is ELSE
    Subquery, // query: a scalar subquery
    Exists,   // query
    InList,   // args[0] IN (args[1..]); negated
    InQuery,  // args[0] IN (query); negated
    Between,  // args[0] BETWEEN args[1] AND args[2]; negated
    Like,     // args[0] LIKE args[1] [ESCAPE args[2]]; negated
    IsNull,   // args[0] IS [NOT] NULL; negated
    Tuple     // (args...), a parenthesised list on the left of IN
};

struct OrderItem
{
    ExprPtr expr;
    bool descending = false;
    int nulls = 0; // 0 unspecified, 1 NULLS FIRST, 2 NULLS LAST
};

struct Window
{
    std::vector<ExprPtr> partitionBy;
    std::vector<OrderItem> orderBy;
};

struct Expr
{
    ExprKind kind = ExprKind::Null;
    std::string text;
    std::vector<Name> name;
    std::vector<ExprPtr> args;
    std::unique_ptr<Query> query;
    std::unique_ptr<Window> over;
    std::string link; // Call: the database link of name@LINK(...)
    bool negated = false;
    bool distinct = false;
    bool star = false;
    bool outerJoin = false;
    bool hasParens = false; // Call: written with an argument list
    bool hasOperand = false;
    bool hasElse = false;
    std::size_t firstToken = 0, endToken = 0; // the tokens it was read from
};

struct SelectItem
{
    ExprPtr expr;
    std::optional<Name> alias;
};

enum class JoinType { Inner, Left, Right, Full, Cross };

struct FromItem
{
    enum class Kind { Table, Subquery, Function, Join } kind = Kind::Table;
    std::vector<Name> name;         // Table
    std::string link;               // Table: name@LINK
    std::optional<Name> alias;
    std::unique_ptr<Query> query;   // Subquery
    ExprPtr function;               // Function: TABLE(call)
    JoinType joinType = JoinType::Inner; // Join
    std::unique_ptr<FromItem> left, right;
    ExprPtr on;
};
using FromPtr = std::unique_ptr<FromItem>;

struct SelectCore
{
    bool distinct = false;
    std::vector<SelectItem> items;
    std::vector<FromPtr> from;
    ExprPtr where;
    std::vector<ExprPtr> groupBy;
    ExprPtr having;
};

// SELECTs joined by set operators, which Oracle applies left to right, then ORDER BY.
struct Query
{
    struct Term
    {
        std::unique_ptr<SelectCore> core; // or
        std::unique_ptr<Query> nested;    // a parenthesised query
    };
    std::vector<Term> terms;
    std::vector<std::string> operators; // UNION, UNION ALL, INTERSECT, MINUS; one less than terms
    std::vector<OrderItem> orderBy;
};

struct Statement;
using StatementPtr = std::unique_ptr<Statement>;

struct Statement
{
    enum class Kind
    {
        Select, Insert, Update, Delete, SetRole,
        Block,  // BEGIN body END
        Call,   // call: a routine call statement of a block
        ForLoop, // FOR loopVariable IN (query) LOOP body END LOOP
        Commit,
        Null
    } kind = Kind::Null;
    std::unique_ptr<Query> query;       // Select, Insert ... SELECT, ForLoop
    FromPtr target;                     // Insert, Update, Delete
    std::vector<Name> columns;          // Insert
    std::vector<ExprPtr> values;        // Insert ... VALUES
    std::vector<std::pair<Name, ExprPtr>> assignments; // Update
    ExprPtr where;                      // Update, Delete
    Name role;                          // SetRole
    std::vector<StatementPtr> body;     // Block, ForLoop
    Name loopVariable;                  // ForLoop
    ExprPtr call;                       // Call
};

} // namespace custos::sql::dialect
