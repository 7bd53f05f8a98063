#pragma once
// Key preview: a window sees each key press meant for one of its controls before the control.

#include <QObject>
#include <functional>

class QKeyEvent;
class QWidget;

namespace custos::ui {

class KeyPreview : public QObject
{
    Q_OBJECT
public:
    // The handler returns true to swallow the key.
    using Handler = std::function<bool(QKeyEvent*)>;

    KeyPreview(QWidget* window, Handler handler);

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_window;
    Handler m_handler;
};

// True for the Enter keys (main and keypad) pressed without Ctrl, Alt or Shift.
bool isEnterKey(const QKeyEvent* event);

} // namespace custos::ui
