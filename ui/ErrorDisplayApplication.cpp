#include "ErrorDisplayApplication.h"

#include "ErrorDisplay.h"

namespace custos::ui {

ErrorDisplayApplication::ErrorDisplayApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool ErrorDisplayApplication::notify(QObject* receiver, QEvent* event)
{
    // The last net: operations catch their own errors where they start.
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        ui::showError(error, activeWindow());
        return true;
    }
}

} // namespace custos::ui
