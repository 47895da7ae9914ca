#!/usr/bin/env bash
# brindle-register against embedded databases:
#   register_test.sh <case> <isql> <brindle-register> <Brindle_FB.so> <libbrindle_udr.so> <brindle_declare.sql>
# Cases: conflict, declare_drop, switch (legacy declarations with dependents to UDR and back),
# back_to_legacy (no dependents), blob_text (binary blobs of an earlier version altered in
# place, through either front end), dialect1.
set -euo pipefail
case_=$1 isql=$2 register=$3 legacy=$4 udr=$5 declare=$6
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
bash "$here/../../scripts/fbroot.sh" "$work/root" "$(dirname "$legacy")" "$udr"
export FIREBIRD="$work/root" FIREBIRD_LOCK="$work/lock" ISC_USER=SYSDBA
unset ISC_PASSWORD
failed=0
check() {  # check <what> <command...>: the command must succeed
  local what=$1
  shift
  if "$@"; then echo "ok   $what"; else echo "FAIL $what"; failed=1; fi
}
sql() {  # sql <db> <statements>: runs statements in the database, prints the result as a list
  printf 'set bail on;\nset list on;\nconnect %s;\n%s\n' "'$1'" "$2" > "$work/q.sql"
  (cd "$work" && "$isql" -q -i "$work/q.sql")
}
. "$here/../support/testdb.sh"
newdb() {  # newdb <db> [dialect]
  testdb_create "$isql" "$1" NONE "${2:-3}"
}
reg() {  # reg <db> <options...>: runs brindle-register, its output in $work/out, its status in $rc
  local db=$1
  shift
  set +e
  "$register" "$db" "$@" > "$work/out" 2>&1
  rc=$?
  set -e
  cat "$work/out"
}
count() {  # count <db> <where>: how many functions of the database meet the condition
  sql "$1" "select count(*) as n from rdb\$functions where $2;" | awk '$1 == "N" { print $2 }'
}
says() { grep -q -- "$1" "$work/out"; }
width_of() {  # width_of <db> <function> <position>: the declared length of that argument
  sql "$1" "select coalesce(a.rdb\$field_length, f.rdb\$field_length) as w from rdb\$function_arguments a
    left join rdb\$fields f on f.rdb\$field_name = a.rdb\$field_source
    where a.rdb\$function_name = '$2' and a.rdb\$argument_position = $3;" | awk '$1 == "W" { print $2 }'
}
total=$(grep -c '^DECLARE EXTERNAL FUNCTION' "$declare")
ours="rdb\$engine_name = 'UDR' and rdb\$entrypoint starting with 'brindle_udr!'"
legacy_ours="rdb\$engine_name is null and rdb\$module_name = 'Brindle_FB'"

case $case_ in
conflict)
  # A user's own functions under two of our names: another module, and our module with
  # another entry point. Neither is replaced, both are named, nothing is declared.
  db=$work/conflict.fdb
  newdb "$db"
  sql "$db" "declare external function stringlength cstring(255) returns integer by value
               entry_point 'IB_UDF_strlen' module_name 'ib_udf';
             declare external function mid cstring(255) returns cstring(255) free_it
               entry_point 'strrm' module_name 'Brindle_FB'; commit;" > /dev/null
  reg "$db"
  check "refused" test "$rc" -ne 0
  check "names the user's function of another module" says "STRINGLENGTH (module 'ib_udf', entry point 'IB_UDF_strlen')"
  check "names our module's function under another entry's name" says "MID (module 'Brindle_FB', entry point 'strrm')"
  check "nothing declared" test "$(count "$db" "$ours")" -eq 0
  check "the user's functions kept" test "$(count "$db" "rdb\$function_name in ('STRINGLENGTH', 'MID')")" -eq 2
  ;;
