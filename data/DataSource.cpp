#include "DataSource.h"

#include "DataSet.h"

namespace custos::data {

DataSource::DataSource(DataSet* dataSet, QObject* parent)
    : QObject(parent)
{
    setDataSet(dataSet);
}

void DataSource::setDataSet(DataSet* dataSet)
{
    if (dataSet == m_dataSet)
        return;
    if (m_dataSet)
        disconnect(m_dataSet, nullptr, this, nullptr);
    m_dataSet = dataSet;
    if (dataSet) {
        connect(dataSet, &DataSet::aboutToReset, this, &DataSource::aboutToReset);
        connect(dataSet, &DataSet::reset, this, &DataSource::reset);
        connect(dataSet, &DataSet::rowsChanged, this, &DataSource::rowsChanged);
        connect(dataSet, &DataSet::scrolled, this, &DataSource::scrolled);
        connect(dataSet, &DataSet::stateChanged, this, &DataSource::stateChanged);
        connect(dataSet, &DataSet::pendingChanged, this, &DataSource::pendingChanged);
        connect(dataSet, &QObject::destroyed, this, &DataSource::dataSetChanged);
    }
    Q_EMIT dataSetChanged();
}

bool DataSource::edit()
{
    if (!m_dataSet)
        return false;
    if (m_dataSet->state() == DataSet::State::Edit)
        return true;
    if (!m_autoEdit)
        return false;
    m_dataSet->edit();
    return true;
}

} // namespace custos::data
