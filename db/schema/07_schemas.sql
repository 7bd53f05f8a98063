-- The seven schemas of the cost system and the schemas of its packages, with the privileges
-- of the cost role.
--
-- Every object belongs to the cluster owner that runs these scripts; velko_user holds the
-- privileges on them, and the login roles reach them only through SET ROLE velko_user. The
-- default privileges make whatever a later script creates in these schemas (tables, sequences,
-- routines of the packages) usable by velko_user as well; 95_grants.sql covers what exists.
CREATE SCHEMA velko;
CREATE SCHEMA velko_cst;
CREATE SCHEMA velko_pcp;
CREATE SCHEMA velko_pec;
CREATE SCHEMA velko_ven;
CREATE SCHEMA velko_mat;
CREATE SCHEMA velko_fin;

-- Packages map to schemas: VELKO.PKG_VELKO is pkg_velko, VELKO_CST.PKG_ABATE is pkg_abate.
CREATE SCHEMA pkg_velko;
CREATE SCHEMA pkg_base_custo;
CREATE SCHEMA pkg_consumo;
CREATE SCHEMA pkg_abate;
CREATE SCHEMA pkg_industrializado;
CREATE SCHEMA pkg_revenda;

DO $$
DECLARE
    s text;
BEGIN
    FOREACH s IN ARRAY ARRAY['velko', 'velko_cst', 'velko_pcp', 'velko_pec', 'velko_ven', 'velko_mat',
                             'velko_fin', 'pkg_velko', 'pkg_base_custo', 'pkg_consumo', 'pkg_abate',
                             'pkg_industrializado', 'pkg_revenda'] LOOP
        EXECUTE format('GRANT USAGE ON SCHEMA %I TO velko_user', s);
        EXECUTE format('ALTER DEFAULT PRIVILEGES IN SCHEMA %I'
                       ' GRANT SELECT, INSERT, UPDATE, DELETE ON TABLES TO velko_user', s);
        EXECUTE format('ALTER DEFAULT PRIVILEGES IN SCHEMA %I GRANT USAGE ON SEQUENCES TO velko_user', s);
        EXECUTE format('ALTER DEFAULT PRIVILEGES IN SCHEMA %I GRANT EXECUTE ON ROUTINES TO velko_user', s);
    END LOOP;
END
$$;
