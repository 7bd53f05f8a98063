-- Package pkg_industrializado: the cost of deboning and industrialized production, and the
-- closing of days (see db/COSTING.md for the formulas).
--
--   integra(unit, day, capture, moment)          rebuilds the period's production results
--   ppl_resultado / ppl_resultado_rel(unit, first, last)   products with revenue, costs, result
--                                                (kept per record: 45_pkg_industrializado_resultado.sql)
--   ppl_materia_prima(unit, first, last)         raw materials consumed, with their prices
--   atualiza_custo_medio_mp(unit, family, day)   reprices the family's weighted-average raw material
--   restaurar_preco_medio(unit, day, moment)     undoes the price capture made at that moment
--   fechar_custo / desfazer_fechamento_custo     close and reopen the processes of a day

-- The price a product's weight is valued at to apportion raw material: the captured average
-- price under criterion 'M', the reference price otherwise (the captured one without reference).
CREATE FUNCTION pkg_industrializado.preco_rateio(p_criterio varchar, p_preco_original numeric, p_referencia numeric)
RETURNS numeric
LANGUAGE sql IMMUTABLE AS $$
    SELECT coalesce(CASE WHEN p_criterio = 'M' THEN p_preco_original ELSE coalesce(p_referencia, p_preco_original) END, 0)
$$;

-- Raw-material value of each production order and process of a record, at the stored prices.
CREATE VIEW pkg_industrializado.materia_prima_ordem AS
SELECT mp.id_industrial, mp.id_ordem_producao, mp.id_processo,
       sum(round(mp.peso * mp.preco, 2)) valor, sum(mp.peso) peso
  FROM velko_cst.industrial_preco_mp mp
 GROUP BY mp.id_industrial, mp.id_ordem_producao, mp.id_processo;

-- Raw materials of the production records whose day lies in the range.
CREATE FUNCTION pkg_industrializado.ppl_materia_prima(p_id_unidade numeric, p_data_inicial timestamp, p_data_final timestamp)
RETURNS TABLE (
    id_industrial_preco_mp numeric, preco numeric, metodo_custo_mp varchar, codigo_metodo_custo_mp varchar,
    documento_origem varchar, procedencia varchar, data_consumo oracle.date,
    id_unidade numeric, id_industrial numeric, data oracle.date, id_familia numeric,
    id_ordem_producao numeric, id_processo numeric, sequencia_processo numeric, descricao_processo varchar,
    id_produto numeric, codigo_produto varchar, descricao_produto varchar,
    quantidade numeric, peso numeric, peso_medio numeric, valor_total numeric)
LANGUAGE plpgsql STABLE
SET plan_cache_mode = force_generic_plan
AS $$
#variable_conflict use_column
BEGIN
RETURN QUERY
    SELECT mp.id_industrial_preco_mp, mp.preco, mp.metodo_custo_mp::varchar, mp.codigo_metodo_custo_mp::varchar,
           mp.documento_origem::varchar, mp.procedencia::varchar, mp.data_consumo,
           i.id_unidade, i.id_industrial, i.data, mp.id_familia,
           mp.id_ordem_producao, coalesce(mp.id_processo, 0), pc.sequencia, pc.descricao::varchar,
           mp.id_produto, pr.codigo_produto::varchar, pr.descricao::varchar,
           mp.quantidade, mp.peso,
           CASE WHEN mp.quantidade > 0 THEN round(mp.peso / mp.quantidade, 3) ELSE 0 END,
           round(mp.peso * mp.preco, 2)
      FROM velko_cst.industrial i
      JOIN velko_cst.industrial_preco_mp mp ON mp.id_industrial = i.id_industrial
      JOIN velko_ven.produto pr ON pr.sequencial_produto = mp.id_produto
      LEFT JOIN velko_pcp.processo pc ON pc.id_processo = mp.id_processo
     WHERE i.id_unidade = p_id_unidade
       AND i.data BETWEEN p_data_inicial AND p_data_final;
END
$$;

-- Products of the production records whose day lies in the range, every figure computed from
-- the stored quantities and apportionment, the stored prices and the parameter set valid on
-- the record's day.
-- One product row of a production result.
CREATE TYPE pkg_industrializado.resultado AS (
    id_industrial_preco numeric, id_industrial numeric, id_unidade numeric, data oracle.date,
    tipo_grupo varchar, descricao_grupo varchar, descricao_subgrupo varchar, linha varchar, linha_producao varchar,
    codigo_produto varchar, sequencial_produto numeric, descricao_produto varchar,
    id_familia numeric, familia varchar, id_processo numeric, sequencia_processo numeric,
    descricao_processo varchar, gerar_resultado_custo numeric,
    id_ordem_producao numeric, id_contrato numeric, cifra varchar, id_mercado numeric,
    caixas numeric, pecas numeric, peso numeric,
    rendimento numeric, rendimento_padrao numeric, rendimento_padrao_ponderado numeric,
    rendimento_kg numeric, rendimento_valor numeric,
    preco numeric, preco_original numeric, preco_data_inicial oracle.date, preco_data_final oracle.date,
    preco_referencia numeric, preco_rateio numeric, preco_unitario numeric, preco_total numeric,
    valor_materia_prima numeric, valor_insumo numeric, valor_embalagem numeric, valor_mod numeric,
    valor_cif numeric, valor_servico numeric, valor_servico_kg numeric,
    valor_icms numeric, valor_pis_cofins numeric, valor_outros_tributos numeric,
    valor_seguro_carga numeric, valor_frete numeric, valor_processo_exportacao numeric,
    valor_despesa_exportacao numeric, valor_comissao numeric, valor_administrativo numeric,
    custo_industrial numeric, custo_impostos numeric, custo_despesas numeric, custo_total numeric,
    resultado_total numeric,
    valor_materia_prima_kg numeric, valor_insumo_kg numeric, valor_embalagem_kg numeric,
    valor_mod_kg numeric, valor_cif_kg numeric,
    valor_icms_kg numeric, valor_pis_cofins_kg numeric, valor_outros_tributos_kg numeric,
    valor_seguro_carga_kg numeric, valor_frete_kg numeric, valor_processo_exportacao_kg numeric,
    valor_despesa_exportacao_kg numeric, valor_comissao_kg numeric, valor_administrativo_kg numeric,
    custo_industrial_kg numeric, custo_impostos_kg numeric, custo_despesas_kg numeric, custo_total_kg numeric,
    resultado_total_kg numeric, margem_resultado numeric,
    p_mod_industrializado numeric, p_cif_industrializado numeric, p_icms_deb numeric, p_pis_cofins numeric,
    p_outros_tributos numeric, p_seguro_carga numeric, p_frete numeric, p_processo_exportacao numeric,
    p_despesa_exportacao numeric, p_comissao numeric, p_administrativo numeric,
    criterio_receita varchar, criterio_rateio varchar, p_criterio_receita varchar, p_criterio_rateio varchar,
    valor_elaboracao numeric,
    usuario_restauracao_preco varchar, data_restauracao_preco oracle.date, preco_anterior numeric);

-- The production records of a unit whose day lies in the range.
CREATE FUNCTION pkg_industrializado.registros(p_id_unidade numeric, p_data_inicial timestamp, p_data_final timestamp)
RETURNS numeric[]
LANGUAGE sql STABLE AS $$
    SELECT ARRAY(SELECT i.id_industrial FROM velko_cst.industrial i
                  WHERE i.id_unidade = p_id_unidade AND i.data BETWEEN p_data_inicial AND p_data_final)
$$;

-- The rows themselves, as a plain query over the given production records of the unit whose
-- day lies in the range (the range bounds the parameter sets looked at): ppl_resultado computes
-- with it the rows of the records it does not keep yet (45_pkg_industrializado_resultado.sql),
-- and a caller that needs a few columns (the weighted-average cost) reads them from here, where
-- the planner computes only those. The records come as keys, so that every table is read through
-- its record index whatever the period, and each record takes the parameter set its generation
-- used (pkg_base_custo.base).
-- The totals the figures are apportioned by (order and process, family) are taken before the
-- descriptions and rates are joined, and each computed figure is evaluated once (OFFSET 0 keeps a
-- level from being folded into the next, which would repeat its expressions wherever they are
-- used). The parameter set's columns travel with the rows through the windows rather than being
-- joined after them: the planner takes a key of a small table seen through the windows for a
-- unique one, underestimates every later join and picks nested loops over the rates.
CREATE FUNCTION pkg_industrializado.linhas_resultado(p_id_unidade numeric, p_data_inicial timestamp,
                                                     p_data_final timestamp, p_registros numeric[])
RETURNS SETOF pkg_industrializado.resultado
LANGUAGE sql STABLE AS $$
WITH
-- Raw-material value of each order and process at the stored prices.
materia_prima AS (
    SELECT mp.id_industrial, mp.id_ordem_producao, mp.id_processo, sum(round(mp.peso * mp.preco, 2)) valor
      FROM velko_cst.industrial_preco_mp mp
     WHERE mp.id_industrial = ANY (p_registros)
     GROUP BY mp.id_industrial, mp.id_ordem_producao, mp.id_processo),
