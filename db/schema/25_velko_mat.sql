-- VELKO_MAT, materials: material families and groups, materials, incoming and outgoing invoices.

CREATE TABLE velko_mat.familia (
    codigo_familia numeric(10) PRIMARY KEY,
    nome           varchar(40) NOT NULL
);

CREATE TABLE velko_mat.grupo (
    codigo_familia numeric(10) NOT NULL REFERENCES velko_mat.familia,
    codigo_grupo   numeric(10) NOT NULL,
    nome           varchar(40) NOT NULL,
    PRIMARY KEY (codigo_familia, codigo_grupo)
);

-- custo_medio: the material's current weighted average cost per unit of measure.
CREATE TABLE velko_mat.material (
    codigo_material       numeric(10) PRIMARY KEY,
    nome                  varchar(250) NOT NULL,
    codigo_unidade_medida varchar(3) NOT NULL,
    codigo_familia        numeric(10),
    codigo_grupo          numeric(10),
    custo_medio           numeric(18,6),
    FOREIGN KEY (codigo_familia, codigo_grupo) REFERENCES velko_mat.grupo
);

-- Incoming invoices of goods bought for resale (supplier: VELKO_VEN.ENTIDADE).
CREATE TABLE velko_mat.nota_entrada (
    sequencial_nota_entrada numeric(10) PRIMARY KEY,
    codigo_empresa          numeric(10) NOT NULL,
    numero_nota             varchar(20) NOT NULL,
    data_entrada            oracle.date NOT NULL,
    id_entidade_fornecedor  numeric(10) NOT NULL,
    uf_origem               varchar(2)
);
CREATE INDEX nota_entrada_data ON velko_mat.nota_entrada (codigo_empresa, data_entrada);

CREATE TABLE velko_mat.item_nota_entrada (
    sequencial_item_nota_entrada numeric(10) PRIMARY KEY,
    sequencial_nota_entrada      numeric(10) NOT NULL REFERENCES velko_mat.nota_entrada,
    sequencial_produto           numeric(10) NOT NULL,
    caixas                       numeric(15,3),
    peso                         numeric(15,3) NOT NULL,
    valor_mercadoria             numeric(18,4) NOT NULL,
    valor_frete_despesas         numeric(18,4),
    valor_ipi                    numeric(18,4),
    valor_icms_st                numeric(18,4),
    credito_icms                 numeric(18,4),
    credito_icms_st              numeric(18,4),
    credito_ipi                  numeric(18,4),
    credito_pis_cofins           numeric(18,4)
);
CREATE INDEX item_nota_entrada_nota ON velko_mat.item_nota_entrada (sequencial_nota_entrada);

-- Outgoing invoices of sales orders (VELKO_VEN.PEDIDO); their items are VELKO_VEN.ITEM_SAIDA_PRODUTO.
CREATE TABLE velko_mat.nota_saida (
    sequencial_nota_saida numeric(10) PRIMARY KEY,
    sequencial_pedido     numeric(10) NOT NULL,
    numero_nota           varchar(20),
    data_emissao          oracle.date
);
CREATE INDEX nota_saida_pedido ON velko_mat.nota_saida (sequencial_pedido);
