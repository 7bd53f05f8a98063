#include "GroupTree.h"

#include "RowSource.h"

#include <QDateTime>
#include <QHash>
#include <algorithm>
#include <limits>
#include <numeric>

namespace custos::grid {

namespace {
constexpr double nullKey = -std::numeric_limits<double>::infinity();
}

GroupTree::GroupTree()
{
    m_collator.setCaseSensitivity(Qt::CaseInsensitive);
    m_collator.setNumericMode(true);
}

void GroupTree::clear()
{
    m_order.clear();
    m_nodes.clear();
    m_levelBegin.assign(1, 0);
    m_levels = 0;
    m_sums.clear();
    m_totals.assign(m_summedFields.size(), 0.0);
}

// Sort key of every source row for one field: numbers and moments as they are, texts as their
// rank in collation order; null first.
std::vector<double> GroupTree::sortKey(const RowSource& source, int field) const
{
    const int n = source.rowCount();
    std::vector<double> key(std::size_t(n), nullKey);
    switch (source.fieldKind(field)) {
    case FieldKind::Number:
    case FieldKind::Integer:
        for (int r = 0; r < n; ++r) {
            bool isNull = false;
            const double d = source.number(r, field, &isNull);
            if (!isNull)
                key[std::size_t(r)] = d;
        }
        break;
    case FieldKind::DateTime:
        for (int r = 0; r < n; ++r) {
            const QVariant v = source.value(r, field);
            if (!v.isNull())
                key[std::size_t(r)] = double(v.toDateTime().toMSecsSinceEpoch());
        }
        break;
    case FieldKind::Text:
    case FieldKind::Other: {
        QHash<QString, int> distinct;
        std::vector<int> textIndex(std::size_t(n), -1);
        std::vector<QString> texts;
        for (int r = 0; r < n; ++r) {
            const QVariant v = source.value(r, field);
            if (v.isNull())
                continue;
            const QString s = v.toString();
            auto it = distinct.constFind(s);
            if (it == distinct.constEnd()) {
                it = distinct.insert(s, int(texts.size()));
                texts.push_back(s);
            }
            textIndex[std::size_t(r)] = it.value();
        }
        std::vector<int> byText(texts.size());
        std::iota(byText.begin(), byText.end(), 0);
        std::sort(byText.begin(), byText.end(), [&](int a, int b) {
            return m_collator.compare(texts[std::size_t(a)], texts[std::size_t(b)]) < 0;
        });
        std::vector<double> rank(texts.size());
        for (std::size_t i = 0; i < byText.size(); ++i) {
            // Texts the collator holds equal share a rank, so they fall into one group.
            const bool same = i > 0
                && m_collator.compare(texts[std::size_t(byText[i])], texts[std::size_t(byText[i - 1])]) == 0;
            rank[std::size_t(byText[i])] = same ? rank[std::size_t(byText[i - 1])] : double(i);
        }
        for (int r = 0; r < n; ++r)
            if (textIndex[std::size_t(r)] >= 0)
                key[std::size_t(r)] = rank[std::size_t(textIndex[std::size_t(r)])];
        break;
    }
    }
    return key;
}

void GroupTree::build(const Input& input)
{
    m_summedFields = input.summedFields;
    clear();
    if (!input.source)
        return;
    const RowSource& source = *input.source;
    const int n = source.rowCount();
    m_order.reserve(std::size_t(n));
    for (int r = 0; r < n; ++r)
        if (!input.rowMask || (*input.rowMask)[std::size_t(r)])
            m_order.push_back(r);

    struct Key
    {
        std::vector<double> values;
        bool descending;
    };
    std::vector<Key> keys;
    for (const SortSpec& g : input.groups)
        keys.push_back({sortKey(source, g.field), g.descending});
    for (const SortSpec& s : input.sorts) {
        const bool grouped = std::any_of(input.groups.begin(), input.groups.end(),
                                         [&](const SortSpec& g) { return g.field == s.field; });
        if (!grouped)
            keys.push_back({sortKey(source, s.field), s.descending});
    }
    if (!keys.empty()) {
        std::stable_sort(m_order.begin(), m_order.end(), [&keys](int a, int b) {
            for (const Key& k : keys) {
                const double x = k.values[std::size_t(a)], y = k.values[std::size_t(b)];
                if (x != y)
                    return k.descending ? y < x : x < y;
            }
            return false;
        });
    }

    std::vector<std::vector<double>> groupKeys;
    for (std::size_t g = 0; g < input.groups.size(); ++g)
        groupKeys.push_back(std::move(keys[g].values));
    buildNodes(groupKeys);
    recomputeSums(source);
}

void GroupTree::buildNodes(const std::vector<std::vector<double>>& groupKeys)
{
    m_levels = int(groupKeys.size());
    std::vector<std::vector<GroupNode>> perLevel;
    perLevel.resize(std::size_t(m_levels));
    const int n = int(m_order.size());
    for (int p = 0; p < n; ++p) {
        int from = 0; // first level whose group changes at p
        if (p > 0) {
            const int a = m_order[std::size_t(p - 1)], b = m_order[std::size_t(p)];
            while (from < m_levels && groupKeys[std::size_t(from)][std::size_t(a)] == groupKeys[std::size_t(from)][std::size_t(b)])
                ++from;
        }
        for (int l = from; l < m_levels; ++l) {
            auto& nodes = perLevel[std::size_t(l)];
            if (!nodes.empty())
                nodes.back().end = p;
            GroupNode node;
            node.begin = p;
            node.level = l;
            if (l > 0) {
                auto& parents = perLevel[std::size_t(l - 1)];
                node.parent = int(parents.size()) - 1;
                GroupNode& parent = parents.back();
                if (parent.endChild == parent.firstChild)
                    parent.firstChild = int(nodes.size());
                parent.endChild = int(nodes.size()) + 1;
            }
            nodes.push_back(node);
        }
    }
    m_levelBegin.assign(std::size_t(m_levels) + 1, 0);
    for (int l = 0; l < m_levels; ++l) {
        if (!perLevel[std::size_t(l)].empty())
            perLevel[std::size_t(l)].back().end = n;
        m_levelBegin[std::size_t(l) + 1] = m_levelBegin[std::size_t(l)] + int(perLevel[std::size_t(l)].size());
    }
    m_nodes.reserve(std::size_t(m_levelBegin.back()));
    for (int l = 0; l < m_levels; ++l) {
        const int childBase = m_levelBegin[std::size_t(l) + 1];
        const int parentBase = l > 0 ? m_levelBegin[std::size_t(l) - 1] : 0;
        for (GroupNode node : perLevel[std::size_t(l)]) {
            if (node.parent >= 0)
                node.parent += parentBase;
            if (l + 1 < m_levels) {
                node.firstChild += childBase;
                node.endChild += childBase;
            } else {
                node.firstChild = node.endChild = 0;
            }
            m_nodes.push_back(node);
        }
    }
}

void GroupTree::setSummedFields(const std::vector<int>& fields)
{
    m_summedFields = fields;
    m_sums.assign(m_nodes.size() * fields.size(), 0.0);
    m_totals.assign(fields.size(), 0.0);
}

void GroupTree::recomputeSums(const RowSource& source)
{
    const std::size_t k = m_summedFields.size();
    m_sums.assign(m_nodes.size() * k, 0.0);
    m_totals.assign(k, 0.0);
    if (k == 0)
        return;
    std::vector<int> current(std::size_t(m_levels), -1);
    std::vector<double> values(k);
    const int n = int(m_order.size());
    for (int p = 0; p < n; ++p) {
        for (int l = 0; l < m_levels; ++l) {
            int& c = current[std::size_t(l)];
            if (c < 0)
                c = m_levelBegin[std::size_t(l)];
            while (m_nodes[std::size_t(c)].end <= p)
                ++c;
        }
        const int row = m_order[std::size_t(p)];
        for (std::size_t i = 0; i < k; ++i) {
            bool isNull = false;
            const double v = source.number(row, m_summedFields[i], &isNull);
            values[i] = isNull ? 0.0 : v;
            m_totals[i] += values[i];
        }
        for (int l = 0; l < m_levels; ++l) {
            double* sums = &m_sums[std::size_t(current[std::size_t(l)]) * k];
            for (std::size_t i = 0; i < k; ++i)
                sums[i] += values[i];
        }
    }
}

std::size_t GroupTree::memoryUsage() const
{
    return m_order.capacity() * sizeof(int) + m_nodes.capacity() * sizeof(GroupNode)
        + m_levelBegin.capacity() * sizeof(int) + (m_sums.capacity() + m_totals.capacity()) * sizeof(double)
        + m_summedFields.capacity() * sizeof(int);
}

int GroupTree::nodeOf(int position, int level) const
{
    const auto first = m_nodes.begin() + m_levelBegin[std::size_t(level)];
    const auto last = m_nodes.begin() + m_levelBegin[std::size_t(level) + 1];
    auto it = std::upper_bound(first, last, position,
                               [](int p, const GroupNode& g) { return p < g.begin; });
    return int(it - m_nodes.begin()) - 1;
}

int GroupTree::leafNodeOf(int position) const
{
    return m_levels == 0 ? -1 : nodeOf(position, m_levels - 1);
}

std::vector<int> GroupTree::lines(const std::vector<char>& expanded, FooterMode footers) const
{
    std::vector<int> out;
    if (m_levels == 0) {
        out.resize(m_order.size());
        std::iota(out.begin(), out.end(), 0);
        return out;
    }
    out.reserve(m_order.size() + 2 * m_nodes.size());
    auto emit = [&](auto&& self, int n) -> void {
        const GroupNode& g = m_nodes[std::size_t(n)];
        out.push_back(LineRef::groupRow(n));
        const bool open = expanded[std::size_t(n)] != 0;
        if (open) {
            if (g.level + 1 < m_levels) {
                for (int c = g.firstChild; c < g.endChild; ++c)
                    self(self, c);
            } else {
                for (int p = g.begin; p < g.end; ++p)
                    out.push_back(LineRef::row(p));
            }
        }
        if (footers == FooterMode::Always || (footers == FooterMode::WhenExpanded && open))
            out.push_back(LineRef::groupFooter(n));
    };
    for (int n = m_levelBegin[0]; n < m_levelBegin[1]; ++n)
        emit(emit, n);
    return out;
}

} // namespace custos::grid
