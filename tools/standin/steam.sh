#!/bin/sh
# A stand-in for the Steam client in the Steam demo and the launch tests.
# It records the working directory and arguments it was started with in
# "standin-launch.txt" there, then shows them (unless ORVANE_STANDIN_QUIET
# is set): with xmessage when a display is there, else on standard error.
{
  echo "cwd=$(pwd)"
  for a in "$@"; do echo "arg=$a"; done
} > standin-launch.txt
[ -n "${ORVANE_STANDIN_QUIET:-}" ] && exit 0
text="This is the Orvane demo. Steam is not installed, so this stand-in
shows what Steam would have been started with.

Arguments:
$*

Working directory:
$(pwd)"
if [ -n "${DISPLAY:-}" ] && command -v xmessage >/dev/null 2>&1; then
  exec xmessage -center -title "Orvane demo: Steam stand-in" "$text"
fi
printf '%s\n' "$text" >&2
