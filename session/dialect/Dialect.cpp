// translate(), its cache, and the procedure text of a block segment.

#include "Dialect.h"

#include "Parser.h"
#include "Renderer.h"
#include "Tokenizer.h"

#include <memory>
#include <mutex>
#include <shared_mutex>
#include <unordered_map>

namespace custos::sql {

namespace {

struct TextHash
{
    using is_transparent = void;
    std::size_t operator()(std::string_view s) const noexcept { return std::hash<std::string_view>{}(s); }
};

struct TextEqual
{
    using is_transparent = void;
    bool operator()(std::string_view a, std::string_view b) const noexcept { return a == b; }
};

class TranslationCache
{
public:
    const Translation& get(std::string_view text)
    {
        {
            std::shared_lock lock(m_mutex);
            if (const auto it = m_entries.find(text); it != m_entries.end())
                return *it->second;
        }
        auto translation = std::make_unique<Translation>(translateUncached(text));
        std::unique_lock lock(m_mutex);
        const auto [it, inserted] = m_entries.emplace(std::string(text), std::move(translation));
        return *it->second;
    }

private:
    std::shared_mutex m_mutex;
    std::unordered_map<std::string, std::unique_ptr<Translation>, TextHash, TextEqual> m_entries;
};

} // namespace

const Translation& translate(std::string_view oracleText)
{
    static TranslationCache cache;
    return cache.get(oracleText);
}

Translation translateUncached(std::string_view oracleText)
{
    const std::vector<dialect::Token> tokens = dialect::tokenize(oracleText);
    if (tokens.size() == 1)
        throw TranslationError("the statement is empty");
    const dialect::StatementPtr statement = dialect::parseStatement(tokens, oracleText);
    return dialect::Renderer(tokens).translate(*statement);
}

std::string procedureSource(const Translation& block, std::size_t segment, std::string_view name,
                            std::span<const std::string> paramTypes)
{
    if (block.kind != StatementKind::Block || segment >= block.segments.size())
        throw std::invalid_argument("procedureSource: no such block segment");
    if (paramTypes.size() != block.binds.size())
        throw std::invalid_argument("procedureSource: one parameter type per bind is needed");
    const BlockSegment& s = block.segments[segment];
    std::string tag = "$block$";
    for (int n = 1; s.body.find(tag) != std::string::npos; ++n)
        tag = "$block" + std::to_string(n) + "$";
    std::string text = "CREATE OR REPLACE PROCEDURE ";
    text += name;
    text += "(";
    for (std::size_t i = 0; i < paramTypes.size(); ++i) {
        if (i)
            text += ", ";
        text += paramTypes[i];
    }
    text += ") LANGUAGE plpgsql AS " + tag + "\n";
    if (!s.records.empty()) {
        text += "DECLARE\n";
        for (const std::string& r : s.records)
            text += "  " + r + " record;\n";
    }
    text += "BEGIN\n" + s.body + "END\n" + tag;
    return text;
}

} // namespace custos::sql
