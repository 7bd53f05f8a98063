-- Demo data, part 2: the operational days of both units (slaughter lots, production orders
-- and what they made and consumed, sales orders, resale purchases), from the first day of the
-- month two months back to the day before hoje. Deterministic: every "random" figure is a hash
-- of its keys. psql variables: hoje (YYYY-MM-DD), escala (1 = the demo; n multiplies orders
-- and products a day).
\set ON_ERROR_STOP on
SET client_min_messages = warning;

-- A fraction in [0, 1) fixed by its key.
CREATE FUNCTION pg_temp.r(k text) RETURNS numeric
LANGUAGE sql IMMUTABLE AS $$ SELECT ('x' || substr(md5(k), 1, 8))::bit(32)::bigint / 4294967296.0 $$;
-- A value varying within ±spread of a base, fixed by its key.
CREATE FUNCTION pg_temp.v(base numeric, spread numeric, k text) RETURNS numeric
LANGUAGE sql IMMUTABLE AS $$ SELECT base * (1 - spread + 2 * spread * pg_temp.r(k)) $$;

\ir catalogo.sql

CREATE TEMP TABLE demo_param AS
SELECT :'hoje'::date hoje, date_trunc('month', :'hoje'::date - 61)::date inicio, greatest(:escala::int, 1) escala;
-- Keys of orders are spaced by passo, so that the orders of a day never run into the next
-- slot above scale 10 (up to 10 the keys, hence every hashed figure, stay as they are).
ALTER TABLE demo_param ADD passo int;
UPDATE demo_param SET passo = greatest(1, ceil(escala / 10.0))::int;

CREATE TEMP TABLE demo_dia AS
SELECT d::date dia, row_number() OVER (ORDER BY d)::int n
  FROM demo_param, generate_series(inicio, hoje - 1, interval '1 day') d
 WHERE extract(isodow FROM d) < 6;

CREATE TEMP TABLE demo_unidade (u int, bovinos int, suinos int, ordens_bov int, ordens_sui int);
INSERT INTO demo_unidade VALUES (1, 110, 320, 5, 4), (2, 160, 0, 6, 0);

-------------------------------------------------------------------------------------------------
-- Slaughter: purchase orders, reception, live and carcass weighings, settlements.
CREATE TEMP TABLE demo_oc AS
SELECT u.u, d.dia, d.n, g.genero, o.k,
       u.u * 1000000 + (d.n * 100 + (g.genero - 1) * 50) * p.passo + o.k id,
       CASE g.genero WHEN 1 THEN u.bovinos / u.ordens_bov ELSE u.suinos / u.ordens_sui END base_cab
  FROM demo_unidade u CROSS JOIN demo_dia d CROSS JOIN demo_param p
  CROSS JOIN (VALUES (1), (2)) g(genero)
  CROSS JOIN LATERAL generate_series(1, p.escala * CASE g.genero WHEN 1 THEN u.ordens_bov ELSE u.ordens_sui END) o(k)
 WHERE g.genero = 1 OR u.suinos > 0;
ALTER TABLE demo_oc ADD especie int, ADD cabecas int, ADD peso_cab numeric, ADD preco_kg numeric, ADD produtor int;
UPDATE demo_oc SET
    especie = CASE WHEN genero = 1 THEN 1 + (pg_temp.r('esp' || id) * 3)::int % 3 ELSE 4 + (pg_temp.r('esp' || id) < 0.1)::int END,
    cabecas = round(pg_temp.v(base_cab, 0.25, 'cab' || id)),
    produtor = CASE WHEN genero = 1 THEN 1 + (pg_temp.r('prod' || id) * 8)::int % 8 ELSE 9 + (pg_temp.r('prod' || id) * 4)::int % 4 END;
UPDATE demo_oc SET
    peso_cab = CASE especie WHEN 1 THEN pg_temp.v(282, 0.06, 'pc' || id) WHEN 2 THEN pg_temp.v(238, 0.06, 'pc' || id)
                            WHEN 3 THEN pg_temp.v(251, 0.06, 'pc' || id) WHEN 4 THEN pg_temp.v(89, 0.05, 'pc' || id)
                            ELSE pg_temp.v(131, 0.05, 'pc' || id) END,
    preco_kg = CASE WHEN genero = 1 THEN pg_temp.v(17.80 + 0.008 * n, 0.025, 'pr' || id) * CASE especie WHEN 2 THEN 0.94 ELSE 1 END
                    ELSE pg_temp.v(8.15 + 0.004 * n, 0.03, 'pr' || id) * CASE especie WHEN 5 THEN 0.85 ELSE 1 END END;

