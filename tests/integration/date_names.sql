-- 2008-03-14 is a Friday.
select iif(decode_language('de') = 1 and decode_language('US') = 0 and decode_language('w2') = 28, 'ok', 'FAIL') as decode_language_codes,
       iif(decode_language('xx') = -1 and decode_language('') = -1 and decode_language(null) = -1, 'ok', 'FAIL') as decode_language_unknown,
       iif(cdowlong(timestamp '2008-03-16 10:00:00') = 'Sunday' and cdowshort(timestamp '2008-03-20 00:00:00') = 'Thu'
           and cmonthlong(timestamp '2008-09-01 00:00:00') = 'September'
           and cmonthshort(timestamp '2008-09-01 00:00:00') = 'Sep', 'ok', 'FAIL') as english_names,
       iif(cdowlong(null) is null and cmonthshort(null) is null, 'ok', 'FAIL') as english_names_null
from rdb$database;

select iif(cdowlonglang(timestamp '2008-03-17 00:00:00', 'PT') = 'Segunda-feira'
           and cdowlonglang(timestamp '2008-03-19 00:00:00', 'b1') = x'44696D65726392686572', 'ok', 'FAIL') as cdowlonglang_values,
       iif(cdowshortlang(timestamp '2008-03-16 00:00:00', 'nl') = 'Zond'
           and cdowshortlang(timestamp '2008-03-17 00:00:00', 'pt') = x'32AA', 'ok', 'FAIL') as cdowshortlang_values,
       iif(cmonthlonglang(timestamp '2008-03-14 00:00:00', 'de') = x'4DE4727A'
           and cmonthlonglang(timestamp '2008-02-14 00:00:00', 'b1') = 'C''hwevrer'
           and cmonthlonglang(timestamp '2008-06-14 00:00:00', 'xx') = '???', 'ok', 'FAIL') as cmonthlonglang_values,
       iif(cmonthshortlang(timestamp '2008-03-14 00:00:00', 'de') = x'4DE472'
           and cmonthshortlang(timestamp '2008-06-14 00:00:00', 'fr') = 'Jun'
           and cmonthshortlang(timestamp '2008-07-14 00:00:00', 'FR') = 'Jui', 'ok', 'FAIL') as cmonthshortlang_values,
       iif(cdowlonglang(null, 'de') is null and cdowshortlang(timestamp '2008-03-14 00:00:00', null) is null
           and cmonthlonglang(null, null) is null
           and cmonthshortlang(timestamp '2008-03-14 00:00:00', null) is null, 'ok', 'FAIL') as lang_names_null
from rdb$database;

select iif(gformatd('dd.mm.yyyy', timestamp '2008-03-05 07:04:09') = '05.03.2008'
           and gformatd('h:n:s', timestamp '2008-03-05 07:04:09.5000') = '7:4:9'
           and gformatd('', timestamp '2008-03-05 07:04:09') = '', 'ok', 'FAIL') as gformatd_pictures,
       iif(gformatd('dddd, d. mmmm yyyy', timestamp '2008-03-05 07:04:09') = x'4D697474776F63682C20352E204DE4727A2032303038',
           'ok', 'FAIL') as gformatd_german,
       iif(gformatd(null, timestamp '2008-03-05 07:04:09') is null and gformatd('dd', null) is null, 'ok', 'FAIL') as gformatd_null,
       iif(strtotime('11:30:15 PM') = time '23:30:15' and strtotime('12:00:00 AM') = time '00:00:00'
           and strtotime('8:15:00') = time '20:15:00' and strtotime('8') = time '08:00:00', 'ok', 'FAIL') as strtotime_markers,
       iif(strtotime('10:75:00 AM') = time '11:15:00' and strtotime('11:59:99') = time '00:00:39'
           and strtotime(null) is null, 'ok', 'FAIL') as strtotime_carry
from rdb$database;

select iif(datetostr(timestamp '2008-03-14 13:05:09', '%A, %d. %B %Y %H:%M:%S') = 'Friday, 14. March 2008 13:05:09'
           and datetostr(timestamp '2008-03-14 13:05:09', '%c') = 'Fri Mar 14 13:05:09 2008'
           and datetostr(timestamp '2008-03-14 13:05:09', '%x') = 'Fri Mar 14, 2008'
           and datetostr(timestamp '2008-03-14 13:05:09', '%j %U %u %e') = '074 10 5 14'
           and datetostr(timestamp '2008-12-29 00:00:00', '%G-W%V-%u') = '2009-W01-1', 'ok', 'FAIL') as datetostr_conversions,
       iif(datetostr(timestamp '2008-03-14 13:05:09', '100%') = '100%' and datetostr(timestamp '2008-03-14 13:05:09', '%z') is not null
           and datetostr(timestamp '2008-03-14 13:05:09', lpad('', 255, 'x')) = '', 'ok', 'FAIL') as datetostr_edges,
       iif(datetostr(null, '%c') is null and datetostr(timestamp '2008-03-14 13:05:09', null) is null, 'ok', 'FAIL') as datetostr_null,
       iif(datetostrlang(timestamp '2008-03-14 13:05:09', '%A %d %B', 'de') = x'46726569746167203134204DE4727A'
           and datetostrlang(timestamp '2008-03-14 13:05:09', '%a %b', 'DE') = x'4672204DE472'
           and datetostrlang(timestamp '2008-03-17 00:00:00', '%A %a', 'de') = 'Montag Mon'
           and datetostrlang(timestamp '2008-03-17 00:00:00', 'Sunday: %A', 'de') = 'Sonntag: Montag', 'ok', 'FAIL') as datetostrlang_de,
       iif(datetostrlang(timestamp '2008-08-14 00:00:00', '%b', 'fr') = x'416FFB'
           and datetostrlang(timestamp '2008-03-19 00:00:00', '%A', 'b1') = x'44696D65726392686572'
           and datetostrlang(timestamp '2008-03-14 13:05:09', '%A', 'xx') = '???', 'ok', 'FAIL') as datetostrlang_others,
       iif(datetostrlang(null, '%A', 'de') is null and datetostrlang(timestamp '2008-03-14 13:05:09', null, 'de') is null
           and datetostrlang(timestamp '2008-03-14 13:05:09', '%A', null) is null, 'ok', 'FAIL') as datetostrlang_null
