#!/usr/bin/env bash
# Builds the benchmark program and runs it under Wine on an X display, with
# its Wine prefix and database files in a temporary folder that is removed
# afterwards. Arguments go to the program, e.g.
#   scripts/bench.sh --sizes 1000,10000
#   scripts/bench.sh --diagnose
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${VANTRELIX_BUILD_DIR:-$root/build}"
bash "$root/scripts/build.sh" --target vantrelix_bench
scratch="$(mktemp -d "${TMPDIR:-/tmp}/vantrelix-bench.XXXXXX")"
XVFB_PID=""
cleanup() {
  # Only the server of this run's own prefix.
  [ -n "${WINEPREFIX:-}" ] && /usr/lib/wine/wineserver -k 2>/dev/null || true
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true
  rm -rf "$scratch"
}
trap cleanup EXIT
# The prefix (and with it the temporary folder the program writes its
# databases to) lives in the scratch folder.
source "$root/scripts/wine-env.sh" "$scratch"
/usr/lib/wine/wineserver -p
"$WINE" wineboot >/dev/null 2>&1 </dev/null || true
"$WINE" "$build/bench/vantrelix_bench.exe" "$@" </dev/null
