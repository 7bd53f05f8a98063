-- Package pkg_industrializado, continued: the product rows handed out by ppl_resultado, kept
-- per production record once computed.
--
-- A month of a large unit is some 10,000 rows of a hundred computed columns: computing them takes
-- well over a tenth of a second on every read, reading them back a seventh of that.
-- So the generation of a record, or else its first read, stores its rows, later reads hand the
-- stored rows out, and every change to anything the rows are computed from drops the stored rows
-- of the records it bears on, in the same transaction: a read sees either stored rows that equal
-- what it would compute, or none, and then computes them. What is kept is never a figure of its own: dropping all of it
-- at any moment loses nothing.
--
--   registro_guardado     the records whose rows are kept (a record may have none)
--   resultado_guardado    their rows
--   ppl_resultado         kept rows of the records that have them, computed rows of the others,
--                         which it keeps when it may
--   descarta_resultado    the trigger that drops the kept rows a change bears on
--
-- Keeping and dropping never race: a read keeps the rows of a unit's records only under a shared
-- lock on the unit (and one on everything), which it tries and never waits for; a change takes
-- the exclusive lock of the units it bears on (or of everything) before it drops, and holds it to
-- its end. A read that keeps rows computed them after taking its lock, so either it saw the
-- change, or the change waits for it and then drops what it kept. A read that cannot take its
-- lock, or runs in a read-only transaction, computes its rows and keeps nothing.

-- Unlogged: keeping a month's rows costs a quarter of computing them instead of as much again,
-- and after a crash the server empties both tables, which loses nothing.
CREATE UNLOGGED TABLE pkg_industrializado.registro_guardado (
    id_industrial numeric(15) PRIMARY KEY
);

CREATE UNLOGGED TABLE pkg_industrializado.resultado_guardado OF pkg_industrializado.resultado;
CREATE INDEX resultado_guardado_industrial ON pkg_industrializado.resultado_guardado (id_industrial);
-- The users' sessions write both through the triggers below, which may empty them.
GRANT TRUNCATE ON pkg_industrializado.registro_guardado, pkg_industrializado.resultado_guardado TO velko_user;

-- The advisory lock that guards the kept rows of a unit; unit 0 stands for everything.
CREATE FUNCTION pkg_industrializado.chave_guarda(p_id_unidade numeric)
RETURNS bigint
LANGUAGE sql IMMUTABLE AS $$
    SELECT 4500000000 + p_id_unidade::bigint
$$;

-- Computes and keeps the rows of those of the unit's records that have none kept, when it may.
CREATE PROCEDURE pkg_industrializado.guarda_resultado(p_id_unidade numeric, p_data_inicial timestamp,
                                                      p_data_final timestamp, p_registros numeric[])
LANGUAGE plpgsql AS $$
DECLARE
    v_novos numeric[];
BEGIN
    IF current_setting('transaction_read_only')::boolean
       OR NOT pg_try_advisory_xact_lock_shared(pkg_industrializado.chave_guarda(0))
       OR NOT pg_try_advisory_xact_lock_shared(pkg_industrializado.chave_guarda(p_id_unidade)) THEN
        RETURN;
    END IF;
    -- A record another read is keeping waits for it here, and is then left to it; in the order of
    -- the keys, so that two reads never wait for each other.
    WITH novos AS (
        INSERT INTO pkg_industrializado.registro_guardado (id_industrial)
        SELECT r FROM unnest(p_registros) r ORDER BY r
        ON CONFLICT DO NOTHING
        RETURNING id_industrial)
    SELECT array_agg(id_industrial) INTO v_novos FROM novos;
    IF v_novos IS NOT NULL THEN
        INSERT INTO pkg_industrializado.resultado_guardado
        SELECT * FROM pkg_industrializado.linhas_resultado(p_id_unidade, p_data_inicial, p_data_final, v_novos);
    END IF;
END
$$;

CREATE FUNCTION pkg_industrializado.ppl_resultado(p_id_unidade numeric, p_data_inicial timestamp, p_data_final timestamp)
RETURNS SETOF pkg_industrializado.resultado
LANGUAGE plpgsql
SET plan_cache_mode = force_generic_plan
SET work_mem = '64MB' -- a month of a large unit's rows is computed in memory, not in a temporary file
AS $$
DECLARE
    v_registros numeric[] := pkg_industrializado.registros(p_id_unidade, p_data_inicial, p_data_final);
