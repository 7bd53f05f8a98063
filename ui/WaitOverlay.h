#pragma once
// The overlay during one long operation. There is one overlay at a time per window: when the
// window already shows one (an enclosing operation's), this guard neither adds a second nor
// removes that one; otherwise it shows a new overlay and frees it when the guard goes, also
// when the work fails.

#include <QPointer>

class QWidget;

namespace custos::ui {

class TF_Wait;

class WaitOverlay
{
public:
    explicit WaitOverlay(QWidget* owner);
    ~WaitOverlay();
    WaitOverlay(const WaitOverlay&) = delete;
    WaitOverlay& operator=(const WaitOverlay&) = delete;

    // Whether an overlay is showing over the window.
    static bool isShowing(const QWidget* owner);

private:
    QPointer<TF_Wait> m_overlay; // null when an enclosing operation owns the overlay
};

} // namespace custos::ui
