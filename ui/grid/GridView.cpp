#include "GridView.h"

#include "ErrorDisplay.h"

#include "CellEditor.h"
#include "ExportView.h"
#include "GridColumn.h"
#include "GridPainter.h"
#include "GroupByBox.h"
#include "RowSource.h"


#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>
#include <QTimer>
#include <cmath>

namespace custos::grid {

namespace {

constexpr int levelIndent = 16;
constexpr int filterButtonWidth = 13;

bool sameValue(const QVariant& a, const QVariant& b)
{
    if (a.isNull() || b.isNull())
        return a.isNull() == b.isNull();
    bool okA = false, okB = false;
    const double x = a.toDouble(&okA), y = b.toDouble(&okB);
    if (okA && okB)
        return x == y;
    return a == b;
}

} // namespace

GridView::GridView(QWidget* parent)
    : QAbstractScrollArea(parent), m_model(new GridModel(this)), m_groupBox(new GroupByBox(this))
{
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setMouseTracking(true);
    m_groupBox->hide();
    connect(m_model, &GridModel::columnsChanged, this, &GridView::relayout);
    connect(m_model, &GridModel::linesChanged, this, &GridView::onLinesChanged);
    connect(m_model, &GridModel::valuesChanged, viewport(), qOverload<>(&QWidget::update));
    relayout();
}

GridView::~GridView() = default;

void GridView::setSource(RowSource* source)
{
    if (m_model->source())
        disconnect(m_model->source(), nullptr, this, nullptr);
    closeEditor();
    m_focusLine = -1;
    m_focusedRow = -1;
    m_selected.clear();
    if (source)
        connect(source, &RowSource::currentRowChanged, this, &GridView::onSourceCurrentRowChanged);
    m_model->setSource(source);
}

GridBand* GridView::addBand(const QString& caption, const QString& objectName)
{
    auto* band = new GridBand(caption, this);
    band->setObjectName(objectName);
    m_bands.append(band);
    connect(band, &GridBand::changed, this, &GridView::relayout);
    relayout();
    return band;
}

GridBand* GridView::band(const QString& caption) const
{
    for (GridBand* b : m_bands)
        if (b->caption() == caption)
            return b;
    return nullptr;
}

GridColumn* GridView::addColumn(const QString& fieldName, const QString& caption, GridBand* band, int width,
                                const QString& objectName)
{
    GridColumn* column = m_model->addColumn(fieldName, caption, objectName);
    column->setWidth(width);
    column->setBand(band);
    return column;
}

// Options -----------------------------------------------------------------------------------

void GridView::setFillWidth(bool fill)
{
    m_fillWidth = fill;
    relayout();
}

void GridView::setRowIndicator(bool shown)
{
    m_rowIndicator = shown;
    relayout();
}

void GridView::setGroupByBox(bool shown)
{
    m_groupByBoxShown = shown;
    m_groupBox->setVisible(shown);
    relayout();
}

void GridView::setFooterVisible(bool shown)
{
    m_footerVisible = shown;
    relayout();
}

void GridView::setEditable(bool editable)
{
    m_editable = editable;
    if (!editable)
        cancelEditing();
}

void GridView::setPostImmediately(bool immediately)
{
    m_postImmediately = immediately;
}

void GridView::setEnterActsAsDown(bool enabled)
{
    m_enterActsAsDown = enabled;
}

void GridView::setTabMovesBetweenCells(bool enabled)
{
    m_tabMovesBetweenCells = enabled;
}

void GridView::setMultiSelect(bool enabled)
{
    m_multiSelect = enabled;
    m_selected.clear();
    if (enabled && focusedSourceRow() >= 0)
        m_selected.insert(focusedSourceRow());
    viewport()->update();
}

void GridView::setHeaderSorting(bool enabled)
{
    m_headerSorting = enabled;
}

void GridView::setUserFilter(bool enabled)
{
    m_userFilter = enabled;
}

void GridView::setContentStyle(const GridStyle& style)
{
    m_contentStyle = style;
    relayout();
}

void GridView::setHeaderStyle(const GridStyle& style)
{
    m_headerStyle = style;
    relayout();
}

void GridView::setGroupRowStyle(const GridStyle& style)
{
    m_groupRowStyle = style;
    relayout();
}

void GridView::setFooterStyle(const GridStyle& style)
{
    m_footerStyle = style;
    relayout();
}

void GridView::setInactiveSelectionStyle(const GridStyle& style)
{
    m_inactiveSelectionStyle = style;
    relayout();
}

void GridView::setPendingValueStyle(const GridStyle& style)
{
    m_pendingValueStyle = style;
    relayout();
}

// Geometry ----------------------------------------------------------------------------------

int GridView::headerHeight() const
{
    return (m_bands.isEmpty() ? 0 : m_rowHeight + 2) + m_rowHeight + 4;
}

int GridView::footerHeight() const
{
    return m_footerVisible ? m_rowHeight + 6 : 0;
}

int GridView::indentWidth() const
{
    return m_model->tree().levelCount() * levelIndent;
}

int GridView::dataLeft() const
{
    return indicatorWidth() + indentWidth();
}

QRect GridView::filterStripRect() const
{
    if (!m_model->hasUserFilter())
        return {};
    const int h = m_rowHeight + 6;
    return {0, viewport()->height() - h, viewport()->width(), h};
}

QRect GridView::filterClearRect() const
{
    const QRect strip = filterStripRect();
    if (strip.isEmpty())
        return {};
    return {strip.left() + 4, strip.top() + (strip.height() - 14) / 2, 14, 14};
}

int GridView::firstVisibleLine() const
{
    return verticalScrollBar()->value();
}

int GridView::visibleLineCount() const
{
    const int area = viewport()->height() - headerHeight() - footerHeight() - filterStripRect().height();
    return area <= 0 ? 0 : (area + m_rowHeight - 1) / m_rowHeight;
}

int GridView::lineAt(int y) const
{
    const int bottom = viewport()->height() - footerHeight() - filterStripRect().height();
    if (y < headerHeight() || y >= bottom)
        return -1;
    const int line = firstVisibleLine() + (y - headerHeight()) / m_rowHeight;
    return line < m_model->lineCount() ? line : -1;
}

int GridView::regionOrigin(Region region) const
{
    const int left = dataLeft();
    const int leftWidth = m_layout.regionWidth(Region::Left);
    switch (region) {
    case Region::Left: return left;
    case Region::Scroll: return left + leftWidth - horizontalScrollBar()->value();
    case Region::Right: {
        const int atEdge = viewport()->width() - m_layout.regionWidth(Region::Right);
        const int afterContent = left + leftWidth + m_layout.regionWidth(Region::Scroll);
        return qMax(left + leftWidth, qMin(atEdge, afterContent));
    }
    }
    return left;
}

QRect GridView::regionRect(Region region) const
{
    const int h = viewport()->height();
    const int scrollStart = dataLeft() + m_layout.regionWidth(Region::Left);
    switch (region) {
    case Region::Left: return {dataLeft(), 0, m_layout.regionWidth(Region::Left), h};
    case Region::Scroll: return {scrollStart, 0, qMax(0, regionOrigin(Region::Right) - scrollStart), h};
    case Region::Right: return {regionOrigin(Region::Right), 0, m_layout.regionWidth(Region::Right), h};
    }
    return {};
}

QRect GridView::columnHeaderRect(const GridColumn* column) const
{
    const int i = m_layout.indexOf(column);
    if (i < 0)
        return {};
    const ColumnGeometry& g = m_layout.columns()[std::size_t(i)];
    return {regionOrigin(g.region) + g.x, m_bands.isEmpty() ? 0 : m_rowHeight + 2, g.width, m_rowHeight + 4};
}

QRect GridView::bandHeaderRect(const GridBand* band) const
{
    for (const BandGeometry& b : m_layout.bands())
        if (b.band == band)
            return {regionOrigin(b.region) + b.x, 0, b.width, m_rowHeight + 2};
    return {};
}

QRect GridView::cellRect(int line, const GridColumn* column) const
{
    const QRect header = columnHeaderRect(column);
    if (header.isNull() || line < firstVisibleLine() || line >= firstVisibleLine() + visibleLineCount())
        return {};
    return {header.x(), headerHeight() + (line - firstVisibleLine()) * m_rowHeight, header.width(), m_rowHeight};
}

GridColumn* GridView::columnAtX(int x) const
{
    for (Region region : {Region::Left, Region::Right, Region::Scroll}) {
        const QRect r = regionRect(region);
        if (x < r.left() || x > r.right())
            continue;
        const int origin = regionOrigin(region);
        for (const ColumnGeometry& g : m_layout.columns())
            if (g.region == region && x >= origin + g.x && x < origin + g.x + g.width)
                return g.column;
        return nullptr;
    }
    return nullptr;
}

GridView::Hit GridView::hitTest(const QPoint& pos) const
{
    Hit hit;
    if (filterClearRect().contains(pos)) {
        hit.area = Hit::FilterClear;
        return hit;
    }
    if (pos.y() < headerHeight()) {
        const int bandHeight = m_bands.isEmpty() ? 0 : m_rowHeight + 2;
        if (pos.y() < bandHeight) {
            hit.area = Hit::BandHeader;
            return hit;
        }
        hit.column = columnAtX(pos.x());
        if (!hit.column)
            return hit;
        const QRect r = columnHeaderRect(hit.column);
        if (pos.x() >= r.right() - 2)
            hit.area = Hit::HeaderBorder;
        else if (m_userFilter && r.width() > 3 * filterButtonWidth && pos.x() >= r.right() - filterButtonWidth)
            hit.area = Hit::FilterButton;
        else
            hit.area = Hit::ColumnHeader;
        return hit;
    }
    hit.line = lineAt(pos.y());
    if (hit.line < 0) {
        if (m_footerVisible && pos.y() >= viewport()->height() - footerHeight() - filterStripRect().height())
            hit.area = Hit::Footer;
        return hit;
    }
    if (m_model->lineKind(hit.line) == LineRef::GroupRow) {
        const int x = indicatorWidth() + m_model->lineLevel(hit.line) * levelIndent;
        hit.area = pos.x() >= x && pos.x() < x + levelIndent ? Hit::Expander : Hit::Line;
        return hit;
    }
    hit.area = Hit::Line;
    hit.column = columnAtX(pos.x());
    return hit;
}

int GridView::fontHeight(const GridStyle& style)
{
    for (const FontHeight& h : m_fontHeights)
        if (h.family == style.fontFamily && h.pixelSize == style.fontPixelSize && h.bold == style.bold)
            return h.height;
    const int height = QFontMetrics(style.font(m_heightsFont)).height();
    m_fontHeights.push_back({style.fontFamily, style.fontPixelSize, style.bold, height});
    return height;
}

void GridView::relayout()
{
    if (m_heightsFont != font()) {
        m_heightsFont = font();
        m_fontHeights.clear();
    }
    int height = fontHeight(GridStyle());
    for (const GridStyle* s : {&m_contentStyle, &m_groupRowStyle, &m_footerStyle, &m_inactiveSelectionStyle})
        height = qMax(height, fontHeight(*s));
    for (const GridColumn* c : m_model->columns())
        height = qMax(height, fontHeight(c->contentStyle()));
    m_rowHeight = height + 4;

    const int boxHeight = m_groupByBoxShown ? m_groupBox->sizeHint().height() : 0;
    if (viewportMargins() != QMargins(0, boxHeight, 0, 0))
        setViewportMargins(0, boxHeight, 0, 0);
    if (m_groupByBoxShown)
        m_groupBox->setGeometry(frameWidth(), frameWidth(), width() - 2 * frameWidth(), boxHeight);

    m_layout.compute(m_model->columns(), m_bands, viewport()->width() - dataLeft(), m_fillWidth);
    updateScrollBars();
    placeEditor();
    viewport()->update();
    m_groupBox->update();
}

void GridView::updateScrollBars()
{
    const int page = qMax(1, visibleLineCount() - 1);
    verticalScrollBar()->setRange(0, qMax(0, m_model->lineCount() - page));
    verticalScrollBar()->setPageStep(page);
    const int visibleWidth = viewport()->width() - dataLeft() - m_layout.regionWidth(Region::Left)
        - m_layout.regionWidth(Region::Right);
    horizontalScrollBar()->setRange(0, qMax(0, m_layout.regionWidth(Region::Scroll) - visibleWidth));
    horizontalScrollBar()->setPageStep(qMax(1, visibleWidth));
    horizontalScrollBar()->setSingleStep(20);
}

void GridView::onLinesChanged()
{
    closeEditor();
    relayout();
    const int previousRow = m_focusedRow;
    int line = -1;
    if (source() && source()->currentRow() >= 0)
        line = m_model->lineOfSourceRow(source()->currentRow());
    if (line < 0 && m_focusLine >= 0)
        line = qMin(m_focusLine, m_model->lineCount() - 1);
    m_focusLine = line;
    const int row = focusedSourceRow();
    if (row >= 0 && row != previousRow)
        Q_EMIT rowAboutToReceiveFocus(row);
    if (!m_focusColumn || !m_focusColumn->canFocus() || m_layout.indexOf(m_focusColumn) < 0) {
        const QList<GridColumn*> focusable = focusableColumns();
        m_focusColumn = focusable.isEmpty() ? nullptr : focusable.first();
    }
    if (m_multiSelect && m_selected.isEmpty() && row >= 0)
        m_selected.insert(row);
    viewport()->update();
    m_focusedRow = row;
    if (row >= 0 && row != previousRow)
        Q_EMIT focusedRowChanged(row);
}

void GridView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    relayout();
}

