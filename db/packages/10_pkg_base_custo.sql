-- Package pkg_base_custo: what every cost package shares.
--
--   base(unit, day)            the parameter set valid for the unit on the day
--   periodo(unit, day)         the days a generation covers: the day, or the month up to it
--                              when the set closes monthly (TIPO_FECHAMENTO 'M')
--   bloqueia(unit, day)        serialises generation and closing of one unit and period
--   novo_id(unit)              a key for the daily cost records, unique across the central and
--                              the unit databases (the unit is part of it)
--   parametros(...)            the rates of one product in one market, exceptions applied
--   receita(...)               the invoiced sales lines behind an average price
--   gera_log_custo(...)        records a generation in LOG_CUSTO
--   registra_log(...)          records any other event in LOG_CUSTO
--
-- Procedures never commit: they run inside the block the program sends.
-- A refusal of the packages, on their own rules, is raised with the SQLSTATE VC001 (the
-- program tells it from other errors by that code); the refusals of an operator are the
-- database's (db/schema/96_operador.sql).

CREATE SEQUENCE pkg_base_custo.sq_custo;

CREATE FUNCTION pkg_base_custo.base(p_id_unidade numeric, p_data timestamp)
RETURNS velko_cst.base_custo
LANGUAGE sql STABLE AS $$
    SELECT b.*
      FROM velko_cst.base_custo b
     WHERE b.id_unidade = p_id_unidade
       AND p_data::date BETWEEN b.data_inicial AND coalesce(b.data_final, p_data::date)
     ORDER BY b.data_inicial DESC
     LIMIT 1
$$;

-- The parameter set valid on the day, or an error naming the unit and the day.
CREATE FUNCTION pkg_base_custo.base_obrigatoria(p_id_unidade numeric, p_data timestamp)
RETURNS velko_cst.base_custo
LANGUAGE plpgsql STABLE AS $$
DECLARE
    b velko_cst.base_custo;
BEGIN
    b := pkg_base_custo.base(p_id_unidade, p_data);
    IF b.id_base_custo IS NULL THEN
        RAISE EXCEPTION 'Não existe base de custo da unidade % válida em %.',
            p_id_unidade, to_char(p_data, 'DD/MM/YYYY') USING ERRCODE = 'VC001';
    END IF;
    RETURN b;
END
$$;

CREATE FUNCTION pkg_base_custo.periodo(p_id_unidade numeric, p_data timestamp,
                                       OUT data_inicial timestamp, OUT data_final timestamp)
LANGUAGE sql STABLE AS $$
    SELECT CASE WHEN b.tipo_fechamento = 'M' THEN date_trunc('month', p_data::date) ELSE p_data::date END::timestamp,
           p_data::date::timestamp
      FROM (SELECT (pkg_base_custo.base(p_id_unidade, p_data)).tipo_fechamento) b
$$;

-- A transaction lock on (unit, first day of the period): a second session generating or
-- closing the same unit and period waits until the first one's transaction ends.
CREATE PROCEDURE pkg_base_custo.bloqueia(p_id_unidade numeric, p_data timestamp)
LANGUAGE plpgsql AS $$
DECLARE
    d timestamp := (pkg_base_custo.periodo(p_id_unidade, p_data)).data_inicial;
BEGIN
    PERFORM pg_advisory_xact_lock(p_id_unidade::int, (coalesce(d, p_data)::date - date '2000-01-01'));
END
$$;

CREATE FUNCTION pkg_base_custo.novo_id(p_id_unidade numeric)
RETURNS numeric
LANGUAGE sql VOLATILE AS $$
    SELECT p_id_unidade * 1000000000 + nextval('pkg_base_custo.sq_custo')
$$;

-- The parameter sets of a unit valid on some day of a range.
CREATE FUNCTION pkg_base_custo.bases(p_id_unidade numeric, p_data_inicial timestamp, p_data_final timestamp)
RETURNS numeric[]
LANGUAGE sql STABLE AS $$
    SELECT ARRAY(SELECT b.id_base_custo FROM velko_cst.base_custo b
                  WHERE b.id_unidade = p_id_unidade AND b.data_inicial <= p_data_final
                    AND (b.data_final IS NULL OR b.data_final >= p_data_inicial::date))
$$;

