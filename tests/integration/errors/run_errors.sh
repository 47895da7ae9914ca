#!/usr/bin/env bash
# Runs cases that may end in an error through an embedded Firebird engine:
#   run_errors.sh <isql> <Brindle_FB.so | libbrindle_udr.so> <declaration script> <NONE|UTF8> <file.cases>...
# A case file holds cases separated by blank lines; lines starting with '#' are comments:
#   case <name> [legacy|udr|NONE|UTF8 ...]   the words after the name limit where the case runs
#   expect ok                  every column of the statement says 'ok' (none says 'FAIL')
#   expect error <text>        the statement fails and its message contains <text>
#   expect bytes <hex>         the statement's output holds these bytes as the client got them
#   <one SQL statement, on as many lines as it takes, ending with ';'>
# In the statement and the expectation, @W@ is the declared width of a text argument: 32767 for the legacy
# CSTRING(32767), the width of the declaration script's VARCHAR(W) for UDR.
# All cases run in one fresh database, one after the other; a case whose outcome is not the
# expected one fails, and so does every case after an engine crash.
set -euo pipefail
isql=$1 module=$2 declare=$3 charset=$4
shift 4
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
. "$here/../../support/testdb.sh"
testdb_new "$work" "$isql" "$module" "$declare" "$charset"
case "$(basename "$module")" in
  lib*.so)
    front=udr
    width=$(grep -m1 -o -i 'CREATE FUNCTION br_ltrim (a1 VARCHAR([0-9]*)' "$declare" | grep -o '[0-9][0-9]*' | tail -1 || true)
    ;;
  *)
    front=legacy
    width=32767
    ;;
esac
[ -n "$width" ] || { echo "no text width found in $declare"; exit 1; }

# The cases that run here, one file each in $work/cases: name, expectation, statement.
mkdir "$work/cases"
awk -v front="$front" -v cs="$charset" -v dir="$work/cases" -v width="$width" '
  function flush() {
    if (name != "" && runs) {
      n++
      f = sprintf("%s/%04d", dir, n)
      printf "%s\n%s\n%s", name, expect, sql > f
      close(f)
    }
    name = ""; expect = ""; sql = ""
  }
  /^#/ { next }
  /^[[:space:]]*$/ { flush(); next }
  /^case / {
    flush()
    name = $2; runs = 1
    if (NF > 2) {
      runs = 0; fe = 0; fe_ok = 0; c = 0; c_ok = 0
      for (i = 3; i <= NF; i++) {
        if ($i == "legacy" || $i == "udr") { fe = 1; if ($i == front) fe_ok = 1 }
        else { c = 1; if ($i == cs) c_ok = 1 }
      }
      runs = (!fe || fe_ok) && (!c || c_ok)
    }
    next
  }
  /^expect / { expect = substr($0, 8); gsub(/@W@/, width, expect); next }
  { line = $0; gsub(/@W@/, width, line); sql = sql line "\n" }
  END { flush() }
' "$@"

{
  echo "connect '$TESTDB';"
  echo "set list on;"
  for f in "$work"/cases/*; do
    echo "select '$(basename "$f")' as case_begins from rdb\$database;"
    tail -n +3 "$f"
  done
  echo "select 'all' as cases_done from rdb\$database;"
} > "$work/script.sql"

# One stream, errors where they happen (-m merges the error output into the results).
set +e
(cd "$work" && "$isql" -q -m \
  -i "$work/script.sql" > "$work/out" 2>&1)
rc=$?
set -e
if [ $rc -gt 128 ]; then echo "isql ended by signal $((rc - 128))"; fi

# The output of each case: from its marker to the next.
awk -v dir="$work/cases" '
  /^CASE_BEGINS[[:space:]]/ { f = dir "/" $2 ".out"; printf "" > f; next }
  /^CASES_DONE[[:space:]]/ { f = ""; next }
  f != "" { print >> f }
' "$work/out"
done_seen=$(grep -c '^CASES_DONE[[:space:]]' "$work/out" || true)

passed=0 failed=0
for f in "$work"/cases/????; do
  name=$(sed -n 1p "$f")
  expect=$(sed -n 2p "$f")
  out="$f.out"
  why=""
  if [ ! -f "$out" ]; then
    why="did not run: the engine stopped before it"
  elif [ "$done_seen" -eq 0 ] && [ ! -f "$(printf '%s/%04d.out' "$work/cases" $((10#$(basename "$f") + 1)))" ]; then
    why="the engine stopped during it"
  else
    case "$expect" in
      ok)
        if grep -q 'Statement failed' "$out"; then why="failed"
        elif grep -q -E '[[:space:]]FAIL[[:space:]]*$' "$out"; then
          tail -n +3 "$f" > "$f.sql"
          why="a check said FAIL
$(cd "$work" && bash "$here/../../support/explain.sh" "$isql" "$TESTDB" "$f.sql" \
    $(grep -E '[[:space:]]FAIL[[:space:]]*$' "$out" | awk '{ print $1 }' | sort -u))"
        elif ! grep -q -E '[[:space:]]ok[[:space:]]*$' "$out"; then why="no check said ok"
        fi
        ;;
      "error "*)
        text=${expect#error }
        if ! grep -q 'Statement failed' "$out"; then why="did not fail"
        elif ! grep -q -F -- "$text" "$out"; then why="failed without '$text'"
        fi
        ;;
      "bytes "*)
        hex=${expect#bytes }
        if grep -q 'Statement failed' "$out"; then why="failed"
        elif ! od -An -v -tx1 "$out" | tr -d ' \n' | grep -q -i -- "$hex"; then why="its output lacks the bytes $hex"
        fi
        ;;
      *) why="unknown expectation '$expect'" ;;
    esac
  fi
  if [ -z "$why" ]; then
    passed=$((passed + 1))
    echo "ok   $name"
  else
    failed=$((failed + 1))
    echo "FAIL $name: $why"
    tail -n +3 "$f" | sed 's/^/     | /' | cut -c1-200
    [ -f "$out" ] && sed 's/^/     > /' "$out" | cut -c1-200
  fi
done
echo "front end $front, character set $charset, text width $width"
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ] && [ "$passed" -gt 0 ] && [ "$done_seen" -gt 0 ]
