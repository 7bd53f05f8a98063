-- Operators: what the database refuses a user of the operator level.
--
-- A user registered in VELKO_CST.USUARIOS with the access level 'USR' reads the results, edits
-- resale prices and has the weighted-average raw-material cost recomputed; the windows keep
-- them from everything else, and since every session takes the same role, so does the
-- database: whatever client the login uses, it cannot generate, close or reopen a day, undo a
-- price capture, change the slaughter or production prices, the parameter sets and the
-- configuration, or publish prices into the sales price tables.
--
--   exige_nao_operador(operation)   the one check: refuses an operator's session (SQLSTATE
--                                   42501) with a message naming the operation
--   recusa_operador()               the statement trigger that runs the check on a table
--   recusa_operador_nas_tabelas     puts the trigger on every guarded table (here, and on the
--                                   foreign tables of a database link in db/link.sql)
--
-- The procedures of those operations run the check first (db/packages/). The session is an
-- operator's when its login (session_user: the session only SETs ROLE velko_user) is
-- registered at that level, and the statement runs with the session's own rights (the login or
-- velko_user). A package routine an operator may run, but that writes guarded tables, runs with
-- the rights of the role velko_pacote (pkg_industrializado.atualiza_custo_medio_mp), and its
-- writes pass. The cluster owner that loads the demo and the account the database links log in
-- with are not registered, and pass too.

CREATE PROCEDURE velko_cst.exige_nao_operador(p_operacao text)
    LANGUAGE plpgsql
    SET search_path = pg_catalog
AS $$
BEGIN
    IF current_user IN ('velko_user', session_user)
       AND EXISTS (SELECT 1 FROM velko_cst.usuarios u WHERE u.username = session_user AND u.nivel_acesso = 'USR') THEN
        RAISE EXCEPTION 'O usuário % é operador do sistema de custo e não pode %.', session_user, p_operacao
            USING ERRCODE = 'insufficient_privilege';
    END IF;
END
$$;

-- Before each statement on a guarded table; the argument is the operation the message names.
CREATE FUNCTION velko_cst.recusa_operador() RETURNS trigger
    LANGUAGE plpgsql
    SET search_path = pg_catalog
AS $$
BEGIN
    CALL velko_cst.exige_nao_operador(TG_ARGV[0]);
    RETURN NULL;
END
$$;

-- The guarded tables, found in the schemas p_prefixo || schema; p_link names the database link
-- whose foreign tables they are (null for the database's own tables). Every table of the cost
-- schema is written only by the operations operators may not run, or holds the configuration
-- and the users themselves (an operator who could write USUARIOS could raise their own level);
-- the resale prices keep their price editable (the other columns, inserts and deletes are the
-- generation's). The sales price table item_preco receives the published prices.
CREATE PROCEDURE velko_cst.recusa_operador_nas_tabelas(p_prefixo text, p_link text)
    LANGUAGE plpgsql
    SET search_path = pg_catalog
AS $$
DECLARE
    t record;
    tabela regclass;
    eventos text;
    operacao text;
BEGIN
    FOR t IN SELECT *
               FROM (VALUES
                   -- configuration, users and the dated parameter sets
                   ('velko_cst', 'unidade', NULL), ('velko_cst', 'parametros', NULL), ('velko_cst', 'mercado', NULL),
                   ('velko_cst', 'linha_industrial', NULL), ('velko_cst', 'categoria_revenda', NULL),
                   ('velko_cst', 'usuarios', NULL), ('velko_cst', 'base_custo', NULL),
                   ('velko_cst', 'base_custo_mercado', NULL), ('velko_cst', 'produto_mercado', NULL),
                   ('velko_cst', 'base_custo_grupo', NULL), ('velko_cst', 'base_custo_uf', NULL),
                   ('velko_cst', 'base_custo_referencia', NULL), ('velko_cst', 'base_custo_linha', NULL),
                   -- what the generation, the closing, the reopening and the undo write
                   ('velko_cst', 'consumo', NULL), ('velko_cst', 'log_custo', NULL),
                   ('velko_cst', 'abate', NULL), ('velko_cst', 'abate_materia_prima', NULL),
                   ('velko_cst', 'abate_produto', NULL), ('velko_cst', 'abate_quartos', NULL),
                   ('velko_cst', 'abate_preco', NULL), ('velko_cst', 'abate_preco_historico', NULL),
                   ('velko_cst', 'abate_preco_receita', NULL), ('velko_cst', 'industrial', NULL),
                   ('velko_cst', 'industrial_produto', NULL), ('velko_cst', 'industrial_mp', NULL),
                   ('velko_cst', 'industrial_insumo', NULL), ('velko_cst', 'industrial_produto_elaboracao', NULL),
                   ('velko_cst', 'industrial_preco', NULL), ('velko_cst', 'industrial_preco_mp', NULL),
                   ('velko_cst', 'industrial_preco_receita', NULL), ('velko_cst', 'ind_preco_historico', NULL),
                   ('velko_cst', 'revenda', NULL), ('velko_cst', 'revenda_produto', NULL),
                   ('velko_cst', 'revenda_preco', 'preco'),
                   -- the published prices
                   ('velko_ven', 'item_preco', NULL)) v (esquema, nome, coluna_livre) LOOP
        tabela := to_regclass(format('%I.%I', p_prefixo || t.esquema, t.nome));
        IF tabela IS NULL THEN
            RAISE EXCEPTION 'a tabela guardada %.% não existe', p_prefixo || t.esquema, t.nome;
        END IF;
        operacao := 'alterar ' || upper(t.esquema || '.' || t.nome) || coalesce('@' || upper(p_link), '');
        IF t.coluna_livre IS NULL THEN
            eventos := 'INSERT OR UPDATE OR DELETE';
        ELSE
            operacao := operacao || ' além de ' || upper(t.coluna_livre);
            SELECT 'INSERT OR DELETE OR UPDATE OF ' || string_agg(quote_ident(a.attname), ', ' ORDER BY a.attnum)
              INTO eventos
              FROM pg_attribute a
             WHERE a.attrelid = tabela AND a.attnum > 0 AND NOT a.attisdropped AND a.attname <> t.coluna_livre;
        END IF;
        EXECUTE format('CREATE TRIGGER recusa_operador BEFORE %s ON %s FOR EACH STATEMENT'
                       ' EXECUTE FUNCTION velko_cst.recusa_operador(%L)', eventos, tabela, operacao);
    END LOOP;
END
$$;
REVOKE ALL ON PROCEDURE velko_cst.recusa_operador_nas_tabelas(text, text) FROM PUBLIC, velko_user;

CALL velko_cst.recusa_operador_nas_tabelas('', NULL);
