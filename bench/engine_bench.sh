#!/usr/bin/env bash
# Times one query over 1,000,000 rows in the embedded engine for a Brindle_FB function, the
# Firebird built-in that does the same job, and the bundled ib_udf function where one exists:
#   bench/engine_bench.sh [build dir]
# The rows are a table of 1,000,000 short texts; each query counts the rows for which the
# function's result is not NULL, so the function runs once per row.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-$here/../build}" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
udfdir=""
for d in /usr/lib/x86_64-linux-gnu/firebird/3.0/UDF /usr/lib/firebird/3.0/UDF; do
  if [ -f "$d/ib_udf.so" ]; then udfdir=$d; break; fi
done
bash "$here/../scripts/fbroot.sh" "$work/root" "$build" ${udfdir:+"$udfdir"}
isql=$(command -v isql-fb || command -v isql)

cat > "$work/setup.sql" <<SQL
set bail on;
create database '$work/bench.fdb' user 'SYSDBA' default character set NONE;
SQL
cat "$build/sql/brindle_declare.sql" >> "$work/setup.sql"
if [ -n "$udfdir" ]; then
cat >> "$work/setup.sql" <<'SQL'
declare external function ib_ltrim cstring(255) returns cstring(255) free_it entry_point 'IB_UDF_ltrim' module_name 'ib_udf';
declare external function ib_rtrim cstring(255) returns cstring(255) free_it entry_point 'IB_UDF_rtrim' module_name 'ib_udf';
declare external function ib_strlen cstring(32767) returns integer by value entry_point 'IB_UDF_strlen' module_name 'ib_udf';
SQL
fi
cat >> "$work/setup.sql" <<'SQL'
create table t (s varchar(40));
commit;
set term ^;
execute block as declare i integer = 0; begin
  while (i < 1000) do begin insert into t values ('   word ' || :i || '   '); i = i + 1; end
end^
set term ;^
create table big (s varchar(40));
commit;
insert into big select a.s from t a cross join t b;
commit;
SQL
FIREBIRD="$work/root" "$isql" -q -i "$work/setup.sql" > /dev/null

# name | expression over a.s
queries=(
  "brindle ltrim|ltrim(a.s)"
  "builtin trim(leading)|trim(leading from a.s)"
  "ib_udf ltrim|ib_ltrim(a.s)"
  "brindle rtrim|rtrim(a.s)"
  "builtin trim(trailing)|trim(trailing from a.s)"
  "ib_udf rtrim|ib_rtrim(a.s)"
  "brindle stringlength|stringlength(a.s)"
  "builtin char_length|char_length(a.s)"
  "ib_udf strlen|ib_strlen(a.s)"
  "brindle padleft|padleft(a.s, '*', 50)"
  "builtin lpad|lpad(a.s, 50, '*')"
)
run() {
  local expr=$1
  printf "connect '%s' user 'SYSDBA';\nselect count(*) from big a where %s is not null;\n" \
    "$work/bench.fdb" "$expr" > "$work/q.sql"
  local t0 t1
  t0=$(date +%s.%N)
  FIREBIRD="$work/root" "$isql" -q -i "$work/q.sql" > /dev/null
  t1=$(date +%s.%N)
  echo "$t0 $t1" | awk '{printf "%.2f", $2 - $1}'
}
base=""
printf "%-26s %8s %8s\n" "query (1,000,000 rows)" "seconds" "ratio"
for q in "${queries[@]}"; do
  name=${q%%|*} expr=${q#*|}
  case "$name" in ib_udf*) [ -n "$udfdir" ] || continue ;; esac
  secs=$(run "$expr")
  case "$name" in brindle*) base=$secs ;; esac
  ratio=$(echo "$secs $base" | awk '{ if ($2 > 0) printf "%.2f", $1 / $2; else print "-" }')
  printf "%-26s %8s %8s\n" "$name" "$secs" "$ratio"
done
echo "(ratio: time relative to the Brindle_FB function of the same group)"
