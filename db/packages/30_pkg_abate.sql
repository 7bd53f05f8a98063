-- Package pkg_abate: the slaughter's cost (see db/COSTING.md for the formulas).
--
--   integra(unit, day, capture, moment)      rebuilds the period's slaughter results
--   ppl_aproveitamento(unit, first, last)    the slaughter products with revenue, costs and result
--   restaurar_preco_medio(unit, day, moment) undoes the price capture made at that moment

CREATE FUNCTION pkg_abate.por_kg(p_valor numeric, p_peso numeric)
RETURNS numeric
LANGUAGE sql IMMUTABLE AS $$
    SELECT CASE WHEN p_peso > 0 THEN round(p_valor / p_peso, 4) ELSE 0 END
$$;

-- Totals of each slaughter record: the carcass weight of the animals, the weight of the
-- products made from them, and the raw-material cost of the animals: purchase value less its
-- tax credits, plus commission and freight, plus the slaughter labour and overhead of the
-- parameter set per kilogram of carcass (rounded per species, as the accumulated slaughter
-- figures show them). For the apportionment by value: the products at their captured prices
-- and the carcass at its quarters' reference prices.
CREATE VIEW pkg_abate.totais AS
SELECT a.id_abate, a.id_unidade, a.data,
       coalesce(s.peso_carcaca, 0) peso_carcaca,
       coalesce(pv.peso, 0) peso_produtos,
       coalesce(s.total_materia_prima, 0) total_materia_prima,
       coalesce(pv.valor, 0) valor_produtos,
       coalesce(s.valor_carcaca, 0) valor_carcaca
  FROM velko_cst.abate a
  LEFT JOIN LATERAL (SELECT sum(p.peso) peso, sum(p.peso * coalesce(ap.preco_original, ap.preco)) valor
                       FROM velko_cst.abate_produto p
                       LEFT JOIN velko_cst.abate_preco ap ON ap.id_abate_preco = p.id_abate_preco
                      WHERE p.id_abate = a.id_abate) pv ON true
  LEFT JOIN LATERAL (
        SELECT sum(e.peso) peso_carcaca, sum(e.custo) total_materia_prima, sum(e.peso * e.referencia) valor_carcaca
          FROM (SELECT sum(am.peso) peso,
                       sum(am.valor_compra - am.credito_icms - am.credito_pis_cofins - am.outros_creditos
                           + coalesce(am.comissao, 0) + coalesce(am.frete, 0))
                       + round(coalesce(b.mod_abate, 0) * sum(am.peso), 2)
                       + round(coalesce(b.cif_abate, 0) * sum(am.peso), 2) custo,
                       coalesce((SELECT sum(pq.percentual_peso * ref.preco_unitario) / 100
                                   FROM velko_pcp.produto_quarto pq
                                   JOIN velko_cst.base_custo_referencia ref
                                     ON ref.id_base_custo = b.id_base_custo AND ref.id_produto = pq.sequencial_produto
                                  WHERE pq.id_genero = eg.id_genero), 0) referencia
                  FROM velko_cst.abate_materia_prima am
                  JOIN velko_pec.especie_gado eg ON eg.id_especie_gado = am.id_genero
                  JOIN velko_cst.base_custo b ON b.id_base_custo = (pkg_base_custo.base(a.id_unidade, a.data)).id_base_custo
                 WHERE am.id_abate = a.id_abate
                 GROUP BY eg.id_genero, b.id_base_custo, b.mod_abate, b.cif_abate) e) s ON true;

-- The slaughter records of a unit whose day lies in the range. Read through it, the records
-- are planned as a handful of keys whatever the period, so the plan kept for the session joins
-- their products as a set for a day and for a month alike.
CREATE FUNCTION pkg_abate.registros(p_id_unidade numeric, p_data_inicial timestamp, p_data_final timestamp)
RETURNS numeric[]
LANGUAGE sql STABLE AS $$
    SELECT ARRAY(SELECT a.id_abate FROM velko_cst.abate a
                  WHERE a.id_unidade = p_id_unidade AND a.data BETWEEN p_data_inicial AND p_data_final)
$$;

