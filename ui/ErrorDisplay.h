#pragma once
// The application-wide error display, called where an operation starts: a slot, a timer's
// handler, a dataset event. The operation is abandoned and the error shown in a modal box with
// the application title, a stop icon and the error's text; the program goes on.

#include <QString>
#include <exception>

class QWidget;

namespace custos::ui {

// The text the display shows for an error (for a database error, the Portuguese sentence of
// its kind above the server's message).
QString errorText(const std::exception& error);

void showError(const std::exception& error, QWidget* parent = nullptr);

// Runs an operation's body and shows what it throws; true when it ran to its end.
template <typename Body>
bool guarded(QWidget* parent, Body&& body)
{
    try {
        body();
        return true;
    } catch (const std::exception& error) {
        showError(error, parent);
        return false;
    }
}

// A slot that runs a window's member function as an operation of its own: what the member
// throws is shown over the window and the program goes on.
template <typename Window, typename Result, typename... Args>
auto guardedSlot(Window* window, Result (Window::*member)(Args...))
{
    return [window, member](Args... args) { guarded(window, [&] { (window->*member)(args...); }); };
}

} // namespace custos::ui
