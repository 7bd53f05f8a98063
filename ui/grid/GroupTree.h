#pragma once
// The grid's arrangement of a source's rows as plain data: the rows the user's filter lets
// through, in display order (grouping fields first, then sorting fields), the groups of every
// level as nested ranges of that order, and the sums of the summed fields per group and overall.
//
// The source itself is never reordered. Memory: one int per shown row, plus per group its range
// and one double per summed field.

#include <QCollator>
#include <vector>

namespace custos::grid {

class RowSource;

struct SortSpec
{
    int field = -1;
    bool descending = false;
};

struct GroupNode
{
    int begin = 0;       // first position in order()
    int end = 0;         // one past the last
    int parent = -1;     // node index, -1 at the top level
    int firstChild = 0;  // node indices of the next level (empty range at the last level)
    int endChild = 0;
    int level = 0;
};

// A display line: a data row (its position in order()), a group row or a group footer.
struct LineRef
{
    enum Kind { Row, GroupRow, GroupFooter };
    static int row(int position) { return position; }
    static int groupRow(int node) { return -2 * node - 1; }
    static int groupFooter(int node) { return -2 * node - 2; }
    static Kind kind(int line) { return line >= 0 ? Row : ((-line - 1) % 2 == 0 ? GroupRow : GroupFooter); }
    static int position(int line) { return line; }
    static int node(int line) { return (-line - 1) / 2; }
};

class GroupTree
{
public:
    struct Input
    {
        const RowSource* source = nullptr;
        std::vector<SortSpec> groups;  // one per level
        std::vector<SortSpec> sorts;   // within the groups
        const std::vector<char>* rowMask = nullptr; // rows shown (null: all)
        std::vector<int> summedFields;
    };

    GroupTree();

    void build(const Input& input);
    // Recomputes the sums over the current arrangement (after values changed).
    void recomputeSums(const RowSource& source);
    // Sums other fields over the same arrangement; the sums are zero until recomputed.
    void setSummedFields(const std::vector<int>& fields);
    void clear();

    const std::vector<int>& order() const { return m_order; }
    int sourceRow(int position) const { return m_order[std::size_t(position)]; }
    int levelCount() const { return m_levels; }
    int nodeCount() const { return int(m_nodes.size()); }
    const GroupNode& node(int n) const { return m_nodes[std::size_t(n)]; }
    // Node indices of one level, [levelBegin(l), levelBegin(l + 1)).
    int levelBegin(int level) const { return m_levelBegin[std::size_t(level)]; }
    // The last-level group holding a position; -1 when there are no groups.
    int leafNodeOf(int position) const;
    // The group of a level holding a position.
    int nodeOf(int position, int level) const;

    int summedFieldCount() const { return int(m_summedFields.size()); }
    double nodeSum(int node, int k) const { return m_sums[std::size_t(node) * m_summedFields.size() + std::size_t(k)]; }
    double totalSum(int k) const { return m_totals[std::size_t(k)]; }

    // Bytes held by the arrangement (order, groups, sums).
    std::size_t memoryUsage() const;

    enum class FooterMode { Hidden, WhenExpanded, Always };
    // The display lines; expanded[n] tells whether node n shows its content.
    std::vector<int> lines(const std::vector<char>& expanded, FooterMode footers) const;

private:
    void sortRows(const Input& input);
    void buildNodes(const std::vector<std::vector<double>>& groupKeys);
    std::vector<double> sortKey(const RowSource& source, int field) const;

    QCollator m_collator;
    std::vector<int> m_order;
    std::vector<GroupNode> m_nodes;
    std::vector<int> m_levelBegin;
    int m_levels = 0;
    std::vector<int> m_summedFields;
    std::vector<double> m_sums;
    std::vector<double> m_totals;
};

} // namespace custos::grid
