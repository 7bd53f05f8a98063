#include "DBLabel.h"

#include "ClientDataSet.h"
#include "DataSource.h"

namespace custos::ui {

DBLabel::DBLabel(QWidget* parent) : LineLabel(parent)
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

void DBLabel::refresh()
{
    if (!m_suspended)
        setText(boundText());
}

} // namespace custos::ui
