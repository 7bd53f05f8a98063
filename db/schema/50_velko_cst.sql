-- VELKO_CST, the cost system: units and their parameters, dated parameter sets, the daily cost
-- records of slaughter, production and resale with their prices, users, histories.
--
-- The configuration tables and the daily tables are copied whole between the central database
-- and a unit's processing database (INSERT INTO t@LINK SELECT * FROM t and back), so both are
-- built from these same scripts and a column is never added to one only.
--
-- Keys. The daily records, their prices and the histories are keyed by numbers the cost packages
-- draw; rows made in a unit's processing database are copied into the central database with
-- their keys, so the keys must not meet across databases (the packages put the unit into the
-- key, hence numeric(15)). The parameter set tables take their keys from their sequences.

------------------------------------------------------------------------------------------------
-- Units and their parameters
------------------------------------------------------------------------------------------------

-- One row per production unit. tnsnames and dblink name the unit's own processing database
-- (service name, database link); empty when the unit is processed in the central database.
-- The u_ flags are 1 when the unit has that activity.
CREATE TABLE velko_cst.unidade (
    id_unidade        numeric(10) PRIMARY KEY,
    descricao         varchar(30) NOT NULL,
    tnsnames          varchar(30),
    dblink            varchar(30),
    u_abate_suino     numeric(1) NOT NULL DEFAULT 0,
    u_abate_bovino    numeric(1) NOT NULL DEFAULT 0,
    u_industrializado numeric(1) NOT NULL DEFAULT 0,
    u_revenda         numeric(1) NOT NULL DEFAULT 0
);

-- Fixed parameters of a unit, one row per unit. codigo_moeda, codigo_moeda2: indices of
-- VELKO_FIN.INDICE (main and optional second currency). aproveitamento_rateio 'KG': the
-- by-products' value is spread over the animals by weight, otherwise by head.
CREATE TABLE velko_cst.parametros (
    id_unidade            numeric(10) PRIMARY KEY,
    codigo_moeda          numeric(10) NOT NULL,
    codigo_moeda2         numeric(10),
    aproveitamento        varchar(1),
    aproveitamento_rateio varchar(2),
    analise_condenacoes   numeric(1) NOT NULL DEFAULT 0,
    nivel_detalhe_abate   numeric(1),
    preco_medio_metodo    numeric(10),
    id_produto_sebo       numeric(10),
    id_produto_osso       numeric(10),
    data_inicio_sistema   oracle.date,
    data_inicio_receita   oracle.date
);

CREATE TABLE velko_cst.mercado (
    id_mercado numeric(10) PRIMARY KEY,
    descricao  varchar(40) NOT NULL,
    sigla      varchar(10) NOT NULL
);

-- The production lines (VELKO_PCP.LINHA_PRODUCAO) whose production the cost system takes in.
CREATE TABLE velko_cst.linha_industrial (
    id_linha  numeric(10) PRIMARY KEY,
    descricao varchar(30)
);

-- The material families and groups (VELKO_MAT.GRUPO; codigo_grupo empty = the whole family)
-- whose goods are resale goods.
CREATE TABLE velko_cst.categoria_revenda (
    id_categoria_revenda numeric(10) PRIMARY KEY,
    descricao            varchar(40) NOT NULL,
    codigo_familia       numeric(10) NOT NULL,
    codigo_grupo         numeric(10)
);

-- Users of the cost system: username is the database account in upper case; nivel_acesso
-- 'ADM' administrator, 'CUS' cost analyst, 'USR' read-only operator.
CREATE TABLE velko_cst.usuarios (
    username     varchar(30) PRIMARY KEY,
    nivel_acesso varchar(3) NOT NULL,
    nome         varchar(60)
);

INSERT INTO velko_cst.usuarios (username, nivel_acesso, nome) VALUES
    ('GERENTE', 'ADM', 'Gerente de custos'),
    ('ANALISTA', 'CUS', 'Analista de custos'),
    ('OPERADOR', 'USR', 'Operador');

------------------------------------------------------------------------------------------------
-- Dated parameter sets
------------------------------------------------------------------------------------------------

CREATE SEQUENCE velko_cst.sq_base_custo_mercado;
CREATE SEQUENCE velko_cst.sq_produto_mercado;
CREATE SEQUENCE velko_cst.sq_base_custo_grupo;
CREATE SEQUENCE velko_cst.sq_base_custo_uf;
CREATE SEQUENCE velko_cst.sq_base_custo_referencia;
CREATE SEQUENCE velko_cst.sq_base_custo_linha;