declare_drop)
  db=$work/plain.fdb
  newdb "$db"
  reg "$db"
  check "declared" test "$rc" -eq 0
  check "every function declared through UDR" test "$(count "$db" "$ours")" -eq "$total"
  check "reports the count" says "$total declared, 0 switched"
  check "version() answers through UDR" says "VERSION() through the UDR front end: "
  check "EXECUTE granted to PUBLIC for every function" test "$(sql "$db" "select count(*) as n from rdb\$user_privileges
    where rdb\$user = 'PUBLIC' and rdb\$privilege = 'X' and rdb\$object_type = 15;" | awk '$1 == "N" { print $2 }')" -eq "$total"
  check "text declared 1024 wide" test "$(width_of "$db" MID 1)" -eq 1024
  reg "$db"
  check "second run succeeds" test "$rc" -eq 0
  check "second run is a no-op" says "0 declared, 0 switched to the UDR front end, $total already declared, 0 granted"
  check "second run reports no difference" bash -c "! grep -q 'declared differently' '$work/out'"
  # An older, wider declaration of one function is reported, not changed.
  sql "$db" "drop function mid; commit;
    create function mid (a1 varchar(32765) character set none, a2 integer, a3 integer)
      returns varchar(32765) character set none external name 'brindle_udr!mid' engine udr; commit;" > /dev/null
  reg "$db"
  check "a differing declaration is reported" says "MID: declared (VARCHAR(32765), INTEGER, INTEGER) -> VARCHAR(32765), this version (VARCHAR(1024), INTEGER, INTEGER) -> VARCHAR(1024)"
  check "and kept as it is" test "$(width_of "$db" MID 1)" -eq 32765
  check "the privilege it lost with its drop is given back" says "1 granted EXECUTE to PUBLIC"
  reg "$db" --drop
  check "dropped" test "$rc" -eq 0
  check "reports the drop" says "dropped $total functions"
  check "nothing left" test "$(count "$db" "coalesce(rdb\$system_flag, 0) = 0")" -eq 0
  reg "$db" --drop
  check "a second drop drops nothing" says "dropped 0 functions"
  # A role, and a width of one's own.
  sql "$db" "create role brindle_users; commit;" > /dev/null
  reg "$db" --grant nosuchrole
  check "an unknown role is refused" test "$rc" -ne 0
  reg "$db" --grant brindle_users --text-width 300
  check "declared for a role" test "$rc" -eq 0
  check "EXECUTE granted to the role" test "$(sql "$db" "select count(*) as n from rdb\$user_privileges
    where rdb\$user = 'BRINDLE_USERS' and rdb\$privilege = 'X' and rdb\$object_type = 15;" | awk '$1 == "N" { print $2 }')" -eq "$total"
  check "the given text width" test "$(width_of "$db" BR_LTRIM 1)" -eq 300
  ;;
