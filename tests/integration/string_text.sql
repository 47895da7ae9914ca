select iif(strpos('b', 'abc') = 2 and strpos('', 'abc') = 1 and strpos(x'E9', 'caf' || x'E9') = 4, 'ok', 'FAIL') as strpos_rules,
       iif(strpos(null, 'abc') is null and strpos('a', null) is null, 'ok', 'FAIL') as strpos_null_in,
       iif(substr('abc', 'b') = 1 and substr('abc', 'x') = -1 and substrnull('abc', 'x') is null, 'ok', 'FAIL') as substr_rules,
       iif(strsub('b', 'abc') = 1 and strsubnull('b', 'abc') = 1 and strsubnull('x', 'abc') is null, 'ok', 'FAIL') as strsub_rules,
       iif(stringcount('aaaa', 'aa') = 2 and stringcount('', 'a') is null
           and r_stringcount('aa', 'aaaa') = 2, 'ok', 'FAIL') as stringcount_rules
from rdb$database;

select iif(findword('  ab cd', 0) = 'ab' and findword('ab cd', 1) = 'b' and findword('ab', 2) is null, 'ok', 'FAIL') as findword_rules,
       iif(findnthword('ab  cd ef', 1) = 'cd' and findnthword('ab cd', 2) is null, 'ok', 'FAIL') as findnthword_rules,
       iif(findwordindex('  --ab', 0) = 4 and findwordindex('...', 0) = -1 and findwordindex('--a', -5) = 2
           and findwordindexnull('...', 0) is null, 'ok', 'FAIL') as findwordindex_rules,
       iif(wordcount('a' || ascii_char(9) || 'b' || ascii_char(10) || 'c') = 3, 'ok', 'FAIL') as wordcount_white,
       iif(r_wordcount('a,,b', ',', 1) = 3 and r_wordcount('a,,b', ',', 0) = 2, 'ok', 'FAIL') as r_wordcount_modes,
       iif(wordnum('a,,b', 2, ',', 0) = 'b' and wordnum('a,,b', 2, ',', 1) = '' and wordnum('a,,b', 3, ',', 1) = 'b'
           and wordnum('', 1, ',', 0) = '', 'ok', 'FAIL') as wordnum_rules,
       iif(wordnum('a', null, ',', 0) is null and wordnum('a', 1, null, 0) is null, 'ok', 'FAIL') as wordnum_null_in,
       iif(stringlistitem('"name=Max""city=Ulm"', 'city') = 'city=Ulm'
           and stringlistitem('"name=Max"', 'ulm') is null, 'ok', 'FAIL') as stringlistitem_rules
from rdb$database;

select iif(br_replace('aXbXc', 'X', '--') = 'a--b--c' and br_replace('abc', '', 'z') = 'abc', 'ok', 'FAIL') as replace_rules,
       iif(replacestring('aXbXc', 'x', '-', 0, 1) = 'a-bXc' and replacestring('abc', '', 'z', 1, 0) = ''
           and replacestring(x'C4' || 'b', x'E4', 'a', 1, 1) = 'ab', 'ok', 'FAIL') as replacestring_rules,
       iif(replacestring('abc', 'b', 'x', null, 0) is null, 'ok', 'FAIL') as replacestring_null_in,
       iif(intern_replacestring('abc', 'B', 'x', 1, 1, 1) = 'axc'
           and intern_replacestring('abc', 'b', 'x', 1, 1, null) is null, 'ok', 'FAIL') as intern_replacestring,
       iif(digits('tel. 0711/123') = '0711123' and stripstring('a-b-c', '-') = 'abc'
           and stripstringhold('a-b-c', '-') = '--', 'ok', 'FAIL') as filters
from rdb$database;

select iif(equalstring('a', 'a') = 1 and equalstring('a', 'b') = 0, 'ok', 'FAIL') as equalstring_both,
       iif(r_strcmp('a', 'b') = -1 and r_strcmp('b', 'a') = 1 and r_strcmp('a', 'a') = 0
           and r_strcmp(x'E9', 'z') = 1, 'ok', 'FAIL') as r_strcmp_order,
       iif(aif('10', 'n>', '9', 'yes', 'no') = 'yes' and aif('10', '>', '9', 'yes', 'no') = 'no'
           and aif('1', 'n=', '1.00000001', 'eq', 'ne') = 'eq' and aif('a', '!=', 'b', 'x', 'y') = 'y', 'ok', 'FAIL') as aif_rules,
       iif(aif('a', '=', 'a', null, 'y') is null, 'ok', 'FAIL') as aif_null_in
