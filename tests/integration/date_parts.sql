-- Date parts, week numbers, adding, ages and differences through the engine.

-- Parts of one timestamp (INTEGER results).
select iif(br_year(timestamp '2008-03-16 13:45:10.5000') = 2008, 'ok', 'FAIL') as year_part,
       iif(br_month(timestamp '2008-03-16 13:45:10') = 3, 'ok', 'FAIL') as month_part,
       iif(quarter(timestamp '2008-03-31 23:59:59') = 1 and quarter(timestamp '2008-04-01') = 2, 'ok', 'FAIL') as quarter_part,
       iif(dayofmonth(timestamp '2008-03-16 13:45:10') = 16, 'ok', 'FAIL') as dayofmonth_part,
       iif(dayofyear(timestamp '2008-12-31 00:00:00') = 366, 'ok', 'FAIL') as dayofyear_part,
       iif(r_yearday(timestamp '2008-01-01 00:00:00') = 0, 'ok', 'FAIL') as r_yearday_part,
       iif(dayofweek(timestamp '2008-03-16') = 1 and dayofweek(timestamp '2008-03-17') = 2, 'ok', 'FAIL') as dayofweek_part,
       iif(r_weekday(timestamp '2008-03-16') = 0 and r_weekday(timestamp '2008-03-17') = 1, 'ok', 'FAIL') as r_weekday_part,
       iif(r_dow(timestamp '2008-03-16') = 7 and r_dow(timestamp '2008-03-17') = 1, 'ok', 'FAIL') as r_dow_part,
       iif(br_hour(timestamp '2008-03-16 13:45:10') = 13, 'ok', 'FAIL') as hour_part,
       iif(br_minute(timestamp '2008-03-16 13:45:10') = 45, 'ok', 'FAIL') as minute_part,
       iif(br_second(timestamp '2008-03-16 13:45:10.9999') = 10, 'ok', 'FAIL') as second_part,
       iif(br_millisecond(timestamp '2008-03-05 12:00:00.5000') = 5000, 'ok', 'FAIL') as millisecond_half,
       iif(br_millisecond(timestamp '2008-03-05 12:00:00') = 0, 'ok', 'FAIL') as millisecond_whole,
       iif(isleapyear(timestamp '1900-06-01') = 0 and isleapyear(timestamp '2000-06-01') = 1, 'ok', 'FAIL') as isleapyear_part,
       iif(br_year(date '1899-12-31') = 1899, 'ok', 'FAIL') as date_argument
from rdb$database;

-- Week numbers (INTEGER and CSTRING results).
select iif(br_week(timestamp '2000-12-31') = 54, 'ok', 'FAIL') as week_54,
       iif(weekofyear(timestamp '2000-12-31') = 1 and yearofyear(timestamp '2000-12-31') = 2001, 'ok', 'FAIL') as weekofyear_next,
       iif(woy(timestamp '2009-01-01') = '200853', 'ok', 'FAIL') as woy_previous_year,
       iif(woy(timestamp '2016-01-02') = '201552', 'ok', 'FAIL') as woy_2016,
       iif(woyiso(timestamp '2008-12-29') = '200901', 'ok', 'FAIL') as woyiso_next_year,
       iif(woyiso(timestamp '2010-01-03') = '200953', 'ok', 'FAIL') as woyiso_previous_year,
       iif(woyiso(timestamp '2020-12-31') = '202053', 'ok', 'FAIL') as woyiso_53
from rdb$database;

