#pragma once
// The data grid widget: a table view, or a banded view when bands are added, over a row source.
// Columns sit under band headers; bands may be fixed at the left or right edge. Rows can be
// grouped (with a group-by box as an option), sorted by the window or by header clicks, filtered
// by the user from the headers, summed in the footer and group footers, and edited in place.
//
// The view paints itself from its model (GridModel) and never reorders the source. The focused
// row follows the source's current row and the other way round.

#include "ColumnLayout.h"
#include "GridModel.h"
#include "GridStyle.h"

#include <QAbstractScrollArea>
#include <QPointer>
#include <QSet>
#include <exception>
#include <optional>
#include <vector>

namespace custos::grid {

class GroupByBox;
struct ExportView;

class GridView : public QAbstractScrollArea
{
    Q_OBJECT
public:
    explicit GridView(QWidget* parent = nullptr);
    ~GridView() override;

    GridModel& model() { return *m_model; }
    const GridModel& model() const { return *m_model; }
    void setSource(RowSource* source);
    RowSource* source() const { return m_model->source(); }

    // Definition. A view with bands shows a band header row.
    GridBand* addBand(const QString& caption, const QString& objectName = {});
    const QList<GridBand*>& bands() const { return m_bands; }
    GridBand* band(const QString& caption) const;
    GridColumn* addColumn(const QString& fieldName, const QString& caption = {}, GridBand* band = nullptr,
                          int width = 64, const QString& objectName = {});
    GridColumn* column(const QString& fieldName) const { return m_model->columnForField(fieldName); }

    // Options.
    void setFillWidth(bool fill);             // columns share the view's width
    void setRowIndicator(bool shown);
    void setGroupByBox(bool shown);           // without it the user cannot regroup
    bool hasGroupByBox() const { return m_groupByBoxShown; }
    void setFooterVisible(bool shown);
    bool isFooterVisible() const { return m_footerVisible; }
    void setEditable(bool editable);          // false: no cell enters edit mode
    void setPostImmediately(bool immediately); // post each changed cell at once
    void setEnterActsAsDown(bool enabled);    // Enter moves down, browsing or editing
    void setTabMovesBetweenCells(bool enabled);
    void setMultiSelect(bool enabled);
    void setHeaderSorting(bool enabled);      // header clicks sort
    void setUserFilter(bool enabled);         // header filter buttons

    // Styles of the view as a whole (columns and bands carry their own).
    void setContentStyle(const GridStyle& style);
    void setHeaderStyle(const GridStyle& style);
    void setGroupRowStyle(const GridStyle& style);
    void setFooterStyle(const GridStyle& style);
    void setInactiveSelectionStyle(const GridStyle& style);
    // Cells holding a value posted but not saved (a save the database refused).
    void setPendingValueStyle(const GridStyle& style);
    const GridStyle& contentStyle() const { return m_contentStyle; }
    const GridStyle& headerStyle() const { return m_headerStyle; }
    const GridStyle& groupRowStyle() const { return m_groupRowStyle; }
    const GridStyle& footerStyle() const { return m_footerStyle; }
    const GridStyle& inactiveSelectionStyle() const { return m_inactiveSelectionStyle; }
    const GridStyle& pendingValueStyle() const { return m_pendingValueStyle; }

    // Focus and selection.
    int focusedLine() const { return m_focusLine; }
    int focusedSourceRow() const;
    GridColumn* focusedColumn() const { return m_focusColumn; }
    void setFocusedColumn(GridColumn* column);
    // Moves the focus; a pending edit of the row left is posted first. False when refused.
    bool focusLine(int line);
    bool focusSourceRow(int sourceRow);
    // Focuses the first row shown.
    bool focusFirstRow();
    QList<int> selectedSourceRows() const;
    bool isSourceRowSelected(int sourceRow) const;

    // Editing.
    bool isEditing() const { return m_editor != nullptr; }
    QWidget* cellEditor() const { return m_editor; }
    bool canEdit(int line, const GridColumn* column) const;
    bool startEditing(const QString& typed = {});
    // Puts the editor's value into the source (posting it when posting immediately). False
    // when the value is refused; the editor stays open then.
    bool commitEditing();
    void cancelEditing();
    // Toggles a check box cell and posts it at once.
    bool toggleCheckBox(int line, GridColumn* column);

    void expandAll() { m_model->expandAll(); }
    void clearUserFilter() { m_model->clearUserFilter(); }

