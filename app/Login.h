#pragma once
// The login's work on the main connection, without the window: the connection opened with the
// service, user, password and company given, the cost role, the session company, and the user
// looked up in the cost system's registry. The login window and the command line log in
// through it.

#include <QString>
#include <stdexcept>

namespace custos::session {
class DBXConnection;
}

namespace custos::app {

struct LoginValues
{
    QString database; // service name, as given
    QString user;     // trimmed of blanks before use
    QString password; // as given
    QString company;
};

// A database account without a row in VELKO_CST.USUARIOS. what() is the message the user reads.
class UnregisteredUserError : public std::runtime_error
{
public:
    UnregisteredUserError();
    static QString message();
};

// Closes the connection when open, sets its parameters and connects; runs the role, the company
// and the user's look-up. Returns NIVEL_ACESSO of the user's row; raises UnregisteredUserError
// when there is none, and the database's errors as they come.
QString logIn(session::DBXConnection& connection, const LoginValues& values);

// The access level "USR": the operator, who may not generate, close, reopen or edit prices.
bool isOperator(const QString& nivelAcesso);

} // namespace custos::app