-- Functions of integers and of two timestamps.
select iif(r_isleapyear(1900) = 0 and r_isleapyear(0) = 1, 'ok', 'FAIL') as r_isleapyear_years,
       iif(daysofmonth(2, 2008) = 29 and daysofmonth(13, 2008) = 31, 'ok', 'FAIL') as daysofmonth_values,
       iif(lastday(2008, 2) = 29 and lastday(2009, 2) = 28, 'ok', 'FAIL') as lastday_values,
       iif(maxdate(timestamp '2008-05-01 10:00:00.2500', timestamp '2008-05-01 10:00:00.1250')
           = timestamp '2008-05-01 10:00:00.2500', 'ok', 'FAIL') as maxdate_fraction,
       iif(mindate(timestamp '2008-05-01 10:00:00.2500', timestamp '2008-05-01 10:00:00.1250')
           = timestamp '2008-05-01 10:00:00.1250', 'ok', 'FAIL') as mindate_fraction,
       iif(br_millisecond(maxdate(timestamp '2008-05-01 10:00:00.2500', timestamp '1899-05-01')) = 2500, 'ok', 'FAIL') as maxdate_keeps_fraction,
       iif(equaldate(timestamp '2008-05-01 00:00:00', timestamp '2008-05-01 23:59:59') = 1, 'ok', 'FAIL') as equaldate_same_day,
       iif(equaldatetime(timestamp '2008-05-01 00:00:00', timestamp '2008-05-01 23:59:59') = 0, 'ok', 'FAIL') as equaldatetime_differs,
       iif(equaldatetime(timestamp '2008-05-01 10:00:00.1000', timestamp '2008-05-01 10:00:00.9000') = 1, 'ok', 'FAIL') as equaldatetime_fraction
from rdb$database;

-- Changed timestamps (TIMESTAMP results, read back also as DATE and TIME).
select iif(stripdate(timestamp '2008-03-15 13:45:10.5000') = timestamp '1899-12-31 13:45:10', 'ok', 'FAIL') as stripdate_value,
       iif(striptime(timestamp '2008-03-15 13:45:10.5000') = timestamp '2008-03-15 00:00:00', 'ok', 'FAIL') as striptime_value,
       iif(cast(striptime(timestamp '2008-03-15 13:45:10') as date) = date '2008-03-15', 'ok', 'FAIL') as striptime_as_date,
       iif(cast(stripdate(timestamp '2008-03-15 13:45:10') as time) = time '13:45:10', 'ok', 'FAIL') as stripdate_as_time,
       iif(cast(addday(date '2008-02-28', 1) as date) = date '2008-02-29', 'ok', 'FAIL') as addday_date_in_and_out
from rdb$database;

-- Adding.
select iif(addyear(timestamp '2008-02-29 08:00:00', 1) = timestamp '2009-03-01 08:00:00', 'ok', 'FAIL') as addyear_leap_day,
       iif(addyear(timestamp '2008-02-29', -100) = timestamp '1908-02-29', 'ok', 'FAIL') as addyear_back,
       iif(addmonth(timestamp '2008-01-31 10:00:00', 1) = timestamp '2008-02-29 10:00:00', 'ok', 'FAIL') as addmonth_clamp,
       iif(addmonth(timestamp '2008-05-31', -1) = timestamp '2008-04-30', 'ok', 'FAIL') as addmonth_back,
       iif(addweek(timestamp '2008-12-29', 1) = timestamp '2009-01-05', 'ok', 'FAIL') as addweek_value,
       iif(addday(timestamp '2008-12-31', 1) = timestamp '2009-01-01', 'ok', 'FAIL') as addday_year_end,
       iif(addday(timestamp '2008-01-01', 24856) = timestamp '1939-12-14 17:31:44', 'ok', 'FAIL') as addday_wraps,
       iif(addhour(timestamp '2008-12-31 23:30:00', 1) = timestamp '2009-01-01 00:30:00', 'ok', 'FAIL') as addhour_value,
       iif(addminute(timestamp '2000-01-01 00:00:00', -1) = timestamp '1999-12-31 23:59:00', 'ok', 'FAIL') as addminute_back,
       iif(addsecond(timestamp '2008-01-01 07:04:09.5000', 0) = timestamp '2008-01-01 07:04:09', 'ok', 'FAIL') as addsecond_clears_fraction,
       iif(addsecond(timestamp '1900-01-01 00:00:00', -1) = timestamp '1899-12-31 23:59:59', 'ok', 'FAIL') as addsecond_before_1900,
       iif(addday(timestamp '0001-01-01', -1) is null, 'ok', 'FAIL') as addday_out_of_range,
       iif(addyear(timestamp '2008-06-01', 2147483647) is null, 'ok', 'FAIL') as addyear_huge
