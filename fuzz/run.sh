#!/usr/bin/env bash
# Runs every target of a fuzz build for the same time, several at once, one core each.
#   fuzz/run.sh <fuzz build folder> <seconds per target> [targets at once]
# Target X keeps its corpus in <build>/fuzz-corpus/X (grown from run to run, started from the
# seeds in <build>/fuzz/seeds/X), writes a failing input to <build>/fuzz-artifacts/X/ and its
# log to <build>/fuzz-logs/X.log. Prints inputs per second and inputs run per target; fails when
# any target found a fault.
set -euo pipefail
build=${1:?usage: $0 <fuzz build folder> <seconds per target> [targets at once]}
seconds=${2:?seconds per target}
parallel=${3:-$(nproc)}
list="$build/fuzz/targets.txt"
[ -f "$list" ] || { echo "no $list: build the fuzz_targets first" >&2; exit 2; }

run_one() {
  local name=$1 maxlen=$2
  local corpus="$build/fuzz-corpus/$name" artifacts="$build/fuzz-artifacts/$name" log="$build/fuzz-logs/$name.log"
  mkdir -p "$corpus" "$artifacts" "$build/fuzz-logs"
  # A hang is an input running over 10 s; a huge allocation one malloc over 256 MB.
  if "$build/fuzz/fuzz_$name" -max_len="$maxlen" -max_total_time="$seconds" -timeout=10 \
      -rss_limit_mb=2048 -malloc_limit_mb=256 -print_final_stats=1 \
      -artifact_prefix="$artifacts/" "$corpus" "$build/fuzz/seeds/$name" >"$log" 2>&1; then
    status=passed
  else
    status=FAILED
  fi
  local runs rate
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")
  printf '%-12s %-7s %12s inputs %8s inputs/s\n' "$name" "$status" "${runs:-?}" "${rate:-?}"
  [ "$status" = passed ] || { tail -n 30 "$log"; return 1; }
}

failed=0
running=0
while read -r name maxlen; do
  [ -n "$name" ] || continue
  if [ "$running" -ge "$parallel" ]; then
    wait -n || failed=1
    running=$((running - 1))
  fi
  run_one "$name" "$maxlen" &
  running=$((running + 1))
done <"$list"
while [ "$running" -gt 0 ]; do
  wait -n || failed=1
  running=$((running - 1))
done
exit "$failed"
