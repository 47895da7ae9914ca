-- Blob functions through the engine: NULL blobs, text blobs built by SQL, blobs of
-- several segments written by strblob and blobcat and read back, and blobs of 100 KB and 1 MB.

-- NULL blobs: every reading function answers NULL; the writers skip them.
select iif(blobaspchar(null) is null and blobmid(null, 0, 1) is null and r_blobmid(null, 1, 1) is null
           and blobleft(null, 1) is null and blobright(null, 1) is null and blobline(null, 1) is null
           and excelblob(null) is null, 'ok', 'FAIL') as null_text_results,
       iif(blobsize(null) is null and blobsegmentcount(null) is null and blobmaxsegmentlength(null) is null
           and bloblinecount(null) is null and blobwordcount(null) is null, 'ok', 'FAIL') as null_measures,
       iif(blobcompare(null, strblob('a')) is null and blobcompare(strblob('a'), null) is null
           and b_strcmp(null, strblob('a')) is null and b_strcmp(strblob('a'), null) is null
           and blobsubstr(null, 'a') is null and b_strpos('a', null) is null and b_textpos('a', null) is null,
           'ok', 'FAIL') as null_search_compare,
       iif(blobmid(strblob('abc'), null, 1) is null and blobsubstr(strblob('abc'), null) is null
           and b_strpos(null, strblob('abc')) is null, 'ok', 'FAIL') as null_other_arguments,
       iif(blobcat(null, null) = ascii_char(13) || ascii_char(10) and blobsize(blobcat(null, null)) = 2
           and blobsegmentcount(blobcat(null, null)) = 1, 'ok', 'FAIL') as blobcat_of_nulls,
       iif(strblob(null) is not null and blobsize(strblob(null)) = 0
           and blobcatstr(null, null) = ascii_char(13) || ascii_char(10)
           and blobcatstr(strblob('ab'), null) = 'ab' || ascii_char(13) || ascii_char(10), 'ok', 'FAIL') as writers_skip_nulls,
       -- A function returning its output blob cannot answer NULL: NULL arguments of the
       -- replacement leave the text unchanged, a NULL blob gives an empty blob.
       iif(blobreplacestring(strblob('aXb'), null, '-', 1, 0) = 'aXb' and blobreplacestring(strblob('aXb'), 'X', null, 1, 0) = 'aXb'
           and blobreplacestring(strblob('aXb'), 'X', '-', null, 0) = 'aXb' and blobreplacestring(strblob('aXb'), 'X', '-', 1, null) = 'aXb'
           and blobsize(blobreplacestring(null, 'a', 'b', 1, 0)) = 0, 'ok', 'FAIL') as blobreplacestring_nulls
from rdb$database;