-- Every product row of the records with its price, its order's raw material and the parameter
-- set the record was generated under, and the totals of its order and process and of its
-- family the figures are apportioned by. The windows partition by the keys as integers,
-- computed once: one sort serves all three, and comparing integers is several times cheaper
-- than comparing numerics.
linha AS (
    SELECT p.*,
           sum(p.peso_mp) FILTER (WHERE p.primeiro_da_ordem) OVER familia peso_mp_familia,
           sum(p.peso) FILTER (WHERE p.gerar_resultado_custo = 1) OVER familia peso_familia,
           sum(p.valor_mp_gerado) OVER ordem valor_mp_gerado_ordem,
           sum(p.peso) OVER ordem peso_ordem
      FROM (SELECT r.id_industrial, r.id_unidade, r.data, p.id_industrial_preco, p.sequencial_produto, p.id_familia,
                   p.id_ordem_producao, p.id_processo, p.id_linha_producao, p.id_mercado, p.id_contrato,
                   p.caixas, p.pecas, p.peso, p.peso_mp, coalesce(p.valor_materia_prima, 0) valor_mp_gerado,
                   p.valor_insumo, p.valor_embalagem, p.rendimento_padrao,
                   p.k_industrial, p.k_familia, p.k_ordem, p.k_processo,
                   row_number() OVER (PARTITION BY p.k_industrial, p.k_familia, p.k_ordem, p.k_processo
                                      ORDER BY p.sequencial_produto::int8) = 1 primeiro_da_ordem,
                   coalesce(pc.gerar_resultado_custo, 1)::numeric gerar_resultado_custo, pc.sequencia sequencia_processo,
                   pc.descricao descricao_processo, b.id_base_custo, b.criterio_rateio b_criterio_rateio,
                   b.criterio_receita b_criterio_receita, b.mod_desossa, b.mod_tendal, b.mod_industrializado, b.cif_desossa,
                   b.cif_tendal, b.cif_industrializado, b.seguro_carga, b.frete, b.processo_exportacao, b.despesa_exportacao,
                   b.administrativo, pr.id_grupo, pr.codigo_produto, pr.descricao descricao_produto,
                   ip.preco, ip.preco_original, ip.preco_data_inicial, ip.preco_data_final, ip.valor_servico, ip.valor_servico_kg,
                   ip.usuario_restauracao_preco, ip.data_restauracao_preco, ip.preco_anterior,
                   coalesce(mo.valor, 0) valor_mp_ordem
              FROM velko_cst.industrial r
              JOIN (SELECT p.*, p.id_industrial::int8 k_industrial, p.id_familia::int8 k_familia,
                           p.id_ordem_producao::int8 k_ordem, coalesce(p.id_processo, 0)::int8 k_processo
                      FROM velko_cst.industrial_produto p) p ON p.id_industrial = r.id_industrial
              JOIN velko_cst.industrial_preco ip ON ip.id_industrial_preco = p.id_industrial_preco
              JOIN velko_cst.base_custo b ON b.id_base_custo = (pkg_base_custo.base(r.id_unidade, r.data)).id_base_custo
              JOIN velko_ven.produto pr ON pr.sequencial_produto = p.sequencial_produto
              LEFT JOIN velko_pcp.processo pc ON pc.id_processo = p.id_processo
              LEFT JOIN materia_prima mo
                     ON mo.id_industrial = p.id_industrial AND mo.id_ordem_producao = p.id_ordem_producao
                    AND mo.id_processo IS NOT DISTINCT FROM p.id_processo
             WHERE r.id_industrial = ANY (p_registros)) p
    WINDOW familia AS (PARTITION BY p.k_industrial, p.k_familia),
           ordem AS (PARTITION BY p.k_industrial, p.k_familia, p.k_ordem, p.k_processo)),
-- Production in elaboration of each family.
elaboracao AS (
    SELECT e.id_industrial, t.id_familia, sum(round(e.quantidade * e.valor_unitario, 2)) valor
      FROM velko_cst.industrial_produto_elaboracao e
      JOIN velko_pcp.tabela_pcp t ON t.id_tabela_pcp = e.id_ordem_producao
     WHERE e.id_industrial = ANY (p_registros)
     GROUP BY e.id_industrial, t.id_familia)
