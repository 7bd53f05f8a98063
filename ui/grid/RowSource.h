#pragma once
// What a grid reads and writes: rows of named fields in the source's own order, one current
// row, and the edit/post cycle on that row. The grid never reorders or filters the source; its
// sorting, grouping and filters live in its own structures.
//
// Errors (a refused post, a read-only dataset) are thrown as std::exception whose what() is the
// UTF-8 text the user is shown.

#include <QObject>
#include <QString>
#include <QVariant>

namespace custos::grid {

enum class FieldKind { Number, Integer, Text, DateTime, Other };

class RowSource : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    virtual int rowCount() const = 0;
    virtual int fieldCount() const = 0;
    virtual QString fieldName(int field) const = 0;
    virtual FieldKind fieldKind(int field) const = 0;
    // Maximum text length for an editor; 0 = no limit.
    virtual int textWidth(int field) const;
    // The display pattern of a number field ("#,0.00"; empty: the general number format).
    virtual QString displayPattern(int field) const;
    // Decimals a number editor accepts for the field (Number: 2 unless the source knows better).
    virtual int editDecimals(int field) const;
    // The field with this name, compared without case; -1 when there is none.
    virtual int fieldIndex(const QString& name) const;

    // A null QVariant for a null value.
    virtual QVariant value(int row, int field) const = 0;
    // The value as a number (sums, numeric sort keys); *isNull set for a null or non-number.
    virtual double number(int row, int field, bool* isNull) const;
    // The text through the field's display format, and its edit format.
    virtual QString displayText(int row, int field) const = 0;
    virtual QString editText(int row, int field) const = 0;

    virtual bool isReadOnly() const = 0;
    // Whether a row holds, in a field, a value posted but not saved (the grid marks it).
    virtual bool isPendingValue(int row, int field) const;

    virtual int currentRow() const = 0;
    // Moves the current row; a pending edit is posted first (throws when refused).
    virtual void setCurrentRow(int row) = 0;

    // True while the current row holds changes not posted yet.
    virtual bool isEditing() const = 0;
    // Puts the current row in edit and sets one field.
    virtual void setFieldValue(int field, const QVariant& value) = 0;
    virtual void post() = 0;
    virtual void cancel() = 0;

Q_SIGNALS:
    // The rows were replaced (opened, closed, refreshed, filtered by the owner).
    void rowsReset();
    // Values of one row changed (an edit, a post, a cancel).
    void rowChanged(int row);
    void currentRowChanged(int row);
    // Which values are pending (posted, not saved) changed; the values themselves did not.
    void pendingChanged();
};

// Decimals a display pattern shows at most ("#,0.00" 2, "#,0.000###" 6); fallback without a point.
int patternDecimals(const QString& pattern, int fallback);

} // namespace custos::grid
