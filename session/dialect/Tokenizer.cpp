#include "Tokenizer.h"

#include "Dialect.h"

namespace custos::sql::dialect {

namespace {

bool isIdentStart(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || c >= 0x80;
}

bool isIdentPart(unsigned char c)
{
    return isIdentStart(c) || (c >= '0' && c <= '9') || c == '$';
}

bool isDigit(unsigned char c) { return c >= '0' && c <= '9'; }

std::string upperAscii(std::string_view s)
{
    std::string u(s);
    for (char& c : u)
        if (c >= 'a' && c <= 'z')
            c = char(c - 'a' + 'A');
    return u;
}

class Lexer
{
public:
    explicit Lexer(std::string_view text) : m_text(text) {}

    std::vector<Token> run()
    {
        std::vector<Token> tokens;
        tokens.reserve(m_text.size() / 4 + 1);
        while (skipSpaceAndComments())
            tokens.push_back(next());
        Token end;
        end.offset = m_text.size();
        tokens.push_back(std::move(end));
        return tokens;
    }

private:
    [[noreturn]] void fail(const std::string& what, std::size_t at) const
    {
        throw TranslationError(what + " at " + describePosition(m_text, at));
    }

    char peek(std::size_t ahead = 0) const
    {
        return m_pos + ahead < m_text.size() ? m_text[m_pos + ahead] : '\0';
    }

    // Moves past blanks and comments; false at the end of the text.
    bool skipSpaceAndComments()
    {
        while (m_pos < m_text.size()) {
            const char c = m_text[m_pos];
            if (c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v') {
                ++m_pos;
            } else if (c == '-' && peek(1) == '-') {
                const std::size_t eol = m_text.find('\n', m_pos);
                m_pos = eol == std::string_view::npos ? m_text.size() : eol + 1;
            } else if (c == '/' && peek(1) == '*') {
                const std::size_t close = m_text.find("*/", m_pos + 2);
                if (close == std::string_view::npos)
                    fail("unterminated comment", m_pos);
                m_pos = close + 2;
            } else {
                return true;
            }
        }
        return false;
    }

    Token next()
    {
        Token t;
        t.offset = m_pos;
        const unsigned char c = static_cast<unsigned char>(m_text[m_pos]);
        if ((c == 'q' || c == 'Q') && peek(1) == '\'')
            fail("alternative quoting q'...' is not supported", m_pos);
        if ((c == 'n' || c == 'N') && peek(1) == '\'')
            ++m_pos; // national character literal: the same text
        if (m_text[m_pos] == '\'')
            return stringLiteral(t);
        if (c == '"')
            return quotedIdentifier(t);
        if (isDigit(c) || (c == '.' && isDigit(static_cast<unsigned char>(peek(1)))))
            return number(t);
        if (isIdentStart(c)) {
            const std::size_t start = m_pos;
            while (m_pos < m_text.size() && isIdentPart(static_cast<unsigned char>(m_text[m_pos])))
                ++m_pos;
            t.kind = TokenKind::Identifier;
            t.text = std::string(m_text.substr(start, m_pos - start));
            t.upper = upperAscii(t.text);
            return t;
        }
        if (c == ':' && isIdentPart(static_cast<unsigned char>(peek(1))) && peek(1) != '$') {
            const std::size_t start = ++m_pos;
            while (m_pos < m_text.size() && isIdentPart(static_cast<unsigned char>(m_text[m_pos])))
                ++m_pos;
            t.kind = TokenKind::Bind;
            t.text = std::string(m_text.substr(start, m_pos - start));
            t.upper = upperAscii(t.text);
            return t;
        }
        return symbol(t);
    }

    Token stringLiteral(Token& t)
    {
        const std::size_t start = m_pos++;
        std::string value;
        for (;;) {
            if (m_pos >= m_text.size())
                fail("unterminated string literal", start);
            const char c = m_text[m_pos++];
            if (c == '\'') {
                if (peek() == '\'') {
                    value += '\'';
                    ++m_pos;
                    continue;
                }
                break;
            }
            value += c;
        }
        t.kind = TokenKind::String;
        t.text = std::move(value);
        return t;
    }

    Token quotedIdentifier(Token& t)
    {
        const std::size_t start = m_pos++;
        const std::size_t close = m_text.find('"', m_pos);
        if (close == std::string_view::npos)
            fail("unterminated quoted identifier", start);
        if (close == m_pos)
            fail("empty quoted identifier", start);
        t.kind = TokenKind::QuotedIdentifier;
        t.text = std::string(m_text.substr(m_pos, close - m_pos));
        t.upper = t.text;
        m_pos = close + 1;
        return t;
    }

    Token number(Token& t)
    {
        const std::size_t start = m_pos;
        while (isDigit(static_cast<unsigned char>(peek())))
            ++m_pos;
        if (peek() == '.' && peek(1) != '.') {
            ++m_pos;
            while (isDigit(static_cast<unsigned char>(peek())))
                ++m_pos;
        }
        if ((peek() == 'e' || peek() == 'E')
            && (isDigit(static_cast<unsigned char>(peek(1)))
                || ((peek(1) == '+' || peek(1) == '-') && isDigit(static_cast<unsigned char>(peek(2)))))) {
            m_pos += 2;
            while (isDigit(static_cast<unsigned char>(peek())))
                ++m_pos;
        }
        t.kind = TokenKind::Number;
        t.text = std::string(m_text.substr(start, m_pos - start));
        t.upper = t.text;
        return t;
    }

    Token symbol(Token& t)
    {
        static constexpr std::string_view twoChar[] = {"||", "<>", "!=", "^=", "<=", ">=", ":=", "=>", ".."};
        const std::string_view rest = m_text.substr(m_pos);
        for (std::string_view s : twoChar) {
            if (rest.substr(0, 2) == s) {
                t.kind = TokenKind::Symbol;
                t.text = t.upper = std::string(s);
                m_pos += 2;
                return t;
            }
        }
        static constexpr std::string_view oneChar = "(),.;+-*/=<>@%";
        if (oneChar.find(rest[0]) == std::string_view::npos) {
            const unsigned char c = static_cast<unsigned char>(rest[0]);
            fail(c >= 0x20 && c < 0x7f ? std::string("unexpected character '") + rest[0] + "'"
                                       : std::string("unexpected control character"),
                 m_pos);
        }
        t.kind = TokenKind::Symbol;
        t.text = t.upper = std::string(1, rest[0]);
        ++m_pos;
        return t;
    }

    std::string_view m_text;
    std::size_t m_pos = 0;
};

} // namespace

std::vector<Token> tokenize(std::string_view text)
{
    return Lexer(text).run();
}

std::string describePosition(std::string_view text, std::size_t offset)
{
    std::size_t line = 1, column = 1;
    for (std::size_t i = 0; i < offset && i < text.size(); ++i) {
        if (text[i] == '\n') {
            ++line;
            column = 1;
        } else {
            ++column;
        }
    }
    return "line " + std::to_string(line) + ", column " + std::to_string(column);
}

} // namespace custos::sql::dialect
