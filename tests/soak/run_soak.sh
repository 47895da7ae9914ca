#!/usr/bin/env bash
# Runs the soak against a fresh embedded database with the functions declared:
#   run_soak.sh <isql> <brindle_soak> <Brindle_FB.so | libbrindle_udr.so> <declaration script>
#               <examples.sql> <seconds> [threads] [max growth MB]
set -euo pipefail
isql=$1 program=$2 module=$3 declare=$4 examples=$5 seconds=$6 threads=${7:-8} growth=${8:-8}
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
. "$here/../support/testdb.sh"
testdb_new "$work" "$isql" "$module" "$declare" NONE
echo "soak of $(basename "$module"): $seconds s, $threads attachments"
"$program" "$TESTDB" "$examples" "$seconds" "$threads" "$growth"
