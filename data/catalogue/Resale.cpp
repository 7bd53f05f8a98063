// The resale datasets of the cost data module: the day's resale record, the result per family
// and group (day and month to date) and the result per product of one family and group.
#include "Areas.h"

#include "Builder.h"
#include "ClientDataSet.h"
#include "Provider.h"
#include "Query.h"

namespace custos::data::catalogue {

namespace {

void revenda(TDataModule_Custo& module)
{
    const Chain c = addChain(module, "Revenda", "VELKO_CST.REVENDA",
                             {{"data", BindType::Date}, {"id_unidade", BindType::Number}}, R"sql(
SELECT d.id_revenda,
       d.data_fechamento,
       d.usuario_fechamento,
       d.data,
       d.id_unidade
      FROM velko_cst.revenda d
     WHERE D.DATA               = :data
       AND D.ID_UNIDADE         = :id_unidade
)sql");
    declareFields(c.dataSet, {
        {FieldKind::Float, 0, "", {"ID_REVENDA", "ID_UNIDADE"}},
        {FieldKind::Timestamp, 0, "", {"DATA_FECHAMENTO", "DATA"}},
        {FieldKind::Text, 30, "", {"USUARIO_FECHAMENTO"}},
    });
    saveMap(c.provider, "ID_REVENDA", {"DATA_FECHAMENTO", "USUARIO_FECHAMENTO"});
}

void resumoRevenda(TDataModule_Custo& module)
{
    const Chain c = addChain(module, "ResumoRevenda", "",
                             {{"id_unidade", BindType::Number}, {"data", BindType::Date}}, R"sql(
select
       id_unidade,
       data,
       codigo_familia,
       familia,
       codigo_grupo,
       grupo,
       sum(peso) total_peso,
       sum( preco_total ) total_receita,
       sum( preco_total ) / sum(peso) total_receita_kg,
       sum( custo_compra ) total_compra,
       sum( custo_compra ) / sum(peso) total_compra_kg,
       sum( valor_mod + valor_cif ) total_industrial,
       sum( valor_mod + valor_cif ) / sum(peso) total_industrial_kg,
       sum( valor_embalagem ) total_embalagem,
       sum( valor_embalagem ) / sum(peso) total_embalagem_kg,
       sum( custo_revenda ) total_custo,
       sum( custo_revenda ) / sum(peso) total_custo_kg,
       sum( valor_icms + valor_pis_cofins + valor_outros_tributos ) total_impostos,
       sum( valor_icms + valor_pis_cofins + valor_outros_tributos ) / sum(peso) total_impostos_kg,
       sum( valor_seguro_carga + valor_frete + valor_processo_exportacao + valor_despesa_exportacao + valor_comissao + valor_administrativo ) total_despesas,
       sum( valor_seguro_carga + valor_frete + valor_processo_exportacao + valor_despesa_exportacao + valor_comissao + valor_administrativo ) / sum(peso) total_despesas_kg,
       sum( resultado_total ) total_resultado,
       sum( resultado_total ) / sum(peso) total_resultado_kg,
       sum( sum( peso ) ) over() geral_peso,
       sum( sum( preco_total ) ) over() geral_receita,
       sum( sum( preco_total ) ) over() / sum( sum(peso) ) over() geral_receita_kg,
       sum( sum( custo_compra ) ) over() geral_compra,
       sum( sum( custo_compra ) ) over() / sum( sum(peso) ) over() geral_compra_kg,
       sum( sum( valor_mod + valor_cif ) ) over() geral_industrial,
       sum( sum( valor_mod + valor_cif ) ) over() / sum( sum(peso) ) over() geral_industrial_kg,
       sum( sum( valor_embalagem ) ) over() geral_embalagem,
       sum( sum( valor_embalagem ) ) over() / sum( sum(peso) ) over() geral_embalagem_kg,
       sum( sum( custo_revenda ) ) over() geral_custo,
       sum( sum( custo_revenda ) ) over() / sum( sum(peso) ) over() geral_custo_kg,
       sum( sum( valor_icms + valor_pis_cofins + valor_outros_tributos ) ) over() geral_impostos,
       sum( sum( valor_icms + valor_pis_cofins + valor_outros_tributos ) ) over() / sum( sum(peso) ) over() geral_impostos_kg,
       sum( sum( valor_seguro_carga + valor_frete + valor_processo_exportacao + valor_despesa_exportacao + valor_comissao + valor_administrativo ) ) over() geral_despesas,
       sum( sum( valor_seguro_carga + valor_frete + valor_processo_exportacao + valor_despesa_exportacao + valor_comissao + valor_administrativo ) ) over() / sum( sum(peso) ) over() geral_despesas_kg,
       sum( sum( resultado_total ) ) over() geral_resultado,
       sum( sum( resultado_total ) ) over() / sum( sum(peso) ) over() geral_resultado_kg
  from table(velko_cst.pkg_revenda.ppl_resultado(:id_unidade,:data, :data))
group by id_unidade,
         data,
         codigo_familia,
         familia,
         codigo_grupo,
         grupo
)sql");
    declareFields(c.dataSet, {
        {FieldKind::Float, 0, "", {"ID_UNIDADE", "CODIGO_FAMILIA", "CODIGO_GRUPO"}},
        {FieldKind::Timestamp, 0, "", {"DATA"}},
        {FieldKind::Text, 40, "", {"FAMILIA", "GRUPO"}},
        {FieldKind::Float, 0, "#,0.00", {"TOTAL_PESO", "TOTAL_RECEITA", "TOTAL_RECEITA_KG", "TOTAL_COMPRA",
                                         "TOTAL_COMPRA_KG", "TOTAL_INDUSTRIAL", "TOTAL_INDUSTRIAL_KG",
                                         "TOTAL_EMBALAGEM", "TOTAL_EMBALAGEM_KG", "TOTAL_CUSTO",
                                         "TOTAL_CUSTO_KG", "TOTAL_IMPOSTOS", "TOTAL_IMPOSTOS_KG",
                                         "TOTAL_DESPESAS", "TOTAL_DESPESAS_KG", "TOTAL_RESULTADO",
                                         "TOTAL_RESULTADO_KG", "GERAL_PESO", "GERAL_RECEITA", "GERAL_RECEITA_KG",
                                         "GERAL_COMPRA", "GERAL_COMPRA_KG", "GERAL_INDUSTRIAL",
                                         "GERAL_INDUSTRIAL_KG", "GERAL_EMBALAGEM", "GERAL_EMBALAGEM_KG",
                                         "GERAL_CUSTO", "GERAL_CUSTO_KG", "GERAL_IMPOSTOS", "GERAL_IMPOSTOS_KG",
                                         "GERAL_DESPESAS", "GERAL_DESPESAS_KG", "GERAL_RESULTADO",
                                         "GERAL_RESULTADO_KG"}},
    });
    c.dataSet.setReadOnly(true);
}

void resumoRevendaAcumulado(TDataModule_Custo& module)
{
    const Chain c = addChain(module, "ResumoRevendaAcumulado", "",
                             {{"id_unidade", BindType::Number}, {"data", BindType::Date}}, R"sql(
select
       id_unidade,
       codigo_familia,
       familia,
       codigo_grupo,
       grupo,
       sum(peso) total_peso,
       sum( preco_total ) total_receita,
       sum( preco_total ) / sum(peso) total_receita_kg,
       sum( custo_compra ) total_compra,
       sum( custo_compra ) / sum(peso) total_compra_kg,
       sum( valor_mod + valor_cif ) total_industrial,
       sum( valor_mod + valor_cif ) / sum(peso) total_industrial_kg,
       sum( valor_embalagem ) total_embalagem,
       sum( valor_embalagem ) / sum(peso) total_embalagem_kg,
       sum( custo_revenda ) total_custo,
       sum( custo_revenda ) / sum(peso) total_custo_kg,
       sum( valor_icms + valor_pis_cofins + valor_outros_tributos ) total_impostos,
       sum( valor_icms + valor_pis_cofins + valor_outros_tributos ) / sum(peso) total_impostos_kg,
       sum( valor_seguro_carga + valor_frete + valor_processo_exportacao + valor_despesa_exportacao + valor_comissao + valor_administrativo ) total_despesas,
       sum( valor_seguro_carga + valor_frete + valor_processo_exportacao + valor_despesa_exportacao + valor_comissao + valor_administrativo ) / sum(peso) total_despesas_kg,
       sum( resultado_total ) total_resultado,
       sum( resultado_total ) / sum(peso) total_resultado_kg,
       sum( sum( peso ) ) over() geral_peso,
       sum( sum( preco_total ) ) over() geral_receita,
       sum( sum( preco_total ) ) over() / sum( sum(peso) ) over() geral_receita_kg,
       sum( sum( custo_compra ) ) over() geral_compra,
       sum( sum( custo_compra ) ) over() / sum( sum(peso) ) over() geral_compra_kg,
       sum( sum( valor_mod + valor_cif ) ) over() geral_industrial,
       sum( sum( valor_mod + valor_cif ) ) over() / sum( sum(peso) ) over() geral_industrial_kg,
       sum( sum( valor_embalagem ) ) over() geral_embalagem,
       sum( sum( valor_embalagem ) ) over() / sum( sum(peso) ) over() geral_embalagem_kg,
       sum( sum( custo_revenda ) ) over() geral_custo,
       sum( sum( custo_revenda ) ) over() / sum( sum(peso) ) over() geral_custo_kg,
       sum( sum( valor_icms + valor_pis_cofins + valor_outros_tributos ) ) over() geral_impostos,
       sum( sum( valor_icms + valor_pis_cofins + valor_outros_tributos ) ) over() / sum( sum(peso) ) over() geral_impostos_kg,
       sum( sum( valor_seguro_carga + valor_frete + valor_processo_exportacao + valor_despesa_exportacao + valor_comissao + valor_administrativo ) ) over() geral_despesas,
       sum( sum( valor_seguro_carga + valor_frete + valor_processo_exportacao + valor_despesa_exportacao + valor_comissao + valor_administrativo ) ) over() / sum( sum(peso) ) over() geral_despesas_kg,
       sum( sum( resultado_total ) ) over() geral_resultado,
       sum( sum( resultado_total ) ) over() / sum( sum(peso) ) over() geral_resultado_kg
  from table(velko_cst.pkg_revenda.ppl_resultado(:id_unidade,trunc(:data,'mm'), :data))
group by id_unidade,
         codigo_familia,
         familia,
         codigo_grupo,
         grupo
)sql");
    declareFields(c.dataSet, {
        {FieldKind::Float, 0, "", {"ID_UNIDADE", "CODIGO_FAMILIA", "CODIGO_GRUPO"}},
        {FieldKind::Text, 40, "", {"FAMILIA", "GRUPO"}},
        {FieldKind::Float, 0, "#,0.00", {"TOTAL_PESO", "TOTAL_RECEITA", "TOTAL_RECEITA_KG", "TOTAL_COMPRA",
                                         "TOTAL_COMPRA_KG", "TOTAL_INDUSTRIAL", "TOTAL_INDUSTRIAL_KG",
                                         "TOTAL_EMBALAGEM", "TOTAL_EMBALAGEM_KG", "TOTAL_CUSTO",
                                         "TOTAL_CUSTO_KG", "TOTAL_IMPOSTOS", "TOTAL_IMPOSTOS_KG",
                                         "TOTAL_DESPESAS", "TOTAL_DESPESAS_KG", "TOTAL_RESULTADO",
                                         "TOTAL_RESULTADO_KG", "GERAL_PESO", "GERAL_RECEITA", "GERAL_RECEITA_KG",
                                         "GERAL_COMPRA", "GERAL_COMPRA_KG", "GERAL_INDUSTRIAL",
                                         "GERAL_INDUSTRIAL_KG", "GERAL_EMBALAGEM", "GERAL_EMBALAGEM_KG",
                                         "GERAL_CUSTO", "GERAL_CUSTO_KG", "GERAL_IMPOSTOS", "GERAL_IMPOSTOS_KG",
                                         "GERAL_DESPESAS", "GERAL_DESPESAS_KG", "GERAL_RESULTADO",
                                         "GERAL_RESULTADO_KG"}},
    });
    c.dataSet.setReadOnly(true);
}

void resultadoRevenda(TDataModule_Custo& module)
{
    const Chain c = addChain(module, "ResultadoRevenda", "VELKO_CST.REVENDA_PRECO",
                             {{"id_unidade", BindType::Number}, {"data", BindType::Date},
                              {"codigo_familia", BindType::Number}, {"codigo_grupo", BindType::Number}}, R"sql(
select id_revenda_preco
      ,preco
      ,preco_original
      ,preco_data_inicial
      ,preco_data_final
      ,data
      ,id_unidade
      ,codigo_familia
      ,familia
      ,codigo_grupo
      ,grupo
      ,documento
      ,codigo_fornecedor
      ,nome_fornecedor
      ,codigo_produto
      ,sequencial_produto
      ,descricao_produto
      ,cifra
      ,id_mercado
      ,caixas
      ,peso
      ,preco_unitario
      ,preco_total
      ,valor_mercadoria
      ,valor_frete_despesas
      ,valor_ipi
      ,valor_icms_st
      ,credito_icms
      ,credito_icms_st
      ,credito_ipi
      ,credito_pis_cofins
      ,valor_acrescimo
      ,valor_embalagem
      ,valor_mod
      ,valor_cif
      ,valor_icms
      ,valor_pis_cofins
      ,valor_outros_tributos
      ,valor_seguro_carga
      ,valor_frete
      ,valor_processo_exportacao
      ,valor_despesa_exportacao
      ,valor_comissao
      ,valor_administrativo
      ,custo_compra
      ,custo_revenda
      ,custo_impostos
      ,custo_despesas
      ,custo_total
      ,resultado_total
      ,valor_mercadoria_kg
      ,valor_frete_despesas_kg
      ,valor_ipi_kg
      ,valor_icms_st_kg
      ,credito_icms_kg
      ,credito_icms_st_kg
      ,credito_ipi_kg
      ,credito_pis_cofins_kg
      ,valor_embalagem_kg
      ,valor_mod_kg
      ,valor_cif_kg
      ,valor_icms_kg
      ,valor_pis_cofins_kg
      ,valor_acrescimo_kg
      ,valor_outros_tributos_kg
      ,valor_seguro_carga_kg
      ,valor_frete_kg
      ,valor_processo_exportacao_kg
      ,valor_despesa_exportacao_kg
      ,valor_comissao_kg
      ,valor_administrativo_kg
      ,custo_compra_kg
      ,custo_revenda_kg
      ,custo_impostos_kg
      ,custo_despesas_kg
      ,custo_total_kg
      ,resultado_total_kg
      ,margem_resultado
      ,p_mod_revenda
      ,p_cif_revenda
      ,p_icms_deb
      ,p_pis_cofins
      ,p_outros_tributos
      ,p_seguro_carga
      ,p_frete
      ,p_processo_exportacao
      ,p_despesa_exportacao
      ,p_comissao
      ,p_administrativo
  from table(velko_cst.pkg_revenda.ppl_resultado(:id_unidade,:data,:data))
  where codigo_familia = :codigo_familia
    and codigo_grupo   = :codigo_grupo
)sql");
    declareFields(c.dataSet, {
        {FieldKind::Float, 0, "", {"ID_REVENDA_PRECO", "ID_UNIDADE", "CODIGO_FAMILIA", "CODIGO_GRUPO",
                                   "SEQUENCIAL_PRODUTO", "ID_MERCADO", "CAIXAS", "PESO", "MARGEM_RESULTADO",
                                   "CODIGO_FORNECEDOR"}},
        {FieldKind::Float, 0, "#,0.000", {"PRECO"}},
        {FieldKind::Float, 0, "#,0.000", {"PRECO_ORIGINAL", "VALOR_MERCADORIA_KG", "VALOR_FRETE_DESPESAS_KG",
                                          "VALOR_IPI_KG", "VALOR_ICMS_ST_KG", "CREDITO_ICMS_KG",
                                          "CREDITO_ICMS_ST_KG", "CREDITO_IPI_KG", "CREDITO_PIS_COFINS_KG",
                                          "VALOR_EMBALAGEM_KG", "VALOR_MOD_KG", "VALOR_CIF_KG", "VALOR_ICMS_KG",
                                          "VALOR_PIS_COFINS_KG", "VALOR_OUTROS_TRIBUTOS_KG",
                                          "VALOR_SEGURO_CARGA_KG", "VALOR_FRETE_KG",
                                          "VALOR_PROCESSO_EXPORTACAO_KG", "VALOR_DESPESA_EXPORTACAO_KG",
                                          "VALOR_COMISSAO_KG", "VALOR_ADMINISTRATIVO_KG", "CUSTO_COMPRA_KG",
                                          "CUSTO_REVENDA_KG", "CUSTO_IMPOSTOS_KG", "CUSTO_DESPESAS_KG",
                                          "CUSTO_TOTAL_KG", "RESULTADO_TOTAL_KG", "VALOR_ACRESCIMO_KG"}},
        {FieldKind::Timestamp, 0, "", {"PRECO_DATA_INICIAL", "PRECO_DATA_FINAL", "DATA"}},
        {FieldKind::Text, 40, "", {"FAMILIA", "GRUPO"}},
        {FieldKind::Text, 10, "", {"CODIGO_PRODUTO"}},
        {FieldKind::Text, 60, "", {"DESCRICAO_PRODUTO", "NOME_FORNECEDOR"}},
        {FieldKind::Text, 3, "", {"CIFRA"}},
        {FieldKind::Float, 0, "#,0.00", {"PRECO_UNITARIO", "PRECO_TOTAL", "VALOR_MERCADORIA",
                                         "VALOR_FRETE_DESPESAS", "VALOR_IPI", "VALOR_ICMS_ST", "CREDITO_ICMS",
                                         "CREDITO_ICMS_ST", "CREDITO_IPI", "CREDITO_PIS_COFINS",
                                         "VALOR_EMBALAGEM", "VALOR_MOD", "VALOR_CIF", "VALOR_ICMS",
                                         "VALOR_PIS_COFINS", "VALOR_OUTROS_TRIBUTOS", "VALOR_SEGURO_CARGA",
                                         "VALOR_FRETE", "VALOR_PROCESSO_EXPORTACAO", "VALOR_DESPESA_EXPORTACAO",
                                         "VALOR_COMISSAO", "VALOR_ADMINISTRATIVO", "CUSTO_COMPRA",
                                         "CUSTO_REVENDA", "CUSTO_IMPOSTOS", "CUSTO_DESPESAS", "CUSTO_TOTAL",
                                         "RESULTADO_TOTAL", "VALOR_ACRESCIMO"}},
        {FieldKind::Float, 0, "#,0.000 /Kg", {"P_MOD_REVENDA", "P_CIF_REVENDA", "P_FRETE",
                                              "P_PROCESSO_EXPORTACAO", "P_DESPESA_EXPORTACAO",
                                              "P_ADMINISTRATIVO"}},
        {FieldKind::Float, 0, "#,0.00   %   ", {"P_ICMS_DEB", "P_PIS_COFINS", "P_OUTROS_TRIBUTOS",
                                                "P_SEGURO_CARGA", "P_COMISSAO"}},
        {FieldKind::Text, 0, "", {"DOCUMENTO"}},
    });
    c.dataSet.fieldByName(QStringLiteral("PRECO")).setEditFormat(QStringLiteral("#0.000"));
    addAggregates(c.dataSet, {
        {"RESULTADO_GERAL_KG", "SUM( RESULTADO_TOTAL ) / SUM(PESO)", "#,0.00"},
        {"TOTAL_INDUSTRIAL", "SUM( VALOR_MOD + VALOR_CIF )", "#,0.00"},
        {"TOTAL_EMBALAGEM", "SUM( VALOR_EMBALAGEM )", "#,0.00"},
        {"TOTAL_CUSTO", "SUM( CUSTO_REVENDA )", "#,0.00"},
        {"TOTAL_INDUSTRIAL_KG", "SUM( VALOR_MOD + VALOR_CIF ) / SUM(PESO)", "#,0.00"},
        {"TOTAL_EMBALAGEM_KG", "SUM( VALOR_EMBALAGEM ) / SUM(PESO)", "#,0.00"},
        {"TOTAL_CUSTO_KG", "SUM( CUSTO_REVENDA ) / SUM(PESO)", "#,0.00"},
        {"TOTAL_COMPRA", "SUM( CUSTO_COMPRA )", "#,0.00"},
        {"TOTAL_COMPRA_KG", "SUM( CUSTO_COMPRA ) / SUM(PESO)", "#,0.00"},
        {"RESULTADO_GERAL", "SUM( RESULTADO_TOTAL )", "#,0.00"},
        {"TOTAL_IMPOSTOS", "SUM( CUSTO_IMPOSTOS )", "#,0.00"},
        {"TOTAL_IMPOSTOS_KG", "SUM( CUSTO_IMPOSTOS ) / SUM(PESO)", "#,0.00"},
        {"TOTAL_DESPESAS", "SUM( CUSTO_DESPESAS ) ", "#,0.00"},
        {"TOTAL_DESPESAS_KG", "SUM( CUSTO_DESPESAS )  / SUM(PESO)", "#,0.00"},
        {"TOTAL_RECEITA", "SUM( PRECO_TOTAL )", "#,0.00"},
        {"TOTAL_RECEITA_KG", "SUM( PRECO_TOTAL ) / SUM(PESO)", "#,0.00"},
    });
    saveMap(c.provider, "ID_REVENDA_PRECO", {"PRECO"});
}

} // namespace

void defineResale(TDataModule_Custo& module)
{
    revenda(module);
    resumoRevenda(module);
    resumoRevendaAcumulado(module);
    resultadoRevenda(module);
}

} // namespace custos::data::catalogue
