#!/usr/bin/env bash
# Takes the screenshots of the main window's states into shots/ (or the
# folder given): a catalogue with groups, pins, tags, verdicts and reminders,
# selection and hover, zebra columns, a column and a URL being dragged,
# descending sort without colour coding, the menu, the tag chooser and the
# group rename prompt open, the in-place editor on a title, a URL and a group
# name, and the dark palette.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${VANTRELIX_BUILD_DIR:-$root/build}"
out="$(realpath -m "${1:-$root/shots}")"
bash "$root/scripts/build.sh" --target vantrelix_shots
unset DISPLAY
source "$root/scripts/wine-env.sh" "$build"
mkdir -p "$out"
cleanup() { /usr/lib/wine/wineserver -k 2>/dev/null || true; [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true; }
trap cleanup EXIT
/usr/lib/wine/wineserver -k 2>/dev/null || true
/usr/lib/wine/wineserver -w
/usr/lib/wine/wineserver -p
"$WINE" wineboot >/dev/null 2>&1 </dev/null || true
"$WINE" "$build/tests/vantrelix_shots.exe" "Z:${out//\//\\}" </dev/null