-- Text blobs built by SQL: a cast to BLOB SUB_TYPE TEXT, and a cast to a binary BLOB.
select iif(blobaspchar(cast('abc  ' || ascii_char(10) as blob sub_type text)) = 'abc'
           and blobsize(cast('abc  ' || ascii_char(10) as blob sub_type text)) = 6, 'ok', 'FAIL') as reader_trims,
       iif(blobaspchar(cast('abcde' as blob)) = 'abcde' and blobsize(cast('abcde' as blob)) = 5
           and blobsegmentcount(cast('abcde' as blob)) = 1 and blobmaxsegmentlength(cast('abcde' as blob)) = 5, 'ok', 'FAIL') as binary_blob,
       iif(blobmid(cast('abcde' as blob sub_type text), 1, 2) = 'bc' and r_blobmid(cast('abcde' as blob sub_type text), 1, 2) = 'ab'
           and r_blobmid(cast('abcde' as blob sub_type text), 5, 1) = 'e' and r_blobmid(cast('abcde' as blob sub_type text), 9, 2) = ''
           and blobmid(cast('abcde' as blob sub_type text), -3, 2) = 'ab', 'ok', 'FAIL') as blobmid_rules,
       iif(blobleft(cast('abcde' as blob sub_type text), 9) = 'abcde' and blobright(cast('abcde' as blob sub_type text), 2) = 'de'
           and blobright(cast('abcde' as blob sub_type text), 0) = '' and blobleft(cast('abcde' as blob sub_type text), -1) = ''
           and blobmid(cast('abcde' as blob) , 2147483647, 2147483647) = '' and blobright(cast('abcde' as blob), -2147483648) = '',
           'ok', 'FAIL') as blobleft_blobright,
       -- Positions clamp against the total length: the trailing blanks are still reachable.
       iif(blobright(cast('abc  ' as blob sub_type text), 1) = ' ' and char_length(blobright(cast('abc  ' as blob sub_type text), 1)) = 1
           and blobright(cast('abc  ' as blob sub_type text), 3) = 'c', 'ok', 'FAIL') as trailing_blanks_behind_the_end,
       iif(blobaspchar(cast(x'61620063' as blob)) = 'ab' and blobmid(cast(x'61620063' as blob), 3, 1) = 'c', 'ok', 'FAIL') as nul_ends_the_text,
       iif(blobaspchar(cast('' as blob sub_type text)) = '' and blobsize(cast('' as blob sub_type text)) = 0
           and bloblinecount(cast('' as blob sub_type text)) = 0 and blobwordcount(cast('' as blob sub_type text)) = 0
           and blobaspchar(cast('x' as blob)) = 'x' and bloblinecount(cast('x' as blob)) = 1, 'ok', 'FAIL') as empty_and_one_byte
from rdb$database;

-- Lines, words, searching, comparing, quoting.
select iif(blobline(cast('one' || ascii_char(13) || ascii_char(10) || 'two' || ascii_char(13) || ascii_char(10) || 'three' as blob sub_type text), 2) = 'two'
           and blobline(cast('one' || ascii_char(13) || ascii_char(10) || 'two' || ascii_char(13) || ascii_char(10) || 'three' as blob sub_type text), 0) = 'one'
           and blobline(cast('one' || ascii_char(13) || ascii_char(10) || 'two' || ascii_char(13) || ascii_char(10) || 'three' as blob sub_type text), 3) = 'three'
           and blobline(cast('one' || ascii_char(13) || ascii_char(10) || 'two' || ascii_char(13) || ascii_char(10) || 'three' as blob sub_type text), 4) = '',
           'ok', 'FAIL') as blobline_rules,
       -- A bare line feed loses no byte; an empty line stays empty.
       iif(blobline(cast('one' || ascii_char(10) || ascii_char(10) || 'three' as blob sub_type text), 1) = 'one'
           and blobline(cast('one' || ascii_char(10) || ascii_char(10) || 'three' as blob sub_type text), 2) = ''
           and blobline(cast('one' || ascii_char(10) || ascii_char(10) || 'three' as blob sub_type text), 3) = 'three', 'ok', 'FAIL') as blobline_bare_line_feeds,
       iif(bloblinecount(cast('one' || ascii_char(13) || ascii_char(10) || 'two' || ascii_char(13) || ascii_char(10) || 'three' as blob sub_type text)) = 3
           and bloblinecount(cast('a' || ascii_char(10) || ascii_char(10) || 'b' as blob sub_type text)) = 3
           -- the reader has cut the trailing white space, line feeds included
           and bloblinecount(cast('a' || ascii_char(10) || ascii_char(10) || ' ' || ascii_char(10) as blob sub_type text)) = 1, 'ok', 'FAIL') as bloblinecount_rules,
       iif(blobwordcount(cast('a ' || ascii_char(13) || ascii_char(10) || 'b' as blob sub_type text)) = 3
           and blobwordcount(cast('  a' || ascii_char(9) || 'b  c ' as blob sub_type text)) = 3, 'ok', 'FAIL') as blobwordcount_rules,
       iif(b_strpos('c', cast('abc' as blob sub_type text)) = 3 and blobsubstr(cast('abc' as blob sub_type text), 'c') = 2
           and b_strpos('x', cast('abc' as blob)) = 0 and blobsubstr(cast('abc' as blob), 'x') = -1
           and b_strpos('', cast('abc' as blob)) = 1 and blobsubstr(cast('abc' as blob), '') = 0, 'ok', 'FAIL') as search_rules,
       iif(b_textpos(x'C442', cast(x'78E462' as blob)) = 2 and b_strpos(x'C442', cast(x'78E462' as blob)) = 0
           and b_textpos('BC', cast('abc' as blob)) = 2, 'ok', 'FAIL') as b_textpos_latin1,
       iif(blobcompare(cast('abc' as blob), strblob('abc  ')) = 1 and blobcompare(cast('abc' as blob), cast('abd' as blob)) = 0
           and b_strcmp(cast('abc' as blob), cast('abd' as blob)) = 1 and b_strcmp(cast('abd' as blob), cast('abc' as blob)) = -1
           and b_strcmp(cast('a' as blob), cast(x'E9' as blob)) = 1 and b_strcmp(strblob('ab'), cast('ab ' as blob)) = 0, 'ok', 'FAIL') as compare_rules,
       iif(excelblob(cast('say "hi"' || ascii_char(13) || ascii_char(10) as blob sub_type text)) = '"say ""hi"""'
           and excelblob(cast('a' || ascii_char(13) || 'b' || ascii_char(10) || 'c' as blob sub_type text)) = '"ab' || ascii_char(10) || 'c"',
           'ok', 'FAIL') as excelblob_rules
