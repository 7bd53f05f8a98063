#pragma once
// The data face of a grid view: its columns over a row source, the grouping, sorting, user
// filter and summaries, the arranged rows (GroupTree) with the group expansion, and the display
// lines that follow from them. Exposed as a tree item model (group rows with their subgroups or
// data rows as children) for anything that reads a grid's content; the view paints from the
// same texts.

#include "GroupTree.h"

#include <DisplayFormat.h>

#include <QAbstractItemModel>
#include <QList>
#include <QPointer>
#include <QSet>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

namespace custos::grid {

class GridColumn;
class RowSource;

struct GridSummary
{
    GridColumn* column = nullptr;
    QString field;  // the summed field; empty: the column's own
    QString format; // display pattern ("#,0.00")
    Qt::Alignment alignment = Qt::AlignRight | Qt::AlignVCenter;
    // Group footers only: the grouping fields whose footers show it; empty: every level. A
    // summary naming a level wins over one for every level.
    QStringList groupFields;
};

class GridModel : public QAbstractItemModel
{
    Q_OBJECT
public:
    enum Role { SourceRowRole = Qt::UserRole + 1 };

    struct GroupSpec
    {
        GridColumn* column = nullptr;
        Qt::SortOrder order = Qt::AscendingOrder;
    };
    struct SortField
    {
        QString field;
        Qt::SortOrder order = Qt::AscendingOrder;
    };
    using FooterMode = GroupTree::FooterMode;

    explicit GridModel(QObject* parent = nullptr);
    ~GridModel() override;

    void setSource(RowSource* source);
    RowSource* source() const { return m_source; }

    // Columns, in the view's order. The model owns them.
    GridColumn* addColumn(const QString& fieldName, const QString& caption = {}, const QString& objectName = {});
    const QList<GridColumn*>& columns() const { return m_columns; }
    GridColumn* columnForField(const QString& fieldName) const;
    void moveColumn(GridColumn* column, int toIndex);

    void setGrouping(const QList<GroupSpec>& grouping);
    // Adds a grouping level at level (-1: last), or moves the column's level there.
    void groupBy(GridColumn* column, int level = -1, Qt::SortOrder order = Qt::AscendingOrder);
    void ungroup(GridColumn* column);
    const QList<GroupSpec>& grouping() const { return m_grouping; }
    // The column grouped at a level of tree().
    GridColumn* levelColumn(int level) const { return m_levelColumns[std::size_t(level)]; }
    int groupLevel(const GridColumn* column) const;

    void setSorting(const QList<SortField>& sorting);
    const QList<SortField>& sorting() const { return m_sorting; }
    std::optional<Qt::SortOrder> sortOrder(const GridColumn* column) const;

    // The user's filter: per column, the texts shown that pass (an empty list removes it).
    void setColumnFilter(GridColumn* column, const QStringList& texts);
    QStringList columnFilter(const GridColumn* column) const;
    bool hasUserFilter() const { return !m_filters.isEmpty(); }
    void clearUserFilter();
    QString filterDescription() const;
    // Every text the column shows over the source's rows, in collation order.
    QStringList distinctTexts(const GridColumn* column) const;

    void addFooterSummary(const GridSummary& summary);
    void addGroupSummary(const GridSummary& summary);
    bool hasFooterSummaries() const { return !m_footerSummaries.empty(); }
    // Sums and group texts over the model's tree, or over another arrangement of the same
    // source (unfilteredTree()).
    const GridSummary* footerSummary(const GridColumn* column) const;
    QString footerText(const GridColumn* column) const { return footerText(summed(), column); }
    QString footerText(const GroupTree& tree, const GridColumn* column) const;
    std::optional<double> footerValue(const GridColumn* column) const { return footerValue(summed(), column); }
    std::optional<double> footerValue(const GroupTree& tree, const GridColumn* column) const;
    const GridSummary* groupSummary(int node, const GridColumn* column) const { return groupSummary(summed(), node, column); }
    const GridSummary* groupSummary(const GroupTree& tree, int node, const GridColumn* column) const;
    QString groupFooterText(int node, const GridColumn* column) const { return groupFooterText(summed(), node, column); }
    QString groupFooterText(const GroupTree& tree, int node, const GridColumn* column) const;
    std::optional<double> groupFooterValue(int node, const GridColumn* column) const { return groupFooterValue(summed(), node, column); }
    std::optional<double> groupFooterValue(const GroupTree& tree, int node, const GridColumn* column) const;

