#!/usr/bin/env bash
# Starts the built exe in a temporary folder on a private Xvfb display, copies
# the given text (if any) as another program would, and saves a screenshot of
# the Wine desktop.  Usage: scripts/screenshot.sh OUT.png [TEXT_TO_COPY]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${VANTRELIX_BUILD_DIR:-$root/build}"
out="$(realpath -m "$1")"; text="${2:-}"
unset DISPLAY
source "$root/scripts/wine-env.sh" "$build"
dir=$(mktemp -d /tmp/vantrelix-shot.XXXXXX)
cp "$build/bin/Vantrelix.exe" "$dir/"
(cd "$dir" && exec "$WINE" Vantrelix.exe >/dev/null 2>&1) &
pid=$!
sleep 4
if [ -n "$text" ]; then printf '%s' "$text" | xclip -selection clipboard -i; sleep 2; fi
import -window root "$out"
"$WINE" taskkill /im Vantrelix.exe >/dev/null 2>&1 || true
wait "$pid" 2>/dev/null || true
/usr/lib/wine/wineserver -k 2>/dev/null || true
kill "$XVFB_PID" 2>/dev/null || true
rm -rf "$dir"
echo "saved $out"