-- Products of the slaughter records whose day lies in the range, every figure computed from
-- the stored quantities, the stored price and the parameter set valid on the record's day.
-- Each level computes its figures once: OFFSET 0 keeps it from being folded into the next,
-- which would repeat its expressions wherever the next level uses them.
CREATE FUNCTION pkg_abate.ppl_aproveitamento(p_id_unidade numeric, p_data_inicial timestamp, p_data_final timestamp)
RETURNS TABLE (
    id_abate_preco numeric, id_abate numeric, id_unidade numeric, data oracle.date,
    tipo_grupo varchar, descricao_grupo varchar, descricao_subgrupo varchar, descricao_grupo_nivel varchar,
    codigo_produto varchar, sequencial_produto numeric, descricao_produto varchar,
    id_ordem_producao numeric, id_contrato numeric, cifra varchar, id_mercado numeric,
    caixas numeric, pecas numeric, peso numeric, peso_medio_caixa numeric, peso_medio_peca numeric,
    rendimento numeric, rendimento_padrao numeric, rendimento_padrao_ponderado numeric,
    variacao_porcentagem numeric, variacao_kg numeric,
    preco numeric, preco_original numeric, preco_data_inicial oracle.date, preco_data_final oracle.date,
    preco_referencia numeric, preco_rateio numeric, preco_unitario numeric, preco_total numeric,
    valor_materia_prima numeric, valor_embalagem numeric, valor_mod numeric, valor_cif numeric,
    valor_icms numeric, valor_pis_cofins numeric, valor_outros_tributos numeric,
    valor_seguro_carga numeric, valor_frete numeric, valor_processo_exportacao numeric,
    valor_despesa_exportacao numeric, valor_comissao numeric, valor_administrativo numeric,
    custo_industrial numeric, custo_impostos numeric, custo_despesas numeric, custo_total numeric,
    resultado_total numeric,
    valor_materia_prima_kg numeric, valor_embalagem_kg numeric, valor_mod_kg numeric, valor_cif_kg numeric,
    valor_icms_kg numeric, valor_pis_cofins_kg numeric, valor_outros_tributos_kg numeric,
    valor_seguro_carga_kg numeric, valor_frete_kg numeric, valor_processo_exportacao_kg numeric,
    valor_despesa_exportacao_kg numeric, valor_comissao_kg numeric, valor_administrativo_kg numeric,
    custo_industrial_kg numeric, custo_impostos_kg numeric, custo_despesas_kg numeric, custo_total_kg numeric,
    resultado_total_kg numeric, margem_resultado numeric,
    p_mod_miudos numeric, p_cif_miudos numeric, p_icms_deb numeric, p_pis_cofins numeric,
    p_outros_tributos numeric, p_seguro_carga numeric, p_frete numeric, p_processo_exportacao numeric,
    p_despesa_exportacao numeric, p_comissao numeric, p_administrativo numeric,
    criterio_receita varchar, criterio_rateio varchar, p_criterio_receita varchar,
    criterio_mp numeric, criterio_miudos varchar, ind_mp numeric,
    peso_total_mp numeric, total_material_prima numeric, total_materia_prima_kg numeric,
    usuario_restauracao_preco varchar, data_restauracao_preco oracle.date, preco_anterior numeric)