BEGIN
    CALL pkg_industrializado.guarda_resultado(p_id_unidade, p_data_inicial, p_data_final, v_registros);
    -- One statement, so that the kept rows and the records without them are seen at one moment.
    -- The records without kept rows reach the computation as a column, not as a subquery in its
    -- arguments, so that the planner inlines it (and this plan is made once for the session).
    RETURN QUERY
        SELECT g.* FROM pkg_industrializado.resultado_guardado g WHERE g.id_industrial = ANY (v_registros)
        UNION ALL
        SELECT l.*
          FROM (SELECT ARRAY(SELECT r FROM unnest(v_registros) r
                              WHERE NOT EXISTS (SELECT 1 FROM pkg_industrializado.registro_guardado k
                                                 WHERE k.id_industrial = r)) registros) f
         CROSS JOIN LATERAL pkg_industrializado.linhas_resultado(p_id_unidade, p_data_inicial, p_data_final,
                                                                 f.registros) l;
END
$$;

-- The same rows, read by the period summaries. Stable, although ppl_resultado may keep rows on
-- the way (which changes nothing it returns), so that the planner folds this call into the
-- caller's instead of handing the rows over twice.
CREATE FUNCTION pkg_industrializado.ppl_resultado_rel(p_id_unidade numeric, p_data_inicial timestamp, p_data_final timestamp)
RETURNS SETOF pkg_industrializado.resultado
LANGUAGE sql STABLE AS $$
    SELECT * FROM pkg_industrializado.ppl_resultado(p_id_unidade, p_data_inicial, p_data_final)
$$;

-- Drops the kept rows the changed rows bear on. The trigger's argument says how to find them:
--   registro     rows of a production record (id_industrial): that record
--   industrial   the records themselves
--   parametros   rows of a parameter set (id_base_custo): the records of its unit in its period
--   base_custo   the parameter sets themselves
--   cadastro     descriptions, groups, processes, markets...: everything kept
-- The changed rows are the statement's transition tables (novas, antigas). A writer that does
-- not read committed (repeatable read, serializable) cannot see rows kept after it began, so it
-- empties what is kept.
CREATE FUNCTION pkg_industrializado.descarta_resultado()
RETURNS trigger
LANGUAGE plpgsql AS $$
DECLARE
    v_linhas text := CASE TG_OP WHEN 'INSERT' THEN 'SELECT * FROM novas'
                                WHEN 'DELETE' THEN 'SELECT * FROM antigas'
                                ELSE 'SELECT * FROM novas UNION ALL SELECT * FROM antigas' END;
    v_registros text;
    v_unidades numeric[];
    v_ids numeric[];
