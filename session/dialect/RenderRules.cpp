#include "RenderRules.h"

#include <algorithm>
#include <array>

namespace custos::sql::dialect {

namespace {

bool isNumeric(SqlType t) { return t == SqlType::Integer || t == SqlType::Number; }

bool isIntegerLiteral(const Expr& e)
{
    return e.kind == ExprKind::Number
        && e.text.find_first_of(".eE") == std::string::npos;
}

// An integer argument (a position, a count of months, decimal places).
void integerArg(Renderer& r, const Expr& e)
{
    if (isIntegerLiteral(e))
        r.expr(e);
    else
        r.exprAs(e, "integer");
}

void textArg(Renderer& r, const Expr& e)
{
    if (r.typeOf(e) == SqlType::Text)
        r.expr(e);
    else
        r.exprAs(e, "text");
}

// A value converted to the type Oracle gives the whole expression, when the dialect can tell
// that the types differ.
void convertedTo(Renderer& r, const Expr& e, SqlType target)
{
    const SqlType t = r.typeOf(e);
    if (target == SqlType::Text && isNumeric(t))
        r.exprAs(e, "text");
    else if (isNumeric(target) && t == SqlType::Text && e.kind != ExprKind::String)
        r.exprAs(e, "numeric");
    else if (target == SqlType::Date && t == SqlType::Text && e.kind != ExprKind::String)
        r.exprAs(e, "oracle.date");
    else
        r.expr(e);
}

void plainCall(Renderer& r, std::string_view name, const Expr& e)
{
    r.write(name);
    r.write("(");
    r.list(e.args);
    r.write(")");
}

// Oracle returns NULL where PostgreSQL returns an empty text.
void emptyAsNull(Renderer& r, std::string_view name, const Expr& e)
{
    r.write("NULLIF(");
    plainCall(r, name, e);
    r.write(", '')");
}

// ---- the rules ---------------------------------------------------------------------------

// DECODE(x, s1, r1, ..., d): a CASE that short-circuits and treats two NULLs as equal.
void decode(Renderer& r, const Expr& e)
{
    const Expr& x = *e.args[0];
    const std::size_t pairsEnd = e.args.size() - (e.args.size() % 2 == 0 ? 1 : 0);
    bool literalSearches = true;
    for (std::size_t i = 1; i < pairsEnd; i += 2)
        literalSearches = literalSearches && (e.args[i]->kind == ExprKind::Number || e.args[i]->kind == ExprKind::String);
    const SqlType resultType = r.typeOf(*e.args[2]);
    // Oracle compares in the type of the first search.
    const bool textAgainstNumber = r.typeOf(x) == SqlType::Text && isNumeric(r.typeOf(*e.args[1]));
    r.write("CASE");
    if (literalSearches) {
        r.write(" ");
        if (textAgainstNumber)
            r.exprAs(x, "numeric");
        else
            r.expr(x);
    }
    for (std::size_t i = 1; i < pairsEnd; i += 2) {
        r.write(" WHEN ");
        if (!literalSearches) {
            if (textAgainstNumber)
                r.exprAs(x, "numeric");
            else
                r.operand(x, 4, false);
            if (e.args[i]->kind == ExprKind::Null) {
                r.write(" IS NULL");
            } else {
                r.write(" IS NOT DISTINCT FROM ");
                r.operand(*e.args[i], 4, true);
            }
        } else {
            r.expr(*e.args[i]);
        }
        r.write(" THEN ");
        convertedTo(r, *e.args[i + 1], resultType);
    }
    if (pairsEnd < e.args.size()) {
        r.write(" ELSE ");
        convertedTo(r, *e.args.back(), resultType);
    }
    r.write(" END");
}

SqlType decodeType(const Renderer& r, const Expr& e) { return r.typeOf(*e.args[2]); }

// NVL(a, b): b takes a's type. When a is a column or a function result of a type the dialect
// cannot tell, a whole-number literal b is written as an untyped literal, which the server reads in
// a's type (NVL(text_column, 0) gives '0', NVL(number_column, 0) gives 0).
void nvl(Renderer& r, const Expr& e)
{
    const Expr& a = *e.args[0];
    const Expr& b = *e.args[1];
    const bool negative = b.kind == ExprKind::Unary && b.text == "-" && isIntegerLiteral(*b.args[0]);
    const bool untypedLiteral = (isIntegerLiteral(b) || negative) && r.typeOf(a) == SqlType::Unknown
        && (a.kind == ExprKind::Column || a.kind == ExprKind::Call);
    r.write("COALESCE(");
    r.expr(a);
    r.write(", ");
    if (untypedLiteral)
        r.write(negative ? "'-" + b.args[0]->text + "'" : "'" + b.text + "'");
    else
        convertedTo(r, b, r.typeOf(a));
    r.write(")");
}

SqlType firstArgType(const Renderer& r, const Expr& e)
{
    const SqlType t = r.typeOf(*e.args[0]);
    return t == SqlType::Null || t == SqlType::Unknown ? r.typeOf(*e.args[1]) : t;
}

void nvl2(Renderer& r, const Expr& e)
{
    r.write("CASE WHEN ");
    r.operand(*e.args[0], 4, false);
    r.write(" IS NOT NULL THEN ");
    r.expr(*e.args[1]);
    r.write(" ELSE ");
    convertedTo(r, *e.args[2], r.typeOf(*e.args[1]));
    r.write(" END");
}

SqlType secondArgType(const Renderer& r, const Expr& e) { return r.typeOf(*e.args[1]); }

// LEAST / GREATEST: NULL as soon as one argument is NULL (orafce's versions).
void least(Renderer& r, const Expr& e)
{
    if (e.args.size() == 1)
        return r.expr(*e.args[0]);
    plainCall(r, "oracle.least", e);
}

void greatest(Renderer& r, const Expr& e)
{
    if (e.args.size() == 1)
        return r.expr(*e.args[0]);
    plainCall(r, "oracle.greatest", e);
}

// ROUND: half away from zero, which PostgreSQL does for numeric (not for float).
void round(Renderer& r, const Expr& e)
{
    if (r.typeOf(*e.args[0]) == SqlType::Date) {
        r.write("CAST(oracle.round(");
        r.list(e.args);
        r.write(") AS oracle.date)");
        return;
    }
    r.write("round(");
    r.exprAs(*e.args[0], "numeric");
    if (e.args.size() > 1) {
        r.write(", ");
        integerArg(r, *e.args[1]);
    }
    r.write(")");
}

SqlType roundType(const Renderer& r, const Expr& e)
{
    return r.typeOf(*e.args[0]) == SqlType::Date ? SqlType::Date : SqlType::Number;
}

// TRUNC of a date (optionally to 'MM', 'YYYY', ...) or of a number.
bool truncatesDate(const Renderer& r, const Expr& e)
{
    return r.typeOf(*e.args[0]) == SqlType::Date
        || (e.args.size() == 2 && r.typeOf(*e.args[1]) == SqlType::Text);
}

void trunc(Renderer& r, const Expr& e)
{
    if (truncatesDate(r, e)) {
        r.write("CAST(oracle.trunc(");
        r.list(e.args);
        r.write(") AS oracle.date)");
        return;
    }
    const SqlType t = r.typeOf(*e.args[0]);
    r.write("trunc(");
    if (isNumeric(t) || e.args.size() == 2)
        r.exprAs(*e.args[0], "numeric");
    else
        r.expr(*e.args[0]); // a date or a number: the server's overloads decide
    if (e.args.size() == 2) {
        r.write(", ");
        integerArg(r, *e.args[1]);
    }
    r.write(")");
}

SqlType truncType(const Renderer& r, const Expr& e)
{
    if (truncatesDate(r, e))
        return SqlType::Date;
    return isNumeric(r.typeOf(*e.args[0])) ? SqlType::Number : SqlType::Unknown;
}

void lastDay(Renderer& r, const Expr& e)
{
    r.write("CAST(oracle.last_day(");
    r.expr(*e.args[0]);
    r.write(") AS oracle.date)");
}

void nextDay(Renderer& r, const Expr& e)
{
    r.write("CAST(oracle.next_day(");
    r.expr(*e.args[0]);
    r.write(", ");
    textArg(r, *e.args[1]);
    r.write(") AS oracle.date)");
}

void addMonths(Renderer& r, const Expr& e)
{
    r.write("CAST(oracle.add_months(");
    r.expr(*e.args[0]);
    r.write(", ");
    integerArg(r, *e.args[1]);
    r.write(") AS oracle.date)");
}

void instr(Renderer& r, const Expr& e)
{
    r.write("oracle.instr(");
    textArg(r, *e.args[0]);
    r.write(", ");
    textArg(r, *e.args[1]);
    for (std::size_t i = 2; i < e.args.size(); ++i) {
        r.write(", ");
        integerArg(r, *e.args[i]);
    }
    r.write(")");
}

void substr(Renderer& r, const Expr& e)
{
    r.write("NULLIF(oracle.substr(");
    textArg(r, *e.args[0]);
    for (std::size_t i = 1; i < e.args.size(); ++i) {
        r.write(", ");
        integerArg(r, *e.args[i]);
    }
    r.write("), '')");
}

// TO_CHAR(x): orafce's for numbers and dates the dialect can tell; a column may as well be text
// (codes are kept as text or as whole numbers), which a cast renders as Oracle does.
void toChar(Renderer& r, const Expr& e)
{
    if (e.args.size() == 1) {
        const SqlType t = r.typeOf(*e.args[0]);
        if (t == SqlType::Text)
            return r.expr(*e.args[0]);
        if (t == SqlType::Unknown)
            return r.exprAs(*e.args[0], "text");
        plainCall(r, "oracle.to_char", e);
        return;
    }
    plainCall(r, "to_char", e);
}

void toNumber(Renderer& r, const Expr& e)
{
    plainCall(r, e.args.size() == 1 ? "oracle.to_number" : "to_number", e);
}

void toDate(Renderer& r, const Expr& e)
{
    r.write("oracle.to_date(");
    textArg(r, *e.args[0]);
    if (e.args.size() == 2) {
        r.write(", ");
        textArg(r, *e.args[1]);
    }
    r.write(")");
}

void trim(Renderer& r, const Expr& e) { emptyAsNull(r, "trim", e); }
void ltrim(Renderer& r, const Expr& e) { emptyAsNull(r, "ltrim", e); }
void rtrim(Renderer& r, const Expr& e) { emptyAsNull(r, "rtrim", e); }
void replace(Renderer& r, const Expr& e)
{
    if (e.args.size() == 2) { // Oracle's REPLACE(s, x) removes x
        r.write("NULLIF(replace(");
        r.list(e.args);
        r.write(", ''), '')");
        return;
    }
    emptyAsNull(r, "replace", e);
}

SqlType number(const Renderer&, const Expr&) { return SqlType::Number; }
SqlType integer(const Renderer&, const Expr&) { return SqlType::Integer; }
SqlType text(const Renderer&, const Expr&) { return SqlType::Text; }
SqlType date(const Renderer&, const Expr&) { return SqlType::Date; }

const std::array<FunctionRule, 23> kFunctionRules = {{
    {"ADD_MONTHS", 2, 2, addMonths, date},
    {"COUNT", 0, 1, nullptr, integer},
    {"DECODE", 3, 255, decode, decodeType},
    {"GREATEST", 1, 255, greatest, firstArgType},
    {"INITCAP", 1, 1, nullptr, text},
    {"INSTR", 2, 4, instr, integer},
    {"LOWER", 1, 1, nullptr, text},
    {"LAST_DAY", 1, 1, lastDay, date},
    {"LEAST", 1, 255, least, firstArgType},
    {"LTRIM", 1, 2, ltrim, text},
    {"NEXT_DAY", 2, 2, nextDay, date},
    {"NVL", 2, 2, nvl, firstArgType},
    {"NVL2", 3, 3, nvl2, secondArgType},
    {"REPLACE", 2, 3, replace, text},
    {"ROUND", 1, 2, round, roundType},
    {"RTRIM", 1, 2, rtrim, text},
    {"SUBSTR", 2, 3, substr, text},
    {"TO_CHAR", 1, 3, toChar, text},
    {"TO_DATE", 1, 2, toDate, date},
    {"TO_NUMBER", 1, 2, toNumber, number},
    {"TRIM", 1, 1, trim, text},
    {"TRUNC", 1, 2, trunc, truncType},
    {"UPPER", 1, 1, nullptr, text},
}};

} // namespace

const FunctionRule* functionRule(std::string_view upperName)
{
    const auto it = std::find_if(kFunctionRules.begin(), kFunctionRules.end(),
                                 [&](const FunctionRule& f) { return f.oracleName == upperName; });
    return it == kFunctionRules.end() ? nullptr : &*it;
}

namespace rules {

// Oracle's SYSDATE: the statement's local date and time, whole seconds.
void sysdate(Renderer& r)
{
    r.write("CAST(date_trunc('second', CAST(statement_timestamp() AS timestamp)) AS oracle.date)");
}

// The parser admits only digits and dashes in the text; the server checks the day exists.
void dateLiteral(Renderer& r, const Expr& e)
{
    r.write("oracle.to_date('");
    r.write(e.text);
    r.write("', 'YYYY-MM-DD')");
}

// Oracle's USER: the login name (SET ROLE changes current_user, not session_user).
void user(Renderer& r) { r.write("CAST(session_user AS text)"); }

void sequence(Renderer& r, const Expr& e)
{
    std::string regclass;
    for (const Name& part : e.name) {
        if (!regclass.empty())
            regclass += '.';
        if (part.quoted && part.text != part.canonical()) {
            regclass += '"' + part.text + '"';
        } else {
            for (char c : part.text)
                regclass += (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
        }
    }
    std::string quotedLiteral;
    for (char c : regclass)
        quotedLiteral += c == '\'' ? std::string("''") : std::string(1, c);
    r.write(e.text == "NEXTVAL" ? "nextval('" : "currval('");
    r.write(quotedLiteral);
    r.write("')");
}

// a || b || ...: NULL operands count as empty text, and an empty result is NULL.
void concatenation(Renderer& r, const Expr& e)
{
    std::vector<const Expr*> parts;
    std::vector<const Expr*> pending{&e};
    while (!pending.empty()) { // flattens the left-deep chain, keeping the order
        const Expr* x = pending.back();
        pending.pop_back();
        if (x->kind == ExprKind::Binary && x->text == "||") {
            pending.push_back(x->args[1].get());
            pending.push_back(x->args[0].get());
        } else {
            parts.push_back(x);
        }
    }
    const bool neverEmpty = std::any_of(parts.begin(), parts.end(), [](const Expr* p) {
        return p->kind == ExprKind::String && !p->text.empty();
    });
    r.write(neverEmpty ? "concat(" : "NULLIF(concat(");
    bool first = true;
    for (const Expr* p : parts) {
        if (!first)
            r.write(", ");
        first = false;
        if (p->kind == ExprKind::Bind || p->kind == ExprKind::Null)
            r.exprAs(*p, "text");
        else
            r.expr(*p);
    }
    r.write(neverEmpty ? ")" : "), '')");
}

// a / b: never an integer division.
void division(Renderer& r, const Expr& e)
{
    r.operand(*e.args[0], 6, false);
    r.write(" / ");
    if (r.typeOf(*e.args[0]) == SqlType::Number || r.typeOf(*e.args[1]) == SqlType::Number)
        r.operand(*e.args[1], 6, true);
    else
        r.exprAs(*e.args[1], "numeric");
}

// date + n, date - n: a date again (whole seconds), so that further arithmetic stays in days.
void dateArithmetic(Renderer& r, const Expr& e)
{
    const SqlType left = r.typeOf(*e.args[0]);
    const SqlType right = r.typeOf(*e.args[1]);
    const bool givesDate = (left == SqlType::Date && isNumeric(right))
        || (e.text == "+" && isNumeric(left) && right == SqlType::Date);
    if (givesDate)
        r.write("CAST(");
    r.operand(*e.args[0], 5, false);
    r.write(e.text == "+" ? " + " : " - ");
    r.operand(*e.args[1], 5, true);
    if (givesDate)
        r.write(" AS oracle.date)");
}

std::string_view setOperator(std::string_view oracleOperator)
{
    return oracleOperator == "MINUS" ? std::string_view("EXCEPT") : oracleOperator;
}

bool isDual(const FromItem& f)
{
    return f.kind == FromItem::Kind::Table && f.link.empty()
        && ((f.name.size() == 1 && f.name[0].canonical() == "DUAL")
            || (f.name.size() == 2 && f.name[0].canonical() == "SYS" && f.name[1].canonical() == "DUAL"));
}

} // namespace rules

} // namespace custos::sql::dialect
