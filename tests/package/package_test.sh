#!/usr/bin/env bash
# Builds the Debian package, extracts it into a scratch root and uses the installed files only:
# the registration command, the declaration and drop scripts of both front ends, the modules
# (through a private engine root that points at the extracted ones).
#   package_test.sh <build dir> <isql>
set -euo pipefail
build=$1 isql=$2
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
check() {  # check <what> <command...>
  local what=$1
  shift
  if "$@"; then echo "ok   $what"; else echo "FAIL $what"; failed=1; fi
}

cpack -G DEB -B "$work/pkg" --config "$build/CPackConfig.cmake" > "$work/cpack.log" 2>&1 || { cat "$work/cpack.log"; exit 1; }
deb=$(ls "$work"/pkg/*.deb)
# The Firebird the build is for: its version and engine folder.
cached() { sed -n "s|^$1:[A-Z]*=||p" "$build/CMakeCache.txt"; }
v=$(cached BRINDLE_FIREBIRD_VERSION) fbdir=$(cached BRINDLE_FIREBIRD_ENGINE_DIR)
gfix=$(dirname "$isql")/gfix
[ -x "$gfix" ] || gfix=gfix
dpkg-deb -f "$deb" Depends > "$work/depends"
for p in "firebird$v-server-core" libib-util libfbclient2; do
  check "depends on $p" grep -q "\\b$p\\b" "$work/depends"
done
dpkg-deb -e "$deb" "$work/control"
sh "$work/control/postinst" configure > "$work/postinst.out"
check "postinst: nothing to enable for UDR" grep -q "UDR front end (the default): nothing to enable" "$work/postinst.out"
check "postinst: the UdfAccess line for legacy" grep -q "UdfAccess = Restrict $fbdir/UDF$" "$work/postinst.out"

x=$work/x
dpkg -x "$deb" "$x"
fb=$(dirname "$(find "$x/usr/lib" -name Brindle_FB.so)")
udr=$(find "$x/usr/lib" -name libbrindle_udr.so)
share=$x/usr/share/brindle-fb
check "postinst: legacy functions deprecated from 4.0 on" grep -q "deprecated from 4.0 on" "$work/postinst.out"
check "legacy module in the engine's UDF directory" test "${fb#"$x"}" = "$fbdir/UDF"
check "UDR module in the engine's plugins/udr" test "${udr#"$x"}" = "$fbdir/plugins/udr/libbrindle_udr.so"
for f in brindle_declare.sql brindle_drop.sql brindle_udr_declare.sql brindle_udr_drop.sql; do
  check "script $f" test -s "$share/$f"
done
check "brindle-register in /usr/bin" test -x "$x/usr/bin/brindle-register"

bash "$here/../../scripts/fbroot.sh" "$work/root" "$fb" "$udr"
export FIREBIRD="$work/root" FIREBIRD_LOCK="$work/lock" ISC_USER=SYSDBA
run_isql() {  # run_isql <db> <script file, or - for standard input>
  { echo "connect '$1';"; cat "$2"; } > "$work/s.sql"
  (cd "$work" && "$isql" -q -i "$work/s.sql")
}
. "$here/../support/testdb.sh"
newdb() {  # newdb <db>: a database that needs no flush to disk at every commit
  testdb_create "$isql" "$1"
}
answers() {  # answers <db>: version() and mid() give their answers
  echo "set list on; select version() as v, mid('abcdef', 1, 3) as m from rdb\$database;" |
    run_isql "$1" - > "$work/answers"
  grep -q '^M *bcd$' "$work/answers"  # read whole: grep -q on the pipe could cut isql short
}
empty() {  # empty <db>: the database has no function left
  echo "set list on; select count(*) as n from rdb\$functions where coalesce(rdb\$system_flag, 0) = 0;" | run_isql "$1" - > "$work/count"
  grep -q '^N *0$' "$work/count"
}

# The command, through UDR and legacy, and its drop.
newdb "$work/a.fdb"
check "brindle-register declares through UDR" "$x/usr/bin/brindle-register" "$work/a.fdb"
check "the UDR functions answer" answers "$work/a.fdb"
check "brindle-register switches to legacy" "$x/usr/bin/brindle-register" "$work/a.fdb" --legacy
check "the legacy functions answer" answers "$work/a.fdb"
check "brindle-register drops" "$x/usr/bin/brindle-register" "$work/a.fdb" --drop
check "nothing left" empty "$work/a.fdb"

# The scripts, by hand.
for fe in "" udr_; do
  db=$work/s_${fe}.fdb
  newdb "$db"
  run_isql "$db" "$share/brindle_${fe}declare.sql" > /dev/null
  check "brindle_${fe}declare.sql declares" answers "$db"
  run_isql "$db" "$share/brindle_${fe}drop.sql" > /dev/null
  check "brindle_${fe}drop.sql drops everything" empty "$db"
done
exit $failed
