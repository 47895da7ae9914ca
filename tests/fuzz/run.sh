#!/usr/bin/env bash
# Runs fuzz targets of a BRINDLE_FUZZ build, each for the given seconds:
#   run.sh <build dir> <seconds> <fuzzer...>
# Each starts from a seed corpus it generates (build/fuzz/<name>/seeds) and keeps what it
# learns in build/fuzz/<name>/corpus; executions per entry point go to
# build/fuzz/<name>/executions.txt. A finding stops the run with the fuzzer's report, and the
# input that caused it is left in build/fuzz/<name>/.
set -euo pipefail
build=$(cd "$1" && pwd) seconds=$2
shift 2
for f in "$@"; do
  dir="$build/fuzz/$f"
  mkdir -p "$dir/seeds" "$dir/corpus"
  BRINDLE_FUZZ_SEEDS="$dir/seeds" "$build/tests/fuzz/$f"
  echo "== $f: $seconds s"
  if ! (cd "$dir" && BRINDLE_FUZZ_STATS="$dir/executions.txt" \
         ASAN_OPTIONS=detect_leaks=1:allocator_may_return_null=1 UBSAN_OPTIONS=print_stacktrace=1 \
         "$build/tests/fuzz/$f" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=4096 \
           -max_len=70000 -print_final_stats=1 "$dir/corpus" "$dir/seeds") > "$dir/log.txt" 2>&1; then
    tail -n 100 "$dir/log.txt"
    echo "$f: a finding (input and log in $dir)"
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units|stat::peak_rss_mb)' "$dir/log.txt" || true
  if [ -s "$dir/executions.txt" ]; then
    sort -k2 -n "$dir/executions.txt" | awk 'NR == 1 { printf "fewest executions: %s %s\n", $1, $2 }
      { n++; s += $2 } END { printf "%d entry points, %d executions\n", n, s }'
  fi
done
