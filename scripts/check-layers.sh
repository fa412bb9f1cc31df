#!/usr/bin/env bash
# Fails when a source file includes a header from a layer above its own.
# The layers, lowest first; a file may include from its own layer or below:
#   0 base
#   1 model storage settings ui
#   2 grid capture net formats reminders
#   3 app
# Usage: check-layers.sh [SRC_DIR]
set -uo pipefail
src="${1:-$(cd "$(dirname "$0")/.." && pwd)/src}"

level() {
  case "$1" in
    base) echo 0 ;;
    model|storage|settings|ui) echo 1 ;;
    grid|capture|net|formats|reminders) echo 2 ;;
    app) echo 3 ;;
    *) echo "" ;;
  esac
}

status=0
checked=0
while IFS= read -r -d '' file; do
  rel=${file#"$src"/}
  folder=${rel%%/*}
  own=$(level "$folder")
  if [ -z "$own" ]; then
    echo "$rel: folder '$folder' belongs to no layer (add it to scripts/check-layers.sh)"
    status=1
    continue
  fi
  while IFS=: read -r line include; do
    target=${include%%/*}
    [ "$target" = "$include" ] && continue         # a header beside it or from the platform
    [ -d "$src/$target" ] || continue               # res/ and the like
    theirs=$(level "$target")
    if [ -z "$theirs" ] || [ "$theirs" -gt "$own" ]; then
      echo "$rel:$line: includes $include from a higher layer ($folder is $own, $target is ${theirs:-none})"
      status=1
    fi
  done < <(grep -noP '^\s*#\s*include\s*"\K[^"]+' "$file")
  checked=$((checked + 1))
done < <(find "$src" -type f \( -name '*.cpp' -o -name '*.h' \) -print0)

if [ "$status" -eq 0 ]; then
  echo "layers: $checked files, every include points to the same layer or below"
fi
exit "$status"
