#!/usr/bin/env bash
# A fresh Debian 13 ("trixie") root made with debootstrap, and commands run inside it (as root):
#   debian13.sh make ROOT [package...]   makes a minimal root in ROOT and installs the packages
#                                        in it with apt (about three minutes)
#   debian13.sh run ROOT [--bind DIR]... COMMAND...
#                                        runs COMMAND in ROOT with /proc, /sys and /dev mounted and
#                                        each DIR bound at its own path; the working directory is
#                                        kept when it is inside a bound DIR
#   debian13.sh sql [BUILD]              the SQL suite on Debian 13's Firebird 4.0: builds the
#                                        modules and test programs here (in BUILD, default
#                                        build-debian13) for that engine, makes a fresh root with
#                                        it and runs there, through both front ends in NONE and
#                                        UTF8 databases, every ctest test whose name starts with
#                                        sql_, bind_params or register_ (CI runs it)
#   debian13.sh try COMMAND...           copies this work tree (tracked and new files, no build
#                                        folders) into a fresh root and runs COMMAND there from
#                                        the copy, as a newcomer on Debian 13 would, e.g.
#                                            scripts/debian13.sh try ./scripts/demo.sh
#                                        the root is removed afterwards (BRINDLE_DEBIAN13_KEEP=DIR
#                                        makes it in DIR and keeps it)
# The mirror is the machine's own (its apt sources), unless BRINDLE_DEBIAN_MIRROR names one.
# BRINDLE_DEBIAN_SUITE=bookworm makes a Debian 12 root instead (make and try), for trying the
# README's commands on a fresh Debian 12 as well.
# Every mount is made in a private mount namespace: it ends with the command, whatever happens.
set -euo pipefail
suite=${BRINDLE_DEBIAN_SUITE:-trixie}
here=$(cd "$(dirname "$0")" && pwd)
[ "$(id -u)" -eq 0 ] || { echo "debian13.sh: run as root (debootstrap, chroot, mounts)" >&2; exit 2; }

sources() { cat /etc/apt/sources.list /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources 2>/dev/null || true; }
mirror() {  # the machine's Debian mirror, and its security mirror
  local m s
  m=${BRINDLE_DEBIAN_MIRROR:-$(sources | grep -o -E 'https?://[^ ]*/debian/?( |$)' | head -1 | tr -d ' ')}
  s=$(sources | grep -o -E 'https?://[^ ]*/debian-security/?( |$)' | head -1 | tr -d ' ')
  echo "${m:-http://deb.debian.org/debian/} ${s:-http://deb.debian.org/debian-security/}"
}

