#!/usr/bin/env bash
# Takes the screenshots of the standard dialogs (message boxes, the input box,
# the tag chooser with 30 tags, About, the reminder dialog with and without
# Clear), light and dark, into shots-dialogs/
# (or the folder given).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${VANTRELIX_BUILD_DIR:-$root/build}"
out="$(realpath -m "${1:-$root/shots-dialogs}")"
bash "$root/scripts/build.sh" --target vantrelix_dialog_shots
unset DISPLAY
source "$root/scripts/wine-env.sh" "$build"
mkdir -p "$out"
cleanup() { /usr/lib/wine/wineserver -k 2>/dev/null || true; [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true; }
trap cleanup EXIT
/usr/lib/wine/wineserver -k 2>/dev/null || true
/usr/lib/wine/wineserver -w
/usr/lib/wine/wineserver -p
"$WINE" wineboot >/dev/null 2>&1 </dev/null || true
"$WINE" "$build/tests/vantrelix_dialog_shots.exe" "Z:${out//\//\\}" </dev/null
