#!/usr/bin/env bash
# Builds the libFuzzer targets with clang 14 (AddressSanitizer and UndefinedBehaviorSanitizer)
# and runs each for the given seconds:
#   fuzz.sh SECONDS [build dir]       (build dir: build-fuzz)
# Executions per entry point are in <build dir>/fuzz/<target>/executions.txt; a finding stops
# with the fuzzer's report and leaves the input beside it.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:?usage: fuzz.sh SECONDS [build dir]}
build=${2:-build-fuzz}
jobs=$(nproc 2>/dev/null || echo 2)
CXX=clang++-14 cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBRINDLE_FUZZ=ON -DBRINDLE_TESTS=OFF \
  -DBRINDLE_BENCH=OFF -DBRINDLE_FUZZ_SECONDS="$seconds" > /dev/null
cmake --build "$build" -j "$jobs" --target fuzz
