#include "KeyPreview.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace custos::ui {

KeyPreview::KeyPreview(QWidget* window, Handler handler)
    : QObject(window), m_window(window), m_handler(std::move(handler))
{
    qApp->installEventFilter(this);
}

bool KeyPreview::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
        return false;
    auto* widget = static_cast<QWidget*>(watched);
    // A key travels from the focused control to its parents; the window sees it once, first.
    if (widget->window() != m_window || (widget != QApplication::focusWidget() && widget != m_window))
        return false;
    return m_handler(static_cast<QKeyEvent*>(event));
}

bool isEnterKey(const QKeyEvent* event)
{
    const auto modifiers = event->modifiers() & ~Qt::KeypadModifier;
    return (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && modifiers == Qt::NoModifier;
}

} // namespace custos::ui
