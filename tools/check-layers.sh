#!/usr/bin/env bash
# Refuses an include that points up the layer stack
#   platform < core < services < editors < gui < app
# and a Qt include outside gui/ and the window program's entry (app/main.cpp).
set -euo pipefail
src="${1:-$(dirname "$0")/../src}"
rank() { case "$1" in platform) echo 0;; core) echo 1;; services) echo 2;; editors) echo 3;;
  gui) echo 4;; app) echo 5;; *) echo -1;; esac; }
bad=0
while IFS= read -r file; do
  rel="${file#"$src"/}"
  layer="${rel%%/*}"
  own=$(rank "$layer")
  while IFS= read -r inc; do
    target="${inc%%/*}"
    r=$(rank "$target")
    if [ "$r" -gt "$own" ]; then
      echo "$rel includes $inc: $layer may not reach up to $target"; bad=1
    fi
  done < <(sed -n -E 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"([^"]+)".*/\1/p' "$file")
  if [ "$layer" != gui ] && [ "$rel" != app/main.cpp ] &&
     grep -q -E '^[[:space:]]*#[[:space:]]*include[[:space:]]*<Q' "$file"; then
    echo "$rel includes Qt: only gui/ and app/main.cpp may"; bad=1
  fi
done < <(find "$src" -name '*.h' -o -name '*.cpp')
[ "$bad" -eq 0 ] && echo "layers: every include points down the stack"
exit "$bad"