void GridView::scrollContentsBy(int, int)
{
    placeEditor();
    viewport()->update();
}

void GridView::paintEvent(QPaintEvent*)
{
    QPainter p(viewport());
    GridPainter(*this, p).paint();
}

void GridView::ensureLineVisible(int line)
{
    if (line < 0)
        return;
    const int page = qMax(1, visibleLineCount() - 1);
    if (line < firstVisibleLine())
        verticalScrollBar()->setValue(line);
    else if (line >= firstVisibleLine() + page)
        verticalScrollBar()->setValue(line - page + 1);
}

void GridView::ensureColumnVisible(const GridColumn* column)
{
    const int i = m_layout.indexOf(column);
    if (i < 0)
        return;
    const ColumnGeometry& g = m_layout.columns()[std::size_t(i)];
    if (g.region != Region::Scroll)
        return;
    const int visibleWidth = regionRect(Region::Scroll).width();
    QScrollBar* bar = horizontalScrollBar();
    if (g.x < bar->value())
        bar->setValue(g.x);
    else if (g.x + g.width > bar->value() + visibleWidth)
        bar->setValue(qMin(g.x, g.x + g.width - visibleWidth));
}

// Focus and selection -------------------------------------------------------------------------

bool GridView::hasFocusState() const
{
    return hasFocus() || (m_editor && m_editor->hasFocus());
}