-- A unit's parameter set, valid from data_inicial to data_final (empty: open-ended). The mod_
-- and cif_ columns are labour and indirect cost per kilogram of each process; rates of taxes
-- and expenses per kilogram unless stated. Codes: criterio_rateio and criterio_receita 'M'
-- average price, 'R' reference price; criterio_miudos 'A' by-products credited to the
-- slaughter; criterio_data_op 'E' closing date, 'P' programmed date of the production orders;
-- tipo_fechamento 'M' monthly, 'D' daily; validacao_acerto_pendente 1 blocks, 2 warns about
-- unprocessed cattle purchase orders at closing.
CREATE TABLE velko_cst.base_custo (
    id_base_custo             numeric(10) PRIMARY KEY,
    id_unidade                numeric(10) NOT NULL,
    id_unidade_abate          numeric(10),
    periodo                   varchar(7),
    dias_producao             numeric(6,2),
    mod_abate                 numeric(15,6),
    cif_abate                 numeric(15,6),
    mod_miudos                numeric(15,6),
    cif_miudos                numeric(15,6),
    mod_desossa               numeric(15,6),
    cif_desossa               numeric(15,6),
    frete                     numeric(15,6),
    frete_exportacao          numeric(15,6),
    despesa_exportacao        numeric(15,6),
    administrativo            numeric(15,6),
    margem_seguranca          numeric(9,4),
    frete_compra              numeric(15,6),
    comissao_compra           numeric(15,6),
    aproveitamento_abate      numeric(9,4),
    aproveitamento_desossa    numeric(9,4),
    rastreabilidade           numeric(15,6),
    mod_tendal                numeric(15,6),
    cif_tendal                numeric(15,6),
    mod_subproduto            numeric(15,6),
    cif_subproduto            numeric(15,6),
    seguro_carga              numeric(15,6),
    processo_exportacao       numeric(15,6),
    data_inicial              oracle.date NOT NULL,
    data_final                oracle.date,
    mod_industrializado       numeric(15,6),
    cif_industrializado       numeric(15,6),
    preco_medio_inicial       oracle.date,
    preco_medio_final         oracle.date,
    mod_revenda               numeric(15,6),
    cif_revenda               numeric(15,6),
    criterio_mp               numeric(10),
    criterio_mod              numeric(10),
    criterio_cif              numeric(10),
    criterio_data_op          varchar(1),
    criterio_rateio           varchar(1),
    criterio_receita          varchar(1),
    criterio_miudos           varchar(1),
    criterio_apuracao_abate   numeric(10),
    validacao_acerto_pendente numeric(1),
    modo_custo_indireto       varchar(2),
    dias_producao_abate       numeric(6,2),
    dias_producao_revenda     numeric(6,2),
    exibe_rendimento_abate    numeric(10),
    custo_embalagem           varchar(2),
    tipo_fechamento           varchar(1)
);
CREATE INDEX base_custo_unidade ON velko_cst.base_custo (id_unidade, data_inicial);

-- Taxes (percentages) and expenses (per kilogram) of a set per market.
CREATE TABLE velko_cst.base_custo_mercado (
    id_base_custo_mercado numeric(10) PRIMARY KEY DEFAULT nextval('velko_cst.sq_base_custo_mercado'),
    id_base_custo         numeric(10) NOT NULL REFERENCES velko_cst.base_custo,
    id_mercado            numeric(10) NOT NULL,
    icms                  numeric(9,4),
    pis_cofins            numeric(9,4),
    outros_tributos       numeric(9,4),
    frete                 numeric(15,6),
    seguro_carga          numeric(9,4),
    despesa_exportacao    numeric(15,6),
    processo_exportacao   numeric(15,6),
    comissao              numeric(9,4)
);
CREATE INDEX base_custo_mercado_base ON velko_cst.base_custo_mercado (id_base_custo);

