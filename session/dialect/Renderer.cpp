#include "Renderer.h"

#include "OuterJoins.h"
#include "RenderRules.h"
#include "RoutineCatalogue.h"

#include <algorithm>
#include <array>

namespace custos::sql::dialect {

namespace {

std::string lowerAscii(std::string_view s)
{
    std::string l(s);
    for (char& c : l)
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    return l;
}

// Words PostgreSQL does not take as a column or table name unquoted.
bool isPostgresReserved(std::string_view lower)
{
    static constexpr std::array<std::string_view, 96> words = {
        "all", "analyse", "analyze", "and", "any", "array", "as", "asc", "asymmetric",
        "authorization", "binary", "both", "case", "cast", "check", "collate", "collation",
        "column", "concurrently", "constraint", "create", "cross", "current_catalog",
        "current_date", "current_role", "current_schema", "current_time", "current_timestamp",
        "current_user", "default", "deferrable", "desc", "distinct", "do", "else", "end",
        "except", "false", "fetch", "for", "foreign", "freeze", "from", "full", "grant", "group",
        "having", "ilike", "in", "initially", "inner", "intersect", "into", "is", "isnull",
        "join", "lateral", "leading", "left", "like", "limit", "localtime", "localtimestamp",
        "natural", "not", "notnull", "null", "offset", "on", "only", "or", "order", "outer",
        "overlaps", "placing", "primary", "references", "returning", "right", "select",
        "session_user", "similar", "some", "symmetric", "table", "tablesample", "then", "to",
        "trailing", "true", "union", "unique", "user", "using", "variadic", "verbose"};
    return std::find(words.begin(), words.end(), lower) != words.end();
}

bool isPlainIdentifier(std::string_view s)
{
    if (s.empty() || (s[0] >= '0' && s[0] <= '9') || s[0] == '$')
        return false;
    return std::all_of(s.begin(), s.end(), [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' || c == '$';
    });
}

std::string quoted(std::string_view s)
{
    std::string q = "\"";
    for (char c : s)
        q += c == '"' ? std::string("\"\"") : std::string(1, c);
    return q + "\"";
}

std::string stringLiteral(std::string_view s)
{
    std::string q = "'";
    for (char c : s)
        q += c == '\'' ? std::string("''") : std::string(1, c);
    return q + "'";
}

bool isComparison(const std::string& op)
{
    return op == "=" || op == "<>" || op == "<" || op == ">" || op == "<=" || op == ">=";
}

int precedenceOf(const Expr& e)
{
    switch (e.kind) {
    case ExprKind::Or: return 1;
    case ExprKind::And: return 2;
    case ExprKind::Not: return 3;
    case ExprKind::InList:
    case ExprKind::InQuery:
    case ExprKind::Between:
    case ExprKind::Like:
    case ExprKind::IsNull: return 4;
    case ExprKind::Binary:
        if (isComparison(e.text))
            return 4;
        if (e.text == "+" || e.text == "-")
            return 5;
        if (e.text == "*" || e.text == "/")
            return 6;
        return 9; // || is written as a function call
    case ExprKind::Unary: return 7;
    default: return 9;
    }
}

} // namespace

Renderer::Renderer(const std::vector<Token>& tokens) : m_tokens(tokens)
{
    m_out.reserve(1024);
}

Translation Renderer::translate(const Statement& s)
{
    Translation t;
    if (s.kind == Statement::Kind::Block) {
        t.kind = StatementKind::Block;
        blockBody(s.body, 1, true, t.segments);
        if (!m_out.empty() || t.segments.empty())
            newSegment(t.segments, false);
        t.links = m_links;
    } else {
        t.kind = s.kind == Statement::Kind::Select ? StatementKind::Query : StatementKind::Command;
        statement(s, true);
        t.text = std::move(m_out);
    }
    t.binds = m_binds;
    return t;
}

int Renderer::bindIndex(const std::string& name)
{
    const auto it = std::find(m_binds.begin(), m_binds.end(), name);
    if (it != m_binds.end())
        return int(it - m_binds.begin()) + 1;
    m_binds.push_back(name);
    return int(m_binds.size());
}

std::string Renderer::take(const Expr& e)
{
    std::string saved = std::move(m_out);
    m_out.clear();
    expr(e);
    std::string result = std::move(m_out);
    m_out = std::move(saved);
    return result;
}

// ---- statements ----------------------------------------------------------------------------

void Renderer::statement(const Statement& s, bool topLevel)
{
    using K = Statement::Kind;
    switch (s.kind) {
    case K::Select:
        query(*s.query, topLevel);
        return;
    case K::Insert:
        write("INSERT INTO ");
        tableName(s.target->name, s.target->link);
        if (!s.columns.empty()) {
            write(" (");
            for (std::size_t i = 0; i < s.columns.size(); ++i) {
                if (i)
                    write(", ");
                identifier(s.columns[i]);
            }
            write(")");
        }
        if (s.query) {
            write(" ");
            query(*s.query, false);
        } else {
            write(" VALUES (");
            list(s.values);
            write(")");
        }
        return;
    case K::Update:
        write("UPDATE ");
        fromItem(*s.target);
        write(" SET ");
        for (std::size_t i = 0; i < s.assignments.size(); ++i) {
            if (i)
                write(", ");
            identifier(s.assignments[i].first);
            write(" = ");
            expr(*s.assignments[i].second);
        }
        if (s.where) {
            write(" WHERE ");
            expr(*s.where);
        }
        return;
    case K::Delete:
        write("DELETE FROM ");
        fromItem(*s.target);
        if (s.where) {
            write(" WHERE ");
            expr(*s.where);
        }
        return;
    case K::SetRole:
        write("SET ROLE ");
        identifier(s.role);
        return;
    default:
        throw TranslationError("this statement is only allowed inside a block");
    }
}

void Renderer::query(const Query& q, bool topLevel)
{
    const std::size_t start = m_out.size();
    std::vector<std::string> outputNames;
    bool unionOrExcept = false;
    for (std::size_t i = 0; i < q.terms.size(); ++i) {
        if (i > 0) {
            const std::string& op = q.operators[i - 1];
            // Oracle applies set operators left to right; PostgreSQL's INTERSECT binds tighter.
            if (op == "INTERSECT" && unionOrExcept) {
                m_out.insert(start, "(");
                write(")");
            }
            if (op != "INTERSECT")
                unionOrExcept = true;
            write(" ");
            write(rules::setOperator(op));
            write(" ");
        }
        const Query::Term& term = q.terms[i];
        const bool names = topLevel && i == 0;
        if (term.core) {
            selectCore(*term.core, names);
        } else {
            write("(");
            query(*term.nested, names);
            write(")");
        }
        if (names)
            outputNames = m_outputNames;
    }
    if (!q.orderBy.empty()) {
        write(" ORDER BY ");
        orderBy(q.orderBy, topLevel ? &outputNames : nullptr);
    }
}

void Renderer::selectCore(const SelectCore& c, bool topLevel)
{
    write(c.distinct ? "SELECT DISTINCT " : "SELECT ");
    selectList(c, topLevel);
    fromAndWhere(c);
    if (!c.groupBy.empty()) {
        write(" GROUP BY ");
        list(c.groupBy);
    }
    if (c.having) {
        write(" HAVING ");
        expr(*c.having);
    }
}

// At the top level every column gets the name Oracle gives it (upper case unless quoted),
// so the client sees Oracle's names.
void Renderer::selectList(const SelectCore& c, bool topLevel)
{
    if (topLevel)
        m_outputNames.clear();
    for (std::size_t i = 0; i < c.items.size(); ++i) {
        if (i)
            write(", ");
        const SelectItem& item = c.items[i];
        const Expr& e = *item.expr;
        if (e.kind == ExprKind::Star) {
            for (const Name& n : e.name) {
                identifier(n);
                write(".");
            }
            write("*");
            continue;
        }
        expr(e);
        if (topLevel) {
            std::string name = item.alias ? item.alias->canonical()
                             : e.kind == ExprKind::Column ? e.name.back().canonical()
                                                          : oracleHeading(e);
            write(" AS ");
            write(quoted(name));
            m_outputNames.push_back(std::move(name));
        } else if (item.alias) {
            write(" AS ");
            identifier(*item.alias);
        }
    }
}

void Renderer::fromAndWhere(const SelectCore& c)
{
    const JoinPlan plan = planJoins(c);
    const bool onlyDual = c.from.size() == 1 && rules::isDual(*c.from[0]);
    if (!c.from.empty() && !onlyDual) {
        write(" FROM ");
        for (std::size_t k = 0; k < plan.order.size(); ++k) {
            const std::size_t i = plan.order[k];
            if (k > 0) {
                if (!plan.outerJoins)
                    write(", ");
                else if (plan.on[i].empty())
                    write(" CROSS JOIN ");
                else
                    write(" LEFT JOIN ");
            }
            fromItem(*c.from[i]);
            if (!plan.on[i].empty()) {
                write(" ON ");
                for (std::size_t j = 0; j < plan.on[i].size(); ++j) {
                    if (j)
                        write(" AND ");
                    operand(*plan.on[i][j], 2, false);
                }
            }
        }
    }
    if (!plan.where.empty()) {
        write(" WHERE ");
        for (std::size_t j = 0; j < plan.where.size(); ++j) {
            if (j)
                write(" AND ");
            operand(*plan.where[j], 2, false);
        }
    }
}

void Renderer::fromItem(const FromItem& f)
{
    switch (f.kind) {
    case FromItem::Kind::Table:
        if (rules::isDual(f))
            write("(SELECT 'X' AS dummy) AS dual");
        else
            tableName(f.name, f.link);
        break;
    case FromItem::Kind::Subquery:
        write("(");
        query(*f.query, false);
        write(")");
        if (!f.alias) // PostgreSQL wants a name for every subquery in FROM
            write(" AS subquery_" + std::to_string(++m_subqueries));
        break;
    case FromItem::Kind::Function:
        if (f.function->kind == ExprKind::Column) {
            routineName(f.function->name);
            write("()");
        } else {
            expr(*f.function);
        }
        break;
    case FromItem::Kind::Join:
        fromItem(*f.left);
        write(f.joinType == JoinType::Inner ? " JOIN "
              : f.joinType == JoinType::Left ? " LEFT JOIN "
              : f.joinType == JoinType::Right ? " RIGHT JOIN "
              : f.joinType == JoinType::Full ? " FULL JOIN " : " CROSS JOIN ");
        fromItem(*f.right);
        if (f.on) {
            write(" ON ");
            expr(*f.on);
        }
        break;
    }
    if (f.alias && f.kind != FromItem::Kind::Join) {
        write(" ");
        identifier(*f.alias);
    }
}

// A table; over a database link, the schema of that link's foreign tables.
void Renderer::tableName(const std::vector<Name>& name, const std::string& link)
{
    if (!link.empty()) {
        if (name.size() != 2)
            throw TranslationError("a table over a database link needs its schema: " + name.back().text + "@" + link);
        write(lowerAscii(link) + "_" + lowerAscii(name[0].canonical()));
        write(".");
        identifier(name[1]);
        return;
    }
    for (std::size_t i = 0; i < name.size(); ++i) {
        if (i)
            write(".");
        identifier(name[i]);
    }
}

void Renderer::orderBy(const std::vector<OrderItem>& items, const std::vector<std::string>* outputNames)
{
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i)
            write(", ");
        const Expr& e = *items[i].expr;
        bool named = false;
        if (outputNames && e.kind == ExprKind::Column && e.name.size() == 1) {
            const std::string n = e.name[0].canonical();
            if (std::find(outputNames->begin(), outputNames->end(), n) != outputNames->end()) {
                write(quoted(n)); // the output column, as PostgreSQL now names it
                named = true;
            }
        }
        if (!named)
            expr(e);
        if (items[i].descending)
            write(" DESC");
        if (items[i].nulls)
            write(items[i].nulls == 1 ? " NULLS FIRST" : " NULLS LAST");
    }
}

