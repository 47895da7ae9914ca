#!/usr/bin/env bash
# Runs fuzz targets of a BRINDLE_FUZZ build, each for the given seconds:
#   run.sh <build dir> <seconds> <fuzzer...>
# Each starts from a seed corpus it generates (build/fuzz/<name>/seeds) and keeps what it
# learns in build/fuzz/<name>/corpus; executions per entry point go to
# build/fuzz/<name>/executions.txt. The targets run side by side; a finding fails the run with
# the fuzzer's report, and the input that caused it is left in build/fuzz/<name>/.
#
# With BRINDLE_FUZZ_RUNS=N, each registry row of a target (legacy_fuzz, udr_fuzz) runs alone
# for N executions (at most <seconds> each; fuzz.sh --each gives 15), from its own seeds and corpus
# (build/fuzz/<name>/rows/<row>), so that every row gets the same share; a finding is kept
# beside the others (build/fuzz/<name>/findings) and the rows go on, the run failing at the end.
set -euo pipefail
build=$(cd "$1" && pwd) seconds=$2
shift 2
runs=${BRINDLE_FUZZ_RUNS:-}
export ASAN_OPTIONS=detect_leaks=1:allocator_may_return_null=1 UBSAN_OPTIONS=print_stacktrace=1
opts=(-timeout=10 -rss_limit_mb=4096 -max_len=70000)
summary() {
  [ -s "$1" ] || return 0
  sort -k2 -n "$1" | awk '{ n++; v[n] = $2; s += $2; if (n == 1) first = $1 " " $2; o += $3 }
    END { printf "%d entry points, %d executions: fewest %s, median %d, most %d", n, s, first, v[int((n + 1) / 2)], v[n]
          if (o > 0) printf "; %d results longer than their row promises", o
          printf "\n" }'
}
# One target for the given seconds; its status is the fuzzer's.
timed() {
  local dir="$build/fuzz/$1"
  (cd "$dir" && BRINDLE_FUZZ_STATS="$dir/executions.txt" \
     "$build/tests/fuzz/$1" -max_total_time="$seconds" "${opts[@]}" -print_final_stats=1 "$dir/corpus" "$dir/seeds") \
     > "$dir/log.txt" 2>&1
}
# What a timed run found, or its figures; false after a finding.
report() {
  local dir="$build/fuzz/$1"
  echo "== $1: $seconds s"
  if [ "$2" != 0 ]; then
    tail -n 100 "$dir/log.txt"
    echo "$1: a finding (input and log in $dir)"
    return 1
  fi
  grep -E '^(Done|stat::number_of_executed_units|stat::peak_rss_mb)' "$dir/log.txt" || true
}
# Seeds first, for every target.
for f in "$@"; do
  dir="$build/fuzz/$f"
  rm -rf "$dir/seeds"
  mkdir -p "$dir/seeds" "$dir/corpus"
  BRINDLE_FUZZ_SEEDS="$dir/seeds" "$build/tests/fuzz/$f"
  rm -f "$dir/executions.txt" "$dir/status"
done
if [ -z "$runs" ]; then
  # The targets side by side, BRINDLE_FUZZ_JOBS at a time (default: all of them; a fuzzer runs on
  # one thread, so with fewer cores than targets each has a share of a core for the time).
  par=${BRINDLE_FUZZ_JOBS:-$#}
  for f in "$@"; do
    while [ "$(jobs -rp | wc -l)" -ge "$par" ]; do sleep 1; done
    dir="$build/fuzz/$f"
    (status=0; timed "$f" || status=$?; echo "$status" > "$dir/status") &
  done
  wait
  found=0
  for f in "$@"; do
    dir="$build/fuzz/$f"
    report "$f" "$(cat "$dir/status" 2> /dev/null)" || { found=1; continue; }
    summary "$dir/executions.txt"
  done
  exit $found
fi
found=0
for f in "$@"; do
  dir="$build/fuzz/$f"
  exe="$build/tests/fuzz/$f"
  if [ "$f" != blob_fuzz ]; then
    rows=$(ls "$dir/seeds" | sed 's/_.*//' | sort -n | tail -1)
    echo "== $f: $((rows + 1)) rows, $runs executions each (at most $seconds s)"
    mkdir -p "$dir/findings"
    start=$(date +%s)
    for r in $(seq 0 "$rows"); do
      mkdir -p "$dir/rows/$r"
      cp -n "$dir/seeds/${r}_"* "$dir/rows/$r/" 2> /dev/null || true
      if ! (cd "$dir/findings" && BRINDLE_FUZZ_ROW=$r BRINDLE_FUZZ_STATS="$dir/executions.txt" \
             "$exe" -runs="$runs" -max_total_time="$seconds" "${opts[@]}" "$dir/rows/$r") > "$dir/log.txt" 2>&1; then
        cp "$dir/log.txt" "$dir/findings/row_$r.log"
        tail -n 40 "$dir/log.txt"
        echo "$f: a finding in row $r (input and log in $dir/findings)"
        found=1
      fi
    done
    echo "$f: $(( $(date +%s) - start )) s"
  else
    status=0
    timed "$f" || status=$?
    report "$f" "$status" || exit 1
  fi
  summary "$dir/executions.txt"
done
exit $found
