#!/usr/bin/env bash
# Builds everything and runs all three test layers (unit, GUI, end to end)
# under one Wine server and one X display; ends with CTest's summary.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${VANTRELIX_BUILD_DIR:-$root/build}"
bash "$root/scripts/build.sh"
source "$root/scripts/wine-env.sh" "$build"
# One server for the whole run. Its services start here, with their output
# away from CTest: a service that inherited a test's pipe would keep CTest
# waiting for the pipe to close.
# A server left over from an earlier run may belong to a display that is gone.
/usr/lib/wine/wineserver -k 2>/dev/null || true
/usr/lib/wine/wineserver -w
/usr/lib/wine/wineserver -p
"$WINE" wineboot >/dev/null 2>&1 </dev/null || true
cleanup() {
  /usr/lib/wine/wineserver -k 2>/dev/null || true
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true
}
trap cleanup EXIT
cd "$build"
ctest --output-on-failure "$@"
