#include "CostGeneration.h"

#include "DBXConnection.h"

#include <optional>

namespace custos::server {

void CostGeneration::run(const GenerationInput& input, const Progress& progress)
{
    const auto log = [&](const QString& line) {
        if (progress && !line.isEmpty())
            progress(line);
    };
    // Built whole before the first line, so that a refused link name sends nothing.
    const std::vector<GenerationBlock> blocks = generationBlocks(input);
    for (const QString& line : generationOpeningLines(input))
        log(line);

    std::optional<session::DBXConnection::Transaction> copyBack;
    for (const GenerationBlock& block : blocks) {
        log(block.logLine);
        if (block.copyBack && !copyBack)
            copyBack.emplace(m_connection);
        m_connection.execute(block.text, block.params);
    }
    if (copyBack)
        copyBack->commit();
}

} // namespace custos::server
