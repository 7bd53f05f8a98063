-- Demo data, part 1: the master data both databases share (units, parameter sets, products,
-- lines, customers, suppliers, price tables). Deterministic. psql variable: hoje (the day the
-- demo ends before, YYYY-MM-DD).
\set ON_ERROR_STOP on
SET client_min_messages = warning;

CREATE TEMP TABLE demo_datas AS
SELECT :'hoje'::date hoje,
       date_trunc('month', :'hoje'::date - 61)::date inicio,
       date_trunc('month', :'hoje'::date)::date mes_atual;

-- Finance: indices, cities, postal codes, customers.
INSERT INTO velko_fin.indice VALUES (1, 'Real'), (2, 'Dólar Comercial');
INSERT INTO velko_fin.indice_valor (codigo_indice, data, valor)
SELECT 1, d, 1 FROM demo_datas, generate_series(inicio - 40, hoje, interval '1 day') d
UNION ALL
SELECT 2, d, round((4.95 + 0.15 * sin(extract(doy FROM d)::float8 / 9.0) + (extract(doy FROM d)::int % 7) * 0.004)::numeric, 4)
  FROM demo_datas, generate_series(inicio - 40, hoje, interval '1 day') d;
INSERT INTO velko_fin.cidade VALUES
    (1, 'Presidente Prudente', 'SP'), (2, 'Campo Grande', 'MS'), (3, 'Cuiabá', 'MT'), (4, 'Goiânia', 'GO'),
    (5, 'Uberlândia', 'MG'), (6, 'Londrina', 'PR'), (7, 'São Paulo', 'SP'), (8, 'Dourados', 'MS'),
    (9, 'Rondonópolis', 'MT'), (10, 'Ribeirão Preto', 'SP'), (11, 'Curitiba', 'PR'), (12, 'Santos', 'SP');
INSERT INTO velko_fin.cep SELECT lpad((19000 + id_cidade * 10)::text, 5, '0') || '000', id_cidade FROM velko_fin.cidade;
INSERT INTO velko_fin.cliente (codigo_cliente, razao_social, id_cidade)
SELECT row_number() OVER (), n, 1 + (row_number() OVER () % 12)::int FROM unnest(ARRAY[
    'Supermercado Pão de Mel Ltda', 'Açougue Boi Bravo Ltda', 'Distribuidora Sul Carnes S.A.',
    'Churrascaria Fogo de Chão Paulista', 'Mercado São Jorge Ltda', 'Casa de Carnes Nelore',
    'Rede Econômica Supermercados', 'Frigorífico Bom Corte Atacado', 'Restaurante Sabor Caipira',
    'Empório Santa Luzia', 'Atacadão Central Paulista', 'Supermercados Irmãos Andrade',
    'Açougue e Mercearia Dois Irmãos', 'Comercial Boa Mesa Ltda', 'Hipermercado Pioneiro',
    'Distribuidora Pantanal de Alimentos', 'Cozinha Industrial Bom Prato', 'Rede Vila Rica de Supermercados',
    'Exportadora Brasil Meat Trading S.A.', 'Comercial Exportadora Rio Paraná', 'Casa do Frango e Carnes',
    'Mercadinho Recanto Verde', 'Padaria e Rotisseria Trigo de Ouro', 'Armazém Ponte Preta']) n;
INSERT INTO velko_ven.condicao_desconto VALUES (1, 1, 2.0), (2, 7, 1.5), (3, 11, 3.0), (4, 15, 1.0), (5, 18, 2.5);

-- Materials: packaging, seasonings, casings, the goods sold and the resale goods.
INSERT INTO velko_mat.familia VALUES (1, 'Embalagens'), (2, 'Condimentos e aditivos'), (3, 'Tripas'),
    (6, 'Produtos acabados'), (7, 'Laticínios'), (8, 'Mercearia');
INSERT INTO velko_mat.grupo VALUES (1, 1, 'Caixas e filmes'), (1, 2, 'Etiquetas'), (2, 1, 'Condimentos'),
    (3, 1, 'Tripas naturais'), (6, 1, 'Carnes e derivados'), (7, 1, 'Queijos'), (7, 2, 'Manteigas e cremes'),
    (8, 1, 'Azeites e conservas');