from rdb$database;

-- Ages: plain, null, threshold and threshold-null of every measure.
select iif(ageinyears(timestamp '2000-12-31', timestamp '2001-01-01') = 1, 'ok', 'FAIL') as ageinyears_value,
       iif(ageinyearsnull(timestamp '2001-01-01', timestamp '2000-12-31') is null, 'ok', 'FAIL') as ageinyearsnull_negative,
       iif(ageinyearsthreshold(timestamp '2005-06-01', timestamp '2002-06-01', 0, 1, 120, 1) = 0, 'ok', 'FAIL') as ageinyearsthreshold_lower,
       iif(ageinyearsthresholdnull(timestamp '2005-06-01', timestamp '1997-01-01', -5, 1, 0, 0) is null, 'ok', 'FAIL') as ageinyearsthresholdnull_value,
       iif(ageinmonths(timestamp '2008-01-31', timestamp '2008-02-01') = 1, 'ok', 'FAIL') as ageinmonths_value,
       iif(ageinmonthsnull(timestamp '2008-02-01', timestamp '2008-01-31') is null, 'ok', 'FAIL') as ageinmonthsnull_value,
       iif(ageinmonthsthreshold(timestamp '2008-01-01', timestamp '2009-01-01', 0, 0, 6, 1) = 6, 'ok', 'FAIL') as ageinmonthsthreshold_upper,
       iif(ageinmonthsthresholdnull(timestamp '2008-01-01', timestamp '2009-01-01', 0, 0, 6, 1) = 6, 'ok', 'FAIL') as ageinmonthsthresholdnull_value,
       iif(ageinweeks(timestamp '2008-01-05', timestamp '2008-01-06') = 1, 'ok', 'FAIL') as ageinweeks_boundary,
       iif(ageinweeksnull(timestamp '2008-01-06', timestamp '2008-01-05') is null, 'ok', 'FAIL') as ageinweeksnull_value,
       iif(ageinweeksthreshold(timestamp '2008-01-06', timestamp '2008-01-05', 10, 1, 5, 1) = 10, 'ok', 'FAIL') as ageinweeksthreshold_value,
       iif(ageinweeksthresholdnull(timestamp '2008-01-06', timestamp '2008-01-05', 0, 1, 5, 1) = 0, 'ok', 'FAIL') as ageinweeksthresholdnull_value,
       iif(ageinweeksiso(timestamp '2008-01-05', timestamp '2008-01-06') = 0, 'ok', 'FAIL') as ageinweeksiso_value,
       iif(ageinweeksnulliso(timestamp '2008-01-13', timestamp '2008-01-05') is null, 'ok', 'FAIL') as ageinweeksnulliso_value,
       iif(ageinweeksthresholdiso(timestamp '2008-01-06', timestamp '2008-01-13', 2, 1, 5, 1) = 2, 'ok', 'FAIL') as ageinweeksthresholdiso_value,
       iif(ageinweeksthresholdnulliso(timestamp '2008-01-06', timestamp '2008-02-13', 2, 1, 5, 1) = 5, 'ok', 'FAIL') as ageinweeksthrnulliso
from rdb$database;