int GridView::focusedSourceRow() const
{
    return m_focusLine >= 0 && m_focusLine < m_model->lineCount() ? m_model->lineSourceRow(m_focusLine) : -1;
}

QList<GridColumn*> GridView::focusableColumns() const
{
    QList<GridColumn*> out;
    for (Region region : {Region::Left, Region::Scroll, Region::Right})
        for (const ColumnGeometry& g : m_layout.columns())
            if (g.region == region && g.column->canFocus())
                out << g.column;
    return out;
}

void GridView::setFocusedColumn(GridColumn* column)
{
    if (column == m_focusColumn || !column || !column->canFocus())
        return;
    if (!commitEditing())
        return;
    m_focusColumn = column;
    ensureColumnVisible(column);
    viewport()->update();
}

void GridView::showError(const std::exception& error)
{
    Q_EMIT errorShown(custos::ui::errorText(error));
    custos::ui::showError(error, this);
}

bool GridView::postPendingRow()
{
    RowSource* s = source();
    if (!s || !s->isEditing())
        return true;
    try {
        s->post();
    } catch (const std::exception& e) {
        showError(e);
        return false;
    }
    return true;
}

bool GridView::focusLine(int line)
{
    // Group footers only show sums; they never take the focus.
    if (line < 0 || line >= m_model->lineCount() || m_model->lineKind(line) == LineRef::GroupFooter)
        return false;
    if (line == m_focusLine)
        return true;
    if (!commitEditing())
        return false;
    const int row = m_model->lineSourceRow(line);
    RowSource* s = source();
    // Leaving a row (for another row or a group row) posts its pending edit.
    if (s && row != s->currentRow() && !postPendingRow())
        return false;
    if (s && row >= 0) {
        Q_EMIT rowAboutToReceiveFocus(row);
        if (row != s->currentRow()) {
            m_followingSource = true;
            try {
                s->setCurrentRow(row);
            } catch (const std::exception& e) {
                m_followingSource = false;
                showError(e);
                return false;
            }
            m_followingSource = false;
        }
    }
    m_focusLine = line;
    m_focusedRow = row;
    if (!m_focusColumn) {
        const QList<GridColumn*> focusable = focusableColumns();
        m_focusColumn = focusable.isEmpty() ? nullptr : focusable.first();
    }
    ensureLineVisible(line);
    viewport()->update();
    if (row >= 0)
        Q_EMIT focusedRowChanged(row);
    return true;
}

