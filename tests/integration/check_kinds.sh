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
  cat "$here/../support/declared_kinds.sql"
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
