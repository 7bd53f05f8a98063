#include "Expression.h"

#include "DataError.h"
#include "Timestamp.h"

#include <QDate>
#include <algorithm>
#include <vector>

namespace custos::data {

namespace {

enum class Op {
    Number, Text, Timestamp, Field,
    Negate, Not, Add, Subtract, Multiply, Divide,
    Equal, NotEqual, Less, Greater, LessOrEqual, GreaterOrEqual, And, Or, IsNull, IsNotNull,
    Sum, Min, Max, Count, CountRows, Average
};

enum class Type { Null, Number, Text, Timestamp, Boolean };

struct Value
{
    Type type = Type::Null;
    double number = 0;
    qint64 stamp = 0;
    bool boolean = false;
    QString text;

    static Value ofNumber(double v) { Value r; r.type = Type::Number; r.number = v; return r; }
    static Value ofBoolean(bool v) { Value r; r.type = Type::Boolean; r.boolean = v; return r; }
};

struct Token
{
    enum Kind { End, Number, Text, Identifier, Symbol } kind = End;
    QString text;
    double number = 0;
};

bool isAggregate(Op op)
{
    return op == Op::Sum || op == Op::Min || op == Op::Max || op == Op::Count || op == Op::CountRows
        || op == Op::Average;
}

} // namespace

struct Expression::Node
{
    Op op = Op::Number;
    double number = 0;
    qint64 stamp = 0;
    QString text; // a text literal or a field name
    int column = -1;
    Type type = Type::Null;
    std::unique_ptr<Node> left;
    std::unique_ptr<Node> right;
};

using Node = Expression::Node;

namespace {

[[noreturn]] void fail(const QString& expression, const QString& detail)
{
    throw DataError(QStringLiteral("Expressão inválida \"%1\": %2.").arg(expression, detail));
}

std::vector<Token> tokenize(const QString& text)
{
    std::vector<Token> tokens;
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n) {
        const QChar c = text[i];
        if (c.isSpace()) {
            ++i;
        } else if (c.isDigit() || (c == u'.' && i + 1 < n && text[i + 1].isDigit())) {
            qsizetype j = i;
            while (j < n && (text[j].isDigit() || text[j] == u'.'))
                ++j;
            Token t{Token::Number, text.mid(i, j - i)};
            bool ok = false;
            t.number = t.text.toDouble(&ok); // the C locale: "." is the decimal point
            if (!ok)
                fail(text, QStringLiteral("número inválido %1").arg(t.text));
            tokens.push_back(t);
            i = j;
        } else if (c == u'\'') {
            QString value;
            qsizetype j = i + 1;
            for (;; ++j) {
                if (j >= n)
                    fail(text, QStringLiteral("texto sem aspa de fechamento"));
                if (text[j] == u'\'') {
                    if (j + 1 < n && text[j + 1] == u'\'') {
                        value += u'\'';
                        ++j;
                        continue;
                    }
                    break;
                }
                value += text[j];
            }
            tokens.push_back({Token::Text, value});
            i = j + 1;
        } else if (c == u'[') {
            const qsizetype close = text.indexOf(u']', i + 1);
            if (close < 0)
                fail(text, QStringLiteral("nome de campo sem ']'"));
            tokens.push_back({Token::Identifier, text.mid(i + 1, close - i - 1)});
            i = close + 1;
        } else if (c.isLetter() || c == u'_') {
            qsizetype j = i;
            while (j < n && (text[j].isLetterOrNumber() || text[j] == u'_'))
                ++j;
            tokens.push_back({Token::Identifier, text.mid(i, j - i)});
            i = j;
        } else {
            const QString two = text.mid(i, 2);
            if (two == u"<>" || two == u"<=" || two == u">=") {
                tokens.push_back({Token::Symbol, two});
                i += 2;
            } else if (QStringView(u"()+-*/=<>,").contains(c)) {
                tokens.push_back({Token::Symbol, QString(c)});
                ++i;
            } else {
                fail(text, QStringLiteral("caractere inesperado '%1'").arg(c));
            }
        }
    }
    tokens.push_back({Token::End, QString()});
    return tokens;
}

std::unique_ptr<Node> makeNode(Op op, std::unique_ptr<Node> left = {}, std::unique_ptr<Node> right = {})
{
    auto node = std::make_unique<Node>();
    node->op = op;
    node->left = std::move(left);
    node->right = std::move(right);
    return node;
}

class Parser
{
public:
    Parser(const QString& text, Expression::Context context)
        : m_text(text)
        , m_context(context)
        , m_tokens(tokenize(text))
    {
    }

