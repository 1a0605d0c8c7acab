#!/usr/bin/env bash
# Installs what is needed, builds the launcher and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
cmake --preset default
cmake --build --preset default --target orvane
exec ./build/default/src/orvane "$@"
