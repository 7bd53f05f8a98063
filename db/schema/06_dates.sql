-- Oracle's date arithmetic on oracle.date, in the schema oracompat (the session's search path
-- lists it before oracle, and pg_catalog has nothing on oracle.date itself, so these win).
--
-- A date plus or minus a number is a date: orafce's oracle.date + n gives a plain timestamp,
-- which no longer subtracts as a date ((d + 1) - d would be an interval).
--
-- A date minus a date is a number of days, fractional for the time of day. orafce's version
-- divides the interval before taking its seconds, which rounds to the microsecond
-- (one minute came out as 0.000694 days), and gives a double precision; this one is exact and
-- numeric, as Oracle's NUMBER. A date minus a timestamp or a PostgreSQL date (or the reverse)
-- counts in days as well: a timestamp or date here is what a function returned for a date.
--
-- TRUNC(d) of a date gives a date (orafce's takes a timestamp and gives one back); TRUNC to a
-- format is written by the session layer with a cast.
DO $$
DECLARE
    t text;
BEGIN
    FOREACH t IN ARRAY ARRAY['smallint', 'integer', 'bigint', 'numeric', 'double precision'] LOOP
        EXECUTE format($f$
            CREATE FUNCTION oracompat.date_plus_days(d oracle.date, n %1$s) RETURNS oracle.date
                LANGUAGE sql IMMUTABLE PARALLEL SAFE
                AS 'SELECT CAST(d::timestamp + n * interval ''1 day'' AS oracle.date)';
            CREATE FUNCTION oracompat.date_minus_days(d oracle.date, n %1$s) RETURNS oracle.date
                LANGUAGE sql IMMUTABLE PARALLEL SAFE
                AS 'SELECT CAST(d::timestamp - n * interval ''1 day'' AS oracle.date)';
            CREATE FUNCTION oracompat.days_plus_date(n %1$s, d oracle.date) RETURNS oracle.date
                LANGUAGE sql IMMUTABLE PARALLEL SAFE
                AS 'SELECT CAST(d::timestamp + n * interval ''1 day'' AS oracle.date)';
            CREATE OPERATOR oracompat.+ (LEFTARG = oracle.date, RIGHTARG = %1$s, FUNCTION = oracompat.date_plus_days);
            CREATE OPERATOR oracompat.- (LEFTARG = oracle.date, RIGHTARG = %1$s, FUNCTION = oracompat.date_minus_days);
            CREATE OPERATOR oracompat.+ (LEFTARG = %1$s, RIGHTARG = oracle.date, FUNCTION = oracompat.days_plus_date);
        $f$, t);
    END LOOP;
    FOREACH t IN ARRAY ARRAY['oracle.date, oracle.date', 'oracle.date, timestamp', 'timestamp, oracle.date',
                              'oracle.date, date', 'date, oracle.date'] LOOP
        EXECUTE format($f$
            CREATE FUNCTION oracompat.days_between(later %1$s, earlier %2$s) RETURNS numeric
                LANGUAGE sql IMMUTABLE PARALLEL SAFE
                AS 'SELECT trim_scale(extract(epoch FROM later::timestamp - earlier::timestamp) / 86400)';
            CREATE OPERATOR oracompat.- (LEFTARG = %1$s, RIGHTARG = %2$s, FUNCTION = oracompat.days_between);
        $f$, split_part(t, ', ', 1), split_part(t, ', ', 2));
    END LOOP;
END
$$;

CREATE FUNCTION oracompat.trunc(d oracle.date) RETURNS oracle.date
    LANGUAGE sql IMMUTABLE PARALLEL SAFE
    AS 'SELECT CAST(date_trunc(''day'', d::timestamp) AS oracle.date)';