    std::unique_ptr<Node> parseAll()
    {
        auto root = parseOr();
        if (current().kind != Token::End)
            fail(m_text, QStringLiteral("símbolo inesperado '%1'").arg(current().text));
        return root;
    }

private:
    const Token& current() const { return m_tokens[m_position]; }

    bool isSymbol(QStringView symbol) const
    {
        return current().kind == Token::Symbol && current().text == symbol;
    }
    bool isKeyword(QStringView word) const
    {
        return current().kind == Token::Identifier && current().text.compare(word, Qt::CaseInsensitive) == 0;
    }
    void expectSymbol(QStringView symbol)
    {
        if (!isSymbol(symbol))
            fail(m_text, QStringLiteral("esperado '%1'").arg(symbol));
        ++m_position;
    }

    std::unique_ptr<Node> parseOr()
    {
        auto left = parseAnd();
        while (isKeyword(u"OR")) {
            ++m_position;
            left = makeNode(Op::Or, std::move(left), parseAnd());
        }
        return left;
    }

    std::unique_ptr<Node> parseAnd()
    {
        auto left = parseNot();
        while (isKeyword(u"AND")) {
            ++m_position;
            left = makeNode(Op::And, std::move(left), parseNot());
        }
        return left;
    }

    std::unique_ptr<Node> parseNot()
    {
        if (isKeyword(u"NOT")) {
            ++m_position;
            return makeNode(Op::Not, parseNot());
        }
        return parseComparison();
    }

    std::unique_ptr<Node> parseComparison()
    {
        auto left = parseAdditive();
        static const std::pair<const char16_t*, Op> operators[] = {
            {u"=", Op::Equal}, {u"<>", Op::NotEqual}, {u"<", Op::Less}, {u">", Op::Greater},
            {u"<=", Op::LessOrEqual}, {u">=", Op::GreaterOrEqual}};
        for (const auto& [symbol, op] : operators) {
            if (isSymbol(symbol)) {
                ++m_position;
                return makeNode(op, std::move(left), parseAdditive());
            }
        }
        if (isKeyword(u"IS")) {
            ++m_position;
            bool negated = false;
            if (isKeyword(u"NOT")) {
                negated = true;
                ++m_position;
            }
            if (!isKeyword(u"NULL"))
                fail(m_text, QStringLiteral("esperado NULL"));
            ++m_position;
            return makeNode(negated ? Op::IsNotNull : Op::IsNull, std::move(left));
        }
        return left;
    }

    std::unique_ptr<Node> parseAdditive()
    {
        auto left = parseTerm();
        for (;;) {
            if (isSymbol(u"+")) {
                ++m_position;
                left = makeNode(Op::Add, std::move(left), parseTerm());
            } else if (isSymbol(u"-")) {
                ++m_position;
                left = makeNode(Op::Subtract, std::move(left), parseTerm());
            } else {
                return left;
            }
        }
    }

    std::unique_ptr<Node> parseTerm()
    {
        auto left = parseUnary();
        for (;;) {
            if (isSymbol(u"*")) {
                ++m_position;
                left = makeNode(Op::Multiply, std::move(left), parseUnary());
            } else if (isSymbol(u"/")) {
                ++m_position;
                left = makeNode(Op::Divide, std::move(left), parseUnary());
            } else {
                return left;
            }
        }
    }

    std::unique_ptr<Node> parseUnary()
    {
        if (isSymbol(u"-")) {
            ++m_position;
            return makeNode(Op::Negate, parseUnary());
        }
        if (isSymbol(u"+")) {
            ++m_position;
            return parseUnary();
        }
        return parsePrimary();
    }

