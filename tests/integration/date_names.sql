-- Language codes, day and month names, date pictures, time parsing and numbers in words.
-- 2008-03-14 is a Friday, 2008-03-19 a Wednesday.
select iif(decode_language('de') = 1, 'ok', 'FAIL') as decode_language_de,
       iif(decode_language('US') = 0, 'ok', 'FAIL') as decode_language_us,
       iif(decode_language('w2') = 28, 'ok', 'FAIL') as decode_language_w2,
       iif(decode_language('xx') = -1, 'ok', 'FAIL') as decode_language_unknown,
       iif(decode_language('') = -1, 'ok', 'FAIL') as decode_language_empty,
       iif(decode_language(null) = -1, 'ok', 'FAIL') as decode_language_null
from rdb$database;

select iif(cdowlong(timestamp '2008-03-16 10:00:00') = 'Sunday', 'ok', 'FAIL') as cdowlong_sunday,
       iif(cdowshort(timestamp '2008-03-20 00:00:00') = 'Thu', 'ok', 'FAIL') as cdowshort_thursday,
       iif(cmonthlong(timestamp '2008-09-01 00:00:00') = 'September', 'ok', 'FAIL') as cmonthlong_sep,
       iif(cmonthshort(timestamp '2008-09-01 00:00:00') = 'Sep', 'ok', 'FAIL') as cmonthshort_sep,
       iif(cdowlong(null) is null, 'ok', 'FAIL') as cdowlong_null,
       iif(cmonthshort(null) is null, 'ok', 'FAIL') as cmonthshort_null
from rdb$database;

select iif(cdowlonglang(timestamp '2008-03-17 00:00:00', 'PT') = 'Segunda-feira', 'ok', 'FAIL') as cdowlonglang_pt,
       iif(cdowlonglang(timestamp '2008-03-19 00:00:00', 'b1') = x'44696D65726392686572', 'ok', 'FAIL') as cdowlonglang_breton,
       iif(cdowshortlang(timestamp '2008-03-16 00:00:00', 'nl') = 'Zond', 'ok', 'FAIL') as cdowshortlang_nl,
       iif(cdowshortlang(timestamp '2008-03-17 00:00:00', 'pt') = x'32AA', 'ok', 'FAIL') as cdowshortlang_pt,
       iif(cmonthlonglang(timestamp '2008-03-14 00:00:00', 'de') = x'4DE4727A', 'ok', 'FAIL') as cmonthlonglang_de,
       iif(cmonthshortlang(timestamp '2008-03-14 00:00:00', 'de') = x'4DE472', 'ok', 'FAIL') as cmonthshortlang_de,
       iif(cmonthshortlang(timestamp '2008-06-14 00:00:00', 'fr') = 'Jun', 'ok', 'FAIL') as cmonthshortlang_fr,
       iif(cmonthshortlang(timestamp '2008-07-14 00:00:00', 'FR') = 'Jui', 'ok', 'FAIL') as cmonthshortlang_fr_upper,
       iif(cmonthlonglang(timestamp '2008-02-14 00:00:00', 'b1') = 'C''hwevrer', 'ok', 'FAIL') as cmonthlonglang_breton,
       iif(cmonthlonglang(timestamp '2008-06-14 00:00:00', 'xx') = '???', 'ok', 'FAIL') as cmonthlonglang_unknown,
       iif(cdowlonglang(null, 'de') is null, 'ok', 'FAIL') as cdowlonglang_null_ts,
       iif(cdowshortlang(timestamp '2008-03-14 00:00:00', null) is null, 'ok', 'FAIL') as cdowshortlang_null_code,
       iif(cmonthlonglang(null, null) is null, 'ok', 'FAIL') as cmonthlonglang_nulls,
       iif(cmonthshortlang(timestamp '2008-03-14 00:00:00', null) is null, 'ok', 'FAIL') as cmonthshortlang_null
from rdb$database;

select iif(gformatd('dd.mm.yyyy', timestamp '2008-03-05 07:04:09') = '05.03.2008', 'ok', 'FAIL') as gformatd_date,
       iif(gformatd('h:n:s', timestamp '2008-03-05 07:04:09.5000') = '7:4:9', 'ok', 'FAIL') as gformatd_time,
       iif(gformatd('dddd, d. mmmm yyyy', timestamp '2008-03-05 07:04:09') = x'4D697474776F63682C20352E204DE4727A2032303038', 'ok', 'FAIL') as gformatd_german,
       iif(gformatd('', timestamp '2008-03-05 07:04:09') = '', 'ok', 'FAIL') as gformatd_empty,
       iif(gformatd(null, timestamp '2008-03-05 07:04:09') is null, 'ok', 'FAIL') as gformatd_null_picture,
       iif(gformatd('dd', null) is null, 'ok', 'FAIL') as gformatd_null_ts
from rdb$database;

select iif(strtotime('11:30:15 PM') = time '23:30:15', 'ok', 'FAIL') as strtotime_pm,
       iif(strtotime('12:00:00 AM') = time '00:00:00', 'ok', 'FAIL') as strtotime_midnight,
       iif(strtotime('8:15:00') = time '20:15:00', 'ok', 'FAIL') as strtotime_no_marker,
       iif(strtotime('8') = time '08:00:00', 'ok', 'FAIL') as strtotime_one_char,
       iif(strtotime('10:75:00 AM') = time '11:15:00', 'ok', 'FAIL') as strtotime_carry,
       iif(strtotime('11:59:99') = time '00:00:39', 'ok', 'FAIL') as strtotime_past_midnight,
       iif(strtotime(null) is null, 'ok', 'FAIL') as strtotime_null
