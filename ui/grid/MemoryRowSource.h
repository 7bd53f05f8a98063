#pragma once
// Rows held in memory, column by column (numbers as doubles), with the display and edit formats
// of the dataset layer. Serves grids over data the program computes itself, and grids of sample
// data (screenshots, benchmarks).

#include "RowSource.h"

#include <functional>
#include <vector>

namespace custos::grid {

class MemoryRowSource : public RowSource
{
    Q_OBJECT
public:
    // Checks a row before a post is accepted: returns the refusal's message, or empty.
    using PostCheck = std::function<QString(int row)>;

    explicit MemoryRowSource(QObject* parent = nullptr);

    int addField(const QString& name, FieldKind kind, const QString& displayFormat = {},
                 const QString& editFormat = {}, int textWidth = 0);
    // Replaces every row: value(row, field) gives each cell. Emits rowsReset.
    void load(int rowCount, const std::function<QVariant(int row, int field)>& value);
    void setReadOnly(bool readOnly);
    void setPostCheck(PostCheck check);

    int rowCount() const override { return m_rowCount; }
    int fieldCount() const override { return int(m_fields.size()); }
    QString fieldName(int field) const override;
    FieldKind fieldKind(int field) const override;
    int textWidth(int field) const override;
    QString displayPattern(int field) const override;
    int editDecimals(int field) const override;
    QVariant value(int row, int field) const override;
    double number(int row, int field, bool* isNull) const override;
    QString displayText(int row, int field) const override;
    QString editText(int row, int field) const override;
    bool isReadOnly() const override { return m_readOnly; }
    int currentRow() const override { return m_current; }
    void setCurrentRow(int row) override;
    bool isEditing() const override { return m_editing; }
    void setFieldValue(int field, const QVariant& value) override;
    void post() override;
    void cancel() override;

private:
    struct Field
    {
        QString name;
        FieldKind kind = FieldKind::Other;
        QString displayFormat;
        QString editFormat;
        int textWidth = 0;
        std::vector<double> numbers;   // Number, Integer; NaN for null
        std::vector<QVariant> others;  // every other kind
    };
    void store(int row, int field, const QVariant& value);
    QString numberText(int row, int field, const QString& pattern) const;

    std::vector<Field> m_fields;
    int m_rowCount = 0;
    int m_current = -1;
    bool m_readOnly = false;
    bool m_editing = false;
    std::vector<QVariant> m_original; // the current row before its edit
    PostCheck m_postCheck;
};

} // namespace custos::grid
