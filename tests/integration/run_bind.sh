#!/usr/bin/env bash
# Runs the bound-parameter client against a fresh database with the functions declared:
#   run_bind.sh <isql> <bind_params> <module> <declaration script> <NONE|UTF8> <legacy|udr>
set -euo pipefail
isql=$1 program=$2 module=$3 declare=$4 charset=$5 front=$6
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
. "$here/../support/testdb.sh"
testdb_new "$work" "$isql" "$module" "$declare" "$charset"
"$program" "$TESTDB" "$front"