from rdb$database;

select iif(br_upper(x'E9') = x'C9' and br_upper('stra' || x'DF' || 'e') = 'STRA' || x'DF' || 'E'
           and br_upper(null) is null, 'ok', 'FAIL') as upper_latin1,
       iif(br_lower(x'C0D0') = x'E0D0', 'ok', 'FAIL') as lower_latin1,
       iif(rupper(x'B8E6') = x'A8C6' and rlower(x'A8C6') = x'B8E6' and rlatin(x'C6F3EA') = 'Juk', 'ok', 'FAIL') as cp1251,
       iif(propercase('hello WORLD') = 'Hello World' and propercase(x'E9' || 'lan') = x'C9' || 'lan', 'ok', 'FAIL') as propercase_words,
       iif(collatebr('a' || x'E7E3' || 'o') = 'aCAo', 'ok', 'FAIL') as collatebr_accents,
       iif(keyup('M' || x'FC' || 'ller-L' || x'FC' || 'denscheidt', 10) = 'MULLERLUDE' and keyup('Stra' || x'DF' || 'e', 20) = 'STRASSE'
           and keyup('abc', null) is null, 'ok', 'FAIL') as keyup_rules,
       iif(convertsymbols('abc', 'ab', 'x') is null and convertsymbols('abc', 'ab', 'xyz') = 'xyc', 'ok', 'FAIL') as convertsymbols_rules,
       iif(rot13('Hello, World') = 'Uryyb, Jbeyq', 'ok', 'FAIL') as rot13_letters,
       iif(soundex('Robert') = 'R1630' and soundex('Tymczak') = 'T5200' and soundex('') = ' 0000'
           and char_length(soundex('')) = 5, 'ok', 'FAIL') as soundex_rules,
       iif(gsoundex('Meier') = 'MAYR' and gsoundex('Mayer') = 'MAYR' and gsoundex('Schmitt') = 'CMYD'
           and gsoundex('M' || x'FC' || 'ller') = 'MYLR' and gsoundex('') = '', 'ok', 'FAIL') as gsoundex_rules
from rdb$database;

select iif(floattostr(3.14159, 'x=%.2f') = 'x=3.14' and floattostr(7.0, 'no format') = 'no format'
           and floattostr(2.6, '%05d') = '00003' and floattostr(1234.5, '%.3e') = '1.234e+03', 'ok', 'FAIL') as floattostr_rules,
       iif(floattostr(1234.5, '%.3e|%g') is null and floattostr(1.0, '%s') is null
           and floattostr(1.0, '%n') is null, 'ok', 'FAIL') as floattostr_refused,
       iif(floattostr(null, '%d') is null and floattostr(1.0, null) is null, 'ok', 'FAIL') as floattostr_null_in,
       iif(inttostr(42, '%04d') = '0042' and inttostr(255, '%X') = 'FF', 'ok', 'FAIL') as inttostr_rules,
       iif(inttostr(1, '%*d') is null and inttostr(1, '%ld') is null and inttostr(1, '%p') is null, 'ok', 'FAIL') as inttostr_refused,
       iif(dollarval(1234.5) = '$1234.50' and euroval(2) = '2.00 EUR', 'ok', 'FAIL') as money_text,
       iif(encryptmd5('') = 'd41d8cd98f00b204e9800998ecf8427e'
           and encryptmd5('message digest') = 'f96b697d7cb7938d525a2f31aaf161d0', 'ok', 'FAIL') as encryptmd5_rfc,
       iif(domainfromemail('a@b ') = 'b' and char_length(domainfromemail('a@b ')) = 1
           and domainfromemail('nobody') = '', 'ok', 'FAIL') as domainfromemail_rules,
       iif(excelstring('say "hi"' || ascii_char(13) || ascii_char(10)) = '"say ""hi""' || ascii_char(10) || '"',
           'ok', 'FAIL') as excelstring_quotes,
       iif(telefonnr('+49 (711) 123-456', 3) = '+49711123***' and telefonnr('12', 4) = '****' and telefonnr('123', -1) = '123',
           'ok', 'FAIL') as telefonnr_rules,
       iif(predecessor('a', 1) = 'b' and successor('b', 1) = 'a' and predecessor(x'FF', 1) = '', 'ok', 'FAIL') as predecessor_successor,
       iif(ord('A') = 65 and ord(x'E9') = 233 and ord(null) is null, 'ok', 'FAIL') as ord_smallint,
       iif(r_c('abc') = 'abc' and r_c(x'E9') = x'E9' and r_c(null) is null, 'ok', 'FAIL') as r_c_argument
