#!/usr/bin/env bash
# Refuses an include that points up the layer stack
#   platform < core < services < editors < gui < app
# and a Qt include outside gui/ and the window program's entry (app/main.cpp),
# and a mod's key compared as a string outside the mod's own files and the
# tables that hold one row per mod (core/ModTable.cpp, editors/ModRegistry.cpp,
# gui/EditorWindows.cpp): a mod's facts stand in its row, not in if-chains.
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
keys=$(sed -n -E 's/^[[:space:]]*\.key = "([^"]+)",.*/\1/p' "$src/core/ModTable.cpp")
[ -n "$keys" ] || { echo "no mod keys found in core/ModTable.cpp"; bad=1; }
for key in $keys; do
  lower=$(echo "$key" | tr '[:upper:]' '[:lower:]')
  while IFS= read -r hit; do
    rel="${hit#"$src"/}"
    file="${rel%%:*}"
    base=$(basename "$file" | tr '[:upper:]' '[:lower:]')
    case "$file" in core/ModTable.cpp | editors/ModRegistry.cpp | gui/EditorWindows.cpp) continue ;; esac
    [ "${base#"$lower"}" != "$base" ] && continue  # the mod's own files
    echo "$rel: compares the mod key \"$key\"; put the fact in the mod's row"; bad=1
  done < <(grep -rn -E "(==|!=)[[:space:]]*\"$key\"|\"$key\"[[:space:]]*(==|!=)|NoCase\([^)]*\"$key\"\)" \
             --include='*.cpp' --include='*.h' "$src" || true)
done
[ "$bad" -eq 0 ] && echo "layers: every include points down the stack; no mod key compared outside its row"
exit "$bad"
