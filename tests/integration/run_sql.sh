#!/usr/bin/env bash
# Runs one SQL test file through an embedded Firebird engine:
#   run_sql.sh <isql> <Brindle_FB.so | libbrindle_udr.so> <declaration script> <test.sql> [NONE|UTF8]
# A fresh database of the given default character set (NONE if not given) is created in a
# temporary directory, the declaration script is run as a
# user would run it, then the test file. Every check in a test file is a column whose value
# is 'ok' when it holds and 'FAIL' otherwise (see README.md); the run fails on any FAIL, on
# any SQL error, or when no check passed.
set -euo pipefail
isql=$1 module=$2 declare=$3 test=$4 charset=${5:-NONE}
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# A UDR module goes into the root's plugins/udr, with the stock UdfAccess = None.
case "$(basename "$module")" in
  lib*.so) bash "$here/../../scripts/fbroot.sh" "$work/root" "$module" ;;
  *) bash "$here/../../scripts/fbroot.sh" "$work/root" "$(dirname "$module")" ;;
esac
{
  echo "set bail on;"
  echo "create database '$work/test.fdb' user 'SYSDBA' default character set $charset;"
  cat "$declare"
  echo "set list on;"
  cat "$test"
} > "$work/script.sql"
set +e
out=$(cd "$work" && FIREBIRD="$work/root" FIREBIRD_LOCK="$work/lock" ISC_USER=SYSDBA "$isql" -q -i "$work/script.sql" 2>&1)
rc=$?
set -e
printf '%s\n' "$out"
ok=$(printf '%s\n' "$out" | grep -c -E '[[:space:]]ok[[:space:]]*$' || true)
bad=$(printf '%s\n' "$out" | grep -E '[[:space:]]FAIL[[:space:]]*$' || true)
if [ $rc -ne 0 ]; then echo "isql exited with $rc"; exit 1; fi
if [ -n "$bad" ]; then printf 'failed checks:\n%s\n' "$bad"; exit 1; fi
if [ "$ok" -eq 0 ]; then echo "no check passed"; exit 1; fi
echo "$ok checks passed"
