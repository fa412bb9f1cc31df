#!/usr/bin/env bash
# One running copy per executable file: starting the same exe again brings
# the running window forward (here from hidden) and the new process ends;
# a copy of the exe in another folder runs beside it.
source "$VANTRELIX_E2E_LIB" "$1"

# Started hidden, as from the Startup folder with only the tray icon.
printf '[General]\r\nStartVisible=0\r\n' >"$E2E_DIR/Vantrelix.ini"
start_app
check "first copy started hidden" "$(visible_windows_of "$E2E_DIR")" "0"
check "one process in the folder" "$(app_processes_in "$E2E_DIR")" "1"

# The second start from the same folder, waited for in the foreground.
second_rc=0
(cd "$E2E_DIR" && timeout 60 "$WINE" Vantrelix.exe >/dev/null 2>&1) || second_rc=$?
check "the second start ended by itself, successfully" "$second_rc" "0"
kill -0 "$E2E_PID" 2>/dev/null || fail "the first copy ended"
shown() { [ "$(visible_windows_of "$E2E_DIR")" = "1" ]; }
wait_for 50 shown || fail "the running copy's window was not brought forward"
echo "ok: the running copy's window came forward"
shot brought_forward
check "still one process in the folder" "$(app_processes_in "$E2E_DIR")" "1"
check "still one window of the folder" "$(xdotool search --name "$(basename "$E2E_DIR")" | wc -l)" "1"

# The same program in another folder is another catalogue: it runs too.
another_app_dir
start_app_in "$E2E_OTHER_DIR"
other_shown() { [ "$(visible_windows_of "$E2E_OTHER_DIR")" = "1" ]; }
wait_for 100 other_shown || fail "the copy in the other folder shows no window"
echo "ok: the copy in the other folder shows its window"
shot two_folders
check "one process in the first folder" "$(app_processes_in "$E2E_DIR")" "1"
check "one process in the other folder" "$(app_processes_in "$E2E_OTHER_DIR")" "1"
check "both windows shown" "$(xdotool search --onlyvisible --name '^Vantrelix v1.3.5' | wc -l)" "2"

stop_app  # closes both
for _ in $(seq 1 200); do kill -0 "$E2E_OTHER_PID" 2>/dev/null || break; sleep 0.1; done
kill -0 "$E2E_OTHER_PID" 2>/dev/null && fail "the copy in the other folder did not end"
# A normal start afterwards is the running copy again.
start_app
check "a start after both ended runs" "$(app_processes_in "$E2E_DIR")" "1"
stop_app
echo "e2e single instance: all checks passed"