bool GridView::focusSourceRow(int sourceRow)
{
    return focusLine(m_model->lineOfSourceRow(sourceRow));
}

bool GridView::focusFirstRow()
{
    for (int i = 0; i < m_model->lineCount(); ++i)
        if (m_model->lineKind(i) == LineRef::Row) {
            const bool ok = focusLine(i);
            if (ok && m_multiSelect) {
                m_selected = {focusedSourceRow()};
                m_anchorLine = i;
            }
            return ok;
        }
    return false;
}

void GridView::onSourceCurrentRowChanged(int row)
{
    if (m_followingSource)
        return;
    const int line = m_model->lineOfSourceRow(row);
    if (line < 0 || line == m_focusLine)
        return;
    closeEditor();
    Q_EMIT rowAboutToReceiveFocus(row);
    m_focusLine = line;
    m_focusedRow = row;
    if (m_multiSelect)
        m_selected = {row};
    ensureLineVisible(line);
    viewport()->update();
    Q_EMIT focusedRowChanged(row);
}

QList<int> GridView::selectedSourceRows() const
{
    QList<int> rows;
    if (!m_multiSelect) {
        if (focusedSourceRow() >= 0)
            rows << focusedSourceRow();
        return rows;
    }
    m_model->forEachShownRow([&](int r) {
        if (m_selected.contains(r))
            rows << r;
    });
    return rows;
}

