#include "ErrorDisplayApplication.h"

#include "DatabaseError.h"
#include "MessageBox.h"

namespace custos::ui {

ErrorDisplayApplication::ErrorDisplayApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool ErrorDisplayApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        showError(error);
        return true;
    }
}

void ErrorDisplayApplication::showError(const std::exception& error)
{
    const auto* database = dynamic_cast<const session::DatabaseError*>(&error);
    const QString text = database ? database->message() : QString::fromUtf8(error.what());
    showMessage(MessageType::Error, MessageButtons::Ok, text, activeWindow());
}

} // namespace custos::ui
