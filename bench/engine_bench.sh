#!/usr/bin/env bash
# Per-row cost of Brindle_FB functions through the embedded engine, through both front ends,
# beside what the server must spend anyway, all measured in one run:
#   bench/engine_bench.sh [build dir] [rows] [callgrind rows] [widths]
#
# For each probe (a function, by SQL name) it measures one query over a table of `rows` rows
# (default 200,000) that calls the function once per row, and beside it:
#   shape floor   the probe's own declaration pointed at a do-nothing function: for legacy, a
#                 function of the benchmark module Brindle_Floor that only hands back a value
#                 of the result's kind; for UDR, brindle_floor!copy, which hands back its first
#                 text argument (brindle_floor!blob for a blob argument: it opens the blob,
#                 asks its length and closes it). What the declaration alone costs the server;
#   built-in      Firebird's own function doing the same job, where there is one;
#   legacy floor  a function that returns its argument, declared CSTRING(255) in and out.
# The UDR front end is measured with text declared as wide as each of `widths` (default
# "1024 255 4096 32765"; the first is the main table's, the others only for the width table).
# Times are the engine's elapsed times (isql SET STATS), best of three, less the plain scan
# of the table, per row. Instruction counts come from valgrind --tool=callgrind over a table of
# `callgrind rows` rows (default 5,000; 0 skips them) less the same query over one row, so that
# what happens once (loading a module, preparing the statement) is not counted, then less the
# plain scan, per row: they are repeatable where times vary, but miss the kernel time that
# dominates a legacy call.
# The build must have been configured with -DBRINDLE_BENCH=ON.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-$here/../build}" && pwd)
rows=${2:-200000}
cg_rows=${3:-5000}
read -r -a widths <<< "${4:-1024 255 4096 32765}"
[ -f "$build/bench/Brindle_Floor.so" ] || { echo "build with -DBRINDLE_BENCH=ON first" >&2; exit 1; }
work=$(mktemp -d)
[ -z "${BENCH_KEEP:-}" ] || echo "work folder: $work" >&2
trap '[ -n "${BENCH_KEEP:-}" ] || rm -rf "$work"' EXIT
bash "$here/../scripts/fbroot.sh" "$work/root" "$build" "$build/bench" "$build/bench/libbrindle_floor.so"
read -r _ _ _ isql <<< "$(bash "$here/../scripts/fbroot.sh" --engine)"  # the program itself, not a wrapper
export FIREBIRD="$work/root" FIREBIRD_LOCK="$work/lock" ISC_USER=SYSDBA
use_cg=0
[ "$cg_rows" -gt 1 ] && command -v valgrind > /dev/null && use_cg=1

# label | probe expression | SQL name of the probe | built-in expression
probes=(
  "ltrim|br_ltrim(a.s)|br_ltrim|trim(leading from a.s)"
  "rtrim|br_rtrim(a.s)|br_rtrim|trim(trailing from a.s)"
  "left|br_left(a.s, 5)|br_left|left(a.s, 5)"
  "upper|br_upper(a.s)|br_upper|upper(a.s)"
  "replace|br_replace(a.s, 'o', '0')|br_replace|replace(a.s, 'o', '0')"
  "encryptmd5|encryptmd5(a.s)|encryptmd5|hash(a.s)"
  "version|version()|version|rdb\$get_context('SYSTEM', 'ENGINE_VERSION')"
  "cdowlonglang|cdowlonglang(a.ts, 'de')|cdowlonglang|extract(weekday from a.ts)"
  "year|br_year(a.ts)|br_year|extract(year from a.ts)"
  "addday|addday(a.ts, 1)|addday|dateadd(1 day to a.ts)"
  "zahlrunden|zahlrunden(a.d, 2)|zahlrunden|round(a.d, 2)"
  "f_sqrt|f_sqrt(a.d)|f_sqrt|sqrt(a.d)"
  "stringlength|stringlength(a.s)|stringlength|char_length(a.s)"
  "uuid4|uuid4()|uuid4|gen_uuid()"
  "blobsize|blobsize(a.b)|blobsize|octet_length(a.b)"
)
# The probes of the width table.
width_probes=(ltrim upper)

# The legacy shape floor of a function: its own declaration, renamed floor_<name>, pointed at
# the do-nothing entry point for its result.
legacy_floor() {
  awk -v name="$1" '
    toupper($0) ~ "^DECLARE EXTERNAL FUNCTION " toupper(name) "$" { on = 1; $0 = "DECLARE EXTERNAL FUNCTION floor_" name }
    on {
      if ($0 ~ /RETURNS/) {
        if ($0 ~ /CSTRING/) entry = "floor_text_block"
        else if ($0 ~ /BY VALUE/) entry = ($0 ~ /DOUBLE/) ? "floor_double_value" : "floor_int_value"
        else if ($0 ~ /DOUBLE/) entry = "floor_double_block"
        else if ($0 ~ /INTEGER|SMALLINT/) entry = "floor_int_block"
        else entry = "floor_ts_block"
      }
      if ($0 ~ /ENTRY_POINT/) { print "  ENTRY_POINT '\''" entry "'\'' MODULE_NAME '\''Brindle_Floor'\'';"; on = 0; next }
      print
    }' "$2"
}