SELECT v.id_industrial_preco, v.id_industrial, v.id_unidade, v.data,
       v.tipo_grupo, v.descricao_grupo, v.descricao_subgrupo, v.linha, v.linha_producao,
       v.codigo_produto, v.sequencial_produto, v.descricao_produto,
       v.id_familia, v.familia, v.id_processo, v.sequencia_processo, v.descricao_processo, v.gerar_resultado_custo,
       v.id_ordem_producao, v.id_contrato, v.cifra, v.id_mercado,
       v.caixas, v.pecas, v.peso,
       v.rendimento, v.rendimento_padrao, v.rendimento_padrao_ponderado,
       round(v.variacao_kg, 3), round(v.variacao_kg * v.preco_unitario, 2),
       v.preco, v.preco_original, v.preco_data_inicial, v.preco_data_final,
       v.preco_referencia, v.preco_rateio, v.preco_unitario, v.preco_total,
       v.valor_materia_prima, v.valor_insumo, v.valor_embalagem, v.valor_mod, v.valor_cif,
       v.valor_servico, v.valor_servico_kg,
       v.valor_icms, v.valor_pis_cofins, v.valor_outros_tributos,
       v.valor_seguro_carga, v.valor_frete, v.valor_processo_exportacao,
       v.valor_despesa_exportacao, v.valor_comissao, v.valor_administrativo,
       v.custo_industrial, v.custo_impostos, v.custo_despesas, v.custo_total, v.resultado_total,
       pkg_abate.por_kg(v.valor_materia_prima, v.peso), pkg_abate.por_kg(v.valor_insumo, v.peso),
       pkg_abate.por_kg(v.valor_embalagem, v.peso),
       pkg_abate.por_kg(v.valor_mod, v.peso), pkg_abate.por_kg(v.valor_cif, v.peso),
       pkg_abate.por_kg(v.valor_icms, v.peso), pkg_abate.por_kg(v.valor_pis_cofins, v.peso),
       pkg_abate.por_kg(v.valor_outros_tributos, v.peso), pkg_abate.por_kg(v.valor_seguro_carga, v.peso),
       pkg_abate.por_kg(v.valor_frete, v.peso), pkg_abate.por_kg(v.valor_processo_exportacao, v.peso),
       pkg_abate.por_kg(v.valor_despesa_exportacao, v.peso), pkg_abate.por_kg(v.valor_comissao, v.peso),
       pkg_abate.por_kg(v.valor_administrativo, v.peso),
       pkg_abate.por_kg(v.custo_industrial, v.peso), pkg_abate.por_kg(v.custo_impostos, v.peso),
       pkg_abate.por_kg(v.custo_despesas, v.peso), pkg_abate.por_kg(v.custo_total, v.peso),
       pkg_abate.por_kg(v.resultado_total, v.peso),
       CASE WHEN v.preco_total <> 0 THEN round(v.resultado_total / v.preco_total * 100, 2) ELSE 0 END,
       v.p_mod, v.p_cif, v.p_icms_deb, v.p_pis_cofins, v.p_outros_tributos, v.p_seguro_carga, v.p_frete,
       v.p_processo_exportacao, v.p_despesa_exportacao, v.p_comissao, v.p_administrativo,
       v.criterio_receita, v.criterio_rateio,
       (CASE WHEN v.id_contrato IS NOT NULL THEN 'Ordem de Venda'
             WHEN v.criterio_receita = 'M' THEN 'Preço Médio' ELSE 'Tabela Referência' END)::varchar,
       (CASE WHEN v.criterio_rateio = 'M' THEN 'Preço Médio' ELSE 'Tabela Referência' END)::varchar,
       v.valor_elaboracao,
       v.usuario_restauracao_preco, v.data_restauracao_preco, v.preco_anterior
  FROM (SELECT t.*, t.custo_industrial + t.custo_impostos + t.custo_despesas custo_total,
               t.preco_total - (t.custo_industrial + t.custo_impostos + t.custo_despesas) resultado_total
          FROM (SELECT c.*,
                       c.valor_materia_prima + c.valor_insumo + c.valor_embalagem + c.valor_mod + c.valor_cif
                         + c.valor_servico custo_industrial,
                       c.valor_icms + c.valor_pis_cofins + c.valor_outros_tributos custo_impostos,
                       c.valor_seguro_carga + c.valor_frete + c.valor_processo_exportacao + c.valor_despesa_exportacao
                         + c.valor_comissao + c.valor_administrativo custo_despesas
                  FROM (SELECT r.*,
                               round(r.valor_mp_ordem
                                     * CASE WHEN r.valor_mp_gerado_ordem > 0 THEN r.valor_mp_gerado / r.valor_mp_gerado_ordem
                                            WHEN r.peso_ordem > 0 THEN r.peso / r.peso_ordem ELSE 0 END, 2) valor_materia_prima,
                               round(r.peso * r.p_mod, 2) valor_mod,
                               round(r.peso * r.p_cif, 2) valor_cif,
                               round(r.preco_total * (r.p_icms_deb - r.p_icms_cre) / 100, 2) valor_icms,
                               round(r.preco_total * r.p_pis_cofins / 100, 2) valor_pis_cofins,
                               round(r.preco_total * r.p_outros_tributos / 100, 2) valor_outros_tributos,
                               round(r.preco_total * r.p_seguro_carga / 100, 2) valor_seguro_carga,
                               round(r.preco_total * r.p_comissao / 100, 2) valor_comissao,
                               round(r.peso * r.p_frete, 2) valor_frete,
                               round(r.peso * r.p_processo_exportacao, 2) valor_processo_exportacao,
                               round(r.peso * r.p_despesa_exportacao, 2) valor_despesa_exportacao,
                               round(r.peso * r.p_administrativo, 2) valor_administrativo,
                               (r.rendimento - r.rendimento_padrao) / 100 * r.peso_mp variacao_kg,
                               CASE WHEN r.gerar_resultado_custo = 1 AND r.peso_familia > 0
                                    THEN round(coalesce(r.valor_elaboracao_familia, 0) * r.peso / r.peso_familia, 2)
                                    ELSE 0 END valor_elaboracao
                          FROM (SELECT q.*, round(q.preco_unitario * q.peso, 2) preco_total
                                  FROM (SELECT l.id_industrial, l.id_unidade, l.data, l.id_industrial_preco,
                                               left(f.descricao, 13)::varchar tipo_grupo, -- a sort key of 13 characters, as the result datasets declare it
                                               g.descricao::varchar descricao_grupo,
                                               (g.descricao || ' / ' || m.sigla)::varchar descricao_subgrupo,
                                               (CASE li.tipo_processo WHEN 'D' THEN 'Desossa' WHEN 'E' THEN 'Embutidos'
                                                     WHEN 'I' THEN 'Industrializados' WHEN 'T' THEN 'Quarteio' END)::varchar linha,
                                               li.descricao::varchar linha_producao,
                                               l.codigo_produto::varchar, l.sequencial_produto, l.descricao_produto::varchar,
                                               l.id_familia, fp.descricao::varchar familia,
                                               coalesce(l.id_processo, 0) id_processo, l.sequencia_processo,
                                               l.descricao_processo::varchar, l.gerar_resultado_custo,
                                               l.id_ordem_producao, l.id_contrato, 'R$'::varchar cifra, l.id_mercado,
                                               l.caixas, l.pecas, l.peso, l.peso_mp, l.valor_mp_gerado,
                                               l.valor_mp_gerado_ordem, l.peso_ordem, l.peso_familia,
                                               l.valor_insumo, l.valor_embalagem,
                                               l.valor_mp_ordem, el.valor valor_elaboracao_familia,
                                               CASE WHEN l.peso_mp > 0 THEN round(l.peso / l.peso_mp * 100, 3) ELSE 0 END rendimento,
                                               coalesce(l.rendimento_padrao, 0) rendimento_padrao,
                                               CASE WHEN l.peso_mp_familia > 0
                                                    THEN round(coalesce(l.rendimento_padrao, 0) * l.peso_mp / l.peso_mp_familia, 3)
                                                    ELSE 0 END rendimento_padrao_ponderado,
                                               l.preco, l.preco_original, l.preco_data_inicial, l.preco_data_final,
                                               coalesce(ref.preco_unitario, 0) preco_referencia,
                                               pkg_industrializado.preco_rateio(coalesce(x.criterio_rateio, l.b_criterio_rateio),
                                                                                l.preco_original, ref.preco_unitario) preco_rateio,
                                               CASE WHEN l.id_contrato IS NULL
                                                         AND coalesce(x.criterio_receita, l.b_criterio_receita) IS DISTINCT FROM 'M'
                                                    THEN coalesce(ref.preco_unitario, 0) ELSE l.preco END preco_unitario,
                                               coalesce(l.valor_servico, 0) valor_servico, l.valor_servico_kg,
                                               coalesce(x.mod, bl.mod_linha,
                                                        CASE li.tipo_processo WHEN 'D' THEN l.mod_desossa WHEN 'T' THEN l.mod_tendal
                                                             ELSE l.mod_industrializado END, 0) p_mod,
                                               coalesce(x.cif, bl.cif_linha,
                                                        CASE li.tipo_processo WHEN 'D' THEN l.cif_desossa WHEN 'T' THEN l.cif_tendal
                                                             ELSE l.cif_industrializado END, 0) p_cif,
                                               coalesce(x.icms_deb, 0) p_icms_deb, coalesce(x.icms_cre, 0) p_icms_cre,
                                               coalesce(x.pis_cofins, 0) p_pis_cofins,
                                               coalesce(x.outros_tributos, 0) p_outros_tributos,
                                               coalesce(x.seguro_carga, l.seguro_carga, 0) p_seguro_carga,
                                               coalesce(x.frete, l.frete, 0) p_frete,
                                               coalesce(x.processo_exportacao, l.processo_exportacao, 0) p_processo_exportacao,
                                               coalesce(x.despesa_exportacao, l.despesa_exportacao, 0) p_despesa_exportacao,
                                               coalesce(x.comissao, 0) p_comissao,
                                               coalesce(x.administrativo, bl.administrativo, l.administrativo, 0) p_administrativo,
                                               coalesce(x.criterio_receita, l.b_criterio_receita)::varchar criterio_receita,
                                               coalesce(x.criterio_rateio, l.b_criterio_rateio)::varchar criterio_rateio,
                                               l.usuario_restauracao_preco::varchar, l.data_restauracao_preco, l.preco_anterior
                                          FROM linha l
                                          LEFT JOIN velko_pcp.grupo g ON g.id_grupo = l.id_grupo
                                          LEFT JOIN velko_pcp.familia f ON f.id_familia = g.id_familia
                                          LEFT JOIN velko_pcp.familia fp ON fp.id_familia = l.id_familia
                                          LEFT JOIN velko_pcp.linha_producao li ON li.id_linha_producao = l.id_linha_producao
                                          LEFT JOIN velko_cst.mercado m ON m.id_mercado = l.id_mercado
                                          LEFT JOIN velko_cst.base_custo_linha bl
                                                 ON bl.id_base_custo = l.id_base_custo AND bl.id_linha = l.id_linha_producao
                                          LEFT JOIN velko_cst.base_custo_referencia ref
                                                 ON ref.id_base_custo = l.id_base_custo AND ref.id_produto = l.sequencial_produto
                                          LEFT JOIN elaboracao el ON el.id_industrial = l.id_industrial AND el.id_familia = l.id_familia
                                          LEFT JOIN pkg_base_custo.parametros(pkg_base_custo.bases(p_id_unidade, p_data_inicial, p_data_final)) x
                                                 ON x.id_base_custo = l.id_base_custo AND x.id_produto = l.sequencial_produto
                                                AND x.id_mercado = l.id_mercado) q
                                OFFSET 0) r
                        OFFSET 0) c
                OFFSET 0) t
        OFFSET 0) v
$$;

-- Weighted average cost per kilogram of the products a unit consumes as raw material at
-- average cost ("CMP"), on a day: the industrial cost over the weight of what the unit made of
-- each product in the thirty days before; without such production, the product's last average
-- cost; then the reference price of the day's set.
CREATE FUNCTION pkg_industrializado.custo_medio(p_id_unidade numeric, p_data timestamp, p_produtos numeric[])
RETURNS TABLE (sequencial_produto numeric, custo numeric)
LANGUAGE sql STABLE AS $$
    SELECT u.produto,
           coalesce(pr.custo,
                    (SELECT mp.preco FROM velko_cst.industrial_preco_mp mp
                       JOIN velko_cst.industrial i ON i.id_industrial = mp.id_industrial
                      WHERE i.id_unidade = p_id_unidade AND i.data < p_data::date
                        AND mp.id_produto = u.produto AND mp.codigo_metodo_custo_mp = 'CMP'
                      ORDER BY i.data DESC LIMIT 1),
                    (SELECT ref.preco_unitario FROM velko_cst.base_custo_referencia ref
                      WHERE ref.id_base_custo = (pkg_base_custo.base(p_id_unidade, p_data)).id_base_custo
                        AND ref.id_produto = u.produto),
                    0)
      FROM unnest(p_produtos) u(produto)
      LEFT JOIN (SELECT r.sequencial_produto, round(sum(r.custo_industrial) / sum(r.peso), 4) custo
                   FROM pkg_industrializado.linhas_resultado(p_id_unidade, p_data::date - 30, p_data::date - 1,
                            pkg_industrializado.registros(p_id_unidade, p_data::date - 30, p_data::date - 1)) r
                  WHERE r.sequencial_produto = ANY (p_produtos) AND r.peso > 0
                  GROUP BY r.sequencial_produto) pr ON pr.sequencial_produto = u.produto
$$;

-- Removes a production record with everything generated for it.
CREATE PROCEDURE pkg_industrializado.remove(p_id_industrial numeric)
LANGUAGE sql AS $$
    DELETE FROM velko_cst.ind_preco_historico h
     WHERE h.id_industrial_preco IN (SELECT ip.id_industrial_preco FROM velko_cst.industrial_preco ip
                                      WHERE ip.id_industrial = p_id_industrial);
    DELETE FROM velko_cst.industrial_preco_receita WHERE id_industrial = p_id_industrial;
    DELETE FROM velko_cst.industrial_produto_elaboracao WHERE id_industrial = p_id_industrial;
    DELETE FROM velko_cst.industrial_insumo WHERE id_industrial = p_id_industrial;
    DELETE FROM velko_cst.industrial_mp WHERE id_industrial = p_id_industrial;
    DELETE FROM velko_cst.industrial_produto WHERE id_industrial = p_id_industrial;
    DELETE FROM velko_cst.industrial_preco WHERE id_industrial = p_id_industrial;
    DELETE FROM velko_cst.industrial_preco_mp WHERE id_industrial = p_id_industrial;
    DELETE FROM velko_cst.industrial WHERE id_industrial = p_id_industrial;
$$;

CREATE PROCEDURE pkg_industrializado.integra(p_id_unidade numeric, p_data timestamp, p_atualiza_preco numeric,
                                             p_data_processamento timestamp)
