#!/usr/bin/env bash
# A deliberately failing check must be reported with its condition, what came back and what was
# expected (run_sql.sh and explain.sh):
#   explain_selftest.sh <isql> <Brindle_FB.so> <declaration script>
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cat > "$work/failing.sql" <<'SQL'
select iif(1 = 1, 'ok', 'FAIL') as passes,
       iif(upper('a') = 'A' and 'x' || ascii_char(233) = 'x'
           and lower('Q') is null, 'ok', 'FAIL') as deliberate
from rdb$database;
SQL
bash "$here/../integration/run_sql.sh" "$1" "$2" "$3" "$work/failing.sql" NONE > "$work/out" 2>&1
rc=$?
cat "$work/out"
expected="  DELIBERATE (line 3): upper('a') = 'A' and 'x' || ascii_char(233) = 'x' and lower('Q') is null
   does not hold: 'x' || ascii_char(233) = 'x'
     got:      x'78E9'
     expected: 'x'
   does not hold: lower('Q') is null
     got:      'q'
     expected: null"
[ $rc -ne 0 ] || { echo "FAIL: the run passed"; exit 1; }
grep -q -F -x "failed checks:" "$work/out" || { echo "FAIL: no list of failed checks"; exit 1; }
if [ "$(sed -n '/^  DELIBERATE/,$p' "$work/out")" != "$expected" ]; then
  printf 'FAIL: the explanation differs from:\n%s\n' "$expected"
  exit 1
fi
echo "the failed check is explained"
