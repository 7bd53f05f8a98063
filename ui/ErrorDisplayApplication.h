#pragma once
// The application object of the program. It is the application-wide error display: an error
// that escapes an event handler abandons that handler and is shown in a modal box with the
// application title, a stop icon, the error's text and OK; the program then goes on.

#include <QApplication>

namespace custos::ui {

class ErrorDisplayApplication : public QApplication
{
    Q_OBJECT
public:
    ErrorDisplayApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;
};

} // namespace custos::ui
