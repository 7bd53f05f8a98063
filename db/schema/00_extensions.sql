-- Extensions every cost database carries: orafce (Oracle's DATE, DUAL and functions),
-- postgres_fdw and dblink (database links).
CREATE EXTENSION IF NOT EXISTS orafce;
CREATE EXTENSION IF NOT EXISTS postgres_fdw;
CREATE EXTENSION IF NOT EXISTS dblink;
GRANT USAGE ON SCHEMA oracle TO velko_user;
GRANT USAGE ON FOREIGN DATA WRAPPER postgres_fdw TO velko_user;
