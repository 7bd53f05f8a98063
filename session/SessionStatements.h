#pragma once
// The statements of the session layer: the set-up every new connection runs and those of the
// shared routines. See Statement.h.

#include "Statement.h"

namespace custos::session::statements {

inline StatementList& list()
{
    static StatementList all;
    return all;
}

// The after-connect set-up (DBXConnection::open), in the order it runs.
inline const Statement SetRole{list(), "SetRole",
                               QStringLiteral("SET ROLE VELKO_USER IDENTIFIED BY RKT390426057W5NUV8390BY905832")};
inline const Statement SetNls{list(), "SetNls", QStringLiteral("BEGIN VELKO.SET_NLS_PARAMETERS; END;")};
inline const Statement SetEmpresa{list(), "SetEmpresa",
                                  QStringLiteral("BEGIN VELKO.PKG_VELKO.SET_EMPRESA(:empresa); END;"),
                                  {{"empresa", BindType::Number}}};

// The shared routines (SharedRoutines.h).
inline const Statement GetEmpresaSessao{list(), "GetEmpresaSessao",
                                        QStringLiteral("select VELKO.PKG_VELKO.Get_Empresa EMPRESA from dual")};
inline const Statement LimpaClausulaIn{list(), "LimpaClausulaIn",
                                       QStringLiteral("DELETE VELKO.CLAUSULA_IN WHERE CHAVE = :Chave"),
                                       {{"Chave", BindType::Integer}}};

// InsereClausulaIn writes a list's value to the column of its kind, one statement per column.
inline QString insereClausulaIn(const char* column)
{
    return QStringLiteral("INSERT INTO VELKO.CLAUSULA_IN ( CHAVE , \n") + QLatin1String(column) +
           QStringLiteral("\nVALUES ( :CHAVE , :DADOS )");
}
inline const Statement InsereClausulaInNumero{list(), "InsereClausulaInNumero", insereClausulaIn("NUMERO ) "),
                                              {{"CHAVE", BindType::Integer}, {"DADOS", BindType::Number}}};
inline const Statement InsereClausulaInData{list(), "InsereClausulaInData", insereClausulaIn("DATA )"),
                                            {{"CHAVE", BindType::Integer}, {"DADOS", BindType::Date}}};
inline const Statement InsereClausulaInCaracter{list(), "InsereClausulaInCaracter", insereClausulaIn("CARACTER ) "),
                                                {{"CHAVE", BindType::Integer}, {"DADOS", BindType::Text}}};

} // namespace custos::session::statements