void Renderer::window(const Window& w)
{
    write(" OVER (");
    if (!w.partitionBy.empty()) {
        write("PARTITION BY ");
        list(w.partitionBy);
    }
    if (!w.orderBy.empty()) {
        write(w.partitionBy.empty() ? "ORDER BY " : " ORDER BY ");
        orderBy(w.orderBy, nullptr);
    }
    write(")");
}

// Unquoted Oracle names are case-insensitive and stand for their upper-case form; PostgreSQL
// folds unquoted names to lower case. So an Oracle name in upper case is written in lower case,
// and any other quoted name keeps its case.
void Renderer::identifier(const Name& n)
{
    const std::string canonical = n.canonical();
    const bool upperName = std::none_of(canonical.begin(), canonical.end(), [](char c) { return c >= 'a' && c <= 'z'; });
    if (!n.quoted || upperName) {
        const std::string lower = lowerAscii(canonical);
        write(isPlainIdentifier(lower) && !isPostgresReserved(lower) ? lower : quoted(lower));
        return;
    }
    write(quoted(n.text));
}

std::string Renderer::oracleHeading(const Expr& e) const
{
    std::string h;
    for (std::size_t i = e.firstToken; i < e.endToken && i < m_tokens.size(); ++i) {
        const Token& t = m_tokens[i];
        switch (t.kind) {
        case TokenKind::String: h += stringLiteral(t.text); break;
        case TokenKind::QuotedIdentifier: h += t.text; break;
        case TokenKind::Bind: h += ":" + t.upper; break;
        default: h += t.upper; break;
        }
    }
    return h;
}

