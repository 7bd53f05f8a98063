#pragma once
// The statements of the login. See Statement.h.

#include "SessionStatements.h"

namespace custos::app::statements {

using session::BindType;
using session::Statement;

inline session::StatementList& list()
{
    static session::StatementList all;
    return all;
}

// The login enables the cost role once more, the connection's own set-up statement.
inline const Statement& Q_SetRole = session::statements::SetRole;
inline const Statement Q_ConectaEmpresa{list(), "Q_ConectaEmpresa",
                                        QStringLiteral("BEGIN\n"
                                                       "   VELKO.PKG_VELKO.SET_EMPRESA(:EMPRESA);\n"
                                                       "END;"),
                                        {{"EMPRESA", BindType::Text}}};
inline const Statement Q_User{list(), "Q_User",
                              QStringLiteral("SELECT * FROM VELKO_CST.USUARIOS\n"
                                             "WHERE USERNAME = :USERNAME"),
                              {{"USERNAME", BindType::Text}}};

} // namespace custos::app::statements