bool GridView::isSourceRowSelected(int sourceRow) const
{
    if (sourceRow < 0)
        return false;
    return m_multiSelect ? m_selected.contains(sourceRow) : sourceRow == focusedSourceRow();
}

void GridView::selectForFocus(Qt::KeyboardModifiers modifiers)
{
    if (!m_multiSelect)
        return;
    const int row = focusedSourceRow();
    if (modifiers & Qt::ShiftModifier && m_anchorLine >= 0) {
        if (!(modifiers & Qt::ControlModifier))
            m_selected.clear();
        const int from = qMin(m_anchorLine, m_focusLine), to = qMax(m_anchorLine, m_focusLine);
        for (int i = from; i <= to; ++i)
            if (m_model->lineSourceRow(i) >= 0)
                m_selected.insert(m_model->lineSourceRow(i));
    } else if (modifiers & Qt::ControlModifier) {
        if (row >= 0 && !m_selected.remove(row))
            m_selected.insert(row);
        m_anchorLine = m_focusLine;
    } else {
        m_selected.clear();
        if (row >= 0)
            m_selected.insert(row);
        m_anchorLine = m_focusLine;
    }
    viewport()->update();
}

void GridView::moveFocusBy(int lines, Qt::KeyboardModifiers modifiers)
{
    if (m_model->lineCount() == 0)
        return;
    const int step = lines < 0 ? -1 : 1;
    int target = std::clamp(m_focusLine + lines, 0, m_model->lineCount() - 1);
    while (target >= 0 && target < m_model->lineCount() && m_model->lineKind(target) == LineRef::GroupFooter)
        target += step;
    // No line to move to: the row stays, and a pending edit of it is posted as a move would.
    if (target < 0 || target >= m_model->lineCount() || target == m_focusLine) {
        postPendingRow();
        viewport()->update();
        return;
    }
    if (focusLine(target))
        selectForFocus(modifiers);
}

void GridView::moveColumnFocus(int step)
{
    const QList<GridColumn*> columns = focusableColumns();
    if (columns.isEmpty())
        return;
    const int i = int(columns.indexOf(m_focusColumn));
    setFocusedColumn(columns[std::clamp(i + step, 0, int(columns.size()) - 1)]);
}

bool GridView::moveToNextCell(bool forward)
{
    const QList<GridColumn*> columns = focusableColumns();
    if (columns.isEmpty() || !commitEditing())
        return false;
    const int i = int(columns.indexOf(m_focusColumn)) + (forward ? 1 : -1);
    if (i >= 0 && i < columns.size()) {
        setFocusedColumn(columns[i]);
        return true;
    }
    const int before = m_focusLine;
    moveFocusBy(forward ? 1 : -1, Qt::NoModifier);
    if (m_focusLine != before)
        setFocusedColumn(forward ? columns.first() : columns.last());
    return true;
}

// Editing -------------------------------------------------------------------------------------

bool GridView::canEdit(int line, const GridColumn* column) const
{
    const RowSource* s = source();
    return m_editable && s && column && line >= 0 && line < m_model->lineCount()
        && m_model->lineKind(line) == LineRef::Row && !s->isReadOnly() && !column->isReadOnly()
        && column->canFocus() && !column->isCheckBox() && !column->isLookup() && column->fieldIndex() >= 0
        && m_layout.indexOf(column) >= 0;
}

bool GridView::startEditing(const QString& typed)
{
    if (m_editor)
        return true;
    if (!canEdit(m_focusLine, m_focusColumn))
        return false;
    ensureColumnVisible(m_focusColumn);
    ensureLineVisible(m_focusLine);
    m_editColumn = m_focusColumn;
    m_editor = CellEditor::create(*source(), focusedSourceRow(), m_focusColumn->fieldIndex(), viewport());
    m_editor->setObjectName(QStringLiteral("cellEditor"));
    m_editor->installEventFilter(this);
    placeEditor();
    m_editor->show();
    m_editor->setFocus();
    if (!typed.isEmpty())
        CellEditor::type(m_editor, typed);
    viewport()->update();
    return true;
}