INSERT INTO velko_pec.ordem_compra_gado (id_ordem_compra_gado, codigo_empresa, data_compra, data_abate,
        id_entidade_proprietario, id_propriedade_rural, cabecas_compradas, preco_arroba, percentual_comissao)
SELECT id, u, dia - 4, dia, produtor, produtor, cabecas, round(preco_kg * 15, 2), CASE WHEN genero = 1 THEN 1.5 END
  FROM demo_oc;
INSERT INTO velko_pec.acerto (id_acerto, id_ordem_compra_gado, data_acerto, cancelado, encerrado, valor_total_acerto)
SELECT id, id, dia + 2, 0, CASE WHEN dia < (SELECT hoje - 3 FROM demo_param) THEN 1 ELSE 0 END,
       round(cabecas * peso_cab * preco_kg, 2)
  FROM demo_oc;
INSERT INTO velko_pec.pesagem_gado (id_pesagem_gado, data_pesagem, peso_bruto, tara, peso_liquido)
SELECT id, dia - 1, round(cabecas * peso_cab / CASE WHEN genero = 1 THEN 0.53 ELSE 0.78 END) + 14200, 14200,
       round(cabecas * peso_cab / CASE WHEN genero = 1 THEN 0.53 ELSE 0.78 END)
  FROM demo_oc;
INSERT INTO velko_pec.recebimento_gado (id_recebimento_gado, id_ordem_compra_gado, id_pesagem_gado, data_recebimento)
SELECT id, id, id, dia - 1 FROM demo_oc;
INSERT INTO velko_pec.item_recebimento_gado (id_item_recebimento_gado, id_recebimento_gado, id_especie_gado, sexo, quantidade)
SELECT id, id, especie, CASE WHEN especie IN (1, 4) THEN 'M' ELSE 'F' END, cabecas FROM demo_oc;
INSERT INTO velko_pec.lote_abate (id_lote_abate, data, id_ordem_compra_gado, numero_lote)
SELECT id, dia, id, k FROM demo_oc;
INSERT INTO velko_pec.lote_abate_curral SELECT id, id FROM demo_oc;
INSERT INTO velko_pec.lote_abate_preco (id_lote_abate_preco, id_lote_abate, id_classificacao_pesagem, id_tipificacao_gado,
                                        sexo, tipo_peso, quantidade, peso, preco, valor)
SELECT id * 2, id, u * 10 + especie, CASE WHEN genero = 2 THEN 3 WHEN pg_temp.r('tip' || id) < 0.3 THEN 1 ELSE 2 END,
       CASE WHEN especie IN (1, 4) THEN 'M' ELSE 'F' END, 'V', cabecas,
       round(cabecas * peso_cab / CASE WHEN genero = 1 THEN 0.53 ELSE 0.78 END), NULL, NULL
  FROM demo_oc
UNION ALL
SELECT id * 2 + 1, id, u * 10 + especie, CASE WHEN genero = 2 THEN 3 WHEN pg_temp.r('tip' || id) < 0.3 THEN 1 ELSE 2 END,
       CASE WHEN especie IN (1, 4) THEN 'M' ELSE 'F' END, 'M', cabecas, round(cabecas * peso_cab, 1),
       round(preco_kg, 4), round(round(cabecas * peso_cab, 1) * preco_kg, 2)
  FROM demo_oc;

-- The carcass weight of each unit, day and gender: what the production orders work from.
CREATE TEMP TABLE demo_carcaca AS
SELECT u, dia, n, genero, sum(round(cabecas * peso_cab, 1)) peso FROM demo_oc GROUP BY u, dia, n, genero;

-------------------------------------------------------------------------------------------------
-- Production orders. Each row of demo_op is one order: its line, family, what it starts from.
CREATE TEMP TABLE demo_op (id int, u int, dia date, n int, linha int, familia int, tipo text,
                           entrada numeric, situacao text, k int);
