select iif(br_year(timestamp '2008-03-16 13:45:10.5000') = 2008 and br_month(timestamp '2008-03-16 13:45:10') = 3
           and br_year(date '1899-12-31') = 1899, 'ok', 'FAIL') as year_month,
       iif(br_quarter(timestamp '2008-03-31 23:59:59') = 1 and br_quarter(timestamp '2008-04-01') = 2, 'ok', 'FAIL') as quarter_part,
       iif(dayofmonth(timestamp '2008-03-16 13:45:10') = 16 and dayofyear(timestamp '2008-12-31 00:00:00') = 366
           and r_yearday(timestamp '2008-01-01 00:00:00') = 0, 'ok', 'FAIL') as day_parts,
       iif(dayofweek(timestamp '2008-03-16') = 1 and dayofweek(timestamp '2008-03-17') = 2 and r_weekday(timestamp '2008-03-16') = 0
           and r_weekday(timestamp '2008-03-17') = 1 and r_dow(timestamp '2008-03-16') = 7
           and r_dow(timestamp '2008-03-17') = 1, 'ok', 'FAIL') as weekday_numbering,
       iif(br_hour(timestamp '2008-03-16 13:45:10') = 13 and br_minute(timestamp '2008-03-16 13:45:10') = 45
           and br_second(timestamp '2008-03-16 13:45:10.9999') = 10, 'ok', 'FAIL') as time_parts,
       iif(br_millisecond(timestamp '2008-03-05 12:00:00.5000') = 5000
           and br_millisecond(timestamp '2008-03-05 12:00:00') = 0, 'ok', 'FAIL') as millisecond_fraction,
       iif(isleapyear(timestamp '1900-06-01') = 0 and isleapyear(timestamp '2000-06-01') = 1
           and r_isleapyear(1900) = 0 and r_isleapyear(0) = 1, 'ok', 'FAIL') as leap_years,
       iif(daysofmonth(2, 2008) = 29 and daysofmonth(13, 2008) = 31 and lastday(2008, 2) = 29
           and lastday(2009, 2) = 28, 'ok', 'FAIL') as month_lengths
from rdb$database;

select iif(br_week(timestamp '2000-12-31') = 54 and weekofyear(timestamp '2000-12-31') = 1
           and yearofyear(timestamp '2000-12-31') = 2001, 'ok', 'FAIL') as week_numbers,
       iif(woy(timestamp '2009-01-01') = '200853' and woy(timestamp '2016-01-02') = '201552', 'ok', 'FAIL') as woy_text,
       iif(woyiso(timestamp '2008-12-29') = '200901' and woyiso(timestamp '2010-01-03') = '200953'
           and woyiso(timestamp '2020-12-31') = '202053', 'ok', 'FAIL') as woyiso_text
from rdb$database;

select iif(maxdate(timestamp '2008-05-01 10:00:00.2500', timestamp '2008-05-01 10:00:00.1250') = timestamp '2008-05-01 10:00:00.2500'
           and mindate(timestamp '2008-05-01 10:00:00.2500', timestamp '2008-05-01 10:00:00.1250') = timestamp '2008-05-01 10:00:00.1250'
           and br_millisecond(maxdate(timestamp '2008-05-01 10:00:00.2500', timestamp '1899-05-01')) = 2500,
           'ok', 'FAIL') as minmax_fraction,
       iif(equaldate(timestamp '2008-05-01 00:00:00', timestamp '2008-05-01 23:59:59') = 1
           and equaldatetime(timestamp '2008-05-01 00:00:00', timestamp '2008-05-01 23:59:59') = 0
           and equaldatetime(timestamp '2008-05-01 10:00:00.1000', timestamp '2008-05-01 10:00:00.9000') = 1, 'ok', 'FAIL') as equal_dates,
       iif(stripdate(timestamp '2008-03-15 13:45:10.5000') = timestamp '1899-12-31 13:45:10'
           and striptime(timestamp '2008-03-15 13:45:10.5000') = timestamp '2008-03-15 00:00:00', 'ok', 'FAIL') as strip_values,
       iif(cast(striptime(timestamp '2008-03-15 13:45:10') as date) = date '2008-03-15'
           and cast(stripdate(timestamp '2008-03-15 13:45:10') as time) = time '13:45:10'
           and cast(addday(date '2008-02-28', 1) as date) = date '2008-02-29', 'ok', 'FAIL') as read_as_date_time
from rdb$database;

