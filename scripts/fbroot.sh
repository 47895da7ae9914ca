#!/usr/bin/env bash
# Makes a private Firebird engine root for running the engine embedded (no server process):
#   fbroot.sh <root dir> <directory holding Brindle_FB.so> [further module directory ...]
# The root links the system's engine plugins, character sets and messages, and has its own
# firebird.conf that allows external functions from the module's directory only.
set -euo pipefail
root=$1
moddirs=""
shift
for d in "${@}"; do moddirs="${moddirs:+$moddirs;}$(cd "$d" && pwd)"; done
fbdir=""
for d in /usr/lib/x86_64-linux-gnu/firebird/3.0 /usr/lib/firebird/3.0 /opt/firebird; do
  if [ -d "$d/plugins" ]; then fbdir=$d; break; fi
done
[ -n "$fbdir" ] || { echo "Firebird 3 engine files not found" >&2; exit 1; }
mkdir -p "$root/plugins"
for p in "$fbdir"/plugins/*; do ln -sf "$p" "$root/plugins/"; done
ln -sfn "$fbdir/intl" "$root/intl"
ln -sf "$fbdir/firebird.msg" "$root/firebird.msg"
cp "$(readlink -f "$fbdir/plugins.conf")" "$root/plugins.conf"
cat > "$root/firebird.conf" <<CONF
UdfAccess = Restrict $moddirs
Providers = Engine12
CONF