// ---- expressions ---------------------------------------------------------------------------

void Renderer::list(const std::vector<ExprPtr>& args, std::size_t from)
{
    for (std::size_t i = from; i < args.size(); ++i) {
        if (i > from)
            write(", ");
        expr(*args[i]);
    }
}

void Renderer::operand(const Expr& e, int parent, bool rightSide)
{
    const int p = precedenceOf(e);
    if (p < parent || (p == parent && rightSide && p >= 4)) {
        write("(");
        expr(e);
        write(")");
    } else {
        expr(e);
    }
}

void Renderer::exprAs(const Expr& e, std::string_view type)
{
    write("CAST(");
    expr(e);
    write(" AS ");
    write(type);
    write(")");
}

void Renderer::expr(const Expr& e)
{
    switch (e.kind) {
    case ExprKind::Number:
        write(e.text);
        return;
    case ExprKind::String:
        write(stringLiteral(e.text));
        return;
    case ExprKind::Null:
        write("NULL");
        return;
    case ExprKind::Bind:
        write("$" + std::to_string(bindIndex(e.text)));
        return;
    case ExprKind::Column:
        column(e);
        return;
    case ExprKind::Star:
        throw TranslationError("* is only allowed in a select list");
    case ExprKind::Call:
        call(e);
        return;
    case ExprKind::Sequence:
        rules::sequence(*this, e);
        return;
    case ExprKind::Sysdate:
        rules::sysdate(*this);
        return;
    case ExprKind::DateLiteral:
        rules::dateLiteral(*this, e);
        return;
    case ExprKind::User:
        rules::user(*this);
        return;
    case ExprKind::Unary:
        write(e.text);
        operand(*e.args[0], 7, true);
        return;
    case ExprKind::Binary:
        if (e.text == "||")
            rules::concatenation(*this, e);
        else if (e.text == "/")
            rules::division(*this, e);
        else if (e.text == "+" || e.text == "-")
            rules::dateArithmetic(*this, e);
        else {
            const int p = precedenceOf(e);
            operand(*e.args[0], p, false);
            write(" " + e.text + " ");
            operand(*e.args[1], p, true);
        }
        return;
    case ExprKind::And:
    case ExprKind::Or:
        for (std::size_t i = 0; i < e.args.size(); ++i) {
            if (i)
                write(e.kind == ExprKind::And ? " AND " : " OR ");
            operand(*e.args[i], precedenceOf(e), false);
        }
        return;
    case ExprKind::Not:
        write("NOT (");
        expr(*e.args[0]);
        write(")");
        return;
    case ExprKind::Case: {
        write("CASE");
        std::size_t i = 0;
        if (e.hasOperand) {
            write(" ");
            expr(*e.args[0]);
            i = 1;
        }
        const std::size_t pairsEnd = e.args.size() - (e.hasElse ? 1 : 0);
        for (; i + 1 < pairsEnd; i += 2) {
            write(" WHEN ");
            expr(*e.args[i]);
            write(" THEN ");
            expr(*e.args[i + 1]);
        }
        if (e.hasElse) {
            write(" ELSE ");
            expr(*e.args.back());
        }
        write(" END");
        return;
    }
    case ExprKind::Subquery:
        write("(");
        query(*e.query, false);
        write(")");
        return;
    case ExprKind::Exists:
        write("EXISTS (");
        query(*e.query, false);
        write(")");
        return;
    case ExprKind::InList:
    case ExprKind::InQuery:
        operand(*e.args[0], 4, false);
        write(e.negated ? " NOT IN (" : " IN (");
        if (e.kind == ExprKind::InQuery)
            query(*e.query, false);
        else
            list(e.args, 1);
        write(")");
        return;
    case ExprKind::Between:
        operand(*e.args[0], 5, false);
        write(e.negated ? " NOT BETWEEN " : " BETWEEN ");
        operand(*e.args[1], 5, false);
        write(" AND ");
        operand(*e.args[2], 5, false);
        return;
    case ExprKind::Like:
        operand(*e.args[0], 5, false);
        write(e.negated ? " NOT LIKE " : " LIKE ");
        operand(*e.args[1], 5, false);
        if (e.args.size() > 2) {
            write(" ESCAPE ");
            operand(*e.args[2], 5, false);
        }
        return;
    case ExprKind::IsNull:
        operand(*e.args[0], 5, false);
        write(e.negated ? " IS NOT NULL" : " IS NULL");
        return;
    case ExprKind::Tuple:
        write("(");
        list(e.args);
        write(")");
        return;
    }
}

