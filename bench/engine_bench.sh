#!/usr/bin/env bash
# Per-row cost of Brindle_FB functions through the embedded engine, beside what the server
# must spend anyway, all measured in one run:
#   bench/engine_bench.sh [build dir] [rows] [callgrind rows]
#
# For each probe (a function, by SQL name) it measures one query over a table of `rows` rows
# (default 200,000) that calls the function once per row, and beside it:
#   shape floor   the probe's own declaration pointed at a do-nothing function of the
#                 benchmark module Brindle_Floor that only hands back a value of the result's
#                 kind: what the declaration alone costs the server;
#   built-in      Firebird's own function doing the same job, where there is one;
#   legacy floor  a function that returns its argument, declared CSTRING(255) in and out.
# Times are the engine's elapsed times (isql SET STATS), best of three, less the plain scan
# of the table, per row. Instruction counts come from valgrind --tool=callgrind over a table of
# `callgrind rows` rows (default 5,000; 0 skips them), less the plain scan, per row: they are
# repeatable where times vary, but miss the kernel time that dominates a legacy call.
# The build must have been configured with -DBRINDLE_BENCH=ON.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-$here/../build}" && pwd)
rows=${2:-200000}
cg_rows=${3:-5000}
declare_sql=$build/sql/brindle_declare.sql
[ -f "$build/bench/Brindle_Floor.so" ] || { echo "build with -DBRINDLE_BENCH=ON first" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
bash "$here/../scripts/fbroot.sh" "$work/root" "$build" "$build/bench"
isql=$(command -v isql-fb || command -v isql)
export FIREBIRD="$work/root" FIREBIRD_LOCK="$work/lock" ISC_USER=SYSDBA

# label | probe expression | SQL name of the probe | built-in expression
probes=(
  "ltrim|ltrim(a.s)|ltrim|trim(leading from a.s)"
  "rtrim|rtrim(a.s)|rtrim|trim(trailing from a.s)"
  "left|br_left(a.s, 5)|br_left|left(a.s, 5)"
  "upper|br_upper(a.s)|br_upper|upper(a.s)"
  "replace|br_replace(a.s, 'o', '0')|br_replace|replace(a.s, 'o', '0')"
  "encryptmd5|encryptmd5(a.s)|encryptmd5|hash(a.s)"
  "version|version()|version|rdb\$get_context('SYSTEM', 'ENGINE_VERSION')"
  "cdowlonglang|cdowlonglang(a.ts, 'de')|cdowlonglang|extract(weekday from a.ts)"
  "year|br_year(a.ts)|br_year|extract(year from a.ts)"
  "addday|addday(a.ts, 1)|addday|dateadd(1 day to a.ts)"
  "zahlrunden|zahlrunden(a.d, 2)|zahlrunden|round(a.d, 2)"
  "stringlength|stringlength(a.s)|stringlength|char_length(a.s)"
  "uuid4|uuid4()|uuid4|gen_uuid()"
)

# The shape floor of a function: its own declaration, renamed floor_<name>, pointed at the
# do-nothing entry point for its result.
shape_floor() {
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
    }' "$declare_sql"
}

{
  echo "set bail on;"
  echo "create database '$work/bench.fdb' user 'SYSDBA' default character set NONE;"
  cat "$declare_sql"
  echo "DECLARE EXTERNAL FUNCTION floor_arg CSTRING(255) CHARACTER SET NONE NULL"
  echo "  RETURNS CSTRING(255) CHARACTER SET NONE ENTRY_POINT 'floor_arg' MODULE_NAME 'Brindle_Floor';"
  for p in "${probes[@]}"; do IFS='|' read -r _ _ name _ <<< "$p"; shape_floor "$name"; done
  cat <<SQL
commit;
create table big (s varchar(40), ts timestamp, d double precision);
create table small (s varchar(40), ts timestamp, d double precision);
commit;
set term ^;
execute block as declare i integer = 0; begin
  while (i < $rows) do begin
    insert into big values ('   word ' || :i || ' of the row   ', timestamp '2024-01-01 10:00:00' + :i / 100.0, :i * 1.2345);
    i = i + 1;
  end
end^
set term ;^
insert into small select first $cg_rows * from big;
commit;
SQL
} > "$work/setup.sql"
"$isql" -q -i "$work/setup.sql" > "$work/setup.log" 2>&1 || { cat "$work/setup.log"; exit 1; }

