#!/usr/bin/env bash
# Makes a private Firebird engine root for running the engine embedded (no server process):
#   fbroot.sh <root dir> <module directory or UDR module file> [...]
# The root links the system's engine plugins, character sets and messages, and has its own
# firebird.conf that allows legacy external functions from the given directories only
# (UdfAccess = None, the stock setting, when only UDR module files are given). A UDR module
# (lib<name>.so), given as a file or found in a given directory, is linked into plugins/udr,
# where the UDR engine looks modules up.
set -euo pipefail
root=$1
shift
moddirs=""
udrs=()
for d in "${@}"; do
  if [ -d "$d" ]; then
    moddirs="${moddirs:+$moddirs;}$(cd "$d" && pwd)"
    [ -f "$d/libbrindle_udr.so" ] && udrs+=("$(cd "$d" && pwd)/libbrindle_udr.so")
  else
    udrs+=("$(cd "$(dirname "$d")" && pwd)/$(basename "$d")")
  fi
done
fbdir=""
for d in /usr/lib/x86_64-linux-gnu/firebird/3.0 /usr/lib/firebird/3.0 /opt/firebird; do
  if [ -d "$d/plugins" ]; then fbdir=$d; break; fi
done
[ -n "$fbdir" ] || { echo "Firebird 3 engine files not found" >&2; exit 1; }
mkdir -p "$root/plugins"
for p in "$fbdir"/plugins/*; do
  [ "$(basename "$p")" = udr ] || ln -sf "$p" "$root/plugins/"
done
mkdir -p "$root/plugins/udr"
if [ -d "$fbdir/plugins/udr" ]; then
  for p in "$fbdir"/plugins/udr/*; do [ -e "$p" ] && ln -sf "$p" "$root/plugins/udr/"; done
fi
# A copy, not a link: the engine checks that the entry point it finds lies in the file it
# opened, and a link names another path.
for u in "${udrs[@]}"; do cp --remove-destination "$u" "$root/plugins/udr/"; done
ln -sfn "$fbdir/intl" "$root/intl"
ln -sf "$fbdir/firebird.msg" "$root/firebird.msg"
# plugins.conf names the UDR engine and its module folder, $(dir_plugins)/udr; the engine
# takes $(dir_plugins) from where it was installed, not from the root, so the copy names the
# root's own folder.
udrdir="$(cd "$root/plugins/udr" && pwd)"
sed "s|\$(dir_plugins)/udr\b|$udrdir|" "$(readlink -f "$fbdir/plugins.conf")" > "$root/plugins.conf"
access="None"
[ -z "$moddirs" ] || access="Restrict $moddirs"
cat > "$root/firebird.conf" <<CONF
UdfAccess = $access
Providers = Engine12
CONF
