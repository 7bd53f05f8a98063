#include "CellEditor.h"

#include <TNumEdit.h>

#include <QCoreApplication>
#include <QDateTimeEdit>
#include <QKeyEvent>
#include <QLineEdit>

namespace custos::grid {

QWidget* CellEditor::create(const RowSource& source, int row, int field, QWidget* parent)
{
    const QVariant current = source.value(row, field);
    switch (source.fieldKind(field)) {
    case FieldKind::Number:
    case FieldKind::Integer: {
        auto* edit = new custos::ui::TNumEdit(parent);
        edit->setDecimals(source.editDecimals(field));
        edit->setValue(current.toDouble());
        return edit;
    }
    case FieldKind::DateTime: {
        auto* edit = new QDateTimeEdit(current.toDateTime(), parent);
        edit->setFrame(false);
        return edit;
    }
    case FieldKind::Text:
    case FieldKind::Other: {
        auto* edit = new QLineEdit(source.editText(row, field), parent);
        edit->setFrame(false);
        if (source.textWidth(field) > 0)
            edit->setMaxLength(source.textWidth(field));
        return edit;
    }
    }
    return nullptr;
}

void CellEditor::type(QWidget* editor, const QString& text)
{
    if (auto* line = qobject_cast<QLineEdit*>(editor)) {
        line->selectAll();
        // Through the editor's own key handling, so the numeric edit's key filter applies.
        for (const QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QCoreApplication::sendEvent(line, &press);
        }
    }
}

QVariant CellEditor::value(QWidget* editor)
{
    if (auto* number = qobject_cast<custos::ui::TNumEdit*>(editor))
        return number->text().trimmed().isEmpty() ? QVariant() : QVariant(number->Value());
    if (auto* moment = qobject_cast<QDateTimeEdit*>(editor))
        return QVariant(moment->dateTime());
    const QString text = static_cast<QLineEdit*>(editor)->text();
    return text.isEmpty() ? QVariant() : QVariant(text);
}

} // namespace custos::grid
