select iif(encodedate(2008, 3, 5) = date '2008-03-05' and encodedate(2008, 2, 30) = date '2008-03-01'
           and encodedatenull(2008, 2, 29) = date '2008-02-29', 'ok', 'FAIL') as encodedate_values,
       iif(encodedatenull(2007, 2, 29) is null and encodedatenull(2008, 4, 31) is null
           and encodedatenull(2008, 13, 1) is null and encodedatenull(2008, 1, 0) is null, 'ok', 'FAIL') as encodedatenull_invalid,
       iif(encodedate(null, 1, 1) is null and encodedate(2008, null, 1) is null
           and encodedatenull(2008, 1, null) is null, 'ok', 'FAIL') as encodedate_null_in,
       iif(r_encodedate(29, 2, 2008) = timestamp '2008-02-29 00:00:00'
           and r_encodedate(1, 1, null) is null, 'ok', 'FAIL') as r_encodedate_order,
       iif(encodetime(23, 59, 59) = time '23:59:59' and encodetime(1, 1, -1) = time '01:00:59'
           and encodetimenull(23, 59, 59) = time '23:59:59'
           and encodetimenull(1, 1, -1) = time '01:00:59', 'ok', 'FAIL') as encodetime_values,
       iif(encodetimenull(24, 0, 0) is null and encodetimenull(12, 60, 0) is null
           and encodetimenull(1, -1, 0) is null, 'ok', 'FAIL') as encodetimenull_invalid,
       iif(encodetime(null, 0, 0) is null and encodetimenull(0, 0, null) is null, 'ok', 'FAIL') as encodetime_null_in,
       iif(encodetimestamp(2008, 3, 5, 7, 4, 9) = timestamp '2008-03-05 07:04:09'
           and r_encodedatetime(5, 3, 2008, 7, 4, 9) = timestamp '2008-03-05 07:04:09', 'ok', 'FAIL') as encodetimestamp_values,
       iif(encodetimestamp(2008, 3, 5, 7, 4, null) is null
           and r_encodedatetime(null, 3, 2008, 7, 4, 9) is null, 'ok', 'FAIL') as encodetimestamp_null_in
from rdb$database;

select iif(firstdaymonth(timestamp '2008-03-05 07:04:09.5000') = timestamp '2008-03-01 00:00:00'
           and lastdaymonth(timestamp '2000-02-10 07:04:09') = timestamp '2000-02-29 00:00:00'
           and lastdaymonth(timestamp '1900-02-10 00:00:00') = timestamp '1900-02-28 00:00:00', 'ok', 'FAIL') as month_ends,
       iif(datetodouble(timestamp '1858-11-17 12:00:00') = 0.5 and datetodouble(timestamp '1858-11-16 18:00:00') = -0.25
           and timetodouble(timestamp '2008-03-05 18:00:00') = 0.75, 'ok', 'FAIL') as todouble_values,
       iif(doubletodate(54527.75) = timestamp '2008-03-02 18:00:00' and doubletodate(-0.25) = timestamp '1858-11-16 18:00:00'
           and doubletodate(2.0000000019) = timestamp '1858-11-19 00:00:00.0002'
           and doubletodate(54527.9999999999) = timestamp '2008-03-03 00:00:00', 'ok', 'FAIL') as doubletodate_rounds,
       iif(doubletodate(datetodouble(timestamp '1800-06-07 05:06:07.0008')) = timestamp '1800-06-07 05:06:07.0008',
           'ok', 'FAIL') as double_round_trip,
       iif(doubletotime(54527.25) = timestamp '1858-11-17 06:00:00'
           and doubletotime(5.9999999999) = timestamp '1858-11-17 00:00:00', 'ok', 'FAIL') as doubletotime_values,
       iif(doubletodate(1e300) is null, 'ok', 'FAIL') as doubletodate_out_of_range,
       iif(firstdaymonth(null) is null and lastdaymonth(null) is null and timetodouble(null) is null and datetodouble(null) is null
           and doubletodate(null) is null and doubletotime(null) is null, 'ok', 'FAIL') as convert_null
from rdb$database;

