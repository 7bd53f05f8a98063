#include "ErrorDisplay.h"

#include "DatabaseError.h"
#include "MessageBox.h"

#include <QApplication>

namespace custos::ui {

QString errorText(const std::exception& error)
{
    const auto* database = dynamic_cast<const session::DatabaseError*>(&error);
    return database ? database->userText() : QString::fromUtf8(error.what());
}

void showError(const std::exception& error, QWidget* parent)
{
    showMessage(MessageType::Error, MessageButtons::Ok, errorText(error),
                parent ? parent : QApplication::activeWindow());
}

} // namespace custos::ui
