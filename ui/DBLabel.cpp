#include "DBLabel.h"

#include "ClientDataSet.h"
#include "DataSource.h"

#include <QPainter>
#include <QStyle>

namespace custos::ui {

DBLabel::DBLabel(QWidget* parent) : QLabel(parent)
{
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

DBLabel::DBLabel(data::DataSource* dataSource, const QString& dataField, QWidget* parent) : DBLabel(parent)
{
    m_dataField = dataField;
    setDataSource(dataSource);
}

void DBLabel::setDataSource(data::DataSource* dataSource)
{
    if (m_dataSource)
        disconnect(m_dataSource, nullptr, this, nullptr);
    m_dataSource = dataSource;
    if (dataSource) {
        connect(dataSource, &data::DataSource::dataSetChanged, this, &DBLabel::refresh);
        connect(dataSource, &data::DataSource::reset, this, &DBLabel::refresh);
        connect(dataSource, &data::DataSource::rowsChanged, this, &DBLabel::refresh);
        connect(dataSource, &data::DataSource::scrolled, this, &DBLabel::refresh);
        connect(dataSource, &data::DataSource::stateChanged, this, &DBLabel::refresh);
    }
    refresh();
}

void DBLabel::setDataField(const QString& dataField)
{
    m_dataField = dataField;
    refresh();
}

void DBLabel::setDisplaySuspended(bool suspended)
{
    m_suspended = suspended;
    refresh();
}

QString DBLabel::boundText() const
{
    const data::DataSet* dataSet = m_dataSource ? m_dataSource->dataSet() : nullptr;
    if (!dataSet || !dataSet->isActive() || dataSet->isEmpty() || m_dataField.isEmpty())
        return {};
    if (const data::Field* field = dataSet->findField(m_dataField))
        return field->displayText();
    if (const auto* client = qobject_cast<const data::ClientDataSet*>(dataSet)) {
        if (const data::Aggregate* aggregate = client->findAggregate(m_dataField))
            return aggregate->displayText();
    }
    return {};
}

bool DBLabel::isFieldFound() const
{
    const data::DataSet* dataSet = m_dataSource ? m_dataSource->dataSet() : nullptr;
    if (!dataSet || m_dataField.isEmpty())
        return false;
    if (dataSet->findField(m_dataField))
        return true;
    const auto* client = qobject_cast<const data::ClientDataSet*>(dataSet);
    return client && client->findAggregate(m_dataField);
}

void DBLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    drawFrame(&painter);
    if (text().isEmpty())
        return;
    // The text's rectangle as QLabel places it: inside the margin, the indent taken on the
    // aligned side.
    QRect r = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    const Qt::Alignment align = QStyle::visualAlignment(layoutDirection(), alignment());
    int indent = this->indent();
    if (indent < 0 && frameWidth())
        indent = fontMetrics().horizontalAdvance(u'x') / 2 - margin();
    if (indent > 0) {
        if (align & Qt::AlignLeft)
            r.setLeft(r.left() + indent);
        if (align & Qt::AlignRight)
            r.setRight(r.right() - indent);
        if (align & Qt::AlignTop)
            r.setTop(r.top() + indent);
        if (align & Qt::AlignBottom)
            r.setBottom(r.bottom() - indent);
    }
    painter.setPen(palette().color(isEnabled() ? QPalette::Normal : QPalette::Disabled, foregroundRole()));
    m_line.draw(painter, r, align, text(), font());
}

void DBLabel::refresh()
{
    if (!m_suspended)
        setText(boundText());
}

} // namespace custos::ui
