-- Foreign keys between the operational schemas (each schema's own keys are in its file).
-- The cost schema VELKO_CST has none towards the others: its rows are copied between
-- databases whose operational data differ.

ALTER TABLE velko_mat.nota_entrada
    ADD FOREIGN KEY (id_entidade_fornecedor) REFERENCES velko_ven.entidade;
ALTER TABLE velko_mat.item_nota_entrada
    ADD FOREIGN KEY (sequencial_produto) REFERENCES velko_ven.produto;
ALTER TABLE velko_mat.nota_saida
    ADD FOREIGN KEY (sequencial_pedido) REFERENCES velko_ven.pedido;

ALTER TABLE velko_ven.produto
    ADD FOREIGN KEY (id_grupo) REFERENCES velko_pcp.grupo,
    ADD FOREIGN KEY (codigo_material) REFERENCES velko_mat.material;
ALTER TABLE velko_ven.pedido
    ADD FOREIGN KEY (codigo_cliente) REFERENCES velko_fin.cliente;
ALTER TABLE velko_ven.item_saida_produto
    ADD FOREIGN KEY (sequencial_nota_saida) REFERENCES velko_mat.nota_saida;
ALTER TABLE velko_ven.condicao_desconto
    ADD FOREIGN KEY (codigo_cliente) REFERENCES velko_fin.cliente;

ALTER TABLE velko_pcp.ordem_producao
    ADD FOREIGN KEY (sequencial_produto) REFERENCES velko_ven.produto;
ALTER TABLE velko_pcp.lote_entrada
    ADD FOREIGN KEY (sequencial_produto) REFERENCES velko_ven.produto;
ALTER TABLE velko_pcp.movimento_condenacao
    ADD FOREIGN KEY (sequencial_produto) REFERENCES velko_ven.produto;
ALTER TABLE velko_pcp.producao
    ADD FOREIGN KEY (sequencial_produto) REFERENCES velko_ven.produto;
ALTER TABLE velko_pcp.requisicao
    ADD FOREIGN KEY (codigo_material) REFERENCES velko_mat.material;
ALTER TABLE velko_pcp.produto_quarto
    ADD FOREIGN KEY (id_genero) REFERENCES velko_pec.genero,
    ADD FOREIGN KEY (sequencial_produto) REFERENCES velko_ven.produto;
ALTER TABLE velko_pcp.ficha_tecnica
    ADD FOREIGN KEY (sequencial_produto) REFERENCES velko_ven.produto,
    ADD FOREIGN KEY (codigo_material) REFERENCES velko_mat.material;

ALTER TABLE velko_pec.propriedade_rural
    ADD FOREIGN KEY (cep) REFERENCES velko_fin.cep;
ALTER TABLE velko_pec.ordem_compra_gado
    ADD FOREIGN KEY (id_entidade_proprietario) REFERENCES velko_ven.entidade;
ALTER TABLE velko_pec.pesagem_desossa
    ADD FOREIGN KEY (id_ordem_producao) REFERENCES velko_pcp.ordem_producao,
    ADD FOREIGN KEY (sequencial_produto) REFERENCES velko_ven.produto;
