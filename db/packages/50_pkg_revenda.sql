-- Package pkg_revenda: the result of goods bought for resale (see db/COSTING.md).
--
--   integra(unit, day, capture)          rebuilds the period's resale results
--   ppl_resultado(unit, first, last)     the goods sold with purchase cost, taxes, expenses, result

-- The goods sold in the range with their figures; each level computes its figures once (OFFSET 0
-- keeps it from being folded into the next, which would repeat its expressions).
CREATE FUNCTION pkg_revenda.ppl_resultado(p_id_unidade numeric, p_data_inicial timestamp, p_data_final timestamp)
RETURNS TABLE (
    id_revenda_preco numeric, id_revenda numeric, id_unidade numeric, data oracle.date,
    codigo_familia numeric, familia varchar, codigo_grupo numeric, grupo varchar,
    documento varchar, codigo_fornecedor numeric, nome_fornecedor varchar,
    codigo_produto varchar, sequencial_produto numeric, descricao_produto varchar,
    cifra varchar, id_mercado numeric, caixas numeric, peso numeric,
    preco numeric, preco_original numeric, preco_data_inicial oracle.date, preco_data_final oracle.date,
    preco_unitario numeric, preco_total numeric,
    valor_mercadoria numeric, valor_frete_despesas numeric, valor_ipi numeric, valor_icms_st numeric,
    credito_icms numeric, credito_icms_st numeric, credito_ipi numeric, credito_pis_cofins numeric,
    valor_acrescimo numeric, valor_embalagem numeric, valor_mod numeric, valor_cif numeric,
    valor_icms numeric, valor_pis_cofins numeric, valor_outros_tributos numeric,
    valor_seguro_carga numeric, valor_frete numeric, valor_processo_exportacao numeric,
    valor_despesa_exportacao numeric, valor_comissao numeric, valor_administrativo numeric,
    custo_compra numeric, custo_revenda numeric, custo_impostos numeric, custo_despesas numeric,
    custo_total numeric, resultado_total numeric,
    valor_mercadoria_kg numeric, valor_frete_despesas_kg numeric, valor_ipi_kg numeric, valor_icms_st_kg numeric,
    credito_icms_kg numeric, credito_icms_st_kg numeric, credito_ipi_kg numeric, credito_pis_cofins_kg numeric,
    valor_acrescimo_kg numeric, valor_embalagem_kg numeric, valor_mod_kg numeric, valor_cif_kg numeric,
    valor_icms_kg numeric, valor_pis_cofins_kg numeric, valor_outros_tributos_kg numeric,
    valor_seguro_carga_kg numeric, valor_frete_kg numeric, valor_processo_exportacao_kg numeric,
    valor_despesa_exportacao_kg numeric, valor_comissao_kg numeric, valor_administrativo_kg numeric,
    custo_compra_kg numeric, custo_revenda_kg numeric, custo_impostos_kg numeric, custo_despesas_kg numeric,
    custo_total_kg numeric, resultado_total_kg numeric, margem_resultado numeric,
    p_mod_revenda numeric, p_cif_revenda numeric, p_icms_deb numeric, p_pis_cofins numeric,
    p_outros_tributos numeric, p_seguro_carga numeric, p_frete numeric, p_processo_exportacao numeric,
    p_despesa_exportacao numeric, p_comissao numeric, p_administrativo numeric)
