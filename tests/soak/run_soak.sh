#!/usr/bin/env bash
# Runs the soak against a fresh embedded database with the functions declared:
#   run_soak.sh <isql> <brindle_soak> <Brindle_FB.so | libbrindle_udr.so> <declaration script>
#               <examples.sql> <seconds> [threads] [max growth MB]
set -euo pipefail
isql=$1 program=$2 module=$3 declare=$4 examples=$5 seconds=$6 threads=${7:-8} growth=${8:-8}
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# A UDR module goes into the root's plugins/udr, a legacy one is allowed from its folder.
case "$(basename "$module")" in
  lib*.so) bash "$here/../../scripts/fbroot.sh" "$work/root" "$module" ;;
  *) bash "$here/../../scripts/fbroot.sh" "$work/root" "$(dirname "$module")" ;;
esac
{
  echo "set bail on;"
  echo "create database '$work/soak.fdb' user 'SYSDBA' default character set NONE;"
  cat "$declare"
} > "$work/script.sql"
export FIREBIRD="$work/root" FIREBIRD_LOCK="$work/lock" ISC_USER=SYSDBA
(cd "$work" && "$isql" -q -i "$work/script.sql") > "$work/declare.log" 2>&1 || { cat "$work/declare.log"; exit 1; }
echo "soak of $(basename "$module"): $seconds s, $threads attachments"
"$program" "$work/soak.fdb" "$examples" "$seconds" "$threads" "$growth"
