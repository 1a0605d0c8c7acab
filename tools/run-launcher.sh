#!/usr/bin/env bash
# Installs what is needed, builds the launcher and starts it. When this
# machine has no Half-Life (neither in the launcher's settings nor in the
# Wine prefix), it starts on the generated demo tree instead, with settings
# of its own, so the player's real settings are never touched.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
cmake --preset default
cmake --build --preset default --target orvane orvanectl orvane-demo
build="$PWD/build/default"
if ! "$build/src/orvane-demo" --installed; then
  demo="${XDG_DATA_HOME:-$HOME/.local/share}/orvane-demo"
  "$build/src/orvane-demo" "$demo" >/dev/null
  echo "Half-Life is not installed here: starting Orvane on its DEMO game tree"
  echo "  $demo/Half-Life"
  echo "The demo's hl.exe is a stand-in that shows the command line it gets."
  export XDG_CONFIG_HOME="$demo/config" XDG_DATA_HOME="$demo/share" WINEPREFIX="$demo/wine"
fi
exec "$build/src/orvane" "$@"