-- Rates of every product in every market under the given parameter sets. Each rate is taken
-- from the first of: the product's exception for the market (PRODUTO_MERCADO), the group's
-- exception (BASE_CUSTO_GRUPO with the group, for the market, then for every market), the
-- family's exception (the family with no group, for the market, then for every market), the
-- market (BASE_CUSTO_MERCADO). The family and group are the product's production group, or
-- for goods without one (resale) its material's family and group. Rates no level defines stay
-- empty here; callers complete them with the line and set values of their own area.
CREATE FUNCTION pkg_base_custo.parametros(p_bases numeric[])
RETURNS TABLE (id_base_custo numeric, id_produto numeric, id_mercado numeric,
               icms_deb numeric, icms_cre numeric, pis_cofins numeric, outros_tributos numeric,
               seguro_carga numeric, comissao numeric, frete numeric, despesa_exportacao numeric,
               processo_exportacao numeric, mod numeric, cif numeric, administrativo numeric,
               criterio_rateio varchar, criterio_receita varchar)
LANGUAGE sql STABLE AS $$
    SELECT b.id_base_custo, pr.sequencial_produto, m.id_mercado,
           coalesce(pm.icms_deb, gg.icms_deb, gt.icms_deb, fm.icms_deb, ft.icms_deb, bm.icms, 0),
           coalesce(pm.icms_cre, gg.icms_cre, gt.icms_cre, fm.icms_cre, ft.icms_cre, 0),
           coalesce(pm.pis_cofins, gg.pis_cofins, gt.pis_cofins, fm.pis_cofins, ft.pis_cofins, bm.pis_cofins, 0),
           coalesce(pm.outros_tributos, gg.outros_tributos, gt.outros_tributos, fm.outros_tributos, ft.outros_tributos,
                    bm.outros_tributos, 0),
           bm.seguro_carga,
           coalesce(pm.comissao, gg.comissao, gt.comissao, fm.comissao, ft.comissao, bm.comissao, 0),
           coalesce(pm.frete, gg.frete, gt.frete, fm.frete, ft.frete, bm.frete),
           coalesce(pm.despesa_exportacao, gg.despesa_exportacao, gt.despesa_exportacao, fm.despesa_exportacao,
                    ft.despesa_exportacao, bm.despesa_exportacao),
           coalesce(pm.processo_exportacao, gg.processo_exportacao, gt.processo_exportacao, fm.processo_exportacao,
                    ft.processo_exportacao, bm.processo_exportacao),
           coalesce(pm.mod, gg.mod, gt.mod, fm.mod, ft.mod),
           coalesce(pm.cif, gg.cif, gt.cif, fm.cif, ft.cif),
           coalesce(pm.administrativo, gg.administrativo, gt.administrativo, fm.administrativo, ft.administrativo),
           coalesce(pm.criterio_rateio, gg.criterio_rateio, gt.criterio_rateio, fm.criterio_rateio, ft.criterio_rateio)::varchar,
           coalesce(pm.criterio_receita, gg.criterio_receita, gt.criterio_receita, fm.criterio_receita,
                    ft.criterio_receita)::varchar
      FROM velko_cst.base_custo b
     CROSS JOIN velko_cst.mercado m
     CROSS JOIN (SELECT pr.sequencial_produto, coalesce(g.id_familia, mt.codigo_familia) familia,
                        coalesce(g.id_grupo, mt.codigo_grupo) grupo
                   FROM velko_ven.produto pr
                   LEFT JOIN velko_pcp.grupo g ON g.id_grupo = pr.id_grupo
                   LEFT JOIN velko_mat.material mt ON mt.codigo_material = pr.codigo_material) pr
      LEFT JOIN velko_cst.base_custo_mercado bm
             ON bm.id_base_custo = b.id_base_custo AND bm.id_mercado = m.id_mercado
      LEFT JOIN velko_cst.produto_mercado pm
             ON pm.id_base_custo = b.id_base_custo AND pm.id_produto = pr.sequencial_produto AND pm.id_mercado = m.id_mercado
      LEFT JOIN velko_cst.base_custo_grupo gg
             ON gg.id_base_custo = b.id_base_custo AND gg.codigo_familia = pr.familia AND gg.codigo_grupo = pr.grupo
            AND gg.id_mercado = m.id_mercado
      LEFT JOIN (SELECT * FROM velko_cst.base_custo_grupo WHERE id_mercado IS NULL) gt
             ON gt.id_base_custo = b.id_base_custo AND gt.codigo_familia = pr.familia AND gt.codigo_grupo = pr.grupo
      LEFT JOIN (SELECT * FROM velko_cst.base_custo_grupo WHERE codigo_grupo IS NULL) fm
             ON fm.id_base_custo = b.id_base_custo AND fm.codigo_familia = pr.familia AND fm.id_mercado = m.id_mercado
      LEFT JOIN (SELECT * FROM velko_cst.base_custo_grupo WHERE codigo_grupo IS NULL AND id_mercado IS NULL) ft
             ON ft.id_base_custo = b.id_base_custo AND ft.codigo_familia = pr.familia
     WHERE b.id_base_custo = ANY (p_bases)
