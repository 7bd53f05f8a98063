#pragma once
// The rows of cost tables as text, for comparing what two runs left in their databases.

#include "TestDatabase.h"

#include <QStringList>

namespace custos::test {

// For each table of velko_cst, "table:" and its rows as JSON texts in sorted order joined by
// "|", one line per table; without the columns whose information_schema.columns row meets
// dropped (an SQL condition, such as "column_name = 'data_historico'").
inline QString tableRows(const TestDatabase& db, const QStringList& tables, const QString& dropped)
{
    QString all;
    for (const QString& table : tables)
        all += table + u':' +
               db.scalar(QStringLiteral("select string_agg(r::text, '|' order by r::text) from ("
                                        "select to_jsonb(t) - array(select column_name::text from information_schema.columns"
                                        " where table_schema = 'velko_cst' and table_name = '%1' and (%2)) r"
                                        " from velko_cst.%1 t) x")
                             .arg(table, dropped)) +
               u'\n';
    return all;
}

} // namespace custos::test