void GridView::placeEditor()
{
    if (!m_editor || !m_editColumn)
        return;
    const QRect r = cellRect(m_focusLine, m_editColumn);
    m_editor->setVisible(!r.isNull());
    if (!r.isNull())
        m_editor->setGeometry(r.adjusted(0, 0, -1, -1));
}

bool GridView::commitEditing()
{
    if (!m_editor)
        return true;
    if (m_committing)
        return false;
    m_committing = true;
    RowSource* s = source();
    const int field = m_editColumn ? m_editColumn->fieldIndex() : -1;
    const int row = focusedSourceRow();
    bool ok = true;
    if (s && field >= 0 && row >= 0) {
        const QVariant value = CellEditor::value(m_editor);
        try {
            if (!sameValue(value, s->value(row, field)))
                s->setFieldValue(field, value);
            if (m_postImmediately && s->isEditing())
                s->post();
        } catch (const std::exception& e) {
            ok = false;
            showError(e);
            if (m_editor)
                m_editor->setFocus();
        }
    }
    m_committing = false;
    if (ok)
        closeEditor();
    return ok;
}

void GridView::cancelEditing()
{
    closeEditor();
}

void GridView::closeEditor()
{
    if (!m_editor)
        return;
    QWidget* editor = m_editor;
    m_editor = nullptr;
    m_editColumn = nullptr;
    editor->removeEventFilter(this);
    const bool hadFocus = editor->hasFocus();
    editor->hide();
    editor->deleteLater();
    if (hadFocus)
        setFocus();
    viewport()->update();
}

bool GridView::toggleCheckBox(int line, GridColumn* column)
{
    RowSource* s = source();
    if (!s || !column || !column->isCheckBox() || !m_editable || s->isReadOnly() || column->isReadOnly()
        || m_model->lineKind(line) != LineRef::Row)
        return false;
    if (!focusLine(line))
        return false;
    const int row = focusedSourceRow();
    const bool checked = column->isChecked(s->value(row, column->fieldIndex()));
    try {
        s->setFieldValue(column->fieldIndex(), checked ? column->uncheckedValue() : column->checkedValue());
        s->post();
    } catch (const std::exception& e) {
        showError(e);
        return false;
    }
    viewport()->update();
    Q_EMIT checkBoxToggled(row, column);
    return true;
}

bool GridView::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_editor)
        return QAbstractScrollArea::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        switch (key->key()) {
        case Qt::Key_Escape:
            cancelEditing();
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (commitEditing() && m_enterActsAsDown)
                moveFocusBy(1, Qt::NoModifier);
            return true;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            if (m_tabMovesBetweenCells) {
                moveToNextCell(key->key() == Qt::Key_Tab);
                return true;
            }
            return false;
        case Qt::Key_Up:
        case Qt::Key_Down:
            if (commitEditing())
                moveFocusBy(key->key() == Qt::Key_Down ? 1 : -1, Qt::NoModifier);
            return true;
        default:
            return false;
        }
    }
    if (event->type() == QEvent::FocusOut) {
        // Focus gone elsewhere than the grid: the value goes into the row.
        QTimer::singleShot(0, this, [this] {
            if (m_editor && !m_editor->hasFocus() && !hasFocus() && QApplication::activeModalWidget() == nullptr)
                commitEditing();
        });
    }
    return QAbstractScrollArea::eventFilter(watched, event);
}

// Keyboard and mouse --------------------------------------------------------------------------

bool GridView::focusNextPrevChild(bool next)
{
    if (m_tabMovesBetweenCells && m_model->lineCount() > 0) {
        moveToNextCell(next);
        return true;
    }
    return QAbstractScrollArea::focusNextPrevChild(next);
}