$$;

-- Invoiced sales lines of a unit in a period (of one product, or of every product when the
-- product is null), valued as the price detail shows them: the delivered quantity (weight less
-- returns for goods sold by the kilogram, shipped units otherwise) at the item price, less the
-- promotional and the granted discounts, plus the item's IPI, rounded to cents; the net value
-- deducts the customer's contractual discount. A line with no quantity counts as one. The IPI
-- of the period's orders and the customers' discounts are gathered once, not line by line.
CREATE FUNCTION pkg_base_custo.receita(p_id_unidade numeric, p_sequencial_produto numeric,
                                       p_data_inicial timestamp, p_data_final timestamp)
RETURNS TABLE (sequencial_produto numeric, sequencial_pedido numeric, numero_pedido varchar,
               codigo_cliente numeric, data_faturamento timestamp, quantidade numeric,
               valor_bruto numeric, valor_liquido numeric, desconto_contratual numeric)
LANGUAGE sql STABLE AS $$
    SELECT v.sequencial_produto, v.sequencial_pedido, v.numero_pedido::varchar, v.codigo_cliente,
           v.data_faturamento, v.quantidade, v.valor_bruto,
           round(v.valor_bruto * (1 - v.desconto_contratual / 100), 2), v.desconto_contratual
      FROM (SELECT it.sequencial_produto, pd.sequencial_pedido, pd.numero_pedido, pd.codigo_cliente,
                   pd.data_faturamento,
                   CASE WHEN coalesce(CASE WHEN m.codigo_unidade_medida = 'KG' THEN it.quantidade_peso
                                           ELSE it.quantidade_expedido END, 0) = 0 THEN 1
                        ELSE CASE WHEN m.codigo_unidade_medida = 'KG' THEN it.quantidade_peso
                                  ELSE it.quantidade_expedido END
                   END quantidade,
                   round((CASE WHEN m.codigo_unidade_medida = 'KG'
                               THEN it.quantidade_peso - coalesce(it.quantidade_devolvida, 0)
                               ELSE it.quantidade_expedido END)
                         * it.valor_unitario
                         * (1 - coalesce(pd.desconto_promocional, 0) / 100)
                         * (1 - coalesce(pd.desconto_concedido, 0) / 100)
                         + coalesce(ipi.valor_ipi, 0), 2) valor_bruto,
                   coalesce(cd.desconto, 0) desconto_contratual
              FROM velko_ven.pedido pd
              JOIN velko_ven.item_pedido it ON it.sequencial_pedido = pd.sequencial_pedido
              JOIN velko_ven.produto pr ON pr.sequencial_produto = it.sequencial_produto
              JOIN velko_mat.material m ON m.codigo_material = pr.codigo_material
              LEFT JOIN (SELECT n.sequencial_pedido, sp.sequencial_produto, sum(sp.valor_ipi) valor_ipi
                           FROM velko_mat.nota_saida n
                           JOIN velko_ven.item_saida_produto sp ON sp.sequencial_nota_saida = n.sequencial_nota_saida
                          WHERE n.sequencial_pedido IN (SELECT p2.sequencial_pedido FROM velko_ven.pedido p2
                                                         WHERE p2.codigo_empresa = p_id_unidade
                                                           AND p2.data_faturamento BETWEEN p_data_inicial AND p_data_final)
                          GROUP BY n.sequencial_pedido, sp.sequencial_produto) ipi
                     ON ipi.sequencial_pedido = it.sequencial_pedido AND ipi.sequencial_produto = it.sequencial_produto
              LEFT JOIN (SELECT t.codigo_cliente, min(t.desconto_instrucao) desconto
                           FROM velko_ven.condicao_desconto t
                          GROUP BY t.codigo_cliente) cd ON cd.codigo_cliente = pd.codigo_cliente
             WHERE pd.codigo_empresa = p_id_unidade
               AND pd.situacao <> 'C'
               AND pd.data_faturamento BETWEEN p_data_inicial AND p_data_final
               AND (p_sequencial_produto IS NULL OR it.sequencial_produto = p_sequencial_produto)
               AND it.quantidade > 0) v
