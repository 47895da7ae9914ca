-- Character constants, substrings, trimming, padding and repetition through SQL.
select iif(crlf() = x'0D0A', 'ok', 'FAIL') as crlf_bytes,
       iif(lf() = x'0A' and tab() = x'09' and dqm() = '"' and sqm() = '''', 'ok', 'FAIL') as constants,
       iif(nbsp() = x'A0', 'ok', 'FAIL') as nbsp_byte,
       iif(br_character('xyz') = 'x' and br_character('') = '', 'ok', 'FAIL') as character_first,
       iif(br_character(null) is null, 'ok', 'FAIL') as character_null
from rdb$database;

select iif(br_left('abc', 5) = 'abc' and br_left('abc', -1) = '', 'ok', 'FAIL') as left_clamps,
       iif(br_right('abc', 2) = 'bc', 'ok', 'FAIL') as right_last,
       iif(br_left(null, 1) is null and br_left('a', null) is null, 'ok', 'FAIL') as left_null,
       iif(mid('abcdef', 0, 2) = 'ab' and mid('abcdef', -1, 2) = '' and mid('abcdef', 4, 10) = 'ef', 'ok', 'FAIL') as mid_rules,
       iif(mid1('abcdef', 1, 2) = 'ab' and mid1('abcdef', 0, 2) = '', 'ok', 'FAIL') as mid1_rules,
       iif(mid('abc', 0, null) is null, 'ok', 'FAIL') as mid_null,
       iif(strcopy('abcdef', 2, 3) = 'cde' and strcopy('abcdef', 4, 5) = 'ef', 'ok', 'FAIL') as strcopy_rules,
       iif(strrm('abc', 1) = 'ac' and strrm('abc', 7) = 'abc', 'ok', 'FAIL') as strrm_rules,
       iif(strrm('', 0) is null, 'ok', 'FAIL') as strrm_empty_is_null
from rdb$database;

select iif(strstuff('abcdef', 2, 3, 'XY') = 'aXYef', 'ok', 'FAIL') as strstuff_replace,
       iif(strstuff('abc', 9, 0, 'X') = 'abcX' and strstuff('abc', 0, 1, 'X') = 'Xbc', 'ok', 'FAIL') as strstuff_ends,
       iif(strstuff('abc', 1, 1, null) is null, 'ok', 'FAIL') as strstuff_null,
       iif(linewrap('the quick brown fox', 0, 10) = 'the quick ', 'ok', 'FAIL') as linewrap_break,
       iif(linewrap('abcdefghijkl', 0, 5) = 'abcde' and linewrap('abc', 0, 10) = 'abc', 'ok', 'FAIL') as linewrap_cut
from rdb$database;

select iif(ltrim(x'A061') = x'A061', 'ok', 'FAIL') as ltrim_keeps_nbsp,
       iif(ltrim('  a ') = 'a ', 'ok', 'FAIL') as ltrim_leading,
       iif(rtrim('a ' || x'090D0A') = 'a', 'ok', 'FAIL') as rtrim_white,
       iif(lrtrim('  a b  ') = 'a b' and lrtrim('   ') = '', 'ok', 'FAIL') as lrtrim_both,
       iif(rtrim(null) is null, 'ok', 'FAIL') as rtrim_null
from rdb$database;

select iif(padleft('ab', 'xyz', 7) = 'yzxyzab' and r_padleft('ab', 7, 'xyz') = 'yzxyzab', 'ok', 'FAIL') as padleft_pattern,
       iif(padright('ab', 'xyz', 7) = 'abxyzxy' and r_padright('ab', 7, 'xyz') = 'abxyzxy', 'ok', 'FAIL') as padright_pattern,
       iif(padcenter('ab', 'xy', 7) = 'xyxabxy' and padcenter('a', '-', 4) = '--a-', 'ok', 'FAIL') as padcenter_split,
       iif(padleft('abc', '*', 2) = 'abc', 'ok', 'FAIL') as pad_never_cuts,
       iif(padleft('ab', '', 5) = 'ab', 'ok', 'FAIL') as pad_empty_pattern,
       iif(padright('a', 'x', null) is null, 'ok', 'FAIL') as pad_null
from rdb$database;

select iif(strofchar('xyz', 3) = 'xxx' and br_space(0) = '' and br_space(2) = '  ', 'ok', 'FAIL') as strofchar_space,
       iif(strrepeat('ab', 3) = 'ababab', 'ok', 'FAIL') as strrepeat_three,
       iif(char_length(strrepeat('ab', 100000)) = 32767, 'ok', 'FAIL') as strrepeat_capacity,
       iif(char_length(br_space(2147483647)) = 32767, 'ok', 'FAIL') as space_capacity,
       iif(stringlength('abc') = 3 and stringlength('') = 0, 'ok', 'FAIL') as stringlength_int,
       iif(stringlength(null) is null, 'ok', 'FAIL') as stringlength_null,
       iif(br_reverse('ab' || x'E9') = x'E96261', 'ok', 'FAIL') as reverse_bytes,
       iif(repeattrim('a,,b,,,c', ',') = 'a,b,c' and repeattrim('aaa', 'a') = 'a', 'ok', 'FAIL') as repeattrim_runs,
       iif(repeattrim('abc', null) = 'abc', 'ok', 'FAIL') as repeattrim_null_char,
       iif(repeattrim(null, 'a') is null, 'ok', 'FAIL') as repeattrim_null_text
from rdb$database;

-- 8-bit bytes pass unchanged in both directions.
select iif(br_left(x'A0E9FF', 2) = x'A0E9', 'ok', 'FAIL') as bytes_8bit,
       iif(padleft(x'E9', x'A0', 3) = x'A0A0E9', 'ok', 'FAIL') as pad_8bit
from rdb$database;
