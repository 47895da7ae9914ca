-- Checks of the UDR front end itself: the declared width W of the text parameters, results
-- held to their fields, NULL and fallbacks, every kind of argument and result, 8-bit bytes.
-- W is read from the declaration, so the checks hold for any width the scripts were made with.

-- Narrow declarations of the same entry points: a result one byte over its field is refused.
create function udr_space10 (a1 integer) returns varchar(10) character set none
  external name 'brindle_udr!space' engine udr;
create function udr_repeat10 (a1 varchar(100) character set none, a2 integer) returns varchar(10) character set none
  external name 'brindle_udr!strrepeat' engine udr;
-- Declarations that disagree with the entry point's kinds.
create function udr_bad_arg (a1 integer) returns varchar(10) character set none
  external name 'brindle_udr!ltrim' engine udr;
create function udr_bad_result (a1 varchar(10) character set none) returns integer
  external name 'brindle_udr!ltrim' engine udr;
create function udr_bad_count (a1 varchar(10) character set none, a2 integer) returns varchar(10) character set none
  external name 'brindle_udr!ltrim' engine udr;
create function udr_utf8_arg (a1 varchar(10) character set utf8) returns varchar(10) character set none
  external name 'brindle_udr!ltrim' engine udr;
commit;

set term ^ ;
execute block returns (arg_width varchar(4), arg_over varchar(4), arg_blanks varchar(4), result_over varchar(4),
                       result_cap_over varchar(4), declared_width varchar(4)) as
  declare w int;
  declare n int;
  declare errors int = 0;
begin
  select d.rdb$field_length from rdb$function_arguments a join rdb$fields d on d.rdb$field_name = a.rdb$field_source
   where a.rdb$function_name = 'BR_LTRIM' and a.rdb$argument_position = 1 into w;
  declared_width = iif(w between 1 and 32765, 'ok', 'FAIL');
  -- W bytes pass; W + 1 with a non-blank last byte is the engine's truncation error; blanks
  -- beyond W are dropped by the engine before the call.
  arg_width = iif(char_length(br_ltrim(lpad('', w, 'a'))) = w and r_c(lpad('', w, 'b')) = lpad('', w, 'b'), 'ok', 'FAIL');
  begin
    n = char_length(br_ltrim(lpad('', w, 'a') || 'b'));
    when gdscode arith_except do errors = errors + 1;
  end
  arg_over = iif(errors = 1, 'ok', 'FAIL');
  arg_blanks = iif(char_length(br_ltrim(lpad('', w, 'a') || '   ')) = w, 'ok', 'FAIL');
  -- A result that fills its field passes; one byte more is the adapter's error, blanks too.
  errors = 0;
  begin
    n = char_length(udr_space10(11));
    when gdscode arith_except do errors = errors + 1;
  end
  begin
    n = char_length(br_space(32766));
    when gdscode arith_except do errors = errors + 1;
  end
  result_cap_over = iif(errors = 2 and udr_space10(10) = '          ' and char_length(br_space(32765)) = 32765,
                        'ok', 'FAIL');
  errors = 0;
  begin
    n = char_length(udr_repeat10('abc', 4));
    when gdscode arith_except do errors = errors + 1;
  end
  result_over = iif(errors = 1 and udr_repeat10('ab', 5) = 'ababababab', 'ok', 'FAIL');
  suspend;
end^

execute block returns (declaration_refused varchar(4)) as
  declare s varchar(10);
  declare i int;
  declare errors int = 0;
begin
  begin
    execute statement 'select udr_bad_arg(1) from rdb$database' into s;
    when any do errors = errors + 1;
  end
  begin
    execute statement 'select udr_bad_result(''a'') from rdb$database' into i;
    when any do errors = errors + 1;
  end
  begin
    execute statement 'select udr_bad_count(''a'', 1) from rdb$database' into s;
    when any do errors = errors + 1;
  end
  begin
    execute statement 'select udr_utf8_arg(''a'') from rdb$database' into s;
    when any do errors = errors + 1;
  end
  declaration_refused = iif(errors = 4, 'ok', 'FAIL');
  suspend;
end^

execute block returns (infinite_refused varchar(4)) as
  declare d double precision;
  declare errors int = 0;
begin
  begin
    d = f_exp(1000);
    when any do errors = errors + 1;
  end
  infinite_refused = iif(errors = 1 and f_exp(0) = 1, 'ok', 'FAIL');
  suspend;
end^
set term ; ^

-- NULL in gives NULL out for plain kinds; by-value functions answer their fallback.
select iif(br_ltrim(null) is null and r_c(null) is null and stringlength(null) is null and ord(null) is null
           and f_sqrt(null) is null and addday(null, 1) is null and addday(timestamp '2000-01-01 00:00:00', null) is null
           and encodedate(null, 1, 1) is null and encodetime(1, null, 1) is null and blobsize(null) is null, 'ok', 'FAIL') as null_in_null_out,
       iif(decode_language(null) = -1 and r_z(null) = 0 and r_dividezero(1, null, 5) = 0, 'ok', 'FAIL') as fallbacks,
       iif(strblob(null) is not null and blobsize(strblob(null)) = 0 and blobsize(blobcat(null, null)) = 2, 'ok', 'FAIL') as nullable_kinds
