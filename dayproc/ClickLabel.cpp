#include "ClickLabel.h"

#include <QMouseEvent>

namespace custos::dayproc {

ClickLabel::ClickLabel(const QString& objectName, const QString& text, QWidget* parent) : QLabel(text, parent)
{
    setObjectName(objectName);
    setCursor(Qt::PointingHandCursor);
    QFont f(QStringLiteral("Verdana"));
    f.setPixelSize(11);
    f.setBold(true);
    f.setUnderline(true);
    setFont(f);
    QPalette p = palette();
    p.setColor(QPalette::WindowText, Qt::blue);
    setPalette(p);
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
}

} // namespace custos::dayproc
