#pragma once
// The grid's binding to the dataset layer: a data source (DTS_...) seen as the grid's row
// source. Rows are the dataset's visible rows, the current row its record number less one;
// edits go through the data source's auto-edit and the dataset's post and cancel.

#include "RowSource.h"

#include <QPointer>

namespace custos::data {
class DataSet;
class DataSource;
}

namespace custos::grid {

class DataSourceRows : public RowSource
{
    Q_OBJECT
public:
    explicit DataSourceRows(custos::data::DataSource* dataSource, QObject* parent = nullptr);

    int rowCount() const override;
    int fieldCount() const override;
    QString fieldName(int field) const override;
    int fieldIndex(const QString& name) const override;
    FieldKind fieldKind(int field) const override;
    int textWidth(int field) const override;
    QString displayPattern(int field) const override;
    int editDecimals(int field) const override;
    QVariant value(int row, int field) const override;
    QString displayText(int row, int field) const override;
    QString editText(int row, int field) const override;
    bool isReadOnly() const override;
    bool isPendingValue(int row, int field) const override;
    int currentRow() const override;
    void setCurrentRow(int row) override;
    bool isEditing() const override;
    void setFieldValue(int field, const QVariant& value) override;
    void post() override;
    void cancel() override;

private:
    custos::data::DataSet* dataSet() const;

    QPointer<custos::data::DataSource> m_dataSource;
};

} // namespace custos::grid
