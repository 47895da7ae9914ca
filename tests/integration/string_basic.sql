select iif(crlf() = x'0D0A' and lf() = x'0A' and tab() = x'09' and nbsp() = x'A0' and dqm() = '"'
           and sqm() = '''', 'ok', 'FAIL') as constants,
       iif(br_character('xyz') = 'x' and br_character('') = '' and br_character(null) is null, 'ok', 'FAIL') as character_first,
       iif(br_left('abc', 5) = 'abc' and br_left('abc', -1) = '' and br_right('abc', 2) = 'bc', 'ok', 'FAIL') as left_right_clamp,
       iif(br_left(null, 1) is null and br_left('a', null) is null, 'ok', 'FAIL') as left_null,
       iif(mid('abcdef', 0, 2) = 'ab' and mid('abcdef', -1, 2) = '' and mid('abcdef', 4, 10) = 'ef'
           and mid('abc', 0, null) is null, 'ok', 'FAIL') as mid_rules,
       iif(mid1('abcdef', 1, 2) = 'ab' and mid1('abcdef', 0, 2) = '', 'ok', 'FAIL') as mid1_rules,
       iif(strcopy('abcdef', 2, 3) = 'cde' and strcopy('abcdef', 4, 5) = 'ef', 'ok', 'FAIL') as strcopy_rules,
       iif(strrm('abc', 1) = 'ac' and strrm('abc', 7) = 'abc' and strrm('', 0) is null, 'ok', 'FAIL') as strrm_rules
from rdb$database;

select iif(strstuff('abcdef', 2, 3, 'XY') = 'aXYef' and strstuff('abc', 9, 0, 'X') = 'abcX'
           and strstuff('abc', 0, 1, 'X') = 'Xbc' and strstuff('abc', 1, 1, null) is null, 'ok', 'FAIL') as strstuff_rules,
       iif(linewrap('the quick brown fox', 0, 10) = 'the quick ' and linewrap('abcdefghijkl', 0, 5) = 'abcde'
           and linewrap('abc', 0, 10) = 'abc', 'ok', 'FAIL') as linewrap_rules,
       iif(br_ltrim(x'A061') = x'A061' and br_ltrim('  a ') = 'a ' and br_rtrim('a ' || x'090D0A') = 'a'
           and lrtrim('  a b  ') = 'a b' and lrtrim('   ') = '' and br_rtrim(null) is null, 'ok', 'FAIL') as trims
from rdb$database;

select iif(padleft('ab', 'xyz', 7) = 'yzxyzab' and r_padleft('ab', 7, 'xyz') = 'yzxyzab' and padleft('abc', '*', 2) = 'abc'
           and padleft('ab', '', 5) = 'ab', 'ok', 'FAIL') as padleft_rules,
       iif(padright('ab', 'xyz', 7) = 'abxyzxy' and r_padright('ab', 7, 'xyz') = 'abxyzxy'
           and padright('a', 'x', null) is null, 'ok', 'FAIL') as padright_rules,
       iif(padcenter('ab', 'xy', 7) = 'xyxabxy' and padcenter('a', '-', 4) = '--a-', 'ok', 'FAIL') as padcenter_split,
       iif(strofchar('xyz', 3) = 'xxx' and br_space(0) = '' and br_space(2) = '  '
           and strrepeat('ab', 3) = 'ababab', 'ok', 'FAIL') as repeat_values,
       iif(stringlength('abc') = 3 and stringlength('') = 0 and stringlength(null) is null, 'ok', 'FAIL') as stringlength_int,
       iif(repeattrim('a,,b,,,c', ',') = 'a,b,c' and repeattrim('aaa', 'a') = 'a' and repeattrim('abc', null) = 'abc'
           and repeattrim(null, 'a') is null, 'ok', 'FAIL') as repeattrim_rules,
       iif(br_reverse('ab' || x'E9') = x'E96261' and br_left(x'A0E9FF', 2) = x'A0E9'
           and padleft(x'E9', x'A0', 3) = x'A0A0E9', 'ok', 'FAIL') as bytes_8bit
from rdb$database;

-- A result longer than its field: the legacy front end cuts it at 32767 bytes, the UDR
-- front end ends the statement with a string truncation error.
set term ^ ;
execute block returns (repeat_capacity varchar(4)) as
  declare n int;
  declare errors int = 0;
begin
  if (exists(select 1 from rdb$functions where rdb$function_name = 'STRREPEAT' and rdb$engine_name = 'UDR')) then
  begin
    begin
      n = char_length(strrepeat('ab', 100000));
      when gdscode arith_except do errors = errors + 1;
    end
    begin
      n = char_length(br_space(2147483647));
      when gdscode arith_except do errors = errors + 1;
    end
    begin
      n = char_length(br_space(32766));
      when gdscode arith_except do errors = errors + 1;
    end
    begin
      n = char_length(strrepeat('ab', 16383));
      when gdscode arith_except do errors = errors + 1;
    end
    repeat_capacity = iif(errors = 4 and char_length(br_space(32765)) = 32765 and char_length(strrepeat('ab', 16382)) = 32764, 'ok', 'FAIL');
  end
  else
    repeat_capacity = iif(char_length(strrepeat('ab', 100000)) = 32767 and char_length(br_space(2147483647)) = 32767, 'ok', 'FAIL');
  suspend;
end^

-- Arguments as wide as the declaration takes (legacy: 32765 bytes, the widest VARCHAR; UDR:
-- its declared W), and results declared narrower than 32767 bytes at their longest: a too
-- narrow declaration ends the statement with a truncation error.
execute block returns (fixed_widths_hold varchar(4), strstuff_longest varchar(4)) as
  declare w int;
  declare n int;
begin
  select minvalue(coalesce(f.rdb$field_length, a.rdb$field_length), 32765) from rdb$function_arguments a
    left join rdb$fields f on f.rdb$field_name = a.rdb$field_source
   where a.rdb$function_name = 'STRSTUFF' and a.rdb$argument_position = 1 into w;
  n = minvalue(w, 16000);
  fixed_widths_hold = iif(br_character(cast(lpad('', w, 'xy') as varchar(32765) character set none)) = 'x'
                          and octet_length(crlf() || lf() || tab() || nbsp() || dqm() || sqm()) = 7, 'ok', 'FAIL');
  strstuff_longest = iif(octet_length(strstuff(cast(lpad('', n, 'ab') as varchar(16000) character set none), 3, -2,
                                               cast(lpad('', n, 'XY') as varchar(16000) character set none))) = 2 * n + 1,
                         'ok', 'FAIL');
  suspend;
end^
set term ; ^
