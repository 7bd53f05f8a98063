#pragma once
// A statement on the connection (prefix Q_): its text, kept line by line as given and sent with
// the lines joined by "\n" (so a "--" comment ends with its line), and its parameters, set by
// name and kept across closing and opening. A client dataset fetches the rows through its
// provider with execute(); opening the query itself keeps them as a read-only dataset, for the
// queries that feed a data source directly.

#include "Binds.h"
#include "DataSet.h"
#include "Result.h"

#include <QStringList>

namespace custos::session {
class DBXConnection;
}

namespace custos::data {

class Query : public DataSet
{
    Q_OBJECT
public:
    explicit Query(session::DBXConnection* connection = nullptr, QObject* parent = nullptr);

    void setConnection(session::DBXConnection* connection) { m_connection = connection; }
    session::DBXConnection* connection() const { return m_connection; }

    void setSql(const QStringList& lines) { m_lines = lines; }
    const QStringList& sql() const { return m_lines; }
    QString text() const { return m_lines.join(u'\n'); }

    // Parameters by name (case-insensitive): params().setNumber("id_unidade", 1).setDate(...).
    session::Params& params() { return m_params; }
    const session::Params& params() const { return m_params; }

    // Runs the statement with its parameters, each of overrides taking the place of the
    // parameter of that name. The rows are not kept.
    session::Result execute(const session::Params& overrides = {}) const;

    void open() override;
    bool canModify() const override { return false; }

private:
    session::DBXConnection* m_connection;
    QStringList m_lines;
    session::Params m_params;
};

} // namespace custos::data
