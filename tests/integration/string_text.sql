-- Search and count
select iif(strpos('b', 'abc') = 2, 'ok', 'FAIL') as strpos_found,
       iif(strpos('', 'abc') = 1, 'ok', 'FAIL') as strpos_empty_needle,
       iif(substr('abc', 'b') = 1, 'ok', 'FAIL') as substr_found,
       iif(substr('abc', 'x') = -1, 'ok', 'FAIL') as substr_absent,
       iif(substrnull('abc', 'x') is null, 'ok', 'FAIL') as substrnull_absent,
       iif(strsub('b', 'abc') = 1, 'ok', 'FAIL') as strsub_found,
       iif(strsubnull('b', 'abc') = 1 and strsubnull('x', 'abc') is null, 'ok', 'FAIL') as strsubnull_both,
       iif(stringcount('aaaa', 'aa') = 2, 'ok', 'FAIL') as stringcount_nonoverlapping,
       iif(stringcount('', 'a') is null, 'ok', 'FAIL') as stringcount_empty_null,
       iif(r_stringcount('aa', 'aaaa') = 2, 'ok', 'FAIL') as r_stringcount_order,
       iif(strpos(null, 'abc') is null and strpos('a', null) is null, 'ok', 'FAIL') as strpos_null_in,
       iif(strpos(x'E9', 'caf' || x'E9') = 4, 'ok', 'FAIL') as strpos_8bit
from rdb$database;

-- Words and fields
select iif(findword('  ab cd', 0) = 'ab', 'ok', 'FAIL') as findword_skip,
       iif(findword('ab cd', 1) = 'b', 'ok', 'FAIL') as findword_inside,
       iif(findword('ab', 2) is null, 'ok', 'FAIL') as findword_past_end,
       iif(findnthword('ab  cd ef', 1) = 'cd', 'ok', 'FAIL') as findnthword_second,
       iif(findnthword('ab cd', 2) is null, 'ok', 'FAIL') as findnthword_none,
       iif(findwordindex('  --ab', 0) = 4, 'ok', 'FAIL') as findwordindex_found,
       iif(findwordindex('...', 0) = -1, 'ok', 'FAIL') as findwordindex_absent,
       iif(findwordindex('--a', -5) = 2, 'ok', 'FAIL') as findwordindex_negative_start,
       iif(findwordindexnull('...', 0) is null, 'ok', 'FAIL') as findwordindexnull_absent,
       iif(wordcount('a' || ascii_char(9) || 'b' || ascii_char(10) || 'c') = 3, 'ok', 'FAIL') as wordcount_white,
       iif(r_wordcount('a,,b', ',', 1) = 3 and r_wordcount('a,,b', ',', 0) = 2, 'ok', 'FAIL') as r_wordcount_modes,
       iif(wordnum('a,,b', 2, ',', 0) = 'b', 'ok', 'FAIL') as wordnum_words,
       iif(wordnum('a,,b', 2, ',', 1) = '' and wordnum('a,,b', 3, ',', 1) = 'b', 'ok', 'FAIL') as wordnum_fields,
       iif(wordnum('', 1, ',', 0) = '', 'ok', 'FAIL') as wordnum_empty,
       iif(wordnum('a', null, ',', 0) is null and wordnum('a', 1, null, 0) is null, 'ok', 'FAIL') as wordnum_null_in,
       iif(stringlistitem('"name=Max""city=Ulm"', 'city') = 'city=Ulm', 'ok', 'FAIL') as stringlistitem_found,
       iif(stringlistitem('"name=Max"', 'ulm') is null, 'ok', 'FAIL') as stringlistitem_absent
from rdb$database;

