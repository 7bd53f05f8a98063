#pragma once
// The shared edit styles of the cost data module, as plain data (no widgets): the dialogs and
// detail windows take them from the data module and apply them with applyEditStyle.
// Every style shows a disabled edit without a border on a white background.

#include <QColor>

namespace custos::ui {

struct EditStyle
{
    QColor disabledText;
    bool disabledBold = false;
    QColor focusedBackground; // invalid: the tooltip colour
};

inline const EditStyle cxDefaultStyle{QColor(Qt::gray), false, QColor(0xFF, 0xFF, 0x80)};
inline const EditStyle cxDisplayOnlyStyle{QColor(0, 0, 128), false, QColor()};
inline const EditStyle cxLiteDisplayOnlyStyle{QColor(Qt::gray), false, QColor()};
inline const EditStyle cxBoldDisplayOnlyStyle{QColor(0, 0, 128), true, QColor()};

} // namespace custos::ui