select iif(incdate(timestamp '2008-03-31 10:00:00', 0, 1, 0) = timestamp '2008-04-30 10:00:00'
           and incdate(timestamp '2008-03-31 00:00:00', 0, -1, 0) = timestamp '2008-02-29 00:00:00'
           and incdate(timestamp '2008-02-29 00:00:00', 0, 0, 1) = timestamp '2009-02-28 00:00:00'
           and incdate(timestamp '1899-03-31 00:00:00', 0, -1, 0) = timestamp '1899-02-28 00:00:00', 'ok', 'FAIL') as incdate_clamp,
       iif(incdate(timestamp '2008-03-31 00:00:00', 1, 1, 0) = timestamp '2008-05-01 00:00:00'
           and incdate(timestamp '2007-01-31 00:00:00', 0, 1, 1) = timestamp '2008-02-28 00:00:00'
           and incdate(timestamp '2000-01-01 00:00:00', 30000, 0, 0) = timestamp '2082-02-19 00:00:00', 'ok', 'FAIL') as incdate_order,
       iif(incdatetime(timestamp '2008-03-01 00:00:00', 0, 0, 0, 0, 0, -1) = timestamp '2008-02-29 23:59:59'
           and incdatetime(timestamp '2008-03-01 00:00:00', 1, 1, 1, 1, 1, 1) = timestamp '2009-04-02 01:01:01',
           'ok', 'FAIL') as incdatetime_values,
       iif(incdate(null, 0, 0, 0) is null and incdate(timestamp '2008-01-01 00:00:00', 0, null, 0) is null
           and incdatetime(timestamp '2008-01-01 00:00:00', 0, 0, 0, 0, 0, null) is null, 'ok', 'FAIL') as incdate_null_in
from rdb$database;

select iif(period2seconds('1:00:00') = 3600 and period2seconds('-1:00:00') = -3600 and period2seconds('2:01:00:00') = 176400
           and period2seconds('0:90:0') = 5400 and period2seconds(' 1: +2:3xyz') = 3723, 'ok', 'FAIL') as period2seconds_reading,
       iif(period2seconds('1:00') is null and period2seconds('1:2:3:4:5') is null and period2seconds('1::3') is null
           and period2seconds('1:-2:3') is null and period2seconds('abc') is null and period2seconds(x'A0' || '1:2:3') is null
           and period2seconds('24855:03:14:08') is null and period2seconds(null) is null, 'ok', 'FAIL') as period2seconds_invalid,
       iif(seconds2period(0) = '00:00:00' and seconds2period(-5) = '-00:00:05' and seconds2period(90061) = '01:01:01:01'
           and seconds2period(-2147483648) = '-24855:03:14:08' and seconds2period(null) is null, 'ok', 'FAIL') as seconds2period_text,
       iif(addperiod('23:00:00', '2:00:00') = '01:01:00:00'
           and subperiod('1:00:00', '2:30:00') = '-01:30:00', 'ok', 'FAIL') as add_sub_period,
       iif(addperiod('1:00', '1:00:00') is null and subperiod('1:00:00', 'x') is null and addperiod('24855:03:14:07', '0:0:1') is null
           and addperiod(null, '1:00:00') is null and subperiod('1:00:00', null) is null, 'ok', 'FAIL') as period_null
from rdb$database;

select iif(osterdatum(2008) = timestamp '2008-03-23' and osterdatum(2011) = timestamp '2011-04-24'
           and osterdatum(1981) = timestamp '1981-04-19' and osterdatum(1954) = timestamp '1954-04-18', 'ok', 'FAIL') as osterdatum_values,
       iif(osterdatum(8) = osterdatum(2008) and osterdatum(81) = osterdatum(1981)
           and osterdatum(80) = osterdatum(2080), 'ok', 'FAIL') as osterdatum_widened,
       iif(osterdatum(null) is null and fronleichnam(null) is null, 'ok', 'FAIL') as feast_null,
       iif(weiberfastnacht(2008) = timestamp '2008-01-31' and rosenmontag(2008) = timestamp '2008-02-04'
           and karnevalsdienstag(2008) = timestamp '2008-02-05' and aschermittwoch(2008) = timestamp '2008-02-06'
           and palmsonntag(2008) = timestamp '2008-03-16' and gruendonnerstag(2008) = timestamp '2008-03-20'
           and karfreitag(2008) = timestamp '2008-03-21' and ostersamstag(2008) = timestamp '2008-03-22'
           and ostermontag(2008) = timestamp '2008-03-24' and himmelfahrt(2008) = timestamp '2008-05-01'
           and pfingstsonntag(2008) = timestamp '2008-05-11' and pfingstmontag(2008) = timestamp '2008-05-12'
           and fronleichnam(2008) = timestamp '2008-05-22', 'ok', 'FAIL') as feasts_2008,
       iif(kalenderwoche(timestamp '2008-12-29 00:00:00') = 1 and kalenderwoche(timestamp '2010-01-03 12:00:00') = 53
           and kalenderwoche(timestamp '2009-12-31 00:00:00') = 53 and kalenderwoche(null) is null, 'ok', 'FAIL') as kalenderwoche_rules
from rdb$database;

select iif(char_length(subperiod('-24855:03:14:07', '0:0:1')) = 15 and char_length(addperiod('24855:03:14:06', '0:0:1')) = 14
           and char_length(seconds2period(-2147483648)) = 15, 'ok', 'FAIL') as periods_longest
from rdb$database;
