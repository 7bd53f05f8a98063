#pragma once
// A cost generation run: the blocks of GenerationBlocks sent in order on the connection, each
// as soon as the one before it succeeded, with one progress call per log line as its step
// starts. An error stops the run and is raised to the caller; the blocks that finished keep
// their work, except the copy-back (blocks 4 to 8 over a link), which runs in one transaction
// of its own and either replaces the local results of the period or leaves them untouched.

#include "GenerationBlocks.h"

#include <functional>

namespace custos::session {
class DBXConnection;
}

namespace custos::server {

class CostGeneration
{
public:
    using Progress = std::function<void(const QString& line)>;

    explicit CostGeneration(session::DBXConnection& connection) : m_connection(connection) {}

    void run(const GenerationInput& input, const Progress& progress = {});

private:
    session::DBXConnection& m_connection;
};

} // namespace custos::server
