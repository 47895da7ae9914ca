#!/usr/bin/env bash
# Installs, with apt, whatever a command needs and the machine lacks, as the Debian release
# has it (Debian 12: Firebird 3.0 and clang 14; Debian 13: Firebird 4.0 and clang 19):
#   deps.sh demo    g++, CMake and Firebird (embedded engine, isql, client library, headers,
#                   ib_util): what scripts/demo.sh needs
#   deps.sh test    the same, and clang with its sanitizer and libFuzzer runtimes, GoogleTest,
#                   Google Benchmark and Python's venv (for scripts/fb5.sh): what scripts/test.sh
#                   needs (the default)
#   deps.sh --clang prints the clang++ the test command uses (the newest one installed)
# A Firebird already installed (Debian's, or upstream in /opt/firebird) is kept as it is.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
mode=${1:-test}
if [ "$mode" = --clang ]; then
  c=$(ls /usr/bin/clang++-[0-9]* 2>/dev/null | sort -t- -k2 -n | tail -1)
  [ -n "$c" ] || c=$(command -v clang++ || true)
  [ -n "$c" ] || { echo "deps.sh: no clang++ installed (run scripts/deps.sh test)" >&2; exit 1; }
  echo "$c"
  exit 0
fi
case "$mode" in demo | test) ;; *) echo "usage: deps.sh [demo | test | --clang]" >&2; exit 2 ;; esac

release=$(. /etc/os-release 2>/dev/null && echo "${VERSION_ID:-}")
case "$release" in
  12) firebird=3.0 clang=14 ;;
  13) firebird=4.0 clang=19 ;;
  *) firebird="" clang="" ;;  # another release: the newest its registry offers, found below
esac
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
updated=""
update() { [ -n "$updated" ] || { $sudo apt-get update -qq; updated=1; }; }
offered() { apt-cache show "$1" > /dev/null 2>&1; }  # offered <package>
newest() {  # newest <pattern with N> <candidate N...>: the first candidate the registry offers
  local p=$1 n
  shift
  update
  for n in "$@"; do offered "${p//N/$n}" && { echo "$n"; return; }; done
}

packages=(g++ cmake make)
installed=$(bash "$here/fbroot.sh" --engine 2> /dev/null || true)
case "$installed" in
  /usr/lib/*) firebird=$(echo "$installed" | awk '{ print $2 }') ;;  # Debian's: the rest of its packages
  ?*) firebird="" ;;                                                 # upstream: it has all it needs
  *) [ -n "$firebird" ] || firebird=$(newest firebirdN-server-core 5.0 4.0 3.0)
     [ -n "$firebird" ] || { echo "deps.sh: no Firebird package found for this release" >&2; exit 1; } ;;
esac
[ -z "$firebird" ] || packages+=("firebird$firebird-server-core" "firebird$firebird-utils" firebird-dev libib-util libfbclient2)
if [ "$mode" = test ]; then
  [ -n "$clang" ] || clang=$(newest clang-N 21 20 19 18 17 16 15 14)
  [ -n "$clang" ] || { echo "deps.sh: no clang package found for this release" >&2; exit 1; }
  packages+=("clang-$clang" "libclang-rt-$clang-dev" "llvm-$clang" libgtest-dev libbenchmark-dev
            python3 python3-venv)
fi
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
update
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" > /dev/null
