# Helpers for end-to-end tests: the built exe in a temporary folder, driven
# from outside as a user and other programs would. Needs WINE, WINEPREFIX and
# DISPLAY from scripts/test.sh.
set -euo pipefail

E2E_EXE_SOURCE="$1"
E2E_DIR=$(mktemp -d /tmp/vantrelix-e2e.XXXXXX)
E2E_PID=""
E2E_MORE_DIRS=()  # further folders, each with a copy of the exe
E2E_MORE_PIDS=()  # programs started in them
cp "$E2E_EXE_SOURCE" "$E2E_DIR/Vantrelix.exe"

e2e_cleanup() {
  local pid
  for pid in "$E2E_PID" "${E2E_MORE_PIDS[@]}"; do
    if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then kill "$pid" 2>/dev/null || true; fi
  done
  rm -rf "$E2E_DIR" "${E2E_MORE_DIRS[@]}"
}
trap e2e_cleanup EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }
check() {  # check DESCRIPTION ACTUAL EXPECTED
  if [ "$2" != "$3" ]; then
    printf 'FAIL: %s\n  expected: %q\n  actual:   %q\n' "$1" "$3" "$2" >&2
    exit 1
  fi
  echo "ok: $1"
}

# Waits until a command succeeds, up to N tenths of a second.
wait_for() {
  local tenths=$1; shift
  for _ in $(seq 1 "$tenths"); do "$@" >/dev/null 2>&1 && return 0; sleep 0.1; done
  return 1
}

start_app() {
  (cd "$E2E_DIR" && exec "$WINE" Vantrelix.exe >/dev/null 2>&1) &
  E2E_PID=$!
  # The window is up once the database exists (the first load creates it)
  # and Wine reports the window.
  wait_for 300 test -s "$E2E_DIR/Vantrelix.db" || fail "Vantrelix did not create its database"
  wait_for 100 window_listed || fail "no Vantrelix window"
  sleep 1
}

window_listed() { xdotool search --name "^Vantrelix v1.3.5" >/dev/null; }

# Another temporary folder with its own copy of the exe; its path goes to
# E2E_OTHER_DIR.
another_app_dir() {
  E2E_OTHER_DIR=$(mktemp -d /tmp/vantrelix-e2e.XXXXXX)
  E2E_MORE_DIRS+=("$E2E_OTHER_DIR")
  cp "$E2E_EXE_SOURCE" "$E2E_OTHER_DIR/Vantrelix.exe"
}

# Starts the exe of another folder in the background (its pid goes to
# E2E_OTHER_PID) and waits for its database.
start_app_in() {
  (cd "$1" && exec "$WINE" Vantrelix.exe >/dev/null 2>&1) &
  E2E_OTHER_PID=$!
  E2E_MORE_PIDS+=("$E2E_OTHER_PID")
  wait_for 300 test -s "$1/Vantrelix.db" || fail "Vantrelix in $1 did not create its database"
}

# How many Vantrelix processes run from the folder: a Wine process keeps the
# folder it was started in as its working directory.
app_processes_in() {
  local pid n=0
  for pid in $(pgrep -x Vantrelix.exe); do
    [ "$(readlink "/proc/$pid/cwd" 2>/dev/null)" = "$1" ] && n=$((n + 1))
  done
  echo "$n"
}

# Main windows shown on the screen whose caption names the folder.
visible_windows_of() {
  local w n=0
  for w in $(xdotool search --onlyvisible --name "^Vantrelix v1.3.5" 2>/dev/null); do
    case "$(xdotool getwindowname "$w" 2>/dev/null)" in *"$(basename "$1")"*) n=$((n + 1)) ;; esac
  done
  echo "$n"
}

# Closes the program the way Windows asks a program to end (WM_CLOSE to its
# windows) and waits for it to finish its shutdown.
stop_app() {
  "$WINE" taskkill /im Vantrelix.exe >/dev/null 2>&1 || true
  for _ in $(seq 1 200); do kill -0 "$E2E_PID" 2>/dev/null || { E2E_PID=""; return 0; }; sleep 0.1; done
  fail "Vantrelix did not end after WM_CLOSE"
}

# xclip stays behind to serve the selection: its output must not hold CTest's pipe.
copy_text() { printf '%s' "$1" | xclip -selection clipboard -i >/dev/null 2>&1; }
clipboard_text() { xclip -selection clipboard -o 2>/dev/null || true; }

db() { sqlite3 -batch -noheader "$E2E_DIR/Vantrelix.db" "$1"; }

# With E2E_SHOTS set to a folder, `shot NAME` saves a screenshot there.
shot() { [ -n "${E2E_SHOTS:-}" ] && import -window root "$E2E_SHOTS/$1.png" || true; }

# Where the main window's client area and grid are on the screen, for clicks:
# sets client_x, client_y, grid_x and grid_y. The window opens with a
# 600 x 400 client area; xdotool's own geometry is off for windows inside
# Wine's desktop window, xwininfo reports absolute values.
locate_window() {
  local window info X Y WIDTH HEIGHT border
  window=$(xdotool search --name '^Vantrelix v1.3.5' | head -n 1)
  info=$(xwininfo -id "$window")
  X=$(awk '/Absolute upper-left X/ {print $4}' <<<"$info"); Y=$(awk '/Absolute upper-left Y/ {print $4}' <<<"$info")
  WIDTH=$(awk '/Width:/ {print $2}' <<<"$info"); HEIGHT=$(awk '/Height:/ {print $2}' <<<"$info")
  # The frame is even on the sides and the bottom; the caption takes the rest.
  border=$(( (WIDTH - 600) / 2 ))
  client_x=$(( X + border )); client_y=$(( Y + HEIGHT - 400 - border ))
  grid_x=$(( client_x + 1 )); grid_y=$(( client_y + 28 + 24 + 1 ))  # below menu strip and filter row
}
# The middle of display line N of the grid (0 is the first line under the header).
line_y() { echo $(( grid_y + 28 + $1 * 24 + 12 )); }
# Wine takes a button press where it last saw the pointer: move, let the
# motion arrive, then press.
click() { xdotool mousemove "$1" "$2"; sleep 0.3; xdotool mousedown 1; sleep 0.1; xdotool mouseup 1; sleep 0.5; }
