#pragma once
// A data source (prefix DTS_ or DS_): what grids and labels bind to. It names one dataset
// (which may be swapped or go away) and repeats the dataset's notifications, so a view keeps
// one connection whatever dataset is behind it.

#include <QObject>
#include <QPointer>

namespace custos::data {

class DataSet;

class DataSource : public QObject
{
    Q_OBJECT
public:
    explicit DataSource(DataSet* dataSet = nullptr, QObject* parent = nullptr);

    void setDataSet(DataSet* dataSet);
    DataSet* dataSet() const { return m_dataSet; }

    // Whether a change made in a bound view puts the dataset into edit state by itself (on
    // unless turned off).
    void setAutoEdit(bool autoEdit) { m_autoEdit = autoEdit; }
    bool autoEdit() const { return m_autoEdit; }
    // For a bound view about to change a value: true when the dataset is (or, with auto-edit,
    // has just been put) in edit state. A read-only dataset raises its error.
    bool edit();

Q_SIGNALS:
    void dataSetChanged(); // another dataset (or none) is bound
    void aboutToReset();
    void reset();
    void rowsChanged(int firstRow, int lastRow);
    void scrolled();
    void stateChanged();
    void pendingChanged(); // pending rows of the dataset were saved

private:
    QPointer<DataSet> m_dataSet;
    bool m_autoEdit = true;
};

} // namespace custos::data