-- Exceptions of a set per product (id_produto: VELKO_VEN.PRODUTO.SEQUENCIAL_PRODUTO) and market.
CREATE TABLE velko_cst.produto_mercado (
    id_produto_mercado  numeric(10) PRIMARY KEY DEFAULT nextval('velko_cst.sq_produto_mercado'),
    id_base_custo       numeric(10) NOT NULL REFERENCES velko_cst.base_custo,
    id_produto          numeric(10) NOT NULL,
    id_mercado          numeric(10) NOT NULL,
    icms_deb            numeric(9,4),
    icms_cre            numeric(9,4),
    comissao            numeric(9,4),
    pis_cofins          numeric(9,4),
    outros_tributos     numeric(9,4),
    frete               numeric(15,6),
    despesa_exportacao  numeric(15,6),
    processo_exportacao numeric(15,6),
    mod                 numeric(15,6),
    cif                 numeric(15,6),
    administrativo      numeric(15,6),
    criterio_rateio     varchar(1),
    criterio_receita    varchar(1)
);
CREATE INDEX produto_mercado_base ON velko_cst.produto_mercado (id_base_custo);

-- The same exceptions per product family or group and market.
CREATE TABLE velko_cst.base_custo_grupo (
    id_base_custo_grupo numeric(10) PRIMARY KEY DEFAULT nextval('velko_cst.sq_base_custo_grupo'),
    id_base_custo       numeric(10) NOT NULL REFERENCES velko_cst.base_custo,
    id_mercado          numeric(10),
    codigo_familia      numeric(10),
    codigo_grupo        numeric(10),
    icms_deb            numeric(9,4),
    icms_cre            numeric(9,4),
    pis_cofins          numeric(9,4),
    outros_tributos     numeric(9,4),
    frete               numeric(15,6),
    despesa_exportacao  numeric(15,6),
    processo_exportacao numeric(15,6),
    comissao            numeric(9,4),
    mod                 numeric(15,6),
    cif                 numeric(15,6),
    administrativo      numeric(15,6),
    criterio_rateio     varchar(1),
    criterio_receita    varchar(1)
);
CREATE INDEX base_custo_grupo_base ON velko_cst.base_custo_grupo (id_base_custo);

-- ICMS credit (percentage) per state of origin.
CREATE TABLE velko_cst.base_custo_uf (
    id_base_custo_uf       numeric(10) PRIMARY KEY DEFAULT nextval('velko_cst.sq_base_custo_uf'),
    id_base_custo          numeric(10) NOT NULL REFERENCES velko_cst.base_custo,
    uf                     varchar(2) NOT NULL,
    aproveitamento_credito numeric(9,4)
);
CREATE INDEX base_custo_uf_base ON velko_cst.base_custo_uf (id_base_custo);

-- Reference price per product.
CREATE TABLE velko_cst.base_custo_referencia (
    id_base_custo_referencia numeric(10) PRIMARY KEY DEFAULT nextval('velko_cst.sq_base_custo_referencia'),
    id_base_custo            numeric(10) NOT NULL REFERENCES velko_cst.base_custo,
    id_produto               numeric(10) NOT NULL,
    preco_unitario           numeric(18,6)
);
CREATE INDEX base_custo_referencia_base ON velko_cst.base_custo_referencia (id_base_custo);

-- Costs per production line (id_linha: VELKO_CST.LINHA_INDUSTRIAL). No foreign key to the set:
-- a processing database keeps these rows when the central database replaces its sets.
CREATE TABLE velko_cst.base_custo_linha (
    id_base_custo_linha numeric(10) PRIMARY KEY DEFAULT nextval('velko_cst.sq_base_custo_linha'),
    id_base_custo       numeric(10) NOT NULL,
    id_linha            numeric(10) NOT NULL,
    mod_linha           numeric(15,6),
    cif_linha           numeric(15,6),
    dias_producao_linha numeric(6,2),
    administrativo      numeric(15,6)
);
CREATE INDEX base_custo_linha_base ON velko_cst.base_custo_linha (id_base_custo);

------------------------------------------------------------------------------------------------
-- Slaughter
------------------------------------------------------------------------------------------------

-- One record per unit and slaughter day; data_fechamento and usuario_fechamento are set when
-- the day is closed; total_aproveitamento: total result of the day's by-products.
CREATE TABLE velko_cst.abate (
    id_abate             numeric(15) PRIMARY KEY,
    id_unidade           numeric(10) NOT NULL,
    data                 oracle.date NOT NULL,
    data_fechamento      oracle.date,
    usuario_fechamento   varchar(30),
    total_aproveitamento numeric(18,4),
    id_ordem_compra_gado numeric(10),
    cancelado            numeric(1),
    encerrado            numeric(1),
    UNIQUE (id_unidade, data)
);

