# Sourced by the run and test scripts: a Wine prefix of the project's own and an
# X display. Sets WINEPREFIX, WINEDEBUG, WINE and DISPLAY; starts Xvfb when no
# display is given (its pid in XVFB_PID) and a persistent wineserver.
# Usage: source scripts/wine-env.sh BUILD_DIR
build_dir="$1"
export WINEPREFIX="$build_dir/wineprefix"
export WINEDEBUG=-all
export WINEARCH=win64
export WINE=/usr/lib/wine/wine64
XVFB_PID=""

start_xvfb() {
  local n
  for n in $(seq 91 140); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
    Xvfb ":$n" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
    XVFB_PID=$!
    for _ in $(seq 1 50); do
      xdpyinfo -display ":$n" >/dev/null 2>&1 && { export DISPLAY=":$n"; return 0; }
      sleep 0.1
    done
    kill "$XVFB_PID" 2>/dev/null || true
  done
  echo "could not start Xvfb" >&2
  return 1
}

if [ -z "${DISPLAY:-}" ] || ! xdpyinfo >/dev/null 2>&1; then
  start_xvfb
  echo "Started Xvfb on display $DISPLAY"
fi

if [ ! -f "$WINEPREFIX/.vantrelix-ready" ]; then
  echo "Creating the Wine prefix in $WINEPREFIX (once per build folder)..."
  mkdir -p "$WINEPREFIX"
  # No Mono or Gecko: the program needs neither, and their installers would ask.
  WINEDLLOVERRIDES="mscoree,mshtml=" "$WINE" wineboot -i >/dev/null 2>&1 || true
  /usr/lib/wine/wineserver -w
  # A virtual desktop gives windows frames and a notification area to hold the
  # tray icon, on any X server.
  "$WINE" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
  "$WINE" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1280x800 /f >/dev/null 2>&1
  /usr/lib/wine/wineserver -w
  touch "$WINEPREFIX/.vantrelix-ready"
fi

if [ ! -f "$WINEPREFIX/.vantrelix-fonts-1" ]; then
  # Wine's Tahoma has no check marks and crosses; Windows falls back to its
  # symbol fonts, here DejaVu Sans (fonts-dejavu-core) takes that part.
  "$WINE" reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' \
    /v Tahoma /t REG_MULTI_SZ /d 'DejaVuSans.ttf,DejaVu Sans' /f >/dev/null 2>&1
  /usr/lib/wine/wineserver -w
  touch "$WINEPREFIX/.vantrelix-fonts-1"
fi
