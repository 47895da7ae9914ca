-- A few queries answered by Brindle_FB.
select version() as "version()",
       padleft('42', '0', 6) as "padleft('42', '0', 6)",
       padcenter('title', '*-', 15) as "padcenter('title', '*-', 15)",
       linewrap('the quick brown fox jumps', 0, 10) || '|' as "linewrap(..., 0, 10) || '|'",
       br_replace('a-b-c', '-', ' + ') as "br_replace('a-b-c', '-', ' + ')",
       propercase('o''neil-SMITH') as "propercase('o''neil-SMITH')",
       gsoundex('Meier') || ' ' || gsoundex('Mayer') as "gsoundex('Meier'), ('Mayer')",
       soundex('Robert') as "soundex('Robert')",
       encryptmd5('abc') as "encryptmd5('abc')",
       telefonnr('+49 (711) 123-456', 3) as "telefonnr('+49 (711) ..', 3)"
from rdb$database;

select datetostrlang(timestamp '2008-03-14 13:05:09', '%A, %d. %B %Y %H:%M', 'de')
         as "datetostrlang(..., 'de')",
       cdowlonglang(timestamp '2008-03-14 00:00:00', 'fr') as "cdowlonglang(2008-03-14, fr)",
       cmonthlonglang(timestamp '2008-06-01 00:00:00', 'fi') as "cmonthlonglang(2008-06-01, fi)",
       gformatd('dddd, d. mmmm yyyy', timestamp '2008-03-05 00:00:00') as "gformatd('dddd, d. mmmm yyyy')",
       woyiso(timestamp '2008-12-29 00:00:00') as "woyiso(2008-12-29)",
       ageinyears(timestamp '1970-06-15 00:00:00', current_timestamp) as "ageinyears(1970-06-15, today)",
       addmonth(timestamp '2008-01-31 10:00:00', 1) as "addmonth(2008-01-31 10:00, 1)",
       osterdatum(2027) as "osterdatum(2027)",
       pfingstmontag(2027) as "pfingstmontag(2027)",
       addperiod('23:00:00', '2:00:00') as "addperiod('23:00:00', '2:00')"
from rdb$database;

select zahlrunden(2.675, 2) as "zahlrunden(2.675, 2)",
       fixedpointlang(1234567.891, 2, ',', '.') as "fixedpointlang(1234567.891, 2)",
       numinwords(12.5, 1, 'de') as "numinwords(12.5, 1, 'de')",
       arabic2roman(1999) as "arabic2roman(1999)",
       roman2arabic('MMXXVI') as "roman2arabic('MMXXVI')",
       convertto33(123456) as "convertto33(123456)",
       inttohex(255, 8) as "inttohex(255, 8)",
       c2f(37) as "c2f(37)",
       mile2km(26.2) as "mile2km(26.2)",
       sin_deg(30) as "sin_deg(30)",
       br_pi() as "br_pi()",
       intrandom(1, 6) as "intrandom(1, 6)"
from rdb$database;

select blobsize(cast('first line' || ascii_char(10) || 'second line' as blob)) as "blobsize(two lines)",
       bloblinecount(cast('first line' || ascii_char(10) || 'second line' as blob)) as "bloblinecount(two lines)",
       cast(blobcatstr(strblob('Gr' || x'FC' || x'DF' || 'e'), 'aus K' || x'F6' || 'ln') as varchar(40)) as "blobcatstr(strblob(..), ..)",
       uuidversion(uuid4()) as "uuidversion(uuid4())",
       char_length(uuid1mac()) as "char_length(uuid1mac())"
from rdb$database;
