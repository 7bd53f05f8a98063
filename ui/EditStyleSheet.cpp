#include "EditStyleSheet.h"

#include <QToolTip>
#include <QWidget>

namespace custos::ui {

void applyEditStyle(QWidget* edit, const EditStyle& style)
{
    const QColor focused = style.focusedBackground.isValid()
                               ? style.focusedBackground
                               : QToolTip::palette().color(QPalette::ToolTipBase);
    edit->setStyleSheet(
        QStringLiteral("*:disabled { border: none; background: white; color: %1; font-weight: %2; }"
                       " *:focus { background: %3; }")
            .arg(style.disabledText.name(),
                 style.disabledBold ? QStringLiteral("bold") : QStringLiteral("normal"), focused.name()));
}

} // namespace custos::ui
