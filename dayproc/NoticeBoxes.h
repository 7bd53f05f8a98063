#pragma once
// The day operations' notices shown as message boxes over a window.

#include "DayOperationRules.h"

class QWidget;

namespace custos::dayproc {

Notify noticeBoxes(QWidget* parent);

} // namespace custos::dayproc
