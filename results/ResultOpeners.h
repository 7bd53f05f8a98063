#pragma once
// The main window's openers of the result windows: each creates its window over the running
// program's data module for the calendar day, shows it modally and destroys it when it
// closes. The cattle slaughter and the industrialized result extend the caption with " - "
// and the day in the short date format.

#include <QDate>

class QWidget;

namespace custos::results {

void openAbateBovinos(QWidget* owner, const QDate& day);
void openAbateSuinos(QWidget* owner, const QDate& day);
// For the family result the main window positioned in CDS_Resultado.
void openIndustrializadoResultado(QWidget* owner, const QDate& day);
// For the resale group the main window positioned in CDS_ResumoRevenda.
void openRevendaResultado(QWidget* owner, const QDate& day);

} // namespace custos::results
