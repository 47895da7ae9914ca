#!/usr/bin/env bash
# The functions through Debian's Firebird server (3.0 on Debian 12, 4.0 on Debian 13: the one
# installed) over TCP, as a user other than the owner sees them:
#   server_test.sh [build dir]        (default build; run as root)
# Installs firebirdX.Y-server with apt when it is missing, installs the built modules where the
# server looks for them (cmake --install; the scripts and brindle-register go to a scratch
# prefix), starts the packaged server by hand as the firebird user (no init system needed) on
# port 3050 with the SYSDBA password the package generated, then over localhost:/path registers
# the functions for a role with brindle-register, calls them as a second user holding the role,
# checks that a user without it is refused, runs the registration again (a no-op) and drops
# them; then, with firebird.conf's UdfAccess line set for the run as the package's postinst
# says, declares them through the legacy module, switches them to UDR in place and drops
# them. Afterwards the server is stopped, firebird.conf restored and the modules it did not
# have before are removed.
# It changes the machine's Firebird installation while it runs, so it is not part of the test
# suite.
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(cd "${1:-build}" && pwd)
[ "$(id -u)" -eq 0 ] || { echo "server_test.sh: run as root (it installs into the engine's directories)" >&2; exit 2; }
read -r _ v _ isql <<< "$(bash scripts/fbroot.sh --engine)"
if ! dpkg-query -W -f='${Status}' "firebird$v-server" 2>/dev/null | grep -q "install ok installed"; then
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "firebird$v-server" > /dev/null
fi
if (exec 3<>/dev/tcp/127.0.0.1/3050) 2>/dev/null; then
  echo "server_test.sh: something already listens on port 3050; stop it first" >&2
  exit 2
fi
# ISC_USER and ISC_PASSWORD of SYSDBA, as the package generated them.
# shellcheck disable=SC1090,SC1091
. "/etc/firebird/$v/SYSDBA.password"
export ISC_USER ISC_PASSWORD
sysdba_password=$ISC_PASSWORD

