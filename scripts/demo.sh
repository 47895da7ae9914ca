#!/usr/bin/env bash
# The demo: installs what is missing, builds the module, creates a database in a temporary
# directory with an embedded Firebird engine, declares every function with the project's
# declaration script and answers a few queries:
#   demo.sh [udr | legacy]     (udr, the default: libbrindle_udr.so; legacy: Brindle_FB.so)
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh demo
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBRINDLE_TESTS=OFF > /dev/null
front=${1:-udr}
case "$front" in
  udr) targets=(brindle_udr_module brindle_udr_sql) module=build/libbrindle_udr.so declare=build/sql/brindle_udr_declare.sql
       count="CREATE FUNCTION" ;;
  legacy) targets=(Brindle_FB brindle_sql) module=build module_file=build/Brindle_FB.so declare=build/sql/brindle_declare.sql
       count="DECLARE EXTERNAL FUNCTION" ;;
  *) echo "usage: demo.sh [udr | legacy]" >&2; exit 2 ;;
esac
cmake --build build --target "${targets[@]}" -j "$(nproc 2>/dev/null || echo 2)" > /dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
bash scripts/fbroot.sh "$work/root" "$module"
read -r _ version _ isql <<< "$(bash scripts/fbroot.sh --engine)"
{
  echo "set bail on;"
  echo "create database '$work/demo.fdb' user 'SYSDBA' default character set NONE;"
  cat "$declare"
  echo "set list on;"
  cat scripts/demo.sql
} > "$work/demo.sql"
echo "Database: $work/demo.fdb (Firebird $version, embedded engine, removed afterwards)"
echo "Declared $(grep -c "$count" "$declare") functions from ${module_file:-$module} ($front front end)"
echo "(the functions work on 8-bit text; names in Windows-1252 are shown converted to UTF-8)"
if command -v iconv > /dev/null; then
  FIREBIRD="$work/root" "$isql" -q -i "$work/demo.sql" | iconv -f CP1252 -t UTF-8
else
  FIREBIRD="$work/root" "$isql" -q -i "$work/demo.sql"
fi