LANGUAGE plpgsql AS $$
DECLARE
    b velko_cst.base_custo;
    per record;
    pp record;
    v_id numeric;
    v_dia date := p_data::date;
    v_mensal boolean;
    v_captura boolean := coalesce(p_atualiza_preco, 0) = 1;
    v_momento timestamp := coalesce(p_data_processamento, localtimestamp(0));
    v_aviso text;
    r record;
BEGIN
    CALL velko_cst.exige_nao_operador('gerar o custo');
    b := pkg_base_custo.base_obrigatoria(p_id_unidade, p_data);
    CALL pkg_base_custo.bloqueia(p_id_unidade, p_data);
    per := pkg_base_custo.periodo(p_id_unidade, p_data);
    pp := pkg_base_custo.periodo_preco(p_id_unidade, p_data);
    v_mensal := b.tipo_fechamento = 'M';
    CALL pkg_base_custo.recusa_fechado(p_id_unidade, per.data_inicial, per.data_final, false, true, false);

    FOR r IN SELECT i.id_industrial FROM velko_cst.industrial i
              WHERE i.id_unidade = p_id_unidade AND i.data BETWEEN per.data_inicial AND per.data_final
                AND i.data <> v_dia LOOP
        CALL pkg_industrializado.remove(r.id_industrial);
    END LOOP;
    SELECT i.id_industrial INTO v_id FROM velko_cst.industrial i WHERE i.id_unidade = p_id_unidade AND i.data = v_dia;
    IF v_id IS NULL THEN
        v_id := pkg_base_custo.novo_id(p_id_unidade);
        INSERT INTO velko_cst.industrial (id_industrial, id_unidade, data) VALUES (v_id, p_id_unidade, v_dia);
    END IF;
    UPDATE velko_cst.industrial SET msg_advertencia = NULL WHERE id_industrial = v_id;
    DELETE FROM velko_cst.industrial_preco_receita WHERE id_industrial = v_id;
    DELETE FROM velko_cst.industrial_produto_elaboracao WHERE id_industrial = v_id;
    DELETE FROM velko_cst.industrial_insumo WHERE id_industrial = v_id;
    DELETE FROM velko_cst.industrial_mp WHERE id_industrial = v_id;
    DELETE FROM velko_cst.industrial_produto WHERE id_industrial = v_id;

    CREATE TEMP TABLE IF NOT EXISTS tmp_ordem (id_tabela_pcp numeric, id_linha_producao numeric, id_familia numeric,
                                               primeiro_processo numeric) ON COMMIT DROP;
    DELETE FROM tmp_ordem;
    INSERT INTO tmp_ordem
    SELECT o.id_tabela_pcp, o.id_linha_producao, o.id_familia,
           (SELECT pr.id_processo FROM velko_pcp.producao pr
              LEFT JOIN velko_pcp.processo pc ON pc.id_processo = pr.id_processo
             WHERE pr.id_tabela_pcp = o.id_tabela_pcp
             ORDER BY pc.sequencia NULLS LAST LIMIT 1)
      FROM pkg_base_custo.ordens(p_id_unidade, per.data_inicial, per.data_final) o
     WHERE o.industrial;

    -- Raw material consumed: quarters weighed into deboning, at the cost of the slaughter they
    -- came from ('ABT'); bought input lots at their invoice price ('NFE'); other input lots at
    -- the weighted average cost ('CMP').
    CREATE TEMP TABLE IF NOT EXISTS tmp_mp (
        id_ordem_producao numeric, id_processo numeric, id_familia numeric, id_produto numeric,
        procedencia varchar, documento_origem varchar, quantidade numeric, peso numeric,
        codigo_metodo_custo_mp varchar, metodo_custo_mp varchar, preco numeric, data_consumo date,
        id_preco numeric) ON COMMIT DROP;
    DELETE FROM tmp_mp;
    INSERT INTO tmp_mp
    SELECT o.id_tabela_pcp, o.primeiro_processo, o.id_familia, pd.sequencial_produto, 'Abate próprio',
           'Abate ' || to_char(pd.data_abate, 'DD/MM/YYYY'), sum(pd.pecas), sum(pd.peso),
           'ABT', 'Custo do Abate',
           (SELECT q.custo_kg FROM velko_cst.abate_quartos q
              JOIN velko_cst.abate a ON a.id_abate = q.id_abate
             WHERE a.id_unidade = p_id_unidade AND q.sequencial_produto = pd.sequencial_produto
               AND a.data BETWEEN pd.data_abate::date
                              AND CASE WHEN v_mensal THEN (date_trunc('month', pd.data_abate) + interval '1 month - 1 day')::date
                                       ELSE pd.data_abate::date END
             ORDER BY a.data LIMIT 1),
           pd.data_abate::date, NULL::numeric
      FROM tmp_ordem o
      JOIN velko_pcp.ordem_producao op ON op.id_tabela_pcp = o.id_tabela_pcp
      JOIN velko_pec.pesagem_desossa pd ON pd.id_ordem_producao = op.id_ordem_producao
     GROUP BY o.id_tabela_pcp, o.primeiro_processo, o.id_familia, pd.sequencial_produto, pd.data_abate
    UNION ALL
    SELECT o.id_tabela_pcp, coalesce(le.id_processo, o.primeiro_processo), o.id_familia, le.sequencial_produto,
           CASE pl.origem WHEN 'C' THEN 'Compra de terceiros' WHEN 'T' THEN 'Transferência' ELSE 'Produção própria' END,
           coalesce(le.documento, 'Lote ' || le.id_lote_entrada), sum(le.quantidade), sum(le.peso),
           CASE WHEN pl.origem = 'C' THEN 'NFE' ELSE 'CMP' END,
           CASE WHEN pl.origem = 'C' THEN 'Nota Fiscal de Compra' ELSE 'Custo Médio Ponderado' END,
           CASE WHEN pl.origem = 'C' THEN max(le.valor_unitario) END,
           v_dia, NULL::numeric
      FROM tmp_ordem o
      JOIN velko_pcp.lote_entrada le ON le.id_tabela_pcp = o.id_tabela_pcp
      JOIN velko_pcp.parametro_lote pl ON pl.id_parametro_lote = le.id_parametro_lote
     GROUP BY o.id_tabela_pcp, coalesce(le.id_processo, o.primeiro_processo), o.id_familia, le.sequencial_produto,
              pl.origem, coalesce(le.documento, 'Lote ' || le.id_lote_entrada);
    -- Average costs of the day, once for the raw material and the production in elaboration.
    CREATE TEMP TABLE IF NOT EXISTS tmp_cmp (sequencial_produto numeric, custo numeric) ON COMMIT DROP;
    DELETE FROM tmp_cmp;
    INSERT INTO tmp_cmp
    SELECT * FROM pkg_industrializado.custo_medio(p_id_unidade, p_data, ARRAY(
        SELECT id_produto FROM tmp_mp WHERE codigo_metodo_custo_mp = 'CMP'
        UNION
        SELECT le.sequencial_produto FROM velko_pcp.tabela_pcp op
          JOIN velko_pcp.lote_entrada le ON le.id_tabela_pcp = op.id_tabela_pcp
         WHERE op.codigo_empresa = p_id_unidade AND op.situacao <> 'C'
           AND op.data_programacao BETWEEN per.data_inicial AND per.data_final));
    UPDATE tmp_mp t SET preco = c.custo
      FROM tmp_cmp c
     WHERE t.codigo_metodo_custo_mp = 'CMP' AND c.sequencial_produto = t.id_produto;

    -- Raw-material prices: a line keeps its price row; the stored price of a line costed by
    -- slaughter or invoice stays unless prices are captured again; average cost is always new.
    UPDATE tmp_mp t SET id_preco = mp.id_industrial_preco_mp
      FROM velko_cst.industrial_preco_mp mp
     WHERE mp.id_industrial = v_id AND mp.id_ordem_producao = t.id_ordem_producao
       AND mp.id_processo IS NOT DISTINCT FROM t.id_processo AND mp.id_produto = t.id_produto
       AND mp.codigo_metodo_custo_mp = t.codigo_metodo_custo_mp
       AND mp.documento_origem IS NOT DISTINCT FROM t.documento_origem;
    DELETE FROM velko_cst.industrial_preco_mp mp
     WHERE mp.id_industrial = v_id AND NOT EXISTS (SELECT 1 FROM tmp_mp t WHERE t.id_preco = mp.id_industrial_preco_mp);
    UPDATE velko_cst.industrial_preco_mp mp
       SET id_familia = t.id_familia, procedencia = t.procedencia, quantidade = t.quantidade, peso = t.peso,
           metodo_custo_mp = t.metodo_custo_mp, data_consumo = t.data_consumo, preco_original = coalesce(t.preco, 0),
           preco = CASE WHEN v_captura OR t.codigo_metodo_custo_mp = 'CMP' THEN coalesce(t.preco, 0) ELSE mp.preco END
      FROM tmp_mp t
     WHERE t.id_preco = mp.id_industrial_preco_mp;
    INSERT INTO velko_cst.industrial_preco_mp
           (id_industrial_preco_mp, id_industrial, id_familia, id_ordem_producao, id_processo, id_produto,
            procedencia, documento_origem, quantidade, peso, preco, preco_original, metodo_custo_mp, codigo_metodo_custo_mp,
            data_consumo)
    SELECT pkg_base_custo.novo_id(p_id_unidade), v_id, t.id_familia, t.id_ordem_producao, t.id_processo, t.id_produto,
           t.procedencia, t.documento_origem, t.quantidade, t.peso, coalesce(t.preco, 0), coalesce(t.preco, 0), t.metodo_custo_mp,
           t.codigo_metodo_custo_mp, t.data_consumo
      FROM tmp_mp t
     WHERE t.id_preco IS NULL;

    INSERT INTO velko_cst.industrial_mp (id_industrial, id_ordem_producao, id_processo, id_familia, id_produto, quantidade, peso)
    SELECT v_id, t.id_ordem_producao, t.id_processo, max(t.id_familia), t.id_produto, sum(t.quantidade), sum(t.peso)
      FROM tmp_mp t
     GROUP BY t.id_ordem_producao, t.id_processo, t.id_produto;

    -- Other inputs: the material requisitions of the orders.
    INSERT INTO velko_cst.industrial_insumo
           (id_industrial, id_ordem_producao, id_processo, id_familia, codigo_material, quantidade, valor_unitario)
    SELECT v_id, rq.id_tabela_pcp, rq.id_processo, o.id_familia, rq.codigo_material, sum(rq.quantidade),
           CASE WHEN sum(rq.quantidade) <> 0 THEN round(sum(rq.quantidade * rq.valor_unitario) / sum(rq.quantidade), 6) ELSE 0 END
      FROM tmp_ordem o
      JOIN velko_pcp.requisicao rq ON rq.id_tabela_pcp = o.id_tabela_pcp
     GROUP BY rq.id_tabela_pcp, rq.id_processo, o.id_familia, rq.codigo_material;

    -- Products made, with their packaging (CONSUMO), their share of the order's requisitions
    -- by weight (requisitions of no process over every process of the order) and the weight of
    -- raw material their process consumed.
    INSERT INTO velko_cst.industrial_produto
           (id_industrial, id_ordem_producao, id_processo, id_linha_producao, id_familia, sequencial_produto,
            id_mercado, id_contrato, caixas, pecas, peso, gerar_resultado_custo, peso_mp, rendimento_padrao,
            valor_embalagem, valor_insumo)
    SELECT v_id, y.id_tabela_pcp, y.id_processo, y.id_linha_producao, y.id_familia, y.sequencial_produto,
           y.id_mercado, y.id_ordem_venda, y.caixas, y.pecas, y.peso,
           coalesce(pc.gerar_resultado_custo, 1),
           coalesce(mp.peso, 0),
           y.rendimento_padrao,
           round(coalesce(e.valor, 0) * CASE WHEN sum(y.peso) OVER w > 0 THEN y.peso / sum(y.peso) OVER w
                                             ELSE 1.0 / count(*) OVER w END, 2),
           round(coalesce(ins.valor, 0)
                 * CASE WHEN sum(y.peso) OVER wp > 0 THEN y.peso / sum(y.peso) OVER wp ELSE 0 END
                 + coalesce(ino.valor, 0)
                 * CASE WHEN sum(y.peso) OVER wo > 0 THEN y.peso / sum(y.peso) OVER wo ELSE 0 END, 2)
      FROM (SELECT pr.id_tabela_pcp, pr.id_processo, o.id_linha_producao, o.id_familia, pr.sequencial_produto,
                   coalesce(pr.id_mercado, (SELECT min(m.id_mercado) FROM velko_cst.mercado m)) id_mercado,
                   pr.id_ordem_venda, sum(pr.caixas) caixas, sum(pr.pecas) pecas, sum(pr.peso) peso,
                   max(p.rendimento_padrao) rendimento_padrao
              FROM tmp_ordem o
              JOIN velko_pcp.producao pr ON pr.id_tabela_pcp = o.id_tabela_pcp
              JOIN velko_ven.produto p ON p.sequencial_produto = pr.sequencial_produto
             GROUP BY pr.id_tabela_pcp, pr.id_processo, o.id_linha_producao, o.id_familia, pr.sequencial_produto,
                      6, pr.id_ordem_venda) y
      LEFT JOIN velko_pcp.processo pc ON pc.id_processo = y.id_processo
      LEFT JOIN (SELECT t.id_ordem_producao, t.id_processo, sum(t.peso) peso
                   FROM tmp_mp t
                  GROUP BY t.id_ordem_producao, t.id_processo) mp
             ON mp.id_ordem_producao = y.id_tabela_pcp AND mp.id_processo IS NOT DISTINCT FROM y.id_processo
      LEFT JOIN (SELECT ii.id_ordem_producao, ii.id_processo, sum(ii.quantidade * ii.valor_unitario) valor
                   FROM velko_cst.industrial_insumo ii
                  WHERE ii.id_industrial = v_id
                  GROUP BY ii.id_ordem_producao, ii.id_processo) ins
             ON ins.id_ordem_producao = y.id_tabela_pcp AND ins.id_processo IS NOT DISTINCT FROM y.id_processo
      LEFT JOIN (SELECT ii.id_ordem_producao, sum(ii.quantidade * ii.valor_unitario) valor
                   FROM velko_cst.industrial_insumo ii
                  WHERE ii.id_industrial = v_id AND ii.id_processo IS NULL
                  GROUP BY ii.id_ordem_producao) ino
             ON ino.id_ordem_producao = y.id_tabela_pcp
      LEFT JOIN pkg_consumo.embalagem(p_id_unidade, v_dia) e
             ON e.id_ordem_producao = y.id_tabela_pcp AND e.sequencial_produto = y.sequencial_produto
            AND e.id_ordem_venda IS NOT DISTINCT FROM y.id_ordem_venda
    WINDOW w AS (PARTITION BY y.id_tabela_pcp, y.sequencial_produto, y.id_ordem_venda),
           wp AS (PARTITION BY y.id_tabela_pcp, y.id_processo),
           wo AS (PARTITION BY y.id_tabela_pcp);

    CALL pkg_industrializado.atualiza_precos(v_id, p_id_unidade, v_dia, b, pp.data_inicial, pp.data_final,
                                             v_captura, v_momento);

    -- Production still in elaboration on the day: the lots and requisitions of the unit's
    -- unfinished orders of the industrial lines programmed in the period.
    INSERT INTO velko_cst.industrial_produto_elaboracao
           (id_industrial, id_ordem_producao, id_produto, tipo, quantidade, unidade_medida, valor_unitario)
    SELECT v_id, op.id_tabela_pcp, le.sequencial_produto, 'M', sum(le.peso), 'KG',
           round(coalesce(max(cm.custo), max(le.valor_unitario), 0), 4)
      FROM velko_pcp.tabela_pcp op
      JOIN velko_cst.linha_industrial li ON li.id_linha = op.id_linha_producao
      JOIN velko_pcp.lote_entrada le ON le.id_tabela_pcp = op.id_tabela_pcp
      LEFT JOIN tmp_cmp cm ON cm.sequencial_produto = le.sequencial_produto
     WHERE op.codigo_empresa = p_id_unidade AND op.situacao <> 'C'
       AND op.data_programacao BETWEEN per.data_inicial AND per.data_final
     GROUP BY op.id_tabela_pcp, le.sequencial_produto
    UNION ALL
    SELECT v_id, op.id_tabela_pcp, rq.codigo_material, 'I', sum(rq.quantidade), max(m.codigo_unidade_medida),
           CASE WHEN sum(rq.quantidade) <> 0 THEN round(sum(rq.quantidade * rq.valor_unitario) / sum(rq.quantidade), 6) ELSE 0 END
      FROM velko_pcp.tabela_pcp op
      JOIN velko_cst.linha_industrial li ON li.id_linha = op.id_linha_producao
      JOIN velko_pcp.requisicao rq ON rq.id_tabela_pcp = op.id_tabela_pcp
      JOIN velko_mat.material m ON m.codigo_material = rq.codigo_material
     WHERE op.codigo_empresa = p_id_unidade AND op.situacao <> 'C'
       AND op.data_programacao BETWEEN per.data_inicial AND per.data_final
     GROUP BY op.id_tabela_pcp, rq.codigo_material;

    -- Inconsistencies the closing must not let through.
    SELECT string_agg(a.aviso, '; ' ORDER BY a.ordem, a.aviso) INTO v_aviso
      FROM (SELECT DISTINCT 1 ordem, 'OP ' || p.id_ordem_producao || ' sem matéria-prima' aviso
              FROM velko_cst.industrial_produto p
             WHERE p.id_industrial = v_id AND p.peso_mp = 0
            UNION
            SELECT DISTINCT 2, 'abate de ' || to_char(mp.data_consumo, 'DD/MM/YYYY') || ' sem custo gerado'
              FROM velko_cst.industrial_preco_mp mp
             WHERE mp.id_industrial = v_id AND mp.codigo_metodo_custo_mp = 'ABT' AND mp.preco = 0
            UNION
            SELECT DISTINCT 3, 'OP ' || mp.id_ordem_producao || ' com matéria-prima sem preço'
              FROM velko_cst.industrial_preco_mp mp
             WHERE mp.id_industrial = v_id AND mp.codigo_metodo_custo_mp <> 'ABT' AND mp.preco = 0) a;
    UPDATE velko_cst.industrial SET msg_advertencia = left(v_aviso, 255) WHERE id_industrial = v_id;

    IF NOT EXISTS (SELECT 1 FROM velko_cst.industrial_produto WHERE id_industrial = v_id)
       AND NOT EXISTS (SELECT 1 FROM velko_cst.industrial_produto_elaboracao WHERE id_industrial = v_id) THEN
        CALL pkg_industrializado.remove(v_id);
    ELSE
        -- the day and its month are read next: their reads find the day's rows kept
        CALL pkg_industrializado.guarda_resultado(p_id_unidade, v_dia, v_dia, ARRAY[v_id]);
    END IF;
