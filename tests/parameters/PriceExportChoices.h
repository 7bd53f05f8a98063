#pragma once
// A price table export window driven as a user drives it: the kind, the figure and the table
// chosen in the combos, a button clicked, the confirmation answered.

#include "PriceTableExportForm.h"

#include <MessageBox.h>

#include <QComboBox>
#include <QtTest>

namespace custos::test {

enum PriceTableKind { TabelaDeCusto, TabelaBase };

inline QComboBox* combo(parameters::PriceTableExportForm& form, const char* name)
{
    return form.findChild<QComboBox*>(QString::fromLatin1(name));
}

// Chooses the kind, the figure and the table of the number given, as a user picks them.
inline void choose(parameters::PriceTableExportForm& form, PriceTableKind kind, int figure, const QString& numero)
{
    combo(form, "ComboBox_Tipo")->setCurrentIndex(kind);
    combo(form, "ComboBox_Referencia")->setCurrentIndex(figure);
    QComboBox* tabela = combo(form, "LookupComboBox_Tabela");
    for (int i = 0; i < tabela->count(); ++i) {
        if (tabela->model()->index(i, 0).data().toString() == numero) {
            tabela->setCurrentIndex(i);
            Q_EMIT tabela->activated(i);
            return;
        }
    }
    QFAIL(qPrintable(QStringLiteral("no table %1 in the chooser").arg(numero)));
}

inline void click(parameters::PriceTableExportForm& form, const char* name)
{
    QWidget* button = form.findChild<QWidget*>(QString::fromLatin1(name));
    QVERIFY(button);
    QTest::mouseClick(button, Qt::LeftButton);
}

// Clicks "&OK", answering the confirmation; the messages shown, one per line.
inline QString confirm(parameters::PriceTableExportForm& form, ui::MessageResult answer)
{
    QStringList shown;
    ui::ScopedMessageHook hook([&](ui::MessageType type, ui::MessageButtons, const QString& text) {
        shown << text;
        return type == ui::MessageType::Confirmation ? answer : ui::MessageResult::Ok;
    });
    click(form, "btnOK");
    return shown.join(u'\n');
}

} // namespace custos::test