select iif(addyear(timestamp '2008-02-29 08:00:00', 1) = timestamp '2009-03-01 08:00:00'
           and addyear(timestamp '2008-02-29', -100) = timestamp '1908-02-29', 'ok', 'FAIL') as addyear_leap_day,
       iif(addmonth(timestamp '2008-01-31 10:00:00', 1) = timestamp '2008-02-29 10:00:00'
           and addmonth(timestamp '2008-05-31', -1) = timestamp '2008-04-30', 'ok', 'FAIL') as addmonth_clamp,
       iif(addweek(timestamp '2008-12-29', 1) = timestamp '2009-01-05'
           and addday(timestamp '2008-12-31', 1) = timestamp '2009-01-01', 'ok', 'FAIL') as addweek_addday,
       iif(addday(timestamp '2008-01-01', 24856) = timestamp '1939-12-14 17:31:44', 'ok', 'FAIL') as addday_wraps,
       iif(addhour(timestamp '2008-12-31 23:30:00', 1) = timestamp '2009-01-01 00:30:00'
           and addminute(timestamp '2000-01-01 00:00:00', -1) = timestamp '1999-12-31 23:59:00', 'ok', 'FAIL') as addhour_addminute,
       iif(addsecond(timestamp '2008-01-01 07:04:09.5000', 0) = timestamp '2008-01-01 07:04:09'
           and addsecond(timestamp '1900-01-01 00:00:00', -1) = timestamp '1899-12-31 23:59:59', 'ok', 'FAIL') as addsecond_rules,
       iif(addday(timestamp '0001-01-01', -1) is null
           and addyear(timestamp '2008-06-01', 2147483647) is null, 'ok', 'FAIL') as add_out_of_range
from rdb$database;

select iif(ageinyears(timestamp '2000-12-31', timestamp '2001-01-01') = 1
           and ageinyearsnull(timestamp '2001-01-01', timestamp '2000-12-31') is null
           and ageinyearsthreshold(timestamp '2005-06-01', timestamp '2002-06-01', 0, 1, 120, 1) = 0
           and ageinyearsthresholdnull(timestamp '2005-06-01', timestamp '1997-01-01', -5, 1, 0, 0) is null,
           'ok', 'FAIL') as ageinyears_family,
       iif(ageinmonths(timestamp '2008-01-31', timestamp '2008-02-01') = 1
           and ageinmonthsnull(timestamp '2008-02-01', timestamp '2008-01-31') is null
           and ageinmonthsthreshold(timestamp '2008-01-01', timestamp '2009-01-01', 0, 0, 6, 1) = 6
           and ageinmonthsthresholdnull(timestamp '2008-01-01', timestamp '2009-01-01', 0, 0, 6, 1) = 6,
           'ok', 'FAIL') as ageinmonths_family,
       iif(ageinweeks(timestamp '2008-01-05', timestamp '2008-01-06') = 1
           and ageinweeksnull(timestamp '2008-01-06', timestamp '2008-01-05') is null
           and ageinweeksthreshold(timestamp '2008-01-06', timestamp '2008-01-05', 10, 1, 5, 1) = 10
           and ageinweeksthresholdnull(timestamp '2008-01-06', timestamp '2008-01-05', 0, 1, 5, 1) = 0, 'ok', 'FAIL') as ageinweeks_family,
       iif(ageinweeksiso(timestamp '2008-01-05', timestamp '2008-01-06') = 0
           and ageinweeksnulliso(timestamp '2008-01-13', timestamp '2008-01-05') is null
           and ageinweeksthresholdiso(timestamp '2008-01-06', timestamp '2008-01-13', 2, 1, 5, 1) = 2
           and ageinweeksthresholdnulliso(timestamp '2008-01-06', timestamp '2008-02-13', 2, 1, 5, 1) = 5,
           'ok', 'FAIL') as ageinweeksiso_family,
       iif(ageindays(timestamp '2008-01-01 23:59:59', timestamp '2008-01-02 00:00:00') = 1
           and ageindays(timestamp '1899-12-31', timestamp '1900-01-01') = 1
           and ageindaysnull(timestamp '2008-01-02', timestamp '2008-01-01') is null
           and ageindaysthreshold(timestamp '2008-01-01', timestamp '2008-03-01', 0, 0, 30, 1) = 30
           and ageindaysthresholdnull(timestamp '2008-01-01', timestamp '2008-03-01', 0, 0, 30, 0) = 60, 'ok', 'FAIL') as ageindays_family,
       iif(ageinhours(timestamp '2008-01-01 10:30:00', timestamp '2008-01-01 12:29:59') = 1
           and ageinhoursnull(timestamp '2008-01-01 12:00:00', timestamp '2008-01-01 11:30:00') = 0
           and ageinhoursthreshold(timestamp '2008-01-01', timestamp '2008-01-03', 0, 1, 24, 1) = 24
           and ageinhoursthresholdnull(timestamp '2008-01-03', timestamp '2008-01-01', -5, 1, 24, 1) is null,
           'ok', 'FAIL') as ageinhours_family,
       iif(ageinminutes(timestamp '2008-01-01 00:00:30', timestamp '2008-01-01 00:02:29') = 1
           and ageinminutesnull(timestamp '2008-01-01 00:02:29', timestamp '2008-01-01 00:00:30') is null
           and ageinminutesthreshold(timestamp '2008-01-01', timestamp '2008-01-02', 0, 1, 60, 1) = 60
           and ageinminutesthresholdnull(timestamp '2008-01-01', timestamp '2008-01-02', 0, 1, 60, 0) = 1440,
           'ok', 'FAIL') as ageinminutes_family,
       iif(ageinseconds(timestamp '2008-01-01 23:59:59', timestamp '2008-01-02 00:00:00') = 1
           and ageinseconds(timestamp '0001-01-01', timestamp '9999-12-31') = 2147483647
           and ageinsecondsnull(timestamp '2008-01-02', timestamp '2008-01-01') is null
           and ageinsecondsthreshold(timestamp '2008-01-01', timestamp '2008-01-02', 0, 1, 100, 1) = 100
           and ageinsecondsthresholdnull(timestamp '2008-01-02', timestamp '2008-01-01', 0, 1, 100, 1) = 0,
           'ok', 'FAIL') as ageinseconds_family
