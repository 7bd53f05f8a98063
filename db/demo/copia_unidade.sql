-- Demo data: the results a unit's processing database generated, copied whole into the central
-- database over the unit's link, as the cost generation does. psql variable: unidade.
\set ON_ERROR_STOP on
SET client_min_messages = warning;

INSERT INTO velko_cst.consumo SELECT * FROM unidade2_velko_cst.consumo WHERE id_unidade = :unidade;
INSERT INTO velko_cst.abate SELECT * FROM unidade2_velko_cst.abate WHERE id_unidade = :unidade;
INSERT INTO velko_cst.abate_materia_prima SELECT * FROM unidade2_velko_cst.abate_materia_prima
 WHERE id_abate IN (SELECT id_abate FROM unidade2_velko_cst.abate WHERE id_unidade = :unidade);
INSERT INTO velko_cst.abate_produto SELECT * FROM unidade2_velko_cst.abate_produto
 WHERE id_abate IN (SELECT id_abate FROM unidade2_velko_cst.abate WHERE id_unidade = :unidade);
INSERT INTO velko_cst.abate_quartos SELECT * FROM unidade2_velko_cst.abate_quartos
 WHERE id_abate IN (SELECT id_abate FROM unidade2_velko_cst.abate WHERE id_unidade = :unidade);
INSERT INTO velko_cst.abate_preco SELECT * FROM unidade2_velko_cst.abate_preco
 WHERE id_abate IN (SELECT id_abate FROM unidade2_velko_cst.abate WHERE id_unidade = :unidade);
INSERT INTO velko_cst.abate_preco_receita SELECT * FROM unidade2_velko_cst.abate_preco_receita
 WHERE id_abate IN (SELECT id_abate FROM unidade2_velko_cst.abate WHERE id_unidade = :unidade);
INSERT INTO velko_cst.industrial SELECT * FROM unidade2_velko_cst.industrial WHERE id_unidade = :unidade;
INSERT INTO velko_cst.industrial_preco_mp SELECT * FROM unidade2_velko_cst.industrial_preco_mp
 WHERE id_industrial IN (SELECT id_industrial FROM unidade2_velko_cst.industrial WHERE id_unidade = :unidade);
INSERT INTO velko_cst.industrial_preco_receita SELECT * FROM unidade2_velko_cst.industrial_preco_receita
 WHERE id_industrial IN (SELECT id_industrial FROM unidade2_velko_cst.industrial WHERE id_unidade = :unidade);
INSERT INTO velko_cst.industrial_preco SELECT * FROM unidade2_velko_cst.industrial_preco
 WHERE id_industrial IN (SELECT id_industrial FROM unidade2_velko_cst.industrial WHERE id_unidade = :unidade);
INSERT INTO velko_cst.industrial_mp SELECT * FROM unidade2_velko_cst.industrial_mp
 WHERE id_industrial IN (SELECT id_industrial FROM unidade2_velko_cst.industrial WHERE id_unidade = :unidade);
INSERT INTO velko_cst.industrial_insumo SELECT * FROM unidade2_velko_cst.industrial_insumo
 WHERE id_industrial IN (SELECT id_industrial FROM unidade2_velko_cst.industrial WHERE id_unidade = :unidade);
INSERT INTO velko_cst.industrial_produto SELECT * FROM unidade2_velko_cst.industrial_produto
 WHERE id_industrial IN (SELECT id_industrial FROM unidade2_velko_cst.industrial WHERE id_unidade = :unidade);
INSERT INTO velko_cst.industrial_produto_elaboracao SELECT * FROM unidade2_velko_cst.industrial_produto_elaboracao
 WHERE id_industrial IN (SELECT id_industrial FROM unidade2_velko_cst.industrial WHERE id_unidade = :unidade);
INSERT INTO velko_cst.revenda SELECT * FROM unidade2_velko_cst.revenda WHERE id_unidade = :unidade;
INSERT INTO velko_cst.revenda_produto SELECT * FROM unidade2_velko_cst.revenda_produto
 WHERE id_revenda IN (SELECT id_revenda FROM unidade2_velko_cst.revenda WHERE id_unidade = :unidade);
INSERT INTO velko_cst.revenda_preco SELECT * FROM unidade2_velko_cst.revenda_preco
 WHERE id_revenda IN (SELECT id_revenda FROM unidade2_velko_cst.revenda WHERE id_unidade = :unidade);
INSERT INTO velko_cst.abate_preco_historico SELECT * FROM unidade2_velko_cst.abate_preco_historico WHERE id_unidade = :unidade;
INSERT INTO velko_cst.ind_preco_historico SELECT * FROM unidade2_velko_cst.ind_preco_historico WHERE id_unidade = :unidade;