make_root() {  # make_root ROOT [package...]
  local root=$1 m s
  shift
  read -r m s <<< "$(mirror)"
  command -v debootstrap > /dev/null || {
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends debootstrap > /dev/null ||
      { apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends debootstrap > /dev/null; }
  }
  echo "debian13.sh: making a Debian root ($suite) in $root from $m"
  mkdir -p "$root"
  debootstrap --variant=minbase "$suite" "$root" "$m" > "$root.debootstrap.log" 2>&1 ||
    { tail -20 "$root.debootstrap.log"; exit 1; }
  rm -f "$root.debootstrap.log"
  printf 'deb %s %s main\ndeb %s %s-updates main\ndeb %s %s-security main\n' "$m" "$suite" "$m" "$suite" "$s" "$suite" \
    > "$root/etc/apt/sources.list"
  # No service is started by a package inside the root.
  printf '#!/bin/sh\nexit 101\n' > "$root/usr/sbin/policy-rc.d"
  chmod 755 "$root/usr/sbin/policy-rc.d"
  run_in "$root" -- sh -c 'apt-get update -qq'
  if [ $# -gt 0 ]; then
    echo "debian13.sh: installing $*"
    run_in "$root" -- env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "$@" > /dev/null
  fi
}

run_in() {  # run_in ROOT [--bind DIR]... [--] COMMAND...
  local root binds=() wd=/
  root=$(cd "$1" && pwd)
  shift
  while [ $# -gt 0 ]; do
    case "$1" in
      --bind) binds+=("$(cd "$2" && pwd)"); shift 2 ;;
      --) shift; break ;;
      *) break ;;
    esac
  done
  for b in "${binds[@]}"; do
    case "$PWD/" in "$b"/*) wd=$PWD ;; esac
  done
  # Names resolve as on the machine (debootstrap writes no /etc/hosts: no "localhost" there).
  cp -L /etc/resolv.conf "$root/etc/resolv.conf" 2>/dev/null || true
  [ -s "$root/etc/hosts" ] || cp /etc/hosts "$root/etc/hosts"
  # Certificates as on the machine: where the machine names a certificate bundle for its clients
  # (pip, curl, Python), the root gets a copy at a path no package writes, and the command is told.
  local v f
  for v in PIP_CERT SSL_CERT_FILE REQUESTS_CA_BUNDLE CURL_CA_BUNDLE; do
    f=${!v:-}
    if [ -n "$f" ] && [ -f "$f" ]; then
      mkdir -p "$root/etc/ssl/machine"
      cp -L "$f" "$root/etc/ssl/machine/$v.crt"
      export "$v=/etc/ssl/machine/$v.crt"
    fi
  done
  # The namespace's mounts: /proc, /sys, /dev (with /dev/pts and /dev/shm), a fresh /tmp, the
  # bound folders; then the command under chroot.
  unshare --mount --propagation private bash -euo pipefail -c '
    root=$1 wd=$2 nb=$3
    shift 3
    mount -t proc proc "$root/proc"
    mount --rbind /sys "$root/sys"
    mount --rbind /dev "$root/dev"
    mount -t tmpfs tmpfs "$root/tmp"
    for _ in $(seq "$nb"); do
      mkdir -p "$root$1"
      mount --bind "$1" "$root$1"
      shift
    done
    cd "$root$wd"
    exec chroot "$root" bash -c "cd \"\$0\" && exec \"\$@\"" "$wd" "$@"
  ' run "$root" "$wd" "${#binds[@]}" "${binds[@]}" "$@"
}

case "${1:-}" in
  make) shift; make_root "$@" ;;
  run) shift; run_in "$@" ;;
  sql)
    build=${2:-build-debian13}
    suite=trixie
    cd "$here/.."
    # isql is the program itself: Debian 13's /usr/bin/isql-fb is a wrapper that sets FIREBIRD.
    cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBRINDLE_WERROR=ON -DBRINDLE_TESTS=ON \
      -DBRINDLE_INTEGRATION=ON -DBRINDLE_BENCH=OFF -DBRINDLE_FIREBIRD_VERSION=4.0 \
      -DBRINDLE_FIREBIRD_ENGINE_DIR=/usr/lib/x86_64-linux-gnu/firebird/4.0 \
      -DISQL_FB=/usr/lib/firebird/4.0/bin/isql-fb > /dev/null
    cmake --build "$build" -j "$(nproc 2>/dev/null || echo 2)" --target Brindle_FB brindle_udr_module bind_params \
      brindle-register brindle_sql brindle_udr_sql
    root=$(mktemp -d /var/tmp/debian13-sql.XXXXXX)
    trap 'rm -rf --one-file-system "$root"' EXIT
    make_root "$root" firebird4.0-server-core firebird4.0-utils libib-util libfbclient2 cmake
    run_in "$root" --bind "$PWD" --bind "$build" -- \
      bash -c 'cd "$1" && ctest --output-on-failure -j "$(nproc)" -R "^(sql_|bind_params|register_)"' sh "$(cd "$build" && pwd)"
    ;;
  try)
    shift
    [ $# -gt 0 ] || { echo "usage: debian13.sh try COMMAND..." >&2; exit 2; }
    root=${BRINDLE_DEBIAN13_KEEP:-}
    if [ -z "$root" ]; then
      root=$(mktemp -d /var/tmp/debian13.XXXXXX)
      trap 'rm -rf --one-file-system "$root"' EXIT
    fi
    make_root "$root"
    mkdir -p "$root/src"
    # The work tree as a clone would give it, with the changes not yet committed.
    (cd "$here/.." && git ls-files -z --cached --others --exclude-standard |
      while IFS= read -r -d '' f; do [ ! -e "$f" ] || printf '%s\0' "$f"; done | xargs -0 cp --parents -t "$root/src")
    run_in "$root" -- sh -c 'cd /src && exec "$@"' sh "$@"
    ;;
  *) sed -n '2,25p' "$0" | sed 's/^# \{0,1\}//' >&2; exit 2 ;;
esac