LANGUAGE plpgsql STABLE
SET plan_cache_mode = force_generic_plan
AS $$
#variable_conflict use_column
BEGIN
RETURN QUERY
SELECT v.id_abate_preco, v.id_abate, v.id_unidade, v.data,
       v.tipo_grupo, v.descricao_grupo, v.descricao_subgrupo, v.descricao_grupo_nivel,
       v.codigo_produto, v.sequencial_produto, v.descricao_produto,
       v.id_ordem_producao, v.id_contrato, v.cifra, v.id_mercado,
       v.caixas, v.pecas, v.peso,
       CASE WHEN v.caixas > 0 THEN round(v.peso / v.caixas, 3) ELSE 0 END,
       CASE WHEN v.pecas > 0 THEN round(v.peso / v.pecas, 3) ELSE 0 END,
       v.rendimento, v.rendimento_padrao, v.rendimento_padrao_ponderado,
       v.rendimento - v.rendimento_padrao,
       round(v.peso - v.rendimento_padrao / 100 * v.peso_carcaca, 3),
       v.preco, v.preco_original, v.preco_data_inicial, v.preco_data_final,
       v.preco_referencia, v.preco_unitario, v.preco_unitario, v.preco_total,
       v.valor_materia_prima, v.valor_embalagem, v.valor_mod, v.valor_cif,
       v.valor_icms, v.valor_pis_cofins, v.valor_outros_tributos,
       v.valor_seguro_carga, v.valor_frete, v.valor_processo_exportacao,
       v.valor_despesa_exportacao, v.valor_comissao, v.valor_administrativo,
       v.custo_industrial, v.custo_impostos, v.custo_despesas,
       v.custo_industrial + v.custo_impostos + v.custo_despesas,
       v.preco_total - (v.custo_industrial + v.custo_impostos + v.custo_despesas),
       pkg_abate.por_kg(v.valor_materia_prima, v.peso), pkg_abate.por_kg(v.valor_embalagem, v.peso),
       pkg_abate.por_kg(v.valor_mod, v.peso), pkg_abate.por_kg(v.valor_cif, v.peso),
       pkg_abate.por_kg(v.valor_icms, v.peso), pkg_abate.por_kg(v.valor_pis_cofins, v.peso),
       pkg_abate.por_kg(v.valor_outros_tributos, v.peso), pkg_abate.por_kg(v.valor_seguro_carga, v.peso),
       pkg_abate.por_kg(v.valor_frete, v.peso), pkg_abate.por_kg(v.valor_processo_exportacao, v.peso),
       pkg_abate.por_kg(v.valor_despesa_exportacao, v.peso), pkg_abate.por_kg(v.valor_comissao, v.peso),
       pkg_abate.por_kg(v.valor_administrativo, v.peso),
       pkg_abate.por_kg(v.custo_industrial, v.peso), pkg_abate.por_kg(v.custo_impostos, v.peso),
       pkg_abate.por_kg(v.custo_despesas, v.peso),
       pkg_abate.por_kg(v.custo_industrial + v.custo_impostos + v.custo_despesas, v.peso),
       pkg_abate.por_kg(v.preco_total - (v.custo_industrial + v.custo_impostos + v.custo_despesas), v.peso),
       CASE WHEN v.preco_total <> 0
            THEN round((v.preco_total - (v.custo_industrial + v.custo_impostos + v.custo_despesas)) / v.preco_total * 100, 2)
            ELSE 0 END,
       v.p_mod, v.p_cif, v.p_icms_deb, v.p_pis_cofins, v.p_outros_tributos, v.p_seguro_carga, v.p_frete,
       v.p_processo_exportacao, v.p_despesa_exportacao, v.p_comissao, v.p_administrativo,
       v.criterio_receita, v.criterio_rateio,
       (CASE WHEN v.id_contrato IS NOT NULL THEN 'Ordem de Venda'
             WHEN v.criterio_receita = 'M' THEN 'Preço Médio' ELSE 'Tabela Referência' END)::varchar,
       v.criterio_mp, v.criterio_miudos, v.ind_mp,
       v.peso_total_mp, v.total_materia_prima, v.total_materia_prima_kg,
       v.usuario_restauracao_preco, v.data_restauracao_preco, v.preco_anterior
  FROM (SELECT c.*,
               c.valor_materia_prima + c.valor_embalagem + c.valor_mod + c.valor_cif custo_industrial,
               c.valor_icms + c.valor_pis_cofins + c.valor_outros_tributos custo_impostos,
               c.valor_seguro_carga + c.valor_frete + c.valor_processo_exportacao + c.valor_despesa_exportacao
                 + c.valor_comissao + c.valor_administrativo custo_despesas
          FROM (SELECT r.*,
                       round(r.preco_unitario * r.peso, 2) preco_total,
                       round(r.ind_mp * CASE WHEN r.criterio_mp = 2
                                             THEN CASE WHEN r.valor_produtos + r.valor_carcaca > 0
                                                       THEN r.total_materia_prima * r.peso * r.preco_captura
                                                            / (r.valor_produtos + r.valor_carcaca) ELSE 0 END
                                             ELSE r.peso * r.total_materia_prima_kg END, 2) valor_materia_prima,
                       round(r.peso * r.p_mod, 2) valor_mod,
                       round(r.peso * r.p_cif, 2) valor_cif,
                       round(round(r.preco_unitario * r.peso, 2) * (r.p_icms_deb - r.p_icms_cre) / 100, 2) valor_icms,
                       round(round(r.preco_unitario * r.peso, 2) * r.p_pis_cofins / 100, 2) valor_pis_cofins,
                       round(round(r.preco_unitario * r.peso, 2) * r.p_outros_tributos / 100, 2) valor_outros_tributos,
                       round(round(r.preco_unitario * r.peso, 2) * r.p_seguro_carga / 100, 2) valor_seguro_carga,
                       round(round(r.preco_unitario * r.peso, 2) * r.p_comissao / 100, 2) valor_comissao,
                       round(r.peso * r.p_frete, 2) valor_frete,
                       round(r.peso * r.p_processo_exportacao, 2) valor_processo_exportacao,
                       round(r.peso * r.p_despesa_exportacao, 2) valor_despesa_exportacao,
                       round(r.peso * r.p_administrativo, 2) valor_administrativo
                  FROM (SELECT q.*,
                               CASE WHEN q.id_contrato IS NULL AND q.criterio_receita IS DISTINCT FROM 'M'
                                    THEN q.preco_referencia ELSE q.preco END preco_unitario,
                               CASE WHEN q.peso_total_mp > 0 THEN q.total_materia_prima / q.peso_total_mp ELSE 0 END
                                 total_materia_prima_kg
                          FROM (SELECT a.id_abate, a.id_unidade, a.data, ap.id_abate_preco,
                                       left(f.descricao, 13)::varchar tipo_grupo, -- a sort key of 13 characters, as the result datasets declare it
                                       g.descricao::varchar descricao_grupo,
                                       (g.descricao || ' / ' || m.sigla)::varchar descricao_subgrupo,
                                       g.descricao::varchar descricao_grupo_nivel,
                                       pr.codigo_produto::varchar, p.sequencial_produto, pr.descricao::varchar descricao_produto,
                                       p.id_ordem_producao, p.id_contrato, 'R$'::varchar cifra, p.id_mercado,
                                       p.caixas, p.pecas, p.peso, p.valor_embalagem,
                                       t.peso_carcaca,
                                       CASE WHEN t.peso_carcaca > 0 THEN round(p.peso / t.peso_carcaca * 100, 3) ELSE 0 END rendimento,
                                       coalesce(p.rendimento_padrao, 0) rendimento_padrao,
                                       CASE WHEN tt.peso_carcaca > 0
                                            THEN round(coalesce(p.rendimento_padrao, 0) * t.peso_carcaca / tt.peso_carcaca, 3)
                                            ELSE 0 END rendimento_padrao_ponderado,
                                       ap.preco, ap.preco_original, ap.preco_data_inicial, ap.preco_data_final,
                                       coalesce(ref.preco_unitario, 0) preco_referencia,
                                       coalesce(x.mod, b.mod_miudos, 0) p_mod,
                                       coalesce(x.cif, b.cif_miudos, 0) p_cif,
                                       coalesce(x.icms_deb, 0) p_icms_deb, coalesce(x.icms_cre, 0) p_icms_cre, coalesce(x.pis_cofins, 0) p_pis_cofins,
                                       coalesce(x.outros_tributos, 0) p_outros_tributos,
                                       coalesce(x.seguro_carga, b.seguro_carga, 0) p_seguro_carga,
                                       coalesce(x.frete, b.frete, 0) p_frete,
                                       coalesce(x.processo_exportacao, b.processo_exportacao, 0) p_processo_exportacao,
                                       coalesce(x.despesa_exportacao, b.despesa_exportacao, 0) p_despesa_exportacao,
                                       coalesce(x.comissao, 0) p_comissao,
                                       coalesce(x.administrativo, b.administrativo, 0) p_administrativo,
                                       coalesce(x.criterio_receita, b.criterio_receita)::varchar criterio_receita,
                                       coalesce(x.criterio_rateio, b.criterio_rateio)::varchar criterio_rateio,
                                       b.criterio_mp, b.criterio_miudos::varchar,
                                       CASE WHEN b.criterio_miudos = 'A' THEN 0 ELSE 1 END::numeric ind_mp,
                                       t.peso_carcaca + t.peso_produtos peso_total_mp,
                                       t.total_materia_prima, t.valor_produtos, t.valor_carcaca,
                                       coalesce(ap.preco_original, ap.preco) preco_captura,
                                       ap.usuario_restauracao_preco::varchar, ap.data_restauracao_preco, ap.preco_anterior
                                  FROM velko_cst.abate a
                                  JOIN velko_cst.abate_produto p ON p.id_abate = a.id_abate
                                  JOIN velko_cst.abate_preco ap ON ap.id_abate_preco = p.id_abate_preco
                                  JOIN pkg_abate.totais t ON t.id_abate = a.id_abate
                                  CROSS JOIN (SELECT sum(t2.peso_carcaca) peso_carcaca
                                                FROM pkg_abate.totais t2
                                               WHERE t2.id_unidade = p_id_unidade
                                                 AND t2.data BETWEEN p_data_inicial AND p_data_final) tt
                                  JOIN velko_cst.base_custo b ON b.id_base_custo = (pkg_base_custo.base(a.id_unidade, a.data)).id_base_custo
                                  JOIN velko_ven.produto pr ON pr.sequencial_produto = p.sequencial_produto
                                  LEFT JOIN velko_pcp.grupo g ON g.id_grupo = pr.id_grupo
                                  LEFT JOIN velko_pcp.familia f ON f.id_familia = g.id_familia
                                  LEFT JOIN velko_cst.mercado m ON m.id_mercado = p.id_mercado
                                  LEFT JOIN velko_cst.base_custo_referencia ref
                                         ON ref.id_base_custo = b.id_base_custo AND ref.id_produto = p.sequencial_produto
                                  LEFT JOIN pkg_base_custo.parametros(pkg_base_custo.bases(p_id_unidade, p_data_inicial, p_data_final)) x
                                         ON x.id_base_custo = b.id_base_custo AND x.id_produto = p.sequencial_produto
                                        AND x.id_mercado = p.id_mercado
                                 WHERE a.id_abate = ANY (pkg_abate.registros(p_id_unidade, p_data_inicial, p_data_final))
                                OFFSET 0) q
                        OFFSET 0) r
                OFFSET 0) c
        OFFSET 0) v;
