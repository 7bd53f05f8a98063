#pragma once
// The statements of the result windows that no dataset of the data module holds. See
// Statement.h.

#include "Statement.h"

namespace custos::results::statements {

using session::BindType;
using session::Statement;

inline session::StatementList& list()
{
    static session::StatementList all;
    return all;
}

// The markets of the "Merc" lookups.
inline const Statement Q_Mercado{list(), "Q_Mercado", QStringLiteral(R"sql(select id_mercado "Id",
       descricao "Descrição",
       sigla "Sigla"
  from velko_cst.mercado)sql")};

// Industrialized result: the process type of the line a production order ran on.
inline const Statement tipoProcesso{list(), "tipoProcesso",
                                    QStringLiteral("SELECT L.TIPO_PROCESSO        \n"
                                                   "  FROM VELKO_PCP.TABELA_PCP T \n"
                                                   "      ,VELKO_PCP.LINHA_PRODUCAO L\n"
                                                   " WHERE T.ID_LINHA_PRODUCAO = L.ID_LINHA_PRODUCAO\n"
                                                   "   AND T.ID_TABELA_PCP     = :ID_TABELA_PCP "),
                                    {{"ID_TABELA_PCP", BindType::Number}}};

// Industrialized result: the day's raw-material prices taken at weighted average cost.
inline const Statement dataCmp{list(), "dataCmp",
                               QStringLiteral("SELECT imp.* \n"
                                              "  FROM velko_cst.industrial_preco_mp imp  \n"
                                              " WHERE imp.id_industrial = :id_industrial \n"
                                              "   AND imp.metodo_custo_mp = 'CMP' "),
                               {{"id_industrial", BindType::Number}}};

// "Obter CMP": whether the family consumed raw material costed at weighted average cost.
inline const Statement materiaPrimaCmp{
    list(), "materiaPrimaCmp",
    QStringLiteral("SELECT t.*      \n"
                   "  FROM TABLE(velko_cst.pkg_industrializado.ppl_materia_prima(:p_unidade,:p_data,:p_data)) t \n"
                   " WHERE t.id_familia = :p_familia  \n"
                   "   AND t.codigo_metodo_custo_mp = 'CMP' "),
    {{"p_unidade", BindType::Number}, {"p_data", BindType::Date}, {"p_familia", BindType::Number}}};

// "Obter CMP": the package rewrites the family's weighted-average raw-material prices of the day.
inline const Statement atualizaCustoMedioMp{
    list(), "atualizaCustoMedioMp",
    QStringLiteral("BEGIN  \n"
                   "  velko_cst.pkg_industrializado.atualiza_custo_medio_mp(:p_id_unidade, \n"
                   ":p_id_familia, \n"
                   ":p_data);      \n"
                   "END; "),
    {{"p_id_unidade", BindType::Number}, {"p_id_familia", BindType::Number}, {"p_data", BindType::Date}}};

} // namespace custos::results::statements
