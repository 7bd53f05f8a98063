#pragma once
// The application-wide error display, called where an operation starts: a slot, a timer's
// handler, a dataset event. The operation is abandoned and the error shown in a modal box with
// the application title, a stop icon and the error's text; the program goes on.

#include <exception>

class QWidget;

namespace custos::ui {

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

} // namespace custos::ui
