#include "Parser.h"

#include "Dialect.h"
#include "Tokenizer.h"

#include <algorithm>
#include <array>

namespace custos::sql::dialect {

std::string Name::canonical() const
{
    if (quoted)
        return text;
    std::string u = text;
    for (char& c : u)
        if (c >= 'a' && c <= 'z')
            c = char(c - 'a' + 'A');
    return u;
}

namespace {

// Words that end an expression or a name and so can never be an alias.
bool isReserved(std::string_view upper)
{
    static constexpr std::array<std::string_view, 52> words = {
        "ALL",      "AND",     "AS",     "ASC",    "BEGIN",  "BETWEEN",  "BY",       "CASE",
        "COMMIT",   "CONNECT", "CROSS",  "DESC",   "DISTINCT", "ELSE",   "END",      "ESCAPE",
        "EXCEPT",   "EXISTS",  "FOR",    "FROM",   "FULL",   "GROUP",    "HAVING",   "IN",
        "INNER",    "INTERSECT", "INTO", "IS",     "JOIN",   "LEFT",     "LIKE",     "LOOP",
        "MINUS",    "NOT",     "NULL",   "NULLS",  "ON",     "OR",       "ORDER",    "OUTER",
        "PRIOR",    "RIGHT",   "SELECT", "SET",    "START",  "THEN",     "UNION",    "UNIQUE",
        "USING",    "VALUES",  "WHEN",   "WHERE"};
    return std::find(words.begin(), words.end(), upper) != words.end();
}

constexpr int kMaxDepth = 200;

class Parser
{
public:
    Parser(const std::vector<Token>& tokens, std::string_view text) : m_t(tokens), m_text(text) {}

    StatementPtr statement()
    {
        StatementPtr s;
        if (peekKeyword("BEGIN")) {
            s = block();
        } else if (peekKeyword("DECLARE")) {
            fail("blocks with a DECLARE section are not supported");
        } else {
            s = sqlStatement(false);
        }
        acceptSymbol(";");
        acceptSymbol("/");
        if (cur().kind != TokenKind::End)
            fail("unexpected text after the end of the statement");
        return s;
    }

private:
    // ---- tokens -------------------------------------------------------------------------

    const Token& cur() const { return m_t[m_pos]; }
    const Token& ahead(std::size_t n) const { return m_t[std::min(m_pos + n, m_t.size() - 1)]; }
    void advance()
    {
        if (m_pos + 1 < m_t.size())
            ++m_pos;
    }

    [[noreturn]] void fail(const std::string& what) const
    {
        const Token& t = cur();
        std::string near = t.kind == TokenKind::End ? std::string("the end of the text")
                                                    : "'" + t.text.substr(0, 40) + "'";
        throw TranslationError(what + " (near " + near + ", " + describePosition(m_text, t.offset) + ")");
    }

    bool peekKeyword(std::string_view k) const { return cur().isKeyword(k); }
    bool peekSymbol(std::string_view s) const { return cur().isSymbol(s); }
    bool acceptKeyword(std::string_view k)
    {
        if (!peekKeyword(k))
            return false;
        advance();
        return true;
    }
    bool acceptSymbol(std::string_view s)
    {
        if (!peekSymbol(s))
            return false;
        advance();
        return true;
    }
    void expectKeyword(std::string_view k)
    {
        if (!acceptKeyword(k))
            fail("expected " + std::string(k));
    }
    void expectSymbol(std::string_view s)
    {
        if (!acceptSymbol(s))
            fail("expected '" + std::string(s) + "'");
    }

    bool peekName() const
    {
        return (cur().kind == TokenKind::Identifier && !isReserved(cur().upper))
            || cur().kind == TokenKind::QuotedIdentifier;
    }
    Name name()
    {
        if (!peekName())
            fail("expected a name");
        Name n{cur().text, cur().kind == TokenKind::QuotedIdentifier};
        advance();
        return n;
    }
    std::vector<Name> dottedName()
    {
        std::vector<Name> parts{name()};
        while (peekSymbol(".") && (ahead(1).kind == TokenKind::Identifier || ahead(1).kind == TokenKind::QuotedIdentifier)) {
            advance();
            parts.push_back(name());
        }
        return parts;
    }
    // "@LINK": a plain identifier.
    std::string linkSuffix()
    {
        if (!acceptSymbol("@"))
            return {};
        if (cur().kind != TokenKind::Identifier || isReserved(cur().upper))
            fail("a database link name must be a plain identifier");
        for (char c : cur().text)
            if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_'))
                fail("a database link name must be a plain identifier");
        std::string link = cur().upper;
        advance();
        if (peekSymbol(".") || peekSymbol("@"))
            fail("a database link name must be a plain identifier");
        return link;
    }