-- Replacing and filtering
select iif(br_replace('aXbXc', 'X', '--') = 'a--b--c', 'ok', 'FAIL') as replace_all,
       iif(br_replace('abc', '', 'z') = 'abc', 'ok', 'FAIL') as replace_empty_find,
       iif(char_length(br_replace(cast(lpad('', 20000, 'a') as varchar(20000)), 'a', 'xyz')) = 32767, 'ok', 'FAIL') as replace_cut_at_block,
       iif(replacestring('aXbXc', 'x', '-', 0, 1) = 'a-bXc', 'ok', 'FAIL') as replacestring_first_nocase,
       iif(replacestring('abc', '', 'z', 1, 0) = '', 'ok', 'FAIL') as replacestring_empty_find,
       iif(replacestring(x'C4' || 'b', x'E4', 'a', 1, 1) = 'ab', 'ok', 'FAIL') as replacestring_latin1_nocase,
       iif(replacestring('abc', 'b', 'x', null, 0) is null, 'ok', 'FAIL') as replacestring_null_in,
       iif(intern_replacestring('abc', 'B', 'x', 1, 1, 1) = 'axc', 'ok', 'FAIL') as intern_replacestring_block,
       iif(intern_replacestring('abc', 'b', 'x', 1, 1, null) is null, 'ok', 'FAIL') as intern_replacestring_null,
       iif(digits('tel. 0711/123') = '0711123', 'ok', 'FAIL') as digits_kept,
       iif(stripstring('a-b-c', '-') = 'abc', 'ok', 'FAIL') as stripstring_removed,
       iif(stripstringhold('a-b-c', '-') = '--', 'ok', 'FAIL') as stripstringhold_kept
from rdb$database;

-- Comparing and choosing
select iif(equalstring('a', 'a') = 1 and equalstring('a', 'b') = 0, 'ok', 'FAIL') as equalstring_both,
       iif(r_strcmp('a', 'b') = -1 and r_strcmp('b', 'a') = 1 and r_strcmp('a', 'a') = 0, 'ok', 'FAIL') as r_strcmp_order,
       iif(r_strcmp(x'E9', 'z') = 1, 'ok', 'FAIL') as r_strcmp_unsigned,
       iif(aif('10', 'n>', '9', 'yes', 'no') = 'yes', 'ok', 'FAIL') as aif_numeric,
       iif(aif('10', '>', '9', 'yes', 'no') = 'no', 'ok', 'FAIL') as aif_bytes,
       iif(aif('1', 'n=', '1.00000001', 'eq', 'ne') = 'eq', 'ok', 'FAIL') as aif_single_precision,
       iif(aif('a', '!=', 'b', 'x', 'y') = 'y', 'ok', 'FAIL') as aif_unknown_op,
       iif(aif('a', '=', 'a', null, 'y') is null, 'ok', 'FAIL') as aif_null_in
from rdb$database;

-- Case mapping, transliteration, keys
select iif(br_upper(x'E9') = x'C9', 'ok', 'FAIL') as upper_e_acute,
       iif(br_upper('stra' || x'DF' || 'e') = 'STRA' || x'DF' || 'E', 'ok', 'FAIL') as upper_sharp_s,
       iif(br_lower(x'C0D0') = x'E0D0', 'ok', 'FAIL') as lower_latin1,
       iif(rupper(x'B8E6') = x'A8C6', 'ok', 'FAIL') as rupper_cp1251,
       iif(rlower(x'A8C6') = x'B8E6', 'ok', 'FAIL') as rlower_cp1251,
       iif(rlatin(x'C6F3EA') = 'Juk', 'ok', 'FAIL') as rlatin_cp1251,
       iif(propercase('hello WORLD') = 'Hello World', 'ok', 'FAIL') as propercase_words,
       iif(propercase(x'E9' || 'lan') = x'C9' || 'lan', 'ok', 'FAIL') as propercase_8bit,
       iif(collatebr('a' || x'E7E3' || 'o') = 'aCAo', 'ok', 'FAIL') as collatebr_accents,
       iif(keyup('M' || x'FC' || 'ller-L' || x'FC' || 'denscheidt', 10) = 'MULLERLUDE', 'ok', 'FAIL') as keyup_cut,
       iif(keyup('Stra' || x'DF' || 'e', 20) = 'STRASSE', 'ok', 'FAIL') as keyup_sharp_s,
       iif(keyup('abc', null) is null, 'ok', 'FAIL') as keyup_null_in,
       iif(convertsymbols('abc', 'ab', 'x') is null, 'ok', 'FAIL') as convertsymbols_short_to,
       iif(convertsymbols('abc', 'ab', 'xyz') = 'xyc', 'ok', 'FAIL') as convertsymbols_mapped,
       iif(rot13('Hello, World') = 'Uryyb, Jbeyq', 'ok', 'FAIL') as rot13_letters,
       iif(br_upper(null) is null, 'ok', 'FAIL') as upper_null
from rdb$database;