void Renderer::column(const Expr& e)
{
    if (const Routine* r = findRoutine(e.name); r && r->kind != RoutineKind::Procedure) {
        write(r->postgresName); // a function called without parentheses
        write("()");
        return;
    }
    for (std::size_t i = 0; i < e.name.size(); ++i) {
        if (i)
            write(".");
        identifier(e.name[i]);
    }
}

void Renderer::routineName(const std::vector<Name>& name)
{
    if (const Routine* r = findRoutine(name)) {
        write(r->postgresName);
        return;
    }
    // OWNER.PACKAGE.MEMBER: the package is a schema of its own.
    const std::size_t first = name.size() == 3 ? 1 : 0;
    if (name.size() > 3)
        throw TranslationError("a routine name has at most three parts");
    for (std::size_t i = first; i < name.size(); ++i) {
        if (i > first)
            write(".");
        identifier(name[i]);
    }
}

void Renderer::call(const Expr& e)
{
    if (!e.link.empty())
        throw TranslationError("a routine over a database link can only be called as a statement of a block");
    const FunctionRule* rule = e.name.size() == 1 && !e.name[0].quoted ? functionRule(e.name[0].canonical()) : nullptr;
    if (rule && rule->render && (e.star || e.distinct))
        throw TranslationError(rule->oracleName.data() + std::string(" does not take * or DISTINCT"));
    if (rule) {
        const int n = int(e.args.size());
        if (n < rule->minArgs || n > rule->maxArgs)
            throw TranslationError(std::string(rule->oracleName) + " takes " + std::to_string(rule->minArgs)
                                   + (rule->maxArgs == rule->minArgs ? "" : " to " + std::to_string(rule->maxArgs))
                                   + " arguments, not " + std::to_string(n));
    }
    if (rule && rule->render) {
        rule->render(*this, e);
    } else {
        routineName(e.name);
        write("(");
        if (e.star)
            write("*");
        if (e.distinct)
            write("DISTINCT ");
        list(e.args);
        write(")");
    }
    if (e.over)
        window(*e.over);
}

