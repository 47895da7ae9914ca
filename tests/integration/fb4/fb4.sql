-- What Firebird 4 changes for callers: its new types reach the functions' TIMESTAMP, INTEGER and
-- DOUBLE PRECISION parameters converted by the engine. Each check shows what came back (GOT_*).

-- A TIMESTAMP WITH TIME ZONE (current_timestamp is one) arrives in the session's time zone.
set time zone '+02:00';
select addday(timestamp '2020-06-01 12:00:00 +05:00', 0) as got_shifted,
       iif(addday(timestamp '2020-06-01 12:00:00 +05:00', 0) = timestamp '2020-06-01 09:00:00',
           'ok', 'FAIL') as zoned_to_session_zone,
       br_hour(current_timestamp) as got_hour,
       iif(br_hour(current_timestamp) = extract(hour from localtimestamp)
           and striptime(current_timestamp) = cast(current_date as timestamp), 'ok', 'FAIL') as current_timestamp_local
from rdb$database;
set time zone 'UTC';
select addday(timestamp '2020-06-01 12:00:00 +05:00', 0) as got_utc,
       iif(addday(timestamp '2020-06-01 12:00:00 +05:00', 0) = timestamp '2020-06-01 07:00:00'
           and br_hour(timestamp '2020-01-01 00:30:00 -01:00') = 1, 'ok', 'FAIL') as zoned_to_utc
from rdb$database;
set time zone local;

-- INT128, DECFLOAT and NUMERIC(38) to INTEGER: rounded half away from zero, in range.
select f_bin_or(cast(2147483647 as int128), 0) as got_int128,
       iif(f_bin_or(cast(2147483647 as int128), 0) = 2147483647
           and f_bin_or(cast(-2147483648 as int128), 0) = -2147483648, 'ok', 'FAIL') as int128_to_integer,
       f_bin_or(cast(2.5 as decfloat(16)), 0) as got_decfloat,
       iif(f_bin_or(cast(2.5 as decfloat(16)), 0) = 3 and f_bin_or(cast(-2.5 as decfloat(34)), 0) = -3
           and f_bin_or(cast(2.4 as decfloat(34)), 0) = 2, 'ok', 'FAIL') as decfloat_to_integer,
       f_bin_or(cast(12345.5 as numeric(38, 1)), 0) as got_numeric38,
       iif(f_bin_or(cast(12345.5 as numeric(38, 1)), 0) = 12346
           and f_bin_or(cast(-12345.5 as numeric(38, 1)), 0) = -12346, 'ok', 'FAIL') as numeric38_to_integer,
       iif(f_bin_or(cast(null as int128), 0) is null and f_bin_or(cast(null as decfloat(16)), 0) is null,
           'ok', 'FAIL') as null_stays_null
from rdb$database;

-- The same to DOUBLE PRECISION: the nearest double.
select r_z(cast(170141183460469231731687303715884105727 as int128)) as got_int128_double,
       iif(r_z(cast(170141183460469231731687303715884105727 as int128)) = 1.7014118346046923e38, 'ok', 'FAIL')
         as int128_to_double,
       iif(r_z(cast(0.1 as decfloat(34))) = 0.1e0 and r_z(cast(-1.5e300 as decfloat(34))) = -1.5e300,
           'ok', 'FAIL') as decfloat_to_double,
       r_z(cast(12345678901234567890123456789.0123456789 as numeric(38, 10))) as got_numeric38_double,
       iif(r_z(cast(1.25 as numeric(38, 2))) = 1.25e0
           and r_z(cast(12345678901234567890123456789.0123456789 as numeric(38, 10))) = 1.2345678901234568e28,
           'ok', 'FAIL') as numeric38_to_double
from rdb$database;