-- Phonetic codes
select iif(soundex('Robert') = 'R1630', 'ok', 'FAIL') as soundex_robert,
       iif(soundex('Tymczak') = 'T5200', 'ok', 'FAIL') as soundex_tymczak,
       iif(soundex('') = ' 0000' and char_length(soundex('')) = 5, 'ok', 'FAIL') as soundex_empty,
       iif(gsoundex('Meier') = 'MAYR' and gsoundex('Mayer') = 'MAYR' and gsoundex('Maier') = 'MAYR', 'ok', 'FAIL') as gsoundex_meier,
       iif(gsoundex('Schmidt') = 'CMYD' and gsoundex('Schmitt') = 'CMYD', 'ok', 'FAIL') as gsoundex_schmidt,
       iif(gsoundex('M' || x'FC' || 'ller') = 'MYLR', 'ok', 'FAIL') as gsoundex_mueller,
       iif(gsoundex('') = '', 'ok', 'FAIL') as gsoundex_empty
from rdb$database;

-- Formatting
select iif(floattostr(3.14159, 'x=%.2f') = 'x=3.14', 'ok', 'FAIL') as floattostr_fixed,
       iif(floattostr(7.0, 'no format') = 'no format', 'ok', 'FAIL') as floattostr_literal,
       iif(floattostr(2.6, '%05d') = '00003', 'ok', 'FAIL') as floattostr_integer_path,
       iif(floattostr(1234.5, '%.3e|%g') is null, 'ok', 'FAIL') as floattostr_two_conversions,
       iif(floattostr(1234.5, '%.3e') = '1.234e+03', 'ok', 'FAIL') as floattostr_exponent,
       iif(floattostr(1.0, '%s') is null, 'ok', 'FAIL') as floattostr_refuses_s,
       iif(floattostr(1.0, '%n') is null, 'ok', 'FAIL') as floattostr_refuses_n,
       iif(floattostr(null, '%d') is null and floattostr(1.0, null) is null, 'ok', 'FAIL') as floattostr_null_in,
       iif(inttostr(42, '%04d') = '0042', 'ok', 'FAIL') as inttostr_zero_pad,
       iif(inttostr(255, '%X') = 'FF', 'ok', 'FAIL') as inttostr_hex,
       iif(inttostr(1, '%*d') is null and inttostr(1, '%ld') is null and inttostr(1, '%p') is null, 'ok', 'FAIL') as inttostr_refused,
       iif(dollarval(1234.5) = '$1234.50', 'ok', 'FAIL') as dollarval_two_places,
       iif(euroval(2) = '2.00 EUR', 'ok', 'FAIL') as euroval_suffix
from rdb$database;

-- MD5, mail domains, quoting, telephone numbers, character codes
select iif(encryptmd5('') = 'd41d8cd98f00b204e9800998ecf8427e', 'ok', 'FAIL') as encryptmd5_empty,
       iif(encryptmd5('message digest') = 'f96b697d7cb7938d525a2f31aaf161d0', 'ok', 'FAIL') as encryptmd5_rfc,
       iif(domainfromemail('a@b ') = 'b' and char_length(domainfromemail('a@b ')) = 1, 'ok', 'FAIL') as domainfromemail_trimmed,
       iif(domainfromemail('nobody') = '', 'ok', 'FAIL') as domainfromemail_none,
       iif(excelstring('say "hi"' || ascii_char(13) || ascii_char(10)) = '"say ""hi""' || ascii_char(10) || '"', 'ok', 'FAIL') as excelstring_quotes,
       iif(telefonnr('+49 (711) 123-456', 3) = '+49711123***', 'ok', 'FAIL') as telefonnr_mask,
       iif(telefonnr('12', 4) = '****', 'ok', 'FAIL') as telefonnr_short,
       iif(char_length(telefonnr('1', 2147483647)) = 32767, 'ok', 'FAIL') as telefonnr_huge_n,
       iif(telefonnr('123', -1) = '123', 'ok', 'FAIL') as telefonnr_negative_n,
       iif(predecessor('a', 1) = 'b' and successor('b', 1) = 'a', 'ok', 'FAIL') as predecessor_successor,
       iif(predecessor(x'FF', 1) = '', 'ok', 'FAIL') as predecessor_wraps_to_empty,
       iif(ord('A') = 65, 'ok', 'FAIL') as ord_ascii,
       iif(ord(x'E9') = 233, 'ok', 'FAIL') as ord_e_acute,
       iif(ord(null) is null, 'ok', 'FAIL') as ord_null,
       iif(r_c('abc') = 'abc' and r_c(x'E9') = x'E9', 'ok', 'FAIL') as r_c_same,
       iif(r_c(null) is null, 'ok', 'FAIL') as r_c_null
from rdb$database;
