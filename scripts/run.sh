#!/usr/bin/env bash
# Builds Vantrelix and starts it under Wine. Uses $DISPLAY when it works,
# otherwise starts Xvfb and says which display to look at.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${VANTRELIX_BUILD_DIR:-$root/build}"
bash "$root/scripts/build.sh" --target Vantrelix
source "$root/scripts/wine-env.sh" "$build"
echo "Vantrelix: $build/bin/Vantrelix.exe (database and settings beside it), display $DISPLAY"
cd "$build/bin"
"$WINE" Vantrelix.exe
/usr/lib/wine/wineserver -w
[ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true