switch)
  # Legacy declarations (the generated script) and a view, a selectable procedure and a trigger
  # that call functions of every kind; switched to UDR, the answers stay the same.
  db=$work/switch.fdb
  newdb "$db"
  # A view's row must stay under 64 kB: its text columns are cast, as a user would.
  exprs="cast(br_ltrim('  ab') || '|' as varchar(20)) as t1, cast(mid('abcdef', 1, 3) as varchar(20)) as t2,
    cast(br_upper('abc') as varchar(20)) as t3, cast(blobaspchar(strblob('xy  ')) as varchar(20)) as t4, stringlength('abcd') as i1, blobsize(strblob('abc')) as i2,
    ord('A') as s1, g() as d1, addmonth(timestamp '2008-01-31 10:00:00', 1) as ts1,
    encodedate(2008, 3, 14) as dt1, strtotime('11:30:15 PM') as tm1,
    strblob('a blob ') as b1"
  {
    echo "connect '$db';"
    cat "$declare"
    cat <<SQL
create view v_answers as select $exprs from rdb\$database;
create table t_log (s varchar(100), u varchar(100), n integer, d date);
set term ^ ;
create procedure p_answers returns (t1 varchar(100), i1 integer, s1 smallint, d1 double precision,
  ts1 timestamp, tm1 time, b1 blob sub_type text) as
begin
  for select mid('abcdef', 2, 2), stringlength('xyz'), ord('a'), g(), addweek(timestamp '2008-02-26 12:00:00', 1),
             encodetime(13, 5, 9), strblob('proc') from rdb\$database
    into :t1, :i1, :s1, :d1, :ts1, :tm1, :b1 do suspend;
end^
create trigger t_log_bi for t_log before insert as
begin
  new.u = br_rtrim(br_lower(new.s)) || '!';
  new.n = wordcount(new.s);
  new.d = encodedate(2020, 2, 29);
end^
set term ; ^
commit;
SQL
  } > "$work/setup.sql"
  (cd "$work" && "$isql" -q -i "$work/setup.sql") > /dev/null
  answers="select * from v_answers; select * from p_answers;
    insert into t_log (s) values ('Two WORDS  '); select * from t_log; delete from t_log; commit;"
  sql "$db" "$answers" | grep -v '^$' > "$work/before"
  check "the legacy answers are there" grep -q 'ab|' "$work/before"
  reg "$db" --drop
  check "drop refused while functions are used" test "$rc" -ne 0
  check "the refusal names the dependents" says "MID (used by procedure P_ANSWERS, view V_ANSWERS)"
  reg "$db" --udr
  check "switched" test "$rc" -eq 0
  check "reports the switch" says "0 declared, $total switched to the UDR front end"
  sql "$db" "$answers" | grep -v '^$' > "$work/after"
  check "the same answers through UDR" diff "$work/before" "$work/after"
  check "every function's engine is UDR" test "$(count "$db" "$ours")" -eq "$total"
  check "no legacy declaration left" test "$(count "$db" "rdb\$engine_name is null")" -eq 0
  check "a used function declared 32765 wide" test "$(width_of "$db" MID 1)" -eq 32765
  check "an unused function declared 1024 wide" test "$(width_of "$db" LRTRIM 1)" -eq 1024
  check "a written blob keeps its bytes through UDR" test "$(sql "$db" "select cast(cast(strblob(x'c441')
    as varchar(10)) as varchar(10) character set octets) as h from rdb\$database;" | awk '$1 == "H" { print $2 }')" = C441
  check "EXECUTE kept for every function" test "$(sql "$db" "select count(*) as n from rdb\$user_privileges
    where rdb\$user = 'PUBLIC' and rdb\$privilege = 'X' and rdb\$object_type = 15;" | awk '$1 == "N" { print $2 }')" -eq "$total"
  reg "$db" --udr
  check "a second switch is a no-op" says "0 declared, 0 switched to the UDR front end, $total already declared"
  check "and reports no difference" bash -c "! grep -q 'declared differently' '$work/out'"
  used=$(sql "$db" "select count(distinct rdb\$depended_on_name) as n from rdb\$dependencies
    where rdb\$depended_on_type = 15;" | awk '$1 == "N" { print $2 }')
  reg "$db" --legacy
  check "back to legacy refused for the used functions" test "$rc" -eq 1
  check "the refusal names their dependents" says "BR_LOWER (used by trigger T_LOG_BI)"
  check "a used blob writer switched back in place" bash -c "! grep -q 'STRBLOB (used by' '$work/out'"
  check "the other used functions stay UDR" test "$(count "$db" "$ours")" -eq $((used - 1))
  check "the others are legacy again" test "$(count "$db" "$legacy_ours")" -eq $((total - used + 1))
  sql "$db" "$answers" | grep -v '^$' > "$work/mixed"
  check "the same answers through both front ends" diff "$work/before" "$work/mixed"
  check "a written blob keeps its bytes through legacy" test "$(sql "$db" "select cast(cast(strblob(x'c441')
    as varchar(10)) as varchar(10) character set octets) as h from rdb\$database;" | awk '$1 == "H" { print $2 }')" = C441
  ;;
back_to_legacy)
  db=$work/back.fdb
  newdb "$db"
  reg "$db"
  reg "$db" --legacy
  check "switched back" test "$rc" -eq 0
  check "reports the switch" says "0 declared, $total switched to the legacy front end"
  check "version() answers through legacy" says "VERSION() through the legacy front end: "
  check "every function legacy" test "$(count "$db" "$legacy_ours")" -eq "$total"
  check "legacy functions answer" test "$(sql "$db" "select mid('abcdef', 1, 3) || br_upper('x') as r from rdb\$database;" |
    awk '$1 == "R" { print $2 }')" = "bcdX"
  reg "$db" --legacy
  check "a second run is a no-op" says "0 declared, 0 switched to the legacy front end, $total already declared"
  check "and reports no difference" bash -c "! grep -q 'declared differently' '$work/out'"
  ;;