BEGIN
    IF current_setting('transaction_isolation') <> 'read committed' THEN
        TRUNCATE pkg_industrializado.resultado_guardado, pkg_industrializado.registro_guardado;
        RETURN NULL;
    END IF;
    IF TG_ARGV[0] = 'industrial' AND TG_OP = 'UPDATE' THEN
        -- closing, reopening and warnings change other columns: only a record's unit and day bear
        -- on its rows
        v_linhas := '(SELECT id_unidade, id_industrial, data FROM novas
                      EXCEPT SELECT id_unidade, id_industrial, data FROM antigas)
                     UNION ALL
                     (SELECT id_unidade, id_industrial, data FROM antigas
                      EXCEPT SELECT id_unidade, id_industrial, data FROM novas)';
    END IF;
    IF TG_OP = 'TRUNCATE' OR TG_ARGV[0] = 'cadastro' THEN
        PERFORM pg_advisory_xact_lock(pkg_industrializado.chave_guarda(0));
        DELETE FROM pkg_industrializado.resultado_guardado;
        DELETE FROM pkg_industrializado.registro_guardado;
        RETURN NULL;
    END IF;
    -- Rows of a record's tables stand for their record, rows of a set's tables for their set.
    IF TG_ARGV[0] = 'registro' THEN
        v_linhas := format('SELECT r.* FROM velko_cst.industrial r
                             WHERE r.id_industrial IN (SELECT l.id_industrial FROM (%s) l)', v_linhas);
    ELSIF TG_ARGV[0] = 'parametros' THEN
        v_linhas := format('SELECT b.* FROM velko_cst.base_custo b
                             WHERE b.id_base_custo IN (SELECT l.id_base_custo FROM (%s) l)', v_linhas);
    END IF;
    v_registros := CASE WHEN TG_ARGV[0] IN ('industrial', 'registro')
        THEN 'SELECT l.id_unidade, l.id_industrial FROM (%s) l'
        ELSE 'SELECT r.id_unidade, r.id_industrial FROM (%s) b
                JOIN velko_cst.industrial r ON r.id_unidade = b.id_unidade
                 AND r.data::date BETWEEN b.data_inicial AND coalesce(b.data_final, r.data::date)' END;
    EXECUTE format('SELECT array_agg(DISTINCT x.id_unidade), array_agg(DISTINCT x.id_industrial) FROM (%s) x',
                   format(v_registros, v_linhas))
       INTO v_unidades, v_ids;
    IF v_ids IS NULL THEN
        RETURN NULL;
    END IF;
    PERFORM pg_advisory_xact_lock(pkg_industrializado.chave_guarda(u)) FROM unnest(v_unidades) u ORDER BY u;
    DELETE FROM pkg_industrializado.resultado_guardado WHERE id_industrial = ANY (v_ids);
    DELETE FROM pkg_industrializado.registro_guardado WHERE id_industrial = ANY (v_ids);
    RETURN NULL;
END
$$;

-- Everything the rows are computed from (linhas_resultado and the parameter functions it calls),
-- with the trigger argument above. The description tables, which other systems also write, drop
-- everything kept, and only when the columns read change: their rows are few and seldom edited.
-- A new row of them bears on nothing kept, since a record refers only to rows that exist when it
-- is generated; markets are the exception, as a new one joins every parameter set.
DO $$
DECLARE
    t record;
    v_novas text;
    v_antigas text;
BEGIN
    FOR t IN SELECT * FROM (VALUES
        ('velko_cst.industrial', 'industrial', NULL),
        ('velko_cst.industrial_produto', 'registro', NULL),
        ('velko_cst.industrial_preco', 'registro', NULL),
        ('velko_cst.industrial_preco_mp', 'registro', NULL),
        ('velko_cst.industrial_produto_elaboracao', 'registro', NULL),
        ('velko_cst.base_custo', 'base_custo', NULL),
        ('velko_cst.base_custo_linha', 'parametros', NULL),
        ('velko_cst.base_custo_referencia', 'parametros', NULL),
        ('velko_cst.base_custo_mercado', 'parametros', NULL),
        ('velko_cst.base_custo_grupo', 'parametros', NULL),
        ('velko_cst.produto_mercado', 'parametros', NULL),
        ('velko_cst.mercado', 'cadastro', NULL),
        ('velko_ven.produto', 'cadastro', 'sequencial_produto, codigo_produto, descricao, id_grupo, codigo_material'),
        ('velko_mat.material', 'cadastro', 'codigo_material, codigo_familia, codigo_grupo'),
        ('velko_pcp.grupo', 'cadastro', 'id_grupo, id_familia, descricao'),
        ('velko_pcp.familia', 'cadastro', 'id_familia, descricao'),
        ('velko_pcp.linha_producao', 'cadastro', 'id_linha_producao, tipo_processo, descricao'),
        ('velko_pcp.processo', 'cadastro', 'id_processo, gerar_resultado_custo, sequencia, descricao'),
        ('velko_pcp.tabela_pcp', 'cadastro', 'id_tabela_pcp, id_familia'))
        v(tabela, origem, colunas)
    LOOP
        -- the changed rows are needed only to find the records they bear on
        v_novas := CASE WHEN t.origem <> 'cadastro' THEN ' NEW TABLE AS novas' END;
        v_antigas := CASE WHEN t.origem <> 'cadastro' THEN ' OLD TABLE AS antigas' END;
        IF t.colunas IS NULL THEN
            EXECUTE format('CREATE TRIGGER descarta_resultado_i AFTER INSERT ON %s%s'
                           ' FOR EACH STATEMENT EXECUTE FUNCTION pkg_industrializado.descarta_resultado(%L)',
                           t.tabela, ' REFERENCING' || v_novas, t.origem);
        END IF;
        EXECUTE format('CREATE TRIGGER descarta_resultado_u AFTER UPDATE %s ON %s%s'
                       ' FOR EACH STATEMENT EXECUTE FUNCTION pkg_industrializado.descarta_resultado(%L)',
                       'OF ' || t.colunas, t.tabela, ' REFERENCING' || v_novas || v_antigas, t.origem);
        EXECUTE format('CREATE TRIGGER descarta_resultado_d AFTER DELETE ON %s%s'
                       ' FOR EACH STATEMENT EXECUTE FUNCTION pkg_industrializado.descarta_resultado(%L)',
                       t.tabela, ' REFERENCING' || v_antigas, t.origem);
        EXECUTE format('CREATE TRIGGER descarta_resultado_t AFTER TRUNCATE ON %s'
                       ' FOR EACH STATEMENT EXECUTE FUNCTION pkg_industrializado.descarta_resultado(%L)',
                       t.tabela, t.origem);
    END LOOP;
END
$$;
