#pragma once
// The price rows of a test database: what a table holds after a publication, and the rows the
// fixture loaded, kept once and put back before each case.

#include "TestDatabase.h"

#include <QString>

namespace custos::test {

// "product:price" of the table's rows in the order they were written, e.g. "120:21.5 121:30".
inline QString priceRows(const TestDatabase& db, int tabela)
{
    return db.scalar(QStringLiteral("select string_agg(sequencial_produto || ':' || trim_scale(preco), ' '"
                                    " order by sequencial_item_preco) from velko_ven.item_preco"
                                    " where sequencial_tabela_preco = %1").arg(tabela));
}

inline void keepPriceRows(const TestDatabase& db)
{
    db.exec(QStringLiteral("CREATE TABLE velko_ven.item_preco_inicial AS SELECT * FROM velko_ven.item_preco"));
}

inline void restorePriceRows(const TestDatabase& db)
{
    db.exec(QStringLiteral("DELETE FROM velko_ven.item_preco;"
                           "INSERT INTO velko_ven.item_preco SELECT * FROM velko_ven.item_preco_inicial;"
                           "SELECT setval('velko_ven.sq_item_preco', (SELECT max(sequencial_item_preco)::bigint"
                           " FROM velko_ven.item_preco));"));
}

} // namespace custos::test
