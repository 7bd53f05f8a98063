#pragma once
// Statements of the program replayed on a plain libpq connection: each Oracle text translated
// once and sent with its binds in the server's text format and the types the session layer
// gives them, to measure what the server takes for them. An anonymous block becomes the
// procedures the session layer makes of it (created once, at construction) and their calls;
// a block that calls over a database link ends the link's remote transaction after its calls.
// A statement marked raw (transaction control) is sent as it is.

#include "Binds.h"

#include <QString>
#include <chrono>
#include <string>
#include <vector>

struct pg_conn;

namespace custos::bench {

using Clock = std::chrono::steady_clock;

struct SentStatement
{
    QString name;       // the dataset (or routine) that sent it
    QString text;       // Oracle text
    session::Params params;
    bool raw = false;
};

class StatementReplay
{
public:
    // Connects with the service, user and password and puts the session into the cost role,
    // the national settings and company 1, as the program's session set-up does.
    StatementReplay(const QString& service, const std::vector<SentStatement>& statements);
    ~StatementReplay();
    StatementReplay(const StatementReplay&) = delete;
    StatementReplay& operator=(const StatementReplay&) = delete;

    // Runs every statement once, in order; the time of each.
    std::vector<Clock::duration> run();

private:
    struct Prepared
    {
        std::string text;
        bool finishesLinks = false;
        std::vector<std::string> values;
        std::vector<bool> null;
        std::vector<unsigned> types;
    };

    void exec(const char* text);

    pg_conn* m_conn;
    std::vector<Prepared> m_statements;
};

} // namespace custos::bench
