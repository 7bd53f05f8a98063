#include "Login.h"

#include "AppStatements.h"
#include "DBXConnection.h"

namespace custos::app {

UnregisteredUserError::UnregisteredUserError() : std::runtime_error(message().toStdString()) {}

QString UnregisteredUserError::message()
{
    return QStringLiteral("Este usuário não tem permissão para acessar o sistema de custo.");
}

QString logIn(session::DBXConnection& connection, const LoginValues& values)
{
    if (connection.isConnected())
        connection.close();
    connection.setParam(QStringLiteral("DATABASE"), values.database);
    connection.setParam(QStringLiteral("USER_NAME"), values.user.trimmed());
    connection.setParam(QStringLiteral("PASSWORD"), values.password);
    connection.setParam(QStringLiteral("DEFAULT COMPANY"), values.company);
    connection.open();
    connection.execute(statements::Q_SetRole);
    connection.execute(statements::Q_ConectaEmpresa,
                       session::Params().setText(QStringLiteral("EMPRESA"),
                                                 connection.param(QStringLiteral("DEFAULT COMPANY"))));
    const session::Result user = connection.query(
        statements::Q_User,
        session::Params().setText(QStringLiteral("USERNAME"), connection.param(QStringLiteral("USER_NAME"))));
    if (user.rowCount() == 0)
        throw UnregisteredUserError();
    return user.value(0, user.indexOf(QStringLiteral("NIVEL_ACESSO"))).toString();
}

bool isOperator(const QString& nivelAcesso)
{
    return nivelAcesso == QLatin1String("USR");
}

} // namespace custos::app
