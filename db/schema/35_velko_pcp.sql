-- VELKO_PCP, production planning and control: product families and groups, production lines
-- and their processes, production tables and orders, their production, input lots and material
-- requisitions, condemnations, technical sheets, carcass quarters.

-- ordem_custo: the order in which the cost results list the families.
CREATE TABLE velko_pcp.familia (
    id_familia  numeric(10) PRIMARY KEY,
    descricao   varchar(30) NOT NULL,
    ordem_custo numeric(10)
);

CREATE TABLE velko_pcp.grupo (
    id_grupo   numeric(10) PRIMARY KEY,
    id_familia numeric(10) NOT NULL REFERENCES velko_pcp.familia,
    descricao  varchar(40) NOT NULL
);

-- tipo_processo: D deboning (desossa), E sausages (embutidos), I industrialized, T quartering.
CREATE TABLE velko_pcp.linha_producao (
    id_linha_producao numeric(10) PRIMARY KEY,
    codigo_empresa    numeric(10) NOT NULL,
    descricao         varchar(30) NOT NULL,
    tipo_processo     varchar(1) NOT NULL CHECK (tipo_processo IN ('D', 'E', 'I', 'T'))
);

-- The steps a production line's production goes through, in sequence; gerar_resultado_custo 1:
-- the products of this step count in the cost results.
CREATE TABLE velko_pcp.processo (
    id_processo           numeric(10) PRIMARY KEY,
    id_linha_producao     numeric(10) NOT NULL REFERENCES velko_pcp.linha_producao,
    descricao             varchar(40) NOT NULL,
    sequencia             numeric(4) NOT NULL,
    gerar_resultado_custo numeric(1) NOT NULL DEFAULT 1
);

-- A production table: what a line produces for a family on a day (the cost system's
-- "production order"). situacao 'C' = concluded; data_fechamento set when it was closed.
CREATE TABLE velko_pcp.tabela_pcp (
    id_tabela_pcp     numeric(10) PRIMARY KEY,
    codigo_empresa    numeric(10) NOT NULL,
    id_linha_producao numeric(10) NOT NULL REFERENCES velko_pcp.linha_producao,
    id_familia        numeric(10) NOT NULL REFERENCES velko_pcp.familia,
    situacao          varchar(1) NOT NULL,
    data_programacao  oracle.date,
    data_encerramento oracle.date,
    data_fechamento   oracle.date
);
CREATE INDEX tabela_pcp_empresa ON velko_pcp.tabela_pcp (codigo_empresa, data_programacao);

-- The orders of a production table: one product made in one process, possibly for a sales
-- order (id_ordem_venda, the sales contract).
CREATE TABLE velko_pcp.ordem_producao (
    id_ordem_producao     numeric(10) PRIMARY KEY,
    id_tabela_pcp         numeric(10) NOT NULL REFERENCES velko_pcp.tabela_pcp,
    id_processo           numeric(10) REFERENCES velko_pcp.processo,
    sequencial_produto    numeric(10),
    id_ordem_venda        numeric(10),
    quantidade_programada numeric(15,3)
);
CREATE INDEX ordem_producao_tabela ON velko_pcp.ordem_producao (id_tabela_pcp);

-- origem 'P' = the lot comes from production; rendimento 1 = the lot bears yield.
CREATE TABLE velko_pcp.parametro_lote (
    id_parametro_lote numeric(10) PRIMARY KEY,
    descricao         varchar(40) NOT NULL,
    origem            varchar(1) NOT NULL,
    rendimento        numeric(1) NOT NULL DEFAULT 0
);

