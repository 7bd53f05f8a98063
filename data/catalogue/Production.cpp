// The industrialized production datasets of the cost data module: the day's production
// record, the result per product family (day and month to date), and for one family its
// processes, products, raw materials, inputs, elaboration items and condemned pieces; with the
// rules that run before some of them open (the process parameter and the filter reset).
#include "Areas.h"

#include "Builder.h"
#include "ClientDataSet.h"
#include "DataModule_Custo.h"
#include "DataSource.h"
#include "Provider.h"
#include "Query.h"

namespace custos::data::catalogue {

namespace {

// Process parameter rule: before the query runs, its ID_PROCESSO takes the process that the
// family's process list is positioned on, or 0 (every process) while that list has no rows.
void followCurrentProcess(TDataModule_Custo& module, const Chain& chain)
{
    const Query& processes = module.query(QStringLiteral("Q_ProcessosProducaoFamilia"));
    Query& query = chain.query;
    module.setBeforeRun(chain.dataSet, [&processes, &query] {
        const double process =
            processes.isEmpty() ? 0 : processes.fieldByName(QStringLiteral("ID_PROCESSO")).asFloat();
        query.params().setNumber(QStringLiteral("ID_PROCESSO"), process);
    });
}

void industrializado(TDataModule_Custo& module)
{
    const Chain c = addChain(module, "Industrializado", "VELKO_CST.INDUSTRIAL",
                             {{"data", BindType::Date}, {"id_unidade", BindType::Number}}, R"sql(
SELECT d.id_industrial,
       d.data_fechamento,
       d.usuario_fechamento,
       d.data,
       d.id_unidade,
       d.msg_advertencia
      FROM velko_cst.industrial d
     WHERE D.DATA               = :data
       AND D.ID_UNIDADE         = :id_unidade
)sql");
    declareFields(c.dataSet, {
        {FieldKind::Float, 0, "", {"ID_INDUSTRIAL", "ID_UNIDADE"}},
        {FieldKind::Timestamp, 0, "", {"DATA_FECHAMENTO", "DATA"}},
        {FieldKind::Text, 30, "", {"USUARIO_FECHAMENTO"}},
        {FieldKind::Text, 255, "", {"MSG_ADVERTENCIA"}},
    });
    saveMap(c.provider, "ID_INDUSTRIAL", {"DATA_FECHAMENTO", "USUARIO_FECHAMENTO"});
}

void resultado(TDataModule_Custo& module)
{
    const Chain c = addChain(module, "Resultado", "",
                             {{"ID_UNIDADE", BindType::Integer}, {"DATA", BindType::Date},
                              {"ID_FAMILIA", BindType::Integer}}, R"sql(
select
       r.id_unidade,
       r.data,
       r.id_familia,
       r.familia,
       sum(r.peso) total_peso,
       sum( r.preco_total ) total_receita,
       sum( r.preco_total ) / sum(peso) total_receita_kg,
       sum( r.valor_materia_prima ) total_mp,
       sum( r.valor_materia_prima ) / sum(r.peso) total_mp_kg,
       sum( r.valor_mod + r.valor_cif ) total_industrial,
       sum( r.valor_mod + r.valor_cif ) / sum(peso) total_industrial_kg,
       sum( r.valor_embalagem ) total_embalagem,
       sum( r.valor_embalagem ) / sum(r.peso) total_embalagem_kg,
       sum( r.custo_industrial ) total_custo,
       sum( r.custo_industrial ) / sum(r.peso) total_custo_kg,
       sum( r.valor_icms + r.valor_pis_cofins + r.valor_outros_tributos ) total_impostos,
       sum( r.valor_icms + r.valor_pis_cofins + r.valor_outros_tributos ) / sum(peso) total_impostos_kg,
       sum( r.valor_seguro_carga + r.valor_frete + r.valor_processo_exportacao + r.valor_despesa_exportacao + r.valor_comissao + r.valor_administrativo ) total_despesas,
       sum( r.valor_seguro_carga + r.valor_frete + r.valor_processo_exportacao + r.valor_despesa_exportacao + r.valor_comissao + r.valor_administrativo ) / sum(r.peso) total_despesas_kg,
       sum( r.resultado_total ) total_resultado,
       decode( sum( r.preco_total ), 0, 0, sum( r.resultado_total ) / sum( r.preco_total ) * 100 ) total_resultado_perc,
       sum( r.resultado_total ) / sum(r.peso) total_resultado_kg,
       sum( r.valor_elaboracao ) total_elaboracao,
       sum( r.valor_elaboracao ) / sum(r.peso) total_elaboracao_kg,
       sum( sum( r.peso ) ) over() geral_peso,
       sum( sum( r.preco_total ) ) over() geral_receita,
       sum( sum( r.preco_total ) ) over() / sum( sum(r.peso) ) over() geral_receita_kg,
       sum( sum( r.valor_materia_prima ) ) over() geral_mp,
       sum( sum( r.valor_materia_prima ) ) over() / sum( sum(r.peso) ) over() geral_mp_kg,
       sum( sum( r.valor_mod + r.valor_cif ) ) over() geral_industrial,
       sum( sum( r.valor_mod + r.valor_cif ) ) over() / sum( sum(r.peso) ) over() geral_industrial_kg,
       sum( sum( r.valor_embalagem ) ) over() geral_embalagem,
       sum( sum( r.valor_embalagem ) ) over() / sum( sum(r.peso) ) over() geral_embalagem_kg,
       sum( sum( r.custo_industrial ) ) over() geral_custo,
       sum( sum( r.custo_industrial ) ) over() / sum( sum(r.peso) ) over() geral_custo_kg,
       sum( sum( r.valor_icms + r.valor_pis_cofins + r.valor_outros_tributos ) ) over() geral_impostos,
       sum( sum( r.valor_icms + r.valor_pis_cofins + r.valor_outros_tributos ) ) over() / sum( sum(r.peso) ) over() geral_impostos_kg,
       sum( sum( r.valor_seguro_carga + r.valor_frete + r.valor_processo_exportacao + r.valor_despesa_exportacao + r.valor_comissao + r.valor_administrativo ) ) over() geral_despesas,
       sum( sum( r.valor_seguro_carga + r.valor_frete + r.valor_processo_exportacao + r.valor_despesa_exportacao + r.valor_comissao + r.valor_administrativo ) ) over() / sum( sum(r.peso) ) over() geral_despesas_kg,
       sum( sum( r.resultado_total ) ) over() geral_resultado,
       sum( sum( r.resultado_total ) ) over() / sum( sum(r.peso) ) over() geral_resultado_kg,
       sum( sum( r.valor_elaboracao ) ) over() geral_elaboracao,
       sum( sum( r.valor_elaboracao ) ) over() / sum( sum(r.peso) ) over() geral_elaboracao_kg
  from ( select p.id_unidade
               ,p.data
               ,p.id_familia
               ,p.familia
               ,case when p.gerar_resultado_custo = 1 then p.resultado_total           else 0 end resultado_total
               ,case when p.gerar_resultado_custo = 1 then p.peso                      else 0 end peso
               ,case when p.gerar_resultado_custo = 1 then p.valor_seguro_carga        else 0 end valor_seguro_carga
               ,case when p.gerar_resultado_custo = 1 then p.valor_frete               else 0 end valor_frete
               ,case when p.gerar_resultado_custo = 1 then p.valor_processo_exportacao else 0 end valor_processo_exportacao
               ,case when p.gerar_resultado_custo = 1 then p.valor_despesa_exportacao  else 0 end valor_despesa_exportacao
               ,case when p.gerar_resultado_custo = 1 then p.valor_comissao            else 0 end valor_comissao
               ,case when p.gerar_resultado_custo = 1 then p.valor_administrativo      else 0 end valor_administrativo
               ,case when p.gerar_resultado_custo = 1 then p.valor_icms                else 0 end valor_icms
               ,case when p.gerar_resultado_custo = 1 then p.valor_pis_cofins          else 0 end valor_pis_cofins
               ,case when p.gerar_resultado_custo = 1 then p.valor_outros_tributos     else 0 end valor_outros_tributos
               ,case when p.gerar_resultado_custo = 1 then p.custo_industrial          else 0 end custo_industrial
               ,case when p.gerar_resultado_custo = 1 then p.valor_embalagem           else 0 end valor_embalagem
               ,case when p.gerar_resultado_custo = 1 then p.valor_mod                 else 0 end valor_mod
               ,case when p.gerar_resultado_custo = 1 then p.valor_cif                 else 0 end valor_cif
               ,case when p.gerar_resultado_custo = 1 then p.valor_materia_prima       else 0 end valor_materia_prima
               ,case when p.gerar_resultado_custo = 1 then p.preco_total               else 0 end preco_total
               ,case when p.gerar_resultado_custo = 1 then p.valor_elaboracao          else 0 end valor_elaboracao
               ,f.ordem_custo ordem_custo_familia
  from table(velko_cst.pkg_industrializado.ppl_resultado(:id_unidade,
                                                         :data,
                                                         :data)) p,
       velko_pcp.familia f
 where f.id_familia = p.id_familia
   and (((f.id_familia in (select numero from velko.clausula_in where chave = 1)) and (:id_familia = 1))
    or (:id_familia = 0))
  )r
group by r.id_unidade,
         r.data,
         r.id_familia,
         r.familia,
         r.ordem_custo_familia
order by r.ordem_custo_familia
)sql");
    declareFields(c.dataSet, {
        {FieldKind::Float, 0, "", {"ID_UNIDADE", "ID_FAMILIA"}},
        {FieldKind::Timestamp, 0, "", {"DATA"}},
        {FieldKind::Text, 30, "", {"FAMILIA"}},
        {FieldKind::Float, 0, "#,0.00", {"TOTAL_PESO", "TOTAL_RECEITA", "TOTAL_RECEITA_KG", "TOTAL_MP",
                                         "TOTAL_MP_KG", "TOTAL_INDUSTRIAL", "TOTAL_INDUSTRIAL_KG",
                                         "TOTAL_EMBALAGEM", "TOTAL_EMBALAGEM_KG", "TOTAL_CUSTO",
                                         "TOTAL_CUSTO_KG", "TOTAL_IMPOSTOS", "TOTAL_IMPOSTOS_KG",
                                         "TOTAL_DESPESAS", "TOTAL_DESPESAS_KG", "TOTAL_RESULTADO",
                                         "TOTAL_RESULTADO_PERC", "TOTAL_RESULTADO_KG", "TOTAL_ELABORACAO",
                                         "TOTAL_ELABORACAO_KG", "GERAL_PESO", "GERAL_RECEITA",
                                         "GERAL_RECEITA_KG", "GERAL_MP", "GERAL_MP_KG", "GERAL_INDUSTRIAL",
                                         "GERAL_INDUSTRIAL_KG", "GERAL_EMBALAGEM", "GERAL_EMBALAGEM_KG",
                                         "GERAL_CUSTO", "GERAL_CUSTO_KG", "GERAL_IMPOSTOS", "GERAL_IMPOSTOS_KG",
                                         "GERAL_DESPESAS", "GERAL_DESPESAS_KG", "GERAL_RESULTADO",
                                         "GERAL_RESULTADO_KG", "GERAL_ELABORACAO", "GERAL_ELABORACAO_KG"}},
    });
    c.dataSet.setReadOnly(true);
}

void resultadoAcumulado(TDataModule_Custo& module)
{
    const Chain c = addChain(module, "ResultadoAcumulado", "",
                             {{"id_unidade", BindType::Number}, {"data", BindType::Date},
                              {"id_familia", BindType::Number}}, R"sql(
select
       r.id_unidade,
       r.id_familia,
       r.familia,
       sum(r.peso) total_peso,
       sum( r.preco_total ) total_receita,
       sum( r.preco_total ) / sum(r.peso) total_receita_kg,
       sum( r.valor_materia_prima ) total_mp,
       sum( r.valor_materia_prima ) / sum(r.peso) total_mp_kg,
       sum( r.valor_mod + r.valor_cif ) total_industrial,
       sum( r.valor_mod + r.valor_cif ) / sum(r.peso) total_industrial_kg,
       sum( r.valor_embalagem ) total_embalagem,
       sum( r.valor_embalagem ) / sum(r.peso) total_embalagem_kg,
       sum( r.custo_industrial ) total_custo,
       sum( r.custo_industrial ) / sum(r.peso) total_custo_kg,
       sum( r.valor_icms + r.valor_pis_cofins + r.valor_outros_tributos ) total_impostos,
       sum( r.valor_icms + r.valor_pis_cofins + r.valor_outros_tributos ) / sum(r.peso) total_impostos_kg,
       sum( r.valor_seguro_carga + r.valor_frete + r.valor_processo_exportacao + r.valor_despesa_exportacao + r.valor_comissao + r.valor_administrativo ) total_despesas,
       sum( r.valor_seguro_carga + r.valor_frete + r.valor_processo_exportacao + r.valor_despesa_exportacao + r.valor_comissao + r.valor_administrativo ) / sum(r.peso) total_despesas_kg,
       sum( r.resultado_total ) total_resultado,
       sum( r.resultado_total ) / sum(r.peso) total_resultado_kg,
       sum( sum( r.peso ) ) over() geral_peso,
       sum( sum( r.preco_total ) ) over() geral_receita,
       sum( sum( r.preco_total ) ) over() / sum( sum(r.peso) ) over() geral_receita_kg,
       sum( sum( r.valor_materia_prima ) ) over() geral_mp,
       sum( sum( r.valor_materia_prima ) ) over() / sum( sum(r.peso) ) over() geral_mp_kg,
       sum( sum( r.valor_mod + r.valor_cif ) ) over() geral_industrial,
       sum( sum( r.valor_mod + r.valor_cif ) ) over() / sum( sum(r.peso) ) over() geral_industrial_kg,
       sum( sum( r.valor_embalagem ) ) over() geral_embalagem,
       sum( sum( r.valor_embalagem ) ) over() / sum( sum(r.peso) ) over() geral_embalagem_kg,
       sum( sum( r.custo_industrial ) ) over() geral_custo,
       sum( sum( r.custo_industrial ) ) over() / sum( sum(r.peso) ) over() geral_custo_kg,
       sum( sum( r.valor_icms + r.valor_pis_cofins + r.valor_outros_tributos ) ) over() geral_impostos,
       sum( sum( r.valor_icms + r.valor_pis_cofins + r.valor_outros_tributos ) ) over() / sum( sum(r.peso) ) over() geral_impostos_kg,
       sum( sum( r.valor_seguro_carga + r.valor_frete + r.valor_processo_exportacao + r.valor_despesa_exportacao + r.valor_comissao + r.valor_administrativo ) ) over() geral_despesas,
       sum( sum( r.valor_seguro_carga + r.valor_frete + r.valor_processo_exportacao + r.valor_despesa_exportacao + r.valor_comissao + r.valor_administrativo ) ) over() / sum( sum(r.peso) ) over() geral_despesas_kg,
       sum( sum( r.resultado_total ) ) over() geral_resultado,
       sum( sum( r.resultado_total ) ) over() / sum( sum(r.peso) ) over() geral_resultado_kg
  from ( select p.id_unidade
               ,p.data
               ,p.id_familia
               ,p.familia
               ,case when p.gerar_resultado_custo = 1 then p.resultado_total           else 0 end resultado_total
               ,case when p.gerar_resultado_custo = 1 then p.peso                      else 0 end peso
               ,case when p.gerar_resultado_custo = 1 then p.valor_seguro_carga        else 0 end valor_seguro_carga
               ,case when p.gerar_resultado_custo = 1 then p.valor_frete               else 0 end valor_frete
               ,case when p.gerar_resultado_custo = 1 then p.valor_processo_exportacao else 0 end valor_processo_exportacao
               ,case when p.gerar_resultado_custo = 1 then p.valor_despesa_exportacao  else 0 end valor_despesa_exportacao
               ,case when p.gerar_resultado_custo = 1 then p.valor_comissao            else 0 end valor_comissao
               ,case when p.gerar_resultado_custo = 1 then p.valor_administrativo      else 0 end valor_administrativo
               ,case when p.gerar_resultado_custo = 1 then p.valor_icms                else 0 end valor_icms
               ,case when p.gerar_resultado_custo = 1 then p.valor_pis_cofins          else 0 end valor_pis_cofins
               ,case when p.gerar_resultado_custo = 1 then p.valor_outros_tributos     else 0 end valor_outros_tributos
               ,case when p.gerar_resultado_custo = 1 then p.custo_industrial          else 0 end custo_industrial
               ,case when p.gerar_resultado_custo = 1 then p.valor_embalagem           else 0 end valor_embalagem
               ,case when p.gerar_resultado_custo = 1 then p.valor_mod                 else 0 end valor_mod
               ,case when p.gerar_resultado_custo = 1 then p.valor_cif                 else 0 end valor_cif
               ,case when p.gerar_resultado_custo = 1 then p.valor_materia_prima       else 0 end valor_materia_prima
               ,case when p.gerar_resultado_custo = 1 then p.preco_total               else 0 end preco_total
               ,f.ordem_custo
  from table(velko_cst.pkg_industrializado.ppl_resultado_rel(:id_unidade,trunc(:data,'mm'), :data)) p,
       velko_pcp.familia f
 where f.id_familia = p.id_familia
     and (((f.id_familia in (select numero from velko.clausula_in where chave = 2)) and (:id_familia = 1))
        or (:id_familia = 0))
)r
group by r.id_unidade,
         r.id_familia,
         r.familia,
         r.ordem_custo
order by r.ordem_custo
)sql");
    declareFields(c.dataSet, {
        {FieldKind::Float, 0, "", {"ID_FAMILIA", "ID_UNIDADE"}},
        {FieldKind::Text, 30, "", {"FAMILIA"}},
        {FieldKind::Float, 0, "#,0.000", {"TOTAL_PESO", "GERAL_PESO"}},
        {FieldKind::Float, 0, "#,0.00", {"TOTAL_RECEITA", "TOTAL_RECEITA_KG", "TOTAL_MP", "TOTAL_MP_KG",
                                         "TOTAL_INDUSTRIAL", "TOTAL_INDUSTRIAL_KG", "TOTAL_EMBALAGEM",
                                         "TOTAL_EMBALAGEM_KG", "TOTAL_CUSTO", "TOTAL_CUSTO_KG", "TOTAL_IMPOSTOS",
                                         "TOTAL_IMPOSTOS_KG", "TOTAL_DESPESAS", "TOTAL_DESPESAS_KG",
                                         "TOTAL_RESULTADO", "TOTAL_RESULTADO_KG", "GERAL_RECEITA",
                                         "GERAL_RECEITA_KG", "GERAL_MP", "GERAL_MP_KG", "GERAL_INDUSTRIAL",
                                         "GERAL_INDUSTRIAL_KG", "GERAL_EMBALAGEM", "GERAL_EMBALAGEM_KG",
                                         "GERAL_CUSTO", "GERAL_CUSTO_KG", "GERAL_IMPOSTOS", "GERAL_IMPOSTOS_KG",
                                         "GERAL_DESPESAS", "GERAL_DESPESAS_KG", "GERAL_RESULTADO",
                                         "GERAL_RESULTADO_KG"}},
    });
    c.dataSet.setReadOnly(true);
    // Filter reset: a filter a window set on an earlier opening does not survive a reopening.
    c.dataSet.setBeforeOpen([](DataSet& dataSet) {
        dataSet.setFiltered(false);
        dataSet.setFilter(QString());
    });
}

void processosProducaoFamilia(TDataModule_Custo& module)
{
    Query& q = addQuery(module, "Q_ProcessosProducaoFamilia",
                        {{"ID_UNIDADE", BindType::Number}, {"DATA", BindType::Date},
                         {"ID_FAMILIA", BindType::Number}}, R"sql(
select distinct
       id_processo
      ,descricao_processo
      ,sequencia_processo
      ,gerar_resultado_custo
  from table(velko_cst.pkg_industrializado.ppl_resultado(:id_unidade,:data,:data))
  where id_familia = :id_familia
    and descricao_processo is not null
  order by sequencia_processo
)sql");
    addSource(module, "DS_ProcessosProducaoFamilia", q);
}

void resultadoDT(TDataModule_Custo& module)
{
    const Chain c = addChain(module, "Resultado_DT", "VELKO_CST.INDUSTRIAL_PRECO",
                             {{"id_unidade", BindType::Number}, {"data", BindType::Date},
                              {"id_familia", BindType::Number}, {"ID_PROCESSO", BindType::Number}}, R"sql(
select
       id_industrial_preco
      ,decode(id_contrato,null,decode(criterio_receita, 'M', preco, preco_referencia),preco) preco
      ,preco_original
      ,preco_data_inicial
      ,preco_data_final
      ,data
      ,id_unidade
      ,tipo_grupo
      ,descricao_grupo
      ,descricao_subgrupo
      ,linha
      ,codigo_produto
      ,sequencial_produto
      ,descricao_produto
      ,id_familia
      ,familia
      ,sequencia_processo || ' - ' || descricao_processo processo
      ,to_char(id_ordem_producao) p_id_ordem_producao
      ,id_ordem_producao
      ,id_contrato
      ,cifra
      ,id_mercado
      ,caixas
      ,pecas
      ,peso
      ,rendimento
      ,rendimento_padrao
      ,rendimento_padrao_ponderado
      ,preco_unitario
      ,preco_total
      ,valor_materia_prima
      ,valor_insumo
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
      ,custo_industrial
      ,custo_impostos
      ,custo_despesas
      ,custo_total
      ,resultado_total
      ,valor_materia_prima_kg
      ,valor_insumo_kg
      ,valor_embalagem_kg
      ,valor_mod_kg
      ,valor_cif_kg
      ,valor_icms_kg
      ,valor_pis_cofins_kg
      ,valor_outros_tributos_kg
      ,valor_seguro_carga_kg
      ,valor_frete_kg
      ,valor_processo_exportacao_kg
      ,valor_despesa_exportacao_kg
      ,valor_comissao_kg
      ,valor_administrativo_kg
      ,custo_industrial_kg
      ,custo_impostos_kg
      ,custo_despesas_kg
      ,custo_total_kg
      ,resultado_total_kg
      ,margem_resultado
      ,p_mod_industrializado
      ,p_cif_industrializado
      ,p_icms_deb
      ,p_pis_cofins
      ,p_outros_tributos
      ,p_seguro_carga
      ,p_frete
      ,p_processo_exportacao
      ,p_despesa_exportacao
      ,p_comissao
      ,p_administrativo
      ,criterio_receita
      ,criterio_rateio
      ,preco_referencia
      ,preco_rateio
      ,p_criterio_receita
      ,p_criterio_rateio
      ,linha_producao
      ,rendimento_kg
      ,rendimento_valor
      ,valor_servico
      ,valor_servico_kg
      ,usuario_restauracao_preco
      ,data_restauracao_preco
      ,preco_anterior
  from table(velko_cst.pkg_industrializado.ppl_resultado(:id_unidade,:data,:data))
  where id_familia = :id_familia
    and id_processo = decode(:id_processo,0,id_processo,:id_processo)
)sql");
    declareFields(c.dataSet, {
        {FieldKind::Float, 0, "#,0.000", {"PRECO"}},
        {FieldKind::Float, 0, "#,0.000", {"PRECO_ORIGINAL", "PESO", "VALOR_EMBALAGEM_KG", "VALOR_MOD_KG",
                                          "VALOR_CIF_KG", "VALOR_ICMS_KG", "VALOR_PIS_COFINS_KG",
                                          "VALOR_OUTROS_TRIBUTOS_KG", "VALOR_SEGURO_CARGA_KG", "VALOR_FRETE_KG",
                                          "VALOR_PROCESSO_EXPORTACAO_KG", "VALOR_DESPESA_EXPORTACAO_KG",
                                          "VALOR_COMISSAO_KG", "VALOR_ADMINISTRATIVO_KG", "CUSTO_INDUSTRIAL_KG",
                                          "CUSTO_IMPOSTOS_KG", "CUSTO_DESPESAS_KG", "CUSTO_TOTAL_KG",
                                          "RESULTADO_TOTAL_KG", "VALOR_MATERIA_PRIMA_KG", "VALOR_INSUMO_KG",
                                          "RENDIMENTO_KG", "VALOR_SERVICO_KG", "PRECO_ANTERIOR"}},
        {FieldKind::Timestamp, 0, "", {"DATA", "PRECO_DATA_INICIAL", "PRECO_DATA_FINAL",
                                       "DATA_RESTAURACAO_PRECO"}},
        {FieldKind::Float, 0, "", {"ID_UNIDADE", "SEQUENCIAL_PRODUTO", "ID_CONTRATO", "ID_MERCADO",
                                   "ID_INDUSTRIAL_PRECO", "ID_FAMILIA", "PRECO_REFERENCIA", "PRECO_RATEIO",
                                   "ID_ORDEM_PRODUCAO"}},
        {FieldKind::Text, 13, "", {"TIPO_GRUPO"}},
        {FieldKind::Text, 37, "", {"DESCRICAO_GRUPO"}},
        {FieldKind::Text, 39, "", {"DESCRICAO_SUBGRUPO"}},
        {FieldKind::Text, 10, "", {"CODIGO_PRODUTO"}},
        {FieldKind::Text, 60, "", {"DESCRICAO_PRODUTO"}},
        {FieldKind::Text, 3, "", {"CIFRA"}},
        {FieldKind::Float, 0, "#,0", {"CAIXAS", "PECAS"}},
        {FieldKind::Float, 0, "#,0.000 %", {"RENDIMENTO", "RENDIMENTO_PADRAO", "RENDIMENTO_PADRAO_PONDERADO"}},
        {FieldKind::Float, 0, "#,0.00", {"PRECO_UNITARIO", "PRECO_TOTAL", "VALOR_EMBALAGEM", "VALOR_MOD",
                                         "VALOR_CIF", "VALOR_ICMS", "VALOR_PIS_COFINS", "VALOR_OUTROS_TRIBUTOS",
                                         "VALOR_SEGURO_CARGA", "VALOR_FRETE", "VALOR_PROCESSO_EXPORTACAO",
                                         "VALOR_DESPESA_EXPORTACAO", "VALOR_COMISSAO", "VALOR_ADMINISTRATIVO",
                                         "CUSTO_INDUSTRIAL", "CUSTO_IMPOSTOS", "CUSTO_DESPESAS", "CUSTO_TOTAL",
                                         "RESULTADO_TOTAL", "VALOR_MATERIA_PRIMA", "VALOR_INSUMO",
                                         "RENDIMENTO_VALOR", "VALOR_SERVICO"}},
        {FieldKind::Text, 30, "", {"LINHA", "FAMILIA", "LINHA_PRODUCAO", "USUARIO_RESTAURACAO_PRECO"}},
        {FieldKind::Float, 0, "#,0.0", {"MARGEM_RESULTADO"}},
        {FieldKind::Float, 0, "#,0.000 /Kg", {"P_MOD_INDUSTRIALIZADO", "P_CIF_INDUSTRIALIZADO", "P_FRETE",
                                              "P_PROCESSO_EXPORTACAO", "P_DESPESA_EXPORTACAO",
                                              "P_ADMINISTRATIVO"}},
        {FieldKind::Float, 0, "#,0.00   %   ", {"P_ICMS_DEB", "P_PIS_COFINS", "P_OUTROS_TRIBUTOS",
                                                "P_SEGURO_CARGA", "P_COMISSAO"}},
        {FieldKind::Text, 1, "", {"CRITERIO_RECEITA", "CRITERIO_RATEIO"}},
        {FieldKind::Text, 0, "", {"P_CRITERIO_RECEITA", "P_CRITERIO_RATEIO"}},
        {FieldKind::Text, 50, "", {"PROCESSO"}},
        {FieldKind::Text, 40, "", {"P_ID_ORDEM_PRODUCAO"}},
    });
    c.dataSet.fieldByName(QStringLiteral("PRECO")).setEditFormat(QStringLiteral("#0.000"));
    addAggregates(c.dataSet, {
        {"TOTAL_EMBALAGEM", "SUM( VALOR_EMBALAGEM )", "#,0.00"},
        {"TOTAL_EMBALAGEM_KG", "SUM( VALOR_EMBALAGEM ) / SUM(PESO)", "#,0.00"},
        {"TOTAL_RECEITA_KG", "SUM( PRECO_TOTAL ) / SUM(PESO)", "#,0.00"},
        {"TOTAL_RECEITA", "SUM( PRECO_TOTAL )", "#,0.00"},
        {"TOTAL_DESPESAS_KG", "SUM( CUSTO_DESPESAS )  / SUM(PESO)", "#,0.00"},
        {"TOTAL_DESPESAS", "SUM( CUSTO_DESPESAS ) ", "#,0.00"},
        {"TOTAL_IMPOSTOS_KG", "SUM( CUSTO_IMPOSTOS ) / SUM(PESO)", "#,0.00"},
        {"TOTAL_IMPOSTOS", "SUM( CUSTO_IMPOSTOS )", "#,0.00"},
        {"RESULTADO_GERAL", "SUM( RESULTADO_TOTAL )", "#,0.00"},
        {"TOTAL_MP_KG", "SUM( VALOR_MATERIA_PRIMA ) / SUM(PESO)", "#,0.00"},
        {"TOTAL_MP", "SUM( VALOR_MATERIA_PRIMA)", "#,0.00"},
        {"TOTAL_CUSTO_KG", "SUM( CUSTO_INDUSTRIAL ) / SUM(PESO)", "#,0.00"},
        {"TOTAL_SERVICO_KG", "SUM( VALOR_SERVICO ) / SUM(PESO)", "#,0.00"},
        {"TOTAL_INDUSTRIAL_KG", "SUM( VALOR_MOD + VALOR_CIF ) / SUM(PESO)", "#,0.00"},
        {"TOTAL_CUSTO", "SUM( CUSTO_INDUSTRIAL )", "#,0.00"},
        {"TOTAL_SERVICO", "SUM( VALOR_SERVICO )", "#,0.00"},
        {"TOTAL_INDUSTRIAL", "SUM( VALOR_MOD + VALOR_CIF )", "#,0.00"},
        {"RESULTADO_GERAL_KG", "SUM( RESULTADO_TOTAL ) / SUM(PESO)", "#,0.00"},
        {"RESULTADO_GERAL_PERC", "(SUM( RESULTADO_TOTAL ) / SUM( PRECO_TOTAL ))*100", "#,0.0 %"},
        {"TOTAL_MOD", "SUM( VALOR_MOD )", "#,0.00"},
        {"TOTAL_CIF", "SUM( VALOR_CIF )", "#,0.00"},
        {"TOTAL_MOD_KG", "SUM( VALOR_MOD ) / SUM(PESO)", "#,0.00"},
        {"TOTAL_CIF_KG", "SUM( VALOR_CIF ) / SUM(PESO)", "#,0.00"},
        {"TOTAL_INSUMO", "SUM( VALOR_INSUMO )", "#,0.00"},
        {"TOTAL_INSUMO_KG", "SUM( VALOR_INSUMO ) / SUM ( PESO )", "#,0.00"},
    });
    saveMap(c.provider, "ID_INDUSTRIAL_PRECO", {"PRECO", "VALOR_SERVICO", "VALOR_SERVICO_KG"});
    followCurrentProcess(module, c);
}

void materiaPrimaDT(TDataModule_Custo& module)
{
    const Chain c = addChain(module, "MateriaPrima_DT", "VELKO_CST.INDUSTRIAL_PRECO_MP",
                             {{"id_unidade", BindType::Number}, {"data", BindType::Date},
                              {"id_familia", BindType::Number}, {"ID_PROCESSO", BindType::Number}}, R"sql(
select
       id_industrial_preco_mp
      ,preco
      ,metodo_custo_mp
      ,documento_origem
      ,id_unidade
      ,id_industrial
      ,data
      ,procedencia
      ,codigo_produto
      ,id_produto
      ,descricao_produto
      ,id_ordem_producao
      ,to_char(id_ordem_producao) p_id_ordem_producao
      ,id_familia
      ,quantidade
      ,peso
      ,peso_medio
      ,round(peso * 100 / (sum(peso) over ()), 2) rendimento
      ,valor_total
      ,codigo_metodo_custo_mp
      ,data_consumo
      ,sequencia_processo || ' - ' || descricao_processo processo
  from table(velko_cst.pkg_industrializado.ppl_materia_prima(:id_unidade,:data,:data)) t
  where id_familia = :id_familia
    and id_processo = decode(:id_processo,0,id_processo,:id_processo)
)sql");
    declareFields(c.dataSet, {
        {FieldKind::Float, 0, "", {"ID_INDUSTRIAL_PRECO_MP", "ID_UNIDADE", "ID_INDUSTRIAL", "ID_PRODUTO",
                                   "ID_ORDEM_PRODUCAO", "ID_FAMILIA"}},
        {FieldKind::Float, 0, "#,0.00", {"PRECO", "RENDIMENTO", "VALOR_TOTAL"}},
        {FieldKind::Timestamp, 0, "", {"DATA", "DATA_CONSUMO"}},
        {FieldKind::Text, 10, "", {"CODIGO_PRODUTO"}},
        {FieldKind::Text, 60, "", {"DESCRICAO_PRODUTO"}},
        {FieldKind::Float, 0, "#,0", {"QUANTIDADE"}},
        {FieldKind::Float, 0, "#,0.0", {"PESO", "PESO_MEDIO"}},
        {FieldKind::Text, 50, "", {"PROCEDENCIA"}},
        {FieldKind::Text, 30, "", {"METODO_CUSTO_MP"}},
        {FieldKind::Text, 40, "", {"DOCUMENTO_ORIGEM", "P_ID_ORDEM_PRODUCAO"}},
        {FieldKind::Text, 3, "", {"CODIGO_METODO_CUSTO_MP"}},
        {FieldKind::Text, 73, "", {"PROCESSO"}},
    });
    addAggregates(c.dataSet, {
        {"TOTAL_MP", "SUM( VALOR_TOTAL )", "#,0.00"},
    });
    saveMap(c.provider, "ID_INDUSTRIAL_PRECO_MP", {"PRECO"});
    followCurrentProcess(module, c);
}

void insumos(TDataModule_Custo& module)
{
    const Chain c = addChain(module, "Insumos", "",
                             {{"id_unidade", BindType::Number}, {"data", BindType::Date},
                              {"id_familia", BindType::Number}, {"ID_PROCESSO", BindType::Number}}, R"sql(
select i.id_ordem_producao,
       to_char(i.id_ordem_producao) p_id_ordem_producao,
       i.codigo_material,
       m.nome nome_material,
       sum(i.quantidade) quantidade,
       m.codigo_unidade_medida,
       sum(i.quantidade * i.valor_unitario) / sum(i.quantidade) valor_unitario,
       sum(i.quantidade * i.valor_unitario) valor_total
  from velko_cst.industrial_insumo i,
       velko_cst.industrial t,
       velko_mat.material m
 where m.codigo_material = i.codigo_material
   and t.id_industrial = i.id_industrial
   and t.id_unidade = :id_unidade
   and t.data = :data
   and i.id_familia = :id_familia
   and nvl(i.id_processo, 0) = decode(:id_processo,0,nvl(i.id_processo, 0),:id_processo)
group by
       i.id_ordem_producao,
       i.codigo_material,
       m.nome,
       m.codigo_unidade_medida
)sql");
    declareFields(c.dataSet, {
        {FieldKind::Float, 0, "", {"ID_ORDEM_PRODUCAO", "CODIGO_MATERIAL", "QUANTIDADE"}},
        {FieldKind::Text, 250, "", {"NOME_MATERIAL"}},
        {FieldKind::Text, 3, "", {"CODIGO_UNIDADE_MEDIDA"}},
        {FieldKind::Float, 0, "#,0.000###", {"VALOR_UNITARIO"}},
        {FieldKind::Float, 0, "#,0.00", {"VALOR_TOTAL"}},
        {FieldKind::Text, 40, "", {"P_ID_ORDEM_PRODUCAO"}},
    });
    addAggregates(c.dataSet, {
        {"TOTAL_INSUMOS", "SUM( VALOR_TOTAL )", "#,0.00"},
    });
    c.dataSet.setReadOnly(true);
    followCurrentProcess(module, c);
}

void producaoElaboracao(TDataModule_Custo& module)
{
    const Chain c = addChain(module, "ProducaoElaboracao", "",
                             {{"id_unidade", BindType::Number}, {"data", BindType::Date},
                              {"id_familia", BindType::Number}}, R"sql(
select 'Insumos' descricao_tipo,
       i.id_ordem_producao,
       to_char(m.codigo_material) codigo_material,
       m.nome nome_material,
       sum(i.quantidade) quantidade,
       i.unidade_medida codigo_unidade_medida,
       sum(i.quantidade * i.valor_unitario) / sum(i.quantidade) valor_unitario,
       sum(i.quantidade * i.valor_unitario) valor_total
  from velko_cst.industrial_produto_elaboracao i,
       velko_cst.industrial d,
       velko_mat.material m,
       velko_pcp.tabela_pcp t
 where t.id_tabela_pcp = i.id_ordem_producao
   and m.codigo_material = i.id_produto
   and d.id_industrial = i.id_industrial
   and d.id_unidade = :id_unidade
   and d.data = :data
   and t.id_familia = :id_familia
   and i.tipo = 'I'
group by
       i.id_ordem_producao,
       m.codigo_material,
       m.nome,
       i.unidade_medida
union all
select 'Matéria-Prima' descricao_tipo,
       i.id_ordem_producao,
       to_char(p.codigo_produto) codigo_material,
       p.descricao nome_material,
       sum(i.quantidade) quantidade,
       i.unidade_medida codigo_unidade_medida,
       sum(i.quantidade * i.valor_unitario) / sum(i.quantidade) valor_unitario,
       sum(i.quantidade * i.valor_unitario) valor_total
  from velko_cst.industrial_produto_elaboracao i,
       velko_cst.industrial d,
       velko_ven.produto p,
       velko_pcp.tabela_pcp t
 where t.id_tabela_pcp = i.id_ordem_producao
   and p.sequencial_produto = i.id_produto
   and d.id_industrial = i.id_industrial
   and d.id_unidade = :id_unidade
   and d.data = :data
   and t.id_familia = :id_familia
   and i.tipo = 'M'
group by
       i.id_ordem_producao,
       p.codigo_produto,
       p.descricao,
       i.unidade_medida
)sql");
    declareFields(c.dataSet, {
        {FieldKind::Text, 13, "", {"DESCRICAO_TIPO"}},
        {FieldKind::Float, 0, "", {"ID_ORDEM_PRODUCAO", "QUANTIDADE"}},
        {FieldKind::Text, 40, "", {"CODIGO_MATERIAL"}},
        {FieldKind::Text, 250, "", {"NOME_MATERIAL"}},
        {FieldKind::Text, 3, "", {"CODIGO_UNIDADE_MEDIDA"}},
        {FieldKind::Float, 0, "#,0.000", {"VALOR_UNITARIO"}},
        {FieldKind::Float, 0, "#,0.00", {"VALOR_TOTAL"}},
    });
    c.dataSet.setReadOnly(true);
}

void condenacaoDesossa(TDataModule_Custo& module)
{
    const Chain c = addChain(module, "CondenacaoDesossa", "",
                             {{"id_unidade", BindType::Number}, {"data", BindType::Date},
                              {"id_familia", BindType::Number}}, R"sql(
SELECT x.OP,
       x.codigo_produto,
       x.descricao_produto,
       SUM(x.pecas_operacional) pecas_operacional,
       SUM(x.peso_condenado_operacional) peso_condenado_operacional,
       SUM(x.valor_operacional) valor_operacional,
       SUM(x.pecas_nao_operacional) pecas_nao_operacional,
       SUM(x.peso_condenado_nao_operacional) peso_condenado_nao_operacional,
       SUM(x.valor_nao_operacional) valor_nao_operacional,
       sum(x.pecas_operacional) + sum(pecas_nao_operacional) total_pecas,
       sum(x.peso_condenado_operacional) + sum(peso_condenado_nao_operacional) total_peso,
       sum(x.valor_operacional) + sum(valor_nao_operacional) total_valor
  FROM(
SELECT mv.id_tabela_pcp OP,
       mv.sequencial_produto,
       p.codigo_produto,
       p.descricao descricao_produto,
       decode(mt.falha_processo,1,'Condenação Operacional', 'Condenação Não Operacional') analise_condenacao,
       nvl(decode(mt.falha_processo,1,mv.quantidade,0),0) pecas_operacional,
       nvl(decode(mt.falha_processo,1,a.peso_medio_produzido * mv.quantidade,0),0)  peso_condenado_operacional,
       nvl(decode(mt.falha_processo,1,(a.peso_medio_produzido * mv.quantidade) * a.custo_industrial_kg,0),0) valor_operacional,
       nvl(decode(mt.falha_processo,0,mv.quantidade,0),0) pecas_nao_operacional,
       nvl(decode(mt.falha_processo,0,a.peso_medio_produzido * mv.quantidade,0),0)  peso_condenado_nao_operacional,
       nvl(decode(mt.falha_processo,0,(a.peso_medio_produzido * mv.quantidade) * a.custo_industrial_kg,0),0) valor_nao_operacional
  FROM velko_pcp.movimento_condenacao mv
      ,velko_ven.produto p
      ,velko_pcp.motivo_condenacao mt
      ,velko_pcp.tabela_pcp t
      ,(SELECT a.id_ordem_producao,
               a.sequencial_produto,
               decode(a.pecas,0,0,decode(a.peso,0,0,a.peso / a.pecas)) peso_medio_produzido,
               nvl(a.custo_industrial_kg,0) custo_industrial_kg
          FROM table(velko_cst.pkg_industrializado.ppl_resultado(:id_unidade,:data,:data)) a
         WHERE a.id_familia = :id_familia) a
 WHERE mv.id_motivo_condenacao = mt.id_motivo_condenacao
   AND mv.sequencial_produto   = p.sequencial_produto
   AND mv.id_tabela_pcp = a.id_ordem_producao (+)
   AND mv.sequencial_produto = a.sequencial_produto (+)
   AND mv.id_tabela_pcp = t.id_tabela_pcp
   and t.id_familia = :id_familia
   and exists (SELECT 1
                 FROM table(velko_cst.pkg_industrializado.ppl_resultado(:id_unidade,:data,:data)) a
                WHERE a.id_familia = :id_familia
                  AND a.id_ordem_producao = mv.id_tabela_pcp)
   )x
GROUP BY x.OP,
         x.codigo_produto,
         x.descricao_produto
    ORDER BY x.OP,
             x.codigo_produto
)sql");
    declareFields(c.dataSet, {
        {FieldKind::Text, 10, "", {"CODIGO_PRODUTO"}},
        {FieldKind::Text, 60, "", {"DESCRICAO_PRODUTO"}},
        {FieldKind::Float, 0, "#,0", {"PECAS_OPERACIONAL", "PECAS_NAO_OPERACIONAL", "TOTAL_PECAS"}},
        {FieldKind::Float, 0, "#,0.000", {"PESO_CONDENADO_OPERACIONAL", "PESO_CONDENADO_NAO_OPERACIONAL",
                                          "TOTAL_PESO"}},
        {FieldKind::Float, 0, "#,0.00", {"VALOR_OPERACIONAL", "VALOR_NAO_OPERACIONAL", "TOTAL_VALOR"}},
        {FieldKind::Float, 0, "", {"OP"}},
    });
    c.source.setAutoEdit(false);
    c.dataSet.setReadOnly(true);
}

} // namespace

void defineProduction(TDataModule_Custo& module)
{
    industrializado(module);
    resultado(module);
    resultadoAcumulado(module);
    processosProducaoFamilia(module);
    resultadoDT(module);
    materiaPrimaDT(module);
    insumos(module);
    producaoElaboracao(module);
    condenacaoDesossa(module);
}

} // namespace custos::data::catalogue
