#include "OuterJoins.h"

#include "Dialect.h"

#include <algorithm>

namespace custos::sql::dialect {

namespace {

// Columns of an expression, not looking into subqueries (they have tables of their own).
void collectColumns(const Expr& e, std::vector<const Expr*>& marked, std::vector<const Expr*>& plain)
{
    if (e.kind == ExprKind::Column)
        (e.outerJoin ? marked : plain).push_back(&e);
    for (const ExprPtr& a : e.args)
        collectColumns(*a, marked, plain);
    if (e.over) {
        for (const ExprPtr& p : e.over->partitionBy)
            collectColumns(*p, marked, plain);
        for (const OrderItem& o : e.over->orderBy)
            collectColumns(*o.expr, marked, plain);
    }
}

std::string qualifierOf(const Expr& column)
{
    std::string q;
    for (std::size_t i = 0; i + 1 < column.name.size(); ++i) {
        if (!q.empty())
            q += '.';
        q += column.name[i].canonical();
    }
    return q;
}

std::string columnText(const Expr& column)
{
    std::string s;
    for (const Name& n : column.name)
        s += (s.empty() ? "" : ".") + n.canonical();
    return s;
}

// The FROM item a qualifier names, or -1.
int resolve(const SelectCore& core, const std::string& qualifier)
{
    for (std::size_t i = 0; i < core.from.size(); ++i) {
        const FromItem& f = *core.from[i];
        if (f.alias) {
            if (f.alias->canonical() == qualifier)
                return int(i);
            continue;
        }
        if (f.kind != FromItem::Kind::Table)
            continue;
        std::string full;
        for (const Name& n : f.name)
            full += (full.empty() ? "" : ".") + n.canonical();
        if (f.name.back().canonical() == qualifier || full == qualifier)
            return int(i);
    }
    return -1;
}

} // namespace

JoinPlan planJoins(const SelectCore& core)
{
    JoinPlan plan;
    const std::size_t n = core.from.size();
    plan.on.resize(n);
    std::vector<const Expr*> conjuncts;
    if (core.where) {
        if (core.where->kind == ExprKind::And)
            for (const ExprPtr& a : core.where->args)
                conjuncts.push_back(a.get());
        else
            conjuncts.push_back(core.where.get());
    }
    std::vector<std::vector<std::size_t>> dependsOn(n);
    std::vector<bool> outer(n, false);
    for (const Expr* c : conjuncts) {
        std::vector<const Expr*> marked, plain;
        collectColumns(*c, marked, plain);
        if (marked.empty()) {
            plan.where.push_back(c);
            continue;
        }
        int target = -1;
        for (const Expr* m : marked) {
            const std::string q = qualifierOf(*m);
            const int t = q.empty() ? (n == 1 ? 0 : -1) : resolve(core, q);
            if (t < 0)
                throw TranslationError("cannot tell the table of the (+) column " + columnText(*m));
            if (target >= 0 && t != target)
                throw TranslationError("a (+) condition may mark the columns of one table only");
            target = t;
        }
        plan.on[std::size_t(target)].push_back(c);
        outer[std::size_t(target)] = true;
        for (const Expr* p : plain) {
            const std::string q = qualifierOf(*p);
            const int d = q.empty() ? -1 : resolve(core, q);
            if (d >= 0 && d != target)
                dependsOn[std::size_t(target)].push_back(std::size_t(d));
        }
    }
    plan.outerJoins = std::find(outer.begin(), outer.end(), true) != outer.end();
    if (!plan.outerJoins) {
        for (std::size_t i = 0; i < n; ++i)
            plan.order.push_back(i);
        return plan;
    }
    for (const FromPtr& f : core.from)
        if (f->kind == FromItem::Kind::Join)
            throw TranslationError("(+) outer joins cannot be mixed with JOIN ... ON");

    // Inner tables first, in their order; then each outer table once the tables its
    // conditions name are joined.
    std::vector<bool> placed(n, false);
    for (std::size_t i = 0; i < n; ++i) {
        if (!outer[i]) {
            plan.order.push_back(i);
            placed[i] = true;
        }
    }
    while (plan.order.size() < n) {
        bool progressed = false;
        for (std::size_t i = 0; i < n && !progressed; ++i) {
            if (placed[i])
                continue;
            const bool ready = std::all_of(dependsOn[i].begin(), dependsOn[i].end(),
                                           [&](std::size_t d) { return placed[d]; });
            if (ready) {
                plan.order.push_back(i);
                placed[i] = true;
                progressed = true;
            }
        }
        if (!progressed)
            throw TranslationError("the (+) conditions join the tables in a circle");
    }
    // With no inner table the first one is the base of the joins: its conditions filter.
    std::vector<const Expr*>& baseOn = plan.on[plan.order.front()];
    plan.where.insert(plan.where.end(), baseOn.begin(), baseOn.end());
    baseOn.clear();
    return plan;
}

} // namespace custos::sql::dialect