    // Counts the nesting of the tree being built, so hostile text cannot exhaust the stack.
    struct Depth
    {
        Parser& p;
        int taken = 0;
        explicit Depth(Parser& parser) : p(parser) { bump(); }
        ~Depth() { p.m_depth -= taken; }
        void bump()
        {
            ++taken;
            if (++p.m_depth > kMaxDepth)
                p.fail("the statement is nested too deeply");
        }
    };

    // ---- statements ---------------------------------------------------------------------

    StatementPtr sqlStatement(bool inBlock)
    {
        if (peekKeyword("SELECT") || peekSymbol("(")) {
            if (inBlock)
                fail("a query inside a block is not supported");
            auto s = std::make_unique<Statement>();
            s->kind = Statement::Kind::Select;
            s->query = query();
            return s;
        }
        if (peekKeyword("INSERT"))
            return insert();
        if (peekKeyword("UPDATE"))
            return update();
        if (peekKeyword("DELETE"))
            return deleteStatement();
        if (!inBlock && peekKeyword("SET") && ahead(1).isKeyword("ROLE"))
            return setRole();
        if (peekKeyword("WITH"))
            fail("WITH queries are not supported");
        fail("expected SELECT, INSERT, UPDATE, DELETE, SET ROLE or BEGIN");
    }

    FromPtr targetTable(bool allowAlias)
    {
        auto t = std::make_unique<FromItem>();
        t->kind = FromItem::Kind::Table;
        t->name = dottedName();
        t->link = linkSuffix();
        if (allowAlias && peekName())
            t->alias = name();
        return t;
    }

    StatementPtr insert()
    {
        expectKeyword("INSERT");
        expectKeyword("INTO");
        auto s = std::make_unique<Statement>();
        s->kind = Statement::Kind::Insert;
        s->target = targetTable(false);
        if (peekSymbol("(") && !ahead(1).isKeyword("SELECT")) {
            advance();
            do
                s->columns.push_back(name());
            while (acceptSymbol(","));
            expectSymbol(")");
        }
        if (acceptKeyword("VALUES")) {
            expectSymbol("(");
            do
                s->values.push_back(expr());
            while (acceptSymbol(","));
            expectSymbol(")");
        } else if (peekKeyword("SELECT") || peekSymbol("(")) {
            s->query = query();
        } else {
            fail("expected VALUES or SELECT");
        }
        return s;
    }

    StatementPtr update()
    {
        expectKeyword("UPDATE");
        auto s = std::make_unique<Statement>();
        s->kind = Statement::Kind::Update;
        s->target = targetTable(true);
        expectKeyword("SET");
        do {
            if (peekSymbol("("))
                fail("UPDATE ... SET (columns) = (query) is not supported");
            std::vector<Name> column = dottedName();
            if (column.size() > 2)
                fail("expected a column name");
            expectSymbol("=");
            s->assignments.emplace_back(column.back(), expr());
        } while (acceptSymbol(","));
        if (acceptKeyword("WHERE"))
            s->where = expr();
        return s;
    }

    StatementPtr deleteStatement()
    {
        expectKeyword("DELETE");
        acceptKeyword("FROM");
        auto s = std::make_unique<Statement>();
        s->kind = Statement::Kind::Delete;
        s->target = targetTable(true);
        if (acceptKeyword("WHERE"))
            s->where = expr();
        return s;
    }

    StatementPtr setRole()
    {
        expectKeyword("SET");
        expectKeyword("ROLE");
        auto s = std::make_unique<Statement>();
        s->kind = Statement::Kind::SetRole;
        s->role = name();
        if (acceptKeyword("IDENTIFIED")) {
            expectKeyword("BY");
            if (cur().kind != TokenKind::Identifier && cur().kind != TokenKind::QuotedIdentifier
                && cur().kind != TokenKind::Number)
                fail("expected the role's password");
            advance();
        }
        return s;
    }