END
$$;

-- Sale prices of a production record: each product row keeps its price row (same product,
-- market, contract, order and process); new rows, and every row when prices are captured,
-- take the captured average price; overwritten prices go to the history first. Then the
-- raw-material apportionment, the service values and the sales lines behind the prices.
CREATE PROCEDURE pkg_industrializado.atualiza_precos(p_id_industrial numeric, p_id_unidade numeric, p_dia date,
                                                     b velko_cst.base_custo, p_preco_inicial timestamp,
                                                     p_preco_final timestamp, p_captura boolean, p_momento timestamp)
LANGUAGE plpgsql AS $$
DECLARE
    v_inicio_receita date;
    v_receita_inicial timestamp;
    v_receita_final timestamp;
    v_sem_produto numeric[];
BEGIN
    UPDATE velko_cst.industrial_produto p
       SET id_industrial_preco = ip.id_industrial_preco
      FROM velko_cst.industrial_preco ip
     WHERE p.id_industrial = p_id_industrial AND ip.id_industrial = p_id_industrial
       AND ip.sequencial_produto = p.sequencial_produto
       AND ip.id_mercado IS NOT DISTINCT FROM p.id_mercado
       AND ip.id_contrato IS NOT DISTINCT FROM p.id_contrato
       AND ip.id_ordem_producao IS NOT DISTINCT FROM p.id_ordem_producao
       AND ip.id_processo IS NOT DISTINCT FROM p.id_processo;
    -- Price rows no product refers to any more go, with their history. The keys are gathered
    -- first and every delete goes by index: the planner cannot know a new record's row count
    -- until the table is analysed again, and a plan made for one row would scan a whole table
    -- once per price row.
    v_sem_produto := ARRAY(SELECT ip.id_industrial_preco FROM velko_cst.industrial_preco ip
                            WHERE ip.id_industrial = p_id_industrial
                              AND NOT EXISTS (SELECT 1 FROM velko_cst.industrial_produto p
                                               WHERE p.id_industrial = p_id_industrial
                                                 AND p.id_industrial_preco = ip.id_industrial_preco));
    DELETE FROM velko_cst.ind_preco_historico h WHERE h.id_industrial_preco = ANY (v_sem_produto);
    DELETE FROM velko_cst.industrial_preco ip WHERE ip.id_industrial_preco = ANY (v_sem_produto);

    CREATE TEMP TABLE IF NOT EXISTS tmp_preco_industrial (
        id_ordem_producao numeric, id_processo numeric, sequencial_produto numeric, id_mercado numeric,
        id_contrato numeric, id_preco numeric, preco numeric) ON COMMIT DROP;
    DELETE FROM tmp_preco_industrial;
    INSERT INTO tmp_preco_industrial
    SELECT p.id_ordem_producao, p.id_processo, p.sequencial_produto, p.id_mercado, p.id_contrato, p.id_industrial_preco,
           coalesce(CASE WHEN p.id_contrato IS NOT NULL
                         THEN pkg_base_custo.preco_contrato(p.id_contrato, p.sequencial_produto) END,
                    pm.preco,
                    (SELECT ip.preco FROM velko_cst.industrial_preco ip
                       JOIN velko_cst.industrial i ON i.id_industrial = ip.id_industrial
                      WHERE i.id_unidade = p_id_unidade AND i.data < p_dia
                        AND ip.sequencial_produto = p.sequencial_produto
                      ORDER BY i.data DESC LIMIT 1),
                    ref.preco_unitario, 0)
      FROM velko_cst.industrial_produto p
      LEFT JOIN pkg_base_custo.precos_medios(p_id_unidade, p_preco_inicial, p_preco_final) pm
             ON pm.sequencial_produto = p.sequencial_produto
      LEFT JOIN velko_cst.base_custo_referencia ref
             ON ref.id_base_custo = b.id_base_custo AND ref.id_produto = p.sequencial_produto
     WHERE p.id_industrial = p_id_industrial AND (p.id_industrial_preco IS NULL OR p_captura);

    IF p_captura THEN
        DELETE FROM velko_cst.ind_preco_historico h
         WHERE h.id_ind_preco_historico = ANY (ARRAY(SELECT ip.id_ind_preco_historico FROM velko_cst.industrial_preco ip
                                                      WHERE ip.id_industrial = p_id_industrial));
        INSERT INTO velko_cst.ind_preco_historico
               (id_ind_preco_historico, id_unidade, data_historico, data_geracao_custo, usuario_historico,
                id_industrial_preco, preco, preco_original, preco_data_inicial, preco_data_final)
        SELECT pkg_base_custo.novo_id(p_id_unidade), p_id_unidade, p_momento, p_dia, left(session_user, 30),
               ip.id_industrial_preco, ip.preco, ip.preco_original, ip.preco_data_inicial, ip.preco_data_final
          FROM velko_cst.industrial_preco ip
         WHERE ip.id_industrial = p_id_industrial;
        UPDATE velko_cst.industrial_preco ip
           SET preco = t.preco, preco_original = t.preco,
               preco_data_inicial = p_preco_inicial, preco_data_final = p_preco_final,
               id_ind_preco_historico = NULL, usuario_restauracao_preco = NULL,
               data_restauracao_preco = NULL, preco_anterior = NULL
          FROM tmp_preco_industrial t
         WHERE t.id_preco = ip.id_industrial_preco;
    END IF;

    INSERT INTO velko_cst.industrial_preco
           (id_industrial_preco, id_industrial, sequencial_produto, id_mercado, id_contrato, id_ordem_producao,
            id_processo, preco, preco_original, preco_data_inicial, preco_data_final)
    SELECT pkg_base_custo.novo_id(p_id_unidade), p_id_industrial, t.sequencial_produto, t.id_mercado, t.id_contrato,
           t.id_ordem_producao, t.id_processo, t.preco, t.preco, p_preco_inicial, p_preco_final
      FROM tmp_preco_industrial t
     WHERE t.id_preco IS NULL;
    UPDATE velko_cst.industrial_produto p
       SET id_industrial_preco = ip.id_industrial_preco
      FROM velko_cst.industrial_preco ip
     WHERE p.id_industrial = p_id_industrial AND p.id_industrial_preco IS NULL AND ip.id_industrial = p_id_industrial
       AND ip.sequencial_produto = p.sequencial_produto
       AND ip.id_mercado IS NOT DISTINCT FROM p.id_mercado
       AND ip.id_contrato IS NOT DISTINCT FROM p.id_contrato
       AND ip.id_ordem_producao IS NOT DISTINCT FROM p.id_ordem_producao
       AND ip.id_processo IS NOT DISTINCT FROM p.id_processo;

    -- Service charged per kilogram, refreshed into the service value.
    UPDATE velko_cst.industrial_preco ip
       SET valor_servico = round(ip.valor_servico_kg * p.peso, 2)
      FROM velko_cst.industrial_produto p
     WHERE p.id_industrial_preco = ip.id_industrial_preco AND ip.id_industrial = p_id_industrial
       AND ip.valor_servico_kg IS NOT NULL;

    CALL pkg_industrializado.rateia_materia_prima(p_id_industrial, b);

    SELECT p.data_inicio_receita INTO v_inicio_receita FROM velko_cst.parametros p WHERE p.id_unidade = p_id_unidade;
    DELETE FROM velko_cst.industrial_preco_receita WHERE id_industrial = p_id_industrial;
    SELECT min(ip.preco_data_inicial), max(ip.preco_data_final) INTO v_receita_inicial, v_receita_final
      FROM velko_cst.industrial_preco ip WHERE ip.id_industrial = p_id_industrial;
    IF p_dia >= coalesce(v_inicio_receita, p_dia) THEN
        INSERT INTO velko_cst.industrial_preco_receita
               (id_industrial, sequencial_produto, codigo_cliente, numero_pedido, data_faturamento,
                quantidade, valor_bruto, valor_liquido, desconto_contratual)
        SELECT p_id_industrial, r.sequencial_produto, r.codigo_cliente, r.numero_pedido, r.data_faturamento,
               r.quantidade, r.valor_bruto, r.valor_liquido, r.desconto_contratual
          FROM (SELECT DISTINCT ip.sequencial_produto, ip.preco_data_inicial, ip.preco_data_final
                  FROM velko_cst.industrial_preco ip
                 WHERE ip.id_industrial = p_id_industrial AND ip.id_contrato IS NULL) x
          JOIN pkg_base_custo.receita(p_id_unidade, NULL, v_receita_inicial, v_receita_final) r
            ON r.sequencial_produto = x.sequencial_produto
           AND r.data_faturamento BETWEEN x.preco_data_inicial AND x.preco_data_final;
    END IF;
