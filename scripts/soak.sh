#!/usr/bin/env bash
# Builds the module of each front end and soaks each through the embedded engine for the given
# seconds: 8 attachments from 8 threads, every registry example over and over, every answer
# checked, resident memory flat after the warm-up:
#   soak.sh SECONDS [build dir] [max growth MB]      (build dir: build; growth: 8)
# Prints each front end's memory curve and calls per second; fails on the first wrong answer,
# SQL error or growth. To keep a core free for others: taskset -c 1 scripts/soak.sh 600
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:?usage: soak.sh SECONDS [build dir] [max growth MB]}
build=${2:-build}
growth=${3:-8}
jobs=$(nproc 2>/dev/null || echo 2)
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBRINDLE_TESTS=ON -DBRINDLE_INTEGRATION=ON \
  -DBRINDLE_SANITIZE=OFF > /dev/null
cmake --build "$build" -j "$jobs" --target Brindle_FB brindle_udr_module brindle_soak brindle_sql brindle_udr_sql
read -r _ _ _ isql <<< "$(bash scripts/fbroot.sh --engine)"  # the program itself, not a wrapper
b=$(cd "$build" && pwd)
bash tests/soak/run_soak.sh "$isql" "$b/tests/soak/brindle_soak" "$b/Brindle_FB.so" "$b/sql/brindle_declare.sql" \
  "$b/generated/examples.sql" "$seconds" 8 "$growth"
bash tests/soak/run_soak.sh "$isql" "$b/tests/soak/brindle_soak" "$b/libbrindle_udr.so" "$b/sql/brindle_udr_declare.sql" \
  "$b/generated/examples.sql" "$seconds" 8 "$growth"