    // ---- anonymous blocks ---------------------------------------------------------------

    StatementPtr block()
    {
        Depth d(*this);
        expectKeyword("BEGIN");
        auto s = std::make_unique<Statement>();
        s->kind = Statement::Kind::Block;
        s->body = blockBody();
        if (peekKeyword("EXCEPTION"))
            fail("exception handlers are not supported");
        expectKeyword("END");
        return s;
    }

    std::vector<StatementPtr> blockBody()
    {
        std::vector<StatementPtr> body;
        while (!peekKeyword("END") && !peekKeyword("EXCEPTION")) {
            if (cur().kind == TokenKind::End)
                fail("expected END");
            body.push_back(blockStatement());
        }
        return body;
    }

    StatementPtr blockStatement()
    {
        StatementPtr s;
        if (peekKeyword("BEGIN")) {
            s = block();
        } else if (acceptKeyword("NULL")) {
            s = std::make_unique<Statement>();
            s->kind = Statement::Kind::Null;
        } else if (acceptKeyword("COMMIT")) {
            acceptKeyword("WORK");
            s = std::make_unique<Statement>();
            s->kind = Statement::Kind::Commit;
        } else if (peekKeyword("ROLLBACK") || peekKeyword("SAVEPOINT")) {
            fail("transaction control other than COMMIT is not supported in a block");
        } else if (peekKeyword("FOR")) {
            s = forLoop();
        } else if (peekKeyword("INSERT") || peekKeyword("UPDATE") || peekKeyword("DELETE")
                   || peekKeyword("SELECT")) {
            s = sqlStatement(true);
        } else if (peekName()) {
            s = callStatement();
        } else {
            fail("expected a statement");
        }
        expectSymbol(";");
        return s;
    }

    StatementPtr forLoop()
    {
        Depth d(*this);
        expectKeyword("FOR");
        auto s = std::make_unique<Statement>();
        s->kind = Statement::Kind::ForLoop;
        s->loopVariable = name();
        expectKeyword("IN");
        if (!peekSymbol("("))
            fail("only FOR loops over a parenthesised query are supported");
        advance();
        s->query = query();
        expectSymbol(")");
        expectKeyword("LOOP");
        s->body = blockBody();
        expectKeyword("END");
        expectKeyword("LOOP");
        return s;
    }

    StatementPtr callStatement()
    {
        auto s = std::make_unique<Statement>();
        s->kind = Statement::Kind::Call;
        auto call = std::make_unique<Expr>();
        call->kind = ExprKind::Call;
        call->firstToken = m_pos;
        call->name = dottedName();
        call->link = linkSuffix();
        if (peekSymbol(":="))
            fail("assignments are not supported in a block");
        if (acceptSymbol("(")) {
            call->hasParens = true;
            if (!peekSymbol(")")) {
                do
                    call->args.push_back(expr());
                while (acceptSymbol(","));
            }
            expectSymbol(")");
        }
        call->endToken = m_pos;
        s->call = std::move(call);
        return s;
    }

    // ---- queries ------------------------------------------------------------------------

    std::unique_ptr<Query> query()
    {
        Depth d(*this);
        auto q = std::make_unique<Query>();
        q->terms.push_back(queryTerm());
        for (;;) {
            std::string op;
            if (acceptKeyword("UNION"))
                op = acceptKeyword("ALL") ? "UNION ALL" : "UNION";
            else if (acceptKeyword("INTERSECT"))
                op = "INTERSECT";
            else if (acceptKeyword("MINUS") || acceptKeyword("EXCEPT"))
                op = "MINUS";
            else
                break;
            q->operators.push_back(op);
            q->terms.push_back(queryTerm());
        }
        if (acceptKeyword("ORDER")) {
            expectKeyword("BY");
            q->orderBy = orderList();
        }
        if (peekKeyword("FOR") && ahead(1).isKeyword("UPDATE"))
            fail("SELECT ... FOR UPDATE is not supported");
        return q;
    }

    Query::Term queryTerm()
    {
        Query::Term term;
        if (acceptSymbol("(")) {
            term.nested = query();
            expectSymbol(")");
        } else {
            term.core = selectCore();
        }
        return term;
    }

