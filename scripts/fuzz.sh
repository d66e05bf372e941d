#!/usr/bin/env bash
# Builds the libFuzzer targets and runs each for a bounded time (seconds, default 30)
# on a copy of its seed corpus. Any crash fails the run; the input is kept in build/fuzz/crashes.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
mkdir -p build/fuzz/crashes
for seeds in fuzz/corpus/*/; do
  target=$(basename "$seeds")
  work=build/fuzz/corpus/$target
  mkdir -p "$work"
  cp -n "$seeds"* "$work"/ 2>/dev/null || true
  log=build/fuzz/$target.log
  if ! build/fuzz/fuzz/fuzz_"$target" -max_total_time="$seconds" -print_final_stats=1 \
      -artifact_prefix=build/fuzz/crashes/"$target"- "$work" >"$log" 2>&1; then
    tail -40 "$log"
    echo "fuzz_$target: FAILED (crash input in build/fuzz/crashes)"
    exit 1
  fi
  runs=$(grep -o 'stat::number_of_executed_units: [0-9]*' "$log" | grep -o '[0-9]*$')
  echo "fuzz_$target: $runs executions, corpus $(ls "$work" | wc -l) inputs"
done
