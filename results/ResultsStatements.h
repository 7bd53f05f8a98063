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

// Product detail: the start of the revenue records, the sales orders of the average price
// (from the records, or before the start from the orders themselves) and the packaging.
inline const Statement DataInicioReceita{list(), "DataInicioReceita", QStringLiteral("select NVL(data_inicio_receita, trunc(sysdate)) data_inicio from velko_cst.parametros"
                                           " where id_unidade = :unidade"),
    {{"unidade", BindType::Number}}};

// The revenue records of one result (its table and key), each order line with its gross and
// net value.
inline QString precoMedioReceita(const char* table, const char* keyCondition)
{
    return QStringLiteral(R"sql(SELECT  numero_pedido,
data_faturamento,
codigo_cliente,
razao_social,
desconto_contratual,
valor_bruto,
valor_liquido,
quantidade,
round(valor_liquido / quantidade,2) preco_medio
FROM (
SELECT i.numero_pedido,
i.data_faturamento,
i.codigo_cliente,
c.razao_social,
i.desconto_contratual,
i.valor_bruto,
i.valor_liquido,
i.quantidade
FROM %1 i,
velko_fin.cliente c
WHERE i.codigo_cliente          = c.codigo_cliente
AND i.sequencial_produto      = :id_produto
%2
))sql")
        .arg(QLatin1String(table), QLatin1String(keyCondition));
}

inline const Statement Q_PrecoMedio{list(), "Q_PrecoMedio",
                                    precoMedioReceita("velko_cst.abate_preco_receita",
                                                      "AND i.id_abate                = :id_abate"),
                                    {{"id_produto", BindType::Number}, {"id_abate", BindType::Number}}};

inline const Statement Q_PrecoMedioIndustrializado{
    list(), "Q_PrecoMedioIndustrializado",
    precoMedioReceita("velko_cst.industrial_preco_receita", "AND i.id_industrial           = :id_industrial"),
    {{"id_produto", BindType::Number}, {"id_industrial", BindType::Number}}};

// Days before the start of the revenue records: the sales orders of the price period, the
// average price recomputed from them. The gross value of an order line is computed inside and
// not returned; its rounded value gives the net value after the customer's smallest
// contractual discount.
inline const Statement Q_PrecoMedioAntigo{list(), "Q_PrecoMedioAntigo", QStringLiteral(R"sql(SELECT NUMERO_PEDIDO,
       DATA_FATURAMENTO,
       CODIGO_CLIENTE,
       RAZAO_SOCIAL,
       DESCONTO_CONTRATUAL,
       0 VALOR_BRUTO,
       VALOR_LIQUIDO,
       QUANTIDADE,
       ROUND(VALOR_LIQUIDO / QUANTIDADE, 2) PRECO_MEDIO
  FROM (SELECT NUMERO_PEDIDO,
               DATA_FATURAMENTO,
               CODIGO_CLIENTE,
               RAZAO_SOCIAL,
               DESCONTO_CONTRATUAL,
               VALOR_BRUTO * (1 - DESCONTO_CONTRATUAL / 100) VALOR_LIQUIDO,
               QUANTIDADE
          FROM (SELECT PD.NUMERO_PEDIDO,
                       PD.DATA_FATURAMENTO,
                       PD.CODIGO_CLIENTE,
                       C.RAZAO_SOCIAL,
                       ROUND(DECODE(M.CODIGO_UNIDADE_MEDIDA, 'KG', IT.QUANTIDADE_PESO - NVL(IT.QUANTIDADE_DEVOLVIDA, 0), IT.QUANTIDADE_EXPEDIDO)
                             * IT.VALOR_UNITARIO
                             * (1 - PD.DESCONTO_PROMOCIONAL / 100)
                             * (1 - PD.DESCONTO_CONCEDIDO / 100)
                             + (SELECT NVL(SUM(SP.VALOR_IPI), 0)
                                  FROM VELKO_MAT.NOTA_SAIDA N,
                                       VELKO_VEN.ITEM_SAIDA_PRODUTO SP
                                 WHERE N.SEQUENCIAL_NOTA_SAIDA = SP.SEQUENCIAL_NOTA_SAIDA
                                   AND N.SEQUENCIAL_PEDIDO = IT.SEQUENCIAL_PEDIDO
                                   AND SP.SEQUENCIAL_PRODUTO = IT.SEQUENCIAL_PRODUTO), 2) VALOR_BRUTO,
                       NVL((SELECT MIN(T.DESCONTO_INSTRUCAO)
                              FROM VELKO_VEN.CONDICAO_DESCONTO T
                             WHERE T.CODIGO_CLIENTE = PD.CODIGO_CLIENTE), 0) DESCONTO_CONTRATUAL,
                       DECODE(M.CODIGO_UNIDADE_MEDIDA, 'KG', DECODE(IT.QUANTIDADE_PESO, 0, 1, IT.QUANTIDADE_PESO),
                              DECODE(IT.QUANTIDADE_EXPEDIDO, 0, 1, IT.QUANTIDADE_EXPEDIDO)) QUANTIDADE
                  FROM VELKO_MAT.MATERIAL    M,
                       VELKO_VEN.PRODUTO     PR,
                       VELKO_FIN.CLIENTE     C,
                       VELKO_VEN.ITEM_PEDIDO IT,
                       VELKO_VEN.PEDIDO      PD
                 WHERE M.CODIGO_MATERIAL = PR.CODIGO_MATERIAL
                   AND PR.SEQUENCIAL_PRODUTO = IT.SEQUENCIAL_PRODUTO
                   AND IT.QUANTIDADE > 0
                   AND IT.SEQUENCIAL_PEDIDO = PD.SEQUENCIAL_PEDIDO
                   AND PD.CODIGO_EMPRESA = :ID_UNIDADE
                   AND PD.SITUACAO <> 'C'
                   AND C.CODIGO_CLIENTE = PD.CODIGO_CLIENTE
                   AND PD.DATA_FATURAMENTO BETWEEN :DATA_INICIAL AND :DATA_FINAL
                   AND IT.SEQUENCIAL_PRODUTO = :ID_PRODUTO)))sql"),
    {{"ID_UNIDADE", BindType::Number}, {"DATA_INICIAL", BindType::Date}, {"DATA_FINAL", BindType::Date}, {"ID_PRODUTO", BindType::Number}}};