void GridView::keyPressEvent(QKeyEvent* event)
{
    const bool onGroupRow = m_focusLine >= 0 && m_model->lineKind(m_focusLine) == LineRef::GroupRow;
    const int node = onGroupRow ? m_model->lineNode(m_focusLine) : -1;
    const auto mods = event->modifiers();
    switch (event->key()) {
    case Qt::Key_Up: moveFocusBy(-1, mods); return;
    case Qt::Key_Down: moveFocusBy(1, mods); return;
    case Qt::Key_PageUp: moveFocusBy(-qMax(1, visibleLineCount() - 1), mods); return;
    case Qt::Key_PageDown: moveFocusBy(qMax(1, visibleLineCount() - 1), mods); return;
    case Qt::Key_Home:
        if (mods & Qt::ControlModifier)
            moveFocusBy(-m_model->lineCount(), mods & ~Qt::ControlModifier);
        else
            moveColumnFocus(-int(m_layout.columns().size()));
        return;
    case Qt::Key_End:
        if (mods & Qt::ControlModifier)
            moveFocusBy(m_model->lineCount(), mods & ~Qt::ControlModifier);
        else
            moveColumnFocus(int(m_layout.columns().size()));
        return;
    case Qt::Key_Left:
        if (onGroupRow)
            m_model->setExpanded(node, false);
        else
            moveColumnFocus(-1);
        return;
    case Qt::Key_Right:
        if (onGroupRow)
            m_model->setExpanded(node, true);
        else
            moveColumnFocus(1);
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (m_enterActsAsDown)
            moveFocusBy(1, Qt::NoModifier);
        else if (onGroupRow)
            m_model->setExpanded(node, !m_model->isExpanded(node));
        else
            startEditing();
        return;
    case Qt::Key_F2:
        startEditing();
        return;
    case Qt::Key_Escape:
        if (source() && source()->isEditing())
            source()->cancel();
        viewport()->update();
        return;
    case Qt::Key_Space:
        if (onGroupRow)
            m_model->setExpanded(node, !m_model->isExpanded(node));
        else if (m_focusColumn && m_focusColumn->isCheckBox())
            toggleCheckBox(m_focusLine, m_focusColumn);
        else if (m_multiSelect && (mods & Qt::ControlModifier))
            selectForFocus(Qt::ControlModifier);
        else
            startEditing(event->text());
        return;
    case Qt::Key_A:
        if (m_multiSelect && (mods & Qt::ControlModifier)) {
            m_model->forEachShownRow([this](int r) { m_selected.insert(r); });
            viewport()->update();
            return;
        }
        break;
    default:
        break;
    }
    if (onGroupRow && (event->key() == Qt::Key_Plus || event->key() == Qt::Key_Minus)) {
        m_model->setExpanded(node, event->key() == Qt::Key_Plus);
        return;
    }
    if (!event->text().isEmpty() && event->text().at(0).isPrint() && !(mods & (Qt::ControlModifier | Qt::AltModifier))) {
        startEditing(event->text());
        return;
    }
    QAbstractScrollArea::keyPressEvent(event);
}

void GridView::startResize(GridColumn* column)
{
    // A band of fixed width hands its current widths to its columns, so one can be resized alone.
    if (GridBand* band = column->band(); band && band->width() > 0) {
        for (const ColumnGeometry& g : m_layout.columns())
            if (g.column->band() == band)
                g.column->setWidth(g.width);
        band->setWidth(0);
    }
    m_resizing = true;
    m_resizeStartWidth = column->width();
}

void GridView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    setFocus();
    const QPoint pos = event->position().toPoint();
    const Hit hit = hitTest(pos);
    m_pressPos = pos;
    m_pressColumn = nullptr;
    m_dragging = false;
    switch (hit.area) {
    case Hit::FilterClear:
        clearUserFilter();
        return;
    case Hit::HeaderBorder:
        m_pressColumn = hit.column;
        startResize(hit.column);
        return;
    case Hit::FilterButton:
        showFilterMenu(hit.column);
        return;
    case Hit::ColumnHeader:
        m_pressColumn = hit.column;
        return;
    case Hit::Expander: {
        const int node = m_model->lineNode(hit.line);
        m_model->setExpanded(node, !m_model->isExpanded(node));
        return;
    }
    case Hit::Line: {
        const bool sameCell = hit.line == m_focusLine && hit.column == m_focusColumn;
        if (!commitEditing() || !focusLine(hit.line))
            return;
        selectForFocus(event->modifiers());
        if (!hit.column)
            return;
        if (hit.column->isCheckBox()) {
            const QRect cell = cellRect(hit.line, hit.column);
            if (QRect(cell.center().x() - 8, cell.center().y() - 8, 17, 17).contains(pos))
                toggleCheckBox(hit.line, hit.column);
            return;
        }
        if (hit.column->canFocus()) {
            setFocusedColumn(hit.column);
            if (sameCell && !(event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier)))
                startEditing();
        }
        return;
    }
    default:
        return;
    }
}

void GridView::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    if (m_resizing && m_pressColumn) {
        m_pressColumn->setWidth(m_resizeStartWidth + pos.x() - m_pressPos.x());
        return;
    }
    if (m_pressColumn && (event->buttons() & Qt::LeftButton)) {
        if (!m_dragging && (pos - m_pressPos).manhattanLength() >= QApplication::startDragDistance()) {
            m_dragging = true;
            viewport()->setCursor(Qt::ClosedHandCursor);
        }
        return;
    }
    const Hit hit = hitTest(pos);
    viewport()->setCursor(hit.area == Hit::HeaderBorder ? Qt::SplitHCursor : Qt::ArrowCursor);
}

