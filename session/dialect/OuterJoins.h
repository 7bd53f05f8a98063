#pragma once
// Oracle's (+) outer joins as ANSI joins: every WHERE condition that marks a table's columns
// with (+) becomes part of that table's LEFT JOIN ... ON, the other conditions stay in WHERE,
// and the tables are joined in an order in which each ON sees the tables it names.

#include "Ast.h"

#include <vector>

namespace custos::sql::dialect {

struct JoinPlan
{
    bool outerJoins = false;
    std::vector<std::size_t> order;           // FROM items in the order they are joined
    std::vector<std::vector<const Expr*>> on; // per FROM item: its ON conditions (none: CROSS JOIN)
    std::vector<const Expr*> where;           // the conditions left in WHERE
};

JoinPlan planJoins(const SelectCore& core);

} // namespace custos::sql::dialect
