// The statements of the closing and reopening of days (the open earlier and the closed later
// days, the unprocessed production and purchase orders, the closing and reopening blocks) and
// the two history datasets: the undoable price captures and the generation and closing log.
//
// The history datasets carry the save rule of the resale record and its table name, but their
// rows come from other tables and the selection mark of the price captures is a constant of the
// query: their providers write no column, so a save writes nothing and the mark stays on the
// client.
#include "Areas.h"

#include "Builder.h"
#include "ClientDataSet.h"
#include "Provider.h"
#include "Query.h"

namespace custos::data::catalogue {

void defineClosingAndHistory(TDataModule_Custo& module)
{
    addQuery(module, "Q_DiasFechados",
             {{"ID_UNIDADE", BindType::Number}, {"DATA", BindType::Date}}, R"sql(
SELECT DATA
  FROM (SELECT A.DATA
          FROM VELKO_CST.ABATE A
         WHERE A.ID_UNIDADE = :ID_UNIDADE
           AND A.DATA > :DATA
           AND A.DATA_FECHAMENTO IS NOT NULL
        UNION
        SELECT D.DATA
          FROM VELKO_CST.INDUSTRIAL D
          WHERE D.ID_UNIDADE = :ID_UNIDADE
            AND D.DATA > :DATA
            AND D.DATA_FECHAMENTO IS NOT NULL
        UNION
        SELECT R.DATA
          FROM VELKO_CST.REVENDA R
          WHERE R.ID_UNIDADE = :ID_UNIDADE
            AND R.DATA > :DATA
            AND R.DATA_FECHAMENTO IS NOT NULL
        )
ORDER BY DATA   DESC
)sql");
    addQuery(module, "Q_DiasAbertos",
             {{"ID_UNIDADE", BindType::Number}, {"DATA", BindType::Date}}, R"sql(
SELECT DATA
  FROM (SELECT A.DATA
          FROM VELKO_CST.ABATE A
         WHERE A.ID_UNIDADE = :ID_UNIDADE
           AND A.DATA < :DATA
           AND A.DATA_FECHAMENTO IS NULL
        UNION
        SELECT D.DATA
          FROM VELKO_CST.INDUSTRIAL D
          WHERE D.ID_UNIDADE = :ID_UNIDADE
            AND D.DATA < :DATA
            AND D.DATA_FECHAMENTO IS NULL
        UNION
        SELECT R.DATA
          FROM VELKO_CST.REVENDA R
          WHERE R.ID_UNIDADE = :ID_UNIDADE
            AND R.DATA < :DATA
            AND R.DATA_FECHAMENTO IS NULL
        )
ORDER BY DATA
)sql");
    addQuery(module, "Q_ValidaOP",
             {{"P_ID_UNIDADE", BindType::Integer}, {"P_DATA", BindType::Date}}, R"sql(
SELECT OP.ID_TABELA_PCP ID_ORDEM_PRODUCAO
  FROM VELKO_PCP.TABELA_PCP       OP,
       VELKO_CST.BASE_CUSTO       A,
       VELKO_CST.LINHA_INDUSTRIAL LI
 WHERE A.ID_UNIDADE = :P_ID_UNIDADE
   AND A.ID_UNIDADE = OP.CODIGO_EMPRESA
   AND OP.ID_LINHA_PRODUCAO = LI.ID_LINHA
   AND OP.SITUACAO = 'C'
   AND OP.DATA_FECHAMENTO IS NOT NULL
   AND :P_DATA BETWEEN A.DATA_INICIAL AND NVL(A.DATA_FINAL, TRUNC(SYSDATE))
   AND ((A.CRITERIO_DATA_OP = 'E' AND :P_DATA = OP.DATA_ENCERRAMENTO) OR
       (A.CRITERIO_DATA_OP = 'P' AND :P_DATA = OP.DATA_PROGRAMACAO))
   AND (EXISTS
        (SELECT 1
           FROM VELKO_PEC.PESAGEM_DESOSSA P, 
                VELKO_PCP.ORDEM_PRODUCAO O
          WHERE P.ID_ORDEM_PRODUCAO = O.ID_ORDEM_PRODUCAO
            AND O.ID_TABELA_PCP = OP.ID_TABELA_PCP) OR EXISTS
        (SELECT 1
           FROM VELKO_PCP.LOTE_ENTRADA L, 
                VELKO_PCP.PARAMETRO_LOTE PL
          WHERE L.ID_PARAMETRO_LOTE = PL.ID_PARAMETRO_LOTE
            AND PL.ORIGEM = 'P'
            AND PL.RENDIMENTO = 1
            AND L.ID_TABELA_PCP = OP.ID_TABELA_PCP))
  AND A.TIPO_FECHAMENTO = 'D'
  
MINUS

SELECT DISTINCT X.ID_ORDEM_PRODUCAO
  FROM (SELECT DISTINCT R.ID_ORDEM_PRODUCAO
          FROM TABLE(VELKO_CST.PKG_INDUSTRIALIZADO.PPL_RESULTADO(:P_ID_UNIDADE,
                                                                 :P_DATA,
                                                                 :P_DATA)) R
        UNION ALL
        
        SELECT DISTINCT R.ID_ORDEM_PRODUCAO
          FROM TABLE(VELKO_CST.PKG_ABATE.PPL_APROVEITAMENTO(:P_ID_UNIDADE,
                                                            :P_DATA,
                                                            :P_DATA)) R
        UNION ALL
        
        SELECT DISTINCT R.ID_ORDEM_PRODUCAO
          FROM TABLE(VELKO_CST.PKG_INDUSTRIALIZADO.ppl_materia_prima (:P_ID_UNIDADE,
                                                            :P_DATA,
                                                            :P_DATA)) R
         WHERE R.ID_ORDEM_PRODUCAO IS NOT NULL) X
 ORDER BY ID_ORDEM_PRODUCAO
)sql");
    addQuery(module, "Q_ValidaAcertos",
             {{"P_ID_UNIDADE", BindType::Integer}, {"P_DATA", BindType::Date}}, R"sql(
                                                    SELECT ID_ORDEM_COMPRA_GADO
  FROM (SELECT DISTINCT OC.ID_ORDEM_COMPRA_GADO
          FROM VELKO_PEC.ORDEM_COMPRA_GADO OC,
               VELKO_PEC.ACERTO            A,
               VELKO_CST.BASE_CUSTO        B
         WHERE OC.ID_ORDEM_COMPRA_GADO = A.ID_ORDEM_COMPRA_GADO
           AND OC.CODIGO_EMPRESA = B.ID_UNIDADE_ABATE
           AND B.ID_UNIDADE = :P_ID_UNIDADE
           AND OC.DATA_ABATE = :P_DATA
           AND A.CANCELADO = 0
           AND A.ENCERRADO = 1
           AND B.CRITERIO_APURACAO_ABATE = 1 /* Apura acertos fechados e faturados */
        UNION ALL
        SELECT DISTINCT OC.ID_ORDEM_COMPRA_GADO
          FROM VELKO_PEC.ORDEM_COMPRA_GADO OC,
               VELKO_PEC.LOTE_ABATE        L,
               VELKO_CST.BASE_CUSTO        B
         WHERE OC.ID_ORDEM_COMPRA_GADO = L.ID_ORDEM_COMPRA_GADO
           AND OC.CODIGO_EMPRESA = B.ID_UNIDADE_ABATE
           AND B.ID_UNIDADE = :P_ID_UNIDADE
           AND OC.DATA_ABATE = :P_DATA
           AND B.CRITERIO_APURACAO_ABATE = 2 /* Apura acertos independente de fechados */
         ORDER BY ID_ORDEM_COMPRA_GADO)

MINUS

SELECT ID_ORDEM_COMPRA ID_ORDEM_COMPRA_GADO
  FROM (SELECT DISTINCT AM.ID_ORDEM_COMPRA
          FROM VELKO_CST.ABATE_MATERIA_PRIMA AM, VELKO_CST.ABATE A
         WHERE A.ID_ABATE = AM.ID_ABATE
           AND A.DATA = :P_DATA
           AND A.ID_UNIDADE = :P_ID_UNIDADE
         ORDER BY AM.ID_ORDEM_COMPRA)
)sql");
    addQuery(module, "Q_FecharCusto",
             {{"p_data", BindType::Date}, {"p_id_unidade", BindType::Number}, {"p_id_abate", BindType::Number}, {"p_id_industrial", BindType::Number}, {"p_id_revenda", BindType::Number}, {"p_aproveitamento_kg", BindType::Number}, {"p_resultado_geral", BindType::Number}}, R"sql(
begin
  velko_cst.pkg_industrializado.fechar_custo(:p_data,
                                             :p_id_unidade,
                                             :p_id_abate,
                                             :p_id_industrial,
                                             :p_id_revenda,
                                             :p_aproveitamento_kg,
                                             :p_resultado_geral);
  
  COMMIT;
end;
)sql");
    addQuery(module, "Q_DesfazerFechamento",
             {{"p_data", BindType::Date}, {"p_id_unidade", BindType::Number}, {"p_id_abate", BindType::Number}, {"p_id_industrial", BindType::Number}, {"p_id_revenda", BindType::Number}}, R"sql(
begin
  velko_cst.pkg_industrializado.desfazer_fechamento_custo(:p_data,
                                                          :p_id_unidade,
                                                          :p_id_abate,
                                                          :p_id_industrial,
                                                          :p_id_revenda);
  COMMIT;
end;
)sql");

    const Chain historico = addChain(module, "HistoricoCusto", "VELKO_CST.REVENDA",
                                     {{"ID_UNIDADE", BindType::Number}, {"DATA_CUSTO", BindType::Date}}, R"sql(
select distinct 0 selecionado,
       tmp.*
  from (select a.data_historico,
               a.usuario_historico,
               a.id_unidade,
               a.data_geracao_custo
          from velko_cst.abate_preco_historico a
         where a.id_unidade = :id_unidade
           and a.data_geracao_custo = :data_custo
           and not exists (select 1
                  from velko_cst.abate_preco ap
                 where ap.id_abate_preco_historico =
                       a.id_abate_preco_historico)

        union all
        select i.data_historico,
               i.usuario_historico,
               i.id_unidade,
               i.data_geracao_custo
          from velko_cst.ind_preco_historico i
         where i.id_unidade = :id_unidade
           and i.data_geracao_custo = :data_custo
           and not exists
         (select 1
                  from velko_cst.industrial_preco p
                 where p.id_ind_preco_historico = i.id_ind_preco_historico)) tmp order by tmp.data_historico desc
)sql");
    declareFields(historico.dataSet, {
        {FieldKind::Float, 0, "", {"SELECIONADO"}},
        {FieldKind::Timestamp, 0, "", {"DATA_HISTORICO"}},
        {FieldKind::Text, 30, "", {"USUARIO_HISTORICO"}},
        {FieldKind::Float, 0, "", {"ID_UNIDADE"}},
        {FieldKind::Timestamp, 0, "", {"DATA_GERACAO_CUSTO"}},
    });
    historico.provider.setDefaultFlags({});

    const Chain log = addChain(module, "LogCusto", "VELKO_CST.REVENDA",
                               {{"ID_UNIDADE", BindType::Number}, {"DATA_CUSTO", BindType::Date}}, R"sql(
SELECT L.*
  FROM VELKO_CST.LOG_CUSTO L
 WHERE L.ID_UNIDADE = :ID_UNIDADE
   AND TRUNC(L.DATA_CUSTO) = :DATA_CUSTO
ORDER BY L.DATA_HISTORICO DESC   
)sql");
    declareFields(log.dataSet, {
        {FieldKind::Float, 0, "", {"ID_LOG_CUSTO"}},
        {FieldKind::Timestamp, 0, "", {"DATA_CUSTO", "DATA_HISTORICO"}},
        {FieldKind::Float, 0, "", {"ID_UNIDADE"}},
        {FieldKind::Text, 30, "", {"USUARIO"}},
        {FieldKind::Text, 2024, "", {"HISTORICO"}},
    });
    saveMap(log.provider, "ID_LOG_CUSTO", {});
    log.dataSet.setReadOnly(true);
}

} // namespace custos::data::catalogue
