#include "DataSetModel.h"

#include "DataSet.h"
#include "DataSource.h"

namespace custos::data {

DataSetModel::DataSetModel(DataSource* source, QObject* parent)
    : QAbstractTableModel(parent)
    , m_source(source)
{
    connect(source, &DataSource::aboutToReset, this, [this] {
        m_resetting = true;
        beginResetModel();
    });
    connect(source, &DataSource::reset, this, [this] {
        m_resetting = false;
        endResetModel();
    });
    connect(source, &DataSource::dataSetChanged, this, [this] {
        beginResetModel();
        endResetModel();
    });
    connect(source, &DataSource::rowsChanged, this, &DataSetModel::onRowsChanged);
}

DataSet* DataSetModel::dataSet() const
{
    return m_source ? m_source->dataSet() : nullptr;
}

void DataSetModel::onRowsChanged(int firstRow, int lastRow)
{
    const int columns = columnCount();
    if (columns > 0 && !m_resetting)
        Q_EMIT dataChanged(index(firstRow, 0), index(lastRow, columns - 1));
}

int DataSetModel::rowCount(const QModelIndex& parent) const
{
    const DataSet* ds = dataSet();
    return (parent.isValid() || !ds) ? 0 : ds->recordCount();
}

int DataSetModel::columnCount(const QModelIndex& parent) const
{
    const DataSet* ds = dataSet();
    return (parent.isValid() || !ds) ? 0 : ds->fieldCount();
}

QVariant DataSetModel::data(const QModelIndex& index, int role) const
{
    const DataSet* ds = dataSet();
    if (!ds || !checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const Field& field = ds->field(index.column());
    switch (role) {
    case Qt::DisplayRole:
        return ds->displayText(index.row(), index.column());
    case Qt::EditRole:
        if (field.isNumeric())
            return ds->editText(index.row(), index.column());
        return ds->value(index.row(), index.column());
    case Qt::TextAlignmentRole:
        return int((field.isNumeric() ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    case FieldNameRole:
        return field.name();
    case RawValueRole:
        return ds->value(index.row(), index.column());
    default:
        return {};
    }
}

bool DataSetModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    DataSet* ds = dataSet();
    if (!ds || role != Qt::EditRole
        || !checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return false;
    const int row = index.row();
    const int column = index.column();
    if (value.metaType().id() == QMetaType::QString && value.toString() == ds->editText(row, column))
        return true;
    const QVariant converted = ds->field(column).convert(value);
    if (converted == ds->value(row, column))
        return true;
    if (ds->recNo() != row + 1)
        ds->setRecNo(row + 1);
    const bool wasEditing = ds->state() == DataSet::State::Edit;
    if (!m_source->edit())
        return false;
    try {
        ds->setCurrentValue(column, converted);
        ds->post();
    } catch (...) {
        if (!wasEditing && ds->state() == DataSet::State::Edit)
            ds->cancel();
        throw;
    }
    return true;
}

QVariant DataSetModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    const DataSet* ds = dataSet();
    if (!ds)
        return {};
    if (orientation == Qt::Horizontal) {
        if (section < 0 || section >= ds->fieldCount())
            return {};
        if (role == Qt::DisplayRole || role == FieldNameRole)
            return ds->field(section).name();
        return {};
    }
    if (role == Qt::DisplayRole && section >= 0 && section < ds->recordCount())
        return section + 1;
    return {};
}

Qt::ItemFlags DataSetModel::flags(const QModelIndex& index) const
{
    const DataSet* ds = dataSet();
    if (!ds || !index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags result = Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemNeverHasChildren;
    const bool editable = ds->isActive() && ds->canModify()
                       && (m_source->autoEdit() || ds->state() == DataSet::State::Edit);
    if (editable)
        result |= Qt::ItemIsEditable;
    return result;
}

QHash<int, QByteArray> DataSetModel::roleNames() const
{
    QHash<int, QByteArray> names = QAbstractTableModel::roleNames();
    names.insert(FieldNameRole, "fieldName");
    names.insert(RawValueRole, "rawValue");
    return names;
}

} // namespace custos::data