from rdb$database;

select iif(datetostr(timestamp '2008-03-14 13:05:09', '%A, %d. %B %Y %H:%M:%S') = 'Friday, 14. March 2008 13:05:09', 'ok', 'FAIL') as datetostr_long,
       iif(datetostr(timestamp '2008-03-14 13:05:09', '%c') = 'Fri Mar 14 13:05:09 2008', 'ok', 'FAIL') as datetostr_c,
       iif(datetostr(timestamp '2008-03-14 13:05:09', '%x') = 'Fri Mar 14, 2008', 'ok', 'FAIL') as datetostr_x,
       iif(datetostr(timestamp '2008-03-14 13:05:09', '%j %U %u %e') = '074 10 5 14', 'ok', 'FAIL') as datetostr_numbers,
       iif(datetostr(timestamp '2008-12-29 00:00:00', '%G-W%V-%u') = '2009-W01-1', 'ok', 'FAIL') as datetostr_iso_week,
       iif(datetostr(timestamp '2008-03-14 13:05:09', '100%') = '100%', 'ok', 'FAIL') as datetostr_lone_percent,
       iif(datetostr(timestamp '2008-03-14 13:05:09', '%z') is not null, 'ok', 'FAIL') as datetostr_zone,
       iif(datetostr(timestamp '2008-03-14 13:05:09', lpad('', 255, 'x')) = '', 'ok', 'FAIL') as datetostr_too_long,
       iif(datetostr(null, '%c') is null, 'ok', 'FAIL') as datetostr_null_ts,
       iif(datetostr(timestamp '2008-03-14 13:05:09', null) is null, 'ok', 'FAIL') as datetostr_null_picture
from rdb$database;

select iif(datetostrlang(timestamp '2008-03-14 13:05:09', '%A %d %B', 'de') = x'46726569746167203134204DE4727A', 'ok', 'FAIL') as datetostrlang_de,
       iif(datetostrlang(timestamp '2008-03-14 13:05:09', '%a %b', 'DE') = x'4672204DE472', 'ok', 'FAIL') as datetostrlang_short,
       iif(datetostrlang(timestamp '2008-03-17 00:00:00', '%A %a', 'de') = 'Montag Mon', 'ok', 'FAIL') as datetostrlang_first_short,
       iif(datetostrlang(timestamp '2008-03-17 00:00:00', 'Sunday: %A', 'de') = 'Sonntag: Montag', 'ok', 'FAIL') as datetostrlang_literal,
       iif(datetostrlang(timestamp '2008-08-14 00:00:00', '%b', 'fr') = x'416FFB', 'ok', 'FAIL') as datetostrlang_fr_aug,
       iif(datetostrlang(timestamp '2008-03-19 00:00:00', '%A', 'b1') = x'44696D65726392686572', 'ok', 'FAIL') as datetostrlang_breton,
       iif(datetostrlang(timestamp '2008-03-14 13:05:09', '%A', 'xx') = '???', 'ok', 'FAIL') as datetostrlang_unknown,
       iif(datetostrlang(null, '%A', 'de') is null, 'ok', 'FAIL') as datetostrlang_null_ts,
       iif(datetostrlang(timestamp '2008-03-14 13:05:09', null, 'de') is null, 'ok', 'FAIL') as datetostrlang_null_picture,
       iif(datetostrlang(timestamp '2008-03-14 13:05:09', '%A', null) is null, 'ok', 'FAIL') as datetostrlang_null_code
from rdb$database;

select iif(numinwords(12.5, 1, 'de') = x'2A2A2A65696E732D7A7765692D4B6F6D6D612D66FC6E662A2A2A', 'ok', 'FAIL') as numinwords_de,
       iif(numinwords(12.5, 0, 'uk') = '***one-two***', 'ok', 'FAIL') as numinwords_no_decimals,
       iif(numinwords(3.5, 1, 'nl') = '***drie-,-vijf***', 'ok', 'FAIL') as numinwords_nl,
       iif(numinwords(2.999, 2, 'US') = '***two-dot-nine-nine***', 'ok', 'FAIL') as numinwords_cut,
       iif(numinwords(6, 0, 'b1') = x'2A2A2A63926877656392682A2A2A', 'ok', 'FAIL') as numinwords_breton,
       iif(numinwords(-12, 0, 'uk') = '***-one-two***', 'ok', 'FAIL') as numinwords_negative,
       iif(numinwords(1, 0, 'xx') = '???', 'ok', 'FAIL') as numinwords_unknown,
       iif(numinwords(null, 1, 'uk') is null, 'ok', 'FAIL') as numinwords_null_value,
       iif(numinwords(1, null, 'uk') is null, 'ok', 'FAIL') as numinwords_null_decimals,
       iif(numinwords(1, 1, null) is null, 'ok', 'FAIL') as numinwords_null_code
from rdb$database;
