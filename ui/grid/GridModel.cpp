#include "GridModel.h"

#include "GridColumn.h"
#include "RowSource.h"

#include <QBrush>
#include <QCollator>
#include <QLocale>
#include <algorithm>

namespace custos::grid {

GridModel::GridModel(QObject* parent) : QAbstractItemModel(parent)
{
}

GridModel::~GridModel() = default;

void GridModel::setSource(RowSource* source)
{
    if (m_source)
        disconnect(m_source, nullptr, this, nullptr);
    m_source = source;
    if (source) {
        connect(source, &RowSource::rowsReset, this, &GridModel::rebuild);
        connect(source, &RowSource::rowChanged, this, &GridModel::onRowChanged);
        connect(source, &RowSource::pendingChanged, this, &GridModel::valuesChanged);
        connect(source, &QObject::destroyed, this, &GridModel::rebuild);
    }
    rebuild();
}

GridColumn* GridModel::addColumn(const QString& fieldName, const QString& caption, const QString& objectName)
{
    auto* column = new GridColumn(fieldName, caption, this);
    column->setObjectName(objectName);
    if (m_source)
        column->setFieldIndex(m_source->fieldIndex(fieldName));
    connect(column, &GridColumn::changed, this, &GridModel::columnsChanged);
    connect(column, &GridColumn::textsChanged, this, [this] {
        if (!m_grouping.isEmpty() || !m_filters.isEmpty())
            rebuild();
        else
            Q_EMIT valuesChanged();
    });
    beginResetModel();
    m_columns.append(column);
    endResetModel();
    Q_EMIT columnsChanged();
    return column;
}

GridColumn* GridModel::columnForField(const QString& fieldName) const
{
    for (GridColumn* c : m_columns)
        if (c->fieldName().compare(fieldName, Qt::CaseInsensitive) == 0)
            return c;
    return nullptr;
}

void GridModel::moveColumn(GridColumn* column, int toIndex)
{
    const int from = int(m_columns.indexOf(column));
    toIndex = std::clamp(toIndex, 0, int(m_columns.size()) - 1);
    if (from < 0 || from == toIndex)
        return;
    beginResetModel();
    m_columns.move(from, toIndex);
    endResetModel();
    Q_EMIT columnsChanged();
}

void GridModel::setGrouping(const QList<GroupSpec>& grouping)
{
    m_grouping = grouping;
    rebuild();
}

void GridModel::groupBy(GridColumn* column, int level, Qt::SortOrder order)
{
    QList<GroupSpec> grouping = m_grouping;
    const int current = groupLevel(column);
    if (current >= 0) {
        order = grouping[current].order;
        grouping.removeAt(current);
    }
    if (level < 0 || level > grouping.size())
        level = int(grouping.size());
    grouping.insert(level, {column, order});
    setGrouping(grouping);
}

void GridModel::ungroup(GridColumn* column)
{
    const int level = groupLevel(column);
    if (level < 0)
        return;
    QList<GroupSpec> grouping = m_grouping;
    grouping.removeAt(level);
    setGrouping(grouping);
}

int GridModel::groupLevel(const GridColumn* column) const
{
    for (int i = 0; i < m_grouping.size(); ++i)
        if (m_grouping[i].column == column)
            return i;
    return -1;
}

void GridModel::setSorting(const QList<SortField>& sorting)
{
    m_sorting = sorting;
    rebuild();
}

std::optional<Qt::SortOrder> GridModel::sortOrder(const GridColumn* column) const
{
    for (const SortField& s : m_sorting)
        if (s.field.compare(column->fieldName(), Qt::CaseInsensitive) == 0)
            return s.order;
    return std::nullopt;
}

void GridModel::setColumnFilter(GridColumn* column, const QStringList& texts)
{
    if (texts.isEmpty())
        m_filters.remove(column);
    else
        m_filters.insert(column, texts);
    rebuild();
}

QStringList GridModel::columnFilter(const GridColumn* column) const
{
    return m_filters.value(column);
}

void GridModel::clearUserFilter()
{
    if (m_filters.isEmpty())
        return;
    m_filters.clear();
    rebuild();
}

QString GridModel::filterDescription() const
{
    QStringList parts;
    for (const GridColumn* c : m_columns) {
        const QStringList texts = m_filters.value(c);
        if (texts.isEmpty())
            continue;
        QStringList quoted;
        for (const QString& t : texts)
            quoted << QLatin1Char('\'') + t + QLatin1Char('\'');
        const QString condition = texts.size() == 1
            ? QString(QStringLiteral(" = ") + quoted.first())
            : QString(QStringLiteral(" em (") + quoted.join(QStringLiteral(", ")) + QLatin1Char(')'));
        parts << c->headerText() + condition;
    }
    return parts.join(QStringLiteral(" e "));
}

QStringList GridModel::distinctTexts(const GridColumn* column) const
{
    QSet<QString> seen;
    QStringList texts;
    if (m_source)
        for (int r = 0, n = m_source->rowCount(); r < n; ++r) {
            const QString t = cellText(r, column);
            if (!seen.contains(t)) {
                seen.insert(t);
                texts << t;
            }
        }
    QCollator collator;
    collator.setNumericMode(true);
    std::sort(texts.begin(), texts.end(), [&](const QString& a, const QString& b) { return collator.compare(a, b) < 0; });
    return texts;
}

std::vector<char> GridModel::filterMask() const
{
    const int n = m_source ? m_source->rowCount() : 0;
    std::vector<char> mask(std::size_t(n), 1);
    for (auto it = m_filters.cbegin(); it != m_filters.cend(); ++it) {
        const QSet<QString> accepted(it.value().cbegin(), it.value().cend());
        for (int r = 0; r < n; ++r)
            if (mask[std::size_t(r)] && !accepted.contains(cellText(r, it.key())))
                mask[std::size_t(r)] = 0;
    }
    return mask;
}

void GridModel::addSummary(std::vector<ResolvedSummary>& list, const GridSummary& summary)
{
    list.push_back({summary, -1, custos::data::DisplayFormat(summary.format)});
    // A sum more leaves the rows, their order and the lines as they are: only the sums are taken
    // again, when next read.
    beginResetModel();
    resolveSummaryFields();
    m_tree.setSummedFields(m_summedFields);
    m_sumsStale = true;
    endResetModel();
    Q_EMIT valuesChanged();
}

void GridModel::addFooterSummary(const GridSummary& summary)
{
    addSummary(m_footerSummaries, summary);
}

void GridModel::addGroupSummary(const GridSummary& summary)
{
    addSummary(m_groupSummaries, summary);
}

void GridModel::resolveSummaryFields()
{
    m_summedFields.clear();
    auto resolve = [this](ResolvedSummary& s) {
        s.sumIndex = -1;
        if (!m_source)
            return;
        const QString name = s.summary.field.isEmpty() ? s.summary.column->fieldName() : s.summary.field;
        const int field = m_source->fieldIndex(name);
        if (field < 0)
            return;
        auto it = std::find(m_summedFields.begin(), m_summedFields.end(), field);
        if (it == m_summedFields.end())
            it = m_summedFields.insert(m_summedFields.end(), field);
        s.sumIndex = int(it - m_summedFields.begin());
    };
    for (ResolvedSummary& s : m_footerSummaries)
        resolve(s);
    for (ResolvedSummary& s : m_groupSummaries)
        resolve(s);
}

const GridModel::ResolvedSummary* GridModel::findFooter(const GridColumn* column) const
{
    for (const ResolvedSummary& s : m_footerSummaries)
        if (s.summary.column == column)
            return &s;
    return nullptr;
}

const GridModel::ResolvedSummary* GridModel::findGroupSummary(const GroupTree& tree, int node, const GridColumn* column) const
{
    const GroupNode& g = tree.node(node);
    const QString levelField = m_levelColumns[std::size_t(g.level)]->fieldName();
    const ResolvedSummary* general = nullptr;
    for (const ResolvedSummary& s : m_groupSummaries) {
        if (s.summary.column != column)
            continue;
        if (s.summary.groupFields.isEmpty()) {
            if (!general)
                general = &s;
        } else if (s.summary.groupFields.contains(levelField, Qt::CaseInsensitive)) {
            return &s;
        }
    }
    return general;
}

const GridSummary* GridModel::footerSummary(const GridColumn* column) const
{
    const ResolvedSummary* s = findFooter(column);
    return s ? &s->summary : nullptr;
}

const GridSummary* GridModel::groupSummary(const GroupTree& tree, int node, const GridColumn* column) const
{
    const ResolvedSummary* s = findGroupSummary(tree, node, column);
    return s ? &s->summary : nullptr;
}

QString GridModel::footerText(const GroupTree& tree, const GridColumn* column) const
{
    const ResolvedSummary* s = findFooter(column);
    if (!s || s->sumIndex < 0)
        return {};
    return s->format.format(tree.totalSum(s->sumIndex), QLocale());
}

std::optional<double> GridModel::footerValue(const GroupTree& tree, const GridColumn* column) const
{
    const ResolvedSummary* s = findFooter(column);
    if (!s || s->sumIndex < 0)
        return std::nullopt;
    return tree.totalSum(s->sumIndex);
}

std::optional<double> GridModel::groupFooterValue(const GroupTree& tree, int node, const GridColumn* column) const
{
    const ResolvedSummary* s = findGroupSummary(tree, node, column);
    if (!s || s->sumIndex < 0)
        return std::nullopt;
    return tree.nodeSum(node, s->sumIndex);
}

QString GridModel::groupFooterText(const GroupTree& tree, int node, const GridColumn* column) const
{
    const ResolvedSummary* s = findGroupSummary(tree, node, column);
    if (!s || s->sumIndex < 0)
        return {};
    return s->format.format(tree.nodeSum(node, s->sumIndex), QLocale());
}

void GridModel::setGroupFooterMode(FooterMode mode)
{
    m_footerMode = mode;
    rebuildLines();
}

void GridModel::expandAll()
{
    m_collapsedPaths.clear();
    std::fill(m_expanded.begin(), m_expanded.end(), char(1));
    rebuildLines();
}

void GridModel::collapseAll()
{
    for (int n = 0; n < m_tree.nodeCount(); ++n)
        m_collapsedPaths.insert(groupPath(n));
    std::fill(m_expanded.begin(), m_expanded.end(), char(0));
    rebuildLines();
}

void GridModel::setExpanded(int node, bool expanded)
{
    if (isExpanded(node) == expanded)
        return;
    m_expanded[std::size_t(node)] = expanded;
    if (expanded)
        m_collapsedPaths.remove(groupPath(node));
    else
        m_collapsedPaths.insert(groupPath(node));
    rebuildLines();
}

QString GridModel::groupPath(int node) const
{
    QString path;
    for (int n = node; n >= 0; n = m_tree.node(n).parent) {
        const GroupNode& g = m_tree.node(n);
        path.prepend(cellText(m_tree.sourceRow(g.begin), m_levelColumns[std::size_t(g.level)]) + QChar(0x1f));
    }
    return path;
}

GroupTree::Input GridModel::treeInput(const std::vector<char>* rowMask) const
{
    GroupTree::Input input;
    input.source = m_source;
    for (const GridColumn* c : m_levelColumns)
        input.groups.push_back({c->fieldIndex(), m_grouping[groupLevel(c)].order == Qt::DescendingOrder});
    if (m_source)
        for (const SortField& s : m_sorting) {
            const int f = m_source->fieldIndex(s.field);
            if (f >= 0)
                input.sorts.push_back({f, s.order == Qt::DescendingOrder});
        }
    input.rowMask = rowMask;
    input.summedFields = m_summedFields;
    return input;
}

void GridModel::rebuild()
{
    beginResetModel();
    for (GridColumn* c : m_columns)
        c->setFieldIndex(m_source ? m_source->fieldIndex(c->fieldName()) : -1);
    resolveSummaryFields();
    // Grouping or sorting by a field the source lacks is ignored until the source has it.
    m_levelColumns.clear();
    for (const GroupSpec& g : m_grouping)
        if (g.column->fieldIndex() >= 0)
            m_levelColumns.push_back(g.column);
    const std::vector<char> mask = m_filters.isEmpty() ? std::vector<char>() : filterMask();
    m_tree.build(treeInput(m_filters.isEmpty() ? nullptr : &mask));
    m_sumsStale = false;
    m_expanded.assign(std::size_t(m_tree.nodeCount()), 1);
    if (!m_collapsedPaths.isEmpty())
        for (int n = 0; n < m_tree.nodeCount(); ++n)
            if (m_collapsedPaths.contains(groupPath(n)))
                m_expanded[std::size_t(n)] = 0;
    endResetModel();
    rebuildLines();
}

void GridModel::rebuildLines()
{
    m_lines = m_tree.lines(m_expanded, m_footerMode);
    Q_EMIT linesChanged();
}

const GroupTree& GridModel::summed() const
{
    if (m_sumsStale && m_source) {
        m_tree.recomputeSums(*m_source);
        m_sumsStale = false;
    }
    return m_tree;
}

void GridModel::onRowChanged(int row)
{
    m_sumsStale = true;
    const auto& order = m_tree.order();
    const auto it = std::find(order.begin(), order.end(), row);
    if (it != order.end() && !m_columns.isEmpty()) {
        const int p = int(it - order.begin());
        const int leaf = m_tree.leafNodeOf(p);
        const int r = leaf < 0 ? p : p - m_tree.node(leaf).begin;
        const QModelIndex first = createIndex(r, 0, quintptr(p) * 2 + 1);
        Q_EMIT dataChanged(first, first.siblingAtColumn(int(m_columns.size()) - 1));
    }
    Q_EMIT valuesChanged();
}

std::size_t GridModel::memoryUsage() const
{
    return m_tree.memoryUsage() + m_lines.capacity() * sizeof(int) + m_expanded.capacity();
}

int GridModel::lineSourceRow(int index) const
{
    const int l = line(index);
    return LineRef::kind(l) == LineRef::Row ? m_tree.sourceRow(LineRef::position(l)) : -1;
}

int GridModel::lineNode(int index) const
{
    const int l = line(index);
    return LineRef::kind(l) == LineRef::Row ? m_tree.leafNodeOf(LineRef::position(l)) : LineRef::node(l);
}

int GridModel::lineLevel(int index) const
{
    const int l = line(index);
    return LineRef::kind(l) == LineRef::Row ? m_tree.levelCount() : m_tree.node(LineRef::node(l)).level;
}

int GridModel::lineOfSourceRow(int sourceRow) const
{
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        const int l = m_lines[i];
        if (l >= 0 && m_tree.sourceRow(l) == sourceRow)
            return int(i);
    }
    return -1;
}

