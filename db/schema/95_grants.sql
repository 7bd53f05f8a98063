-- Privileges of the cost role on everything the scripts before this one created (objects
-- created later get them from the default privileges of 07_schemas.sql). The login roles get
-- nothing directly.
DO $$
DECLARE
    s text;
BEGIN
    FOREACH s IN ARRAY ARRAY['velko', 'velko_cst', 'velko_pcp', 'velko_pec', 'velko_ven', 'velko_mat',
                             'velko_fin', 'pkg_velko', 'pkg_base_custo', 'pkg_consumo', 'pkg_abate',
                             'pkg_industrializado', 'pkg_revenda'] LOOP
        EXECUTE format('GRANT SELECT, INSERT, UPDATE, DELETE ON ALL TABLES IN SCHEMA %I TO velko_user', s);
        EXECUTE format('GRANT USAGE ON ALL SEQUENCES IN SCHEMA %I TO velko_user', s);
        EXECUTE format('GRANT EXECUTE ON ALL ROUTINES IN SCHEMA %I TO velko_user', s);
    END LOOP;
END
$$;

-- The scratch list is reached only through its view, which shows a session its own rows.
REVOKE ALL ON velko.clausula_in_sessao FROM velko_user;
GRANT SELECT, INSERT, UPDATE, DELETE ON velko.clausula_in TO velko_user;
