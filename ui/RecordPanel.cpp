#include "RecordPanel.h"

#include "DataSet.h"
#include "DataSource.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>

namespace custos::ui {

namespace {

constexpr int textPadding = 2;

} // namespace

RecordPanel::RecordPanel(Orientation orientation, QWidget* parent)
    : QWidget(parent), m_orientation(orientation),
      m_scrollBar(new QScrollBar(orientation == Orientation::Horizontal ? Qt::Horizontal : Qt::Vertical, this))
{
    m_scrollBar->setObjectName(QStringLiteral("scrollBar"));
    m_scrollBar->hide();
    setMouseTracking(true);
    connect(m_scrollBar, &QScrollBar::valueChanged, this, [this](int value) {
        if (value == m_first)
            return;
        m_first = value;
        rebuild();
    });
}

void RecordPanel::setDataSource(data::DataSource* dataSource)
{
    if (m_dataSource)
        disconnect(m_dataSource, nullptr, this, nullptr);
    m_dataSource = dataSource;
    if (dataSource) {
        connect(dataSource, &data::DataSource::dataSetChanged, this, &RecordPanel::dataChanged);
        connect(dataSource, &data::DataSource::reset, this, &RecordPanel::dataChanged);
        connect(dataSource, &data::DataSource::rowsChanged, this, &RecordPanel::rebuild);
        connect(dataSource, &data::DataSource::stateChanged, this, &RecordPanel::rebuild);
        connect(dataSource, &data::DataSource::scrolled, this, &RecordPanel::followCurrentRecord);
    }
    dataChanged();
}

void RecordPanel::addItem(const Item& item)
{
    m_items.push_back(item);
    rebuild();
}

void RecordPanel::setItemVisible(const QString& name, bool visible)
{
    for (Item& item : m_items) {
        if (item.name == name)
            item.visible = visible;
    }
    rebuild();
}

bool RecordPanel::isItemVisible(const QString& name) const
{
    return std::any_of(m_items.begin(), m_items.end(),
                       [&](const Item& item) { return item.name == name && item.visible; });
}

void RecordPanel::setPageCount(int count)
{
    m_pageCount = std::max(1, count);
    followCurrentRecord();
}

void RecordPanel::setCellExtent(int extent)
{
    m_cellExtent = std::max(1, extent);
    updateGeometry();
    rebuild();
}

data::DataSet* RecordPanel::dataSet() const
{
    return m_dataSource ? m_dataSource->dataSet() : nullptr;
}

int RecordPanel::recordCount() const
{
    const data::DataSet* ds = dataSet();
    return ds && ds->isActive() ? ds->recordCount() : 0;
}

QString RecordPanel::cellText(int cell, const QString& itemName) const
{
    if (cell < 0 || cell >= m_shownCount)
        return {};
    updateTexts();
    for (std::size_t i = 0; i < m_items.size(); ++i) {
        if (m_items[i].name == itemName)
            return m_items[i].visible ? m_shown[std::size_t(cell)][i].text : QString();
    }
    return {};
}

QStringList RecordPanel::missingFields() const
{
    QStringList missing;
    const data::DataSet* ds = dataSet();
    for (const Item& item : m_items) {
        if (!item.dataField.isEmpty() && (!ds || !ds->findField(item.dataField)))
            missing.append(item.dataField);
    }
    return missing;
}

void RecordPanel::setDisplaySuspended(bool suspended)
{
    updateTexts(); // what the panel keeps showing
    m_suspended = suspended;
    if (!suspended)
        followCurrentRecord();
}

QSize RecordPanel::sizeHint() const
{
    int across = 0;
    for (const Item& item : m_items)
        across = std::max(across, m_orientation == Orientation::Horizontal ? item.rect.bottom() + 1
                                                                           : item.rect.right() + 1);
    const int along = m_cellExtent * m_pageCount;
    return m_orientation == Orientation::Horizontal ? QSize(along, across) : QSize(across, along);
}

void RecordPanel::dataChanged()
{
    m_first = 0;
    followCurrentRecord();
}

void RecordPanel::followCurrentRecord()
{
    if (m_suspended)
        return;
    const data::DataSet* ds = dataSet();
    const int count = recordCount();
    const int current = count > 0 ? ds->recNo() - 1 : 0;
    if (current < m_first)
        m_first = current;
    else if (current >= m_first + m_pageCount)
        m_first = current - m_pageCount + 1;
    m_first = std::clamp(m_first, 0, std::max(0, count - m_pageCount));
    rebuild();
}

void RecordPanel::rebuild()
{
    if (m_suspended)
        return;
    const int count = recordCount();
    m_first = std::clamp(m_first, 0, std::max(0, count - m_pageCount));
    m_shownCount = std::clamp(count - m_first, 0, m_pageCount);
    m_textsStale = true;

    const QSignalBlocker blocker(m_scrollBar);
    m_scrollBar->setRange(0, std::max(0, count - m_pageCount));
    m_scrollBar->setPageStep(m_pageCount);
    m_scrollBar->setValue(m_first);
    m_scrollBar->setVisible(count > m_pageCount);
    placeScrollBar();
    update();
}

void RecordPanel::updateTexts() const
{
    if (!m_textsStale)
        return;
    m_textsStale = false;
    const data::DataSet* ds = dataSet();
    const int count = recordCount();
    m_columns.assign(m_items.size(), -1);
    if (count > 0) {
        for (std::size_t i = 0; i < m_items.size(); ++i) {
            if (m_items[i].dataField.isEmpty())
                continue;
            if (const data::Field* field = ds->findField(m_items[i].dataField))
                m_columns[i] = field->index();
        }
    }
    m_shown.resize(std::max(m_shown.size(), std::size_t(m_shownCount)));
    for (std::size_t r = 0; r < std::size_t(m_shownCount); ++r) {
        std::vector<ShownText>& texts = m_shown[r];
        texts.resize(m_items.size());
        const int record = m_first + int(r);
        for (std::size_t i = 0; i < m_items.size(); ++i) {
            if (m_columns[i] >= 0)
                texts[i].text = record < count ? ds->displayText(record, m_columns[i]) : QString();
            else
                texts[i].text = m_items[i].dataField.isEmpty() ? m_items[i].text : QString();
        }
    }
}

void RecordPanel::placeScrollBar()
{
    if (m_orientation == Orientation::Horizontal) {
        const int h = m_scrollBar->sizeHint().height();
        m_scrollBar->setGeometry(0, height() - h, width(), h);
    } else {
        const int w = m_scrollBar->sizeHint().width();
        m_scrollBar->setGeometry(width() - w, 0, w, height());
    }
}

void RecordPanel::resizeEvent(QResizeEvent*)
{
    placeScrollBar();
}

QRect RecordPanel::cellRect(int cell) const
{
    const int reserved = m_scrollBar->isVisible() ? (m_orientation == Orientation::Horizontal
                                                         ? m_scrollBar->height()
                                                         : m_scrollBar->width())
                                                   : 0;
    if (m_orientation == Orientation::Horizontal)
        return QRect(cell * m_cellExtent, 0, m_cellExtent, height() - reserved);
    return QRect(0, cell * m_cellExtent, width() - reserved, m_cellExtent);
}

QRect RecordPanel::itemRect(const Item& item, const QRect& cell) const
{
    QRect r = item.rect.translated(cell.topLeft());
    if (item.fillWidth)
        r.setWidth(cell.width() - 2 * item.rect.left());
    return r;
}

void RecordPanel::paintEvent(QPaintEvent*)
{
    updateTexts();
    QPainter painter(this);
    // The item fonts: plain or bold, underlined when clickable.
    QFont fonts[2][2];
    for (int bold = 0; bold < 2; ++bold) {
        for (int underline = 0; underline < 2; ++underline) {
            fonts[bold][underline] = font();
            fonts[bold][underline].setBold(bold);
            fonts[bold][underline].setUnderline(underline);
        }
    }
    for (int cell = 0; cell < m_shownCount; ++cell) {
        const QRect cr = cellRect(cell);
        for (std::size_t i = 0; i < m_items.size(); ++i) {
            const Item& item = m_items[i];
            if (!item.visible)
                continue;
            const QRect r = itemRect(item, cr).intersected(cr);
            if (item.background.isValid())
                painter.fillRect(r, item.background);
            ShownText& shown = m_shown[std::size_t(cell)][i];
            if (shown.text.isEmpty())
                continue;
            painter.setPen(item.color);
            shown.line.draw(painter, r.adjusted(textPadding, 0, -textPadding, 0), item.alignment, shown.text,
                            fonts[item.bold][item.clickable]);
        }
    }
}

std::pair<int, int> RecordPanel::hit(const QPoint& point) const
{
    for (int cell = 0; cell < m_shownCount; ++cell) {
        const QRect cr = cellRect(cell);
        if (!cr.contains(point))
            continue;
        for (std::size_t i = 0; i < m_items.size(); ++i) {
            if (m_items[i].visible && itemRect(m_items[i], cr).contains(point))
                return {cell, int(i)};
        }
        return {cell, -1};
    }
    return {-1, -1};
}

void RecordPanel::mousePressEvent(QMouseEvent* event)
{
    const auto [cell, item] = hit(event->position().toPoint());
    if (cell < 0 || event->button() != Qt::LeftButton)
        return;
    dataSet()->setRecNo(m_first + cell + 1);
    if (item >= 0 && m_items[std::size_t(item)].clickable)
        Q_EMIT itemClicked(m_items[std::size_t(item)].name);
}

void RecordPanel::mouseMoveEvent(QMouseEvent* event)
{
    const auto [cell, item] = hit(event->position().toPoint());
    const bool overLink = cell >= 0 && item >= 0 && m_items[std::size_t(item)].clickable;
    setCursor(overLink ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void RecordPanel::wheelEvent(QWheelEvent* event)
{
    if (!m_scrollBar->isVisible())
        return;
    const int steps = event->angleDelta().y() / 120;
    m_scrollBar->setValue(m_scrollBar->value() - steps);
}

} // namespace custos::ui