# The UDR shape floor of a function: its own declaration, renamed floor_<name>, pointed at
# brindle_floor!copy (or !blob when its first argument is a blob).
udr_floor() {
  awk -v name="$1" '
    toupper($0) ~ "^CREATE FUNCTION " toupper(name) " " {
      on = 1; blob = ($0 ~ /\(a1 BLOB/); $0 = "CREATE FUNCTION floor_" name substr($0, length("CREATE FUNCTION " name) + 1)
    }
    on {
      if ($0 ~ /EXTERNAL NAME/) { print "  EXTERNAL NAME '\''brindle_floor!" (blob ? "blob" : "copy") "'\'' ENGINE UDR;"; on = 0; next }
      print
    }' "$2"
}

# make_db NAME DECLARATIONS: a database with the functions declared and the tables filled.
make_db() {
  {
    echo "set bail on;"
    echo "create database '$work/$1.fdb' user 'SYSDBA' default character set NONE;"
    cat "$2"
    cat <<SQL
commit;
create table big (s varchar(40), ts timestamp, d double precision, b blob);
create table small (s varchar(40), ts timestamp, d double precision, b blob);
create table one (s varchar(40), ts timestamp, d double precision, b blob);
commit;
set term ^;
execute block as declare i integer = 0; declare s varchar(40); begin
  while (i < $rows) do begin
    s = '   word ' || :i || ' of the row   ';
    insert into big values (:s, timestamp '2024-01-01 10:00:00' + :i / 100.0, :i * 1.2345, :s);
    i = i + 1;
  end
end^
set term ;^
insert into small select first $cg_rows * from big;
insert into one select first 1 * from big;
commit;
SQL
  } > "$work/setup_$1.sql"
  "$isql" -q -i "$work/setup_$1.sql" > "$work/setup_$1.log" 2>&1 || { cat "$work/setup_$1.log"; exit 1; }
}

declare -A us ir
# instructions DB TABLE EXPRESSION: callgrind's count of one process running the query.
instructions() {
  printf "connect '%s' user 'SYSDBA';\nselect count(*) from %s a where %s is not null;\n" "$work/$1.fdb" "$2" "$3" > "$work/q.sql"
  valgrind --tool=callgrind --callgrind-out-file="$work/cg.out" "$isql" -q -i "$work/q.sql" > /dev/null 2>&1
  awk '/^summary:/ { print $2 }' "$work/cg.out"
  rm -f "$work"/cg.out*
}
# measure DB "key|expression"...: best of three elapsed times and, with callgrind, the
# instructions of one query each.
measure() {
  local db=$1
  shift
  {
    echo "connect '$work/$db.fdb' user 'SYSDBA';"
    echo "set stats on;"
    for e in "$@"; do
      for _ in 1 2 3; do echo "select count(*) from big a where ${e#*|} is not null;"; done
    done
  } > "$work/times.sql"
  "$isql" -q -i "$work/times.sql" 2> "$work/times.err" | awk '/Elapsed time/ { sub(/.*Elapsed time *= */, ""); print $1 }' > "$work/times.txt"
  [ -s "$work/times.err" ] && { cat "$work/times.err"; exit 1; }
  local i=0 times
  mapfile -t times < "$work/times.txt"
  for e in "$@"; do
    us[$db:${e%%|*}]=$(printf '%s\n' "${times[@]:$((i * 3)):3}" | sort -g | head -1)
    i=$((i + 1))
  done
  [ $use_cg -eq 1 ] || return 0
  local many once
  for e in "$@"; do
    many=$(instructions "$db" small "${e#*|}")
    once=$(instructions "$db" one "${e#*|}")
    ir[$db:${e%%|*}]=$((many - once))
  done
}

# The legacy database: every probe, its shape floor, the built-in and the legacy floor.
{
  cat "$build/sql/brindle_declare.sql"
  echo "DECLARE EXTERNAL FUNCTION floor_arg CSTRING(255) CHARACTER SET NONE NULL"
  echo "  RETURNS CSTRING(255) CHARACTER SET NONE ENTRY_POINT 'floor_arg' MODULE_NAME 'Brindle_Floor';"
  for p in "${probes[@]}"; do IFS='|' read -r _ _ name _ <<< "$p"; legacy_floor "$name" "$build/sql/brindle_declare.sql"; done
} > "$work/legacy.sql"
make_db legacy "$work/legacy.sql"
exprs=("scan|a.s" "legacy floor|floor_arg(a.s)")
for p in "${probes[@]}"; do
  IFS='|' read -r label probe name builtin <<< "$p"
  exprs+=("$label|$probe" "$label shape|${probe/$name(/floor_$name(}" "$label built-in|$builtin")
done
measure legacy "${exprs[@]}"

# A UDR database for each width: the probes (all of them at the main width, the width table's
# at the others) and their shape floors.
main_w=${widths[0]}
for w in "${widths[@]}"; do
  "$build/registry_gen" udr-declare "$w" "$work/udr_$w.declare.sql"
  {
    cat "$work/udr_$w.declare.sql"
    for p in "${probes[@]}"; do IFS='|' read -r _ _ name _ <<< "$p"; udr_floor "$name" "$work/udr_$w.declare.sql"; done
  } > "$work/udr_$w.sql"
  make_db "udr_$w" "$work/udr_$w.sql"
  exprs=("scan|a.s")
  for p in "${probes[@]}"; do
    IFS='|' read -r label probe name _ <<< "$p"
    if [ "$w" = "$main_w" ] || [[ " ${width_probes[*]} " == *" $label "* ]]; then
      exprs+=("$label|$probe" "$label shape|${probe/$name(/floor_$name(}")
    fi
  done
  measure "udr_$w" "${exprs[@]}"
done

# Per row, less the database's own scan: microseconds and instructions.
per_row_us() {
  local v=${us[$1:$2]:-}
  [ -n "$v" ] || { echo "-"; return; }
  awk -v t="$v" -v s="${us[$1:scan]}" -v n="$rows" 'BEGIN { printf "%.3f", (t - s) * 1e6 / n }'
}
per_row_ir() {
  local v=${ir[$1:$2]:-}
  [ -n "$v" ] || { echo "-"; return; }
  # A deterministic function without arguments is called once per statement: nothing per row.
  awk -v t="$v" -v s="${ir[$1:scan]}" -v n="$((cg_rows - 1))" 'BEGIN { v = (t - s) / n; printf "%.0f", v < 0 ? 0 : v }'
}
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (a == "-" || b == "-" || b <= 0) print "-"; else printf "%.2f", a / b }'; }