from rdb$database;

select iif(numinwords(12.5, 1, 'de') = x'2A2A2A65696E732D7A7765692D4B6F6D6D612D66FC6E662A2A2A'
           and numinwords(3.5, 1, 'nl') = '***drie-,-vijf***'
           and numinwords(6, 0, 'b1') = x'2A2A2A63926877656392682A2A2A', 'ok', 'FAIL') as numinwords_languages,
       iif(numinwords(12.5, 0, 'uk') = '***one-two***' and numinwords(2.999, 2, 'US') = '***two-dot-nine-nine***'
           and numinwords(-12, 0, 'uk') = '***-one-two***' and numinwords(1, 0, 'xx') = '???', 'ok', 'FAIL') as numinwords_rules,
       iif(numinwords(null, 1, 'uk') is null and numinwords(1, null, 'uk') is null
           and numinwords(1, 1, null) is null, 'ok', 'FAIL') as numinwords_null
from rdb$database;

-- The longest texts through the engine: a name, text or number longer than its declared result
-- would stop the statement with a string truncation error.
with recursive n(i) as (select 0 from rdb$database union all select i + 1 from n where i < 28),
     d(k) as (select 0 from rdb$database union all select k + 1 from d where k < 11),
     names as (select cdowlonglang(dateadd(k day to timestamp '2008-03-16 00:00:00'), c) as dl,
                      cdowshortlang(dateadd(k day to timestamp '2008-03-16 00:00:00'), c) as ds,
                      cmonthlonglang(dateadd(k month to timestamp '2008-01-16 00:00:00'), c) as ml,
                      cmonthshortlang(dateadd(k month to timestamp '2008-01-16 00:00:00'), c) as ms
               from (select substring('uk-de-fr-it-es-pt-nl-no-se-dk-fi-hu-ie-ee-is-al-va-v1-c1-s1-s2-w1-b1-b2-n1-za-fo-lu-w2-'
                                      from 3 * i + 1 for 2) as c from n) codes cross join d)
select iif(max(char_length(dl)) = 13 and max(char_length(ds)) = 4 and max(char_length(ml)) = 16
           and max(char_length(ms)) = 3 and count(*) = 29 * 12, 'ok', 'FAIL') as names_longest_in_every_language
from names;

-- The legacy front end cuts a picture's text at 32767 bytes; UDR declares gformatd's result
-- wide enough for the widest picture its argument takes (W bytes of 'hn' give 2 W digits).
set term ^ ;
execute block returns (datetostr_longest varchar(4), gformatd_longest varchar(4), numinwords_longest varchar(4)) as
  declare w int;
begin
  datetostr_longest = iif(char_length(datetostr(timestamp '2008-09-17 23:59:59', lpad('', 254, 'x'))) = 254
                          and char_length(datetostrlang(timestamp '2008-03-14 00:00:00', '%A' || lpad('', 248, 'x'), 'de')) = 255
                          and datetostrlang(timestamp '2008-03-14 00:00:00', '%A' || lpad('', 248, 'x'), 'fr') = '', 'ok', 'FAIL');
  if (exists(select 1 from rdb$functions where rdb$function_name = 'GFORMATD' and rdb$engine_name = 'UDR')) then
  begin
    select f.rdb$field_length from rdb$function_arguments a join rdb$fields f on f.rdb$field_name = a.rdb$field_source
     where a.rdb$function_name = 'GFORMATD' and a.rdb$argument_position = 1 into w;
    gformatd_longest = iif(char_length(gformatd(lpad('', w, 'hn'), timestamp '2008-09-17 23:59:59')) = 2 * w
                           and gformatd(lpad('', w, 'hn'), timestamp '2008-09-17 23:59:59') starting with '23592359', 'ok', 'FAIL');
  end
  else
    gformatd_longest = iif(char_length(gformatd(lpad('', 30000, 'h.'), timestamp '2008-09-17 23:59:59')) = 32767, 'ok', 'FAIL');
  numinwords_longest = iif(char_length(numinwords(-1.7976931348623157e308, 10, 'ie')) > 2200
                           and char_length(numinwords(-1.7976931348623157e308, 10, 'fi')) > 2200, 'ok', 'FAIL');
  suspend;
end^
set term ; ^
