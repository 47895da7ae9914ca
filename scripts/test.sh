#!/usr/bin/env bash
# Runs every test:
#   1. g++: the unit tests, the SQL tests through an embedded Firebird engine and a 10 s soak of
#      each front end (BRINDLE_SOAK_SECONDS; scripts/soak.sh SECONDS for a long one); then the
#      SQL suite on Firebird 5 and the bound-parameter test through Firebird's Python driver
#      (scripts/fb5.sh), beside the second build;
#   2. g++ with AddressSanitizer and UndefinedBehaviorSanitizer: the unit tests (leaks checked)
#      and the whole SQL suite with the sanitized module loaded into the engine;
#   3. clang with AddressSanitizer and UndefinedBehaviorSanitizer: the unit tests, leaks checked;
#   4. clang with ThreadSanitizer: the thread test and the random-number and UUID tests;
#   5. a short fuzz pass over every function of both front ends and the blob reader (clang,
#      libFuzzer), the targets side by side (BRINDLE_FUZZ_JOBS at a time, default all).
# clang is the release's (14 on Debian 12, 19 on Debian 13), as scripts/deps.sh installs it;
# every build treats warnings as errors (BRINDLE_WERROR).
# BRINDLE_BUILD_DIR (default build) names the build folders: build, build-san, build-clang-san,
# build-tsan, build-fuzz. BRINDLE_FUZZ_SECONDS (default 30) is the time of each fuzz target.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh test
clangxx=$(bash scripts/deps.sh --clang)
jobs=$(nproc 2>/dev/null || echo 2)
b=${BRINDLE_BUILD_DIR:-build}
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

cmake -S . -B "$b" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBRINDLE_WERROR=ON -DBRINDLE_TESTS=ON -DBRINDLE_INTEGRATION=ON -DBRINDLE_BENCH=ON \
  -DBRINDLE_SOAK_SECONDS="${BRINDLE_SOAK_SECONDS:-10}" > /dev/null
cmake --build "$b" -j "$jobs"
(cd "$b" && ctest --output-on-failure -j "$jobs")
# The Firebird 5 leg waits mostly on the package registry and on one engine thread: it runs
# beside the next build, and its output comes after it.
bash scripts/fb5.sh "$b" > "$b/fb5.log" 2>&1 &
fb5=$!
trap '[ -z "$fb5" ] || kill "$fb5" 2> /dev/null || true' EXIT

cmake -S . -B "$b-san" -DCMAKE_BUILD_TYPE=Debug -DBRINDLE_WERROR=ON -DBRINDLE_TESTS=ON -DBRINDLE_SANITIZE=ON -DBRINDLE_INTEGRATION=ON -DBRINDLE_BENCH=OFF > /dev/null
cmake --build "$b-san" -j "$jobs"
(cd "$b-san" && ctest --output-on-failure -j "$jobs")
status=0
wait "$fb5" || status=$?
fb5=""
cat "$b/fb5.log"
[ "$status" = 0 ] || { echo "test.sh: the Firebird 5 leg failed" >&2; exit "$status"; }

# The unit tests in the clang builds, split in as many parts as there are cores and run side by
# side (one process a part: much quicker than one a test under the sanitizers); a failing
# part's output is shown.
unit_tests() {
  local exe=$1 i status=0
  shift
  for i in $(seq 0 $((jobs - 1))); do
    GTEST_TOTAL_SHARDS=$jobs GTEST_SHARD_INDEX=$i "$exe" --gtest_brief=1 "$@" > "$exe.part$i.log" 2>&1 &
  done
  for i in $(seq 0 $((jobs - 1))); do
    wait -n || status=1
  done
  for i in $(seq 0 $((jobs - 1))); do
    if [ "$status" != 0 ]; then cat "$exe.part$i.log"; else grep -h -E '^\[  (PASSED|FAILED) ' "$exe.part$i.log" || true; fi
  done
  return $status
}

CXX=$clangxx cmake -S . -B "$b-clang-san" -DCMAKE_BUILD_TYPE=Debug -DBRINDLE_WERROR=ON -DBRINDLE_TESTS=ON -DBRINDLE_SANITIZE=ON \
  -DBRINDLE_INTEGRATION=OFF -DBRINDLE_BENCH=OFF > /dev/null
cmake --build "$b-clang-san" -j "$jobs" --target brindle_unit_tests
ASAN_OPTIONS=detect_leaks=1 unit_tests "$b-clang-san/tests/brindle_unit_tests"

# Only the tests that start threads, under ThreadSanitizer.
CXX=$clangxx cmake -S . -B "$b-tsan" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBRINDLE_WERROR=ON -DBRINDLE_TESTS=ON -DBRINDLE_INTEGRATION=OFF \
  -DBRINDLE_BENCH=OFF -DCMAKE_CXX_FLAGS="-fsanitize=thread -fno-omit-frame-pointer" \
  -DCMAKE_EXE_LINKER_FLAGS=-fsanitize=thread > /dev/null
cmake --build "$b-tsan" -j "$jobs" --target brindle_thread_tests
TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1 unit_tests "$b-tsan/tests/brindle_thread_tests" \
  --gtest_filter='-*DeathTest*'

bash scripts/fuzz.sh "${BRINDLE_FUZZ_SECONDS:-30}" "$b-fuzz"