    std::unique_ptr<Node> parsePrimary()
    {
        const Token token = current();
        switch (token.kind) {
        case Token::Number: {
            ++m_position;
            auto node = makeNode(Op::Number);
            node->number = token.number;
            return node;
        }
        case Token::Text: {
            ++m_position;
            auto node = makeNode(Op::Text);
            node->text = token.text;
            return node;
        }
        case Token::Identifier:
            ++m_position;
            if (isSymbol(u"("))
                return parseFunction(token.text);
            return parseField(token.text);
        case Token::Symbol:
            if (token.text == u"(") {
                ++m_position;
                auto inner = parseOr();
                expectSymbol(u")");
                return inner;
            }
            break;
        case Token::End:
            fail(m_text, QStringLiteral("expressão incompleta"));
        }
        fail(m_text, QStringLiteral("símbolo inesperado '%1'").arg(token.text));
    }

    std::unique_ptr<Node> parseField(const QString& name)
    {
        if (m_context == Expression::Context::Aggregate && !m_insideAggregate)
            fail(m_text, QStringLiteral("o campo %1 está fora de uma função de agregação").arg(name));
        auto node = makeNode(Op::Field);
        node->text = name;
        return node;
    }

    std::unique_ptr<Node> parseFunction(const QString& name)
    {
        static const std::pair<const char16_t*, Op> functions[] = {
            {u"SUM", Op::Sum}, {u"MIN", Op::Min}, {u"MAX", Op::Max}, {u"COUNT", Op::Count}, {u"AVG", Op::Average}};
        const auto found = std::find_if(std::begin(functions), std::end(functions), [&](const auto& f) {
            return name.compare(QStringView(f.first), Qt::CaseInsensitive) == 0;
        });
        if (found == std::end(functions))
            fail(m_text, QStringLiteral("função desconhecida %1").arg(name));
        if (m_context != Expression::Context::Aggregate)
            fail(m_text, QStringLiteral("função de agregação %1 fora de um agregado").arg(name));
        if (m_insideAggregate)
            fail(m_text, QStringLiteral("função de agregação %1 dentro de outra").arg(name));
        expectSymbol(u"(");
        if (found->second == Op::Count && isSymbol(u"*")) {
            ++m_position;
            expectSymbol(u")");
            return makeNode(Op::CountRows);
        }
        m_insideAggregate = true;
        auto argument = parseOr();
        m_insideAggregate = false;
        expectSymbol(u")");
        return makeNode(found->second, std::move(argument));
    }

    const QString& m_text;
    Expression::Context m_context;
    std::vector<Token> m_tokens;
    std::size_t m_position = 0;
    bool m_insideAggregate = false;
};

Type typeOfColumn(StorageKind kind)
{
    switch (kind) {
    case StorageKind::Float:
    case StorageKind::Integer:
        return Type::Number;
    case StorageKind::Timestamp:
        return Type::Timestamp;
    case StorageKind::Text:
        break;
    }
    return Type::Text;
}

// A text literal compared with a timestamp becomes a timestamp literal.
bool toTimestampLiteral(Node& node)
{
    if (node.op != Op::Text)
        return false;
    const QDateTime value = parseTimestamp(node.text, QLocale::c());
    if (!value.isValid())
        return false;
    node.op = Op::Timestamp;
    node.stamp = packTimestamp(value);
    node.type = Type::Timestamp;
    return true;
}

class Binder
{
public:
    Binder(const QString& text, const std::function<int(const QString&)>& columnOf, const RecordStore& store)
        : m_text(text)
        , m_columnOf(columnOf)
        , m_store(store)
    {
    }