LANGUAGE plpgsql STABLE
SET plan_cache_mode = force_generic_plan
AS $$
#variable_conflict use_column
BEGIN
RETURN QUERY
SELECT v.id_revenda_preco, v.id_revenda, v.id_unidade, v.data,
       v.codigo_familia, v.familia, v.codigo_grupo, v.grupo,
       v.documento, v.codigo_fornecedor, v.nome_fornecedor,
       v.codigo_produto, v.sequencial_produto, v.descricao_produto,
       v.cifra, v.id_mercado, v.caixas, v.peso,
       v.preco, v.preco_original, v.preco_data_inicial, v.preco_data_final,
       v.preco, v.preco_total,
       v.valor_mercadoria, v.valor_frete_despesas, v.valor_ipi, v.valor_icms_st,
       v.credito_icms, v.credito_icms_st, v.credito_ipi, v.credito_pis_cofins,
       v.valor_acrescimo, v.valor_embalagem, v.valor_mod, v.valor_cif,
       v.valor_icms, v.valor_pis_cofins, v.valor_outros_tributos,
       v.valor_seguro_carga, v.valor_frete, v.valor_processo_exportacao,
       v.valor_despesa_exportacao, v.valor_comissao, v.valor_administrativo,
       v.custo_compra, v.custo_revenda, v.custo_impostos, v.custo_despesas,
       v.custo_revenda + v.custo_impostos + v.custo_despesas,
       v.preco_total - (v.custo_revenda + v.custo_impostos + v.custo_despesas),
       pkg_abate.por_kg(v.valor_mercadoria, v.peso), pkg_abate.por_kg(v.valor_frete_despesas, v.peso),
       pkg_abate.por_kg(v.valor_ipi, v.peso), pkg_abate.por_kg(v.valor_icms_st, v.peso),
       pkg_abate.por_kg(v.credito_icms, v.peso), pkg_abate.por_kg(v.credito_icms_st, v.peso),
       pkg_abate.por_kg(v.credito_ipi, v.peso), pkg_abate.por_kg(v.credito_pis_cofins, v.peso),
       pkg_abate.por_kg(v.valor_acrescimo, v.peso), pkg_abate.por_kg(v.valor_embalagem, v.peso),
       pkg_abate.por_kg(v.valor_mod, v.peso), pkg_abate.por_kg(v.valor_cif, v.peso),
       pkg_abate.por_kg(v.valor_icms, v.peso), pkg_abate.por_kg(v.valor_pis_cofins, v.peso),
       pkg_abate.por_kg(v.valor_outros_tributos, v.peso), pkg_abate.por_kg(v.valor_seguro_carga, v.peso),
       pkg_abate.por_kg(v.valor_frete, v.peso), pkg_abate.por_kg(v.valor_processo_exportacao, v.peso),
       pkg_abate.por_kg(v.valor_despesa_exportacao, v.peso), pkg_abate.por_kg(v.valor_comissao, v.peso),
       pkg_abate.por_kg(v.valor_administrativo, v.peso),
       pkg_abate.por_kg(v.custo_compra, v.peso), pkg_abate.por_kg(v.custo_revenda, v.peso),
       pkg_abate.por_kg(v.custo_impostos, v.peso), pkg_abate.por_kg(v.custo_despesas, v.peso),
       pkg_abate.por_kg(v.custo_revenda + v.custo_impostos + v.custo_despesas, v.peso),
       pkg_abate.por_kg(v.preco_total - (v.custo_revenda + v.custo_impostos + v.custo_despesas), v.peso),
       CASE WHEN v.preco_total <> 0
            THEN round((v.preco_total - (v.custo_revenda + v.custo_impostos + v.custo_despesas)) / v.preco_total * 100, 2)
            ELSE 0 END,
       v.p_mod, v.p_cif, v.p_icms_deb, v.p_pis_cofins, v.p_outros_tributos, v.p_seguro_carga, v.p_frete,
       v.p_processo_exportacao, v.p_despesa_exportacao, v.p_comissao, v.p_administrativo
  FROM (SELECT c.*,
               c.custo_compra + c.valor_embalagem + c.valor_mod + c.valor_cif custo_revenda,
               c.valor_icms + c.valor_pis_cofins + c.valor_outros_tributos custo_impostos,
               c.valor_seguro_carga + c.valor_frete + c.valor_processo_exportacao + c.valor_despesa_exportacao
                 + c.valor_comissao + c.valor_administrativo custo_despesas
          FROM (SELECT r.*,
                       r.valor_mercadoria + r.valor_frete_despesas + r.valor_ipi + r.valor_icms_st + r.valor_acrescimo
                         - r.credito_icms - r.credito_icms_st - r.credito_ipi - r.credito_pis_cofins custo_compra,
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
                       round(r.peso * r.p_administrativo, 2) valor_administrativo
                  FROM (SELECT rv.id_revenda, rv.id_unidade, rv.data, rp.id_revenda_preco,
                               p.codigo_familia, mf.nome::varchar familia, p.codigo_grupo, mg.nome::varchar grupo,
                               p.documento::varchar, p.codigo_fornecedor, en.nome::varchar nome_fornecedor,
                               pr.codigo_produto::varchar, p.sequencial_produto, pr.descricao::varchar descricao_produto,
                               'R$'::varchar cifra, p.id_mercado, p.caixas, p.peso,
                               rp.preco, rp.preco_original, rp.preco_data_inicial, rp.preco_data_final,
                               round(rp.preco * p.peso, 2) preco_total,
                               p.valor_mercadoria, p.valor_frete_despesas, p.valor_ipi, p.valor_icms_st,
                               p.credito_icms, p.credito_icms_st, p.credito_ipi, p.credito_pis_cofins,
                               p.valor_acrescimo, p.valor_embalagem,
                               coalesce(x.mod, b.mod_revenda, 0) p_mod,
                               coalesce(x.cif, b.cif_revenda, 0) p_cif,
                               coalesce(x.icms_deb, 0) p_icms_deb, coalesce(x.icms_cre, 0) p_icms_cre, coalesce(x.pis_cofins, 0) p_pis_cofins,
                               coalesce(x.outros_tributos, 0) p_outros_tributos,
                               coalesce(x.seguro_carga, b.seguro_carga, 0) p_seguro_carga,
                               coalesce(x.frete, b.frete, 0) p_frete,
                               coalesce(x.processo_exportacao, b.processo_exportacao, 0) p_processo_exportacao,
                               coalesce(x.despesa_exportacao, b.despesa_exportacao, 0) p_despesa_exportacao,
                               coalesce(x.comissao, 0) p_comissao,
                               coalesce(x.administrativo, b.administrativo, 0) p_administrativo
                          FROM velko_cst.revenda rv
                          JOIN velko_cst.revenda_produto p ON p.id_revenda = rv.id_revenda
                          JOIN velko_cst.revenda_preco rp ON rp.id_revenda = p.id_revenda AND rp.sequencial_produto = p.sequencial_produto
                                                         AND rp.id_mercado IS NOT DISTINCT FROM p.id_mercado
                          JOIN velko_cst.base_custo b ON b.id_base_custo = (pkg_base_custo.base(rv.id_unidade, rv.data)).id_base_custo
                          JOIN velko_ven.produto pr ON pr.sequencial_produto = p.sequencial_produto
                          LEFT JOIN velko_mat.familia mf ON mf.codigo_familia = p.codigo_familia
                          LEFT JOIN velko_mat.grupo mg ON mg.codigo_familia = p.codigo_familia AND mg.codigo_grupo = p.codigo_grupo
                          LEFT JOIN velko_ven.entidade en ON en.id_entidade = p.codigo_fornecedor
                          LEFT JOIN pkg_base_custo.parametros(pkg_base_custo.bases(p_id_unidade, p_data_inicial, p_data_final)) x
                                         ON x.id_base_custo = b.id_base_custo AND x.id_produto = p.sequencial_produto
                                        AND x.id_mercado = p.id_mercado
                         WHERE rv.id_unidade = p_id_unidade
                           AND rv.data BETWEEN p_data_inicial AND p_data_final
                        OFFSET 0) r
                OFFSET 0) c
        OFFSET 0) v;