    // Geometry, in viewport coordinates.
    int rowHeight() const { return m_rowHeight; }
    int headerHeight() const;
    int footerHeight() const;
    int dataLeft() const;
    int indentWidth() const;
    int indicatorWidth() const { return m_rowIndicator ? 12 : 0; }
    int firstVisibleLine() const;
    int visibleLineCount() const;
    int lineAt(int y) const;
    int regionOrigin(Region region) const;
    QRect regionRect(Region region) const;
    QRect columnHeaderRect(const GridColumn* column) const;
    QRect bandHeaderRect(const GridBand* band) const;
    QRect cellRect(int line, const GridColumn* column) const;
    QRect filterStripRect() const;
    QRect filterClearRect() const;
    const ColumnLayout& layout() const { return m_layout; }
    bool hasFocusState() const;

    // The view as displayed, every row of every group (groups expanded, the user's filter
    // lifted), as plain data for an exporter.
    ExportView exportView() const;

    // Column drag targets (the group-by box and the header use them).
    GroupByBox* groupByBox() const { return m_groupBox; }
    void dropColumnOnHeader(GridColumn* column, const QPoint& viewportPos);

Q_SIGNALS:
    // Before a row takes the focus (the window may lock or unlock columns for it).
    void rowAboutToReceiveFocus(int sourceRow);
    void focusedRowChanged(int sourceRow);
    void cellDoubleClicked(int sourceRow, custos::grid::GridColumn* column);
    // After a check box click was posted.
    void checkBoxToggled(int sourceRow, custos::grid::GridColumn* column);
    // A refused value or post, with the message shown to the user.
    void errorShown(const QString& message);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    struct Hit
    {
        enum Area { None, BandHeader, ColumnHeader, HeaderBorder, FilterButton, Line, Expander, Footer, FilterClear };
        Area area = None;
        int line = -1;
        GridColumn* column = nullptr;
    };
    Hit hitTest(const QPoint& pos) const;
    GridColumn* columnAtX(int x) const;

    void relayout();
    // The line height a style's font needs over the view's font.
    int fontHeight(const GridStyle& style);
    void onLinesChanged();
    void onSourceCurrentRowChanged(int row);
    void updateScrollBars();
    void ensureLineVisible(int line);
    void ensureColumnVisible(const GridColumn* column);
    void moveFocusBy(int lines, Qt::KeyboardModifiers modifiers);
    void moveColumnFocus(int step);
    bool moveToNextCell(bool forward);
    void selectForFocus(Qt::KeyboardModifiers modifiers);
    void sortByHeader(GridColumn* column, Qt::KeyboardModifiers modifiers);
    void showFilterMenu(GridColumn* column);
    void showError(const std::exception& error);
    void closeEditor();
    void placeEditor();
    void startResize(GridColumn* column);
    bool postPendingRow();
    QList<GridColumn*> focusableColumns() const;

    GridModel* m_model;
    QList<GridBand*> m_bands;
    ColumnLayout m_layout;
    GroupByBox* m_groupBox;

    bool m_fillWidth = false;
    bool m_rowIndicator = false;
    bool m_groupByBoxShown = false;
    bool m_footerVisible = false;
    bool m_editable = true;
    bool m_postImmediately = false;
    bool m_enterActsAsDown = false;
    bool m_tabMovesBetweenCells = false;
    bool m_multiSelect = false;
    bool m_headerSorting = true;
    bool m_userFilter = true;

    GridStyle m_contentStyle;
    GridStyle m_headerStyle;
    GridStyle m_groupRowStyle;
    GridStyle m_footerStyle;
    GridStyle m_inactiveSelectionStyle;
    GridStyle m_pendingValueStyle = GridStyle::colours(QColor(0xFF, 0xC8, 0xC8), QColor(0xB0, 0x00, 0x00), true);

    int m_rowHeight = 18;
    // Font heights by the font parts of a style, for the view's font m_heightsFont: a layout runs
    // each time a column or band changes, and most columns share a few fonts.
    struct FontHeight
    {
        QString family;
        int pixelSize;
        std::optional<bool> bold;
        int height;
    };
    QFont m_heightsFont;
    std::vector<FontHeight> m_fontHeights;
    int m_focusLine = -1;
    int m_focusedRow = -1; // the source row of the focused line, as last announced
    QPointer<GridColumn> m_focusColumn;
    QSet<int> m_selected;     // source rows, multi-row selection
    int m_anchorLine = -1;
    bool m_followingSource = false;
    bool m_committing = false;

    QWidget* m_editor = nullptr;
    QPointer<GridColumn> m_editColumn;

    // Header press: a click sorts, a drag moves or groups, a drag on a border resizes.
    QPoint m_pressPos;
    QPointer<GridColumn> m_pressColumn;
    bool m_dragging = false;
    bool m_resizing = false;
    int m_resizeStartWidth = 0;

    friend class GridPainter;
};

} // namespace custos::grid
