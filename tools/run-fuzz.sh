#!/usr/bin/env bash
# Builds the libFuzzer targets and runs each for a bounded time on a copy
# of its seed corpus, so new inputs found in CI never dirty the checkout.
# An input that crashes a reader is kept in the target's corpus folder
# (tests/fuzz/corpus/<target>/crash-*), where the ordinary test suite replays
# it from then on: mend the reader, then commit the input with the mend.
# Usage: tools/run-fuzz.sh [seconds per target, default 15; 600 and more for a long run]
#        tools/run-fuzz.sh SECONDS TARGET...   only those targets
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-15}"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
targets=("${@:2}")
if [ "${#targets[@]}" -eq 0 ]; then
  for corpus in tests/fuzz/corpus/*/; do targets+=("$(basename "$corpus")"); done
fi
for target in "${targets[@]}"; do
  corpus="tests/fuzz/corpus/$target/"
  mkdir -p "$work/$target"
  cp -r "$corpus". "$work/$target/"
  echo "fuzz_$target: ${seconds} s"
  status=0
  "build/fuzz/tests/fuzz/fuzz_$target" -max_total_time="$seconds" \
    -max_len=65536 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="tests/fuzz/corpus/$target/" "$work/$target" \
    >"$work/$target.log" 2>&1 || status=$?
  grep -E '^stat::number_of_executed_units' "$work/$target.log" || true
  if [ "$status" -ne 0 ]; then
    tail -n 60 "$work/$target.log"
    echo "fuzz_$target failed" >&2
    exit "$status"
  fi
done
