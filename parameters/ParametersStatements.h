#pragma once
// The statements of the price table export that no dataset of the data module holds. See
// Statement.h.

#include "Statement.h"

namespace custos::parameters::statements {

using session::BindType;
using session::Statement;

inline session::StatementList& list()
{
    static session::StatementList all;
    return all;
}

// Publishing: the price rows a table holds now, oldest first, to decide between insert and
// update when the prices are written rather than when the list was loaded.
inline const Statement currentPriceRows{list(), "currentPriceRows",
                                        QStringLiteral("select ip.sequencial_produto, ip.sequencial_item_preco"
                                                       " from velko_ven.item_preco ip"
                                                       " where ip.sequencial_tabela_preco = :tabela"
                                                       " order by ip.sequencial_item_preco"),
                                        {{"tabela", BindType::Number}}};

} // namespace custos::parameters::statements