    void bind(Node& node)
    {
        if (node.left)
            bind(*node.left);
        if (node.right)
            bind(*node.right);
        switch (node.op) {
        case Op::Number:
            node.type = Type::Number;
            break;
        case Op::Text:
            node.type = Type::Text;
            break;
        case Op::Timestamp:
            node.type = Type::Timestamp;
            break;
        case Op::Field:
            node.column = m_columnOf(node.text);
            if (node.column < 0)
                fail(m_text, QStringLiteral("campo %1 não encontrado").arg(node.text));
            node.type = typeOfColumn(m_store.storageKind(node.column));
            break;
        case Op::Negate:
        case Op::Add:
        case Op::Subtract:
        case Op::Multiply:
        case Op::Divide:
        case Op::Sum:
        case Op::Min:
        case Op::Max:
        case Op::Average:
            requireType(*node.left, Type::Number);
            if (node.right)
                requireType(*node.right, Type::Number);
            node.type = Type::Number;
            break;
        case Op::Count:
        case Op::CountRows:
            node.type = Type::Number;
            break;
        case Op::Not:
        case Op::And:
        case Op::Or:
            requireType(*node.left, Type::Boolean);
            if (node.right)
                requireType(*node.right, Type::Boolean);
            node.type = Type::Boolean;
            break;
        case Op::IsNull:
        case Op::IsNotNull:
            node.type = Type::Boolean;
            break;
        case Op::Equal:
        case Op::NotEqual:
        case Op::Less:
        case Op::Greater:
        case Op::LessOrEqual:
        case Op::GreaterOrEqual:
            if (node.left->type == Type::Timestamp && node.right->type == Type::Text)
                toTimestampLiteral(*node.right);
            else if (node.right->type == Type::Timestamp && node.left->type == Type::Text)
                toTimestampLiteral(*node.left);
            if (node.left->type != node.right->type || node.left->type == Type::Boolean)
                fail(m_text, QStringLiteral("comparação entre valores de tipos diferentes"));
            node.type = Type::Boolean;
            break;
        }
    }