-- Offal orders of the slaughter lines, on the kill day.
INSERT INTO demo_op
SELECT c.u * 1000000 + (c.n * 1000 + c.genero * 100) * p.passo + k, c.u, c.dia, c.n, CASE WHEN c.u = 1 THEN 100 ELSE 200 END + c.genero,
       CASE c.genero WHEN 1 THEN 10 ELSE 11 END, CASE c.genero WHEN 1 THEN 'MB' ELSE 'MS' END,
       c.peso / p.escala, 'C', k
  FROM demo_carcaca c, demo_param p, generate_series(1, p.escala) k;
-- Deboning: half the hind and 40 % of the fore quarters, 70 % of the pig carcasses.
INSERT INTO demo_op
SELECT c.u * 1000000 + (c.n * 1000 + 300 + q.o * 20) * p.passo + k, c.u, c.dia, c.n, CASE WHEN c.u = 1 THEN 110 ELSE 210 END + 1,
       20, q.t, c.peso * q.f / p.escala, 'C', k
  FROM demo_carcaca c, demo_param p, generate_series(1, p.escala) k,
       (VALUES (1, 'CT', 0.48 * 0.5), (2, 'CD', 0.38 * 0.4)) q(o, t, f)
 WHERE c.genero = 1;
INSERT INTO demo_op
SELECT c.u * 1000000 + (c.n * 1000 + 400) * p.passo + k, c.u, c.dia, c.n, 112, 21, 'CS', c.peso * 0.7 / p.escala, 'C', k
  FROM demo_carcaca c, demo_param p, generate_series(1, p.escala) k WHERE c.genero = 2;
-- Unit 1: quartering 20 % of the cattle carcass; sausages, hamburgers, cooked and smoked goods.
INSERT INTO demo_op
SELECT c.u * 1000000 + (c.n * 1000 + 500) * p.passo + k, c.u, c.dia, c.n, 115, 50, 'QB', c.peso * 0.2 / p.escala, 'C', k
  FROM demo_carcaca c, demo_param p, generate_series(1, p.escala) k WHERE c.genero = 1 AND c.u = 1;
INSERT INTO demo_op
SELECT d.u * 1000000 + (d.n * 1000 + x.o * 10) * p.passo + k, d.u, d.dia, d.n, x.linha, x.familia, x.tipo,
       pg_temp.v(x.base, 0.15, 'op' || d.u || d.n || x.o || k), 'C', k
  FROM (SELECT u, dia, n FROM demo_carcaca WHERE genero = 1) d, demo_param p, generate_series(1, p.escala) k,
       (VALUES (1, 60, 113, 30, 'LG', 900.0), (1, 70, 114, 31, 'HB', 520.0), (1, 80, 114, 40, 'PR', 760.0),
               (2, 70, 214, 31, 'HB', 640.0)) x(u, o, linha, familia, tipo, base)
 WHERE x.u = d.u;
-- Sausage orders still in elaboration on the last two days.
INSERT INTO demo_op
SELECT 1000000 + (d.n * 1000 + 90) * p.passo + k, 1, d.dia, d.n, 113, 30, 'LG', pg_temp.v(600, 0.1, 'el' || d.n || k), 'E', k
  FROM demo_dia d, demo_param p, generate_series(1, p.escala) k
 WHERE d.n > (SELECT max(n) - 2 FROM demo_dia);

INSERT INTO velko_pcp.tabela_pcp (id_tabela_pcp, codigo_empresa, id_linha_producao, id_familia, situacao,
                                  data_programacao, data_encerramento, data_fechamento)
SELECT id, u, linha, familia, situacao, dia, CASE situacao WHEN 'C' THEN dia END, CASE situacao WHEN 'C' THEN dia END
  FROM demo_op;

