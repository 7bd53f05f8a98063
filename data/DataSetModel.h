#pragma once
// The Qt item model of a data source's dataset, for grids: one row per visible record, one
// column per field, in field order.
//
// Roles:
//   Qt::DisplayRole        the value as shown: the field's display format (Field.h)
//   Qt::EditRole           numbers: the text in the field's edit format (the general format
//                          when it has none); texts and timestamps: the value
//   Qt::TextAlignmentRole  numbers right-aligned, everything else left-aligned
//   FieldNameRole          the field's name (also in headerData)
//   RawValueRole           the value as stored: double, int, QString or QDateTime; a null
//                          QVariant for NULL
// Horizontal headers show the field names; vertical headers the record numbers.
//
// setData (EditRole) moves the dataset to the row, puts it in edit state (through the data
// source's auto-edit), sets the field and posts the record, so the dataset's after-post rules
// run at once. A text equal to the current edit text changes nothing, so leaving an editor
// untouched never drops digits the edit format hides. Errors are not swallowed: a read-only
// dataset, a text that is not a value of the field, or an error of a post rule propagate as
// exceptions (the record being edited is cancelled first) to the application's error display.

#include <QAbstractTableModel>
#include <QPointer>

namespace custos::data {

class DataSet;
class DataSource;

class DataSetModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Role { FieldNameRole = Qt::UserRole + 1, RawValueRole };

    explicit DataSetModel(DataSource* source, QObject* parent = nullptr);

    DataSource* dataSource() const { return m_source; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QHash<int, QByteArray> roleNames() const override;

private:
    DataSet* dataSet() const;
    void onRowsChanged(int firstRow, int lastRow);

    QPointer<DataSource> m_source;
    bool m_resetting = false;
};

} // namespace custos::data
