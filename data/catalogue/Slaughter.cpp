// The slaughter datasets of the cost data module and its two shared read-only queries: the
// session's company, the unit's currencies, the day's slaughter per species (day and month to
// date), the purchased animals, the slaughter products with their totals, the products by
// group, the condemned offal and the live weight.
#include "Areas.h"

#include "Builder.h"
#include "ClientDataSet.h"
#include "DataSource.h"
#include "Provider.h"
#include "Query.h"

namespace custos::data::catalogue {

namespace {

void getEmpresa(TDataModule_Custo& module)
{
    addQuery(module, "GetEmpresa", {}, R"sql(
SELECT VELKO.PKG_VELKO.GET_EMPRESA CODIGO_EMPRESA
FROM DUAL
)sql");
}

void moeda(TDataModule_Custo& module)
{
    Query& q = addQuery(module, "Q_Moeda",
                        {{"data", BindType::Date}, {"id_unidade", BindType::Number}}, R"sql(
select I.descricao,
       velko_fin.valor_indice(p.codigo_moeda, :data) valor,
       I2.descricao descricao_moeda2,
       velko_fin.valor_indice(p.codigo_moeda2, :data) valor_moeda2
  from velko_fin.indice I,
       velko_fin.indice I2,
       velko_cst.parametros P
 where I.codigo_indice = P.codigo_moeda
   and I2.codigo_indice (+) = P.codigo_moeda2
   and P.id_unidade = :id_unidade
)sql");
    declareFields(q, {
        {FieldKind::Text, 30, "", {"DESCRICAO", "DESCRICAO_MOEDA2"}},
        {FieldKind::Float, 0, "#,0.000", {"VALOR", "VALOR_MOEDA2"}},
    });
    addSource(module, "DTS_Moeda", q);
}

// The cost per arroba and per kilogram less the by-products' share (CUSTO_TOTAL_ARR,
// CUSTO_TOTAL_KG and their T_ totals) start from the cost per arroba and per kilogram; taken
// from the cost per head, as first written, they mixed a per-head cost with a per-kilogram
// deduction (a kilogram of beef costing thousands).
void abate(TDataModule_Custo& module)
{
    const Chain c = addChain(module, "Abate", "VELKO_CST.ABATE",
                             {{"aproveitamento_rateio", BindType::Text}, {"aproveitamento", BindType::Number},
                              {"data", BindType::Date}, {"id_unidade", BindType::Number}}, R"sql(
select id_abate,
       id_genero,
       genero,
       data_fechamento,
       usuario_fechamento,
       total_aproveitamento,
       cabecas_vivo,
       peso_vivo,
       decode(nvl(cabecas_vivo,0), 0, 0, (peso_vivo / cabecas_vivo)) peso_vivo_cabeca,
       cabecas,
       peso,
       valor_compra,
       (credito_icms + credito_pis_cofins + outros_creditos) creditos,
       valor_compra - (credito_icms + credito_pis_cofins + outros_creditos) liquido_compra,
       valor_comissao,
       valor_frete,
       valor_mod,
       valor_cif,
       custo_total,
       peso / cabecas peso_cabeca,
       peso / cabecas / 15 arroba_cabeca,
       /* custo por cabeça */
       (custo_total - (credito_icms + credito_pis_cofins + outros_creditos)) / cabecas valor_compra_cb,
       decode(peso, 0, 0, (custo_total - (credito_icms + credito_pis_cofins + outros_creditos)) / peso * 15) valor_compra_arr,
       decode(peso, 0, 0, (custo_total - (credito_icms + credito_pis_cofins + outros_creditos)) / peso) valor_compra_kg,
       /* subtotal a */
       valor_comissao valor_comissao_cb,
       valor_frete valor_frete_cb,
       valor_compra + valor_comissao + valor_frete valor_total,
       subtotal_a / cabecas subtotal_a_cb,
       decode(peso, 0, 0, subtotal_a / peso * 15) subtotal_a_arr,
       decode(peso, 0, 0, subtotal_a / peso) subtotal_a_kg,
       /* subtotal b */
       valor_mod / cabecas valor_mod_cb,
       valor_cif / cabecas valor_cif_cb,
       subtotal_b / cabecas subtotal_b_cb,
       decode(peso, 0, 0, subtotal_b / peso * 15) subtotal_b_arr,
       decode(peso, 0, 0, subtotal_b / peso) subtotal_b_kg,
       decode(:aproveitamento_rateio,'KG' , decode(sum(peso) over(), 0, 0, (:aproveitamento / sum(peso) over()) *  (peso / cabecas)), (:aproveitamento / sum(cabecas) over ())  ) valor_aproveitamento_cb,
       decode(sum(peso) over(), 0, 0, (:aproveitamento / sum(peso) over())) valor_aproveitamento_kg,
       /* total */
       (custo_total  / cabecas) - (decode(:aproveitamento_rateio,'KG' , decode(sum(peso) over(), 0, 0, (:aproveitamento / sum(peso) over()) *  (peso / cabecas)), (:aproveitamento / sum(cabecas) over ())  ) ) custo_total_cb,
       (decode(peso, 0, 0, custo_total / peso * 15) - decode((peso / cabecas / 15), 0, 0, (decode(:aproveitamento_rateio,'KG' , decode(sum(peso) over(), 0, 0, (total_aproveitamento / sum(peso) over()) *  (peso / cabecas)), decode(sum(cabecas) over (), 0, 0, (total_aproveitamento / sum(cabecas) over ())  ) )) / (peso / cabecas / 15))) custo_total_arr,
       (decode(peso, 0, 0, custo_total / peso) - decode((peso / cabecas), 0, 0, (decode(:aproveitamento_rateio,'KG' , decode(sum(peso) over(), 0, 0, (total_aproveitamento / sum(peso) over()) *  (peso / cabecas)), decode(sum(cabecas) over (), 0, 0, (total_aproveitamento / sum(cabecas) over ())  ) )) / (peso / cabecas))) custo_total_kg,
       /* total geral */
       sum(cabecas_vivo) over () t_cabecas_vivo,
       sum(peso_vivo) over() t_peso_vivo,
       decode(sum(nvl(cabecas_vivo,0)) over (), 0, 0, (sum(peso_vivo) over() / sum(cabecas_vivo) over () )) t_peso_vivo_cabeca,
       sum(cabecas) over () t_cabecas,
       sum(peso) over () t_peso,
       sum(valor_compra) over () t_valor_compra,
       sum(credito_icms + credito_pis_cofins + outros_creditos) over () t_creditos,
       sum(valor_compra - (credito_icms + credito_pis_cofins + outros_creditos)) over () t_liquido_compra,
       sum(valor_comissao) over () t_valor_comissao,
       sum(valor_frete) over () t_valor_frete,
       sum(valor_mod) over () t_valor_mod,
       sum(valor_cif) over () t_valor_cif,
       sum(valor_compra) over () + sum(valor_comissao) over () + sum(valor_frete) over () t_valor_total,
       sum(custo_total) over () t_custo_total,
       sum(peso) over () / sum(cabecas) over () t_peso_cabeca,
       sum(peso) over () / sum(cabecas) over () / 15 t_arroba_cabeca,
       /* custo por cabeça */
       sum(custo_total - (credito_icms + credito_pis_cofins + outros_creditos)) over () / sum(cabecas) over () t_valor_compra_cb,
       decode(sum(peso) over (), 0, 0, sum(custo_total - (credito_icms + credito_pis_cofins + outros_creditos)) over () / sum(peso) over () * 15) t_valor_compra_arr,
       decode(sum(peso) over (), 0, 0, sum(custo_total - (credito_icms + credito_pis_cofins + outros_creditos)) over () / sum(peso) over ()) t_valor_compra_kg,
       /* subtotal a */
       sum(valor_comissao) over () t_valor_comissao_cb,
       sum(valor_frete) over () t_valor_frete_cb,
       sum(subtotal_a) over () / sum(cabecas) over () t_subtotal_a_cb,
       decode(sum(peso) over (), 0, 0, sum(subtotal_a) over () / sum(peso) over () * 15) t_subtotal_a_arr,
       decode(sum(peso) over (), 0, 0, sum(subtotal_a) over () / sum(peso) over ()) t_subtotal_a_kg,
       /* subtotal b */
       sum(valor_mod) over () / sum(cabecas) over () t_valor_mod_cb,
       sum(valor_cif) over () / sum(cabecas) over () t_valor_cif_cb,
       sum(subtotal_b) over () / sum(cabecas) over () t_subtotal_b_cb,
       decode(sum(peso) over (), 0, 0, sum(subtotal_b) over () / sum(peso) over () * 15) t_subtotal_b_arr,
       decode(sum(peso) over (), 0, 0, sum(subtotal_b) over () / sum(peso) over ()) t_subtotal_b_kg,
       decode(:aproveitamento_rateio,'KG' , decode(sum(peso) over (), 0, 0, (:aproveitamento / sum(peso) over ()) *  (sum(peso) over () / sum(cabecas) over ())), (:aproveitamento / sum(cabecas) over ())  ) t_valor_aproveitamento_cb,
       /* total */
       ( sum(custo_total) over ()  / sum(cabecas) over ()) - (decode(:aproveitamento_rateio,'KG' , decode(sum(peso) over (), 0, 0, (:aproveitamento / sum(peso) over ()) *  (sum(peso) over () / sum(cabecas) over ())), (:aproveitamento / sum(cabecas) over ())  )) t_custo_total_cb,
       (decode(sum(peso) over (), 0, 0, ( sum(custo_total) over ()  / sum(peso) over () * 15)) - decode((sum(peso) over () / sum(cabecas) over () / 15), 0, 0, (decode(:aproveitamento_rateio,'KG' , decode(sum(peso) over (), 0, 0, (total_aproveitamento / sum(peso) over ()) *  (sum(peso) over () / sum(cabecas) over ())), decode(sum(cabecas) over (), 0, 0, (total_aproveitamento / sum(cabecas) over ())  ))) / (sum(peso) over () / sum(cabecas) over () / 15))) t_custo_total_arr,
       (decode(sum(peso) over (), 0, 0, ( sum(custo_total) over ()  / sum(peso) over ())) - decode((sum(peso) over () / sum(cabecas) over ()), 0, 0, (decode(:aproveitamento_rateio,'KG' , decode(sum(peso) over (), 0, 0, (total_aproveitamento / sum(peso) over ()) *  (sum(peso) over () / sum(cabecas) over ())), decode(sum(cabecas) over (), 0, 0, (total_aproveitamento / sum(cabecas) over ())  ))) / (sum(peso) over () / sum(cabecas) over ()))) t_custo_total_kg,
       criterio_miudos
from (
select m.id_abate,
       m.data_fechamento,
       m.usuario_fechamento,
       m.total_aproveitamento,
       m.id_genero,
       m.genero,
       v.peso_vivo,
       v.cabecas_vivo,
       sum(m.cabecas) cabecas,
       sum(m.peso) peso,
       sum(m.valor_compra) valor_compra,
       sum(m.credito_icms) credito_icms,
       sum(m.credito_pis_cofins) credito_pis_cofins,
       sum(m.outros_creditos) outros_creditos,
       sum(m.valor_comissao) valor_comissao,
       sum(m.valor_frete) valor_frete,
       sum(m.valor_mod) valor_mod,
       sum(m.valor_cif) valor_cif,
       (  sum(m.valor_compra)
        - sum(m.credito_icms)
        - sum(m.credito_pis_cofins)
        - sum(m.outros_creditos)
        + sum(m.valor_comissao)
        + sum(m.valor_frete) ) subtotal_a,
       (  sum(m.valor_compra)
        - sum(m.credito_icms)
        - sum(m.credito_pis_cofins)
        - sum(m.outros_creditos)
        + sum(m.valor_comissao)
        + sum(m.valor_frete)
        + sum(m.valor_mod)
        + sum(m.valor_cif)) subtotal_b,
       sum(m.custo_total) custo_total,
       criterio_miudos
from (
select id_unidade,
           id_abate,
           data_fechamento,
           usuario_fechamento,
           total_aproveitamento,
           data,
           id_genero,
           genero,
           cabecas,
           peso,
           valor_compra,
           credito_icms,
           credito_pis_cofins,
           outros_creditos,
           valor_comissao,
           valor_frete,
           valor_mod,
           valor_cif,
           custo_total,
           criterio_miudos
    from (
        select a.id_unidade,
               a.data_fechamento,
               a.usuario_fechamento,
               a.total_aproveitamento,
               a.id_abate,
               a.data,
               g.id_genero,
               g.descricao genero,
               sum(am.quantidade) cabecas,
               sum(am.peso) peso,
               sum(am.valor_compra) valor_compra,
               sum(am.credito_icms) credito_icms,
               sum(am.credito_pis_cofins) credito_pis_cofins,
               sum(am.outros_creditos) outros_creditos,
               nvl(sum(am.comissao),0) valor_comissao,
               nvl(sum(am.frete),0) valor_frete,
               0 valor_mod,
               0 valor_cif,
              (  sum(am.valor_compra)
               - sum(credito_icms)
               - sum(credito_pis_cofins)
               - sum(outros_creditos)
               + nvl(sum(am.comissao),0)
               + nvl(sum(am.frete),0)
               ) custo_total,
               b.criterio_miudos
          from velko_cst.abate_materia_prima am,
               velko_cst.abate a,
               velko_cst.base_custo b,
               velko_pec.especie_gado e,
               velko_pec.genero g
         where am.id_abate = a.id_abate
           and a.data  = :data
           and a.id_unidade = :id_unidade
           and e.id_especie_gado = am.id_genero
           and g.id_genero = e.id_genero
           and a.data between b.data_inicial and nvl(b.data_final,:data)
           and b.id_unidade = :id_unidade
         group by a.id_unidade,
                  a.id_abate,
                  a.data_fechamento,
                  a.usuario_fechamento,
                  a.total_aproveitamento,
                  a.data,
                  g.id_genero,
                  g.descricao,
                  b.mod_abate,
                  b.cif_abate,
                  b.criterio_miudos
       )
 ) m,
 /* busca dados sobre peso vivo */
 (select g.id_genero,
       sum(lo.quantidade) cabecas_vivo,
       sum(lo.peso) peso_vivo
  from velko_pec.lote_abate_preco      lo,
       velko_pec.lote_abate            la,
       velko_pec.classificacao_pesagem ca,
       velko_pec.especie_gado e,
       velko_pec.genero g
 where ca.id_classificacao_pesagem = lo.id_classificacao_pesagem
   and ca.codigo_empresa = :id_unidade
   and la.data = :data
   and lo.id_lote_abate = la.id_lote_abate
   and lo.tipo_peso = 'V'
   and e.id_especie_gado = ca.id_especie_gado
   and g.id_genero = e.id_genero
group by g.id_genero ) v
where m.id_genero = v.id_genero(+)
 group by m.id_abate,
          m.id_genero,
          m.genero,
          m.data_fechamento,
          m.usuario_fechamento,
          m.total_aproveitamento,
          v.peso_vivo,
          v.cabecas_vivo,
          m.criterio_miudos
)
order by genero
)sql");
    declareFields(c.dataSet, {
        {FieldKind::Float, 0, "", {"ID_ABATE", "ID_GENERO", "VALOR_APROVEITAMENTO_KG", "TOTAL_APROVEITAMENTO",
                                   "CABECAS_VIVO", "T_CABECAS_VIVO"}},
        {FieldKind::Text, 0, "", {"GENERO"}},
        {FieldKind::Float, 0, "#,0", {"CABECAS", "T_CABECAS"}},
        {FieldKind::Float, 0, "#,0.0", {"PESO", "PESO_CABECA", "T_PESO", "T_PESO_CABECA", "PESO_VIVO",
                                        "PESO_VIVO_CABECA", "T_PESO_VIVO", "T_PESO_VIVO_CABECA"}},
        {FieldKind::Float, 0, "#,0.00", {"VALOR_COMPRA", "VALOR_COMISSAO", "VALOR_FRETE", "VALOR_MOD",
                                         "VALOR_CIF", "CUSTO_TOTAL", "ARROBA_CABECA", "VALOR_COMPRA_CB",
                                         "VALOR_COMPRA_ARR", "VALOR_COMPRA_KG", "VALOR_COMISSAO_CB",
                                         "VALOR_FRETE_CB", "SUBTOTAL_A_CB", "SUBTOTAL_A_ARR", "SUBTOTAL_A_KG",
                                         "VALOR_MOD_CB", "VALOR_CIF_CB", "SUBTOTAL_B_CB", "SUBTOTAL_B_ARR",
                                         "SUBTOTAL_B_KG", "VALOR_APROVEITAMENTO_CB", "CUSTO_TOTAL_CB",
                                         "CUSTO_TOTAL_ARR", "CUSTO_TOTAL_KG", "T_VALOR_COMPRA",
                                         "T_VALOR_COMISSAO", "T_VALOR_FRETE", "T_VALOR_MOD", "T_VALOR_CIF",
                                         "T_CUSTO_TOTAL", "T_ARROBA_CABECA", "T_VALOR_COMPRA_CB",
                                         "T_VALOR_COMPRA_ARR", "T_VALOR_COMPRA_KG", "T_VALOR_COMISSAO_CB",
                                         "T_VALOR_FRETE_CB", "T_SUBTOTAL_A_CB", "T_SUBTOTAL_A_ARR",
                                         "T_SUBTOTAL_A_KG", "T_VALOR_MOD_CB", "T_VALOR_CIF_CB",
                                         "T_SUBTOTAL_B_CB", "T_SUBTOTAL_B_ARR", "T_SUBTOTAL_B_KG",
                                         "T_VALOR_APROVEITAMENTO_CB", "T_CUSTO_TOTAL_CB", "T_CUSTO_TOTAL_ARR",
                                         "T_CUSTO_TOTAL_KG", "CREDITOS", "T_CREDITOS", "LIQUIDO_COMPRA",
                                         "T_LIQUIDO_COMPRA", "VALOR_TOTAL", "T_VALOR_TOTAL"}},
        {FieldKind::Timestamp, 0, "", {"DATA_FECHAMENTO"}},
        {FieldKind::Text, 30, "", {"USUARIO_FECHAMENTO"}},
        {FieldKind::Text, 1, "", {"CRITERIO_MIUDOS"}},
    });
    // The query's flags; the client dataset's own fields name ID_ABATE as identifying and
    // TOTAL_APROVEITAMENTO as writable, which the query's flags already cover.
    saveMap(c.provider, "ID_ABATE", {"DATA_FECHAMENTO", "USUARIO_FECHAMENTO", "TOTAL_APROVEITAMENTO"});
}

// The per-arroba and per-kilogram totals start from the cost per arroba and per kilogram, as
// in the daily statement.
void abateAcumulado(TDataModule_Custo& module)
{
    const Chain c = addChain(module, "AbateAcumulado", "",
                             {{"aproveitamento_rateio", BindType::Text}, {"data", BindType::Date},
                              {"id_unidade", BindType::Number}}, R"sql(
select dias_abate,
       id_genero,
       genero,
       cabecas_vivo,
       peso_vivo,
       decode(nvl(cabecas_vivo,0),0,0,(peso_vivo / cabecas_vivo)) peso_vivo_cabeca,
       cabecas,
       peso,
       valor_compra,
       valor_comissao,
       (credito_icms + credito_pis_cofins + outros_creditos) creditos,
       valor_compra - (credito_icms + credito_pis_cofins + outros_creditos) liquido_compra,
       valor_frete,
       valor_mod,
       valor_cif,
       custo_total,
       peso / cabecas peso_cabeca,
       peso / cabecas / 15 arroba_cabeca,
       /* custo por cabeça */
       (valor_compra - (credito_icms + credito_pis_cofins + outros_creditos)) / cabecas valor_compra_cb,
       decode(peso, 0, 0, (valor_compra - (credito_icms + credito_pis_cofins + outros_creditos)) / peso * 15) valor_compra_arr,
       decode(peso, 0, 0, (valor_compra - (credito_icms + credito_pis_cofins + outros_creditos)) / peso) valor_compra_kg,
       /* subtotal a */
       valor_comissao valor_comissao_cb,
       valor_frete valor_frete_cb,
       valor_compra + valor_comissao + valor_frete valor_total,
       subtotal_a / cabecas subtotal_a_cb,
       decode(peso, 0, 0, subtotal_a / peso * 15) subtotal_a_arr,
       decode(peso, 0, 0, subtotal_a / peso) subtotal_a_kg,
       /* subtotal b */
       valor_mod / cabecas valor_mod_cb,
       valor_cif / cabecas valor_cif_cb,
       subtotal_b / cabecas subtotal_b_cb,
       decode(peso, 0, 0, subtotal_b / peso * 15) subtotal_b_arr,
       decode(peso, 0, 0, subtotal_b / peso) subtotal_b_kg,
       decode(bc.criterio_miudos, 'A', decode(:aproveitamento_rateio,'KG' , decode(sum(peso) over(), 0, 0, (total_aproveitamento / sum(peso) over())) *  (peso / cabecas), (total_aproveitamento / sum(cabecas) over ())  ),0) valor_aproveitamento_cb,
       decode(sum(peso) over(), 0, 0, (total_aproveitamento / sum(peso) over())) valor_aproveitamento_kg,
       /* total */
       (custo_total  / cabecas) - (decode(:aproveitamento_rateio,'KG' , decode(sum(peso) over(), 0, 0, (total_aproveitamento / sum(peso) over()) *  (peso / cabecas)), decode(sum(cabecas) over (), 0, 0, (total_aproveitamento / sum(cabecas) over ())  ) )) custo_total_cb,
       (decode(peso, 0, 0, custo_total / peso * 15) - decode((peso / cabecas / 15), 0, 0, (decode(:aproveitamento_rateio,'KG' , decode(sum(peso) over(), 0, 0, (total_aproveitamento / sum(peso) over()) *  (peso / cabecas)), decode(sum(cabecas) over (), 0, 0, (total_aproveitamento / sum(cabecas) over ())  ) )) / (peso / cabecas / 15))) custo_total_arr,
       (decode(peso, 0, 0, custo_total / peso) - decode((peso / cabecas), 0, 0, (decode(:aproveitamento_rateio,'KG' , decode(sum(peso) over(), 0, 0, (total_aproveitamento / sum(peso) over()) *  (peso / cabecas)), decode(sum(cabecas) over (), 0, 0, (total_aproveitamento / sum(cabecas) over ())  ) )) / (peso / cabecas))) custo_total_kg,
       /* total geral */
       sum(cabecas_vivo) over () t_cabecas_vivo,
       sum(peso_vivo) over() t_peso_vivo,
       decode(sum(nvl(cabecas_vivo,0)) over (),0,0,(sum(peso_vivo) over() / sum(cabecas_vivo) over () )) t_peso_vivo_cabeca,
       sum(cabecas) over () t_cabecas,
       sum(peso) over () t_peso,
       sum(valor_compra) over () t_valor_compra,
       sum(credito_icms + credito_pis_cofins + outros_creditos) over () t_creditos,
       sum(valor_compra - (credito_icms + credito_pis_cofins + outros_creditos)) over () t_liquido_compra,
       sum(valor_comissao) over () t_valor_comissao,
       sum(valor_frete) over () t_valor_frete,
       sum(valor_compra) over () + sum(valor_comissao) over () + sum(valor_frete) over () t_valor_total,
       sum(valor_mod) over () t_valor_mod,
       sum(valor_cif) over () t_valor_cif,
       sum(custo_total) over () t_custo_total,
       sum(peso) over () / sum(cabecas) over () t_peso_cabeca,
       sum(peso) over () / sum(cabecas) over () / 15 t_arroba_cabeca,
       /* custo por cabeça */
       sum(valor_compra - (credito_icms + credito_pis_cofins + outros_creditos)) over () / sum(cabecas) over () t_valor_compra_cb,
       decode(sum(peso) over (), 0, 0, sum(valor_compra - (credito_icms + credito_pis_cofins + outros_creditos)) over () / sum(peso) over () * 15) t_valor_compra_arr,
       decode(sum(peso) over (), 0, 0, sum(valor_compra - (credito_icms + credito_pis_cofins + outros_creditos)) over () / sum(peso) over ()) t_valor_compra_kg,
       /* subtotal a */
       sum(valor_comissao) over () t_valor_comissao_cb,
       sum(valor_frete) over () t_valor_frete_cb,
       sum(subtotal_a) over () / sum(cabecas) over () t_subtotal_a_cb,
       decode(sum(peso) over (), 0, 0, sum(subtotal_a) over () / sum(peso) over () * 15) t_subtotal_a_arr,
       decode(sum(peso) over (), 0, 0, sum(subtotal_a) over () / sum(peso) over ()) t_subtotal_a_kg,
       /* subtotal b */
       sum(valor_mod) over () / sum(cabecas) over () t_valor_mod_cb,
       sum(valor_cif) over () / sum(cabecas) over () t_valor_cif_cb,
       sum(subtotal_b) over () / sum(cabecas) over () t_subtotal_b_cb,
       decode(sum(peso) over (), 0, 0, sum(subtotal_b) over () / sum(peso) over () * 15) t_subtotal_b_arr,
       decode(sum(peso) over (), 0, 0, sum(subtotal_b) over () / sum(peso) over ()) t_subtotal_b_kg,
       decode(bc.criterio_miudos, 'A', decode(:aproveitamento_rateio,'KG' , decode(sum(peso) over (), 0, 0, (total_aproveitamento / sum(peso) over ())) *  (sum(peso) over () / sum(cabecas) over ()), (total_aproveitamento / sum(cabecas) over ())  ),0) t_valor_aproveitamento_cb,
       /* total */
       ( sum(custo_total) over ()  / sum(cabecas) over ()) - (decode(:aproveitamento_rateio,'KG' , decode(sum(peso) over (), 0, 0, (total_aproveitamento / sum(peso) over ()) *  (sum(peso) over () / sum(cabecas) over ())), decode(sum(cabecas) over (), 0, 0, (total_aproveitamento / sum(cabecas) over ())  ))) t_custo_total_cb,
       (decode(sum(peso) over (), 0, 0, ( sum(custo_total) over ()  / sum(peso) over () * 15)) - decode((sum(peso) over () / sum(cabecas) over () / 15), 0, 0, (decode(:aproveitamento_rateio,'KG' , decode(sum(peso) over (), 0, 0, (total_aproveitamento / sum(peso) over ()) *  (sum(peso) over () / sum(cabecas) over ())), decode(sum(cabecas) over (), 0, 0, (total_aproveitamento / sum(cabecas) over ())  ))) / (sum(peso) over () / sum(cabecas) over () / 15))) t_custo_total_arr,
       (decode(sum(peso) over (), 0, 0, ( sum(custo_total) over ()  / sum(peso) over ())) - decode((sum(peso) over () / sum(cabecas) over ()), 0, 0, (decode(:aproveitamento_rateio,'KG' , decode(sum(peso) over (), 0, 0, (total_aproveitamento / sum(peso) over ()) *  (sum(peso) over () / sum(cabecas) over ())), decode(sum(cabecas) over (), 0, 0, (total_aproveitamento / sum(cabecas) over ())  ))) / (sum(peso) over () / sum(cabecas) over ()))) t_custo_total_kg
from (
select count(distinct id_abate) dias_abate,
       m.id_genero,
       m.genero,
       v.peso_vivo,
       v.cabecas_vivo,
       sum(m.total_aproveitamento) total_aproveitamento,
       sum(m.cabecas) cabecas,
       sum(m.peso) peso,
       sum(m.valor_compra) valor_compra,
       sum(m.credito_icms) credito_icms,
       sum(m.credito_pis_cofins) credito_pis_cofins,
       sum(m.outros_creditos) outros_creditos,
       sum(m.valor_comissao) valor_comissao,
       sum(m.valor_frete) valor_frete,
       sum(m.valor_mod) valor_mod,
       sum(m.valor_cif) valor_cif,
       (  sum(m.valor_compra)
        - sum(m.credito_icms)
        - sum(m.credito_pis_cofins)
        - sum(m.outros_creditos)
        + sum(m.valor_comissao)
        + sum(m.valor_frete) ) subtotal_a,
       (  sum(m.valor_compra)
        - sum(m.credito_icms)
        - sum(m.credito_pis_cofins)
        - sum(m.outros_creditos)
        + sum(m.valor_comissao)
        + sum(m.valor_frete)
        + sum(m.valor_mod)
        + sum(m.valor_cif)) subtotal_b,
       sum(m.custo_total) custo_total
from (
select id_unidade,
           id_abate,
           data,
           total_aproveitamento,
           id_genero,
           genero,
           cabecas,
           peso,
           valor_compra,
           credito_icms,
           credito_pis_cofins,
           outros_creditos,
           valor_comissao,
           valor_frete,
           valor_mod,
           valor_cif,
           custo_total
    from (
        select a.id_unidade,
               a.id_abate,
               a.data,
               decode(sum(sum(am.peso)) over(partition by a.id_abate), 0, 0, a.total_aproveitamento * ( sum(am.peso) / sum(sum(am.peso)) over(partition by a.id_abate) )) total_aproveitamento,
               g.id_genero,
               g.descricao genero,
               sum(am.quantidade) cabecas,
               sum(am.peso) peso,
               sum(am.valor_compra) valor_compra,
               sum(am.credito_icms) credito_icms,
               sum(am.credito_pis_cofins) credito_pis_cofins,
               sum(am.outros_creditos) outros_creditos,
               nvl(sum(am.comissao),0) valor_comissao,
               nvl(sum(am.frete),0) valor_frete,
               round(b.mod_abate * sum(am.peso),2) valor_mod,
               round(b.cif_abate * sum(am.peso),2) valor_cif,
              (  sum(am.valor_compra)
               - sum(am.credito_icms)
               - sum(am.credito_pis_cofins)
               - sum(am.outros_creditos)
               + nvl(sum(am.comissao),0)
               + nvl(sum(am.frete),0)
               + round(b.mod_abate * sum(am.peso),2)
               + round(b.cif_abate * sum(am.peso),2)) custo_total
          from velko_cst.abate_materia_prima am,
               velko_cst.abate a,
               velko_cst.base_custo b,
               velko_pec.especie_gado e,
               velko_pec.genero g
         where am.id_abate = a.id_abate
           and a.data  between trunc(:data,'mm') and :data
           and a.id_unidade = :id_unidade
           and e.id_especie_gado = am.id_genero
           and g.id_genero = e.id_genero
           and a.data between b.data_inicial and nvl(b.data_final,:data)
           and b.id_unidade = :id_unidade
         group by a.id_unidade,
                  a.id_abate,
                  a.data,
                  a.total_aproveitamento,
                  g.id_genero,
                  g.descricao,
                  b.mod_abate,
                  b.cif_abate
       )
 ) m,
 /* Busca dados de peso vivo */
 (select g.id_genero,
       sum(lo.quantidade) cabecas_vivo,
       sum(lo.peso) peso_vivo
  from velko_pec.lote_abate_preco      lo,
       velko_pec.lote_abate            la,
       velko_pec.classificacao_pesagem ca,
       velko_pec.especie_gado e,
       velko_pec.genero g
 where ca.id_classificacao_pesagem = lo.id_classificacao_pesagem
   and ca.codigo_empresa = :id_unidade
   and la.data between trunc(:data,'mm') and :data
   and lo.id_lote_abate = la.id_lote_abate
   and lo.tipo_peso = 'V'
   and e.id_especie_gado = ca.id_especie_gado
   and g.id_genero = e.id_genero
group by g.id_genero ) v
where m.id_genero = v.id_genero(+)
 group by m.id_genero,
          m.genero,
          v.peso_vivo,
          v.cabecas_vivo
),
 (SELECT b.criterio_miudos
    FROM velko_cst.base_custo b
   WHERE :data BETWEEN b.data_inicial AND NVL(b.data_final,:data)
     AND b.id_unidade = :id_unidade) bc
order by genero
)sql");
    declareFields(c.dataSet, {
        {FieldKind::Float, 0, "", {"ID_GENERO", "DIAS_ABATE", "VALOR_APROVEITAMENTO_KG", "CABECAS_VIVO",
                                   "T_CABECAS_VIVO"}},
        {FieldKind::Text, 0, "", {"GENERO"}},
        {FieldKind::Float, 0, "#,0", {"CABECAS", "T_CABECAS"}},
        {FieldKind::Float, 0, "#,0.0", {"PESO", "PESO_CABECA", "T_PESO", "T_PESO_CABECA", "PESO_VIVO",
                                        "PESO_VIVO_CABECA", "T_PESO_VIVO", "T_PESO_VIVO_CABECA"}},
        {FieldKind::Float, 0, "#,0.00", {"VALOR_COMPRA", "VALOR_COMISSAO", "VALOR_FRETE", "VALOR_MOD",
                                         "VALOR_CIF", "CUSTO_TOTAL", "ARROBA_CABECA", "VALOR_COMPRA_CB",
                                         "VALOR_COMPRA_ARR", "VALOR_COMPRA_KG", "VALOR_COMISSAO_CB",
                                         "VALOR_FRETE_CB", "SUBTOTAL_A_CB", "SUBTOTAL_A_ARR", "SUBTOTAL_A_KG",
                                         "VALOR_MOD_CB", "VALOR_CIF_CB", "SUBTOTAL_B_CB", "SUBTOTAL_B_ARR",
                                         "SUBTOTAL_B_KG", "VALOR_APROVEITAMENTO_CB", "CUSTO_TOTAL_CB",
                                         "CUSTO_TOTAL_ARR", "CUSTO_TOTAL_KG", "T_VALOR_COMPRA",
                                         "T_VALOR_COMISSAO", "T_VALOR_FRETE", "T_VALOR_MOD", "T_VALOR_CIF",
                                         "T_CUSTO_TOTAL", "T_ARROBA_CABECA", "T_VALOR_COMPRA_CB",
                                         "T_VALOR_COMPRA_ARR", "T_VALOR_COMPRA_KG", "T_VALOR_COMISSAO_CB",
                                         "T_VALOR_FRETE_CB", "T_SUBTOTAL_A_CB", "T_SUBTOTAL_A_ARR",
                                         "T_SUBTOTAL_A_KG", "T_VALOR_MOD_CB", "T_VALOR_CIF_CB",
                                         "T_SUBTOTAL_B_CB", "T_SUBTOTAL_B_ARR", "T_SUBTOTAL_B_KG",
                                         "T_VALOR_APROVEITAMENTO_CB", "T_CUSTO_TOTAL_CB", "T_CUSTO_TOTAL_ARR",
                                         "T_CUSTO_TOTAL_KG", "CREDITOS", "LIQUIDO_COMPRA", "T_CREDITOS",
                                         "T_LIQUIDO_COMPRA", "VALOR_TOTAL", "T_VALOR_TOTAL"}},
    });
}

void compra(TDataModule_Custo& module)
{
    const Chain c = addChain(module, "Compra", "",
                             {{"ID_ABATE", BindType::Number}}, R"sql(
SELECT A.ID_UNIDADE,
       A.ID_ABATE,
       A.DATA,
       AM.SEXO,
       G.ID_GENERO,
       G.DESCRICAO GENERO,
       E.DESCRICAO ANIMAL,
       DECODE(AM.SEXO,'M',1,2) ID_SEXO,
       T.DESCRICAO CLASSIFICACAO,
       AM.ID_ORDEM_COMPRA,
       P.NOME,
       C.UF,
       SUM(QUANTIDADE) CABECAS,
       SUM(PESO) PESO,
       SUM(VALOR_COMPRA) VALOR,
       SUM(CREDITO_ICMS) CREDITO_ICMS,
       SUM(VALOR_ICMS_ORIGINAL) VALOR_ICMS_ORIGINAL,
       SUM(CREDITO_PIS_COFINS) CREDITO_PIS_COFINS,
       SUM(OUTROS_CREDITOS) OUTROS_CREDITOS,
       NVL(SUM(AM.COMISSAO),0) COMISSAO,
       NVL(SUM(AM.FRETE),0) FRETE,
       SUM(VALOR_COMPRA) - SUM(CREDITO_ICMS) - SUM(CREDITO_PIS_COFINS) - SUM(OUTROS_CREDITOS) + NVL(SUM(AM.COMISSAO),0) + NVL(SUM(AM.FRETE),0) CUSTO_TOTAL,
       SUM(PESO) / SUM(QUANTIDADE) PESO_MEDIO,
       (SUM(VALOR_COMPRA) - SUM(CREDITO_ICMS) - SUM(CREDITO_PIS_COFINS) - SUM(OUTROS_CREDITOS) + NVL(SUM(AM.COMISSAO),0) + NVL(SUM(AM.FRETE),0)) / SUM(QUANTIDADE) CUSTO_CABECA,
       DECODE( SUM(PESO), 0 , 0, (SUM(VALOR_COMPRA) - SUM(CREDITO_ICMS) - SUM(CREDITO_PIS_COFINS) - SUM(OUTROS_CREDITOS) + NVL(SUM(AM.COMISSAO),0) + NVL(SUM(AM.FRETE),0)) / SUM(PESO) * 15) CUSTO_ARROBA,
       DECODE( SUM(PESO), 0 , 0, (SUM(VALOR_COMPRA) - SUM(CREDITO_ICMS) - SUM(CREDITO_PIS_COFINS) - SUM(OUTROS_CREDITOS) + NVL(SUM(AM.COMISSAO),0) + NVL(SUM(AM.FRETE),0)) / SUM(PESO) ) CUSTO_KG
  FROM VELKO_CST.ABATE_MATERIA_PRIMA AM,
       VELKO_PEC.TIPIFICACAO_GADO T,
       VELKO_PEC.ESPECIE_GADO E,
       VELKO_PEC.GENERO G,
       VELKO_PEC.ORDEM_COMPRA_GADO OC,
       VELKO_VEN.ENTIDADE P,
       VELKO_PEC.PROPRIEDADE_RURAL PR,
       VELKO_FIN.CEP CEP,
       VELKO_FIN.CIDADE C,
       VELKO_CST.ABATE A,
       VELKO_CST.UNIDADE U
 WHERE AM.ID_ABATE    = :id_abate
   AND A.ID_ABATE     = AM.ID_ABATE
   AND U.ID_UNIDADE   = A.ID_UNIDADE
   AND T.ID_TIPIFICACAO_GADO = AM.ID_DESTINO
   AND E.ID_ESPECIE_GADO = AM.ID_GENERO
   AND G.ID_GENERO       = E.ID_GENERO
   AND OC.ID_ORDEM_COMPRA_GADO = AM.ID_ORDEM_COMPRA
   AND P.ID_ENTIDADE = OC.ID_ENTIDADE_PROPRIETARIO
   AND PR.ID_PROPRIEDADE_RURAL = OC.ID_PROPRIEDADE_RURAL
   AND CEP.CEP = PR.CEP
   AND C.ID_CIDADE = CEP.CODIGO_CIDADE
GROUP BY A.ID_UNIDADE,
       A.ID_ABATE,
       A.DATA,
       AM.SEXO,
       G.ID_GENERO,
       G.DESCRICAO,
       E.DESCRICAO,
       T.DESCRICAO,
       AM.ID_ORDEM_COMPRA,
       P.NOME,
       C.UF
)sql");
    declareFields(c.dataSet, {
        {FieldKind::Float, 0, "", {"ID_ABATE", "ID_SEXO", "ID_UNIDADE", "ID_GENERO", "ID_ORDEM_COMPRA"}},
        {FieldKind::Timestamp, 0, "", {"DATA"}},
        {FieldKind::Text, 1, "", {"SEXO"}},
        {FieldKind::Text, 0, "", {"GENERO"}},
        {FieldKind::Text, 40, "", {"ANIMAL"}},
        {FieldKind::Text, 50, "", {"CLASSIFICACAO"}},
        {FieldKind::Float, 0, "#,0", {"CABECAS"}},
        {FieldKind::Float, 0, "#,0.0", {"PESO", "PESO_MEDIO"}},
        {FieldKind::Float, 0, "#,0.00", {"VALOR", "COMISSAO", "FRETE", "CUSTO_TOTAL", "CUSTO_CABECA",
                                         "CUSTO_ARROBA", "CUSTO_KG", "CREDITO_ICMS", "CREDITO_PIS_COFINS",
                                         "OUTROS_CREDITOS", "VALOR_ICMS_ORIGINAL"}},
        {FieldKind::Text, 60, "", {"NOME"}},
        {FieldKind::Text, 2, "", {"UF"}},
    });
}

void abateProduto(TDataModule_Custo& module)
{
    const Chain c = addChain(module, "AbateProduto", "VELKO_CST.ABATE_PRECO",
                             {{"id_unidade", BindType::Number}, {"data", BindType::Date}}, R"sql(
select
   id_abate_preco,
   decode(id_contrato, null, decode(criterio_receita, 'M', preco, preco_referencia), preco) preco,
   preco_original,
   preco_data_inicial,
   preco_data_final,
   data,
   id_unidade,
   tipo_grupo,
   initcap(descricao_grupo) descricao_grupo,
   descricao_subgrupo,
   codigo_produto,
   sequencial_produto,
   descricao_produto,
   id_contrato,
   cifra,
   id_mercado,
   caixas,
   pecas,
   peso,
   peso_medio_caixa,
   peso_medio_peca,
   rendimento,
   rendimento_padrao,
   rendimento_padrao_ponderado,
   variacao_porcentagem,
   variacao_kg,
   preco_unitario,
   preco_total,
   valor_embalagem,
   valor_mod,
   valor_cif,
   valor_icms,
   valor_pis_cofins,
   valor_outros_tributos,
   valor_seguro_carga,
   valor_frete,
   valor_processo_exportacao,
   valor_despesa_exportacao,
   valor_comissao,
   valor_administrativo,
   custo_industrial,
   custo_impostos,
   custo_despesas,
   custo_total,
   resultado_total,
   valor_embalagem_kg,
   valor_mod_kg,
   valor_cif_kg,
   valor_icms_kg,
   valor_pis_cofins_kg,
   valor_outros_tributos_kg,
   valor_seguro_carga_kg,
   valor_frete_kg,
   valor_processo_exportacao_kg,
   valor_despesa_exportacao_kg,
   valor_comissao_kg,
   valor_administrativo_kg,
   custo_industrial_kg,
   custo_impostos_kg,
   custo_despesas_kg,
   custo_total_kg,
   resultado_total_kg,
   margem_resultado,
   p_mod_miudos,
   p_cif_miudos,
   p_icms_deb,
   p_pis_cofins,
   p_outros_tributos,
   p_seguro_carga,
   p_frete,
   p_processo_exportacao,
   p_despesa_exportacao,
   p_comissao,
   p_administrativo,
   criterio_receita,
   criterio_rateio,
   preco_referencia,
   preco_rateio,
   p_criterio_receita,
   criterio_mp,
   criterio_miudos,
   ind_mp,
   valor_materia_prima,
   valor_materia_prima_kg,
   peso_total_mp,
   total_material_prima,
   total_materia_prima_kg,
   usuario_restauracao_preco,
   data_restauracao_preco,
   preco_anterior,
   to_char(id_ordem_producao) id_ordem_producao
 from table(velko_cst.pkg_abate.ppl_aproveitamento(:id_unidade,:data,:data))
)sql");
    declareFields(c.dataSet, {
        {FieldKind::Float, 0, "", {"ID_ABATE_PRECO", "ID_UNIDADE", "SEQUENCIAL_PRODUTO", "ID_CONTRATO",
                                   "ID_MERCADO", "PRECO_REFERENCIA", "PRECO_RATEIO", "CRITERIO_MP", "IND_MP",
                                   "PESO_TOTAL_MP"}},
        {FieldKind::Float, 0, "#,0.000", {"PRECO", "PRECO_ORIGINAL", "PESO", "VALOR_EMBALAGEM_KG",
                                          "VALOR_MOD_KG", "VALOR_CIF_KG", "VALOR_ICMS_KG", "VALOR_PIS_COFINS_KG",
                                          "VALOR_OUTROS_TRIBUTOS_KG", "VALOR_SEGURO_CARGA_KG", "VALOR_FRETE_KG",
                                          "VALOR_PROCESSO_EXPORTACAO_KG", "VALOR_DESPESA_EXPORTACAO_KG",
                                          "VALOR_COMISSAO_KG", "VALOR_ADMINISTRATIVO_KG", "CUSTO_INDUSTRIAL_KG",
                                          "CUSTO_IMPOSTOS_KG", "CUSTO_DESPESAS_KG", "CUSTO_TOTAL_KG",
                                          "RESULTADO_TOTAL_KG", "VALOR_MATERIA_PRIMA_KG", "PRECO_ANTERIOR"}},
        {FieldKind::Timestamp, 0, "", {"DATA", "PRECO_DATA_INICIAL", "PRECO_DATA_FINAL",
                                       "DATA_RESTAURACAO_PRECO"}},
        {FieldKind::Text, 13, "", {"TIPO_GRUPO"}},
        {FieldKind::Text, 37, "", {"DESCRICAO_GRUPO"}},
        {FieldKind::Text, 39, "", {"DESCRICAO_SUBGRUPO"}},
        {FieldKind::Text, 10, "", {"CODIGO_PRODUTO"}},
        {FieldKind::Text, 60, "", {"DESCRICAO_PRODUTO"}},
        {FieldKind::Text, 3, "", {"CIFRA"}},
        {FieldKind::Float, 0, "#,0", {"CAIXAS", "PECAS"}},
        {FieldKind::Float, 0, "#,0.00", {"PESO_MEDIO_CAIXA", "PESO_MEDIO_PECA", "PRECO_UNITARIO", "PRECO_TOTAL",
                                         "VALOR_EMBALAGEM", "VALOR_MOD", "VALOR_CIF", "VALOR_ICMS",
                                         "VALOR_PIS_COFINS", "VALOR_OUTROS_TRIBUTOS", "VALOR_SEGURO_CARGA",
                                         "VALOR_FRETE", "VALOR_PROCESSO_EXPORTACAO", "VALOR_DESPESA_EXPORTACAO",
                                         "VALOR_COMISSAO", "VALOR_ADMINISTRATIVO", "CUSTO_INDUSTRIAL",
                                         "CUSTO_IMPOSTOS", "CUSTO_DESPESAS", "CUSTO_TOTAL", "RESULTADO_TOTAL",
                                         "VALOR_MATERIA_PRIMA", "TOTAL_MATERIAL_PRIMA", "TOTAL_MATERIA_PRIMA_KG"}},
        {FieldKind::Float, 0, "#,0.000 %", {"RENDIMENTO", "RENDIMENTO_PADRAO", "RENDIMENTO_PADRAO_PONDERADO"}},
        {FieldKind::Float, 0, "#,0.00 %", {"VARIACAO_PORCENTAGEM"}},
        {FieldKind::Float, 0, "#,0.00 Kg", {"VARIACAO_KG"}},
        {FieldKind::Float, 0, "#,0.0", {"MARGEM_RESULTADO"}},
        {FieldKind::Float, 0, "#,0.000 /Kg", {"P_MOD_MIUDOS", "P_CIF_MIUDOS", "P_FRETE", "P_PROCESSO_EXPORTACAO",
                                              "P_DESPESA_EXPORTACAO", "P_ADMINISTRATIVO"}},
        {FieldKind::Float, 0, "#,0.00   %   ", {"P_ICMS_DEB", "P_PIS_COFINS", "P_OUTROS_TRIBUTOS",
                                                "P_SEGURO_CARGA", "P_COMISSAO"}},
        {FieldKind::Text, 1, "", {"CRITERIO_RECEITA", "CRITERIO_RATEIO", "CRITERIO_MIUDOS"}},
        {FieldKind::Text, 0, "", {"P_CRITERIO_RECEITA"}},
        {FieldKind::Text, 30, "", {"USUARIO_RESTAURACAO_PRECO"}},
        {FieldKind::Text, 40, "", {"ID_ORDEM_PRODUCAO"}},
    });
    addAggregates(c.dataSet, {
        {"RESULTADO_GERAL_KG", "SUM( RESULTADO_TOTAL ) / SUM(PESO)", "#,0.00"},
        {"TOTAL_RECEITA_KG", "SUM( PRECO_TOTAL ) / SUM(PESO)", "#,0.00"},
        {"TOTAL_RECEITA", "SUM( PRECO_TOTAL )", "#,0.00"},
        {"TOTAL_DESPESAS_KG", "SUM( CUSTO_DESPESAS )  / SUM(PESO)", "#,0.00"},
        {"TOTAL_DESPESAS", "SUM( CUSTO_DESPESAS ) ", "#,0.00"},
        {"TOTAL_IMPOSTOS_KG", "SUM( CUSTO_IMPOSTOS ) / SUM(PESO)", "#,0.00"},
        {"TOTAL_IMPOSTOS", "SUM( CUSTO_IMPOSTOS )", "#,0.00"},
        {"RESULTADO_GERAL", "SUM( RESULTADO_TOTAL )", "#,0.00"},
        {"TOTAL_CUSTO_KG", "SUM( CUSTO_INDUSTRIAL ) / SUM(PESO)", "#,0.00"},
        {"TOTAL_EMBALAGEM_KG", "SUM( VALOR_EMBALAGEM ) / SUM(PESO)", "#,0.00"},
        {"TOTAL_INDUSTRIAL_KG", "SUM( VALOR_MOD + VALOR_CIF ) / SUM(PESO)", "#,0.00"},
        {"TOTAL_CUSTO", "SUM( CUSTO_INDUSTRIAL )", "#,0.00"},
        {"TOTAL_EMBALAGEM", "SUM( VALOR_EMBALAGEM )", "#,0.00"},
        {"TOTAL_INDUSTRIAL", "SUM( VALOR_MOD + VALOR_CIF )", "#,0.00"},
        {"TOTAL_MP", "SUM(VALOR_MATERIA_PRIMA)", "#,0.00"},
        {"TOTAL_MP_KG", "SUM(VALOR_MATERIA_PRIMA) / SUM(PESO)", "#,0.00"},
        {"TOTAL_PESO", "SUM(PESO)", "#,0.00"},
        {"RESULTADO_GERAL_PERC", "(SUM(RESULTADO_TOTAL) / SUM(PRECO_TOTAL))*100", "#,0.0 %"},
        {"TOTAL_MOD", "SUM ( VALOR_MOD )", "#,0.00"},
        {"TOTAL_MOD_KG", "SUM ( VALOR_MOD )  / SUM ( PESO )", "#,0.00"},
        {"TOTAL_CIF", "SUM( VALOR_CIF )", "#,0.00"},
        {"TOTAL_CIF_KG", "SUM( VALOR_CIF ) / SUM( PESO )", "#,0.00"},
    });
    saveMap(c.provider, "ID_ABATE_PRECO", {"PRECO", "ID_ORDEM_PRODUCAO"});
}

void abateProdutoNivel2(TDataModule_Custo& module)
{
    // The parameters are the client dataset's own, passed to the query when it opens; it is
    // read-only in use (never saved).
    const Chain c = addChain(module, "Abate_Produto_Nivel2", "VELKO_CST.ABATE_PRECO", {}, R"sql(
SELECT UPPER(X.DESCRICAO_GRUPO_NIVEL) DESCRICAO_GRUPO,
       DECODE(SUM( X.PESO ), 0, 0, SUM( X.RESULTADO_TOTAL ) / SUM( X.PESO )) RESULTADO_GERAL_KG,
       DECODE(SUM( X.PESO ), 0, 0, SUM( X.PRECO_TOTAL ) / SUM( X.PESO )) TOTAL_RECEITA_KG,
       SUM( X.PRECO_TOTAL ) TOTAL_RECEITA,
       DECODE(SUM( X.PESO ), 0, 0, SUM( X.CUSTO_DESPESAS )  / SUM( X.PESO )) TOTAL_DESPESAS_KG,
       SUM( X.CUSTO_DESPESAS ) TOTAL_DESPESAS,
       DECODE(SUM( X.PESO ), 0, 0, SUM( X.CUSTO_IMPOSTOS ) / SUM( X.PESO )) TOTAL_IMPOSTOS_KG,
       SUM( X.CUSTO_IMPOSTOS ) TOTAL_IMPOSTOS,
       SUM( X.RESULTADO_TOTAL ) RESULTADO_GERAL,
       DECODE(SUM( X.PESO ), 0, 0, SUM( X.CUSTO_INDUSTRIAL ) / SUM( X.PESO )) TOTAL_CUSTO_KG,
       DECODE(SUM( X.PESO ), 0, 0, SUM( X.VALOR_EMBALAGEM ) / SUM( X.PESO )) TOTAL_EMBALAGEM_KG,
       DECODE(SUM( X.PESO ), 0, 0, SUM( X.VALOR_MOD + X.VALOR_CIF ) / SUM( X.PESO )) TOTAL_INDUSTRIAL_KG,
       SUM( X.CUSTO_INDUSTRIAL ) TOTAL_CUSTO,
       SUM( X.VALOR_EMBALAGEM ) TOTAL_EMBALAGEM,
       SUM( X.VALOR_MOD + X.VALOR_CIF ) TOTAL_INDUSTRIAL,
       SUM( X.VALOR_MATERIA_PRIMA ) TOTAL_MP,
       DECODE(SUM( X.PESO ), 0, 0, SUM( X.VALOR_MATERIA_PRIMA ) / SUM( X.PESO )) TOTAL_MP_KG,
       SUM(X.PESO) TOTAL_PESO,
       DECODE(SUM(X.PRECO_TOTAL), 0, 0, ((SUM(X.RESULTADO_TOTAL) / SUM(X.PRECO_TOTAL))*100)) RESULTADO_GERAL_PERC,
       SUM( SUM( X.PESO ) ) OVER() GERAL_PESO,
       SUM( SUM( X.PRECO_TOTAL ) ) OVER() GERAL_RECEITA,
       DECODE(SUM( SUM(X.PESO) ) OVER(), 0, 0, SUM( SUM( X.PRECO_TOTAL ) ) OVER() / SUM( SUM(X.PESO) ) OVER()) GERAL_RECEITA_KG,
       SUM( SUM( X.CUSTO_INDUSTRIAL ) ) OVER() GERAL_CUSTO,
       DECODE(SUM( SUM(X.PESO) ) OVER(), 0, 0, SUM( SUM( X.CUSTO_INDUSTRIAL ) ) OVER() / SUM( SUM(X.PESO) ) OVER()) GERAL_CUSTO_KG,
       SUM( SUM( X.VALOR_ICMS + X.VALOR_PIS_COFINS + X.VALOR_OUTROS_TRIBUTOS ) ) OVER() GERAL_IMPOSTOS,
       DECODE(SUM( SUM(X.PESO) ) OVER(), 0, 0, SUM( SUM( X.VALOR_ICMS + X.VALOR_PIS_COFINS + X.VALOR_OUTROS_TRIBUTOS ) ) OVER() / SUM( SUM(X.PESO) ) OVER()) GERAL_IMPOSTOS_KG,
       SUM( SUM( X.VALOR_SEGURO_CARGA + X.VALOR_FRETE + X.VALOR_PROCESSO_EXPORTACAO + X.VALOR_DESPESA_EXPORTACAO + X.VALOR_COMISSAO + X.VALOR_ADMINISTRATIVO ) ) OVER() GERAL_DESPESAS,
       SUM( SUM( X.VALOR_SEGURO_CARGA + X.VALOR_FRETE + X.VALOR_PROCESSO_EXPORTACAO + X.VALOR_DESPESA_EXPORTACAO + X.VALOR_COMISSAO + X.VALOR_ADMINISTRATIVO ) ) OVER() / SUM( SUM(X.PESO) ) OVER() GERAL_DESPESAS_KG,
       SUM( SUM( X.RESULTADO_TOTAL ) ) OVER() GERAL_RESULTADO,
       SUM( SUM( X.RESULTADO_TOTAL ) ) OVER() / SUM( SUM(X.PESO) ) OVER() GERAL_RESULTADO_KG
  FROM (SELECT ID_ABATE_PRECO,
               DECODE(ID_CONTRATO,
                      NULL,
                      DECODE(CRITERIO_RECEITA, 'M', PRECO, PRECO_REFERENCIA),
                      PRECO) PRECO,
               PRECO_ORIGINAL,
               PRECO_DATA_INICIAL,
               PRECO_DATA_FINAL,
               DATA,
               ID_UNIDADE,
               TIPO_GRUPO,
               DESCRICAO_GRUPO,
               DESCRICAO_SUBGRUPO,
               DESCRICAO_GRUPO_NIVEL,
               CODIGO_PRODUTO,
               SEQUENCIAL_PRODUTO,
               DESCRICAO_PRODUTO,
               ID_CONTRATO,
               CIFRA,
               ID_MERCADO,
               CAIXAS,
               PECAS,
               PESO,
               PESO_MEDIO_CAIXA,
               PESO_MEDIO_PECA,
               RENDIMENTO,
               RENDIMENTO_PADRAO,
               RENDIMENTO_PADRAO_PONDERADO,
               VARIACAO_PORCENTAGEM,
               VARIACAO_KG,
               PRECO_UNITARIO,
               PRECO_TOTAL,
               VALOR_EMBALAGEM,
               VALOR_MOD,
               VALOR_CIF,
               VALOR_ICMS,
               VALOR_PIS_COFINS,
               VALOR_OUTROS_TRIBUTOS,
               VALOR_SEGURO_CARGA,
               VALOR_FRETE,
               VALOR_PROCESSO_EXPORTACAO,
               VALOR_DESPESA_EXPORTACAO,
               VALOR_COMISSAO,
               VALOR_ADMINISTRATIVO,
               CUSTO_INDUSTRIAL,
               CUSTO_IMPOSTOS,
               CUSTO_DESPESAS,
               CUSTO_TOTAL,
               RESULTADO_TOTAL,
               VALOR_EMBALAGEM_KG,
               VALOR_MOD_KG,
               VALOR_CIF_KG,
               VALOR_ICMS_KG,
               VALOR_PIS_COFINS_KG,
               VALOR_OUTROS_TRIBUTOS_KG,
               VALOR_SEGURO_CARGA_KG,
               VALOR_FRETE_KG,
               VALOR_PROCESSO_EXPORTACAO_KG,
               VALOR_DESPESA_EXPORTACAO_KG,
               VALOR_COMISSAO_KG,
               VALOR_ADMINISTRATIVO_KG,
               CUSTO_INDUSTRIAL_KG,
               CUSTO_IMPOSTOS_KG,
               CUSTO_DESPESAS_KG,
               CUSTO_TOTAL_KG,
               RESULTADO_TOTAL_KG,
               MARGEM_RESULTADO,
               P_MOD_MIUDOS,
               P_CIF_MIUDOS,
               P_ICMS_DEB,
               P_PIS_COFINS,
               P_OUTROS_TRIBUTOS,
               P_SEGURO_CARGA,
               P_FRETE,
               P_PROCESSO_EXPORTACAO,
               P_DESPESA_EXPORTACAO,
               P_COMISSAO,
               P_ADMINISTRATIVO,
               CRITERIO_RECEITA,
               CRITERIO_RATEIO,
               PRECO_REFERENCIA,
               PRECO_RATEIO,
               P_CRITERIO_RECEITA,
               CRITERIO_MP,
               CRITERIO_MIUDOS,
               IND_MP,
               VALOR_MATERIA_PRIMA,
               VALOR_MATERIA_PRIMA_KG,
               PESO_TOTAL_MP,
               TOTAL_MATERIAL_PRIMA,
               TOTAL_MATERIA_PRIMA_KG
          FROM TABLE(VELKO_CST.PKG_ABATE.PPL_APROVEITAMENTO(:ID_UNIDADE,
                                                            :DATA,
                                                            :DATA))) X
 GROUP BY X.DESCRICAO_GRUPO_NIVEL
 ORDER BY X.DESCRICAO_GRUPO_NIVEL
)sql");
    declareFields(c.dataSet, {
        {FieldKind::Float, 0, "#,0.00", {"RESULTADO_GERAL_KG", "TOTAL_RECEITA_KG", "TOTAL_RECEITA",
                                         "TOTAL_DESPESAS_KG", "TOTAL_DESPESAS", "TOTAL_IMPOSTOS_KG",
                                         "TOTAL_IMPOSTOS", "RESULTADO_GERAL", "TOTAL_CUSTO_KG",
                                         "TOTAL_EMBALAGEM_KG", "TOTAL_INDUSTRIAL_KG", "TOTAL_CUSTO",
                                         "TOTAL_EMBALAGEM", "TOTAL_INDUSTRIAL", "TOTAL_MP", "TOTAL_MP_KG",
                                         "TOTAL_PESO", "GERAL_PESO", "GERAL_RECEITA", "GERAL_RECEITA_KG",
                                         "GERAL_CUSTO", "GERAL_CUSTO_KG", "GERAL_IMPOSTOS", "GERAL_IMPOSTOS_KG",
                                         "GERAL_DESPESAS", "GERAL_DESPESAS_KG", "GERAL_RESULTADO",
                                         "GERAL_RESULTADO_KG"}},
        {FieldKind::Float, 0, "#,0.0 %", {"RESULTADO_GERAL_PERC"}},
        {FieldKind::Text, 0, "", {"DESCRICAO_GRUPO"}},
    });
    declareParameters(c.dataSet.params(), {{"id_unidade", BindType::Number}, {"data", BindType::Date}});
    c.dataSet.setReadOnly(true);
}

void condenacaoMiudos(TDataModule_Custo& module)
{
    const Chain c = addChain(module, "CondenacaoMiudos", "",
                             {{"id_unidade", BindType::Number}, {"data", BindType::Date}}, R"sql(
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
       decode(mt.falha_processo,1,mv.quantidade,0) pecas_operacional,
       decode(mt.falha_processo,1,a.peso_medio_produzido * mv.quantidade,0)  peso_condenado_operacional,
       decode(mt.falha_processo,1,(a.peso_medio_produzido * mv.quantidade) * a.custo_industrial_kg,0) valor_operacional,
       decode(mt.falha_processo,0,mv.quantidade,0) pecas_nao_operacional,
       decode(mt.falha_processo,0,a.peso_medio_produzido * mv.quantidade,0)  peso_condenado_nao_operacional,
       decode(mt.falha_processo,0,(a.peso_medio_produzido * mv.quantidade) * a.custo_industrial_kg,0) valor_nao_operacional
  FROM velko_pcp.movimento_condenacao mv
      ,velko_ven.produto p
      ,velko_pcp.motivo_condenacao mt
      ,(SELECT a.id_ordem_producao,
               a.sequencial_produto,
               decode(a.pecas,0,0,decode(a.peso,0,0,a.peso / a.pecas)) peso_medio_produzido,
               nvl(a.custo_industrial_kg,0) custo_industrial_kg
          FROM table(velko_cst.pkg_abate.ppl_aproveitamento(:id_unidade,:data,:data)) a) a
 WHERE mv.id_motivo_condenacao = mt.id_motivo_condenacao
   AND mv.sequencial_produto   = p.sequencial_produto
   AND mv.id_tabela_pcp = a.id_ordem_producao (+)
   AND mv.sequencial_produto = a.sequencial_produto (+)
   AND EXISTS (SELECT 1
                 FROM table(velko_cst.pkg_abate.ppl_aproveitamento(:id_unidade,:data,:data)) a
                WHERE a.id_ordem_producao = mv.id_tabela_pcp)
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

// A reception's pens are its items (ir.id_recebimento_gado = r.id_recebimento_gado, first
// written against the item's own id), and its weighing counts once however many pens the day's
// lots drew from it (max, not sum, of the one weighing per reception).
void pesoVivo(TDataModule_Custo& module)
{
    Query& q = addQuery(module, "Q_Peso_Vivo",
                        {{"PESO_MORTO", BindType::Number}, {"QNTD_MORTO", BindType::Number},
                         {"P_DATA", BindType::Date}, {"P_CODIGO_EMPRESA", BindType::Number}}, R"sql(
SELECT X.PESO_VIVO,
       X.QNTD_VIVO,
       X.PESO_MORTO,
       X.QNTD_MORTO,
       DECODE(NVL(X.PESO_VIVO,0), 0, 0, (X.PESO_MORTO / X.PESO_VIVO) * 100) PERCENTUAL_RENDIMENTO,
       X.PESO_VIVO - X.PESO_MORTO QUEBRA
  FROM (select sum(qntd_vivo) qntd_vivo
              ,sum(peso_vivo) peso_vivo
              ,:PESO_MORTO PESO_MORTO
              ,:QNTD_MORTO QNTD_MORTO
          from (
        select r.id_recebimento_gado
              ,sum(ir.quantidade) QNTD_VIVO
              ,max(pg.peso_liquido) peso_vivo
          from velko_pec.pesagem_gado pg
              ,velko_pec.ordem_compra_gado oc
              ,velko_pec.recebimento_gado r
              ,velko_pec.item_recebimento_gado ir
              ,velko_pec.lote_abate_curral lc
              ,velko_pec.lote_abate l
         where l.id_ordem_compra_gado = oc.id_ordem_compra_gado
           and l.id_lote_abate = lc.id_lote_abate
           and lc.id_item_recebimento_gado = ir.id_item_recebimento_gado
           and ir.id_recebimento_gado = r.id_recebimento_gado
           and pg.id_pesagem_gado = r.id_pesagem_gado
           and l.data = :p_data
           and oc.codigo_empresa = :p_codigo_empresa
           group by  r.id_recebimento_gado
          )) X
)sql");
    declareFields(q, {
        {FieldKind::Float, 0, "#,0.0", {"PESO_VIVO", "PESO_MORTO", "QUEBRA"}},
        {FieldKind::Float, 0, "#,0", {"QNTD_VIVO", "QNTD_MORTO"}},
        {FieldKind::Float, 0, "##0.0 %", {"PERCENTUAL_RENDIMENTO"}},
    });
    addSource(module, "DS_Peso_Vivo", q);
}

} // namespace

void defineSlaughter(TDataModule_Custo& module)
{
    getEmpresa(module);
    moeda(module);
    abate(module);
    abateAcumulado(module);
    compra(module);
    abateProduto(module);
    abateProdutoNivel2(module);
    condenacaoMiudos(module);
    pesoVivo(module);
}

} // namespace custos::data::catalogue