-- What the orders made: every product of the order's kind, in its share of what the order
-- started from; half of a deboning order's contrafilé goes to the day's export contract.
CREATE TEMP TABLE demo_producao AS
SELECT o.id op, o.u, o.dia, o.n, o.tipo, p.seq, p.tipo ptipo,
       CASE WHEN o.tipo IN ('LG') AND p.tipo = 'LM' THEN 1131 WHEN o.tipo = 'LG' THEN 1132
            WHEN o.tipo = 'HB' AND o.u = 1 THEN 1141 WHEN o.tipo = 'HB' THEN 2141 WHEN o.tipo = 'PR' THEN 1142
            WHEN o.tipo = 'QB' THEN 1151 WHEN o.linha = 111 THEN 1111 WHEN o.linha = 211 THEN 2111
            WHEN o.linha = 112 THEN 1121 END processo,
       round(o.entrada * p.fator * pg_temp.v(1, 0.04, 'pp' || o.id || p.seq), 3) peso
  FROM demo_op o
  JOIN demo_produto p ON p.tipo = o.tipo
                      OR (o.tipo = 'CT' AND p.tipo = 'CA') OR (o.tipo = 'CD' AND p.tipo = 'CA')
                      OR (o.tipo = 'LG' AND p.tipo = 'LM') OR (o.tipo = 'PR' AND p.tipo = 'BC')
 WHERE o.situacao = 'C';
-- Products of the quartering and of the pig carcass count whole; the hind-quarter offcuts
-- and the fore-quarter ones split the aproveitamento shares.
UPDATE demo_producao SET peso = round(peso / 2, 3) WHERE ptipo = 'CA';
UPDATE demo_producao SET peso = round(peso * 0.995, 3) WHERE ptipo = 'QB';

INSERT INTO velko_pcp.producao (id_producao, id_tabela_pcp, id_processo, sequencial_produto, id_mercado, id_ordem_venda,
                                data, caixas, pecas, peso)
SELECT row_number() OVER (ORDER BY op, seq, m), op, processo, seq,
       CASE WHEN m = 2 THEN 2 WHEN u = 2 AND ptipo = 'CT' AND seq IN (2001, 2004) THEN 3 ELSE 1 END,
       CASE WHEN m = 2 THEN u * 100000 + (n + 100) * 100 + 99 END,
       dia,
       ceil(peso * CASE WHEN m = 2 THEN 0.5 WHEN seq = 2003 AND ptipo = 'CT' THEN 0.5 ELSE 1 END
            / CASE WHEN ptipo IN ('MB', 'MS') THEN 10 ELSE 20 END),
       CASE WHEN ptipo IN ('CT', 'CD', 'CS', 'MB', 'MS', 'QB') THEN ceil(peso / pg_temp.v(4.5, 0.3, 'pc' || seq)) END,
       round(peso * CASE WHEN seq = 2003 AND ptipo = 'CT' THEN 0.5 ELSE 1 END, 3)
  FROM demo_producao
  CROSS JOIN LATERAL (SELECT 1 m UNION ALL SELECT 2 WHERE seq = 2003 AND ptipo = 'CT') mm
 WHERE ptipo <> 'XX';

-- Inputs of the orders: quarters weighed into deboning (kill of the same day), own-production
-- lots at average cost, bought lots, material requisitions.
INSERT INTO velko_pcp.ordem_producao (id_ordem_producao, id_tabela_pcp, id_processo, quantidade_programada)
SELECT id, id, NULL, round(entrada) FROM demo_op WHERE tipo IN ('CT', 'CD', 'CS');
INSERT INTO velko_pec.pesagem_desossa (id_pesagem_desossa, id_ordem_producao, sequencial_produto, data_pesagem,
                                       data_abate, caixas, pecas, peso)
SELECT id, id, CASE tipo WHEN 'CT' THEN 5001 WHEN 'CD' THEN 5002 ELSE 5004 END, dia, dia, NULL,
       ceil(entrada / CASE tipo WHEN 'CS' THEN 44 WHEN 'CT' THEN 68 ELSE 54 END), round(entrada, 3)
  FROM demo_op WHERE tipo IN ('CT', 'CD', 'CS');
INSERT INTO velko_pcp.lote_entrada (id_lote_entrada, id_tabela_pcp, id_parametro_lote, id_processo, data,
                                    sequencial_produto, quantidade, peso, valor_unitario, documento)
