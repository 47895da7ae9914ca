#!/usr/bin/env bash
# Makes a private Firebird engine root for running the engine embedded (no server process):
#   fbroot.sh <root dir> <module directory or UDR module file> [...]
# or tells which Firebird is installed:
#   fbroot.sh --engine      prints "<engine folder> <version> <engine plugin> <isql>", e.g.
#                           /usr/lib/x86_64-linux-gnu/firebird/4.0 4.0 Engine13 /usr/lib/firebird/4.0/bin/isql-fb
# The installed Firebird is the one of the system's client library (Debian's firebird3.0 or
# firebird4.0 packages), else an upstream one in /opt/firebird; BRINDLE_FIREBIRD_DIR names
# another engine folder (one holding plugins/ and firebird.msg).
# The root holds the engine's plugins (hard links, or copies across file systems: Firebird 4
# and later refuse a plugin reached through a symbolic link), links to its character sets and
# messages, and its own firebird.conf that allows legacy external functions from the given
# directories only (UdfAccess = None, the stock setting, when only UDR module files are
# given). A UDR module (lib<name>.so), given as a file or found in a given directory, is
# copied into plugins/udr, where the UDR engine looks modules up.
# A program reads the root when FIREBIRD names it. Debian's isql-fb, gfix, ... in /usr/bin are
# wrappers from Firebird 4.0 on that set FIREBIRD to the system's root: run the binaries the
# --engine line names (isql) or the ones beside it.
set -euo pipefail

engine_of() {  # engine_of <folder>: "<folder> <version> <plugin> <isql>", or nothing
  local d=$1 v="" e isql="" f
  [ -d "$d/plugins" ] || return 0
  if [ -e "$d/plugins/libEngine12.so" ]; then e=Engine12 v=3.0
  elif [ -e "$d/plugins/libEngine13.so" ]; then e=Engine13
  else return 0
  fi
  case "$(basename "$d")" in [0-9].[0-9]) v=$(basename "$d") ;; esac
  if [ -z "$v" ]; then
    for f in "$d"/lib/libfbclient.so.[0-9]*.[0-9]*; do
      [ -e "$f" ] && v=$(basename "$f" | sed -E 's/^libfbclient\.so\.([0-9]+\.[0-9]+).*/\1/') && break
    done
  fi
  [ -n "$v" ] || v=4.0
  for f in "/usr/lib/firebird/$v/bin/isql-fb" "$d/bin/isql" "$d/bin/isql-fb"; do
    [ -x "$f" ] && [ ! -L "$f" ] && { isql=$f; break; }
  done
  [ -n "$isql" ] || isql=$(command -v isql-fb || command -v isql || echo isql-fb)
  echo "$d $v $e $isql"
}

find_engine() {
  local client v d
  if [ -n "${BRINDLE_FIREBIRD_DIR:-}" ]; then engine_of "$BRINDLE_FIREBIRD_DIR"; return; fi
  # The version of the client library the system loads: its engine is the one it embeds.
  client=$( (ldconfig -p 2>/dev/null || /sbin/ldconfig -p) | awk '$1 == "libfbclient.so.2" && !found { print $NF; found = 1 }')
  if [ -n "$client" ]; then
    v=$(basename "$(readlink -f "$client")" | sed -nE 's/^libfbclient\.so\.([0-9]+\.[0-9]+).*/\1/p')
    for d in /usr/lib/*/firebird/"$v" /usr/lib/firebird/"$v"; do
      [ -n "$v" ] && [ -d "$d/plugins" ] && { engine_of "$d"; return; }
    done
  fi
  for d in /opt/firebird /usr/lib/*/firebird/[0-9].[0-9]; do
    [ -d "$d/plugins" ] && { engine_of "$d"; return; }
  done
}

if [ "${1:-}" = --engine ]; then
  line=$(find_engine)
  [ -n "$line" ] || { echo "fbroot.sh: no Firebird engine found (install Debian's firebird3.0-server-core or firebird4.0-server-core, or set BRINDLE_FIREBIRD_DIR)" >&2; exit 1; }
  echo "$line"
  exit 0
fi

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
line=$(find_engine)
[ -n "$line" ] || { echo "fbroot.sh: no Firebird engine found" >&2; exit 1; }
read -r fbdir _ engine _ <<< "$line"
link() { ln -f "$1" "$2" 2>/dev/null || cp -f "$1" "$2"; }  # link <file> <folder>
mkdir -p "$root/plugins/udr"
for p in "$fbdir"/plugins/*; do
  [ -f "$p" ] && link "$p" "$root/plugins/"
done
for p in "$fbdir"/plugins/udr/*; do
  [ -f "$p" ] && link "$p" "$root/plugins/udr/"
done
# A copy, not a link: the engine checks that the entry point it finds lies in the file it
# opened, and a link names another path.
for u in "${udrs[@]}"; do cp --remove-destination "$u" "$root/plugins/udr/"; done
# The character sets are a plugin too: their module is linked like the others, or the engine
# loads none but the built-in ones (NONE, OCTETS, ASCII, UTF8).
if [ -d "$fbdir/intl" ]; then
  mkdir -p "$root/intl"
  for p in "$fbdir"/intl/*; do
    [ -f "$p" ] && link "$(readlink -f "$p")" "$root/intl/$(basename "$p")"
  done
fi
for f in lib tzdata firebird.msg; do
  [ -e "$fbdir/$f" ] && ln -sfn "$fbdir/$f" "$root/$f"
done
# plugins.conf names the UDR engine and its module folder, $(dir_plugins)/udr; Firebird 3
# takes $(dir_plugins) from where it was installed, not from the root, so the copy names the
# root's own folder.
udrdir="$(cd "$root/plugins/udr" && pwd)"
sed "s|\$(dir_plugins)/udr\b|$udrdir|" "$(readlink -f "$fbdir/plugins.conf")" > "$root/plugins.conf"
access="None"
[ -z "$moddirs" ] || access="Restrict $moddirs"
cat > "$root/firebird.conf" <<CONF
UdfAccess = $access
Providers = $engine
CONF
