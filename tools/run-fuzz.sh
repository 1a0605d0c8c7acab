#!/usr/bin/env bash
# Builds the libFuzzer targets and runs each for a bounded time on a copy
# of its seed corpus, so new inputs found in CI never dirty the checkout.
# Usage: tools/run-fuzz.sh [seconds per target, default 15]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-15}"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
for corpus in tests/fuzz/corpus/*/; do
  target="$(basename "$corpus")"
  mkdir -p "$work/$target"
  cp -r "$corpus". "$work/$target/"
  echo "fuzz_$target: ${seconds} s"
  status=0
  "build/fuzz/tests/fuzz/fuzz_$target" -max_total_time="$seconds" \
    -max_len=65536 -timeout=10 -print_final_stats=1 "$work/$target" \
    >"$work/$target.log" 2>&1 || status=$?
  grep -E '^stat::number_of_executed_units' "$work/$target.log" || true
  if [ "$status" -ne 0 ]; then
    tail -n 60 "$work/$target.log"
    echo "fuzz_$target failed" >&2
    exit "$status"
  fi
done