    void requireType(const Node& node, Type type) const
    {
        if (node.type != type) {
            fail(m_text, type == Type::Number ? QStringLiteral("operação numérica sobre valor não numérico")
                                              : QStringLiteral("operação lógica sobre valor que não é condição"));
        }
    }

private:
    const QString& m_text;
    const std::function<int(const QString&)>& m_columnOf;
    const RecordStore& m_store;
};

Value arithmetic(Op op, const Value& a, const Value& b)
{
    if (a.type == Type::Null || b.type == Type::Null)
        return {};
    switch (op) {
    case Op::Add:
        return Value::ofNumber(a.number + b.number);
    case Op::Subtract:
        return Value::ofNumber(a.number - b.number);
    case Op::Multiply:
        return Value::ofNumber(a.number * b.number);
    default:
        break;
    }
    if (b.number == 0.0)
        return {};
    return Value::ofNumber(a.number / b.number);
}

bool compare(Op op, const Value& a, const Value& b)
{
    if (a.type == Type::Null || b.type == Type::Null)
        return false;
    int order = 0;
    switch (a.type) {
    case Type::Number:
        order = a.number < b.number ? -1 : (a.number > b.number ? 1 : 0);
        break;
    case Type::Timestamp:
        order = a.stamp < b.stamp ? -1 : (a.stamp > b.stamp ? 1 : 0);
        break;
    default:
        order = a.text.compare(b.text);
        break;
    }
    switch (op) {
    case Op::Equal:
        return order == 0;
    case Op::NotEqual:
        return order != 0;
    case Op::Less:
        return order < 0;
    case Op::Greater:
        return order > 0;
    case Op::LessOrEqual:
        return order <= 0;
    default:
        return order >= 0;
    }
}

Value evaluateRow(const Node& node, const RecordStore& store, int row)
{
    switch (node.op) {
    case Op::Number:
        return Value::ofNumber(node.number);
    case Op::Text: {
        Value v;
        v.type = Type::Text;
        v.text = node.text;
        return v;
    }
    case Op::Timestamp: {
        Value v;
        v.type = Type::Timestamp;
        v.stamp = node.stamp;
        return v;
    }
    case Op::Field: {
        if (store.isNull(row, node.column))
            return {};
        Value v;
        v.type = node.type;
        switch (store.storageKind(node.column)) {
        case StorageKind::Float:
            v.number = store.floatAt(row, node.column);
            break;
        case StorageKind::Integer:
            v.number = store.integerAt(row, node.column);
            break;
        case StorageKind::Timestamp:
            v.stamp = store.timestampAt(row, node.column);
            break;
        case StorageKind::Text:
            v.text = store.textAt(row, node.column);
            break;
        }
        return v;
    }
    case Op::Negate: {
        Value v = evaluateRow(*node.left, store, row);
        v.number = -v.number;
        return v;
    }
    case Op::Add:
    case Op::Subtract:
    case Op::Multiply:
    case Op::Divide:
        return arithmetic(node.op, evaluateRow(*node.left, store, row), evaluateRow(*node.right, store, row));
    case Op::Not:
        return Value::ofBoolean(!evaluateRow(*node.left, store, row).boolean);
    case Op::And:
        return Value::ofBoolean(evaluateRow(*node.left, store, row).boolean
                                && evaluateRow(*node.right, store, row).boolean);
    case Op::Or:
        return Value::ofBoolean(evaluateRow(*node.left, store, row).boolean
                                || evaluateRow(*node.right, store, row).boolean);
    case Op::IsNull:
        return Value::ofBoolean(evaluateRow(*node.left, store, row).type == Type::Null);
    case Op::IsNotNull:
        return Value::ofBoolean(evaluateRow(*node.left, store, row).type != Type::Null);
    default:
        break;
    }
    return Value::ofBoolean(compare(node.op, evaluateRow(*node.left, store, row), evaluateRow(*node.right, store, row)));
}

Value evaluateOverRows(const Node& node, const RecordStore& store)
{
    const int rows = store.rowCount();
    if (node.op == Op::CountRows)
        return Value::ofNumber(rows);
    double total = 0;
    double extreme = 0;
    int counted = 0;
    for (int r = 0; r < rows; ++r) {
        const Value v = evaluateRow(*node.left, store, r);
        if (v.type == Type::Null)
            continue;
        if (counted == 0 || (node.op == Op::Min && v.number < extreme) || (node.op == Op::Max && v.number > extreme))
            extreme = v.number;
        total += v.number;
        ++counted;
    }
    if (node.op == Op::Count)
        return Value::ofNumber(counted);
    if (counted == 0)
        return {};
    switch (node.op) {
    case Op::Min:
    case Op::Max:
        return Value::ofNumber(extreme);
    case Op::Average:
        return Value::ofNumber(total / counted);
    default:
        return Value::ofNumber(total);
    }
}

Value evaluateAggregate(const Node& node, const RecordStore& store)
{
    if (isAggregate(node.op))
        return evaluateOverRows(node, store);
    switch (node.op) {
    case Op::Number:
        return Value::ofNumber(node.number);
    case Op::Negate: {
        Value v = evaluateAggregate(*node.left, store);
        v.number = -v.number;
        return v;
    }
    default:
        break;
    }
    return arithmetic(node.op, evaluateAggregate(*node.left, store), evaluateAggregate(*node.right, store));
}

} // namespace

Expression::Expression() = default;
Expression::Expression(Expression&&) noexcept = default;
Expression& Expression::operator=(Expression&&) noexcept = default;
Expression::~Expression() = default;

Expression Expression::parse(const QString& text, Context context)
{
    Expression e;
    e.m_text = text;
    e.m_context = context;
    if (!text.trimmed().isEmpty())
        e.m_root = Parser(text, context).parseAll();
    return e;
}

void Expression::bind(const std::function<int(const QString&)>& columnOf, const RecordStore& store)
{
    if (!m_root)
        return;
    Binder binder(m_text, columnOf, store);
    binder.bind(*m_root);
    binder.requireType(*m_root, m_context == Context::Aggregate ? Type::Number : Type::Boolean);
}

QVariant Expression::aggregate(const RecordStore& store) const
{
    if (!m_root || store.rowCount() == 0)
        return {};
    const Value v = evaluateAggregate(*m_root, store);
    return v.type == Type::Null ? QVariant() : QVariant(v.number);
}

bool Expression::matches(const RecordStore& store, int row) const
{
    return !m_root || evaluateRow(*m_root, store, row).boolean;
}

} // namespace custos::data