select iif(ageindays(timestamp '2008-01-01 23:59:59', timestamp '2008-01-02 00:00:00') = 1, 'ok', 'FAIL') as ageindays_value,
       iif(ageindays(timestamp '1899-12-31', timestamp '1900-01-01') = 1, 'ok', 'FAIL') as ageindays_across_1900,
       iif(ageindaysnull(timestamp '2008-01-02', timestamp '2008-01-01') is null, 'ok', 'FAIL') as ageindaysnull_value,
       iif(ageindaysthreshold(timestamp '2008-01-01', timestamp '2008-03-01', 0, 0, 30, 1) = 30, 'ok', 'FAIL') as ageindaysthreshold_value,
       iif(ageindaysthresholdnull(timestamp '2008-01-01', timestamp '2008-03-01', 0, 0, 30, 0) = 60, 'ok', 'FAIL') as ageindaysthresholdnull_value,
       iif(ageinhours(timestamp '2008-01-01 10:30:00', timestamp '2008-01-01 12:29:59') = 1, 'ok', 'FAIL') as ageinhours_value,
       iif(ageinhoursnull(timestamp '2008-01-01 12:00:00', timestamp '2008-01-01 11:30:00') = 0, 'ok', 'FAIL') as ageinhoursnull_zero,
       iif(ageinhoursthreshold(timestamp '2008-01-01', timestamp '2008-01-03', 0, 1, 24, 1) = 24, 'ok', 'FAIL') as ageinhoursthreshold_value,
       iif(ageinhoursthresholdnull(timestamp '2008-01-03', timestamp '2008-01-01', -5, 1, 24, 1) is null, 'ok', 'FAIL') as ageinhoursthresholdnull_value,
       iif(ageinminutes(timestamp '2008-01-01 00:00:30', timestamp '2008-01-01 00:02:29') = 1, 'ok', 'FAIL') as ageinminutes_value,
       iif(ageinminutesnull(timestamp '2008-01-01 00:02:29', timestamp '2008-01-01 00:00:30') is null, 'ok', 'FAIL') as ageinminutesnull_value,
       iif(ageinminutesthreshold(timestamp '2008-01-01', timestamp '2008-01-02', 0, 1, 60, 1) = 60, 'ok', 'FAIL') as ageinminutesthreshold_value,
       iif(ageinminutesthresholdnull(timestamp '2008-01-01', timestamp '2008-01-02', 0, 1, 60, 0) = 1440, 'ok', 'FAIL') as ageinminutesthresholdnull_value,
       iif(ageinseconds(timestamp '2008-01-01 23:59:59', timestamp '2008-01-02 00:00:00') = 1, 'ok', 'FAIL') as ageinseconds_value,
       iif(ageinseconds(timestamp '0001-01-01', timestamp '9999-12-31') = 2147483647, 'ok', 'FAIL') as ageinseconds_saturates,
       iif(ageinsecondsnull(timestamp '2008-01-02', timestamp '2008-01-01') is null, 'ok', 'FAIL') as ageinsecondsnull_value,
       iif(ageinsecondsthreshold(timestamp '2008-01-01', timestamp '2008-01-02', 0, 1, 100, 1) = 100, 'ok', 'FAIL') as ageinsecondsthreshold_value,
       iif(ageinsecondsthresholdnull(timestamp '2008-01-02', timestamp '2008-01-01', 0, 1, 100, 1) = 0, 'ok', 'FAIL') as ageinsecondsthresholdnull_value
from rdb$database;

