-- VELKO_FIN, finance: currency indices and their values, customers, cities, postal codes.

CREATE TABLE velko_fin.indice (
    codigo_indice numeric(10) PRIMARY KEY,
    descricao     varchar(30) NOT NULL
);

-- The value of an index from a day on, until the next day that has a value.
CREATE TABLE velko_fin.indice_valor (
    codigo_indice numeric(10) NOT NULL REFERENCES velko_fin.indice,
    data          oracle.date NOT NULL,
    valor         numeric(18,6) NOT NULL,
    PRIMARY KEY (codigo_indice, data)
);

-- VELKO_FIN.VALOR_INDICE: the value of the index valid on the day (the last value given on or
-- before it); NULL when the index has none by then, or for a NULL code.
CREATE FUNCTION velko_fin.valor_indice(codigo numeric, dia timestamp) RETURNS numeric
    LANGUAGE sql STABLE
    SET search_path = pg_catalog
AS $$
    SELECT v.valor
      FROM velko_fin.indice_valor v
     WHERE v.codigo_indice = codigo
       AND v.data < date_trunc('day', dia) + interval '1 day'
     ORDER BY v.data DESC
     LIMIT 1
$$;

CREATE TABLE velko_fin.cidade (
    id_cidade numeric(10) PRIMARY KEY,
    nome      varchar(60) NOT NULL,
    uf        varchar(2) NOT NULL
);

CREATE TABLE velko_fin.cep (
    cep           varchar(8) PRIMARY KEY,
    codigo_cidade numeric(10) NOT NULL REFERENCES velko_fin.cidade
);

CREATE TABLE velko_fin.cliente (
    codigo_cliente numeric(10) PRIMARY KEY,
    razao_social   varchar(60) NOT NULL,
    cnpj_cpf       varchar(14),
    id_cidade      numeric(10) REFERENCES velko_fin.cidade
);