END
$$;

-- Raw material each product bears at generation: the raw-material value of its order and
-- process apportioned by the product's weight valued at the apportionment price (the captured
-- average price under criterion 'M', the reference price otherwise, exceptions of the product
-- and group applied); by weight alone when that value is zero. The results keep each
-- product's share of the order's raw material at the prices of the moment they are read.
CREATE PROCEDURE pkg_industrializado.rateia_materia_prima(p_id_industrial numeric, b velko_cst.base_custo)
LANGUAGE sql AS $$
    UPDATE velko_cst.industrial_produto p
       SET valor_materia_prima = round(coalesce(mo.valor, 0)
                                       * CASE WHEN x.valor_ordem > 0 THEN x.peso * x.preco_rateio / x.valor_ordem
                                              WHEN x.peso_ordem > 0 THEN x.peso / x.peso_ordem ELSE 0 END, 4)
      FROM (SELECT y.*, sum(y.peso * y.preco_rateio) OVER w valor_ordem, sum(y.peso) OVER w peso_ordem
              FROM (SELECT p2.id_industrial_preco, p2.id_ordem_producao, p2.id_processo, p2.peso,
                           pkg_industrializado.preco_rateio(coalesce(par.criterio_rateio, b.criterio_rateio),
                                                            ip.preco_original, ref.preco_unitario) preco_rateio
                      FROM velko_cst.industrial_produto p2
                      JOIN velko_cst.industrial_preco ip ON ip.id_industrial_preco = p2.id_industrial_preco
                      JOIN velko_ven.produto pr ON pr.sequencial_produto = p2.sequencial_produto
                      LEFT JOIN velko_pcp.grupo g ON g.id_grupo = pr.id_grupo
                      LEFT JOIN velko_cst.base_custo_referencia ref
                             ON ref.id_base_custo = b.id_base_custo AND ref.id_produto = p2.sequencial_produto
                      LEFT JOIN pkg_base_custo.parametros(ARRAY[b.id_base_custo]) par
                             ON par.id_produto = p2.sequencial_produto AND par.id_mercado = p2.id_mercado
                     WHERE p2.id_industrial = p_id_industrial) y
            WINDOW w AS (PARTITION BY y.id_ordem_producao, y.id_processo)) x
      LEFT JOIN pkg_industrializado.materia_prima_ordem mo
             ON mo.id_industrial = p_id_industrial AND mo.id_ordem_producao = x.id_ordem_producao
            AND mo.id_processo IS NOT DISTINCT FROM x.id_processo
     WHERE p.id_industrial_preco = x.id_industrial_preco;