$$;

-- Average price of every product invoiced by the unit in the period: net value over quantity.
CREATE FUNCTION pkg_base_custo.precos_medios(p_id_unidade numeric, p_data_inicial timestamp, p_data_final timestamp)
RETURNS TABLE (sequencial_produto numeric, preco numeric)
LANGUAGE sql STABLE AS $$
    SELECT r.sequencial_produto, round(sum(r.valor_liquido) / sum(r.quantidade), 4)
      FROM pkg_base_custo.receita(p_id_unidade, NULL, p_data_inicial, p_data_final) r
     GROUP BY r.sequencial_produto
$$;

-- The period whose invoiced sales give the average price of a day: the set's fixed period
-- when it has one; otherwise, by the unit's method, the month up to the day before (2) or the
-- thirty days before the day (any other method).
CREATE FUNCTION pkg_base_custo.periodo_preco(p_id_unidade numeric, p_data timestamp,
                                             OUT data_inicial timestamp, OUT data_final timestamp)
LANGUAGE sql STABLE AS $$
    SELECT CASE WHEN b.preco_medio_inicial IS NOT NULL AND b.preco_medio_final IS NOT NULL THEN b.preco_medio_inicial
                WHEN p.preco_medio_metodo = 2 THEN date_trunc('month', p_data::date - 1)
                ELSE p_data::date - 30 END::timestamp,
           CASE WHEN b.preco_medio_inicial IS NOT NULL AND b.preco_medio_final IS NOT NULL THEN b.preco_medio_final
                ELSE p_data::date - 1 END::timestamp
      FROM (SELECT (pkg_base_custo.base(p_id_unidade, p_data)).*) b
      LEFT JOIN velko_cst.parametros p ON p.id_unidade = p_id_unidade
$$;

CREATE PROCEDURE pkg_base_custo.registra_log(p_id_unidade numeric, p_data timestamp, p_usuario text,
                                             p_data_historico timestamp, p_historico text)
LANGUAGE sql AS $$
    INSERT INTO velko_cst.log_custo (id_log_custo, id_unidade, data_custo, data_historico, usuario, historico)
    VALUES (pkg_base_custo.novo_id(p_id_unidade), p_id_unidade, p_data::date,
            coalesce(p_data_historico, localtimestamp(0)), left(coalesce(p_usuario, session_user), 30),
            left(p_historico, 2024))
$$;

CREATE PROCEDURE pkg_base_custo.gera_log_custo(p_id_unidade numeric, p_data timestamp, p_atualiza_preco numeric,
                                               p_operacao text, p_usuario text, p_data_processamento timestamp)
LANGUAGE plpgsql AS $$
DECLARE
    dia text := to_char(p_data, 'DD/MM/YYYY');
BEGIN
    CALL velko_cst.exige_nao_operador('gerar o custo');
    IF p_id_unidade IS NULL OR p_data IS NULL THEN
        RAISE EXCEPTION 'Unidade e data são obrigatórias para registrar a geração do custo.'
            USING ERRCODE = 'VC001';
    END IF;
    CALL pkg_base_custo.registra_log(p_id_unidade, p_data, p_usuario, p_data_processamento,
        CASE
            WHEN coalesce(p_operacao, 'G') <> 'G' THEN 'Operação ' || p_operacao || ' do custo de ' || dia || '.'
            WHEN p_atualiza_preco = 1 THEN 'Geração do custo de ' || dia || ' com captura e sobreposição do preço médio.'
            WHEN p_atualiza_preco = 0 THEN 'Geração do custo de ' || dia || ' mantendo os preços médios gravados.'
            ELSE 'Geração do custo de ' || dia || ' sem processos de abate, produção ou revenda na unidade.'
        END);
END
$$;

GRANT USAGE ON SCHEMA pkg_base_custo TO velko_user;
GRANT USAGE ON SEQUENCE pkg_base_custo.sq_custo TO velko_user;
GRANT EXECUTE ON ALL ROUTINES IN SCHEMA pkg_base_custo TO velko_user;