END
$$;


-- Removes a slaughter record with everything generated for it.
CREATE PROCEDURE pkg_abate.remove(p_id_abate numeric)
LANGUAGE sql AS $$
    DELETE FROM velko_cst.abate_preco_historico h
     WHERE h.id_abate_preco IN (SELECT ap.id_abate_preco FROM velko_cst.abate_preco ap WHERE ap.id_abate = p_id_abate);
    DELETE FROM velko_cst.abate_preco_receita WHERE id_abate = p_id_abate;
    DELETE FROM velko_cst.abate_quartos WHERE id_abate = p_id_abate;
    DELETE FROM velko_cst.abate_produto WHERE id_abate = p_id_abate;
    DELETE FROM velko_cst.abate_preco WHERE id_abate = p_id_abate;
    DELETE FROM velko_cst.abate_materia_prima WHERE id_abate = p_id_abate;
    DELETE FROM velko_cst.abate WHERE id_abate = p_id_abate;
$$;

CREATE PROCEDURE pkg_abate.integra(p_id_unidade numeric, p_data timestamp, p_atualiza_preco numeric,
                                   p_data_processamento timestamp)
LANGUAGE plpgsql AS $$
DECLARE
    b velko_cst.base_custo;
    per record;
    pp record;
    v_id numeric;
    v_dia date := p_data::date;
    v_captura boolean := coalesce(p_atualiza_preco, 0) = 1;
    v_momento timestamp := coalesce(p_data_processamento, localtimestamp(0));
    v_sem_produto numeric[];
    r record;