// The packaging consumed for a product, per material: the quantity, the value (the sum of each
// row's rounded value) and the average cost (averageCost), over the consumption rows selected
// by rows.
inline QString consumoEmbalagem(const char* averageCost, const QString& rows)
{
    return QStringLiteral(R"sql(SELECT codigo_material,
nome,
sum(quantidade) quantidade,
sum(round(quantidade * custo_unitario,2)) valor_total,
%1 custo_medio,
codigo_unidade_medida
FROM(
%2
)
GROUP BY codigo_material,
nome,
codigo_unidade_medida)sql")
        .arg(QLatin1String(averageCost), rows);
}

// Consumption rows with their product and material, from the consumption and the tables given
// (each followed by a comma), under the conditions given.
inline QString linhasConsumo(const char* tables, const char* conditions)
{
    return QStringLiteral(R"sql(select P.codigo_produto,
P.descricao,
C.codigo_material,
M.nome,
C.quantidade,
M.codigo_unidade_medida,
C.custo_unitario
from velko_cst.consumo C,
%1velko_mat.material M,
velko_ven.produto P
where M.codigo_material    = C.codigo_material
and P.sequencial_produto = C.sequencial_produto
%2)sql")
        .arg(QLatin1String(tables), QLatin1String(conditions));
}

inline constexpr const char* kOrdemProducao = "velko_pcp.tabela_pcp OP,\nvelko_pcp.linha_producao L,\n";
inline constexpr const char* kCustoMedio = "sum(round(quantidade * custo_unitario,2)) / decode(sum(quantidade),0,1,sum(quantidade))";

// The slaughter product's packaging, posted against its production order or a production table.
inline const Statement Q_Consumo{
    list(), "Q_Consumo",
    consumoEmbalagem(kCustoMedio,
                     linhasConsumo(kOrdemProducao, "and L.id_linha_producao  = OP.id_linha_producao\n"
                                                   "and OP.id_tabela_pcp     = C.id_ordem_producao\n"
                                                   "and C.id_unidade         = :id_unidade\n"
                                                   "and C.Id_Ordem_Producao  = :Id_Ordem_Producao\n"
                                                   "and C.sequencial_produto = :id_produto\n"
                                                   "and nvl(C.id_ordem_venda,0) = nvl(:id_ordem_venda,0)\n"
                                                   "and c.id_tabela_pcp is null")
                         + QStringLiteral("\nunion all\n")
                         + linhasConsumo(kOrdemProducao, "and L.id_linha_producao  = OP.id_linha_producao\n"
                                                         "and OP.id_tabela_pcp     = C.id_tabela_pcp\n"
                                                         "and C.id_unidade         = :id_unidade\n"
                                                         "and C.Id_Ordem_Producao  = :Id_Ordem_Producao\n"
                                                         "and C.sequencial_produto = :id_produto\n"
                                                         "and nvl(C.id_ordem_venda,0) = nvl(:id_ordem_venda,0)")),
    {{"id_unidade", BindType::Number}, {"Id_Ordem_Producao", BindType::Number}, {"id_produto", BindType::Number}, {"id_ordem_venda", BindType::Number}}};


