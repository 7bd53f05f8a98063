-- Demo data, part 4, on the central database: the generation history, the closed days, the
-- price edits and the captures that can be undone. psql variables: hoje.
\set ON_ERROR_STOP on
SET client_min_messages = warning;
SELECT set_config('demo.hoje', :'hoje', false);

DO $$
DECLARE
    v_hoje date := current_setting('demo.hoje')::date;
    v_inicio date := date_trunc('month', v_hoje - 61)::date;
    r record;
    d date;
    v_usuario text;
    v_editado date;
    v_desfeito date;
    v_kg numeric;
    v_total numeric;
BEGIN
    -- The generation history of every generated day and unit.
    FOR r IN SELECT DISTINCT x.id_unidade, x.data FROM (
                 SELECT id_unidade, data FROM velko_cst.abate UNION SELECT id_unidade, data FROM velko_cst.industrial
                 UNION SELECT id_unidade, data FROM velko_cst.revenda) x ORDER BY 2, 1 LOOP
        v_usuario := CASE WHEN extract(day FROM r.data)::int % 3 = 0 THEN 'GERENTE' ELSE 'ANALISTA' END;
        CALL pkg_base_custo.gera_log_custo(r.id_unidade, r.data, 1, 'G', v_usuario, r.data::date + 1 + time '06:40');
    END LOOP;

    -- Unit 1 closes every day up to three weeks ago; unit 2 its first month.
    FOR r IN SELECT x.id_unidade, x.data,
                    (SELECT a.id_abate FROM velko_cst.abate a WHERE a.id_unidade = x.id_unidade AND a.data = x.data) id_abate,
                    (SELECT i.id_industrial FROM velko_cst.industrial i WHERE i.id_unidade = x.id_unidade AND i.data = x.data) id_industrial,
                    (SELECT v.id_revenda FROM velko_cst.revenda v WHERE v.id_unidade = x.id_unidade AND v.data = x.data) id_revenda
               FROM (SELECT DISTINCT id_unidade, data FROM velko_cst.abate
                     UNION SELECT id_unidade, data FROM velko_cst.industrial) x
              WHERE (x.id_unidade = 1 AND x.data < v_hoje - 21)
                 OR (x.id_unidade = 2 AND x.data < date_trunc('month', v_inicio) + interval '1 month')
              ORDER BY x.id_unidade, x.data LOOP
        SELECT CASE WHEN sum(p.peso) > 0 THEN sum(p.resultado_total) / sum(p.peso) END, sum(p.resultado_total)
          INTO v_kg, v_total
          FROM pkg_abate.ppl_aproveitamento(r.id_unidade, r.data, r.data) p;
        CALL pkg_industrializado.fechar_custo(r.data::date, r.id_unidade, r.id_abate, r.id_industrial, r.id_revenda,
                                              v_kg, v_total);
    END LOOP;
    UPDATE velko_cst.abate SET usuario_fechamento = 'GERENTE' WHERE usuario_fechamento IS NOT NULL;
    UPDATE velko_cst.industrial SET usuario_fechamento = 'GERENTE' WHERE usuario_fechamento IS NOT NULL;
    UPDATE velko_cst.revenda SET usuario_fechamento = 'GERENTE' WHERE usuario_fechamento IS NOT NULL;
    UPDATE velko_cst.log_custo SET usuario = 'GERENTE' WHERE historico LIKE 'Fechamento%';

    -- Unit 1, the last two open days: prices edited by the analyst, then captured again the
    -- next morning (undoable); on the earlier of the two that capture was undone.
    SELECT max(data) INTO v_editado FROM velko_cst.industrial WHERE id_unidade = 1;
    SELECT max(data) INTO v_desfeito FROM velko_cst.industrial WHERE id_unidade = 1 AND data < v_editado;
    FOREACH d IN ARRAY ARRAY[v_desfeito, v_editado] LOOP
        UPDATE velko_cst.industrial_preco ip SET preco = round(ip.preco * 1.04, 2)
          FROM velko_cst.industrial i
         WHERE i.id_industrial = ip.id_industrial AND i.id_unidade = 1 AND i.data = d AND ip.sequencial_produto % 4 = 1;
        UPDATE velko_cst.abate_preco ap SET preco = round(ap.preco * 0.97, 2)
          FROM velko_cst.abate a
         WHERE a.id_abate = ap.id_abate AND a.id_unidade = 1 AND a.data = d AND ap.sequencial_produto % 3 = 1;
        CALL pkg_base_custo.gera_log_custo(1, d, 1, 'G', 'ANALISTA', d + 1 + time '10:15');
        CALL pkg_consumo.gera_consumo(1, d);
        CALL pkg_abate.integra(1, d, 1, d + 1 + time '10:15');
        CALL pkg_industrializado.integra(1, d, 1, d + 1 + time '10:15');
        CALL pkg_revenda.integra(1, d, 1);
    END LOOP;
    CALL pkg_abate.restaurar_preco_medio(1, v_desfeito, v_desfeito + 1 + time '10:15');
    CALL pkg_industrializado.restaurar_preco_medio(1, v_desfeito, v_desfeito + 1 + time '10:15');
    UPDATE velko_cst.abate_preco SET usuario_restauracao_preco = 'GERENTE' WHERE usuario_restauracao_preco IS NOT NULL;
    UPDATE velko_cst.industrial_preco SET usuario_restauracao_preco = 'GERENTE' WHERE usuario_restauracao_preco IS NOT NULL;
    UPDATE velko_cst.abate_preco_historico SET usuario_historico = 'ANALISTA';
    UPDATE velko_cst.ind_preco_historico SET usuario_historico = 'ANALISTA';
    UPDATE velko_cst.log_custo SET usuario = 'GERENTE' WHERE usuario NOT IN ('GERENTE', 'ANALISTA', 'OPERADOR');
END
$$;
