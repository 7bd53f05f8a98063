-- Roles of the cluster (shared by every database of it). Idempotent.
--
-- velko_user holds the privileges on the cost objects. Login roles carry upper-case names, as
-- the users type them, and reach the cost objects only through SET ROLE velko_user: they do
-- not inherit its privileges. velko_link is the account the database links log in with.
-- velko_pacote, which no one logs in as, holds velko_user's privileges for the package routines
-- that operators may run although they write what operators may not (db/schema/96_operador.sql).
DO $$
DECLARE
    login text;
BEGIN
    IF NOT EXISTS (SELECT 1 FROM pg_roles WHERE rolname = 'velko_user') THEN
        CREATE ROLE velko_user NOLOGIN;
    END IF;
    IF NOT EXISTS (SELECT 1 FROM pg_roles WHERE rolname = 'VELKO_LINK') THEN
        CREATE ROLE "VELKO_LINK" LOGIN INHERIT PASSWORD 'velko_link';
    END IF;
    GRANT velko_user TO "VELKO_LINK";
    IF NOT EXISTS (SELECT 1 FROM pg_roles WHERE rolname = 'velko_pacote') THEN
        CREATE ROLE velko_pacote NOLOGIN INHERIT;
    END IF;
    GRANT velko_user TO velko_pacote;
    FOREACH login IN ARRAY ARRAY['GERENTE', 'ANALISTA', 'OPERADOR', 'VISITANTE'] LOOP
        IF NOT EXISTS (SELECT 1 FROM pg_roles WHERE rolname = login) THEN
            EXECUTE format('CREATE ROLE %I LOGIN NOINHERIT PASSWORD %L', login, 'custos');
        END IF;
        EXECUTE format('GRANT velko_user TO %I', login);
    END LOOP;
END
$$;
