-- The database link UNIDADE2 from the central database to a unit processing database.
-- psql variables: sock, port (the local server), target (database name).
-- A link is a foreign server named after it, a user mapping, and one schema of imported
-- foreign tables per remote schema, named link_schema (unidade2_velko_cst, ...).
-- Rows go to the unit's database in batches and come back in large fetches; with remote
-- estimates a statement that picks remote rows by local ones (the generation's deletes of the
-- day's prices) asks the unit's database for those rows only instead of locking and reading
-- the whole remote table.
CREATE SERVER unidade2 FOREIGN DATA WRAPPER postgres_fdw
    OPTIONS (host :'sock', port :'port', dbname :'target', batch_size '1000', fetch_size '1000',
             use_remote_estimate 'true');
CREATE USER MAPPING FOR PUBLIC SERVER unidade2
    OPTIONS (user 'VELKO_LINK', password 'velko_link');
GRANT USAGE ON FOREIGN SERVER unidade2 TO velko_user;

DO $$
DECLARE
    s text;
BEGIN
    FOREACH s IN ARRAY ARRAY['velko', 'velko_cst', 'velko_pcp', 'velko_pec', 'velko_ven', 'velko_mat', 'velko_fin'] LOOP
        -- The central database is built from the same scripts as the unit's: a schema
        -- present here is present there.
        CONTINUE WHEN NOT EXISTS (SELECT 1 FROM pg_namespace WHERE nspname = s);
        EXECUTE format('CREATE SCHEMA %I', 'unidade2_' || s);
        EXECUTE format('IMPORT FOREIGN SCHEMA %I FROM SERVER unidade2 INTO %I', s, 'unidade2_' || s);
        EXECUTE format('GRANT USAGE ON SCHEMA %I TO velko_user', 'unidade2_' || s);
        EXECUTE format('GRANT SELECT, INSERT, UPDATE, DELETE ON ALL TABLES IN SCHEMA %I TO velko_user', 'unidade2_' || s);
    END LOOP;
END
$$;
-- Operators write the link's copies of the guarded tables no more than the local ones.
CALL velko_cst.recusa_operador_nas_tabelas('unidade2_', 'UNIDADE2');