-- The animals bought and slaughtered on the day: per purchase order (VELKO_PEC.ORDEM_COMPRA_GADO),
-- species (id_genero: VELKO_PEC.ESPECIE_GADO), sex and typification (id_destino:
-- VELKO_PEC.TIPIFICACAO_GADO); heads, weight, purchase value, the ICMS of the invoice, the tax
-- credits, commission and freight.
CREATE TABLE velko_cst.abate_materia_prima (
    id_abate            numeric(15) NOT NULL REFERENCES velko_cst.abate ON DELETE CASCADE,
    id_ordem_compra     numeric(10) NOT NULL,
    id_genero           numeric(10) NOT NULL,
    sexo                varchar(1),
    id_destino          numeric(10),
    quantidade          numeric(10) NOT NULL,
    peso                numeric(15,3) NOT NULL,
    valor_compra        numeric(18,4) NOT NULL,
    valor_icms_original numeric(18,4),
    credito_icms        numeric(18,4) NOT NULL DEFAULT 0,
    credito_pis_cofins  numeric(18,4) NOT NULL DEFAULT 0,
    outros_creditos     numeric(18,4) NOT NULL DEFAULT 0,
    comissao            numeric(18,4),
    frete               numeric(18,4)
);
CREATE INDEX abate_materia_prima_abate ON velko_cst.abate_materia_prima (id_abate);

-- The products obtained from the day's slaughter, per production order, with their cost
-- components; id_abate_preco: the product's price row, from which the price-dependent figures
-- (revenue, taxes, expenses) follow.
CREATE TABLE velko_cst.abate_produto (
    id_abate            numeric(15) NOT NULL REFERENCES velko_cst.abate ON DELETE CASCADE,
    sequencial_produto  numeric(10) NOT NULL,
    id_ordem_producao   numeric(10),
    id_mercado          numeric(10),
    id_contrato         numeric(10),
    id_abate_preco      numeric(15),
    caixas              numeric(15,3),
    pecas               numeric(15,3),
    peso                numeric(15,3),
    rendimento          numeric(9,4),
    rendimento_padrao   numeric(9,4),
    valor_materia_prima numeric(18,4),
    valor_mod           numeric(18,4),
    valor_cif           numeric(18,4),
    valor_embalagem     numeric(18,4)
);
-- with the price row: the generation finds a record's price rows no product refers to any more
CREATE INDEX abate_produto_abate ON velko_cst.abate_produto (id_abate, id_abate_preco);

-- The carcass quarters of the day's slaughter per species.
CREATE TABLE velko_cst.abate_quartos (
    id_abate           numeric(15) NOT NULL REFERENCES velko_cst.abate ON DELETE CASCADE,
    id_genero          numeric(10) NOT NULL,
    sequencial_produto numeric(10) NOT NULL,
    quantidade         numeric(15,3),
    peso               numeric(15,3),
    valor              numeric(18,4),
    custo_kg           numeric(18,6)
);
CREATE INDEX abate_quartos_abate ON velko_cst.abate_quartos (id_abate);

-- The average price of each slaughter product of the day (preco, editable) beside the price as
-- first computed (preco_original) and the period it was computed over; the restoration trail;
-- id_abate_preco_historico: the price capture that set it. No foreign key to ABATE: the
-- generation sends the central prices to a processing database without their day records.
CREATE TABLE velko_cst.abate_preco (
    id_abate_preco            numeric(15) PRIMARY KEY,
    id_abate                  numeric(15) NOT NULL,
    sequencial_produto        numeric(10) NOT NULL,
    id_mercado                numeric(10),
    id_contrato               numeric(10),
    id_ordem_producao         varchar(40),
    preco                     numeric(18,6),
    preco_original            numeric(18,6),
    preco_data_inicial        oracle.date,
    preco_data_final          oracle.date,
    preco_anterior            numeric(18,6),
    data_restauracao_preco    oracle.date,
    usuario_restauracao_preco varchar(30),
    id_abate_preco_historico  numeric(15)
);
CREATE INDEX abate_preco_abate ON velko_cst.abate_preco (id_abate);

