#include "Query.h"

#include "DBXConnection.h"
#include "DataError.h"

namespace custos::data {

Query::Query(session::DBXConnection* connection, QObject* parent)
    : DataSet(parent)
    , m_connection(connection)
{
}

session::Result Query::execute(const session::Params& overrides) const
{
    if (!m_connection)
        throw DataError(QStringLiteral("%1: consulta sem conexão.").arg(objectName()));
    if (overrides.isEmpty())
        return m_connection->query(text(), m_params);
    session::Params merged = m_params;
    for (const session::BindValue& value : overrides.values())
        merged.set(value.name, value.type, value.value);
    return m_connection->query(text(), merged);
}

void Query::open()
{
    openWith([this] { return execute(); });
}

} // namespace custos::data