    void setGroupFooterMode(FooterMode mode);
    FooterMode groupFooterMode() const { return m_footerMode; }

    void expandAll();
    void collapseAll();
    void setExpanded(int node, bool expanded);
    bool isExpanded(int node) const { return m_expanded[std::size_t(node)] != 0; }

    const GroupTree& tree() const { return summed(); }
    // Bytes of the grid's own structures: the arrangement, the lines and the expansion flags.
    std::size_t memoryUsage() const;
    // Display lines (LineRef encoding) as the view shows them.
    int lineCount() const { return int(m_lines.size()); }
    int line(int index) const { return m_lines[std::size_t(index)]; }
    LineRef::Kind lineKind(int index) const { return LineRef::kind(line(index)); }
    // The source row of a data line, -1 for group lines.
    int lineSourceRow(int index) const;
    // The group of a group row or footer line; for a data line its innermost group (-1 ungrouped).
    int lineNode(int index) const;
    int lineLevel(int index) const;
    int lineOfSourceRow(int sourceRow) const;
    // The arrangement of every source row with the user's filter lifted (what an export writes),
    // grouped, sorted and summed as the model's own.
    GroupTree unfilteredTree() const;
    // The lines of an arrangement with every group expanded.
    std::vector<int> allExpandedLines(const GroupTree& tree) const;
    // Calls f with the source row of every data line shown, in display order (rows inside
    // collapsed groups are skipped).
    void forEachShownRow(const std::function<void(int sourceRow)>& f) const;

    QString cellText(int sourceRow, const GridColumn* column) const;
    QVariant cellValue(int sourceRow, const GridColumn* column) const;
    bool isNumeric(const GridColumn* column) const;
    Qt::Alignment contentAlignment(const GridColumn* column) const;
    QString groupText(int node) const { return groupText(m_tree, node); }
    QString groupText(const GroupTree& tree, int node) const;

    QModelIndex indexOfLine(int lineIndex, int column) const;

    // QAbstractItemModel
    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

Q_SIGNALS:
    // The display lines changed (regrouped, re-sorted, filtered, expanded, new rows).
    void linesChanged();
    // Texts or sums changed, the lines stayed.
    void valuesChanged();
    // The column list or a column's look changed.
    void columnsChanged();

private:
    struct ResolvedSummary
    {
        GridSummary summary;
        int sumIndex = -1;
        custos::data::DisplayFormat format;
    };

    void rebuild();
    GroupTree::Input treeInput(const std::vector<char>* rowMask) const;
    void rebuildLines();
    void onRowChanged(int row);
    void addSummary(std::vector<ResolvedSummary>& list, const GridSummary& summary);
    void resolveSummaryFields();
    std::vector<char> filterMask() const;
    QString groupPath(int node) const;
    const ResolvedSummary* findFooter(const GridColumn* column) const;
    const ResolvedSummary* findGroupSummary(const GroupTree& tree, int node, const GridColumn* column) const;
    const GroupTree& summed() const;
    bool isGroupId(quintptr id) const { return (id & 1u) == 0; }

    QPointer<RowSource> m_source;
    QList<GridColumn*> m_columns;
    QList<GroupSpec> m_grouping;
    std::vector<GridColumn*> m_levelColumns; // the grouping columns in effect, one per tree level
    QList<SortField> m_sorting;
    QHash<const GridColumn*, QStringList> m_filters;
    std::vector<ResolvedSummary> m_footerSummaries;
    std::vector<ResolvedSummary> m_groupSummaries;
    std::vector<int> m_summedFields;
    FooterMode m_footerMode = FooterMode::WhenExpanded;
    // The sums are recomputed when next read after values changed, not on every change (a
    // walk over every row posts each one).
    mutable GroupTree m_tree;
    mutable bool m_sumsStale = false;
    std::vector<char> m_expanded;
    QSet<QString> m_collapsedPaths;
    std::vector<int> m_lines;
};

} // namespace custos::grid
