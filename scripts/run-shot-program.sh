#!/usr/bin/env bash
# Builds one of the screenshot programs and runs it under Wine on an Xvfb
# display of its own, writing its pictures into FOLDER.
# Usage: run-shot-program.sh TARGET FOLDER
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${VANTRELIX_BUILD_DIR:-$root/build}"
target="$1"
out="$(realpath -m "$2")"
bash "$root/scripts/build.sh" --target "$target"
unset DISPLAY
source "$root/scripts/wine-env.sh" "$build"
mkdir -p "$out"
cleanup() { /usr/lib/wine/wineserver -k 2>/dev/null || true; [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true; }
trap cleanup EXIT
/usr/lib/wine/wineserver -k 2>/dev/null || true
/usr/lib/wine/wineserver -w
/usr/lib/wine/wineserver -p
"$WINE" wineboot >/dev/null 2>&1 </dev/null || true
"$WINE" "$build/tests/$target.exe" "Z:${out//\//\\}" </dev/null