SqlType Renderer::typeOf(const Expr& e) const
{
    auto numeric = [](SqlType t) { return t == SqlType::Integer || t == SqlType::Number; };
    switch (e.kind) {
    case ExprKind::Number:
        return e.text.find_first_of(".eE") == std::string::npos ? SqlType::Integer : SqlType::Number;
    case ExprKind::String: return SqlType::Text;
    case ExprKind::Null: return SqlType::Null;
    case ExprKind::Sequence: return SqlType::Integer;
    case ExprKind::Sysdate: return SqlType::Date;
    case ExprKind::DateLiteral: return SqlType::Date;
    case ExprKind::User: return SqlType::Text;
    case ExprKind::Unary: return typeOf(*e.args[0]);
    case ExprKind::Call: {
        if (e.name.size() != 1 || e.name[0].quoted)
            return SqlType::Unknown;
        const FunctionRule* rule = functionRule(e.name[0].canonical());
        const int n = int(e.args.size());
        if (!rule || n < rule->minArgs || n > rule->maxArgs)
            return SqlType::Unknown;
        return rule->type(*this, e);
    }
    case ExprKind::Binary: {
        if (e.text == "||")
            return SqlType::Text;
        if (isComparison(e.text))
            return SqlType::Unknown;
        const SqlType l = typeOf(*e.args[0]);
        const SqlType r = typeOf(*e.args[1]);
        if (e.text == "/")
            return SqlType::Number;
        if (e.text == "+" || e.text == "-") {
            if (l == SqlType::Date && r == SqlType::Date)
                return e.text == "-" ? SqlType::Number : SqlType::Unknown;
            if ((l == SqlType::Date && numeric(r)) || (e.text == "+" && numeric(l) && r == SqlType::Date))
                return SqlType::Date;
        }
        if (l == SqlType::Integer && r == SqlType::Integer)
            return SqlType::Integer;
        if (numeric(l) && numeric(r))
            return SqlType::Number;
        return SqlType::Unknown;
    }
    case ExprKind::Case:
        return e.args.size() > (e.hasOperand ? 2u : 1u) ? typeOf(*e.args[e.hasOperand ? 2 : 1]) : SqlType::Unknown;
    default:
        return SqlType::Unknown;
    }
}