blob_text)
  # Declarations of an earlier version (binary blobs, a blob writer DETERMINISTIC), one kept
  # under a name of its own, and a view over them.
  db=$work/blob.fdb
  newdb "$db"
  sql "$db" "create function strblob (a1 varchar(1024) character set none) returns blob deterministic
      external name 'brindle_udr!strblob' engine udr;
    create function blobsize (a1 blob) returns integer deterministic external name 'brindle_udr!blobsize' engine udr;
    create function my_mid (a1 varchar(300) character set none, a2 integer, a3 integer)
      returns varchar(300) character set none deterministic external name 'brindle_udr!mid' engine udr; commit;
    create view v_blob as select cast(strblob(x'c441') as varchar(10)) as c, blobsize(strblob('abc')) as n,
      my_mid('abcd', 1, 2) as m from rdb\$database; commit;" > /dev/null
  view() {  # the view's row: the cast in hexadecimal, the size, the text
    sql "$db" "select cast(c as varchar(10) character set octets) as h, n, m from v_blob;" |
      awk '$1 == "H" { h = $2 } $1 == "N" { n = $2 } $1 == "M" { m = $2 } END { print h, n, m }'
  }
  check "the old declaration turns bytes into full stops" test "$(view)" = "2E41 3 bc"
  reg "$db"
  check "registered" test "$rc" -eq 0
  check "reports the blob declarations altered" says "a cast to text keeps every byte): BLOBSIZE, STRBLOB$"
  check "names the kept name and the registry's" says "MY_MID keeps its name; new declarations call it MID$"
  check "the view works and its cast keeps the bytes" test "$(view)" = "C441 3 bc"
  check "a blob writer is not deterministic" test "$(count "$db" "rdb\$function_name = 'STRBLOB' and rdb\$deterministic_flag = 1")" -eq 0
  check "the text width kept" test "$(width_of "$db" MY_MID 1)" -eq 300
  reg "$db"
  check "a second run alters nothing" bash -c "! grep -q 'altered in place' '$work/out'"
  # A legacy blob writer declared directly (binary result), and a view over it: altered in
  # place into the PSQL function over the internal declaration, then switched to UDR.
  db=$work/blob_legacy.fdb
  newdb "$db"
  sql "$db" "declare external function strblob cstring(32767) character set none null, blob returns parameter 2
      entry_point 'strblob' module_name 'Brindle_FB'; commit;
    create view v_blob as select cast(strblob(x'c441') as varchar(10)) as c, 3 as n, 'bc' as m from rdb\$database;
    commit;" > /dev/null
  check "the old legacy declaration turns bytes into full stops" test "$(view)" = "2E41 3 bc"
  reg "$db" --legacy
  check "registered through legacy" test "$rc" -eq 0
  check "reports the blob writer altered" says "into PSQL functions over the legacy declarations, a cast to text keeps every byte): STRBLOB$"
  check "the view works and its cast keeps the bytes through legacy" test "$(view)" = "C441 3 bc"
  check "strblob(NULL) is an empty blob as before" test "$(sql "$db" "select blobsize(strblob(null)) as n from rdb\$database;" |
    awk '$1 == "N" { print $2 }')" = 0
  reg "$db" --legacy
  check "a second legacy run alters nothing" bash -c "! grep -q 'altered in place' '$work/out'"
  check "and reports no difference" bash -c "! grep -q 'declared differently' '$work/out'"
  check "only the owner and the PSQL function call the internal declaration" test "$(sql "$db" "select count(*) as n
    from rdb\$user_privileges where rdb\$relation_name = 'BRINDLE\$STRBLOB' and rdb\$user = 'STRBLOB'
    and rdb\$user_type = 15 and rdb\$privilege = 'X';" | awk '$1 == "N" { print $2 }')" -eq 1
  reg "$db" --udr
  check "switched to UDR" test "$rc" -eq 0
  check "the internal declarations dropped" test "$(count "$db" "rdb\$function_name starting with 'BRINDLE\$'")" -eq 0
  check "the view keeps the bytes through UDR" test "$(view)" = "C441 3 bc"
  ;;
dialect1)
  db=$work/d1.fdb
  newdb "$db" 1
  reg "$db"
  check "dialect 1 refused" test "$rc" -ne 0
  check "says why" says "dialect-1 database"
  check "nothing declared" test "$(count "$db" "coalesce(rdb\$system_flag, 0) = 0")" -eq 0
  ;;
*)
  echo "unknown case $case_"
  exit 2
  ;;
esac
exit $failed