-- Production orders a generation of the period processes: the unit's finished ('C') and closed
-- orders. Orders of the cost system's industrial lines count on the date the set's
-- CRITERIO_DATA_OP names (programming 'P', otherwise closing); every other line of the unit is
-- a slaughter line, whose orders count on their programmed date.
CREATE FUNCTION pkg_base_custo.ordens(p_id_unidade numeric, p_data_inicial timestamp, p_data_final timestamp)
RETURNS TABLE (id_tabela_pcp numeric, id_linha_producao numeric, id_familia numeric, industrial boolean)
LANGUAGE sql STABLE AS $$
    SELECT op.id_tabela_pcp, op.id_linha_producao, op.id_familia, li.id_linha IS NOT NULL
      FROM velko_pcp.tabela_pcp op
      CROSS JOIN LATERAL (SELECT (pkg_base_custo.base(p_id_unidade, p_data_final)).criterio_data_op) b
      LEFT JOIN velko_cst.linha_industrial li ON li.id_linha = op.id_linha_producao
     WHERE op.codigo_empresa = p_id_unidade
       AND op.situacao = 'C'
       AND op.data_fechamento IS NOT NULL
       AND CASE WHEN li.id_linha IS NULL OR b.criterio_data_op = 'P' THEN op.data_programacao
                ELSE op.data_encerramento END BETWEEN p_data_inicial AND p_data_final
$$;
GRANT EXECUTE ON FUNCTION pkg_base_custo.ordens(numeric, timestamp, timestamp) TO velko_user;

-- Generation and the price undo never touch a closed period: an error names the process.
CREATE PROCEDURE pkg_base_custo.recusa_fechado(p_id_unidade numeric, p_data_inicial timestamp, p_data_final timestamp,
                                               p_abate boolean, p_industrial boolean, p_revenda boolean)
LANGUAGE plpgsql AS $$
DECLARE
    d timestamp;
BEGIN
    IF p_abate THEN
        SELECT min(a.data) INTO d FROM velko_cst.abate a
         WHERE a.id_unidade = p_id_unidade AND a.data BETWEEN p_data_inicial AND p_data_final
           AND a.data_fechamento IS NOT NULL;
        IF d IS NOT NULL THEN
            RAISE EXCEPTION 'O custo do abate de % está fechado. Reabra o dia para processá-lo novamente.', to_char(d, 'DD/MM/YYYY')
                USING ERRCODE = 'VC001';
        END IF;
    END IF;
    IF p_industrial THEN
        SELECT min(i.data) INTO d FROM velko_cst.industrial i
         WHERE i.id_unidade = p_id_unidade AND i.data BETWEEN p_data_inicial AND p_data_final
           AND i.data_fechamento IS NOT NULL;
        IF d IS NOT NULL THEN
            RAISE EXCEPTION 'O custo da produção de % está fechado. Reabra o dia para processá-lo novamente.', to_char(d, 'DD/MM/YYYY')
                USING ERRCODE = 'VC001';
        END IF;
    END IF;
    IF p_revenda THEN
        SELECT min(r.data) INTO d FROM velko_cst.revenda r
         WHERE r.id_unidade = p_id_unidade AND r.data BETWEEN p_data_inicial AND p_data_final
           AND r.data_fechamento IS NOT NULL;
        IF d IS NOT NULL THEN
            RAISE EXCEPTION 'O custo da revenda de % está fechado. Reabra o dia para processá-lo novamente.', to_char(d, 'DD/MM/YYYY')
                USING ERRCODE = 'VC001';
        END IF;
    END IF;
END
$$;
GRANT EXECUTE ON PROCEDURE pkg_base_custo.recusa_fechado(numeric, timestamp, timestamp, boolean, boolean, boolean) TO velko_user;

-- Net unit price of a product in a sales order: the price of production made to that order.
CREATE FUNCTION pkg_base_custo.preco_contrato(p_sequencial_pedido numeric, p_sequencial_produto numeric)
RETURNS numeric
LANGUAGE sql STABLE AS $$
    SELECT round(avg(it.valor_unitario
                     * (1 - coalesce(pd.desconto_promocional, 0) / 100)
                     * (1 - coalesce(pd.desconto_concedido, 0) / 100)
                     * (1 - coalesce((SELECT min(t.desconto_instrucao) FROM velko_ven.condicao_desconto t
                                       WHERE t.codigo_cliente = pd.codigo_cliente), 0) / 100)), 4)
      FROM velko_ven.pedido pd
      JOIN velko_ven.item_pedido it ON it.sequencial_pedido = pd.sequencial_pedido
     WHERE pd.sequencial_pedido = p_sequencial_pedido
       AND it.sequencial_produto = p_sequencial_produto
$$;

GRANT EXECUTE ON ALL ROUTINES IN SCHEMA pkg_base_custo TO velko_user;