-- zeitdifferenz (DOUBLE PRECISION result, CSTRING argument), dtime, countweekdays.
select iif(zeitdifferenz(timestamp '2008-01-02 12:00:00', timestamp '2008-01-01 00:00:00', 't') = 1.5e0, 'ok', 'FAIL') as zeitdifferenz_days,
       iif(zeitdifferenz(timestamp '2008-01-02 12:00:00', timestamp '2008-01-01 00:00:00', 'h') = 36e0, 'ok', 'FAIL') as zeitdifferenz_hours,
       iif(zeitdifferenz(timestamp '2008-01-02 12:00:00', timestamp '2008-01-01 00:00:00', 'm') = 2160e0, 'ok', 'FAIL') as zeitdifferenz_minutes,
       iif(zeitdifferenz(timestamp '2008-01-01 00:00:00', timestamp '2008-01-02 12:00:00', 's') = -129600e0, 'ok', 'FAIL') as zeitdifferenz_seconds,
       iif(zeitdifferenz(timestamp '2008-01-02 12:00:00', timestamp '2008-01-01 00:00:00', 'H') = 0e0, 'ok', 'FAIL') as zeitdifferenz_unknown_unit,
       iif(zeitdifferenz(timestamp '2008-01-02 12:00:00', timestamp '2008-01-01 00:00:00', 'hh') = 0e0, 'ok', 'FAIL') as zeitdifferenz_long_unit,
       iif(dtime(timestamp '2000-01-01 12:00:00') = 36524, 'ok', 'FAIL') as dtime_2000,
       iif(dtime(timestamp '1899-12-31') = -1, 'ok', 'FAIL') as dtime_before_1900,
       iif(countweekdays(timestamp '2008-01-07', timestamp '2008-01-14', 1) = 2, 'ok', 'FAIL') as countweekdays_mondays,
       iif(countweekdays(timestamp '2008-01-07', timestamp '2008-01-14', 2) = 1, 'ok', 'FAIL') as countweekdays_tuesdays,
       iif(countweekdays(timestamp '2008-01-16', timestamp '2008-01-07', 3) = 2, 'ok', 'FAIL') as countweekdays_reversed
from rdb$database;

-- Differences.
select iif(yearsbetween(timestamp '2008-01-01', timestamp '2007-12-31') = 1, 'ok', 'FAIL') as yearsbetween_value,
       iif(monthsbetween(timestamp '2008-01-31', timestamp '2008-02-01') = 1, 'ok', 'FAIL') as monthsbetween_value,
       iif(weeksbetween(timestamp '2008-03-16', timestamp '2008-03-15') = 1, 'ok', 'FAIL') as weeksbetween_value,
       iif(weeksbetweeniso(timestamp '2008-03-15', timestamp '2008-03-16') = 0, 'ok', 'FAIL') as weeksbetweeniso_value,
       iif(daysbetween(timestamp '2008-03-02 00:00:00', timestamp '2008-03-01 23:59:59') = 1, 'ok', 'FAIL') as daysbetween_value,
       iif(hoursbetween(timestamp '2008-03-02 01:00:00', timestamp '2008-03-01 23:00:00') = 2, 'ok', 'FAIL') as hoursbetween_value,
       iif(minutesbetween(timestamp '2008-03-01 10:00:00', timestamp '2008-03-01 10:02:59') = 2, 'ok', 'FAIL') as minutesbetween_value,
       iif(secondsbetween(timestamp '9999-12-31', timestamp '0001-01-01') = 2147483647, 'ok', 'FAIL') as secondsbetween_saturates
from rdb$database;

-- NULL in either argument gives NULL.
select iif(br_year(null) is null and woy(null) is null, 'ok', 'FAIL') as null_one_argument,
       iif(daysofmonth(null, 2008) is null and lastday(2008, null) is null, 'ok', 'FAIL') as null_integer_arguments,
       iif(maxdate(null, timestamp '2008-01-01') is null and mindate(timestamp '2008-01-01', null) is null, 'ok', 'FAIL') as null_minmax,
       iif(addmonth(null, 1) is null and addmonth(timestamp '2008-01-01', null) is null, 'ok', 'FAIL') as null_add,
       iif(ageindays(null, timestamp '2008-01-01') is null and ageindays(timestamp '2008-01-01', null) is null, 'ok', 'FAIL') as null_age,
       iif(ageinyearsthreshold(timestamp '2005-06-01', timestamp '2002-06-01', 0, 1, 120, null) is null, 'ok', 'FAIL') as null_threshold_switch,
       iif(zeitdifferenz(timestamp '2008-01-01', timestamp '2008-01-01', null) is null, 'ok', 'FAIL') as null_unit,
       iif(countweekdays(timestamp '2008-01-01', timestamp '2008-01-09', null) is null, 'ok', 'FAIL') as null_weekday,
       iif(secondsbetween(null, timestamp '2008-01-01') is null and secondsbetween(timestamp '2008-01-01', null) is null, 'ok', 'FAIL') as null_between
from rdb$database;