INSERT INTO velko_mat.material (codigo_material, nome, codigo_unidade_medida, codigo_familia, codigo_grupo, custo_medio) VALUES
    (101, 'Caixa de papelão ondulado 20 kg', 'UN', 1, 1, 3.85),
    (102, 'Caixa de papelão 10 kg', 'UN', 1, 1, 2.60),
    (103, 'Filme termoencolhível a vácuo', 'UN', 1, 1, 0.42),
    (104, 'Bandeja de isopor 1 kg', 'UN', 1, 1, 0.31),
    (105, 'Etiqueta de rastreabilidade', 'UN', 1, 2, 0.06),
    (201, 'Condimento para linguiça toscana', 'KG', 2, 1, 18.40),
    (202, 'Sal refinado', 'KG', 2, 1, 1.15),
    (203, 'Condimento para hambúrguer', 'KG', 2, 1, 21.70),
    (204, 'Salmoura de cura', 'KG', 2, 1, 6.30),
    (301, 'Tripa suína natural 32/34', 'M', 3, 1, 0.38),
    (601, 'Carne bovina in natura', 'KG', 6, 1, NULL),
    (602, 'Carne suína in natura', 'KG', 6, 1, NULL),
    (603, 'Miúdos e subprodutos', 'KG', 6, 1, NULL),
    (604, 'Embutidos e industrializados', 'KG', 6, 1, NULL),
    (701, 'Queijo mussarela', 'KG', 7, 1, NULL),
    (702, 'Queijo prato', 'KG', 7, 1, NULL),
    (703, 'Requeijão cremoso', 'KG', 7, 2, NULL),
    (704, 'Manteiga com sal', 'KG', 7, 2, NULL),
    (801, 'Azeite de oliva extra virgem', 'KG', 8, 1, NULL),
    (802, 'Azeitona verde em conserva', 'KG', 8, 1, NULL);

-- Production planning: families, groups.
INSERT INTO velko_pcp.familia VALUES
    (10, 'Miúdos Bovinos', 1), (11, 'Miúdos Suínos', 2), (20, 'Cortes Bovinos', 3), (21, 'Cortes Suínos', 4),
    (30, 'Linguiças', 5), (31, 'Hambúrgueres', 6), (40, 'Defumados e Cozidos', 7), (50, 'Quartos Bovinos', 8);
INSERT INTO velko_pcp.grupo VALUES
    (100, 10, 'Miúdos vermelhos'), (101, 10, 'Miúdos brancos'), (102, 10, 'Subprodutos bovinos'),
    (110, 11, 'Miúdos suínos'), (111, 11, 'Subprodutos suínos'),
    (200, 20, 'Cortes nobres'), (201, 20, 'Cortes de traseiro'), (202, 20, 'Cortes de dianteiro'),
    (203, 20, 'Aproveitamentos bovinos'), (210, 21, 'Cortes suínos'), (211, 21, 'Aproveitamentos suínos'),
    (300, 30, 'Linguiças frescais'), (301, 30, 'Massas'), (310, 31, 'Hambúrgueres'),
    (400, 40, 'Cozidos'), (401, 40, 'Defumados'), (500, 50, 'Quartos e carcaças');

\ir catalogo.sql
INSERT INTO velko_ven.produto SELECT seq, codigo, descricao, grupo, material, rendimento FROM demo_produto;

-- Technical sheets: boxes, film and a traceability label; trays for the fresh sausage.
INSERT INTO velko_pcp.ficha_tecnica (sequencial_produto, codigo_material, base, quantidade)
SELECT seq, CASE WHEN tipo IN ('MB', 'MS') THEN 102 ELSE 101 END, 'CX', 1 FROM demo_produto
 WHERE tipo IN ('MB', 'MS', 'CT', 'CD', 'CS', 'HB', 'PR', 'BC', 'LG') AND seq NOT IN (1009, 2032, 2108)
UNION ALL
SELECT seq, 103, 'KG', 0.5 FROM demo_produto WHERE tipo IN ('CT', 'CD', 'PR', 'BC') AND seq NOT IN (2032, 2033)
UNION ALL
SELECT seq, 105, 'CX', 1 FROM demo_produto WHERE tipo IN ('CT', 'CD', 'CS') AND seq NOT IN (2032, 2108)
UNION ALL
SELECT 3002, 104, 'KG', 1;

-- Livestock: genders, species, classifications, typifications.
INSERT INTO velko_pec.genero VALUES (1, 'Bovinos'), (2, 'Suínos');
INSERT INTO velko_pcp.produto_quarto VALUES (1, 5001, 48), (1, 5002, 38), (1, 5003, 14), (2, 5004, 100);
INSERT INTO velko_pec.especie_gado VALUES (1, 1, 'Boi gordo'), (2, 1, 'Vaca gorda'), (3, 1, 'Novilha'),
    (4, 2, 'Suíno terminado'), (5, 2, 'Matriz suína');
