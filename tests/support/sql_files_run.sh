#!/usr/bin/env bash
# Fails when an SQL test file is not run as often as it should be:
#   sql_files_run.sh <tests folder> <list of the files the registered tests run, ';' between>
# integration/*.sql and integration/errors/*.cases run 4 times (two front ends, two character
# sets), udr/*.sql twice (UDR, two character sets).
set -euo pipefail
tests=$(cd "$1" && pwd) list=$2
tr ';' '\n' < "$list" | sort | uniq -c > "${TMPDIR:-/tmp}/sql_files_run.$$"
trap 'rm -f "${TMPDIR:-/tmp}/sql_files_run.$$"' EXIT
bad=0 n=0
for pair in "integration/*.sql 4" "integration/errors/*.cases 4" "udr/*.sql 2"; do
  set -- $pair
  for f in "$tests"/$1; do
    [ -e "$f" ] || continue
    n=$((n + 1))
    runs=$(awk -v f="$f" '$2 == f { print $1 }' "${TMPDIR:-/tmp}/sql_files_run.$$")
    if [ "${runs:-0}" -ne "$2" ]; then
      echo "FAIL ${f#"$tests"/}: run by ${runs:-0} tests, expected $2 (re-run cmake after adding a file)"
      bad=1
    fi
  done
done
echo "$n SQL test files checked"
exit $bad
