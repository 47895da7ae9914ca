#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (the one scripts/deps.sh installed: 14 on Debian 12,
# 19 on Debian 13; AddressSanitizer and UndefinedBehaviorSanitizer) and runs them:
#   fuzz.sh SECONDS [build dir]                 each target for SECONDS (build dir: build-fuzz)
#   fuzz.sh --each RUNS [build dir] [target...] every registry row of each target (default
#                                               legacy_fuzz udr_fuzz) alone for RUNS executions
# Executions per entry point are in <build dir>/fuzz/<target>/executions.txt; a finding stops
# with the fuzzer's report and leaves the input beside it (--each: in fuzz/<target>/findings,
# the other rows going on). A long pass on one core: taskset -c 1 scripts/fuzz.sh --each 20000
set -euo pipefail
cd "$(dirname "$0")/.."
clangxx=$(bash scripts/deps.sh --clang)
if [ "${1:-}" = --each ]; then
  runs=${2:?usage: fuzz.sh --each RUNS [build dir] [target...]}
  build=${3:-build-fuzz}
  shift $(($# < 3 ? $# : 3))
  [ $# -gt 0 ] || set -- legacy_fuzz udr_fuzz
  targets=("$@")
  CXX=$clangxx cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBRINDLE_WERROR=ON -DBRINDLE_FUZZ=ON -DBRINDLE_TESTS=OFF \
    -DBRINDLE_BENCH=OFF > /dev/null
  cmake --build "$build" -j "$(nproc 2>/dev/null || echo 2)" --target "${targets[@]}"
  BRINDLE_FUZZ_RUNS=$runs bash tests/fuzz/run.sh "$build" 15 "${targets[@]}"
  exit
fi
seconds=${1:?usage: fuzz.sh SECONDS [build dir] | fuzz.sh --each RUNS [build dir] [target...]}
build=${2:-build-fuzz}
jobs=$(nproc 2>/dev/null || echo 2)
CXX=$clangxx cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBRINDLE_WERROR=ON -DBRINDLE_FUZZ=ON -DBRINDLE_TESTS=OFF \
  -DBRINDLE_BENCH=OFF -DBRINDLE_FUZZ_SECONDS="$seconds" > /dev/null
cmake --build "$build" -j "$jobs" --target fuzz
