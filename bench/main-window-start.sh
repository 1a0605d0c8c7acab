#!/usr/bin/env bash
# How long a player waits for the main window: from the process's start to
# its main window being mapped on a display (Xvfb), for orvane on the demo
# tree and for a bare Qt program showing one window, each as whole
# processes over several runs. The last line is the ratio of the medians.
#   bench/main-window-start.sh [RUNS]      (default 15)
# ORVANE=path picks the launcher (default: the built one, else the installed).
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-15}
build=${ORVANE_BUILD:-$PWD/build/default}
orvane=${ORVANE:-$build/src/orvane}
[ -x "$orvane" ] || orvane=$(command -v orvane)
demo_maker=$build/src/orvane-demo
bare=$build/bench/orvane_bare_window
for program in "$orvane" "$demo_maker" "$bare"; do
  [ -x "$program" ] || { echo "main-window-start: $program is not built (cmake --build --preset default)" >&2; exit 1; }
done
for tool in Xvfb xwininfo; do
  command -v "$tool" >/dev/null || { echo "main-window-start: $tool is missing (tools/install-deps.sh)" >&2; exit 1; }
done

work=$(mktemp -d)
display=":$((200 + $$ % 500))"
# -noreset: the server would otherwise reset, refusing connections, each time
# the last program measured closes.
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
cleanup() { kill "$xvfb" 2>/dev/null || true; rm -rf "$work"; }
trap cleanup EXIT
for _ in $(seq 500); do xwininfo -display "$display" -root >/dev/null 2>&1 && break; sleep 0.01; done
xwininfo -display "$display" -root >/dev/null 2>&1 || { echo "main-window-start: Xvfb did not start on $display" >&2; exit 1; }

# The demo with settings of its own: the player's are never touched.
"$demo_maker" "$work/demo" >/dev/null
export DISPLAY=$display HOME=$work/home XDG_CONFIG_HOME=$work/demo/config
export XDG_DATA_HOME=$work/demo/share WINEPREFIX=$work/demo/wine
unset QT_QPA_PLATFORM
mkdir -p "$HOME"

# Microseconds from the start of the program to its window named $1 being viewable.
time_to_window() {
  local title=$1
  shift
  local start end pid
  start=$(date +%s%N)
  "$@" >"$work/last.log" 2>&1 &
  pid=$!
  until xwininfo -display "$display" -name "$title" 2>/dev/null | grep -q 'Map State: IsViewable'; do
    kill -0 "$pid" 2>/dev/null || { echo "main-window-start: $1 stopped before its window showed:" >&2; cat "$work/last.log" >&2; exit 1; }
  done
  end=$(date +%s%N)
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  echo $(((end - start) / 1000))
}

median() { sort -n | awk '{ a[NR] = $1 } END { print (NR % 2) ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2 }'; }

# A first start of each fills caches and the launcher's data directory; not counted.
time_to_window "Orvane" "$orvane" >/dev/null
time_to_window "Bare Qt window" "$bare" >/dev/null
: >"$work/orvane.times"
: >"$work/bare.times"
for _ in $(seq "$runs"); do
  # Taken in turns so that a slow moment of the machine touches both.
  time_to_window "Orvane" "$orvane" >>"$work/orvane.times"
  time_to_window "Bare Qt window" "$bare" >>"$work/bare.times"
done
orvane_median=$(median <"$work/orvane.times")
bare_median=$(median <"$work/bare.times")
printf 'orvane (demo tree), µs:  %s\n' "$(tr '\n' ' ' <"$work/orvane.times")"
printf 'bare Qt window, µs:      %s\n' "$(tr '\n' ' ' <"$work/bare.times")"
awk -v o="$orvane_median" -v b="$bare_median" -v n="$runs" 'BEGIN {
  printf "medians: orvane %.1f ms, bare Qt window %.1f ms (%d runs each)\n", o / 1000, b / 1000, n
  printf "main window start: %.2fx of a bare Qt window\n", o / b
}'
