#!/usr/bin/env bash
# Runs one SQL test file through an embedded Firebird engine:
#   run_sql.sh <isql> <Brindle_FB.so | libbrindle_udr.so> <declaration script> <test.sql> [NONE|UTF8]
# The test file runs in a fresh database of the given default character set (NONE if not given)
# in which the declaration script ran as a user would run it (tests/support/testdb.sh). Every
# check in a test file is a column whose value is 'ok' when it holds and 'FAIL' otherwise (see
# README.md); the run fails on any FAIL, on any SQL error, or when no check passed. A FAIL is
# explained: its condition, and what each side of its comparisons gave.
set -euo pipefail
isql=$1 module=$2 declare=$3 test=$4 charset=${5:-NONE}
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
. "$here/../support/testdb.sh"
testdb_new "$work" "$isql" "$module" "$declare" "$charset"
{
  echo "set bail on;"
  echo "connect '$TESTDB';"
  echo "set list on;"
  cat "$test"
} > "$work/script.sql"
set +e
out=$(cd "$work" && "$isql" -q -i "$work/script.sql" 2>&1)
rc=$?
set -e
printf '%s\n' "$out"
ok=$(printf '%s\n' "$out" | grep -c -E '[[:space:]]ok[[:space:]]*$' || true)
bad=$(printf '%s\n' "$out" | grep -E '[[:space:]]FAIL[[:space:]]*$' || true)
if [ $rc -ne 0 ]; then echo "isql exited with $rc"; exit 1; fi
if [ -n "$bad" ]; then
  printf 'failed checks:\n%s\n' "$bad"
  bash "$here/../support/explain.sh" "$isql" "$TESTDB" "$test" $(printf '%s\n' "$bad" | awk '{ print $1 }' | sort -u)
  exit 1
fi
if [ "$ok" -eq 0 ]; then echo "no check passed"; exit 1; fi
echo "$ok checks passed"
