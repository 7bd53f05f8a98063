#pragma once
// What a price table holds after a publication, read as the cluster owner.

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

} // namespace custos::test