from rdb$database;

-- Every kind of argument and result.
select iif(stringlength('abc') = 3, 'ok', 'FAIL') as kind_integer,
       iif(ord('A') = 65 and ord(x'FF') = 255, 'ok', 'FAIL') as kind_smallint,
       iif(f_sqrt(2) = sqrt(2e0), 'ok', 'FAIL') as kind_double,
       iif(addday(timestamp '2000-02-28 12:34:56', 2) = timestamp '2000-03-01 12:34:56', 'ok', 'FAIL') as kind_timestamp,
       iif(encodedate(2024, 2, 29) = date '2024-02-29', 'ok', 'FAIL') as kind_date,
       iif(encodetime(23, 59, 58) = time '23:59:58', 'ok', 'FAIL') as kind_time,
       iif(blobsize(cast('abcdef' as blob)) = 6 and blobsize(cast('' as blob)) = 0, 'ok', 'FAIL') as kind_blob_in,
       iif(strblob('abc') = 'abc' and blobcat(strblob('a'), cast('b' as blob)) = 'a' || ascii_char(13) || ascii_char(10) || 'b',
           'ok', 'FAIL') as kind_blob_out
from rdb$database;

-- 8-bit text passes byte for byte, in both directions.
select iif(r_c(x'0102030405060708090A0B0C0D0E0F101112131415161718191A1B1C1D1E1F202122232425262728292A2B2C2D2E2F303132333435363738393A3B3C3D3E3F404142434445464748494A4B4C4D4E4F505152535455565758595A5B5C5D5E5F606162636465666768696A6B6C6D6E6F707172737475767778797A7B7C7D7E7F808182838485868788898A8B8C8D8E8F909192939495969798999A9B9C9D9E9FA0A1A2A3A4A5A6A7A8A9AAABACADAEAFB0B1B2B3B4B5B6B7B8B9BABBBCBDBEBFC0C1C2C3C4C5C6C7C8C9CACBCCCDCECFD0D1D2D3D4D5D6D7D8D9DADBDCDDDEDFE0E1E2E3E4E5E6E7E8E9EAEBECEDEEEFF0F1F2F3F4F5F6F7F8F9FAFBFCFDFEFF') = x'0102030405060708090A0B0C0D0E0F101112131415161718191A1B1C1D1E1F202122232425262728292A2B2C2D2E2F303132333435363738393A3B3C3D3E3F404142434445464748494A4B4C4D4E4F505152535455565758595A5B5C5D5E5F606162636465666768696A6B6C6D6E6F707172737475767778797A7B7C7D7E7F808182838485868788898A8B8C8D8E8F909192939495969798999A9B9C9D9E9FA0A1A2A3A4A5A6A7A8A9AAABACADAEAFB0B1B2B3B4B5B6B7B8B9BABBBCBDBEBFC0C1C2C3C4C5C6C7C8C9CACBCCCDCECFD0D1D2D3D4D5D6D7D8D9DADBDCDDDEDFE0E1E2E3E4E5E6E7E8E9EAEBECEDEEEFF0F1F2F3F4F5F6F7F8F9FAFBFCFDFEFF' and br_ltrim(x'0102030405060708090A0B0C0D0E0F101112131415161718191A1B1C1D1E1F202122232425262728292A2B2C2D2E2F303132333435363738393A3B3C3D3E3F404142434445464748494A4B4C4D4E4F505152535455565758595A5B5C5D5E5F606162636465666768696A6B6C6D6E6F707172737475767778797A7B7C7D7E7F808182838485868788898A8B8C8D8E8F909192939495969798999A9B9C9D9E9FA0A1A2A3A4A5A6A7A8A9AAABACADAEAFB0B1B2B3B4B5B6B7B8B9BABBBCBDBEBFC0C1C2C3C4C5C6C7C8C9CACBCCCDCECFD0D1D2D3D4D5D6D7D8D9DADBDCDDDEDFE0E1E2E3E4E5E6E7E8E9EAEBECEDEEEFF0F1F2F3F4F5F6F7F8F9FAFBFCFDFEFF') = x'0102030405060708090A0B0C0D0E0F101112131415161718191A1B1C1D1E1F202122232425262728292A2B2C2D2E2F303132333435363738393A3B3C3D3E3F404142434445464748494A4B4C4D4E4F505152535455565758595A5B5C5D5E5F606162636465666768696A6B6C6D6E6F707172737475767778797A7B7C7D7E7F808182838485868788898A8B8C8D8E8F909192939495969798999A9B9C9D9E9FA0A1A2A3A4A5A6A7A8A9AAABACADAEAFB0B1B2B3B4B5B6B7B8B9BABBBCBDBEBFC0C1C2C3C4C5C6C7C8C9CACBCCCDCECFD0D1D2D3D4D5D6D7D8D9DADBDCDDDEDFE0E1E2E3E4E5E6E7E8E9EAEBECEDEEEFF0F1F2F3F4F5F6F7F8F9FAFBFCFDFEFF'
           and octet_length(br_reverse(x'0102030405060708090A0B0C0D0E0F101112131415161718191A1B1C1D1E1F202122232425262728292A2B2C2D2E2F303132333435363738393A3B3C3D3E3F404142434445464748494A4B4C4D4E4F505152535455565758595A5B5C5D5E5F606162636465666768696A6B6C6D6E6F707172737475767778797A7B7C7D7E7F808182838485868788898A8B8C8D8E8F909192939495969798999A9B9C9D9E9FA0A1A2A3A4A5A6A7A8A9AAABACADAEAFB0B1B2B3B4B5B6B7B8B9BABBBCBDBEBFC0C1C2C3C4C5C6C7C8C9CACBCCCDCECFD0D1D2D3D4D5D6D7D8D9DADBDCDDDEDFE0E1E2E3E4E5E6E7E8E9EAEBECEDEEEFF0F1F2F3F4F5F6F7F8F9FAFBFCFDFEFF')) = 255 and br_reverse(br_reverse(x'0102030405060708090A0B0C0D0E0F101112131415161718191A1B1C1D1E1F202122232425262728292A2B2C2D2E2F303132333435363738393A3B3C3D3E3F404142434445464748494A4B4C4D4E4F505152535455565758595A5B5C5D5E5F606162636465666768696A6B6C6D6E6F707172737475767778797A7B7C7D7E7F808182838485868788898A8B8C8D8E8F909192939495969798999A9B9C9D9E9FA0A1A2A3A4A5A6A7A8A9AAABACADAEAFB0B1B2B3B4B5B6B7B8B9BABBBCBDBEBFC0C1C2C3C4C5C6C7C8C9CACBCCCDCECFD0D1D2D3D4D5D6D7D8D9DADBDCDDDEDFE0E1E2E3E4E5E6E7E8E9EAEBECEDEEEFF0F1F2F3F4F5F6F7F8F9FAFBFCFDFEFF')) = x'0102030405060708090A0B0C0D0E0F101112131415161718191A1B1C1D1E1F202122232425262728292A2B2C2D2E2F303132333435363738393A3B3C3D3E3F404142434445464748494A4B4C4D4E4F505152535455565758595A5B5C5D5E5F606162636465666768696A6B6C6D6E6F707172737475767778797A7B7C7D7E7F808182838485868788898A8B8C8D8E8F909192939495969798999A9B9C9D9E9FA0A1A2A3A4A5A6A7A8A9AAABACADAEAFB0B1B2B3B4B5B6B7B8B9BABBBCBDBEBFC0C1C2C3C4C5C6C7C8C9CACBCCCDCECFD0D1D2D3D4D5D6D7D8D9DADBDCDDDEDFE0E1E2E3E4E5E6E7E8E9EAEBECEDEEEFF0F1F2F3F4F5F6F7F8F9FAFBFCFDFEFF'
           and blobaspchar(strblob(x'0102030405060708090A0B0C0D0E0F101112131415161718191A1B1C1D1E1F202122232425262728292A2B2C2D2E2F303132333435363738393A3B3C3D3E3F404142434445464748494A4B4C4D4E4F505152535455565758595A5B5C5D5E5F606162636465666768696A6B6C6D6E6F707172737475767778797A7B7C7D7E7F808182838485868788898A8B8C8D8E8F909192939495969798999A9B9C9D9E9FA0A1A2A3A4A5A6A7A8A9AAABACADAEAFB0B1B2B3B4B5B6B7B8B9BABBBCBDBEBFC0C1C2C3C4C5C6C7C8C9CACBCCCDCECFD0D1D2D3D4D5D6D7D8D9DADBDCDDDEDFE0E1E2E3E4E5E6E7E8E9EAEBECEDEEEFF0F1F2F3F4F5F6F7F8F9FAFBFCFDFEFF')) = x'0102030405060708090A0B0C0D0E0F101112131415161718191A1B1C1D1E1F202122232425262728292A2B2C2D2E2F303132333435363738393A3B3C3D3E3F404142434445464748494A4B4C4D4E4F505152535455565758595A5B5C5D5E5F606162636465666768696A6B6C6D6E6F707172737475767778797A7B7C7D7E7F808182838485868788898A8B8C8D8E8F909192939495969798999A9B9C9D9E9FA0A1A2A3A4A5A6A7A8A9AAABACADAEAFB0B1B2B3B4B5B6B7B8B9BABBBCBDBEBFC0C1C2C3C4C5C6C7C8C9CACBCCCDCECFD0D1D2D3D4D5D6D7D8D9DADBDCDDDEDFE0E1E2E3E4E5E6E7E8E9EAEBECEDEEEFF0F1F2F3F4F5F6F7F8F9FAFBFCFDFEFF', 'ok', 'FAIL') as bytes_exact
from rdb$database;