END
$$;

CREATE PROCEDURE pkg_revenda.remove(p_id_revenda numeric)
LANGUAGE sql AS $$
    DELETE FROM velko_cst.revenda_produto WHERE id_revenda = p_id_revenda;
    DELETE FROM velko_cst.revenda_preco WHERE id_revenda = p_id_revenda;
    DELETE FROM velko_cst.revenda WHERE id_revenda = p_id_revenda;
$$;

-- The goods of the resale categories the unit invoiced in the period, each valued at its
-- latest purchase invoice up to the day. A closed resale period is left as it stands: its
-- results stay frozen while the other processes of the day are generated.
CREATE PROCEDURE pkg_revenda.integra(p_id_unidade numeric, p_data timestamp, p_atualiza_preco numeric)
LANGUAGE plpgsql AS $$
DECLARE
    b velko_cst.base_custo;
    per record;
    pp record;
    v_id numeric;
    v_dia date := p_data::date;
    v_captura boolean := coalesce(p_atualiza_preco, 0) = 1;
    r record;
BEGIN
    CALL velko_cst.exige_nao_operador('gerar o custo');
    b := pkg_base_custo.base_obrigatoria(p_id_unidade, p_data);
    CALL pkg_base_custo.bloqueia(p_id_unidade, p_data);
    per := pkg_base_custo.periodo(p_id_unidade, p_data);
    pp := pkg_base_custo.periodo_preco(p_id_unidade, p_data);
    IF EXISTS (SELECT 1 FROM velko_cst.revenda rv
                WHERE rv.id_unidade = p_id_unidade AND rv.data BETWEEN per.data_inicial AND per.data_final
                  AND rv.data_fechamento IS NOT NULL) THEN
        RAISE NOTICE 'Revenda de % fechada: resultado mantido.', to_char(p_data, 'DD/MM/YYYY');
        RETURN;
    END IF;

    FOR r IN SELECT rv.id_revenda FROM velko_cst.revenda rv
              WHERE rv.id_unidade = p_id_unidade AND rv.data BETWEEN per.data_inicial AND per.data_final
                AND rv.data <> v_dia LOOP
        CALL pkg_revenda.remove(r.id_revenda);
    END LOOP;
    SELECT rv.id_revenda INTO v_id FROM velko_cst.revenda rv WHERE rv.id_unidade = p_id_unidade AND rv.data = v_dia;
    IF v_id IS NULL THEN
        v_id := pkg_base_custo.novo_id(p_id_unidade);
        INSERT INTO velko_cst.revenda (id_revenda, id_unidade, data) VALUES (v_id, p_id_unidade, v_dia);
    END IF;
    DELETE FROM velko_cst.revenda_produto WHERE id_revenda = v_id;

    INSERT INTO velko_cst.revenda_produto
           (id_revenda, sequencial_produto, codigo_familia, codigo_grupo, id_mercado, caixas, peso,
            documento, codigo_fornecedor, valor_mercadoria, valor_frete_despesas, valor_ipi, valor_icms_st,
            credito_icms, credito_icms_st, credito_ipi, credito_pis_cofins, valor_acrescimo, valor_embalagem)
    SELECT v_id, s.sequencial_produto, s.codigo_familia, s.codigo_grupo, s.id_mercado, s.caixas, s.peso,
           nf.numero_nota, nf.id_entidade_fornecedor,
           round(s.peso * coalesce(nf.mercadoria_kg, 0), 2),
           round(s.peso * coalesce(nf.frete_despesas_kg, 0), 2),
           round(s.peso * coalesce(nf.ipi_kg, 0), 2),
           round(s.peso * coalesce(nf.icms_st_kg, 0), 2),
           round(s.peso * coalesce(nf.credito_icms_kg, 0), 2),
           round(s.peso * coalesce(nf.credito_icms_st_kg, 0), 2),
           round(s.peso * coalesce(nf.credito_ipi_kg, 0), 2),
           round(s.peso * coalesce(nf.credito_pis_cofins_kg, 0), 2),
           0, 0
      FROM (SELECT it.sequencial_produto, m.codigo_familia, m.codigo_grupo,
                   (SELECT min(mc.id_mercado) FROM velko_cst.mercado mc) id_mercado,
                   sum(coalesce(it.quantidade_expedido, it.quantidade)) caixas,
                   sum(coalesce(it.quantidade_peso, 0) - coalesce(it.quantidade_devolvida, 0)) peso
              FROM velko_ven.pedido pd
              JOIN velko_ven.item_pedido it ON it.sequencial_pedido = pd.sequencial_pedido
              JOIN velko_ven.produto pr ON pr.sequencial_produto = it.sequencial_produto
              JOIN velko_mat.material m ON m.codigo_material = pr.codigo_material
              JOIN velko_cst.categoria_revenda cr ON cr.codigo_familia = m.codigo_familia
                                                 AND (cr.codigo_grupo = m.codigo_grupo OR cr.codigo_grupo IS NULL)
             WHERE pd.codigo_empresa = p_id_unidade AND pd.situacao <> 'C'
               AND pd.data_faturamento BETWEEN per.data_inicial AND per.data_final
             GROUP BY it.sequencial_produto, m.codigo_familia, m.codigo_grupo) s
      LEFT JOIN LATERAL (
            SELECT ne.numero_nota, ne.id_entidade_fornecedor,
                   i.valor_mercadoria / i.peso mercadoria_kg,
                   i.valor_frete_despesas / i.peso frete_despesas_kg, i.valor_ipi / i.peso ipi_kg,
                   i.valor_icms_st / i.peso icms_st_kg, i.credito_icms / i.peso credito_icms_kg,
                   i.credito_icms_st / i.peso credito_icms_st_kg, i.credito_ipi / i.peso credito_ipi_kg,
                   i.credito_pis_cofins / i.peso credito_pis_cofins_kg
              FROM velko_mat.nota_entrada ne
              JOIN velko_mat.item_nota_entrada i ON i.sequencial_nota_entrada = ne.sequencial_nota_entrada
             WHERE ne.codigo_empresa = p_id_unidade AND i.sequencial_produto = s.sequencial_produto
               AND ne.data_entrada <= per.data_final AND i.peso > 0
             ORDER BY ne.data_entrada DESC, ne.sequencial_nota_entrada DESC
             LIMIT 1) nf ON true
     WHERE s.peso > 0;

    IF NOT EXISTS (SELECT 1 FROM velko_cst.revenda_produto WHERE id_revenda = v_id) THEN
        CALL pkg_revenda.remove(v_id);
        RETURN;
    END IF;

    -- Each good keeps its price row (same good and market); rows of goods no longer sold go.
    DELETE FROM velko_cst.revenda_preco rp
     WHERE rp.id_revenda = v_id
       AND NOT EXISTS (SELECT 1 FROM velko_cst.revenda_produto p
                        WHERE p.id_revenda = v_id AND p.sequencial_produto = rp.sequencial_produto
                          AND p.id_mercado IS NOT DISTINCT FROM rp.id_mercado);

    CREATE TEMP TABLE IF NOT EXISTS tmp_preco_revenda (
        sequencial_produto numeric, id_mercado numeric, id_preco numeric, preco numeric) ON COMMIT DROP;
    DELETE FROM tmp_preco_revenda;
    INSERT INTO tmp_preco_revenda
    SELECT p.sequencial_produto, p.id_mercado, rp.id_revenda_preco,
           coalesce(pm.preco,
                    (SELECT rp2.preco FROM velko_cst.revenda_preco rp2
                       JOIN velko_cst.revenda rv ON rv.id_revenda = rp2.id_revenda
                      WHERE rv.id_unidade = p_id_unidade AND rv.data < v_dia
                        AND rp2.sequencial_produto = p.sequencial_produto
                      ORDER BY rv.data DESC LIMIT 1),
                    ref.preco_unitario, 0)
      FROM velko_cst.revenda_produto p
      LEFT JOIN velko_cst.revenda_preco rp ON rp.id_revenda = v_id AND rp.sequencial_produto = p.sequencial_produto
                                          AND rp.id_mercado IS NOT DISTINCT FROM p.id_mercado
      LEFT JOIN pkg_base_custo.precos_medios(p_id_unidade, pp.data_inicial, pp.data_final) pm
             ON pm.sequencial_produto = p.sequencial_produto
      LEFT JOIN velko_cst.base_custo_referencia ref
             ON ref.id_base_custo = b.id_base_custo AND ref.id_produto = p.sequencial_produto
     WHERE p.id_revenda = v_id AND (rp.id_revenda_preco IS NULL OR v_captura);

    UPDATE velko_cst.revenda_preco rp
       SET preco = t.preco, preco_original = t.preco,
           preco_data_inicial = pp.data_inicial, preco_data_final = pp.data_final
      FROM tmp_preco_revenda t
     WHERE t.id_preco = rp.id_revenda_preco;
    INSERT INTO velko_cst.revenda_preco (id_revenda_preco, id_revenda, sequencial_produto, id_mercado, preco,
                                         preco_original, preco_data_inicial, preco_data_final)
    SELECT pkg_base_custo.novo_id(p_id_unidade), v_id, t.sequencial_produto, t.id_mercado, t.preco, t.preco,
           pp.data_inicial, pp.data_final
      FROM tmp_preco_revenda t
     WHERE t.id_preco IS NULL;
END
$$;

GRANT USAGE ON SCHEMA pkg_revenda TO velko_user;
GRANT EXECUTE ON ALL ROUTINES IN SCHEMA pkg_revenda TO velko_user;