from rdb$database;

select iif(zeitdifferenz(timestamp '2008-01-02 12:00:00', timestamp '2008-01-01 00:00:00', 't') = 1.5e0
           and zeitdifferenz(timestamp '2008-01-02 12:00:00', timestamp '2008-01-01 00:00:00', 'h') = 36e0
           and zeitdifferenz(timestamp '2008-01-02 12:00:00', timestamp '2008-01-01 00:00:00', 'm') = 2160e0
           and zeitdifferenz(timestamp '2008-01-01 00:00:00', timestamp '2008-01-02 12:00:00', 's') = -129600e0,
           'ok', 'FAIL') as zeitdifferenz_units,
       iif(zeitdifferenz(timestamp '2008-01-02 12:00:00', timestamp '2008-01-01 00:00:00', 'H') = 0e0
           and zeitdifferenz(timestamp '2008-01-02 12:00:00', timestamp '2008-01-01 00:00:00', 'hh') = 0e0,
           'ok', 'FAIL') as zeitdifferenz_unknown_unit,
       iif(dtime(timestamp '2000-01-01 12:00:00') = 36524 and dtime(timestamp '1899-12-31') = -1, 'ok', 'FAIL') as dtime_days,
       iif(countweekdays(timestamp '2008-01-07', timestamp '2008-01-14', 1) = 2
           and countweekdays(timestamp '2008-01-07', timestamp '2008-01-14', 2) = 1
           and countweekdays(timestamp '2008-01-16', timestamp '2008-01-07', 3) = 2, 'ok', 'FAIL') as countweekdays_rules
from rdb$database;

select iif(yearsbetween(timestamp '2008-01-01', timestamp '2007-12-31') = 1
           and monthsbetween(timestamp '2008-01-31', timestamp '2008-02-01') = 1
           and weeksbetween(timestamp '2008-03-16', timestamp '2008-03-15') = 1
           and weeksbetweeniso(timestamp '2008-03-15', timestamp '2008-03-16') = 0
           and daysbetween(timestamp '2008-03-02 00:00:00', timestamp '2008-03-01 23:59:59') = 1, 'ok', 'FAIL') as between_calendar,
       iif(hoursbetween(timestamp '2008-03-02 01:00:00', timestamp '2008-03-01 23:00:00') = 2
           and minutesbetween(timestamp '2008-03-01 10:00:00', timestamp '2008-03-01 10:02:59') = 2
           and secondsbetween(timestamp '9999-12-31', timestamp '0001-01-01') = 2147483647, 'ok', 'FAIL') as between_clock
from rdb$database;

select iif(br_year(null) is null and woy(null) is null and daysofmonth(null, 2008) is null
           and lastday(2008, null) is null, 'ok', 'FAIL') as null_one_argument,
       iif(maxdate(null, timestamp '2008-01-01') is null and mindate(timestamp '2008-01-01', null) is null
           and addmonth(null, 1) is null and addmonth(timestamp '2008-01-01', null) is null, 'ok', 'FAIL') as null_minmax_add,
       iif(ageindays(null, timestamp '2008-01-01') is null and ageindays(timestamp '2008-01-01', null) is null
           and ageinyearsthreshold(timestamp '2005-06-01', timestamp '2002-06-01', 0, 1, 120, null) is null, 'ok', 'FAIL') as null_age,
       iif(zeitdifferenz(timestamp '2008-01-01', timestamp '2008-01-01', null) is null
           and countweekdays(timestamp '2008-01-01', timestamp '2008-01-09', null) is null
           and secondsbetween(null, timestamp '2008-01-01') is null
           and secondsbetween(timestamp '2008-01-01', null) is null, 'ok', 'FAIL') as null_between
from rdb$database;
