#!/usr/bin/env bash
# Line and branch coverage of src/ by the unit tests and the SQL suite (both front ends):
#   scripts/coverage.sh [build dir]        (default: build-coverage)
# Builds with gcov instrumentation (-O0), runs the unit tests and the SQL tests through the
# embedded engine, and prints the coverage of each file under src/ and the totals. Branches that
# only exceptions take and those the compiler proves unreachable are left out of the count. The
# call templates are instantiated once per registry row and gcov counts each instantiation's
# branches apart, so the totals are also given without them, and with each line's branches merged
# across the instantiations (gcovr --merge-lines: a branch counts as taken when any row takes it).
# The build tool's copy of the registry rows (tools/catalog.cpp, run only while building) is not
# the library and is left out, and so are the branches on the lines that expand rows: the library's
# expansions of a row hold none, those counted there are the test harness's calls through it.
# The counters are updated atomically: the tests run many threads.
# Needs gcovr (`pip install gcovr` or `apt-get install gcovr`). JOBS sets the parallelism (2).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build-coverage}
jobs=${JOBS:-2}
command -v gcovr > /dev/null || { echo "coverage.sh: gcovr is needed (pip install gcovr)" >&2; exit 1; }
launcher=()
command -v ccache > /dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Debug -DBRINDLE_TESTS=ON -DBRINDLE_INTEGRATION=ON \
  -DBRINDLE_BENCH=OFF -DCMAKE_CXX_FLAGS="--coverage -fprofile-update=atomic -O0" \
  -DCMAKE_EXE_LINKER_FLAGS=--coverage -DCMAKE_MODULE_LINKER_FLAGS=--coverage "${launcher[@]}" > /dev/null
cmake --build "$build" -j "$jobs"
find "$build" -name '*.gcda' -delete
"$build/tests/brindle_unit_tests" --gtest_brief=1 > "$build/coverage_unit.log" 2>&1 ||
  { tail -30 "$build/coverage_unit.log"; echo "coverage.sh: unit tests failed" >&2; exit 1; }
(cd "$build" && ctest -j "$jobs" -R 'sql_|bind_params|kinds|errors' --output-on-failure) > "$build/coverage_sql.log" 2>&1 ||
  { tail -30 "$build/coverage_sql.log"; echo "coverage.sh: SQL tests failed" >&2; exit 1; }
tail -3 "$build/coverage_sql.log"
opts=(-r "$root" --object-directory "$build" --filter "$root/src/" --exclude-throw-branches
      --exclude-unreachable-branches --gcov-exclude-directories '.*/CMakeFiles/[0-9.]+/.*'
      --gcov-exclude-directories '.*/brindle_catalog\.dir/.*' --exclude-branches-by-pattern 'BRINDLE_(FN|UNIT_CONVERSIONS)\('
      --gcov-ignore-parse-errors=all --gcov-ignore-errors=source_not_found -j "$jobs")
gcovr "${opts[@]}" --json "$build/coverage.json" > /dev/null
gcovr -a "$build/coverage.json" -r "$root" --txt-metric branch --txt "$build/coverage_branches.txt"
echo "src/, every instantiation counted (each registry row instantiates the call templates):"
gcovr -a "$build/coverage.json" -r "$root" --txt "$build/coverage_lines.txt" --print-summary | tail -3
echo "src/ without the per-row instantiations (frame/call.h, udr/adapter.h, the .def rows):"
gcovr -a "$build/coverage.json" -r "$root" -e '.*\.def$' -e 'src/frame/call\.h' -e 'src/udr/adapter\.h' \
  --txt /dev/null --print-summary | tail -3
echo "src/, each line's branches merged across the instantiations (taken when any row takes them):"
gcovr -a "$build/coverage.json" -r "$root" --merge-lines --txt-metric branch \
  --txt "$build/coverage_branches_merged.txt" --print-summary | tail -3
echo "per file: $build/coverage_lines.txt (lines), $build/coverage_branches.txt (branches)," \
  "$build/coverage_branches_merged.txt (branches, instantiations merged)"