$$;

CREATE PROCEDURE pkg_industrializado.restaurar_preco_medio(p_id_unidade numeric, p_data timestamp,
                                                           p_data_processamento timestamp)
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
    CALL pkg_base_custo.recusa_fechado(p_id_unidade, per.data_inicial, per.data_final, false, true, false);

    DELETE FROM velko_cst.ind_preco_historico h
     WHERE h.id_unidade = p_id_unidade AND h.data_geracao_custo = v_dia AND h.data_historico = v_momento
       AND NOT EXISTS (SELECT 1 FROM velko_cst.industrial_preco ip WHERE ip.id_industrial_preco = h.id_industrial_preco);
    IF NOT EXISTS (SELECT 1 FROM velko_cst.ind_preco_historico h
                    WHERE h.id_unidade = p_id_unidade AND h.data_geracao_custo = v_dia AND h.data_historico = v_momento
                      AND NOT EXISTS (SELECT 1 FROM velko_cst.industrial_preco ip
                                       WHERE ip.id_ind_preco_historico = h.id_ind_preco_historico)) THEN
        RETURN;  -- nothing of the production was captured at that moment (or it was already undone)
    END IF;

    DELETE FROM velko_cst.ind_preco_historico h
     USING velko_cst.ind_preco_historico d
     WHERE d.id_unidade = p_id_unidade AND d.data_geracao_custo = v_dia AND d.data_historico = v_momento
       AND h.id_industrial_preco = d.id_industrial_preco AND h.data_historico > v_momento;
    UPDATE velko_cst.industrial_preco ip
       SET preco_anterior = ip.preco,
           preco = h.preco, preco_original = h.preco_original,
           preco_data_inicial = h.preco_data_inicial, preco_data_final = h.preco_data_final,
           id_ind_preco_historico = h.id_ind_preco_historico,
           usuario_restauracao_preco = left(session_user, 30),
           data_restauracao_preco = localtimestamp(0)
      FROM velko_cst.ind_preco_historico h
     WHERE h.id_unidade = p_id_unidade AND h.data_geracao_custo = v_dia AND h.data_historico = v_momento
       AND h.id_industrial_preco = ip.id_industrial_preco;

    FOR r IN SELECT DISTINCT i.id_industrial, i.data
               FROM velko_cst.industrial i
               JOIN velko_cst.industrial_preco ip ON ip.id_industrial = i.id_industrial
               JOIN velko_cst.ind_preco_historico h ON h.id_ind_preco_historico = ip.id_ind_preco_historico
              WHERE h.id_unidade = p_id_unidade AND h.data_geracao_custo = v_dia AND h.data_historico = v_momento LOOP
        CALL pkg_industrializado.rateia_materia_prima(r.id_industrial, pkg_base_custo.base(p_id_unidade, r.data));
    END LOOP;
    CALL pkg_base_custo.registra_log(p_id_unidade, p_data, session_user, localtimestamp(0),
        'Captura de preço médio da produção de ' || to_char(v_dia, 'DD/MM/YYYY') || ' feita em '
        || to_char(v_momento, 'DD/MM/YYYY HH24:MI:SS') || ' desfeita.');
END
$$;

-- Reprices the family's raw material costed at weighted average cost on the day.
CREATE PROCEDURE pkg_industrializado.atualiza_custo_medio_mp(p_id_unidade numeric, p_id_familia numeric, p_data timestamp)
LANGUAGE plpgsql AS $$
DECLARE
    v_id numeric;
    per record;
BEGIN
    CALL pkg_base_custo.bloqueia(p_id_unidade, p_data);
    per := pkg_base_custo.periodo(p_id_unidade, p_data);
    CALL pkg_base_custo.recusa_fechado(p_id_unidade, per.data_inicial, per.data_final, false, true, false);
    SELECT i.id_industrial INTO v_id FROM velko_cst.industrial i
     WHERE i.id_unidade = p_id_unidade AND i.data = p_data::date;
    IF NOT EXISTS (SELECT 1 FROM velko_cst.industrial_preco_mp mp
                    WHERE mp.id_industrial = v_id AND mp.id_familia = p_id_familia
                      AND mp.codigo_metodo_custo_mp = 'CMP') THEN
        RAISE EXCEPTION 'A família % não tem matéria-prima ao custo médio ponderado em %.',
            p_id_familia, to_char(p_data, 'DD/MM/YYYY') USING ERRCODE = 'VC001';
    END IF;
    UPDATE velko_cst.industrial_preco_mp mp
       SET preco = c.custo, data_consumo = p_data::date
      FROM pkg_industrializado.custo_medio(p_id_unidade, p_data,
               ARRAY(SELECT DISTINCT m2.id_produto FROM velko_cst.industrial_preco_mp m2
                      WHERE m2.id_industrial = v_id AND m2.id_familia = p_id_familia
                        AND m2.codigo_metodo_custo_mp = 'CMP')) c
     WHERE mp.id_industrial = v_id AND mp.id_familia = p_id_familia AND mp.codigo_metodo_custo_mp = 'CMP'
       AND mp.id_produto = c.sequencial_produto;
END
$$;
-- Operators may run it ("Obter CMP"), while the prices it writes are refused to them
-- (db/schema/96_operador.sql): it runs with the rights of velko_pacote, whose writes pass.
ALTER PROCEDURE pkg_industrializado.atualiza_custo_medio_mp(numeric, numeric, timestamp)
    SECURITY DEFINER SET search_path = public, pg_temp;
ALTER PROCEDURE pkg_industrializado.atualiza_custo_medio_mp(numeric, numeric, timestamp) OWNER TO velko_pacote;

-- The processes a closing or reopening names, checked against the day and one another. The
-- unit is the one of the records when the caller does not know it.
CREATE FUNCTION pkg_industrializado.processos_do_dia(p_data timestamp, p_id_unidade numeric, p_id_abate numeric,
                                                     p_id_industrial numeric, p_id_revenda numeric)
RETURNS TABLE (processo text, id numeric, id_unidade numeric, data date, data_fechamento timestamp)
LANGUAGE plpgsql STABLE AS $$
DECLARE
    r record;
    v_unidade numeric := p_id_unidade;
BEGIN
    FOR r IN SELECT 'abate' processo, a.id_abate id, a.id_unidade, a.data::date data, a.data_fechamento::timestamp data_fechamento, p_id_abate pedido
               FROM (SELECT 1) x LEFT JOIN velko_cst.abate a ON a.id_abate = p_id_abate WHERE p_id_abate IS NOT NULL
             UNION ALL
             SELECT 'produção', i.id_industrial, i.id_unidade, i.data::date, i.data_fechamento::timestamp, p_id_industrial
               FROM (SELECT 1) x LEFT JOIN velko_cst.industrial i ON i.id_industrial = p_id_industrial WHERE p_id_industrial IS NOT NULL
             UNION ALL
             SELECT 'revenda', v.id_revenda, v.id_unidade, v.data::date, v.data_fechamento::timestamp, p_id_revenda
               FROM (SELECT 1) x LEFT JOIN velko_cst.revenda v ON v.id_revenda = p_id_revenda WHERE p_id_revenda IS NOT NULL LOOP
        IF r.id IS NULL THEN
            RAISE EXCEPTION 'O registro % de % não existe.', r.pedido, r.processo USING ERRCODE = 'VC001';
        END IF;
        IF r.data <> p_data::date THEN
            RAISE EXCEPTION 'O registro de % informado é do dia %, não de %.', r.processo,
                to_char(r.data, 'DD/MM/YYYY'), to_char(p_data, 'DD/MM/YYYY') USING ERRCODE = 'VC001';
        END IF;
        v_unidade := coalesce(v_unidade, r.id_unidade);
        IF r.id_unidade <> v_unidade THEN
            RAISE EXCEPTION 'O registro de % informado é da unidade %, não da unidade %.', r.processo, r.id_unidade, v_unidade
                USING ERRCODE = 'VC001';
        END IF;
        processo := r.processo; id := r.id; id_unidade := r.id_unidade; data := r.data;
        data_fechamento := r.data_fechamento;
        RETURN NEXT;
    END LOOP;
    IF NOT FOUND AND v_unidade IS NULL THEN
        RETURN;
    END IF;