work=$(mktemp -d)
chmod 755 "$work"
mkdir "$work/db"
chown firebird:firebird "$work/db"
server=""
installed=()
cleanup() {
  if [ -n "$server" ]; then  # the server takes a moment to shut down; it gets ten seconds
    kill "$server" 2>/dev/null || true
    for _ in $(seq 50); do kill -0 "$server" 2>/dev/null || break; sleep 0.2; done
    ! kill -0 "$server" 2>/dev/null || kill -9 "$server"
    wait "$server" 2>/dev/null || true
  fi
  for f in "${installed[@]}"; do rm -f "$f"; done
  [ ! -f "$work/firebird.conf" ] || cat "$work/firebird.conf" > "$conf"
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM HUP

cmake --install "$build" --prefix "$work/prefix" > "$work/install.log"
for f in $(grep -o "/usr/lib/[^ ]*firebird/$v/[^ ]*\.so" "$work/install.log" | sort -u); do
  grep -q "Up-to-date: $f" "$work/install.log" || installed+=("$f")
done
udr=$(grep -o '/usr/lib/[^ ]*/plugins/udr/libbrindle_udr.so' "$work/install.log" | head -1)
[ -f "$udr" ] || { cat "$work/install.log"; echo "server_test.sh: the UDR module was not installed" >&2; exit 1; }
register="timeout 60 $work/prefix/bin/brindle-register"
# The legacy front end needs the module's directory allowed, as the package's postinst says.
conf=/etc/firebird/$v/firebird.conf
cp "$conf" "$work/firebird.conf"
# The first UdfAccess line is the one the server takes: the stock one is changed (Firebird 4.0
# has it commented out: then one is added).
udf_dir=$(dirname "$(grep -o '/usr/lib/[^ ]*/UDF/Brindle_FB.so' "$work/install.log" | head -1)")
sed -i "s|^UdfAccess[[:space:]]*=.*|UdfAccess = Restrict $udf_dir|" "$conf"
grep -q "^UdfAccess = Restrict $udf_dir\$" "$conf" || printf 'UdfAccess = Restrict %s\n' "$udf_dir" >> "$conf"

mkdir -p "/run/firebird$v"
chown firebird:firebird "/run/firebird$v"
setpriv --reuid firebird --regid firebird --init-groups /usr/sbin/firebird > "$work/server.log" 2>&1 &
server=$!
for _ in $(seq 50); do
  (exec 3<>/dev/tcp/127.0.0.1/3050) 2>/dev/null && break
  sleep 0.2
done
(exec 3<>/dev/tcp/127.0.0.1/3050) 2>/dev/null || { cat "$work/server.log"; echo "the server did not start" >&2; exit 1; }

db=localhost:$work/db/server.fdb
failed=0
check() {  # check <what> <command...>
  local what=$1
  shift
  if "$@"; then echo "ok   $what"; else echo "FAIL $what"; failed=1; fi
}
as() {  # as <user> <password> <role or -> <statements>: output of isql over TCP
  local role=()
  [ "$3" = - ] || role=(-role "$3")
  printf 'set list on;\n%s\n' "$4" | timeout 60 "$isql" -q -user "$1" -password "$2" "${role[@]}" "$db" 2>&1
}
calls="select version() as v, mid('abcdef', 1, 3) as m, stringlength('abcd') as n,
  encodedate(2008, 3, 14) as d, blobsize(strblob('abc')) as b from rdb\$database;"

printf "create database '%s' user 'SYSDBA' password '%s';\n" "$db" "$sysdba_password" | timeout 60 "$isql" -q
as SYSDBA "$sysdba_password" - "create or alter user brindle_user set password 'bu-pass';
  create or alter user brindle_other set password 'bo-pass';
  create role brindle_users; grant brindle_users to brindle_user; commit;" > "$work/users" ||
  { cat "$work/users"; exit 1; }

$register "$db" --grant brindle_users | tee "$work/out"
check "brindle-register declares over TCP" grep -q "434 declared" "$work/out"
check "version() answered through the server" grep -q "VERSION() through the UDR front end: zelko" "$work/out"
as brindle_user bu-pass brindle_users "$calls" > "$work/user"
check "a second user with the role gets the answers" grep -q "^M *bcd$" "$work/user"
check "all of them" bash -c "grep -q '^D *2008-03-14$' '$work/user' && grep -q '^B *3$' '$work/user' &&
  grep -q '^N *4$' '$work/user'"
as brindle_other bo-pass - "$calls" > "$work/other" || true
check "a user without the role is refused" grep -q "no permission for EXECUTE" "$work/other"
$register "$db" --grant brindle_users | tee "$work/out"
check "a second run is a no-op" grep -q "0 declared, 0 switched to the UDR front end, 434 already declared, 0 granted" "$work/out"
check "and reports no difference" bash -c "! grep -q 'declared differently' '$work/out'"
$register "$db" --drop | tee "$work/out"
check "dropped over TCP" grep -q "dropped 434 functions" "$work/out"
as brindle_user bu-pass brindle_users "$calls" > "$work/user" || true
check "the second user no longer has them" grep -q -i "function unknown" "$work/user"

# Legacy declarations over TCP, switched to UDR in place under a view that uses them.
db=localhost:$work/db/legacy.fdb
printf "create database '%s' user 'SYSDBA' password '%s';\n" "$db" "$sysdba_password" | timeout 60 "$isql" -q
$register "$db" --legacy | tee "$work/out"
check "declared through the legacy module" grep -q "VERSION() through the legacy front end: zelko" "$work/out"
as SYSDBA "$sysdba_password" - "create view v_mid as select cast(mid('abcdef', 1, 3) as varchar(10)) as m
  from rdb\$database; grant select on v_mid to public; commit;" > /dev/null
as brindle_other bo-pass - "select * from v_mid; $calls" > "$work/user"
check "the legacy functions answer a second user" grep -q "^B *3$" "$work/user"
$register "$db" --udr | tee "$work/out"
check "switched to UDR in place" grep -q "0 declared, 434 switched to the UDR front end" "$work/out"
as brindle_other bo-pass - "select * from v_mid; $calls" > "$work/user2"
check "the same answers after the switch" diff "$work/user" "$work/user2"
$register "$db" --drop > "$work/out" 2>&1 || true
check "the used function is not dropped" grep -q "MID (used by view V_MID)" "$work/out"

as SYSDBA "$sysdba_password" - "drop user brindle_user; drop user brindle_other; commit;" > /dev/null
exit $failed