// Industrialized product detail: the packaging consumed for the product under its production
// order, the average cost kept to six decimals.
inline const Statement Q_ConsumoIndustrializado{
    list(), "Q_ConsumoIndustrializado",
    consumoEmbalagem("round(sum(quantidade * custo_unitario) / decode(sum(quantidade),0,1,sum(quantidade)),6)",
                     linhasConsumo("", "and C.id_unidade         = :id_unidade\n"
                                       "and C.sequencial_produto = :id_produto\n"
                                       "and nvl(C.id_ordem_venda,0) = nvl(:id_ordem_venda,0)\n"
                                       "and c.id_ordem_producao = :id_ordem_producao")),
    {{"id_unidade", BindType::Number}, {"id_produto", BindType::Number}, {"id_ordem_venda", BindType::Number}, {"id_ordem_producao", BindType::Number}}};


// Resale product detail: the sales orders of the price period behind the average sale price,
// each line's gross value (the delivered quantity at the unit value less the order's discounts,
// plus the IPI of its invoices, rounded) returned for "Valor Bruto", the customer's smallest
// contractual discount (0 without conditions) and the net value after it, a zero quantity
// counted as 1.
inline const Statement Q_PrecoMedioRevenda{list(), "Q_PrecoMedioRevenda", QStringLiteral(R"sql(SELECT  numero_pedido,
data_faturamento,
codigo_cliente,
razao_social,
desconto_contratual,
valor_bruto,
valor_liquido,
quantidade,
round(valor_liquido / quantidade,2) preco_medio
FROM (
SELECT numero_pedido,
       data_faturamento,
       codigo_cliente,
       razao_social,
       desconto_contratual,
       valor_bruto,
       valor_bruto * (1 - desconto_contratual / 100) valor_liquido,
       quantidade
FROM (
SELECT pd.numero_pedido,
       pd.data_faturamento,
       pd.codigo_cliente,
       c.razao_social,
       round(decode(m.codigo_unidade_medida, 'KG', it.quantidade_peso - nvl(it.quantidade_devolvida,0), it.quantidade_expedido)
             * it.valor_unitario
             * (1 - pd.desconto_promocional / 100)
             * (1 - pd.desconto_concedido / 100)
             + (select nvl(sum(sp.valor_ipi),0)
                  from velko_mat.nota_saida n,
                       velko_ven.item_saida_produto sp
                 where n.sequencial_nota_saida = sp.sequencial_nota_saida
                   and n.sequencial_pedido = it.sequencial_pedido
                   and sp.sequencial_produto = it.sequencial_produto),2) valor_bruto,
       nvl((select min(t.desconto_instrucao)
              from velko_ven.condicao_desconto t
             where t.codigo_cliente = pd.codigo_cliente),0) desconto_contratual,
       decode(m.codigo_unidade_medida, 'KG', decode(it.quantidade_peso,0,1,it.quantidade_peso),
              decode(it.quantidade_expedido,0,1,it.quantidade_expedido)) quantidade
FROM velko_mat.material m,
velko_ven.produto pr,
velko_fin.cliente c,
velko_ven.item_pedido it,
velko_ven.pedido pd
WHERE m.codigo_material          = pr.codigo_material
AND pr.sequencial_produto      = it.sequencial_produto
AND it.quantidade              > 0
AND it.sequencial_pedido       = pd.sequencial_pedido
AND pd.codigo_empresa          = :id_unidade
AND pd.situacao                <> 'C'
AND c.codigo_cliente           = pd.codigo_cliente
AND pd.data_faturamento between :data_inicial and :data_final
AND it.sequencial_produto      = :id_produto
)
))sql"),
    {{"id_unidade", BindType::Number}, {"data_inicial", BindType::Date}, {"data_final", BindType::Date}, {"id_produto", BindType::Number}}};

// Resale product detail: the packaging consumed for the product on the day without a sales
// order (the sales order is bound empty).
inline const Statement Q_ConsumoRevenda{
    list(), "Q_ConsumoRevenda",
    consumoEmbalagem(kCustoMedio, linhasConsumo(kOrdemProducao, "and L.id_linha_producao  = OP.id_linha_producao\n"
                                                                "and OP.id_tabela_pcp     = C.id_ordem_producao\n"
                                                                "and C.data               = :data\n"
                                                                "and C.sequencial_produto = :id_produto\n"
                                                                "and nvl(C.id_ordem_venda,0) = nvl(:id_ordem_venda,0)")),
    {{"data", BindType::Date}, {"id_produto", BindType::Number}, {"id_ordem_venda", BindType::Number}}};


} // namespace custos::results::statements
