#!/usr/bin/env bash
# Runs the SQL suite on Firebird 5 and the bound-parameter test on Firebird 5 and on the system's
# engine (3.0 or 4.0), through Firebird's Python driver (no isql needed):
#   fb5.sh [BUILD_DIR]     (default build; it must hold both modules and the generated scripts)
# Firebird 5 comes from PyPI's firebird-embedded wheel (an embedded engine runtime, no server),
# installed with firebird-driver into a virtual environment in BUILD_DIR/fb5. The engine runs
# from a private root made of copies of that runtime (the engine refuses plugins reached through
# symbolic links), with its own firebird.conf and plugins.conf: legacy modules allowed from the
# root's UDF folder only, UDR modules from its plugins/udr. The system's engine runs from the
# root scripts/fbroot.sh makes. Ends with 'fb5: N passed, M failed' and fails on any failure.
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-build}" && pwd)
for f in Brindle_FB.so libbrindle_udr.so sql/brindle_declare.sql sql/brindle_udr_declare.sql \
         generated/examples.sql generated/legacy_kinds.txt generated/udr_kinds.txt; do
  [ -f "$build/$f" ] || { echo "fb5: $build/$f is missing: build the modules and their scripts first" >&2; exit 1; }
done

# The driver and the runtime, pinned: a new runtime is a new engine to check.
pins=(firebird-embedded==5.0.4.4 firebird-driver==2.1.0 firebird-base==2.0.4)
venv=$build/fb5/venv
py=$venv/bin/python
if [ "$("$py" -m pip freeze 2> /dev/null | grep -c -x -F "$(printf '%s\n' "${pins[@]}")")" -ne ${#pins[@]} ]; then
  rm -rf "$venv"
  python3 -m venv "$venv"
  "$py" -m pip install -q --disable-pip-version-check "${pins[@]}"
fi
runtime=$("$py" -c 'from firebird.embedded.provider import FirebirdProvider; print(FirebirdProvider().root)')

# The private Firebird 5 root. The engine's plugins find the client library and libtomcrypt in
# ../lib, and the engine loads ib_util from lib too (the legacy module takes its allocator there).
root=$build/fb5/root
rm -rf "$root"
mkdir -p "$root/lib" "$root/plugins/udr" "$root/UDF"
cp "$runtime"/libfbclient.so.2 "$runtime"/libtomcrypt.so.1 "$runtime"/libib_util.so "$root/lib/"
cp "$runtime"/plugins/libEngine13.so "$runtime"/plugins/libudr_engine.so "$root/plugins/"
cp -r "$runtime"/intl "$runtime"/tzdata "$runtime"/firebird.msg "$root/"
cp "$build/libbrindle_udr.so" "$root/plugins/udr/"
cp "$build/Brindle_FB.so" "$root/UDF/"
cat > "$root/firebird.conf" <<CONF
UdfAccess = Restrict $root/UDF
Providers = Engine13
CONF
cat > "$root/plugins.conf" <<CONF
Plugin = UDR {
	Module = $root/plugins/udr_engine
	Config = UDR_config
}
Config = UDR_config {
	path = $root/plugins/udr
}
CONF

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The system's engine (Debian 12: 3.0, Debian 13: 4.0) through its own client library.
bash "$repo/scripts/fbroot.sh" "$work/sys" "$build"
read -r _ sys_version _ <<< "$(bash "$repo/scripts/fbroot.sh" --engine)"
sys_client=$( (ldconfig -p 2>/dev/null || /sbin/ldconfig -p) | awk '$1 == "libfbclient.so.2" && !found { print $NF; found = 1 }')
[ -n "$sys_client" ] || sys_client=/opt/firebird/lib/libfbclient.so.2

passed=0 failed=0
# run NAME ENGINE_ROOT CLIENT VERSION PROGRAM ARGS...: one engine per process.
run() {
  local name=$1 engine_root=$2 client=$3 version=$4 dir=$work/$1
  shift 4
  mkdir -p "$dir"
  set +e
  (PYTHONDONTWRITEBYTECODE=1 FIREBIRD=$engine_root FIREBIRD_LOCK=$dir/lock FB_CLIENT=$client FB_ENGINE=$version \
    "$py" "$repo/tests/python/$1" "$build" "${@:2}" "$dir") > "$dir/out" 2>&1
  local rc=$?
  set -e
  local result
  result=$(grep '^RESULT ' "$dir/out" | tail -1 || true)
  grep -v '^RESULT ' "$dir/out" | head -100 | sed "s/^/$name: /" || true
  if [ -z "$result" ]; then
    failed=$((failed + 1))
    echo "$name: FAIL ended with $rc before its result"
    [ ! -f "$engine_root/firebird.log" ] || tail -20 "$engine_root/firebird.log" | sed "s/^/$name: log: /"
  else
    read -r _ p f <<< "$result"
    passed=$((passed + p)) failed=$((failed + f))
    echo "$name: $p passed, $f failed"
  fi
}
for front in legacy udr; do
  for cs in NONE UTF8; do
    run "sql-$front-$cs" "$root" "$root/lib/libfbclient.so.2" 5.0 sql_suite.py "$front" "$cs"
  done
done
run bind-fb5 "$root" "$root/lib/libfbclient.so.2" 5.0 bind_params.py
run "bind-fb$sys_version" "$work/sys" "$sys_client" "$sys_version" bind_params.py
echo "fb5: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
