-- Package pkg_consumo: packaging consumed by the day's production.
--
-- gera_consumo(unit, day) rebuilds the unit's CONSUMO rows of the generation period (the day,
-- or the month up to it under monthly closing; the rows carry the generated day): for every
-- product made by a processed production order, each material of the product's technical sheet
-- (VELKO_PCP.FICHA_TECNICA) in the sheet's quantity per box ('CX'), per piece ('PC') or per
-- kilogram (any other base) times the boxes, pieces or kilograms made, at the material's
-- average cost. Refused when the slaughter or the production of the period is closed.

CREATE PROCEDURE pkg_consumo.gera_consumo(p_id_unidade numeric, p_data timestamp)
LANGUAGE plpgsql AS $$
DECLARE
    per record;
BEGIN
    CALL velko_cst.exige_nao_operador('gerar o custo');
    PERFORM pkg_base_custo.base_obrigatoria(p_id_unidade, p_data);
    CALL pkg_base_custo.bloqueia(p_id_unidade, p_data);
    per := pkg_base_custo.periodo(p_id_unidade, p_data);
    CALL pkg_base_custo.recusa_fechado(p_id_unidade, per.data_inicial, per.data_final, true, true, false);

    DELETE FROM velko_cst.consumo c
     WHERE c.id_unidade = p_id_unidade
       AND c.data BETWEEN per.data_inicial AND per.data_final;

    INSERT INTO velko_cst.consumo (id_unidade, data, id_tabela_pcp, id_ordem_producao, id_ordem_venda,
                                   sequencial_produto, codigo_material, quantidade, custo_unitario)
    SELECT p_id_unidade, p_data::date, NULL, pr.id_tabela_pcp, pr.id_ordem_venda, pr.sequencial_produto,
           f.codigo_material,
           round(sum(f.quantidade * CASE f.base WHEN 'CX' THEN pr.caixas WHEN 'PC' THEN pr.pecas ELSE pr.peso END), 4),
           max(coalesce(m.custo_medio, 0))
      FROM pkg_base_custo.ordens(p_id_unidade, per.data_inicial, per.data_final) o
      JOIN velko_pcp.producao pr ON pr.id_tabela_pcp = o.id_tabela_pcp
      JOIN velko_pcp.ficha_tecnica f ON f.sequencial_produto = pr.sequencial_produto
      JOIN velko_mat.material m ON m.codigo_material = f.codigo_material
     GROUP BY pr.id_tabela_pcp, pr.id_ordem_venda, pr.sequencial_produto, f.codigo_material;
END
$$;

-- The packaging value of the unit's consumption rows of a generated day, per production order,
-- product and sales order (what the slaughter and the production rows of the day bear).
CREATE FUNCTION pkg_consumo.embalagem(p_id_unidade numeric, p_data timestamp)
RETURNS TABLE (id_ordem_producao numeric, sequencial_produto numeric, id_ordem_venda numeric, valor numeric)
LANGUAGE sql STABLE AS $$
    SELECT c.id_ordem_producao, c.sequencial_produto, c.id_ordem_venda, sum(round(c.quantidade * c.custo_unitario, 2))
      FROM velko_cst.consumo c
     WHERE c.id_unidade = p_id_unidade AND c.data = p_data::date
     GROUP BY c.id_ordem_producao, c.sequencial_produto, c.id_ordem_venda
$$;

GRANT USAGE ON SCHEMA pkg_consumo TO velko_user;
GRANT EXECUTE ON ALL ROUTINES IN SCHEMA pkg_consumo TO velko_user;
