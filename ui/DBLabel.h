#pragma once
// A read-only label bound to one field of a data source's dataset (the value of the current
// record in the field's display format) or, for a client dataset, to one of its aggregates of
// that name. A closed dataset or one without rows leaves the label empty.
//
// While the display is suspended the label keeps what it shows and catches up when resumed
// (the day load suspends the slaughter panels while it reopens their datasets).

#include "DataSet.h"
#include "DataSource.h"
#include "LineLabel.h"

#include <QPointer>

namespace custos::ui {

class DBLabel : public LineLabel
{
    Q_OBJECT
public:
    explicit DBLabel(QWidget* parent = nullptr);
    DBLabel(data::DataSource* dataSource, const QString& dataField, QWidget* parent = nullptr);

    void setDataSource(data::DataSource* dataSource);
    data::DataSource* dataSource() const { return m_dataSource; }
    void setDataField(const QString& dataField);
    const QString& dataField() const { return m_dataField; }

    void setDisplaySuspended(bool suspended);
    bool isDisplaySuspended() const { return m_suspended; }

    // The text the bound value shows now (what the label shows unless it is suspended).
    QString boundText() const;
    // Whether the open dataset has a field or an aggregate of the bound name.
    bool isFieldFound() const;

private:
    void refresh();

    QPointer<data::DataSource> m_dataSource;
    QString m_dataField;
    bool m_suspended = false;
};

} // namespace custos::ui
