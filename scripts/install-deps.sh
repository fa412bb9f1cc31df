#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need.
# Idempotent: only missing packages are installed.
set -euo pipefail
packages=(
  cmake ninja-build git ca-certificates
  g++-mingw-w64-x86-64-posix        # the cross compiler (posix threads)
  googletest                         # sources under /usr/src/googletest
  wine wine64                        # runs the program and the tests
  libgnutls30                        # HTTPS inside Wine (only recommended by Debian's wine)
  fonts-dejavu-core fonts-liberation # text inside Wine
  xvfb x11-utils xdotool xclip imagemagick  # display, driving, screenshots
  sqlite3                            # inspects databases in end-to-end tests
  procps fonts-wine                  # process tools; the fonts Wine draws its window frames with
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
# npm fetches the SQLite amalgamation tarball; a machine may already have it
# from another source than Debian.
command -v npm >/dev/null 2>&1 || missing+=(npm)
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