# Every expression measured: name | expression
exprs=("scan|a.s" "legacy floor|floor_arg(a.s)")
for p in "${probes[@]}"; do
  IFS='|' read -r label probe name builtin <<< "$p"
  exprs+=("$label|$probe" "$label shape floor|${probe/$name(/floor_$name(}" "$label built-in|$builtin")
done

# Times: one attachment, every query three times, the engine's elapsed time of each.
{
  echo "connect '$work/bench.fdb' user 'SYSDBA';"
  echo "set stats on;"
  for e in "${exprs[@]}"; do
    for _ in 1 2 3; do echo "select count(*) from big a where ${e#*|} is not null;"; done
  done
} > "$work/times.sql"
"$isql" -q -i "$work/times.sql" 2> "$work/times.err" | awk '/Elapsed time/ { sub(/.*Elapsed time *= */, ""); print $1 }' > "$work/times.txt"
[ -s "$work/times.err" ] && { cat "$work/times.err"; exit 1; }

declare -A us ir
i=0
mapfile -t times < "$work/times.txt"
for e in "${exprs[@]}"; do
  best=$(printf '%s\n' "${times[@]:$((i * 3)):3}" | sort -g | head -1)
  us[${e%%|*}]=$best
  i=$((i + 1))
done

# Instructions: one process per query under callgrind, over the small table.
if [ "$cg_rows" -gt 0 ] && command -v valgrind > /dev/null; then
  for e in "${exprs[@]}"; do
    printf "connect '%s' user 'SYSDBA';\nselect count(*) from small a where %s is not null;\n" "$work/bench.fdb" "${e#*|}" > "$work/q.sql"
    valgrind --tool=callgrind --callgrind-out-file="$work/cg.out" "$isql" -q -i "$work/q.sql" > /dev/null 2>&1
    ir[${e%%|*}]=$(awk '/^summary:/ { print $2 }' "$work/cg.out")
    rm -f "$work"/cg.out*
  done
fi

# Per row, less the scan: microseconds and instructions.
per_row_us() { awk -v t="$1" -v s="${us[scan]}" -v n="$rows" 'BEGIN { printf "%.3f", (t - s) * 1e6 / n }'; }
per_row_ir() {
  [ -n "${ir[scan]:-}" ] || { echo "-"; return; }
  awk -v t="$1" -v s="${ir[scan]}" -v n="$cg_rows" 'BEGIN { printf "%.0f", (t - s) / n }'
}
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (a == "-" || b == "-" || b <= 0) print "-"; else printf "%.3f", a / b }'; }

floor_us=$(per_row_us "${us[legacy floor]}")
floor_ir=$(per_row_ir "${ir[legacy floor]:-}")
echo "Per row over $rows rows (times) and $cg_rows rows (instructions), less the plain scan."
echo "legacy floor (CSTRING(255) returned as given): $floor_us us, $floor_ir instructions"
echo
printf "| %-12s | %8s | %8s | %8s | %9s | %9s | %9s | %9s | %9s |\n" probe "us" "shape us" "built-in" \
  "/shape" "/floor" "instr" "shape ins" "/shape ins"
printf "|%s|\n" "--------------|----------|----------|----------|-----------|-----------|-----------|-----------|------------"
for p in "${probes[@]}"; do
  IFS='|' read -r label _ _ _ <<< "$p"
  t=$(per_row_us "${us[$label]}")
  ts=$(per_row_us "${us[$label shape floor]}")
  tb=$(per_row_us "${us[$label built-in]}")
  n=$(per_row_ir "${ir[$label]:-}")
  ns=$(per_row_ir "${ir[$label shape floor]:-}")
  printf "| %-12s | %8s | %8s | %8s | %9s | %9s | %9s | %9s | %10s |\n" "$label" "$t" "$ts" "$tb" \
    "$(ratio "$t" "$ts")" "$(ratio "$t" "$floor_us")" "$n" "$ns" "$(ratio "$n" "$ns")"
done
echo
echo "/shape: probe over its shape floor; /floor: probe over the legacy floor (time)."