floor_us=$(per_row_us legacy "legacy floor")
floor_ir=$(per_row_ir legacy "legacy floor")
echo "Per row over $rows rows (times, us) and $cg_rows rows (instructions), less the plain scan."
echo "Legacy floor (CSTRING(255) returned as given): $floor_us us, $floor_ir instructions."
echo "UDR declared with text $main_w wide. /shape: over the probe's own shape floor in its front end;"
echo "/lfloor: over the legacy floor."
echo
echo "| probe | built-in us | legacy us | legacy /shape | UDR us | UDR /shape | UDR /lfloor | legacy ins | legacy /shape ins | UDR ins | UDR /shape ins | UDR /lfloor ins |"
echo "|---|---|---|---|---|---|---|---|---|---|---|---|"
u=udr_$main_w
for p in "${probes[@]}"; do
  IFS='|' read -r label _ _ _ <<< "$p"
  lt=$(per_row_us legacy "$label") ls=$(per_row_us legacy "$label shape") bt=$(per_row_us legacy "$label built-in")
  ut=$(per_row_us "$u" "$label") usf=$(per_row_us "$u" "$label shape")
  li=$(per_row_ir legacy "$label") lsi=$(per_row_ir legacy "$label shape")
  ui=$(per_row_ir "$u" "$label") usi=$(per_row_ir "$u" "$label shape")
  echo "| $label | $bt | $lt | $(ratio "$lt" "$ls") | $ut | $(ratio "$ut" "$usf") | $(ratio "$ut" "$floor_us") | $li | $(ratio "$li" "$lsi") | $ui | $(ratio "$ui" "$usi") | $(ratio "$ui" "$floor_ir") |"
done
echo
echo "Width table: the UDR probe and its shape floor with text declared W wide, per row."
echo
echo "| probe | W | UDR us | shape us | /shape | /lfloor | UDR ins | shape ins | /shape ins | /lfloor ins |"
echo "|---|---|---|---|---|---|---|---|---|---|"
for label in "${width_probes[@]}"; do
  for w in $(printf '%s\n' "${widths[@]}" | sort -n); do
    ut=$(per_row_us "udr_$w" "$label") usf=$(per_row_us "udr_$w" "$label shape")
    ui=$(per_row_ir "udr_$w" "$label") usi=$(per_row_ir "udr_$w" "$label shape")
    echo "| $label | $w | $ut | $usf | $(ratio "$ut" "$usf") | $(ratio "$ut" "$floor_us") | $ui | $usi | $(ratio "$ui" "$usi") | $(ratio "$ui" "$floor_ir") |"
  done
done
