-- Session objects of VELKO: national settings, the session company (package PKG_VELKO) and
-- the scratch list table CLAUSULA_IN.

-- The identity of this database session: backend pid and backend start time, so a pid the
-- server hands out again never names an older session. Kept in a session setting after the
-- first use (recomputed when a rollback took the setting away). It runs with the owner's
-- rights: after SET ROLE the statistics hide the start time of the session's own backend.
CREATE FUNCTION velko.sessao_atual() RETURNS text
    LANGUAGE plpgsql STABLE PARALLEL RESTRICTED SECURITY DEFINER
    SET search_path = pg_catalog
AS $$
DECLARE
    sessao text := nullif(current_setting('velko.sessao', true), '');
BEGIN
    IF sessao IS NULL THEN
        SELECT a.pid || '@' || extract(epoch FROM a.backend_start)
          INTO sessao
          FROM pg_stat_get_activity(pg_backend_pid()) a;
        PERFORM set_config('velko.sessao', sessao, false);
    END IF;
    RETURN sessao;
END
$$;

-- Rows of every session; sessions see and change only their own through the view
-- velko.clausula_in. velko_user has no privilege on this table itself.
CREATE TABLE velko.clausula_in_sessao (
    sessao   text NOT NULL DEFAULT velko.sessao_atual(),
    chave    numeric(8) NOT NULL,
    numero   numeric,
    data     oracle.date,
    caracter varchar(4000)
);
CREATE INDEX clausula_in_sessao_chave ON velko.clausula_in_sessao (sessao, chave);

CREATE VIEW velko.clausula_in WITH (security_barrier) AS
    SELECT chave, numero, data, caracter
      FROM velko.clausula_in_sessao
     WHERE sessao = velko.sessao_atual();

-- Removes the rows of sessions that have ended. Runs with the owner's rights: only they see
-- the start time of every other session (a session whose start time cannot be read is alive).
CREATE FUNCTION velko.limpa_clausula_in_encerradas() RETURNS void
    LANGUAGE sql SECURITY DEFINER
    SET search_path = pg_catalog
AS $$
    DELETE FROM velko.clausula_in_sessao c
     WHERE NOT EXISTS (SELECT 1
                         FROM pg_stat_get_activity(NULL) a
                        WHERE a.pid || '@' || extract(epoch FROM a.backend_start) = c.sessao);
$$;
REVOKE ALL ON FUNCTION velko.limpa_clausula_in_encerradas() FROM PUBLIC;
GRANT EXECUTE ON FUNCTION velko.limpa_clausula_in_encerradas() TO velko_user;

-- VELKO.SET_NLS_PARAMETERS: the session's formats as the server expects them. Session-wide
-- (not local to the transaction). pg_catalog stays implicitly first in the search path.
CREATE PROCEDURE velko.set_nls_parameters()
    LANGUAGE plpgsql
AS $$
BEGIN
    PERFORM set_config('search_path', 'public, oracompat, oracle', false);
    PERFORM set_config('datestyle', 'ISO, DMY', false);
    PERFORM velko.limpa_clausula_in_encerradas();
END
$$;

-- VELKO.PKG_VELKO: the company (production unit) the session works in.
CREATE PROCEDURE pkg_velko.set_empresa(empresa numeric)
    LANGUAGE sql
AS $$
    SELECT set_config('velko.empresa', coalesce(empresa::text, ''), false);
$$;

-- The login passes the company as text; Oracle converts it to the number parameter implicitly
-- (and refuses a text that is not a number), so does this overload.
CREATE PROCEDURE pkg_velko.set_empresa(empresa text)
    LANGUAGE plpgsql
AS $$
BEGIN
    CALL pkg_velko.set_empresa(empresa::numeric);
END
$$;

CREATE FUNCTION pkg_velko.get_empresa() RETURNS numeric
    LANGUAGE sql STABLE
AS $$
    SELECT nullif(current_setting('velko.empresa', true), '')::numeric;
$$;