-- Price captures: per price row (id_abate_preco) the prices a generation replaced, with the
-- generated day, the moment and the user of the capture.
CREATE TABLE velko_cst.abate_preco_historico (
    id_abate_preco_historico numeric(15) PRIMARY KEY,
    id_unidade               numeric(10) NOT NULL,
    data_historico           oracle.date NOT NULL,
    data_geracao_custo       oracle.date NOT NULL,
    usuario_historico        varchar(30),
    id_abate_preco           numeric(15),
    preco                    numeric(18,6),
    preco_original           numeric(18,6),
    preco_data_inicial       oracle.date,
    preco_data_final         oracle.date
);
CREATE INDEX abate_preco_historico_dia ON velko_cst.abate_preco_historico (id_unidade, data_geracao_custo);
CREATE INDEX abate_preco_historico_preco ON velko_cst.abate_preco_historico (id_abate_preco);

-- The sales behind a slaughter product's average price.
CREATE TABLE velko_cst.abate_preco_receita (
    id_abate            numeric(15) NOT NULL REFERENCES velko_cst.abate ON DELETE CASCADE,
    sequencial_produto  numeric(10) NOT NULL,
    codigo_cliente      numeric(10),
    numero_pedido       varchar(15),
    data_faturamento    oracle.date,
    quantidade          numeric(15,3),
    valor_bruto         numeric(18,4),
    valor_liquido       numeric(18,4),
    desconto_contratual numeric(9,4)
);
CREATE INDEX abate_preco_receita_abate ON velko_cst.abate_preco_receita (id_abate, sequencial_produto);

------------------------------------------------------------------------------------------------
-- Deboning and industrialized production
------------------------------------------------------------------------------------------------

-- One record per unit and production day; msg_advertencia: the warning the generation left.
CREATE TABLE velko_cst.industrial (
    id_industrial      numeric(15) PRIMARY KEY,
    id_unidade         numeric(10) NOT NULL,
    data               oracle.date NOT NULL,
    data_fechamento    oracle.date,
    usuario_fechamento varchar(30),
    msg_advertencia    varchar(255),
    UNIQUE (id_unidade, data)
);

-- The products made on the day, per production order (VELKO_PCP.TABELA_PCP.ID_TABELA_PCP),
-- line, family and process, with their price row, the raw-material weight it took and its cost
-- components. gerar_resultado_custo 1: the product counts in the family totals.
CREATE TABLE velko_cst.industrial_produto (
    id_industrial         numeric(15) NOT NULL REFERENCES velko_cst.industrial ON DELETE CASCADE,
    id_ordem_producao     numeric(10) NOT NULL,
    id_linha_producao     numeric(10) NOT NULL,
    id_familia            numeric(10) NOT NULL,
    id_processo           numeric(10),
    sequencial_produto    numeric(10) NOT NULL,
    id_mercado            numeric(10),
    id_contrato           numeric(10),
    id_industrial_preco   numeric(15),
    caixas                numeric(15,3),
    pecas                 numeric(15,3),
    peso                  numeric(15,3),
    peso_mp               numeric(15,3),
    rendimento            numeric(9,4),
    rendimento_padrao     numeric(9,4),
    valor_materia_prima   numeric(18,4),
    valor_insumo          numeric(18,4),
    valor_mod             numeric(18,4),
    valor_cif             numeric(18,4),
    valor_embalagem       numeric(18,4),
    valor_elaboracao      numeric(18,4),
    gerar_resultado_custo numeric(1) NOT NULL DEFAULT 1
);
-- with the price row, as abate_produto_abate
CREATE INDEX industrial_produto_industrial ON velko_cst.industrial_produto (id_industrial, id_industrial_preco);

-- The raw material consumed on the day, per production order and process.
CREATE TABLE velko_cst.industrial_mp (
    id_industrial     numeric(15) NOT NULL REFERENCES velko_cst.industrial ON DELETE CASCADE,
    id_ordem_producao numeric(10) NOT NULL,
    id_processo       numeric(10),
    id_familia        numeric(10) NOT NULL,
    id_produto        numeric(10) NOT NULL,
    quantidade        numeric(15,3),
    peso              numeric(15,3)
);
CREATE INDEX industrial_mp_industrial ON velko_cst.industrial_mp (id_industrial);