INSERT INTO velko_pec.tipificacao_gado VALUES (1, 'Cota Hilton - exportação'), (2, 'Mercado interno'),
    (3, 'Abate comum');
INSERT INTO velko_pec.classificacao_pesagem
SELECT u * 10 + e, u, e, d FROM (VALUES (1, 'Boi gordo'), (2, 'Vaca gorda'), (3, 'Novilha precoce'),
                                        (4, 'Suíno terminado'), (5, 'Matriz de descarte')) x(e, d),
                                generate_series(1, 2) u;

-- Entities: cattle and pig producers (with their farms) and resale suppliers.
INSERT INTO velko_ven.entidade (id_entidade, nome)
SELECT row_number() OVER (), n FROM unnest(ARRAY[
    'Agropecuária Santa Fé Ltda', 'João Batista de Oliveira', 'Fazenda Três Lagoas S.A.', 'Maria Aparecida Ferreira',
    'Pecuária Boa Vista Ltda', 'Antônio Carlos Mendes', 'Agro Pantanal Criações', 'José Roberto Nogueira',
    'Granja Suinobras Ltda', 'Suinocultura Vale do Iguaçu', 'Granja São Bento', 'Cooperativa Agroindustrial Oeste',
    'Laticínios Serra da Canastra Ltda', 'Cooperativa de Laticínios do Vale', 'Importadora Mediterrâneo Ltda',
    'Conservas Campo Belo Ltda']) n;
INSERT INTO velko_pec.propriedade_rural
SELECT id, 'Fazenda ' || (ARRAY['Santa Rita', 'Boa Esperança', 'Três Lagoas', 'Água Limpa', 'Bela Vista',
                                'São José', 'Pantanal', 'Monte Alegre', 'Granja Vitória', 'Granja Iguaçu',
                                'Granja São Bento', 'Granja Oeste'])[id],
       (SELECT cep FROM velko_fin.cep WHERE codigo_cidade = 1 + (id * 5) % 12)
  FROM generate_series(1, 12) id;

-- Units, their parameters and markets. Unit 1 is costed in the central database and names no
-- processing database of its own: the program refuses a login into a database that some unit
-- declares as its own (CUSTOS_UN2 here).
INSERT INTO velko_cst.unidade (id_unidade, descricao, tnsnames, dblink, u_abate_suino, u_abate_bovino,
                               u_industrializado, u_revenda) VALUES
    (1, 'Unidade Presidente Prudente', NULL, NULL, 1, 1, 1, 1),
    (2, 'Unidade Campo Grande', 'CUSTOS_UN2', 'UNIDADE2', 0, 1, 1, 0);
INSERT INTO velko_cst.parametros (id_unidade, codigo_moeda, codigo_moeda2, aproveitamento, aproveitamento_rateio,
                                  analise_condenacoes, nivel_detalhe_abate, preco_medio_metodo, id_produto_sebo,
                                  id_produto_osso, data_inicio_sistema, data_inicio_receita)
SELECT 1, 1, 2, 'S', 'KG', 0, 2, 1, 1008, 2032, inicio, inicio + 21 FROM demo_datas
UNION ALL
SELECT 2, 1, 2, 'S', 'CB', 1, 1, 2, 1008, 2032, inicio, inicio FROM demo_datas;
INSERT INTO velko_cst.mercado VALUES (1, 'Mercado Interno', 'MI'), (2, 'Exportação', 'ME'), (3, 'Mercosul', 'MS');
INSERT INTO velko_cst.categoria_revenda VALUES (1, 'Laticínios', 7, NULL), (2, 'Mercearia fina', 8, 1);

-- Production lines: the slaughter lines of each unit (offal) and its industrial lines.
INSERT INTO velko_pcp.linha_producao VALUES
    (101, 1, 'Miúdos Bovinos', 'T'), (102, 1, 'Miúdos Suínos', 'T'),
    (111, 1, 'Desossa Bovinos', 'D'), (112, 1, 'Desossa Suínos', 'D'), (113, 1, 'Embutidos', 'E'),
    (114, 1, 'Industrializados', 'I'), (115, 1, 'Quarteio', 'T'),
    (201, 2, 'Miúdos Bovinos', 'T'), (211, 2, 'Desossa Bovinos', 'D'), (214, 2, 'Hamburgueria', 'I');