SELECT row_number() OVER (ORDER BY o.id, l.seq), o.id, l.param, l.processo, o.dia, l.seq, NULL,
       round(o.entrada * l.f, 3), l.preco, CASE WHEN l.param = 2 THEN 'NF ' || (40000 + o.n * 7 + o.k) END
  FROM demo_op o
  JOIN (VALUES ('LG', 1131, 2107, 0.70, 1, NULL::numeric), ('LG', 1131, 2106, 0.30, 1, NULL),
               ('LG', 1132, 3001, 0.98, 1, NULL),
               ('HB', 1141, 2031, 0.82, 1, NULL), ('HB', 1141, 2106, 0.18, 2, 7.35),
               ('HB', 2141, 2031, 0.85, 1, NULL), ('HB', 2141, 2106, 0.15, 2, 7.35),
               ('PR', 1142, 2101, 0.62, 1, NULL), ('PR', 1142, 2105, 0.38, 1, NULL),
               ('QB', 1151, 5005, 1.00, 1, NULL)) l(tipo, processo, seq, f, param, preco)
    ON l.tipo = o.tipo AND (o.tipo <> 'HB' OR (l.processo / 1000 = o.u));
INSERT INTO velko_pcp.requisicao (id_requisicao, id_tabela_pcp, id_processo, data, codigo_material, quantidade, valor_unitario)
SELECT row_number() OVER (ORDER BY o.id, r.material), o.id, r.processo, o.dia, r.material,
       round(o.entrada * r.f, 3), m.custo_medio
  FROM demo_op o
  JOIN (VALUES ('LG', 1131, 201, 0.012), ('LG', 1131, 202, 0.015), ('LG', 1132, 301, 2.2),
               ('HB', NULL, 203, 0.010), ('PR', 1142, 204, 0.08), ('PR', NULL, 202, 0.01)) r(tipo, processo, material, f)
    ON r.tipo = o.tipo
  JOIN velko_mat.material m ON m.codigo_material = r.material
 WHERE o.tipo <> 'HB' OR r.processo IS NULL;

-- Condemnations on slaughter and deboning orders.
INSERT INTO velko_pcp.movimento_condenacao (id_movimento_condenacao, id_tabela_pcp, sequencial_produto,
                                            id_motivo_condenacao, quantidade, data)
SELECT row_number() OVER (ORDER BY p.op, p.seq), p.op, p.seq, 1 + (pg_temp.r('mc' || p.op || p.seq) * 4)::int % 4,
       1 + (pg_temp.r('mq' || p.op || p.seq) * 6)::int, p.dia
  FROM demo_producao p
 WHERE p.ptipo IN ('MB', 'MS', 'CT', 'CD') AND pg_temp.r('mv' || p.op || p.seq) < 0.25;

-------------------------------------------------------------------------------------------------
-- Sales: each day from thirty days before the first demo day, orders of the customers with
-- the goods of the units; an export order a day for the contracts of contrafilé.
CREATE TEMP TABLE demo_venda_dia AS
SELECT d::date dia, row_number() OVER (ORDER BY d)::int - 45 n
  FROM demo_param p, generate_series(p.inicio - 44, p.hoje - 1, interval '1 day') d
 WHERE extract(isodow FROM d) < 6;
UPDATE demo_venda_dia v SET n = d.n FROM demo_dia d WHERE d.dia = v.dia;

CREATE TEMP TABLE demo_item AS
SELECT u.u, v.dia, v.n, p.seq, p.preco, p.tipo, k,
       u.u * 100000 + (v.n + 100) * 100 + (pg_temp.r('ped' || u.u || v.dia || p.seq || k) * 20)::int pedido
  FROM (VALUES (1), (2)) u(u) CROSS JOIN demo_venda_dia v CROSS JOIN demo_produto p CROSS JOIN demo_param pa
  CROSS JOIN generate_series(1, pa.escala) k
 WHERE p.tipo NOT IN ('LM', 'XX') AND (u.u = 1 OR p.tipo IN ('MB', 'CT', 'CD', 'CA', 'HB'))
   AND pg_temp.r('vende' || u.u || v.dia || p.seq || k) < 0.8;
INSERT INTO velko_ven.pedido (sequencial_pedido, numero_pedido, codigo_empresa, codigo_cliente, id_mercado,
                              data_pedido, data_faturamento, situacao, desconto_concedido, desconto_promocional)
