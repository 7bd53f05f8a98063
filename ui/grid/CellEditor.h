#pragma once
// The in-place editors of a grid, by field kind: the numeric edit for numbers, a line edit for
// texts (limited to the field's width), a date and time edit for moments.

#include "RowSource.h"

#include <QVariant>

class QWidget;

namespace custos::grid {

struct CellEditor
{
    // An editor for a field of the source, holding the field's current value of row.
    static QWidget* create(const RowSource& source, int row, int field, QWidget* parent);
    // Replaces the editor's content with typed text, as if the user had typed it into an empty editor.
    static void type(QWidget* editor, const QString& text);
    // The value the editor holds (null for an empty editor).
    static QVariant value(QWidget* editor);
};

} // namespace custos::grid