-- The other inputs consumed (materials of VELKO_MAT.MATERIAL).
CREATE TABLE velko_cst.industrial_insumo (
    id_industrial     numeric(15) NOT NULL REFERENCES velko_cst.industrial ON DELETE CASCADE,
    id_ordem_producao numeric(10) NOT NULL,
    id_processo       numeric(10),
    id_familia        numeric(10) NOT NULL,
    codigo_material   numeric(10) NOT NULL,
    quantidade        numeric(15,3) NOT NULL,
    valor_unitario    numeric(18,6) NOT NULL
);
CREATE INDEX industrial_insumo_industrial ON velko_cst.industrial_insumo (id_industrial);

-- Production still in elaboration: tipo 'I' an input (id_produto: a material code), 'M' a raw
-- material (id_produto: a product).
CREATE TABLE velko_cst.industrial_produto_elaboracao (
    id_industrial     numeric(15) NOT NULL REFERENCES velko_cst.industrial ON DELETE CASCADE,
    id_ordem_producao numeric(10) NOT NULL,
    id_produto        numeric(10) NOT NULL,
    tipo              varchar(1) NOT NULL,
    quantidade        numeric(15,3),
    unidade_medida    varchar(3),
    valor_unitario    numeric(18,6)
);
CREATE INDEX industrial_produto_elaboracao_industrial ON velko_cst.industrial_produto_elaboracao (id_industrial);

-- The average price of each product of the day, as ABATE_PRECO, with the service value.
CREATE TABLE velko_cst.industrial_preco (
    id_industrial_preco       numeric(15) PRIMARY KEY,
    id_industrial             numeric(15) NOT NULL REFERENCES velko_cst.industrial ON DELETE CASCADE,
    id_ordem_producao         numeric(10),
    id_processo               numeric(10),
    sequencial_produto        numeric(10) NOT NULL,
    id_mercado                numeric(10),
    id_contrato               numeric(10),
    preco                     numeric(18,6),
    preco_original            numeric(18,6),
    preco_data_inicial        oracle.date,
    preco_data_final          oracle.date,
    valor_servico             numeric(18,4),
    valor_servico_kg          numeric(18,6),
    preco_anterior            numeric(18,6),
    data_restauracao_preco    oracle.date,
    usuario_restauracao_preco varchar(30),
    id_ind_preco_historico    numeric(15)
);
CREATE INDEX industrial_preco_industrial ON velko_cst.industrial_preco (id_industrial);

-- The price of each raw material consumed, with its costing method (codigo_metodo_custo_mp
-- 'CMP': weighted average cost, computed by the server), origin, source document, pieces and
-- weight.
CREATE TABLE velko_cst.industrial_preco_mp (
    id_industrial_preco_mp numeric(15) PRIMARY KEY,
    id_industrial          numeric(15) NOT NULL REFERENCES velko_cst.industrial ON DELETE CASCADE,
    id_familia             numeric(10) NOT NULL,
    id_processo            numeric(10),
    id_ordem_producao      numeric(10),
    id_produto             numeric(10) NOT NULL,
    procedencia            varchar(50),
    documento_origem       varchar(40),
    metodo_custo_mp        varchar(30),
    codigo_metodo_custo_mp varchar(3),
    data_consumo           oracle.date,
    quantidade             numeric(15,3),
    peso                   numeric(15,3),
    preco                  numeric(18,6),
    preco_original         numeric(18,6)
);
CREATE INDEX industrial_preco_mp_industrial ON velko_cst.industrial_preco_mp (id_industrial);

CREATE TABLE velko_cst.industrial_preco_receita (
    id_industrial       numeric(15) NOT NULL REFERENCES velko_cst.industrial ON DELETE CASCADE,
    sequencial_produto  numeric(10) NOT NULL,
    codigo_cliente      numeric(10),
    numero_pedido       varchar(15),
    data_faturamento    oracle.date,
    quantidade          numeric(15,3),
    valor_bruto         numeric(18,4),
    valor_liquido       numeric(18,4),
    desconto_contratual numeric(9,4)
);
CREATE INDEX industrial_preco_receita_industrial ON velko_cst.industrial_preco_receita (id_industrial, sequencial_produto);

