-- A few queries answered by Brindle_FB.
select version() as "version()",
       padleft('42', '0', 6) as "padleft('42', '0', 6)",
       padcenter('title', '*-', 15) as "padcenter('title', '*-', 15)",
       lrtrim('   both ends   ') || '|' as "lrtrim(...) || '|'",
       linewrap('the quick brown fox jumps', 0, 10) || '|' as "linewrap(..., 0, 10)",
       repeattrim('a,,b,,,c', ',') as "repeattrim('a,,b,,,c', ',')",
       strstuff('abcdef', 2, 3, 'XY') as "strstuff('abcdef', 2, 3, 'XY')",
       br_left('Firebird', 4) as "br_left('Firebird', 4)"
from rdb$database;
