#pragma once
// A record-repeating panel: one cell layout repeated for each record of a data source's
// dataset, one column per record (horizontal) or one row per record (vertical). A page shows
// pageCount() cells of cellExtent() pixels along the repeat direction; the records beyond the
// page are reached with the panel's scroll bar (or the wheel), and the page follows the
// dataset's current record. A click on a cell makes its record the current one; a click on a
// clickable item also reports the item.
//
// Items are bound texts (a field of the record in its display format) or fixed texts. A closed
// dataset, or one without rows, shows empty cells. While the display is suspended the panel
// keeps what it shows and catches up when resumed.

#include "DataSet.h"
#include "DataSource.h"
#include "LaidOutLine.h"

#include <QColor>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <vector>

class QScrollBar;


namespace custos::ui {

class RecordPanel : public QWidget
{
    Q_OBJECT
public:
    enum class Orientation
    {
        Horizontal, // one column per record
        Vertical    // one row per record
    };

    struct Item
    {
        QString name;       // how handlers and tests name the item (a designer name or the field)
        QString dataField;  // the bound field; empty for a fixed text
        QString text;       // the fixed text
        QRect rect;         // place inside the cell
        bool fillWidth = false; // spans the cell's width, keeping rect.left() free on both sides
        Qt::Alignment alignment = Qt::AlignRight | Qt::AlignVCenter;
        QColor background;  // none when invalid
        QColor color = QColor(0, 0, 128);
        bool bold = false;
        bool clickable = false;
        bool visible = true;
    };

    explicit RecordPanel(Orientation orientation, QWidget* parent = nullptr);

    Orientation orientation() const { return m_orientation; }

    void setDataSource(data::DataSource* dataSource);
    data::DataSource* dataSource() const { return m_dataSource; }

    void addItem(const Item& item);
    const std::vector<Item>& items() const { return m_items; }
    void setItemVisible(const QString& name, bool visible);
    bool isItemVisible(const QString& name) const;

    // Cells per page: the columns of a horizontal panel, the rows of a vertical one.
    void setPageCount(int count);
    int pageCount() const { return m_pageCount; }
    // Size of a cell along the repeat direction: its width (horizontal) or height (vertical).
    void setCellExtent(int extent);
    int cellExtent() const { return m_cellExtent; }

    int recordCount() const;
    int firstRecord() const { return m_first; } // 0-based record in the page's first cell
    int shownRecordCount() const { return m_shownCount; }
    // The text the cell at position `cell` of the page shows for the item (empty for a cell
    // without a record and for a hidden item).
    QString cellText(int cell, const QString& itemName) const;
    // Bound fields that the open dataset does not have.
    QStringList missingFields() const;

    void setDisplaySuspended(bool suspended);
    bool isDisplaySuspended() const { return m_suspended; }

    QSize sizeHint() const override;

Q_SIGNALS:
    void itemClicked(const QString& itemName);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    data::DataSet* dataSet() const;
    void dataChanged();
    void followCurrentRecord();
    void rebuild(); // the page and the scroll bar range; the texts follow when next needed
    // The texts of the page from the dataset, when the page or the data changed since.
    void updateTexts() const;
    void placeScrollBar();
    QRect cellRect(int cell) const;
    QRect itemRect(const Item& item, const QRect& cell) const;
    // The cell and item under a point; cell -1 outside the cells, item -1 outside the items.
    std::pair<int, int> hit(const QPoint& point) const;

    Orientation m_orientation;
    QPointer<data::DataSource> m_dataSource;
    std::vector<Item> m_items;
    mutable std::vector<int> m_columns; // the dataset column of each item, -1 for none
    int m_pageCount = 1;
    int m_cellExtent = 100;
    int m_first = 0;
    bool m_suspended = false;
    struct ShownText
    {
        QString text;
        LaidOutLine line;
    };
    // Per cell of the page, per item, filled when painted or read (a load signals each dataset
    // several times). The cells from m_shownCount on have no record; they keep their last
    // layouts, so a dataset reopened with the same values (closed, then filled) is not laid
    // out anew.
    mutable std::vector<std::vector<ShownText>> m_shown;
    int m_shownCount = 0;
    mutable bool m_textsStale = false;
    QScrollBar* m_scrollBar;
};

} // namespace custos::ui