// ---- anonymous blocks ----------------------------------------------------------------------

void Renderer::newSegment(std::vector<BlockSegment>& segments, bool commitAfter)
{
    BlockSegment s;
    s.body = m_out.empty() ? std::string("  NULL;\n") : std::move(m_out);
    s.commitAfter = commitAfter;
    s.records = std::move(m_records);
    segments.push_back(std::move(s));
    m_out.clear();
    m_records.clear();
}

void Renderer::blockBody(const std::vector<StatementPtr>& body, int indent, bool topLevel,
                         std::vector<BlockSegment>& segments)
{
    for (const StatementPtr& s : body) {
        if (s->kind == Statement::Kind::Commit) {
            if (!topLevel)
                throw TranslationError("COMMIT is only supported in the outermost BEGIN ... END of a block");
            newSegment(segments, true);
        } else {
            blockStatement(*s, indent, segments);
        }
    }
}

void Renderer::blockStatement(const Statement& s, int indent, std::vector<BlockSegment>& segments)
{
    const std::string pad(std::size_t(indent) * 2, ' ');
    using K = Statement::Kind;
    switch (s.kind) {
    case K::Null:
        write(pad + "NULL;\n");
        return;
    case K::Block:
        write(pad + "BEGIN\n");
        blockBody(s.body, indent + 1, false, segments);
        write(pad + "END;\n");
        return;
    case K::ForLoop: {
        const std::string record = lowerAscii(s.loopVariable.canonical());
        if (!isPlainIdentifier(record))
            throw TranslationError("a loop record needs a plain name");
        if (std::find(m_records.begin(), m_records.end(), record) == m_records.end())
            m_records.push_back(record);
        write(pad + "FOR " + record + " IN ");
        query(*s.query, false);
        write(" LOOP\n");
        blockBody(s.body, indent + 1, false, segments);
        write(pad + "END LOOP;\n");
        return;
    }
    case K::Call:
        write(pad);
        callStatement(*s.call);
        write(";\n");
        return;
    default:
        write(pad);
        statement(s, false);
        write(";\n");
        return;
    }
}

// A procedure call becomes CALL, a function call PERFORM; over a database link the call is
// sent through the link's remote transaction.
void Renderer::callStatement(const Expr& c)
{
    const Routine* routine = findRoutine(c.name);
    const bool function = routine && routine->kind != RoutineKind::Procedure;
    if (c.link.empty()) {
        write(function ? "PERFORM " : "CALL ");
        routineName(c.name);
        write("(");
        list(c.args);
        write(")");
        return;
    }
    const std::string link = lowerAscii(c.link);
    if (std::find(m_links.begin(), m_links.end(), link) == m_links.end())
        m_links.push_back(link);
    std::string remote = function ? "SELECT " : "CALL ";
    {
        std::string saved = std::move(m_out);
        m_out.clear();
        routineName(c.name);
        for (char ch : m_out) // the name is part of a format() pattern
            remote += ch == '%' ? std::string("%%") : std::string(1, ch);
        m_out = std::move(saved);
    }
    remote += "(";
    for (std::size_t i = 0; i < c.args.size(); ++i)
        remote += i ? ", %L" : "%L";
    remote += ")";
    write("PERFORM oracompat.link_call(" + stringLiteral(link) + ", format(" + stringLiteral(remote));
    for (const ExprPtr& a : c.args) {
        write(", ");
        expr(*a);
    }
    write("))");
}

} // namespace custos::sql::dialect
