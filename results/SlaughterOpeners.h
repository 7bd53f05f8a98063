#pragma once
// The main window's openers of the slaughter result: each creates F_Abate over the running
// program's data module for the calendar day, shows it modally and destroys it when it
// closes. The cattle entry extends the caption with " - " and the day in the short date format.

#include <QDate>

class QWidget;

namespace custos::results {

void openAbateBovinos(QWidget* owner, const QDate& day);
void openAbateSuinos(QWidget* owner, const QDate& day);

} // namespace custos::results