GroupTree GridModel::unfilteredTree() const
{
    if (m_filters.isEmpty())
        return summed();
    GroupTree tree;
    tree.build(treeInput(nullptr));
    return tree;
}

std::vector<int> GridModel::allExpandedLines(const GroupTree& tree) const
{
    return tree.lines(std::vector<char>(std::size_t(tree.nodeCount()), 1), m_footerMode);
}

void GridModel::forEachShownRow(const std::function<void(int sourceRow)>& f) const
{
    // A copy: f may post rows, which can rebuild the lines.
    const std::vector<int> lines = m_lines;
    std::vector<int> rows;
    rows.reserve(lines.size());
    for (int l : lines)
        if (l >= 0)
            rows.push_back(m_tree.sourceRow(l));
    for (int r : rows)
        f(r);
}

QVariant GridModel::cellValue(int sourceRow, const GridColumn* column) const
{
    if (!m_source || column->fieldIndex() < 0 || sourceRow < 0 || sourceRow >= m_source->rowCount())
        return {};
    return m_source->value(sourceRow, column->fieldIndex());
}

QString GridModel::cellText(int sourceRow, const GridColumn* column) const
{
    if (!m_source || column->fieldIndex() < 0 || sourceRow < 0 || sourceRow >= m_source->rowCount())
        return {};
    if (column->isCheckBox())
        return {};
    if (column->isLookup())
        return column->lookupText(m_source->value(sourceRow, column->fieldIndex()));
    return m_source->displayText(sourceRow, column->fieldIndex());
}

