#pragma once
// Puts one of the shared edit styles on an edit box.

#include "EditStyles.h"

class QWidget;

namespace custos::ui {

void applyEditStyle(QWidget* edit, const EditStyle& style);

} // namespace custos::ui
