#!/usr/bin/env bash
# Puts the SQLite 3.47.2 amalgamation and its compiled MinGW object into the
# cache folder (outside git) and prints that folder. The amalgamation comes
# from the npm registry tarball better-sqlite3@11.7.0, checked by SHA-256.
set -euo pipefail
cache="${VANTRELIX_CACHE:-$HOME/.cache/vantrelix}/sqlite-3.47.2"
sqlite_c_sha=06c3bf23ecb30c91587e0f96d2fea71f3e5acc8305cda0bb8d23ee29d522745f
sqlite_h_sha=b4b4cbcc2bd6dda8eaf348103c330c971676a59b3732cca068098f574de43994
mkdir -p "$cache"

verified() {
  [ -f "$cache/sqlite3.c" ] && [ -f "$cache/sqlite3.h" ] &&
  echo "$sqlite_c_sha  $cache/sqlite3.c" | sha256sum -c --status &&
  echo "$sqlite_h_sha  $cache/sqlite3.h" | sha256sum -c --status
}

if ! verified; then
  tmp=$(mktemp -d)
  trap 'rm -rf "$tmp"' EXIT
  (cd "$tmp" && npm pack --silent better-sqlite3@11.7.0 >/dev/null)
  tar -xzf "$tmp"/better-sqlite3-11.7.0.tgz -C "$tmp" package/deps/sqlite3/sqlite3.c package/deps/sqlite3/sqlite3.h
  cp "$tmp"/package/deps/sqlite3/sqlite3.[ch] "$cache"/
  verified || { echo "SQLite amalgamation failed its SHA-256 check" >&2; rm -f "$cache"/sqlite3.[ch]; exit 1; }
fi

# The object takes a minute to compile; build it once per cache, not per build tree.
lib="$cache/libsqlite3-mingw64.a"
if [ ! -f "$lib" ]; then
  x86_64-w64-mingw32-gcc-posix -O2 -c "$cache/sqlite3.c" -o "$cache/sqlite3.o" \
    -DSQLITE_THREADSAFE=1 -DSQLITE_OMIT_LOAD_EXTENSION -DSQLITE_DQS=0
  x86_64-w64-mingw32-ar rcs "$lib.tmp" "$cache/sqlite3.o"
  mv "$lib.tmp" "$lib"
  rm -f "$cache/sqlite3.o"
fi
echo "$cache"
