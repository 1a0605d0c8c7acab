#!/usr/bin/env bash
# Installs what is needed, builds the launcher and starts it. When this
# machine has no Half-Life (neither in the launcher's settings nor in the
# Wine prefix), it starts on the generated demo tree instead, with settings
# of its own, so the player's real settings are never touched. With
# --steam-demo it starts on the demo laid out as a Steam library instead,
# with --server-demo on the demo laid out as a dedicated server.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
cmake --preset default
cmake --build --preset default --target orvane orvanectl orvane-demo
build="$PWD/build/default"
if [ "${1:-}" = "--steam-demo" ]; then
  # The demo as Steam installs Half-Life, whatever this machine has.
  shift
  demo="${XDG_DATA_HOME:-$HOME/.local/share}/orvane-demo-steam"
  "$build/src/orvane-demo" --steam "$demo" >/dev/null
  echo "Starting Orvane on its DEMO game tree laid out as a Steam library"
  echo "  $demo/Steam/steamapps/common/Half-Life"
  echo "Its steam is a stand-in that shows the arguments it gets."
  export XDG_CONFIG_HOME="$demo/config" XDG_DATA_HOME="$demo/share" WINEPREFIX="$demo/wine"
  export STEAM_DIR="$demo/Steam" PATH="$demo/bin:$PATH"
  unset STEAM
elif [ "${1:-}" = "--server-demo" ]; then
  # The demo as steamcmd installs Half-Life Dedicated Server.
  shift
  demo="${XDG_DATA_HOME:-$HOME/.local/share}/orvane-demo-server"
  "$build/src/orvane-demo" --server "$demo" >/dev/null
  echo "Starting Orvane on its DEMO game tree laid out as a dedicated server"
  echo "  $demo/hlds"
  echo "Its hlds_run is a stand-in that shows the arguments it gets."
  export XDG_CONFIG_HOME="$demo/config" XDG_DATA_HOME="$demo/share" WINEPREFIX="$demo/wine"
elif ! "$build/src/orvane-demo" --installed; then
  demo="${XDG_DATA_HOME:-$HOME/.local/share}/orvane-demo"
  "$build/src/orvane-demo" "$demo" >/dev/null
  echo "Half-Life is not installed here: starting Orvane on its DEMO game tree"
  echo "  $demo/Half-Life"
  echo "The demo's hl.exe is a stand-in that shows the command line it gets."
  export XDG_CONFIG_HOME="$demo/config" XDG_DATA_HOME="$demo/share" WINEPREFIX="$demo/wine"
fi
exec "$build/src/orvane" "$@"