from rdb$database;

-- A result longer than its field: the legacy front end cuts it at 32767 bytes, the UDR
-- front end ends the statement with a string truncation error. An argument takes as many bytes
-- as its declaration (legacy: 32765, the widest VARCHAR; UDR: its declared W).
set term ^ ;
execute block returns (cut_at_block varchar(4)) as
  declare w int;
  declare k int;
  declare n int;
  declare errors int = 0;
begin
  select minvalue(coalesce(f.rdb$field_length, a.rdb$field_length), 32765) from rdb$function_arguments a
    left join rdb$fields f on f.rdb$field_name = a.rdb$field_source
   where a.rdb$function_name = 'BR_REPLACE' and a.rdb$argument_position = 1 into w;
  if (exists(select 1 from rdb$functions where rdb$function_name = 'BR_REPLACE' and rdb$engine_name = 'UDR')) then
  begin
    -- w bytes, each replaced by k bytes: just over the widest result; k - 1 fits.
    k = 32765 / w + 1;
    begin
      n = char_length(br_replace(lpad('', w, 'a'), 'a', lpad('', k, 'xyz')));
      when gdscode arith_except do errors = errors + 1;
    end
    begin
      n = char_length(telefonnr('1', 2147483647));
      when gdscode arith_except do errors = errors + 1;
    end
    cut_at_block = iif(errors = 2 and char_length(br_replace(lpad('', w, 'a'), 'a', lpad('', k - 1, 'xyz'))) = w * (k - 1)
                       and char_length(telefonnr('1', 32765)) = 32765, 'ok', 'FAIL');
  end
  else
    cut_at_block = iif(char_length(br_replace(cast(lpad('', 20000, 'a') as varchar(20000)), 'a', 'xyz')) = 32767 and char_length(telefonnr('1', 2147483647)) = 32767, 'ok', 'FAIL');
  suspend;
end^

-- Results declared narrower than 32767 bytes, at their longest: a too narrow declaration ends
-- the statement with a truncation error.
execute block returns (money_longest varchar(4), digests_longest varchar(4), shifts_longest varchar(4),
                       doubling_longest varchar(4)) as
  declare w int;
  declare n int;
begin
  select minvalue(coalesce(f.rdb$field_length, a.rdb$field_length), 32765) from rdb$function_arguments a
    left join rdb$fields f on f.rdb$field_name = a.rdb$field_source
   where a.rdb$function_name = 'SOUNDEX' and a.rdb$argument_position = 1 into w;
  n = minvalue(w, 16000);
  money_longest = iif(octet_length(dollarval(-1.7976931348623157e308)) = 314
                      and dollarval(-1.7976931348623157e308) starting with '$-17976931348623157081452742373170435679807056752584'
                      and octet_length(euroval(-1.7976931348623157e308)) = 317, 'ok', 'FAIL');
  digests_longest = iif(soundex(cast(lpad('', w, 'Bcdlmr') as varchar(32765) character set none)) = 'B2345'
                        and octet_length(encryptmd5(cast(lpad('', w, 'x') as varchar(32765) character set none))) = 32, 'ok', 'FAIL');
  shifts_longest = iif(predecessor(cast(lpad('', w, 'a') as varchar(32765) character set none), 1) = 'b'
                       and successor(cast(lpad('', w, 'b') as varchar(32765) character set none), 1) = 'a', 'ok', 'FAIL');
  doubling_longest = iif(octet_length(keyup(cast(lpad('', n, x'DF') as varchar(16000) character set none), 40000)) = 2 * n
                         and octet_length(excelstring(cast(lpad('', n, '"') as varchar(16000) character set none))) = 2 * n + 2,
                         'ok', 'FAIL');
  suspend;
end^
set term ; ^
