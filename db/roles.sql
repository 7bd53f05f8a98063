-- Roles of the cluster (shared by every database of it). Idempotent.
--
-- velko_user holds the privileges on the cost objects. Login roles carry upper-case names, as
-- the users type them, and reach the cost objects only through SET ROLE velko_user: they do
-- not inherit its privileges. velko_link is the account the database links log in with.
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
    FOREACH login IN ARRAY ARRAY['GERENTE', 'ANALISTA', 'OPERADOR', 'VISITANTE'] LOOP
        IF NOT EXISTS (SELECT 1 FROM pg_roles WHERE rolname = login) THEN
            EXECUTE format('CREATE ROLE %I LOGIN NOINHERIT PASSWORD %L', login, 'custos');
        END IF;
        EXECUTE format('GRANT velko_user TO %I', login);
    END LOOP;
END
$$;