INSERT INTO velko_cst.linha_industrial VALUES (111), (112), (113), (114), (115), (211), (214);
INSERT INTO velko_pcp.processo VALUES
    (1111, 111, 'Desossa', 1, 1), (1121, 112, 'Desossa', 1, 1),
    (1131, 113, 'Moagem e mistura', 1, 0), (1132, 113, 'Embutimento e embalagem', 2, 1),
    (1141, 114, 'Formagem e congelamento', 1, 1), (1142, 114, 'Cozimento e defumação', 2, 1),
    (1151, 115, 'Quarteio', 1, 1),
    (2111, 211, 'Desossa', 1, 1), (2141, 214, 'Formagem e congelamento', 1, 1);
INSERT INTO velko_pcp.parametro_lote VALUES (1, 'Produção própria', 'P', 1), (2, 'Compra de terceiros', 'C', 1),
    (3, 'Reprocesso', 'P', 0);
INSERT INTO velko_pcp.motivo_condenacao VALUES (1, 'Contaminação no processo', 1), (2, 'Corte fora do padrão', 1),
    (3, 'Lesão parasitária (SIF)', 0), (4, 'Abscesso / contusão (SIF)', 0);

-- Parameter sets: for each unit one that ended with the previous month and one open since.
CREATE TEMP TABLE demo_base AS
SELECT u, n, CASE n WHEN 1 THEN inicio ELSE mes_atual END data_inicial,
       CASE n WHEN 1 THEN mes_atual - 1 END data_final,
       CASE n WHEN 1 THEN 1.00 ELSE 1.03 END fator
  FROM demo_datas, generate_series(1, 2) u, generate_series(1, 2) n;
INSERT INTO velko_cst.base_custo (id_base_custo, id_unidade, id_unidade_abate, periodo, data_inicial, data_final,
        dias_producao, dias_producao_abate, dias_producao_revenda,
        mod_abate, cif_abate, mod_miudos, cif_miudos, mod_desossa, cif_desossa, mod_tendal, cif_tendal,
        mod_subproduto, cif_subproduto, mod_industrializado, cif_industrializado, mod_revenda, cif_revenda,
        frete, frete_exportacao, despesa_exportacao, administrativo, margem_seguranca, frete_compra, comissao_compra,
        aproveitamento_abate, aproveitamento_desossa, rastreabilidade, seguro_carga, processo_exportacao,
        criterio_mp, criterio_mod, criterio_cif, criterio_data_op, criterio_rateio, criterio_receita, criterio_miudos,
        criterio_apuracao_abate, validacao_acerto_pendente, modo_custo_indireto, exibe_rendimento_abate,
        custo_embalagem, tipo_fechamento)
SELECT u * 100 + n, u, u, to_char(data_inicial, 'MM/YYYY'), data_inicial, data_final,
       22, 22, 22,
       round(0.38 * fator, 4), round(0.22 * fator, 4), round(0.45 * fator, 4), round(0.25 * fator, 4),
       round(0.62 * fator, 4), round(0.41 * fator, 4), round(0.18 * fator, 4), round(0.11 * fator, 4),
       round(0.30 * fator, 4), round(0.16 * fator, 4), round(0.95 * fator, 4), round(0.58 * fator, 4),
       round(0.12 * fator, 4), round(0.07 * fator, 4),
       0.21, 0.48, 0.09, round(0.14 * fator, 4), 2, 28, 1.5,
       52.5, 71.0, 1.20, 0.15, 0.05,
       u, 1, 1, 'E', 'M', 'M', CASE u WHEN 1 THEN 'A' ELSE 'N' END,
       2, 2, 'KG', 1, 'FT', CASE u WHEN 1 THEN 'D' ELSE 'M' END
  FROM demo_base;
INSERT INTO velko_cst.base_custo_mercado (id_base_custo, id_mercado, icms, pis_cofins, outros_tributos, frete,
                                          seguro_carga, despesa_exportacao, processo_exportacao, comissao)
SELECT b.id_base_custo, m.*
  FROM velko_cst.base_custo b,
       (VALUES (1, 12.0, 9.25, 0.30, 0.21, 0.15, 0.0, 0.0, 2.0),
               (2, 0.0, 0.0, 0.0, 0.48, 0.25, 0.09, 0.05, 1.0),
               (3, 0.0, 0.0, 0.0, 0.36, 0.20, 0.06, 0.04, 1.5)) m;
-- Exceptions: liver and tongue pay 7 % ICMS at home; picanha sold abroad pays 1.5 % commission;
-- tallow, hide and bones pay no commission; prime cuts take more labour; dairy 18 % ICMS;
-- fresh meat and offal pay no PIS/Cofins and 7 % ICMS at home.
INSERT INTO velko_cst.produto_mercado (id_base_custo, id_produto, id_mercado, icms_deb, icms_cre, comissao, mod)
SELECT b.id_base_custo, e.* FROM velko_cst.base_custo b,
       (VALUES (1001, 1, 7.0, NULL, NULL, NULL::numeric), (1003, 1, 7.0, NULL, NULL, NULL),
               (2001, 2, NULL, NULL, 1.5, NULL), (2002, 1, 12.0, 4.0, NULL, 1.10)) e;
