#!/usr/bin/env bash
# Runs the bound-parameter client against a fresh database with the functions declared:
#   run_bind.sh <isql> <bind_params> <module> <declaration script> <NONE|UTF8> <legacy|udr>
set -euo pipefail
isql=$1 program=$2 module=$3 declare=$4 charset=$5 front=$6
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
bash "$here/../../scripts/fbroot.sh" "$work/root" "$(dirname "$module")"
{
  echo "set bail on;"
  echo "create database '$work/test.fdb' user 'SYSDBA' default character set $charset;"
  cat "$declare"
} > "$work/script.sql"
export FIREBIRD="$work/root" FIREBIRD_LOCK="$work/lock" ISC_USER=SYSDBA
(cd "$work" && "$isql" -q -i "$work/script.sql") > "$work/declare.log" 2>&1 || { cat "$work/declare.log"; exit 1; }
"$program" "$work/test.fdb" "$front"