-- Raw material entering a production table: the product, pieces, weight and unit value, and
-- where it came from (the slaughter day id_abate, or a document).
CREATE TABLE velko_pcp.lote_entrada (
    id_lote_entrada    numeric(10) PRIMARY KEY,
    id_tabela_pcp      numeric(10) NOT NULL REFERENCES velko_pcp.tabela_pcp,
    id_parametro_lote  numeric(10) NOT NULL REFERENCES velko_pcp.parametro_lote,
    id_processo        numeric(10) REFERENCES velko_pcp.processo,
    data               oracle.date,
    sequencial_produto numeric(10),
    quantidade         numeric(15,3),
    peso               numeric(15,3),
    valor_unitario     numeric(18,6),
    id_abate           numeric(15),
    documento          varchar(40)
);
CREATE INDEX lote_entrada_tabela ON velko_pcp.lote_entrada (id_tabela_pcp);

-- falha_processo 1: an operational condemnation (a failure of the process).
CREATE TABLE velko_pcp.motivo_condenacao (
    id_motivo_condenacao numeric(10) PRIMARY KEY,
    descricao            varchar(60) NOT NULL,
    falha_processo       numeric(1) NOT NULL DEFAULT 0
);

CREATE TABLE velko_pcp.movimento_condenacao (
    id_movimento_condenacao numeric(10) PRIMARY KEY,
    id_tabela_pcp           numeric(10) NOT NULL REFERENCES velko_pcp.tabela_pcp,
    sequencial_produto      numeric(10) NOT NULL,
    id_motivo_condenacao    numeric(10) NOT NULL REFERENCES velko_pcp.motivo_condenacao,
    quantidade              numeric(15,3) NOT NULL,
    data                    oracle.date
);
CREATE INDEX movimento_condenacao_tabela ON velko_pcp.movimento_condenacao (id_tabela_pcp);

-- What a production table produced: product, process, market, the sales order it was made
-- for, boxes, pieces and weight.
CREATE TABLE velko_pcp.producao (
    id_producao        numeric(10) PRIMARY KEY,
    id_tabela_pcp      numeric(10) NOT NULL REFERENCES velko_pcp.tabela_pcp,
    id_processo        numeric(10) REFERENCES velko_pcp.processo,
    sequencial_produto numeric(10) NOT NULL,
    id_mercado         numeric(10),
    id_ordem_venda     numeric(10),
    data               oracle.date,
    caixas             numeric(15,3),
    pecas              numeric(15,3),
    peso               numeric(15,3) NOT NULL
);
CREATE INDEX producao_tabela ON velko_pcp.producao (id_tabela_pcp);

-- Materials (inputs) requisitioned for a production table and one of its processes, valued at
-- the unit cost of the requisition.
CREATE TABLE velko_pcp.requisicao (
    id_requisicao   numeric(10) PRIMARY KEY,
    id_tabela_pcp   numeric(10) NOT NULL REFERENCES velko_pcp.tabela_pcp,
    id_processo     numeric(10) REFERENCES velko_pcp.processo,
    data            oracle.date,
    codigo_material numeric(10) NOT NULL,
    quantidade      numeric(15,3) NOT NULL,
    valor_unitario  numeric(18,6) NOT NULL
);
CREATE INDEX requisicao_tabela ON velko_pcp.requisicao (id_tabela_pcp);

-- Technical sheet: the packaging and other materials a product takes, per box (base 'CX'), per
-- piece ('PC') or per kilogram (any other base).
CREATE TABLE velko_pcp.ficha_tecnica (
    sequencial_produto numeric(10) NOT NULL,
    codigo_material    numeric(10) NOT NULL,
    base               varchar(2) NOT NULL DEFAULT 'KG',
    quantidade         numeric(15,6) NOT NULL,
    PRIMARY KEY (sequencial_produto, codigo_material)
);

-- The share of the carcass weight each quarter product takes, per gender of animal.
CREATE TABLE velko_pcp.produto_quarto (
    id_genero          numeric(10) NOT NULL,
    sequencial_produto numeric(10) NOT NULL,
    percentual_peso    numeric(9,4) NOT NULL,
    PRIMARY KEY (id_genero, sequencial_produto)
);