from rdb$database;

-- Writing: segments written by our own writers, read back.
select iif(strblob('ab  ' || ascii_char(9)) = 'ab' and blobsize(strblob('ab  ')) = 2 and blobsegmentcount(strblob('ab')) = 1, 'ok', 'FAIL') as strblob_rules,
       iif(blobcat(strblob('ab'), strblob('cd')) = 'ab' || ascii_char(13) || ascii_char(10) || 'cd'
           and blobsegmentcount(blobcat(strblob('ab'), strblob('cd'))) = 3
           and blobmaxsegmentlength(blobcat(strblob('abc'), strblob('d'))) = 3, 'ok', 'FAIL') as blobcat_segments,
       iif(blobcatstr(blobcat(strblob('a'), strblob('b')), 'c  ') = 'a' || ascii_char(13) || ascii_char(10) || 'b' || ascii_char(13) || ascii_char(10) || 'c'
           and blobsegmentcount(blobcatstr(blobcat(strblob('a'), strblob('b')), 'c')) = 5, 'ok', 'FAIL') as blobcatstr_segments,
       iif(blobline(blobcat(blobcat(strblob('one'), strblob('two')), strblob('three')), 2) = 'two'
           and bloblinecount(blobcat(blobcat(strblob('one'), strblob('two')), strblob('three'))) = 3, 'ok', 'FAIL') as lines_of_our_blobs,
       iif(blobreplacestring(cast('aXbXc' as blob), 'X', '--', 1, 0) = 'a--b--c'
           and blobreplacestring(cast('aXbXc' as blob), 'x', '-', 0, 1) = 'a-bXc'
           and blobreplacestring(cast('abc ' as blob), '', 'z', 1, 0) = ''
           and blobreplacestring(cast(x'C462' as blob), x'E4', 'a', 1, 1) = 'ab', 'ok', 'FAIL') as blobreplacestring_rules,
       iif(blobcompare(blobcat(strblob('ab'), cast('cd' as blob)), cast('ab' || ascii_char(13) || ascii_char(10) || 'cd' as blob)) = 1, 'ok', 'FAIL') as blobcompare_round_trip
from rdb$database;

-- Blobs of 100 KB and 1 MB, built in PSQL, read and written back byte for byte.
set term ^;
execute block returns (big_reads varchar(4), big_cuts varchar(4), big_search varchar(4), big_lines varchar(4),
                       big_blobcat varchar(4), big_blobcatstr varchar(4), big_replace varchar(4), big_segments varchar(4))
