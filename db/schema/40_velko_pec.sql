-- VELKO_PEC, livestock: species and genders, rural properties, cattle purchase orders and their
-- settlements, reception and weighing, slaughter lots, deboning weighings.

-- Gender of the animals (cattle, pigs): the categories the slaughter results are shown by.
CREATE TABLE velko_pec.genero (
    id_genero numeric(10) PRIMARY KEY,
    descricao varchar(30) NOT NULL
);

-- Species within a gender (steer, cow, heifer, ...).
CREATE TABLE velko_pec.especie_gado (
    id_especie_gado numeric(10) PRIMARY KEY,
    id_genero       numeric(10) NOT NULL REFERENCES velko_pec.genero,
    descricao       varchar(40) NOT NULL
);

-- Typification of the animals (their destination class).
CREATE TABLE velko_pec.tipificacao_gado (
    id_tipificacao_gado numeric(10) PRIMARY KEY,
    descricao           varchar(50) NOT NULL
);

-- Weighing classifications of a unit, per species.
CREATE TABLE velko_pec.classificacao_pesagem (
    id_classificacao_pesagem numeric(10) PRIMARY KEY,
    codigo_empresa           numeric(10) NOT NULL,
    id_especie_gado          numeric(10) NOT NULL REFERENCES velko_pec.especie_gado,
    descricao                varchar(40)
);

CREATE TABLE velko_pec.propriedade_rural (
    id_propriedade_rural numeric(10) PRIMARY KEY,
    nome                 varchar(60) NOT NULL,
    cep                  varchar(8) NOT NULL
);

-- A purchase of cattle from a producer (id_entidade_proprietario, VELKO_VEN.ENTIDADE) for a
-- slaughter day. The price is per arroba (15 kg); commission a percentage.
CREATE TABLE velko_pec.ordem_compra_gado (
    id_ordem_compra_gado     numeric(10) PRIMARY KEY,
    codigo_empresa           numeric(10) NOT NULL,
    data_compra              oracle.date,
    data_abate               oracle.date,
    id_entidade_proprietario numeric(10) NOT NULL,
    id_propriedade_rural     numeric(10) NOT NULL REFERENCES velko_pec.propriedade_rural,
    cabecas_compradas        numeric(10),
    preco_arroba             numeric(18,6),
    percentual_comissao      numeric(9,4),
    valor_frete_compra       numeric(18,4)
);
CREATE INDEX ordem_compra_gado_abate ON velko_pec.ordem_compra_gado (codigo_empresa, data_abate);

-- Settlement of a purchase order: cancelado 1 = cancelled, encerrado 1 = closed and invoiced.
CREATE TABLE velko_pec.acerto (
    id_acerto            numeric(10) PRIMARY KEY,
    id_ordem_compra_gado numeric(10) NOT NULL REFERENCES velko_pec.ordem_compra_gado,
    data_acerto          oracle.date,
    cancelado            numeric(1) NOT NULL DEFAULT 0,
    encerrado            numeric(1) NOT NULL DEFAULT 0,
    valor_total_acerto   numeric(18,4),
    valor_icms_nota      numeric(18,4)
);
CREATE INDEX acerto_ordem ON velko_pec.acerto (id_ordem_compra_gado);

CREATE TABLE velko_pec.pesagem_gado (
    id_pesagem_gado numeric(10) PRIMARY KEY,
    data_pesagem    oracle.date,
    peso_bruto      numeric(15,3),
    tara            numeric(15,3),
    peso_liquido    numeric(15,3) NOT NULL
);

CREATE TABLE velko_pec.recebimento_gado (
    id_recebimento_gado  numeric(10) PRIMARY KEY,
    id_ordem_compra_gado numeric(10) REFERENCES velko_pec.ordem_compra_gado,
    id_pesagem_gado      numeric(10) NOT NULL REFERENCES velko_pec.pesagem_gado,
    data_recebimento     oracle.date
);

CREATE TABLE velko_pec.item_recebimento_gado (
    id_item_recebimento_gado numeric(10) PRIMARY KEY,
    id_recebimento_gado      numeric(10) NOT NULL REFERENCES velko_pec.recebimento_gado,
    id_especie_gado          numeric(10) REFERENCES velko_pec.especie_gado,
    sexo                     varchar(1),
    quantidade               numeric(10) NOT NULL
);

-- A slaughter lot: the animals of one purchase order slaughtered on a day.
CREATE TABLE velko_pec.lote_abate (
    id_lote_abate        numeric(10) PRIMARY KEY,
    data                 oracle.date NOT NULL,
    id_ordem_compra_gado numeric(10) NOT NULL REFERENCES velko_pec.ordem_compra_gado,
    numero_lote          numeric(10)
);
CREATE INDEX lote_abate_data ON velko_pec.lote_abate (data);

-- The pens a lot was drawn from.
CREATE TABLE velko_pec.lote_abate_curral (
    id_lote_abate            numeric(10) NOT NULL REFERENCES velko_pec.lote_abate,
    id_item_recebimento_gado numeric(10) NOT NULL REFERENCES velko_pec.item_recebimento_gado,
    PRIMARY KEY (id_lote_abate, id_item_recebimento_gado)
);

-- Heads and weight of a lot by weighing classification, sex and typification, with the price
-- per arroba and the value. tipo_peso 'V' = live weight, 'C' = carcass weight.
CREATE TABLE velko_pec.lote_abate_preco (
    id_lote_abate_preco      numeric(10) PRIMARY KEY,
    id_lote_abate            numeric(10) NOT NULL REFERENCES velko_pec.lote_abate,
    id_classificacao_pesagem numeric(10) NOT NULL REFERENCES velko_pec.classificacao_pesagem,
    id_tipificacao_gado      numeric(10) REFERENCES velko_pec.tipificacao_gado,
    sexo                     varchar(1),
    tipo_peso                varchar(1) NOT NULL,
    quantidade               numeric(10) NOT NULL,
    peso                     numeric(15,3) NOT NULL,
    preco                    numeric(18,6),
    valor                    numeric(18,4)
);
CREATE INDEX lote_abate_preco_lote ON velko_pec.lote_abate_preco (id_lote_abate);

-- Weighings of the deboning output, per production order (VELKO_PCP.ORDEM_PRODUCAO), with the
-- slaughter day the carcasses came from.
CREATE TABLE velko_pec.pesagem_desossa (
    id_pesagem_desossa numeric(10) PRIMARY KEY,
    id_ordem_producao  numeric(10) NOT NULL,
    sequencial_produto numeric(10),
    data_pesagem       oracle.date,
    data_abate         oracle.date,
    caixas             numeric(15,3),
    pecas              numeric(15,3),
    peso               numeric(15,3)
);
CREATE INDEX pesagem_desossa_ordem ON velko_pec.pesagem_desossa (id_ordem_producao);
