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
       ((custo_total  / cabecas) - decode((peso / cabecas / 15), 0, 0, (decode(:aproveitamento_rateio,'KG' , decode(sum(peso) over(), 0, 0, (total_aproveitamento / sum(peso) over()) *  (peso / cabecas)), decode(sum(cabecas) over (), 0, 0, (total_aproveitamento / sum(cabecas) over ())  ) )) / (peso / cabecas / 15))) custo_total_arr,
       ((custo_total  / cabecas) - decode((peso / cabecas), 0, 0, (decode(:aproveitamento_rateio,'KG' , decode(sum(peso) over(), 0, 0, (total_aproveitamento / sum(peso) over()) *  (peso / cabecas)), decode(sum(cabecas) over (), 0, 0, (total_aproveitamento / sum(cabecas) over ())  ) )) / (peso / cabecas))) custo_total_kg,
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
       (decode(sum(cabecas) over (), 0, 0, ( sum(custo_total) over ()  / sum(cabecas) over ())) - decode((sum(peso) over () / sum(cabecas) over () / 15), 0, 0, (decode(:aproveitamento_rateio,'KG' , decode(sum(peso) over (), 0, 0, (total_aproveitamento / sum(peso) over ()) *  (sum(peso) over () / sum(cabecas) over ())), decode(sum(cabecas) over (), 0, 0, (total_aproveitamento / sum(cabecas) over ())  ))) / (sum(peso) over () / sum(cabecas) over () / 15))) t_custo_total_arr,
       (decode(sum(cabecas) over (), 0, 0, ( sum(custo_total) over ()  / sum(cabecas) over ())) - decode((sum(peso) over () / sum(cabecas) over ()), 0, 0, (decode(:aproveitamento_rateio,'KG' , decode(sum(peso) over (), 0, 0, (total_aproveitamento / sum(peso) over ()) *  (sum(peso) over () / sum(cabecas) over ())), decode(sum(cabecas) over (), 0, 0, (total_aproveitamento / sum(cabecas) over ())  ))) / (sum(peso) over () / sum(cabecas) over ()))) t_custo_total_kg,
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
