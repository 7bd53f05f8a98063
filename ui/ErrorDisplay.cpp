#include "ErrorDisplay.h"

#include "DatabaseError.h"
#include "MessageBox.h"

#include <QApplication>

namespace custos::ui {

void showError(const std::exception& error, QWidget* parent)
{
    const auto* database = dynamic_cast<const session::DatabaseError*>(&error);
    const QString text = database ? database->userText() : QString::fromUtf8(error.what());
    showMessage(MessageType::Error, MessageButtons::Ok, text, parent ? parent : QApplication::activeWindow());
}

} // namespace custos::ui
