#pragma once
// The statements of the main window and the day operations that no dataset of the data module
// holds. See Statement.h.

#include "Statement.h"

namespace custos::dayproc::statements {

using session::BindType;
using session::Statement;

inline session::StatementList& list()
{
    static session::StatementList all;
    return all;
}

// Start-up: a unit's processing database is not where costs are worked on.
inline const Statement unitDatabaseCheck{list(), "unitDatabaseCheck",
                                         QStringLiteral("select count(*) contador from velko_cst.unidade"
                                                        " where tnsnames = :database"),
                                         {{"database", BindType::Text}}};

// Day load: how detailed the by-product block of the unit's slaughter is.
inline const Statement nivelDetalheAbate{list(), "nivelDetalheAbate",
                                         QStringLiteral("SELECT P.NIVEL_DETALHE_ABATE FROM VELKO_CST.PARAMETROS P"
                                                        " WHERE P.ID_UNIDADE = :ID_UNIDADE"),
                                         {{"ID_UNIDADE", BindType::Number}}};

// Process-type filter: the families of the day's production items on lines of the type.
inline const Statement dayFamilies{list(), "dayFamilies", QStringLiteral(R"sql(SELECT DISTINCT ip.id_familia
  FROM velko_cst.industrial i,
       velko_cst.industrial_produto ip,
       velko_pcp.linha_producao l
 WHERE i.id_industrial = ip.id_industrial
   AND ip.id_linha_producao  = l.id_linha_producao
   AND i.data = :p_data
   AND i.id_unidade = :p_id_unidade
   AND DECODE(l.tipo_processo,'D',1,'E',2,'I',3,'T',4) = :p_tipo)sql"),
                                   {{"p_data", BindType::Date},
                                    {"p_id_unidade", BindType::Number},
                                    {"p_tipo", BindType::Integer}}};

// Process-type filter: the families of the month's production whose production orders ran on
// lines of the type.
inline const Statement periodFamilies{list(), "periodFamilies", QStringLiteral(R"sql(SELECT DISTINCT t.id_familia
  FROM velko_cst.industrial i,
       velko_cst.industrial_produto ip,
       velko_pcp.tabela_pcp t,
       velko_pcp.linha_producao l
 WHERE i.id_industrial = ip.id_industrial
   AND ip.id_ordem_producao = t.id_tabela_pcp
   AND t.id_linha_producao  = l.id_linha_producao
   AND i.data between trunc(:p_data,'mm') and :p_data
   AND i.id_unidade = :p_id_unidade
   AND DECODE(l.tipo_processo,'D',1,'E',2,'I',3,'T',4) = :p_tipo)sql"),
                                      {{"p_data", BindType::Date},
                                       {"p_id_unidade", BindType::Number},
                                       {"p_tipo", BindType::Integer}}};

} // namespace custos::dayproc::statements