bool GridModel::isNumeric(const GridColumn* column) const
{
    if (!m_source || column->fieldIndex() < 0 || column->isLookup())
        return false;
    const FieldKind k = m_source->fieldKind(column->fieldIndex());
    return k == FieldKind::Number || k == FieldKind::Integer;
}

Qt::Alignment GridModel::contentAlignment(const GridColumn* column) const
{
    if (column->alignment())
        return *column->alignment();
    if (column->isCheckBox())
        return Qt::AlignCenter;
    return (isNumeric(column) ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
}

QString GridModel::groupText(const GroupTree& tree, int node) const
{
    const GroupNode& g = tree.node(node);
    const GridColumn* column = m_levelColumns[std::size_t(g.level)];
    return column->headerText() + QStringLiteral(" : ") + cellText(tree.sourceRow(g.begin), column);
}

QModelIndex GridModel::indexOfLine(int lineIndex, int column) const
{
    if (lineIndex < 0 || lineIndex >= lineCount())
        return {};
    const int l = line(lineIndex);
    if (LineRef::kind(l) == LineRef::Row) {
        const int p = LineRef::position(l);
        const int leaf = m_tree.leafNodeOf(p);
        const int row = leaf < 0 ? p : p - m_tree.node(leaf).begin;
        return createIndex(row, column, quintptr(p) * 2 + 1);
    }
    const int n = LineRef::node(l);
    const GroupNode& g = m_tree.node(n);
    const int row = g.parent < 0 ? n - m_tree.levelBegin(0) : n - m_tree.node(g.parent).firstChild;
    return createIndex(row, column, quintptr(n) * 2);
}

QModelIndex GridModel::index(int row, int column, const QModelIndex& parent) const
{
    if (!hasIndex(row, column, parent))
        return {};
    if (!parent.isValid()) {
        if (m_tree.levelCount() == 0)
            return createIndex(row, column, quintptr(row) * 2 + 1);
        return createIndex(row, column, quintptr(m_tree.levelBegin(0) + row) * 2);
    }
    const int n = int(parent.internalId() / 2);
    const GroupNode& g = m_tree.node(n);
    if (g.level + 1 < m_tree.levelCount())
        return createIndex(row, column, quintptr(g.firstChild + row) * 2);
    return createIndex(row, column, quintptr(g.begin + row) * 2 + 1);
}

QModelIndex GridModel::parent(const QModelIndex& child) const
{
    if (!child.isValid())
        return {};
    const quintptr id = child.internalId();
    int parentNode = -1;
    if (isGroupId(id))
        parentNode = m_tree.node(int(id / 2)).parent;
    else
        parentNode = m_tree.leafNodeOf(int(id / 2));
    if (parentNode < 0)
        return {};
    const GroupNode& g = m_tree.node(parentNode);
    const int row = g.parent < 0 ? parentNode - m_tree.levelBegin(0) : parentNode - m_tree.node(g.parent).firstChild;
    return createIndex(row, 0, quintptr(parentNode) * 2);
}

int GridModel::rowCount(const QModelIndex& parent) const
{
    if (!parent.isValid())
        return m_tree.levelCount() == 0 ? int(m_tree.order().size()) : m_tree.levelBegin(1) - m_tree.levelBegin(0);
    if (parent.column() != 0 || !isGroupId(parent.internalId()))
        return 0;
    const GroupNode& g = m_tree.node(int(parent.internalId() / 2));
    return g.level + 1 < m_tree.levelCount() ? g.endChild - g.firstChild : g.end - g.begin;
}

int GridModel::columnCount(const QModelIndex&) const
{
    return int(m_columns.size());
}

QVariant GridModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const GridColumn* column = m_columns[index.column()];
    const quintptr id = index.internalId();
    if (isGroupId(id)) {
        const int n = int(id / 2);
        if (role == Qt::DisplayRole)
            return index.column() == 0 ? groupText(n) : groupFooterText(n, column);
        return {};
    }
    const int row = m_tree.sourceRow(int(id / 2));
    switch (role) {
    case Qt::DisplayRole:
        return cellText(row, column);
    case Qt::EditRole:
        return cellValue(row, column);
    case Qt::CheckStateRole:
        if (column->isCheckBox())
            return column->isChecked(cellValue(row, column)) ? Qt::Checked : Qt::Unchecked;
        return {};
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(contentAlignment(column));
    case Qt::BackgroundRole:
        if (column->contentStyle().background)
            return QBrush(*column->contentStyle().background);
        return {};
    case Qt::ForegroundRole:
        if (column->contentStyle().textColor)
            return QBrush(*column->contentStyle().textColor);
        return {};
    case SourceRowRole:
        return row;
    default:
        return {};
    }
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < m_columns.size())
        return m_columns[section]->headerText();
    return {};
}

Qt::ItemFlags GridModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (!isGroupId(index.internalId())) {
        f |= Qt::ItemNeverHasChildren;
        if (m_columns[index.column()]->isCheckBox())
            f |= Qt::ItemIsUserCheckable;
    }
    return f;
}

} // namespace custos::grid
