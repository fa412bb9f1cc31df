#!/usr/bin/env bash
# Configures and builds into build/ (or $VANTRELIX_BUILD_DIR) with Ninja.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${VANTRELIX_BUILD_DIR:-$root/build}"
bash "$root/scripts/install-deps.sh"
if [ ! -f "$build/build.ninja" ]; then
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" >/dev/null
fi
cmake --build "$build" "$@"
