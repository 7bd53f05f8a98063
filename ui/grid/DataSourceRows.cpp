#include "DataSourceRows.h"

#include <DataError.h>
#include <DataSet.h>
#include <DataSource.h>

namespace custos::grid {

using custos::data::DataSet;

DataSourceRows::DataSourceRows(custos::data::DataSource* dataSource, QObject* parent)
    : RowSource(parent), m_dataSource(dataSource)
{
    using custos::data::DataSource;
    connect(dataSource, &DataSource::reset, this, &RowSource::rowsReset);
    connect(dataSource, &DataSource::dataSetChanged, this, &RowSource::rowsReset);
    connect(dataSource, &DataSource::rowsChanged, this, [this](int first, int last) {
        for (int r = first; r <= last; ++r)
            Q_EMIT rowChanged(r);
    });
    connect(dataSource, &DataSource::stateChanged, this, [this] {
        if (currentRow() >= 0)
            Q_EMIT rowChanged(currentRow());
    });
    connect(dataSource, &DataSource::pendingChanged, this, &RowSource::pendingChanged);
    connect(dataSource, &DataSource::scrolled, this, [this] { Q_EMIT currentRowChanged(currentRow()); });
}

DataSet* DataSourceRows::dataSet() const
{
    DataSet* d = m_dataSource ? m_dataSource->dataSet() : nullptr;
    return d && d->isActive() ? d : nullptr;
}

int DataSourceRows::rowCount() const
{
    return dataSet() ? dataSet()->recordCount() : 0;
}

int DataSourceRows::fieldCount() const
{
    return dataSet() ? dataSet()->fieldCount() : 0;
}

QString DataSourceRows::fieldName(int field) const
{
    return dataSet()->field(field).name();
}

// The dataset's own index of names, in place of a scan over every field.
int DataSourceRows::fieldIndex(const QString& name) const
{
    const custos::data::Field* field = dataSet() ? dataSet()->findField(name) : nullptr;
    return field ? field->index() : -1;
}

FieldKind DataSourceRows::fieldKind(int field) const
{
    using K = custos::session::FieldKind;
    switch (dataSet()->field(field).kind()) {
    case K::Float: return FieldKind::Number;
    case K::Int8:
    case K::Int16:
    case K::Int32: return FieldKind::Integer;
    case K::Text: return FieldKind::Text;
    case K::Timestamp: return FieldKind::DateTime;
    case K::Other: break;
    }
    return FieldKind::Other;
}

int DataSourceRows::textWidth(int field) const
{
    return fieldKind(field) == FieldKind::Text ? dataSet()->field(field).width() : 0;
}

QString DataSourceRows::displayPattern(int field) const
{
    return dataSet()->field(field).displayFormat().pattern();
}

int DataSourceRows::editDecimals(int field) const
{
    const custos::data::Field& f = dataSet()->field(field);
    if (fieldKind(field) != FieldKind::Number)
        return RowSource::editDecimals(field);
    const QString& pattern = f.editFormat().isGeneral() ? f.displayFormat().pattern() : f.editFormat().pattern();
    return patternDecimals(pattern, RowSource::editDecimals(field));
}

QVariant DataSourceRows::value(int row, int field) const
{
    return dataSet()->value(row, field);
}

QString DataSourceRows::displayText(int row, int field) const
{
    return dataSet()->displayText(row, field);
}

QString DataSourceRows::editText(int row, int field) const
{
    return dataSet()->editText(row, field);
}

bool DataSourceRows::isReadOnly() const
{
    return !dataSet() || !dataSet()->canModify();
}

bool DataSourceRows::isPendingValue(int row, int field) const
{
    return dataSet() && dataSet()->isPendingValue(row, field);
}

int DataSourceRows::currentRow() const
{
    return dataSet() ? dataSet()->recNo() - 1 : -1;
}

void DataSourceRows::setCurrentRow(int row)
{
    if (dataSet() && row != currentRow())
        dataSet()->setRecNo(row + 1);
}

bool DataSourceRows::isEditing() const
{
    return dataSet() && dataSet()->state() == DataSet::State::Edit;
}

void DataSourceRows::setFieldValue(int field, const QVariant& value)
{
    if (!dataSet() || !m_dataSource->edit())
        throw custos::data::DataError(QStringLiteral("O registro não está em edição."));
    dataSet()->setCurrentValue(field, value);
}

void DataSourceRows::post()
{
    if (isEditing())
        dataSet()->post();
}

void DataSourceRows::cancel()
{
    if (isEditing())
        dataSet()->cancel();
}

} // namespace custos::grid
