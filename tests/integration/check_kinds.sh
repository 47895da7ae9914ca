#!/usr/bin/env bash
# Declares every function in a fresh database and compares what the engine recorded for each
# argument and result (mechanism, type, length, character set, a blob's sub-type) with the registry
# (the legacy blob writers' PSQL functions included):
#   check_kinds.sh <isql> <module> <declaration script> <expected kinds> [NONE|UTF8]
set -euo pipefail
isql=$1 module=$2 declare=$3 expected=$4 charset=${5:-NONE}
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
. "$here/../support/testdb.sh"
testdb_new "$work" "$isql" "$module" "$declare" "$charset"
{
  echo "connect '$TESTDB';"
  echo "set heading off;"
  # A UDR argument has no mechanism and keeps its type in the domain its field source names.
  echo "select 'ROW', trim(a.rdb\$function_name), a.rdb\$argument_position,"
  echo "       coalesce(cast(a.rdb\$mechanism as varchar(5)), '-'), coalesce(a.rdb\$field_type, d.rdb\$field_type),"
  echo "       coalesce(a.rdb\$field_length, d.rdb\$field_length),"
  echo "       coalesce(cast(coalesce(a.rdb\$character_set_id, d.rdb\$character_set_id) as varchar(5)), '-'),"
  echo "       case when coalesce(a.rdb\$field_type, d.rdb\$field_type) = 261"
  echo "            then cast(coalesce(a.rdb\$field_sub_type, d.rdb\$field_sub_type) as varchar(5)) else '-' end"
  echo "  from rdb\$function_arguments a join rdb\$functions f on f.rdb\$function_name = a.rdb\$function_name"
  echo "  left join rdb\$fields d on d.rdb\$field_name = a.rdb\$field_source"
  echo " where f.rdb\$module_name = 'Brindle_FB' or f.rdb\$engine_name = 'UDR'"
  echo "    or (f.rdb\$system_flag = 0 and f.rdb\$module_name is null and f.rdb\$engine_name is null);"
} > "$work/script.sql"
(cd "$work" && "$isql" -q -i "$work/script.sql") \
  > "$work/out.txt" 2>&1 || { cat "$work/out.txt"; exit 1; }
awk '$1 == "ROW" { $1 = ""; sub(/^ /, ""); print }' "$work/out.txt" | sort > "$work/actual.txt"
sort "$expected" > "$work/expected.txt"
if ! diff -u "$work/expected.txt" "$work/actual.txt" > "$work/diff.txt"; then
  echo "declared kinds differ from the registry (- registry, + engine):"
  head -60 "$work/diff.txt"
  exit 1
fi
echo "$(wc -l < "$work/expected.txt") arguments and results as the registry describes them"
