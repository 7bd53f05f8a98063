#pragma once
// Writes the PostgreSQL text of a parsed Oracle statement. Structural rewrites (outer joins,
// set operators, DELETE without FROM, database links, blocks) live here; how each Oracle
// function and pseudo-column is rendered is the rule table's business (RenderRules).

#include "Ast.h"
#include "Dialect.h"
#include "Token.h"

#include <string>
#include <string_view>
#include <vector>

namespace custos::sql::dialect {

// What the dialect can tell of an expression's type without the schema.
enum class SqlType { Unknown, Null, Integer, Number, Text, Date };

class Renderer
{
public:
    explicit Renderer(const std::vector<Token>& tokens);

    // The whole translation of a statement.
    Translation translate(const Statement& statement);

    // ---- for the rule table -------------------------------------------------------------
    void write(std::string_view text) { m_out += text; }
    void expr(const Expr& e);
    // CAST(e AS type), or e alone when the dialect already knows it has that type.
    void exprAs(const Expr& e, std::string_view type);
    // e as an operand of an operator of precedence `parent` (adds parentheses when needed).
    void operand(const Expr& e, int parent, bool rightSide);
    // args[from..] separated by ", ".
    void list(const std::vector<ExprPtr>& args, std::size_t from = 0);
    SqlType typeOf(const Expr& e) const;

private:
    std::string take(const Expr& e); // renders into a separate string

    void statement(const Statement& s, bool topLevel);
    void query(const Query& q, bool topLevel);
    void selectCore(const SelectCore& c, bool topLevel);
    void selectList(const SelectCore& c, bool topLevel);
    void fromAndWhere(const SelectCore& c);
    void fromItem(const FromItem& f);
    void tableName(const std::vector<Name>& name, const std::string& link);
    void orderBy(const std::vector<OrderItem>& items, const std::vector<std::string>* outputNames);
    void window(const Window& w);
    void identifier(const Name& n);
    void column(const Expr& e);
    void call(const Expr& e);
    void routineName(const std::vector<Name>& name);
    std::string oracleHeading(const Expr& e) const;

    void blockBody(const std::vector<StatementPtr>& body, int indent, bool topLevel,
                   std::vector<BlockSegment>& segments);
    void blockStatement(const Statement& s, int indent, std::vector<BlockSegment>& segments);
    void callStatement(const Expr& call);
    void newSegment(std::vector<BlockSegment>& segments, bool commitAfter);

    int bindIndex(const std::string& name);

    const std::vector<Token>& m_tokens;
    std::string m_out;
    std::vector<std::string> m_binds;
    std::vector<std::string> m_links;
    std::vector<std::string> m_records; // FOR loop records of the segment being written
    std::vector<std::string> m_outputNames; // the result's column names, of the top-level SELECT
    int m_subqueries = 0; // subqueries in FROM that needed a name
};

} // namespace custos::sql::dialect