void GridView::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    GridColumn* column = m_pressColumn;
    const bool wasResizing = m_resizing, wasDragging = m_dragging;
    m_pressColumn = nullptr;
    m_resizing = m_dragging = false;
    viewport()->unsetCursor();
    if (!column || wasResizing)
        return;
    if (wasDragging) {
        const QPoint inBox = m_groupBox->mapFrom(viewport(), pos);
        if (m_groupByBoxShown && m_groupBox->rect().contains(inBox))
            m_groupBox->dropColumn(column, inBox);
        else if (pos.y() >= 0 && pos.y() < headerHeight())
            dropColumnOnHeader(column, pos);
        return;
    }
    if (m_headerSorting)
        sortByHeader(column, event->modifiers());
}

void GridView::mouseDoubleClickEvent(QMouseEvent* event)
{
    const Hit hit = hitTest(event->position().toPoint());
    if (hit.area != Hit::Line)
        return;
    if (m_model->lineKind(hit.line) == LineRef::GroupRow) {
        const int node = m_model->lineNode(hit.line);
        m_model->setExpanded(node, !m_model->isExpanded(node));
    } else if (m_model->lineKind(hit.line) == LineRef::Row && hit.column && !isEditing()) {
        Q_EMIT cellDoubleClicked(m_model->lineSourceRow(hit.line), hit.column);
    }
}

void GridView::focusInEvent(QFocusEvent* event)
{
    QAbstractScrollArea::focusInEvent(event);
    viewport()->update();
}

void GridView::focusOutEvent(QFocusEvent* event)
{
    QAbstractScrollArea::focusOutEvent(event);
    viewport()->update();
}

void GridView::dropColumnOnHeader(GridColumn* column, const QPoint& viewportPos)
{
    if (m_model->groupLevel(column) >= 0) {
        if (!m_groupByBoxShown)
            return;
        m_model->ungroup(column);
        column->setVisible(true);
    }
    GridColumn* target = columnAtX(viewportPos.x());
    if (!target || target == column || !column->isMovable())
        return;
    if (column->band() != target->band())
        column->setBand(target->band());
    m_model->moveColumn(column, int(m_model->columns().indexOf(target)));
}

void GridView::sortByHeader(GridColumn* column, Qt::KeyboardModifiers modifiers)
{
    QList<GridModel::SortField> sorting = m_model->sorting();
    int at = -1;
    for (int i = 0; i < sorting.size(); ++i)
        if (sorting[i].field.compare(column->fieldName(), Qt::CaseInsensitive) == 0)
            at = i;
    if (modifiers & Qt::ControlModifier) {
        if (at >= 0)
            sorting.removeAt(at);
    } else if (modifiers & Qt::ShiftModifier) {
        if (at >= 0)
            sorting[at].order = sorting[at].order == Qt::AscendingOrder ? Qt::DescendingOrder : Qt::AscendingOrder;
        else
            sorting.append({column->fieldName(), Qt::AscendingOrder});
    } else {
        const bool soleAscending = sorting.size() == 1 && at == 0 && sorting[0].order == Qt::AscendingOrder;
        sorting = {{column->fieldName(), soleAscending ? Qt::DescendingOrder : Qt::AscendingOrder}};
    }
    m_model->setSorting(sorting);
}

void GridView::showFilterMenu(GridColumn* column)
{
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("filterMenu"));
    const QStringList current = m_model->columnFilter(column);
    QAction* all = menu.addAction(QStringLiteral("(Todos)"));
    menu.addSeparator();
    QStringList texts = m_model->distinctTexts(column);
    constexpr int maxEntries = 1000;
    if (texts.size() > maxEntries)
        texts = texts.mid(0, maxEntries);
    for (const QString& t : texts) {
        QAction* a = menu.addAction(t.isEmpty() ? QStringLiteral("(Vazios)") : t);
        a->setData(t);
        a->setCheckable(true);
        a->setChecked(current.contains(t));
    }
    const QRect header = columnHeaderRect(column);
    QAction* chosen = menu.exec(viewport()->mapToGlobal(header.bottomLeft()));
    if (!chosen)
        return;
    m_model->setColumnFilter(column, chosen == all ? QStringList() : QStringList{chosen->data().toString()});
}

ExportView GridView::exportView() const
{
    return buildExportView(*this);
}

} // namespace custos::grid