    std::unique_ptr<SelectCore> selectCore()
    {
        expectKeyword("SELECT");
        auto c = std::make_unique<SelectCore>();
        if (acceptKeyword("DISTINCT") || acceptKeyword("UNIQUE"))
            c->distinct = true;
        else
            acceptKeyword("ALL");
        do
            c->items.push_back(selectItem());
        while (acceptSymbol(","));
        if (peekKeyword("INTO"))
            fail("SELECT ... INTO is not supported");
        if (acceptKeyword("FROM")) {
            do
                c->from.push_back(fromItem());
            while (acceptSymbol(","));
        }
        if (acceptKeyword("WHERE"))
            c->where = expr();
        if (peekKeyword("CONNECT") || peekKeyword("START"))
            fail("hierarchical queries are not supported");
        for (;;) {
            if (acceptKeyword("GROUP")) {
                expectKeyword("BY");
                do
                    c->groupBy.push_back(expr());
                while (acceptSymbol(","));
            } else if (!c->having && acceptKeyword("HAVING")) {
                c->having = expr();
            } else {
                break;
            }
        }
        return c;
    }

    SelectItem selectItem()
    {
        SelectItem item;
        const std::size_t first = m_pos;
        if (peekSymbol("*")) {
            advance();
            item.expr = std::make_unique<Expr>();
            item.expr->kind = ExprKind::Star;
        } else {
            // qualifier.*: a dotted name followed by .*
            std::size_t look = m_pos;
            bool qualifiedStar = false;
            while ((m_t[look].kind == TokenKind::Identifier || m_t[look].kind == TokenKind::QuotedIdentifier)
                   && m_t[look + 1].isSymbol(".")) {
                if (m_t[look + 2].isSymbol("*")) {
                    qualifiedStar = true;
                    break;
                }
                look += 2;
            }
            if (qualifiedStar) {
                item.expr = std::make_unique<Expr>();
                item.expr->kind = ExprKind::Star;
                for (;;) {
                    item.expr->name.push_back(name());
                    expectSymbol(".");
                    if (acceptSymbol("*"))
                        break;
                }
            } else {
                item.expr = expr();
                if (acceptKeyword("AS"))
                    item.alias = name();
                else if (peekName())
                    item.alias = name();
            }
        }
        item.expr->firstToken = first;
        item.expr->endToken = m_pos;
        return item;
    }

    std::vector<OrderItem> orderList()
    {
        std::vector<OrderItem> items;
        do {
            OrderItem o;
            o.expr = expr();
            if (acceptKeyword("DESC"))
                o.descending = true;
            else
                acceptKeyword("ASC");
            if (acceptKeyword("NULLS")) {
                if (acceptKeyword("FIRST"))
                    o.nulls = 1;
                else if (acceptKeyword("LAST"))
                    o.nulls = 2;
                else
                    fail("expected FIRST or LAST");
            }
            items.push_back(std::move(o));
        } while (acceptSymbol(","));
        return items;
    }

    FromPtr fromItem()
    {
        Depth d(*this);
        FromPtr left = fromPrimary();
        for (;;) {
            JoinType type;
            if (acceptKeyword("JOIN")) {
                type = JoinType::Inner;
            } else if (peekKeyword("INNER") && ahead(1).isKeyword("JOIN")) {
                advance(), advance();
                type = JoinType::Inner;
            } else if (peekKeyword("LEFT") || peekKeyword("RIGHT") || peekKeyword("FULL")) {
                type = peekKeyword("LEFT") ? JoinType::Left : peekKeyword("RIGHT") ? JoinType::Right : JoinType::Full;
                advance();
                acceptKeyword("OUTER");
                expectKeyword("JOIN");
            } else if (peekKeyword("CROSS")) {
                advance();
                expectKeyword("JOIN");
                type = JoinType::Cross;
            } else {
                break;
            }
            d.bump();
            auto join = std::make_unique<FromItem>();
            join->kind = FromItem::Kind::Join;
            join->joinType = type;
            join->left = std::move(left);
            join->right = fromPrimary();
            if (type != JoinType::Cross) {
                expectKeyword("ON");
                join->on = expr();
            }
            left = std::move(join);
        }
        return left;
    }