END
$$;

-- Closes the named processes of the day (those still open), after checking that nothing
-- before them is left open and that the production carries no warning. The by-products'
-- total result becomes the day's by-product value.
CREATE PROCEDURE pkg_industrializado.fechar_custo(p_data timestamp, p_id_unidade numeric, p_id_abate numeric,
                                                  p_id_industrial numeric, p_id_revenda numeric,
                                                  p_aproveitamento_kg numeric, p_resultado_geral numeric)
LANGUAGE plpgsql AS $$
DECLARE
    v_unidade numeric;
    v_abertos text;
    v_aviso text;
    v_anterior date;
BEGIN
    CALL velko_cst.exige_nao_operador('fechar o custo');
    SELECT min(x.id_unidade), string_agg(x.processo, ', ' ORDER BY x.processo) FILTER (WHERE x.data_fechamento IS NULL)
      INTO v_unidade, v_abertos
      FROM pkg_industrializado.processos_do_dia(p_data, p_id_unidade, p_id_abate, p_id_industrial, p_id_revenda) x;
    IF v_unidade IS NULL THEN
        RAISE EXCEPTION 'Não há abate, produção ou revenda de % para fechar.', to_char(p_data, 'DD/MM/YYYY')
            USING ERRCODE = 'VC001';
    END IF;
    IF v_abertos IS NULL THEN
        RAISE EXCEPTION 'O custo de % já está fechado.', to_char(p_data, 'DD/MM/YYYY') USING ERRCODE = 'VC001';
    END IF;
    CALL pkg_base_custo.bloqueia(v_unidade, p_data);
    -- Read again under the day's lock: a session that closed the day meanwhile has committed.
    SELECT string_agg(x.processo, ', ' ORDER BY x.processo) FILTER (WHERE x.data_fechamento IS NULL)
      INTO v_abertos
      FROM pkg_industrializado.processos_do_dia(p_data, p_id_unidade, p_id_abate, p_id_industrial, p_id_revenda) x;
    IF v_abertos IS NULL THEN
        RAISE EXCEPTION 'O custo de % já está fechado.', to_char(p_data, 'DD/MM/YYYY') USING ERRCODE = 'VC001';
    END IF;

    SELECT i.msg_advertencia INTO v_aviso FROM velko_cst.industrial i
     WHERE i.id_industrial = p_id_industrial AND i.data_fechamento IS NULL;
    IF v_aviso IS NOT NULL THEN
        RAISE EXCEPTION 'Não é possível processar fechamento: %', v_aviso USING ERRCODE = 'VC001';
    END IF;
    SELECT max(d) INTO v_anterior FROM (
        SELECT a.data::date d FROM velko_cst.abate a
         WHERE a.id_unidade = v_unidade AND a.data < p_data::date AND a.data_fechamento IS NULL
        UNION ALL
        SELECT i.data FROM velko_cst.industrial i
         WHERE i.id_unidade = v_unidade AND i.data < p_data::date AND i.data_fechamento IS NULL
        UNION ALL
        SELECT r.data FROM velko_cst.revenda r
         WHERE r.id_unidade = v_unidade AND r.data < p_data::date AND r.data_fechamento IS NULL) x;
    IF v_anterior IS NOT NULL THEN
        RAISE EXCEPTION 'Existem datas anteriores sem fechamento: feche primeiro o dia %.', to_char(v_anterior, 'DD/MM/YYYY')
            USING ERRCODE = 'VC001';
    END IF;

    UPDATE velko_cst.abate
       SET data_fechamento = localtimestamp(0), usuario_fechamento = left(session_user, 30),
           total_aproveitamento = coalesce(p_resultado_geral, total_aproveitamento)
     WHERE id_abate = p_id_abate AND data_fechamento IS NULL;
    UPDATE velko_cst.industrial
       SET data_fechamento = localtimestamp(0), usuario_fechamento = left(session_user, 30)
     WHERE id_industrial = p_id_industrial AND data_fechamento IS NULL;
    UPDATE velko_cst.revenda
       SET data_fechamento = localtimestamp(0), usuario_fechamento = left(session_user, 30)
     WHERE id_revenda = p_id_revenda AND data_fechamento IS NULL;

    CALL pkg_base_custo.registra_log(v_unidade, p_data, session_user, localtimestamp(0),
        'Fechamento do custo de ' || to_char(p_data, 'DD/MM/YYYY') || ': ' || v_abertos
        || CASE WHEN p_id_abate IS NOT NULL
                THEN '; resultado dos aproveitamentos ' || to_char(coalesce(p_resultado_geral, 0), 'FM999G999G990D00')
                     || ' (' || to_char(coalesce(p_aproveitamento_kg, 0), 'FM999G990D0000') || ' por kg)'
                ELSE '' END || '.');
END
$$;

-- Reopens the named processes of the day (those closed), when no later day is closed.
CREATE PROCEDURE pkg_industrializado.desfazer_fechamento_custo(p_data timestamp, p_id_unidade numeric, p_id_abate numeric,
                                                               p_id_industrial numeric, p_id_revenda numeric)
LANGUAGE plpgsql AS $$
DECLARE
    v_unidade numeric;
    v_fechados text;
    v_posterior date;
BEGIN
    CALL velko_cst.exige_nao_operador('reabrir o custo');
    SELECT min(x.id_unidade), string_agg(x.processo, ', ' ORDER BY x.processo) FILTER (WHERE x.data_fechamento IS NOT NULL)
      INTO v_unidade, v_fechados
      FROM pkg_industrializado.processos_do_dia(p_data, p_id_unidade, p_id_abate, p_id_industrial, p_id_revenda) x;
    IF v_unidade IS NULL THEN
        RAISE EXCEPTION 'Não há abate, produção ou revenda de % para reabrir.', to_char(p_data, 'DD/MM/YYYY')
            USING ERRCODE = 'VC001';
    END IF;
    IF v_fechados IS NULL THEN
        RAISE EXCEPTION 'O custo de % não está fechado.', to_char(p_data, 'DD/MM/YYYY') USING ERRCODE = 'VC001';
    END IF;
    CALL pkg_base_custo.bloqueia(v_unidade, p_data);
    -- Read again under the day's lock: a session that reopened the day meanwhile has committed.
    SELECT string_agg(x.processo, ', ' ORDER BY x.processo) FILTER (WHERE x.data_fechamento IS NOT NULL)
      INTO v_fechados
      FROM pkg_industrializado.processos_do_dia(p_data, p_id_unidade, p_id_abate, p_id_industrial, p_id_revenda) x;
    IF v_fechados IS NULL THEN
        RAISE EXCEPTION 'O custo de % não está fechado.', to_char(p_data, 'DD/MM/YYYY') USING ERRCODE = 'VC001';
    END IF;

    SELECT min(d) INTO v_posterior FROM (
        SELECT a.data::date d FROM velko_cst.abate a
         WHERE a.id_unidade = v_unidade AND a.data > p_data::date AND a.data_fechamento IS NOT NULL
        UNION ALL
        SELECT i.data FROM velko_cst.industrial i
         WHERE i.id_unidade = v_unidade AND i.data > p_data::date AND i.data_fechamento IS NOT NULL
        UNION ALL
        SELECT r.data FROM velko_cst.revenda r
         WHERE r.id_unidade = v_unidade AND r.data > p_data::date AND r.data_fechamento IS NOT NULL) x;
    IF v_posterior IS NOT NULL THEN
        RAISE EXCEPTION 'Existem fechamentos posteriores a esta data: reabra primeiro o dia %.', to_char(v_posterior, 'DD/MM/YYYY')
            USING ERRCODE = 'VC001';
    END IF;

    UPDATE velko_cst.abate SET data_fechamento = NULL, usuario_fechamento = NULL
     WHERE id_abate = p_id_abate AND data_fechamento IS NOT NULL;
    UPDATE velko_cst.industrial SET data_fechamento = NULL, usuario_fechamento = NULL
     WHERE id_industrial = p_id_industrial AND data_fechamento IS NOT NULL;
    UPDATE velko_cst.revenda SET data_fechamento = NULL, usuario_fechamento = NULL
     WHERE id_revenda = p_id_revenda AND data_fechamento IS NOT NULL;

    CALL pkg_base_custo.registra_log(v_unidade, p_data, session_user, localtimestamp(0),
        'Reabertura do custo de ' || to_char(p_data, 'DD/MM/YYYY') || ': ' || v_fechados || '.');
END
$$;

GRANT USAGE ON SCHEMA pkg_industrializado TO velko_user;
GRANT SELECT ON ALL TABLES IN SCHEMA pkg_industrializado TO velko_user;
GRANT USAGE ON TYPE pkg_industrializado.resultado TO velko_user;
GRANT EXECUTE ON ALL ROUTINES IN SCHEMA pkg_industrializado TO velko_user;
