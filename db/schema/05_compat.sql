-- Remote procedure calls over a database link.
--
-- A database link is a postgres_fdw foreign server named after the link (db/link.sql). Its
-- tables are reached through imported foreign tables; its procedures are called here, through
-- one dblink connection per link and session, named custos_<link>. The calls of a session run
-- inside one remote transaction per link, opened by the first call after the last finish, so
-- that a remote call commits only when the local block that made it succeeds: the session layer
-- calls link_finish(true) after such a block succeeded and link_finish(false) after it failed.
-- Without this, dblink would commit every call on its own at once.
--
-- The links with an open remote transaction are kept in the session setting
-- oracompat.open_links (a comma-separated list). link_finish does not rely on it: it ends the
-- transaction of every link connection the session holds, because a rolled-back local
-- transaction also rolls back the setting while the remote transaction stays open.
CREATE SCHEMA oracompat;

-- The foreign server of a link, or an error naming the link. Link names are plain identifiers
-- (letters, digits, underscore, dollar); anything else is refused before it reaches dblink.
CREATE FUNCTION oracompat.link_server(link text) RETURNS text
    LANGUAGE plpgsql STABLE
    SET search_path = pg_catalog
AS $$
DECLARE
    server text := lower(link);
BEGIN
    IF link IS NULL OR link !~ '^[A-Za-z][A-Za-z0-9_$]*$' THEN
        RAISE EXCEPTION 'invalid database link name: "%"', link USING ERRCODE = '42602';
    END IF;
    IF NOT EXISTS (SELECT 1 FROM pg_foreign_server WHERE srvname = server) THEN
        RAISE EXCEPTION 'database link "%" does not exist', upper(link) USING ERRCODE = '42704';
    END IF;
    RETURN server;
END
$$;

CREATE FUNCTION oracompat.open_links() RETURNS text[]
    LANGUAGE sql STABLE
    SET search_path = pg_catalog
AS $$
    SELECT coalesce(string_to_array(nullif(current_setting('oracompat.open_links', true), ''), ','),
                    '{}'::text[])
$$;

-- Opens the dblink connection conn to the server; the remote session gets the national settings
-- of a session of the program.
CREATE FUNCTION oracompat.link_connect(conn text, server text) RETURNS void
    LANGUAGE plpgsql
    SET search_path = pg_catalog, public
AS $$
BEGIN
    -- The server name makes dblink use the server's options and the user mapping.
    PERFORM dblink_connect(conn, server);
    PERFORM dblink_exec(conn, 'CALL velko.set_nls_parameters()');
END
$$;

-- Runs stmt (a complete statement, for example a CALL) on the database of the link, inside the
-- session's remote transaction for that link. The remote session is the link's account, which
-- the remote database does not refuse anything: the procedures the cost system calls over a link
-- are the generation's and the undo of a price capture, which an operator may not run, so an
-- operator's session is refused here (db/schema/96_operador.sql).
CREATE FUNCTION oracompat.link_call(link text, stmt text) RETURNS void
    LANGUAGE plpgsql
    SET search_path = pg_catalog, public
AS $$
DECLARE
    server text := oracompat.link_server(link);
    conn text := 'custos_' || server;
BEGIN
    CALL velko_cst.exige_nao_operador('executar procedimentos do custo pelo link ' || upper(link));
    IF NOT conn = ANY (coalesce(dblink_get_connections(), '{}'::text[])) THEN
        PERFORM oracompat.link_connect(conn, server);
    END IF;
    IF NOT server = ANY (oracompat.open_links()) THEN
        -- BEGIN inside an open remote transaction only warns, so a setting lost to a local
        -- rollback cannot break the next call. A connection lost since the last transaction
        -- (nothing of this block was sent yet) is opened again.
        BEGIN
            PERFORM dblink_exec(conn, 'BEGIN');
        EXCEPTION WHEN OTHERS THEN
            PERFORM dblink_disconnect(conn);
            PERFORM oracompat.link_connect(conn, server);
            PERFORM dblink_exec(conn, 'BEGIN');
        END;
        PERFORM set_config('oracompat.open_links',
                           array_to_string(oracompat.open_links() || server, ','), false);
    END IF;
    PERFORM dblink_exec(conn, stmt);
END
$$;

-- Commits (do_commit) or rolls back the remote transaction of every link of this session.
-- After a commit fails, the remaining links are rolled back and the error is raised; a
-- connection that cannot even roll back is dropped, so the next call connects afresh.
CREATE FUNCTION oracompat.link_finish(do_commit boolean) RETURNS void
    LANGUAGE plpgsql
    SET search_path = pg_catalog, public
AS $$
DECLARE
    conn text;
    failure text;
BEGIN
    PERFORM set_config('oracompat.open_links', '', false);
    FOREACH conn IN ARRAY coalesce(dblink_get_connections(), '{}'::text[]) LOOP
        CONTINUE WHEN conn NOT LIKE 'custos\_%';
        IF do_commit AND failure IS NULL THEN
            BEGIN
                PERFORM dblink_exec(conn, 'COMMIT');
                CONTINUE;
            EXCEPTION WHEN OTHERS THEN
                failure := SQLERRM;
            END;
        END IF;
        -- A rollback that fails means the connection is gone.
        IF dblink_exec(conn, 'ROLLBACK', false) = 'ERROR' THEN
            PERFORM dblink_disconnect(conn);
        END IF;
    END LOOP;
    IF failure IS NOT NULL THEN
        RAISE EXCEPTION '%', failure;
    END IF;
END
$$;

REVOKE ALL ON SCHEMA oracompat FROM PUBLIC;
GRANT USAGE ON SCHEMA oracompat TO velko_user;
REVOKE ALL ON ALL ROUTINES IN SCHEMA oracompat FROM PUBLIC;
GRANT EXECUTE ON ALL ROUTINES IN SCHEMA oracompat TO velko_user;