    FromPtr fromPrimary()
    {
        auto f = std::make_unique<FromItem>();
        if (peekKeyword("TABLE") && ahead(1).isSymbol("(")) {
            advance(), advance();
            f->kind = FromItem::Kind::Function;
            f->function = expr();
            if (f->function->kind != ExprKind::Call && f->function->kind != ExprKind::Column)
                fail("TABLE(...) needs a function call");
            expectSymbol(")");
        } else if (acceptSymbol("(")) {
            f->kind = FromItem::Kind::Subquery;
            f->query = query();
            expectSymbol(")");
        } else {
            f->kind = FromItem::Kind::Table;
            f->name = dottedName();
            f->link = linkSuffix();
        }
        if (acceptKeyword("AS"))
            f->alias = name();
        else if (peekName())
            f->alias = name();
        return f;
    }

    // ---- expressions --------------------------------------------------------------------

    ExprPtr make(ExprKind kind, std::size_t first)
    {
        auto e = std::make_unique<Expr>();
        e->kind = kind;
        e->firstToken = first;
        return e;
    }
    ExprPtr finish(ExprPtr e)
    {
        e->endToken = m_pos;
        return e;
    }

public:
    ExprPtr expr()
    {
        Depth d(*this);
        const std::size_t first = m_pos;
        ExprPtr left = andExpr();
        if (!peekKeyword("OR"))
            return left;
        ExprPtr e = make(ExprKind::Or, first);
        e->args.push_back(std::move(left));
        while (acceptKeyword("OR"))
            e->args.push_back(andExpr());
        return finish(std::move(e));
    }

private:
    ExprPtr andExpr()
    {
        const std::size_t first = m_pos;
        ExprPtr left = notExpr();
        if (!peekKeyword("AND"))
            return left;
        ExprPtr e = make(ExprKind::And, first);
        e->args.push_back(std::move(left));
        while (acceptKeyword("AND"))
            e->args.push_back(notExpr());
        return finish(std::move(e));
    }

    ExprPtr notExpr()
    {
        const std::size_t first = m_pos;
        if (acceptKeyword("NOT")) {
            Depth d(*this);
            ExprPtr e = make(ExprKind::Not, first);
            e->args.push_back(notExpr());
            return finish(std::move(e));
        }
        return predicate();
    }

    ExprPtr predicate()
    {
        const std::size_t first = m_pos;
        ExprPtr left = additive();
        static constexpr std::array<std::string_view, 9> comparisons = {"=", "<>", "!=", "^=", "<", ">", "<=", ">=", "=>"};
        if (cur().kind == TokenKind::Symbol
            && std::find(comparisons.begin(), comparisons.end(), cur().upper) != comparisons.end()) {
            std::string op = cur().upper;
            if (op == "=>")
                fail("named arguments are not supported");
            if (op == "!=" || op == "^=")
                op = "<>";
            advance();
            if (peekKeyword("ANY") || peekKeyword("ALL") || peekKeyword("SOME"))
                fail("comparisons with ANY, SOME or ALL are not supported");
            ExprPtr e = make(ExprKind::Binary, first);
            e->text = op;
            e->args.push_back(std::move(left));
            e->args.push_back(additive());
            return finish(std::move(e));
        }
        bool negated = false;
        if (peekKeyword("NOT") && (ahead(1).isKeyword("IN") || ahead(1).isKeyword("BETWEEN") || ahead(1).isKeyword("LIKE"))) {
            advance();
            negated = true;
        }
        if (acceptKeyword("IN")) {
            expectSymbol("(");
            ExprPtr e;
            if (peekKeyword("SELECT") || (peekSymbol("(") && ahead(1).isKeyword("SELECT"))) {
                e = make(ExprKind::InQuery, first);
                e->args.push_back(std::move(left));
                e->query = query();
            } else {
                e = make(ExprKind::InList, first);
                e->args.push_back(std::move(left));
                do
                    e->args.push_back(expr());
                while (acceptSymbol(","));
            }
            expectSymbol(")");
            e->negated = negated;
            return finish(std::move(e));
        }
        if (acceptKeyword("BETWEEN")) {
            ExprPtr e = make(ExprKind::Between, first);
            e->negated = negated;
            e->args.push_back(std::move(left));
            e->args.push_back(additive());
            expectKeyword("AND");
            e->args.push_back(additive());
            return finish(std::move(e));
        }
        if (acceptKeyword("LIKE")) {
            ExprPtr e = make(ExprKind::Like, first);
            e->negated = negated;
            e->args.push_back(std::move(left));
            e->args.push_back(additive());
            if (acceptKeyword("ESCAPE"))
                e->args.push_back(additive());
            return finish(std::move(e));
        }
        if (acceptKeyword("IS")) {
            ExprPtr e = make(ExprKind::IsNull, first);
            e->negated = acceptKeyword("NOT");
            expectKeyword("NULL");
            e->args.push_back(std::move(left));
            return finish(std::move(e));
        }
        return left;
    }