as
declare b blob sub_type text;
declare c blob sub_type text;
declare r blob sub_type text;
declare i int = 0;
declare n int;
declare cut int = 0;
declare window_ok boolean;
begin
  -- 100 KB: 1000 lines of 98 bytes and a line end, then a needle.
  b = '';
  while (i < 1000) do begin
    b = b || rpad('line ' || i || ' ', 98, 'abcdefghij') || ascii_char(13) || ascii_char(10);
    i = i + 1;
  end
  b = b || 'needle';
  n = octet_length(b);
  -- The window of a text result: the legacy front end cuts it at 32767 bytes, the UDR front end
  -- refuses a text longer than its field (32765 bytes) with a string truncation error.
  if (exists(select 1 from rdb$functions where rdb$function_name = 'BLOBASPCHAR' and rdb$engine_name = 'UDR')) then
  begin
    begin
      i = char_length(blobaspchar(b));
      when gdscode arith_except do cut = cut + 1;
    end
    begin
      i = char_length(blobright(b, 50000));
      when gdscode arith_except do cut = cut + 1;
    end
    window_ok = cut = 2 and blobleft(b, 32765) = substring(b from 1 for 32765)
                and blobright(b, 32765) = substring(b from 100006 - 32765 + 1 for 32765);
  end
  else
    window_ok = char_length(blobaspchar(b)) = 32767 and blobaspchar(b) = substring(b from 1 for 32767)
                and char_length(blobright(b, 50000)) = 32767 and blobright(b, 50000) = substring(b from 50007 for 32767);
  i = 0;
  big_reads = iif(n = 100006 and blobsize(b) = n and window_ok, 'ok', 'FAIL');
  big_cuts = iif(blobright(b, 6) = 'needle' and blobmid(b, 70000, 10) = substring(b from 70001 for 10)
                 and r_blobmid(b, 99901, 5) = substring(b from 99901 for 5) and blobleft(b, 4) = 'line',
                 'ok', 'FAIL');
  big_search = iif(b_strpos('needle', b) = 100001 and blobsubstr(b, 'needle') = 100000
                   and b_textpos('NEEDLE', b) = 100001 and b_strpos('line 999 ', b) = 99901, 'ok', 'FAIL');
  big_lines = iif(bloblinecount(b) = 1001 and blobline(b, 1000) = rpad('line 999 ', 98, 'abcdefghij')
                  and blobline(b, 1001) = 'needle' and blobwordcount(b) = 3001, 'ok', 'FAIL');
  -- 1 MB: 33 pieces of 32000 bytes.
  c = '';
  i = 0;
  while (i < 33) do begin
    c = c || rpad('', 32000, 'abcdefghij');
    i = i + 1;
  end
  r = blobcat(c, b);
  big_blobcat = iif(blobsize(r) = 1056000 + 2 + 100006 and octet_length(r) = blobsize(r)
                    and r = c || ascii_char(13) || ascii_char(10) || b and hash(r) = hash(c || ascii_char(13) || ascii_char(10) || b)
                    and blobcompare(r, c || ascii_char(13) || ascii_char(10) || b) = 1
                    and blobright(r, 6) = 'needle' and b_strpos('needle', r) = 1056000 + 2 + 100001, 'ok', 'FAIL');
  r = blobcatstr(blobcat(null, c), 'end');
  big_blobcatstr = iif(r = ascii_char(13) || ascii_char(10) || c || ascii_char(13) || ascii_char(10) || 'end'
                       and blobright(r, 3) = 'end', 'ok', 'FAIL');
  -- Replacement in 1 MB: every 'a' becomes 'AA', 1 MB + 105600 bytes, written in segments of at most 65535.
  r = blobreplacestring(c, 'a', 'AA', 1, 0);
  big_replace = iif(blobsize(r) = 1056000 + 105600 and r = replace(c, 'a', 'AA')
                    and blobreplacestring(c, 'zzz', 'y', 1, 0) = c, 'ok', 'FAIL');
  big_segments = iif(blobmaxsegmentlength(r) <= 65535 and blobsegmentcount(r) >= 18
                     and blobmaxsegmentlength(blobcat(c, c)) <= 65535, 'ok', 'FAIL');
  suspend;
end^
set term ;^