BEGIN
    CALL velko_cst.exige_nao_operador('gerar o custo');
    b := pkg_base_custo.base_obrigatoria(p_id_unidade, p_data);
    CALL pkg_base_custo.bloqueia(p_id_unidade, p_data);
    per := pkg_base_custo.periodo(p_id_unidade, p_data);
    pp := pkg_base_custo.periodo_preco(p_id_unidade, p_data);
    CALL pkg_base_custo.recusa_fechado(p_id_unidade, per.data_inicial, per.data_final, true, false, false);

    -- Under monthly closing the period has one record, on the generated day.
    FOR r IN SELECT a.id_abate FROM velko_cst.abate a
              WHERE a.id_unidade = p_id_unidade AND a.data BETWEEN per.data_inicial AND per.data_final
                AND a.data <> v_dia LOOP
        CALL pkg_abate.remove(r.id_abate);
    END LOOP;

    SELECT a.id_abate INTO v_id FROM velko_cst.abate a WHERE a.id_unidade = p_id_unidade AND a.data = v_dia;
    IF v_id IS NULL THEN
        v_id := pkg_base_custo.novo_id(p_id_unidade);
        INSERT INTO velko_cst.abate (id_abate, id_unidade, data, total_aproveitamento, cancelado, encerrado)
        VALUES (v_id, p_id_unidade, v_dia, 0, 0, 0);
    END IF;
    DELETE FROM velko_cst.abate_preco_receita WHERE id_abate = v_id;
    DELETE FROM velko_cst.abate_quartos WHERE id_abate = v_id;
    DELETE FROM velko_cst.abate_produto WHERE id_abate = v_id;
    DELETE FROM velko_cst.abate_materia_prima WHERE id_abate = v_id;

    -- Animals: the carcass weighing lines ('M') of the slaughter lots of the purchase orders
    -- slaughtered in the period, by order, species, sex and destination. Under criterion 1
    -- only orders with a settled, not cancelled settlement count.
    INSERT INTO velko_cst.abate_materia_prima
           (id_abate, id_ordem_compra, id_genero, sexo, id_destino, quantidade, peso, valor_compra,
            valor_icms_original, credito_icms, credito_pis_cofins, outros_creditos, comissao, frete)
    SELECT v_id, x.id_ordem_compra_gado, x.id_especie_gado, x.sexo, x.id_tipificacao_gado,
           x.quantidade, x.peso, x.valor,
           round(x.valor * 0.12, 2),
           round(round(x.valor * 0.12, 2) * coalesce(uf.aproveitamento_credito, 0) / 100, 2),
           round(x.valor * 0.0555, 2),
           round(x.quantidade * coalesce(b.rastreabilidade, 0), 2),
           round(x.valor * coalesce(b.comissao_compra, 0) / 100, 2),
           round(x.quantidade * coalesce(b.frete_compra, 0), 2)
      FROM (SELECT oc.id_ordem_compra_gado, oc.id_propriedade_rural, cp.id_especie_gado, lo.sexo,
                   lo.id_tipificacao_gado, sum(lo.quantidade) quantidade, sum(lo.peso) peso, sum(lo.valor) valor
              FROM velko_pec.ordem_compra_gado oc
              JOIN velko_pec.lote_abate la ON la.id_ordem_compra_gado = oc.id_ordem_compra_gado
              JOIN velko_pec.lote_abate_preco lo ON lo.id_lote_abate = la.id_lote_abate AND lo.tipo_peso = 'M'
              JOIN velko_pec.classificacao_pesagem cp ON cp.id_classificacao_pesagem = lo.id_classificacao_pesagem
             WHERE oc.codigo_empresa = coalesce(b.id_unidade_abate, p_id_unidade)
               AND oc.data_abate BETWEEN per.data_inicial AND per.data_final
               AND (coalesce(b.criterio_apuracao_abate, 2) <> 1
                    OR EXISTS (SELECT 1 FROM velko_pec.acerto ac
                                WHERE ac.id_ordem_compra_gado = oc.id_ordem_compra_gado
                                  AND ac.cancelado = 0 AND ac.encerrado = 1))
             GROUP BY oc.id_ordem_compra_gado, oc.id_propriedade_rural, cp.id_especie_gado, lo.sexo,
                      lo.id_tipificacao_gado) x
      LEFT JOIN velko_pec.propriedade_rural pr ON pr.id_propriedade_rural = x.id_propriedade_rural
      LEFT JOIN velko_fin.cep ON cep.cep = pr.cep
      LEFT JOIN velko_fin.cidade c ON c.id_cidade = cep.codigo_cidade
      LEFT JOIN velko_cst.base_custo_uf uf ON uf.id_base_custo = b.id_base_custo AND uf.uf = c.uf;

    -- Products made by the slaughter lines' orders, with the packaging their technical sheet
    -- consumed (CONSUMO, split by weight when a product of an order went to several markets).
    INSERT INTO velko_cst.abate_produto
           (id_abate, id_ordem_producao, sequencial_produto, id_mercado, id_contrato,
            caixas, pecas, peso, valor_embalagem, rendimento_padrao)
    SELECT v_id, y.id_tabela_pcp, y.sequencial_produto, y.id_mercado, y.id_ordem_venda,
           y.caixas, y.pecas, y.peso,
           round(coalesce(e.valor, 0) * CASE WHEN sum(y.peso) OVER w > 0 THEN y.peso / sum(y.peso) OVER w
                                             ELSE 1.0 / count(*) OVER w END, 2),
           y.rendimento_padrao
      FROM (SELECT pr.id_tabela_pcp, pr.sequencial_produto,
                   coalesce(pr.id_mercado, (SELECT min(m.id_mercado) FROM velko_cst.mercado m)) id_mercado,
                   pr.id_ordem_venda, sum(pr.caixas) caixas, sum(pr.pecas) pecas, sum(pr.peso) peso,
                   max(p.rendimento_padrao) rendimento_padrao
              FROM pkg_base_custo.ordens(p_id_unidade, per.data_inicial, per.data_final) o
              JOIN velko_pcp.producao pr ON pr.id_tabela_pcp = o.id_tabela_pcp
              JOIN velko_ven.produto p ON p.sequencial_produto = pr.sequencial_produto
             WHERE NOT o.industrial
             GROUP BY pr.id_tabela_pcp, pr.sequencial_produto, 3, pr.id_ordem_venda) y
      LEFT JOIN pkg_consumo.embalagem(p_id_unidade, v_dia) e
             ON e.id_ordem_producao = y.id_tabela_pcp AND e.sequencial_produto = y.sequencial_produto
            AND e.id_ordem_venda IS NOT DISTINCT FROM y.id_ordem_venda
    WINDOW w AS (PARTITION BY y.id_tabela_pcp, y.sequencial_produto, y.id_ordem_venda);

    IF NOT EXISTS (SELECT 1 FROM velko_cst.abate_materia_prima WHERE id_abate = v_id)
       AND NOT EXISTS (SELECT 1 FROM velko_cst.abate_produto WHERE id_abate = v_id) THEN
        CALL pkg_abate.remove(v_id);
        RETURN;
    END IF;

    UPDATE velko_cst.abate a
       SET encerrado = CASE WHEN EXISTS (SELECT 1 FROM velko_cst.abate_materia_prima am
                                          WHERE am.id_abate = v_id
                                            AND NOT EXISTS (SELECT 1 FROM velko_pec.acerto ac
                                                             WHERE ac.id_ordem_compra_gado = am.id_ordem_compra
                                                               AND ac.encerrado = 1 AND ac.cancelado = 0))
                           THEN 0 ELSE 1 END
     WHERE a.id_abate = v_id;

    -- Prices: each product row keeps its price row (same product, market, contract and order).
    UPDATE velko_cst.abate_produto p
       SET id_abate_preco = ap.id_abate_preco
      FROM velko_cst.abate_preco ap
     WHERE p.id_abate = v_id AND ap.id_abate = v_id
       AND ap.sequencial_produto = p.sequencial_produto
       AND ap.id_mercado IS NOT DISTINCT FROM p.id_mercado
       AND ap.id_contrato IS NOT DISTINCT FROM p.id_contrato
       AND ap.id_ordem_producao IS NOT DISTINCT FROM p.id_ordem_producao::text;
    -- Price rows no product refers to any more go, with their history; by index, as in
    -- pkg_industrializado.atualiza_precos.
    v_sem_produto := ARRAY(SELECT ap.id_abate_preco FROM velko_cst.abate_preco ap
                            WHERE ap.id_abate = v_id
                              AND NOT EXISTS (SELECT 1 FROM velko_cst.abate_produto p
                                               WHERE p.id_abate = v_id AND p.id_abate_preco = ap.id_abate_preco));
    DELETE FROM velko_cst.abate_preco_historico h WHERE h.id_abate_preco = ANY (v_sem_produto);
    DELETE FROM velko_cst.abate_preco ap WHERE ap.id_abate_preco = ANY (v_sem_produto);

    CREATE TEMP TABLE IF NOT EXISTS tmp_preco_capturado (
        id_ordem_producao numeric, sequencial_produto numeric, id_mercado numeric, id_contrato numeric,
        id_preco numeric, preco numeric) ON COMMIT DROP;
    DELETE FROM tmp_preco_capturado;
    INSERT INTO tmp_preco_capturado
    SELECT p.id_ordem_producao, p.sequencial_produto, p.id_mercado, p.id_contrato, p.id_abate_preco,
           coalesce(CASE WHEN p.id_contrato IS NOT NULL
                         THEN pkg_base_custo.preco_contrato(p.id_contrato, p.sequencial_produto) END,
                    pm.preco,
                    (SELECT ap.preco FROM velko_cst.abate_preco ap
                       JOIN velko_cst.abate a ON a.id_abate = ap.id_abate
                      WHERE a.id_unidade = p_id_unidade AND a.data < v_dia
                        AND ap.sequencial_produto = p.sequencial_produto
                      ORDER BY a.data DESC LIMIT 1),
                    ref.preco_unitario, 0)
      FROM velko_cst.abate_produto p
      LEFT JOIN pkg_base_custo.precos_medios(p_id_unidade, pp.data_inicial, pp.data_final) pm
             ON pm.sequencial_produto = p.sequencial_produto
      LEFT JOIN velko_cst.base_custo_referencia ref
             ON ref.id_base_custo = b.id_base_custo AND ref.id_produto = p.sequencial_produto
     WHERE p.id_abate = v_id AND (p.id_abate_preco IS NULL OR v_captura);

    IF v_captura THEN
        -- The prices about to be overwritten go to the history, undoable by this moment.
        DELETE FROM velko_cst.abate_preco_historico h
         WHERE h.id_abate_preco_historico = ANY (ARRAY(SELECT ap.id_abate_preco_historico FROM velko_cst.abate_preco ap
                                                        WHERE ap.id_abate = v_id));
        INSERT INTO velko_cst.abate_preco_historico
               (id_abate_preco_historico, id_unidade, data_historico, data_geracao_custo, usuario_historico,
                id_abate_preco, preco, preco_original, preco_data_inicial, preco_data_final)
        SELECT pkg_base_custo.novo_id(p_id_unidade), p_id_unidade, v_momento, v_dia, left(session_user, 30),
               ap.id_abate_preco, ap.preco, ap.preco_original, ap.preco_data_inicial, ap.preco_data_final
          FROM velko_cst.abate_preco ap
         WHERE ap.id_abate = v_id;
        UPDATE velko_cst.abate_preco ap
           SET preco = t.preco, preco_original = t.preco,
               preco_data_inicial = pp.data_inicial, preco_data_final = pp.data_final,
               id_abate_preco_historico = NULL, usuario_restauracao_preco = NULL,
               data_restauracao_preco = NULL, preco_anterior = NULL
          FROM tmp_preco_capturado t
         WHERE t.id_preco = ap.id_abate_preco;
    END IF;

    INSERT INTO velko_cst.abate_preco (id_abate_preco, id_abate, sequencial_produto, id_mercado, id_contrato,
                                       id_ordem_producao, preco, preco_original, preco_data_inicial, preco_data_final)
    SELECT pkg_base_custo.novo_id(p_id_unidade), v_id, t.sequencial_produto, t.id_mercado, t.id_contrato,
           t.id_ordem_producao::text, t.preco, t.preco, pp.data_inicial, pp.data_final
      FROM tmp_preco_capturado t
     WHERE t.id_preco IS NULL;
    UPDATE velko_cst.abate_produto p
       SET id_abate_preco = ap.id_abate_preco
      FROM velko_cst.abate_preco ap
     WHERE p.id_abate = v_id AND p.id_abate_preco IS NULL AND ap.id_abate = v_id
       AND ap.sequencial_produto = p.sequencial_produto
       AND ap.id_mercado IS NOT DISTINCT FROM p.id_mercado
       AND ap.id_contrato IS NOT DISTINCT FROM p.id_contrato
       AND ap.id_ordem_producao IS NOT DISTINCT FROM p.id_ordem_producao::text;

    CALL pkg_abate.completa(v_id, p_id_unidade, v_dia);