SELECT pedido, 'PV' || u || '-' || lpad((pedido % 100000)::text, 6, '0'), u,
       1 + (pg_temp.r('cli' || pedido) * 18)::int % 18, 1, dia - 2, dia,
       CASE WHEN pg_temp.r('canc' || pedido) < 0.03 THEN 'C' ELSE 'F' END,
       CASE WHEN pg_temp.r('dc' || pedido) < 0.3 THEN 2 ELSE 0 END,
       CASE WHEN pg_temp.r('dp' || pedido) < 0.1 THEN 5 ELSE 0 END
  FROM (SELECT DISTINCT u, dia, pedido FROM demo_item) x
UNION ALL
SELECT u * 100000 + (n + 100) * 100 + 99, 'EX' || u || '-' || lpad(((n + 100) * 100 + 99)::text, 6, '0'), u, 19, 2,
       dia - 20, dia, 'F', 0, 0
  FROM (VALUES (1), (2)) u(u) CROSS JOIN demo_venda_dia;
INSERT INTO velko_ven.item_pedido (sequencial_item_pedido, sequencial_pedido, sequencial_produto, quantidade,
                                   quantidade_peso, quantidade_expedido, quantidade_devolvida, valor_unitario)
SELECT row_number() OVER (ORDER BY pedido, seq, k), pedido, seq, q, q, ceil(q / 20), CASE WHEN pg_temp.r('dev' || pedido || seq) < 0.04 THEN round(q * 0.05, 3) ELSE 0 END,
       round(pg_temp.v(preco * (1 + 0.0008 * n), 0.06, 'vu' || pedido || seq || k), 4)
  FROM (SELECT i.*, round(pg_temp.v(CASE WHEN tipo = 'RV' THEN 60 WHEN tipo IN ('MB', 'MS') THEN 180 ELSE 240 END, 0.5,
                                    'q' || pedido || seq || k), 3) q FROM demo_item i) x
UNION ALL
SELECT 9000000 + row_number() OVER (ORDER BY u, n), u * 100000 + (n + 100) * 100 + 99, 2003, 2400, 2400, 120, 0,
       round(pg_temp.v(52.40, 0.03, 'exp' || u || n), 4)
  FROM (VALUES (1), (2)) u(u) CROSS JOIN demo_venda_dia;

-- Resale purchases: a weekly invoice of every good from its supplier.
INSERT INTO velko_mat.nota_entrada (sequencial_nota_entrada, codigo_empresa, numero_nota, data_entrada,
                                    id_entidade_fornecedor, uf_origem)
SELECT v.n + 100, 1, (15300 + v.n)::text, v.dia, 13 + (v.n % 4), CASE v.n % 4 WHEN 2 THEN 'SP' ELSE 'MG' END
  FROM demo_venda_dia v WHERE extract(isodow FROM v.dia) = 1;
INSERT INTO velko_mat.item_nota_entrada (sequencial_item_nota_entrada, sequencial_nota_entrada, sequencial_produto,
        caixas, peso, valor_mercadoria, valor_frete_despesas, valor_ipi, valor_icms_st, credito_icms,
        credito_icms_st, credito_ipi, credito_pis_cofins)
SELECT row_number() OVER (ORDER BY n.sequencial_nota_entrada, p.seq), n.sequencial_nota_entrada, p.seq,
       ceil(q / 12), q, round(q * c, 2), round(q * c * 0.025, 2), CASE WHEN p.seq IN (7005, 7006) THEN round(q * c * 0.04, 2) END,
       CASE WHEN p.seq = 7005 THEN round(q * c * 0.06, 2) END, round(q * c * 0.12, 2),
       CASE WHEN p.seq = 7005 THEN round(q * c * 0.06, 2) END, CASE WHEN p.seq IN (7005, 7006) THEN round(q * c * 0.04, 2) END,
       round(q * c * 0.0925, 2)
  FROM velko_mat.nota_entrada n CROSS JOIN demo_produto p
  CROSS JOIN LATERAL (SELECT round(pg_temp.v(400, 0.3, 'nf' || n.sequencial_nota_entrada || p.seq), 3) q,
                             round(pg_temp.v(p.fator, 0.04, 'nfc' || n.sequencial_nota_entrada || p.seq), 4) c) x
 WHERE p.tipo = 'RV';