    ExprPtr additive()
    {
        Depth d(*this);
        const std::size_t first = m_pos;
        ExprPtr left = multiplicative();
        while (peekSymbol("+") || peekSymbol("-") || peekSymbol("||")) {
            d.bump();
            ExprPtr e = make(ExprKind::Binary, first);
            e->text = cur().upper;
            advance();
            e->args.push_back(std::move(left));
            e->args.push_back(multiplicative());
            left = finish(std::move(e));
        }
        return left;
    }

    ExprPtr multiplicative()
    {
        Depth d(*this);
        const std::size_t first = m_pos;
        ExprPtr left = unary();
        while (peekSymbol("*") || peekSymbol("/")) {
            d.bump();
            ExprPtr e = make(ExprKind::Binary, first);
            e->text = cur().upper;
            advance();
            e->args.push_back(std::move(left));
            e->args.push_back(unary());
            left = finish(std::move(e));
        }
        return left;
    }

    ExprPtr unary()
    {
        const std::size_t first = m_pos;
        if (peekSymbol("-") || peekSymbol("+")) {
            Depth d(*this);
            ExprPtr e = make(ExprKind::Unary, first);
            e->text = cur().upper;
            advance();
            e->args.push_back(unary());
            return finish(std::move(e));
        }
        return primary();
    }

    ExprPtr primary()
    {
        const std::size_t first = m_pos;
        const Token& t = cur();
        switch (t.kind) {
        case TokenKind::Number: {
            ExprPtr e = make(ExprKind::Number, first);
            e->text = t.text;
            advance();
            return finish(std::move(e));
        }
        case TokenKind::String: {
            ExprPtr e = make(t.text.empty() ? ExprKind::Null : ExprKind::String, first);
            e->text = t.text;
            advance();
            return finish(std::move(e));
        }
        case TokenKind::Bind: {
            ExprPtr e = make(ExprKind::Bind, first);
            e->text = t.upper;
            advance();
            return finish(std::move(e));
        }
        case TokenKind::Symbol:
            if (t.isSymbol("("))
                return parenthesised();
            fail("expected an expression");
        case TokenKind::End:
            fail("expected an expression");
        case TokenKind::Identifier:
            if (acceptKeyword("NULL"))
                return finish(make(ExprKind::Null, first));
            if (peekKeyword("CASE"))
                return caseExpr();
            if (t.upper == "DATE" && ahead(1).kind == TokenKind::String)
                return dateLiteral();
            if (acceptKeyword("EXISTS")) {
                expectSymbol("(");
                ExprPtr e = make(ExprKind::Exists, first);
                e->query = query();
                expectSymbol(")");
                return finish(std::move(e));
            }
            if (peekKeyword("ROWNUM") || peekKeyword("LEVEL") || peekKeyword("ROWID"))
                fail(t.upper + " is not supported");
            if (isReserved(t.upper))
                fail("unexpected keyword " + t.upper);
            return nameExpr();
        case TokenKind::QuotedIdentifier:
            return nameExpr();
        }
        fail("expected an expression");
    }

    ExprPtr parenthesised()
    {
        const std::size_t first = m_pos;
        expectSymbol("(");
        if (peekKeyword("SELECT") || (peekSymbol("(") && ahead(1).isKeyword("SELECT"))) {
            ExprPtr e = make(ExprKind::Subquery, first);
            e->query = query();
            expectSymbol(")");
            return finish(std::move(e));
        }
        ExprPtr inner = expr();
        if (peekSymbol(",")) {
            ExprPtr e = make(ExprKind::Tuple, first);
            e->args.push_back(std::move(inner));
            while (acceptSymbol(","))
                e->args.push_back(expr());
            expectSymbol(")");
            return finish(std::move(e));
        }
        expectSymbol(")");
        return inner;
    }