END
$$;

-- What follows from the day's prices: the by-products' total result, the cost of the carcass
-- quarters and the sales lines behind each average price.
CREATE PROCEDURE pkg_abate.completa(p_id_abate numeric, p_id_unidade numeric, p_dia date)
LANGUAGE plpgsql AS $$
DECLARE
    b velko_cst.base_custo := pkg_base_custo.base(p_id_unidade, p_dia);
    v_inicio_receita date;
    v_receita_inicial timestamp;
    v_receita_final timestamp;
BEGIN
    UPDATE velko_cst.abate a
       SET total_aproveitamento = coalesce((SELECT sum(x.resultado_total)
                                              FROM pkg_abate.ppl_aproveitamento(p_id_unidade, p_dia, p_dia) x), 0)
     WHERE a.id_abate = p_id_abate;

    -- Carcass cost of each species: its raw-material cost less its share (by weight) of what
    -- the products take: their result when credited to the slaughter (criterion 'A'), their
    -- raw-material share otherwise. The quarters split it by standard weight share and by
    -- their reference prices.
    DELETE FROM velko_cst.abate_quartos WHERE id_abate = p_id_abate;
    INSERT INTO velko_cst.abate_quartos (id_abate, id_genero, sequencial_produto, peso, valor, custo_kg)
    SELECT p_id_abate, q.id_genero, q.sequencial_produto, round(q.peso, 3), round(q.valor, 2),
           CASE WHEN q.peso > 0 THEN round(q.valor / q.peso, 4) ELSE 0 END
      FROM (SELECT e.id_genero, pq.sequencial_produto, e.peso * pq.percentual_peso / 100 peso,
                   (e.custo - c.valor * e.peso / e.peso_total)
                     * (pq.percentual_peso * coalesce(ref.preco_unitario, 1))
                     / sum(pq.percentual_peso * coalesce(ref.preco_unitario, 1)) OVER (PARTITION BY e.id_genero) valor
              FROM (SELECT eg.id_genero, sum(am.peso) peso, sum(sum(am.peso)) OVER () peso_total,
                           sum(am.valor_compra - am.credito_icms - am.credito_pis_cofins - am.outros_creditos
                               + coalesce(am.comissao, 0) + coalesce(am.frete, 0))
                           + round(coalesce(b.mod_abate, 0) * sum(am.peso), 2)
                           + round(coalesce(b.cif_abate, 0) * sum(am.peso), 2) custo
                      FROM velko_cst.abate_materia_prima am
                      JOIN velko_pec.especie_gado eg ON eg.id_especie_gado = am.id_genero
                     WHERE am.id_abate = p_id_abate
                     GROUP BY eg.id_genero) e
              CROSS JOIN (SELECT CASE WHEN b.criterio_miudos = 'A' THEN coalesce(sum(x.resultado_total), 0)
                                      ELSE coalesce(sum(x.valor_materia_prima), 0) END valor
                            FROM pkg_abate.ppl_aproveitamento(p_id_unidade, p_dia, p_dia) x) c
              JOIN velko_pcp.produto_quarto pq ON pq.id_genero = e.id_genero
              LEFT JOIN velko_cst.base_custo_referencia ref
                     ON ref.id_base_custo = b.id_base_custo AND ref.id_produto = pq.sequencial_produto) q;

    DELETE FROM velko_cst.abate_preco_receita WHERE id_abate = p_id_abate;
    SELECT p.data_inicio_receita INTO v_inicio_receita FROM velko_cst.parametros p WHERE p.id_unidade = p_id_unidade;
    SELECT min(ap.preco_data_inicial), max(ap.preco_data_final) INTO v_receita_inicial, v_receita_final
      FROM velko_cst.abate_preco ap WHERE ap.id_abate = p_id_abate;
    IF p_dia >= coalesce(v_inicio_receita, p_dia) THEN
        INSERT INTO velko_cst.abate_preco_receita
               (id_abate, sequencial_produto, codigo_cliente, numero_pedido, data_faturamento,
                quantidade, valor_bruto, valor_liquido, desconto_contratual)
        SELECT p_id_abate, r.sequencial_produto, r.codigo_cliente, r.numero_pedido, r.data_faturamento,
               r.quantidade, r.valor_bruto, r.valor_liquido, r.desconto_contratual
          FROM (SELECT DISTINCT ap.sequencial_produto, ap.preco_data_inicial, ap.preco_data_final
                  FROM velko_cst.abate_preco ap
                 WHERE ap.id_abate = p_id_abate AND ap.id_contrato IS NULL) x
          JOIN pkg_base_custo.receita(p_id_unidade, NULL, v_receita_inicial, v_receita_final) r
            ON r.sequencial_produto = x.sequencial_produto
           AND r.data_faturamento BETWEEN x.preco_data_inicial AND x.preco_data_final;
    END IF;