-- Price captures of the production prices, as ABATE_PRECO_HISTORICO.
CREATE TABLE velko_cst.ind_preco_historico (
    id_ind_preco_historico numeric(15) PRIMARY KEY,
    id_unidade             numeric(10) NOT NULL,
    data_historico         oracle.date NOT NULL,
    data_geracao_custo     oracle.date NOT NULL,
    usuario_historico      varchar(30),
    id_industrial_preco    numeric(15),
    preco                  numeric(18,6),
    preco_original         numeric(18,6),
    preco_data_inicial     oracle.date,
    preco_data_final       oracle.date
);
CREATE INDEX ind_preco_historico_dia ON velko_cst.ind_preco_historico (id_unidade, data_geracao_custo);
CREATE INDEX ind_preco_historico_preco ON velko_cst.ind_preco_historico (id_industrial_preco);

-- Materials consumed per production table (or production order) and product, with the unit
-- cost; id_ordem_venda: the sales order the production was made for, if any.
CREATE TABLE velko_cst.consumo (
    id_unidade         numeric(10) NOT NULL,
    data               oracle.date NOT NULL,
    id_tabela_pcp      numeric(10),
    id_ordem_producao  numeric(10),
    id_ordem_venda     numeric(10),
    sequencial_produto numeric(10) NOT NULL,
    codigo_material    numeric(10) NOT NULL,
    quantidade         numeric(15,3) NOT NULL,
    custo_unitario     numeric(18,6) NOT NULL
);
CREATE INDEX consumo_dia ON velko_cst.consumo (id_unidade, data);

------------------------------------------------------------------------------------------------
-- Resale
------------------------------------------------------------------------------------------------

CREATE TABLE velko_cst.revenda (
    id_revenda         numeric(15) PRIMARY KEY,
    id_unidade         numeric(10) NOT NULL,
    data               oracle.date NOT NULL,
    data_fechamento    oracle.date,
    usuario_fechamento varchar(30),
    UNIQUE (id_unidade, data)
);

-- The goods bought for resale and sold on the day, per material family and group, supplier
-- (VELKO_VEN.ENTIDADE) and purchase document, with the purchase values and credits and the
-- handling costs.
CREATE TABLE velko_cst.revenda_produto (
    id_revenda           numeric(15) NOT NULL REFERENCES velko_cst.revenda ON DELETE CASCADE,
    sequencial_produto   numeric(10) NOT NULL,
    codigo_familia       numeric(10) NOT NULL,
    codigo_grupo         numeric(10) NOT NULL,
    codigo_fornecedor    numeric(10),
    documento            varchar(40),
    id_mercado           numeric(10),
    caixas               numeric(15,3),
    peso                 numeric(15,3),
    valor_mercadoria     numeric(18,4),
    valor_frete_despesas numeric(18,4),
    valor_ipi            numeric(18,4),
    valor_icms_st        numeric(18,4),
    credito_icms         numeric(18,4),
    credito_icms_st      numeric(18,4),
    credito_ipi          numeric(18,4),
    credito_pis_cofins   numeric(18,4),
    valor_acrescimo      numeric(18,4),
    valor_embalagem      numeric(18,4),
    valor_mod            numeric(18,4),
    valor_cif            numeric(18,4)
);
CREATE INDEX revenda_produto_revenda ON velko_cst.revenda_produto (id_revenda);

-- The average price of each resale product of the day. No foreign key to REVENDA, as for
-- ABATE_PRECO.
CREATE TABLE velko_cst.revenda_preco (
    id_revenda_preco   numeric(15) PRIMARY KEY,
    id_revenda         numeric(15) NOT NULL,
    sequencial_produto numeric(10) NOT NULL,
    id_mercado         numeric(10),
    preco              numeric(18,6),
    preco_original     numeric(18,6),
    preco_data_inicial oracle.date,
    preco_data_final   oracle.date
);
CREATE INDEX revenda_preco_revenda ON velko_cst.revenda_preco (id_revenda);

------------------------------------------------------------------------------------------------
-- Histories
------------------------------------------------------------------------------------------------

-- One line per generation or closing event of a unit's day.
CREATE TABLE velko_cst.log_custo (
    id_log_custo   numeric(15) PRIMARY KEY,
    data_custo     oracle.date NOT NULL,
    data_historico oracle.date NOT NULL,
    id_unidade     numeric(10) NOT NULL,
    usuario        varchar(30),
    historico      varchar(2024)
);
CREATE INDEX log_custo_dia ON velko_cst.log_custo (id_unidade, data_custo);
