#pragma once
// One field (column) of a dataset: its name, kind, text width and display and edit formats,
// and typed access to the value of the dataset's current record (the record being edited, in
// edit state). Reading a closed or empty dataset gives NULL; AsFloat and AsInteger read NULL as
// 0 and AsString as "".

#include "DisplayFormat.h"
#include "RecordStore.h"

#include <QDateTime>
#include <QString>
#include <QVariant>

namespace custos::data {

class DataSet;

class Field
{
public:
    Field(DataSet& dataSet, const QString& name, FieldKind kind, bool declared);
    Field(const Field&) = delete;
    Field& operator=(const Field&) = delete;

    const QString& name() const { return m_name; }
    FieldKind kind() const { return m_kind; }
    bool isNumeric() const;
    // Text width in characters, 0 when the field sets none.
    int width() const { return m_width; }
    void setWidth(int width) { m_width = width; }
    // Column of the field in the dataset (its position among the fields).
    int index() const { return m_index; }
    DataSet& dataSet() const { return *m_dataSet; }
    bool isDeclared() const { return m_declared; }

    const DisplayFormat& displayFormat() const { return m_displayFormat; }
    void setDisplayFormat(const QString& pattern) { m_displayFormat = DisplayFormat(pattern); }
    const DisplayFormat& editFormat() const { return m_editFormat; }
    void setEditFormat(const QString& pattern) { m_editFormat = DisplayFormat(pattern); }

    bool isNull() const;
    QVariant value() const;
    double asFloat() const;
    int asInteger() const;
    QString asString() const;
    QDateTime asDateTime() const;
    QString displayText() const { return displayTextOf(value()); }
    QString editText() const { return editTextOf(value()); }

    // Writing needs the dataset in edit state; a read-only dataset refuses with its error.
    void setValue(const QVariant& value);
    void setAsFloat(double value) { setValue(value); }
    void setAsInteger(int value) { setValue(value); }
    void setAsString(const QString& value) { setValue(value); }
    void setAsDateTime(const QDateTime& value) { setValue(value); }
    void clear() { setValue(QVariant()); }

    // Shown text: numbers with the display format (the general format when there is none),
    // timestamps as the locale's short date, followed by the time when it is not midnight.
    QString displayTextOf(const QVariant& value) const;
    // Text while editing: numbers with the edit format, or the general format when the field
    // has none (so that editing never drops digits the display format hides).
    QString editTextOf(const QVariant& value) const;
    // value as this field stores it: numbers as double or int, texts as QString, timestamps
    // as QDateTime; text is read with the locale. Raises DataError for a text that is not a
    // value of the field's kind, a fraction for an integer field, or a text beyond the width.
    QVariant convert(const QVariant& value) const;

private:
    friend class DataSet;

    DataSet* m_dataSet;
    QString m_name;
    FieldKind m_kind;
    bool m_declared;
    int m_width = 0;
    int m_index = -1;
    DisplayFormat m_displayFormat;
    DisplayFormat m_editFormat;
};

} // namespace custos::data