END
$$;

-- Undoes the price capture a generation of the day made at the given moment: the slaughter
-- prices go back to what they were before it (later captures of the same prices are undone
-- with it), each restored price keeps who restored it, when, and the price it replaced.
CREATE PROCEDURE pkg_abate.restaurar_preco_medio(p_id_unidade numeric, p_data timestamp, p_data_processamento timestamp)
LANGUAGE plpgsql AS $$
DECLARE
    v_dia date := p_data::date;
    v_momento timestamp := p_data_processamento::timestamp(0);
    per record;
    r record;
BEGIN
    CALL velko_cst.exige_nao_operador('desfazer a captura de preço');
    CALL pkg_base_custo.bloqueia(p_id_unidade, p_data);
    per := pkg_base_custo.periodo(p_id_unidade, p_data);
    CALL pkg_base_custo.recusa_fechado(p_id_unidade, per.data_inicial, per.data_final, true, false, false);

    DELETE FROM velko_cst.abate_preco_historico h
     WHERE h.id_unidade = p_id_unidade AND h.data_geracao_custo = v_dia AND h.data_historico = v_momento
       AND NOT EXISTS (SELECT 1 FROM velko_cst.abate_preco ap WHERE ap.id_abate_preco = h.id_abate_preco);
    IF NOT EXISTS (SELECT 1 FROM velko_cst.abate_preco_historico h
                    WHERE h.id_unidade = p_id_unidade AND h.data_geracao_custo = v_dia AND h.data_historico = v_momento
                      AND NOT EXISTS (SELECT 1 FROM velko_cst.abate_preco ap
                                       WHERE ap.id_abate_preco_historico = h.id_abate_preco_historico)) THEN
        RETURN;  -- nothing of the slaughter was captured at that moment (or it was already undone)
    END IF;

    DELETE FROM velko_cst.abate_preco_historico h
     USING velko_cst.abate_preco_historico d
     WHERE d.id_unidade = p_id_unidade AND d.data_geracao_custo = v_dia AND d.data_historico = v_momento
       AND h.id_abate_preco = d.id_abate_preco AND h.data_historico > v_momento;
    UPDATE velko_cst.abate_preco ap
       SET preco_anterior = ap.preco,
           preco = h.preco, preco_original = h.preco_original,
           preco_data_inicial = h.preco_data_inicial, preco_data_final = h.preco_data_final,
           id_abate_preco_historico = h.id_abate_preco_historico,
           usuario_restauracao_preco = left(session_user, 30),
           data_restauracao_preco = localtimestamp(0)
      FROM velko_cst.abate_preco_historico h
     WHERE h.id_unidade = p_id_unidade AND h.data_geracao_custo = v_dia AND h.data_historico = v_momento
       AND h.id_abate_preco = ap.id_abate_preco;

    FOR r IN SELECT DISTINCT a.id_abate, a.data
               FROM velko_cst.abate a
               JOIN velko_cst.abate_preco ap ON ap.id_abate = a.id_abate
               JOIN velko_cst.abate_preco_historico h ON h.id_abate_preco_historico = ap.id_abate_preco_historico
              WHERE h.id_unidade = p_id_unidade AND h.data_geracao_custo = v_dia AND h.data_historico = v_momento LOOP
        CALL pkg_abate.completa(r.id_abate, p_id_unidade, r.data::date);
    END LOOP;
    CALL pkg_base_custo.registra_log(p_id_unidade, p_data, session_user, localtimestamp(0),
        'Captura de preço médio do abate de ' || to_char(v_dia, 'DD/MM/YYYY') || ' feita em '
        || to_char(v_momento, 'DD/MM/YYYY HH24:MI:SS') || ' desfeita.');
END
$$;

GRANT USAGE ON SCHEMA pkg_abate TO velko_user;
GRANT SELECT ON ALL TABLES IN SCHEMA pkg_abate TO velko_user;
GRANT EXECUTE ON ALL ROUTINES IN SCHEMA pkg_abate TO velko_user;