INSERT INTO velko_cst.base_custo_grupo (id_base_custo, codigo_familia, codigo_grupo, id_mercado, icms_deb, pis_cofins,
                                        comissao, mod, cif)
SELECT b.id_base_custo, g.* FROM velko_cst.base_custo b,
       (VALUES (10, 102, NULL, NULL, NULL, 0.0, 0.15, 0.08), (20, 200, NULL, NULL, NULL, NULL, 0.85, NULL),
               (20, 203, NULL, NULL, NULL, 0.5, NULL, NULL), (7, NULL, 1, 18.0, NULL, NULL, NULL, NULL),
               -- fresh meat and offal: no PIS/Cofins, reduced ICMS at home
               (10, NULL, 1, 7.0, 0.0, NULL, NULL, NULL), (11, NULL, 1, 7.0, 0.0, NULL, NULL, NULL),
               (20, NULL, 1, 7.0, 0.0, NULL, NULL, NULL), (21, NULL, 1, 7.0, 0.0, NULL, NULL, NULL),
               (50, NULL, 1, 7.0, 0.0, NULL, NULL, NULL)) g;
INSERT INTO velko_cst.base_custo_uf (id_base_custo, uf, aproveitamento_credito)
SELECT b.id_base_custo, x.uf, x.p FROM velko_cst.base_custo b,
       (VALUES ('SP', 60.0), ('MS', 45.0), ('MT', 40.0), ('GO', 50.0), ('MG', 55.0), ('PR', 50.0)) x(uf, p);
INSERT INTO velko_cst.base_custo_referencia (id_base_custo, id_produto, preco_unitario)
SELECT b.id_base_custo, p.seq, round(p.preco * 0.97 * CASE WHEN b.data_final IS NULL THEN 1.02 ELSE 1 END, 2)
  FROM velko_cst.base_custo b, demo_produto p WHERE p.tipo <> 'RV';
INSERT INTO velko_cst.base_custo_linha (id_base_custo, id_linha, mod_linha, cif_linha, dias_producao_linha, administrativo)
SELECT b.id_base_custo, l.* FROM velko_cst.base_custo b,
       (VALUES (113, 1.05, 0.64, 22, 0.18), (114, 1.22, 0.71, 22, 0.18), (214, 1.10, 0.66, 22, 0.18)) l(id, m, c, d, a)
 WHERE l.id / 100 = b.id_unidade;

-- Sales price tables: two cost tables, a base wholesale table and two tables built on it.
INSERT INTO velko_ven.tipo_tabela VALUES (1, 'Tabela de custo', 1), (2, 'Tabela de venda', 0);
INSERT INTO velko_ven.tabela_preco VALUES
    (1, NULL, '900', 'Custo industrial - Presidente Prudente', 1),
    (2, NULL, '901', 'Custo industrial - Campo Grande', 1),
    (3, NULL, '100', 'Base atacado', 2),
    (4, 3, '110', 'Atacado São Paulo', 2),
    (5, 3, '120', 'Varejo interior', 2),
    (6, NULL, '200', 'Base mercearia fina', 2),
    (7, 6, '210', 'Mercearia fina - capital', 2);
INSERT INTO velko_ven.item_preco (sequencial_produto, sequencial_tabela_preco, preco, permite_desconto,
                                  calculo_automatico, comissao, desconto, alterado, venda_liberada,
                                  permite_alterar_preco, alterado2, preco_custo, percentual_margem, origem)
SELECT p.seq, t.t, round(p.preco * t.f, 2), 1, 1, 0, 0, 0, 1, 0, 0, 0, 0, 'M'
  FROM demo_produto p, (VALUES (3, 1.00), (4, 1.06), (5, 1.12)) t(t, f)
 WHERE p.tipo IN ('CT', 'CD', 'CS', 'LG', 'HB', 'PR', 'BC') AND p.seq % 3 <> 0
UNION ALL
SELECT p.seq, t.t, round(p.preco * t.f, 2), 1, 1, 0, 0, 0, 1, 0, 0, 0, 0, 'M'
  FROM demo_produto p, (VALUES (6, 1.00), (7, 1.08)) t(t, f)
 WHERE p.tipo = 'RV' AND p.seq <> 7006;