    // DATE 'YYYY-MM-DD', a day at midnight; Oracle admits no other form.
    ExprPtr dateLiteral()
    {
        const std::size_t first = m_pos;
        advance();
        const std::string& value = cur().text;
        const bool wellFormed = value.size() == 10 && value[4] == '-' && value[7] == '-'
            && std::all_of(value.begin(), value.end(), [](char c) { return c == '-' || (c >= '0' && c <= '9'); });
        if (!wellFormed)
            fail("a DATE literal is written DATE 'YYYY-MM-DD'");
        ExprPtr e = make(ExprKind::DateLiteral, first);
        e->text = value;
        advance();
        return finish(std::move(e));
    }

    ExprPtr caseExpr()
    {
        const std::size_t first = m_pos;
        expectKeyword("CASE");
        ExprPtr e = make(ExprKind::Case, first);
        if (!peekKeyword("WHEN")) {
            e->hasOperand = true;
            e->args.push_back(expr());
        }
        if (!peekKeyword("WHEN"))
            fail("expected WHEN");
        while (acceptKeyword("WHEN")) {
            e->args.push_back(expr());
            expectKeyword("THEN");
            e->args.push_back(expr());
        }
        if (acceptKeyword("ELSE")) {
            e->hasElse = true;
            e->args.push_back(expr());
        }
        expectKeyword("END");
        return finish(std::move(e));
    }

    // A column, a routine call (with or without arguments), a sequence value, SYSDATE, USER.
    ExprPtr nameExpr()
    {
        const std::size_t first = m_pos;
        std::vector<Name> parts = dottedName();
        const Name& last = parts.back();
        if (parts.size() == 1 && !last.quoted && !peekSymbol("(")) {
            const std::string u = last.canonical();
            if (u == "SYSDATE")
                return finish(make(ExprKind::Sysdate, first));
            if (u == "USER")
                return finish(make(ExprKind::User, first));
            if (u == "SYSTIMESTAMP")
                fail("SYSTIMESTAMP is not supported");
        }
        if (parts.size() >= 2 && !last.quoted && (last.canonical() == "NEXTVAL" || last.canonical() == "CURRVAL")) {
            ExprPtr e = make(ExprKind::Sequence, first);
            e->text = last.canonical();
            parts.pop_back();
            e->name = std::move(parts);
            return finish(std::move(e));
        }
        std::string link = linkSuffix();
        if (peekSymbol("(") && !(ahead(1).isSymbol("+") && ahead(2).isSymbol(")"))) {
            advance();
            ExprPtr e = make(ExprKind::Call, first);
            e->name = std::move(parts);
            e->link = std::move(link);
            e->hasParens = true;
            if (acceptSymbol("*")) {
                e->star = true;
            } else if (!peekSymbol(")")) {
                if (acceptKeyword("DISTINCT"))
                    e->distinct = true;
                else
                    acceptKeyword("ALL");
                do
                    e->args.push_back(expr());
                while (acceptSymbol(","));
            }
            expectSymbol(")");
            if (acceptKeyword("OVER"))
                e->over = window();
            return finish(std::move(e));
        }
        if (!link.empty()) {
            ExprPtr e = make(ExprKind::Call, first);
            e->name = std::move(parts);
            e->link = std::move(link);
            return finish(std::move(e));
        }
        ExprPtr e = make(ExprKind::Column, first);
        e->name = std::move(parts);
        if (peekSymbol("(") && ahead(1).isSymbol("+") && ahead(2).isSymbol(")")) {
            advance(), advance(), advance();
            e->outerJoin = true;
        }
        return finish(std::move(e));
    }

    std::unique_ptr<Window> window()
    {
        expectSymbol("(");
        auto w = std::make_unique<Window>();
        if (acceptKeyword("PARTITION")) {
            expectKeyword("BY");
            do
                w->partitionBy.push_back(expr());
            while (acceptSymbol(","));
        }
        if (acceptKeyword("ORDER")) {
            expectKeyword("BY");
            w->orderBy = orderList();
        }
        if (peekKeyword("ROWS") || peekKeyword("RANGE"))
            fail("window frames are not supported");
        expectSymbol(")");
        return w;
    }

    const std::vector<Token>& m_t;
    std::string_view m_text;
    std::size_t m_pos = 0;
    int m_depth = 0;
};

} // namespace

StatementPtr parseStatement(const std::vector<Token>& tokens, std::string_view text)
{
    Parser p(tokens, text);
    return p.statement();
}

} // namespace custos::sql::dialect
