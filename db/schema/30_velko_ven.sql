-- VELKO_VEN, sales: entities, products, sales orders and their items, invoice items, discount
-- conditions, price tables and their items.

-- Producers, suppliers and other parties.
CREATE TABLE velko_ven.entidade (
    id_entidade numeric(10) PRIMARY KEY,
    nome        varchar(60) NOT NULL,
    cnpj_cpf    varchar(14)
);

-- id_grupo: product group of VELKO_PCP.GRUPO; codigo_material: the product as a material of
-- VELKO_MAT.MATERIAL (its unit of measure, its family and group for resale goods);
-- rendimento_padrao: the standard yield, a percentage of the raw material.
CREATE TABLE velko_ven.produto (
    sequencial_produto numeric(10) PRIMARY KEY,
    codigo_produto     varchar(10) NOT NULL,
    descricao          varchar(60) NOT NULL,
    id_grupo           numeric(10),
    codigo_material    numeric(10),
    rendimento_padrao  numeric(9,4)
);

-- situacao 'C' = cancelled. Discounts are percentages.
CREATE TABLE velko_ven.pedido (
    sequencial_pedido    numeric(10) PRIMARY KEY,
    numero_pedido        varchar(15) NOT NULL,
    codigo_empresa       numeric(10) NOT NULL,
    codigo_cliente       numeric(10) NOT NULL,
    id_mercado           numeric(10),
    data_pedido          oracle.date,
    data_faturamento     oracle.date,
    situacao             varchar(1) NOT NULL,
    desconto_concedido   numeric(9,4) NOT NULL DEFAULT 0,
    desconto_promocional numeric(9,4) NOT NULL DEFAULT 0
);
CREATE INDEX pedido_faturamento ON velko_ven.pedido (codigo_empresa, data_faturamento);

-- quantidade: units ordered; quantidade_peso: kilograms; quantidade_expedido: units shipped;
-- quantidade_devolvida: kilograms returned; valor_unitario: price per unit of measure.
CREATE TABLE velko_ven.item_pedido (
    sequencial_item_pedido numeric(10) PRIMARY KEY,
    sequencial_pedido      numeric(10) NOT NULL REFERENCES velko_ven.pedido,
    sequencial_produto     numeric(10) NOT NULL REFERENCES velko_ven.produto,
    quantidade             numeric(15,3) NOT NULL,
    quantidade_peso        numeric(15,3),
    quantidade_expedido    numeric(15,3),
    quantidade_devolvida   numeric(15,3),
    valor_unitario         numeric(18,6) NOT NULL
);
CREATE INDEX item_pedido_pedido ON velko_ven.item_pedido (sequencial_pedido);
CREATE INDEX item_pedido_produto ON velko_ven.item_pedido (sequencial_produto);

CREATE TABLE velko_ven.item_saida_produto (
    sequencial_item_saida_produto numeric(10) PRIMARY KEY,
    sequencial_nota_saida         numeric(10) NOT NULL,
    sequencial_produto            numeric(10) NOT NULL REFERENCES velko_ven.produto,
    quantidade                    numeric(15,3),
    peso                          numeric(15,3),
    valor_total                   numeric(18,4),
    valor_icms                    numeric(18,4),
    valor_ipi                     numeric(18,4)
);
CREATE INDEX item_saida_produto_nota ON velko_ven.item_saida_produto (sequencial_nota_saida);

-- desconto_instrucao: contractual discount of a customer, a percentage.
CREATE TABLE velko_ven.condicao_desconto (
    sequencial_condicao_desconto numeric(10) PRIMARY KEY,
    codigo_cliente               numeric(10) NOT NULL,
    desconto_instrucao           numeric(9,4) NOT NULL
);
CREATE INDEX condicao_desconto_cliente ON velko_ven.condicao_desconto (codigo_cliente);

-- tabela_custo 1: the tables of this kind are cost tables.
CREATE TABLE velko_ven.tipo_tabela (
    id_tipo_tabela numeric(10) PRIMARY KEY,
    descricao      varchar(40) NOT NULL,
    tabela_custo   numeric(1) NOT NULL DEFAULT 0
);

-- numero_tabela holds a number as text; sequencial_tabela_base: the table this one is based on.
CREATE TABLE velko_ven.tabela_preco (
    sequencial_tabela_preco numeric(10) PRIMARY KEY,
    sequencial_tabela_base  numeric(10) REFERENCES velko_ven.tabela_preco,
    numero_tabela           varchar(10) NOT NULL,
    descricao               varchar(60) NOT NULL,
    id_tipo_tabela          numeric(10) NOT NULL REFERENCES velko_ven.tipo_tabela
);

CREATE SEQUENCE velko_ven.sq_item_preco;

-- A product's price in a price table. origem 'C': written by the cost system, with the user,
-- the moment and a note.
CREATE TABLE velko_ven.item_preco (
    sequencial_item_preco         numeric(10) PRIMARY KEY DEFAULT nextval('velko_ven.sq_item_preco'),
    sequencial_produto            numeric(10) NOT NULL REFERENCES velko_ven.produto,
    sequencial_tabela_preco       numeric(10) NOT NULL REFERENCES velko_ven.tabela_preco,
    preco                         numeric(14,4),
    sequencial_condicao_pagamento numeric(10),
    permite_desconto              numeric(1),
    calculo_automatico            numeric(1),
    comissao                      numeric(9,4),
    desconto                      numeric(9,4),
    alterado                      numeric(1),
    venda_liberada                numeric(1),
    permite_alterar_preco         numeric(1),
    alterado2                     numeric(1),
    preco_custo                   numeric(14,4),
    vencimento_custo              oracle.date,
    percentual_margem             numeric(9,4),
    origem                        varchar(1),
    origem_usuario                varchar(30),
    origem_data                   oracle.date,
    origem_observacoes            varchar(255)
);
ALTER SEQUENCE velko_ven.sq_item_preco OWNED BY velko_ven.item_preco.sequencial_item_preco;
CREATE INDEX item_preco_tabela ON velko_ven.item_preco (sequencial_tabela_preco, sequencial_produto);
