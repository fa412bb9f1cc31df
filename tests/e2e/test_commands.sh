#!/usr/bin/env bash
# The menu bar and the URL commands as a user meets them: a click on "URLs"
# opens the menu, Quick Add asks for a URL and files it, F2 edits its title in
# place; a catalogue entry that names a local program is not started when
# opened: the question appears and its default, No, starts nothing.
source "$VANTRELIX_E2E_LIB" "$1"

dialog_shown() { xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1; }
stored_url() { [ "$(db "SELECT count(*) FROM urls WHERE url = '$1';")" = 1 ]; }

# "URLs" is the third title of the menu bar; its middle lies near x = 110.
quick_add() {
  click $(( client_x + 110 )) $(( client_y + 14 ))
  sleep 0.5
  shot "menu-open-$2"
  xdotool key Down Return
  wait_for 50 dialog_shown "Quick Add URL" || fail "Quick Add did not ask for a URL"
  xdotool type --delay 40 "$1"
  shot "quick-add-$2"
  xdotool key Return
}

start_app
locate_window

quick_add "www.e2e-quick.example/" typed
wait_for 50 stored_url "https://www.e2e-quick.example" || fail "the quick-added URL was not stored"
echo "ok: Quick Add through the menu bar stored the URL"

# Lines: 0 Uncategorized, 1 the new URL. F2 edits its title in place.
click $(( grid_x + 150 )) "$(line_y 1)"
xdotool key F2; sleep 0.5
xdotool key ctrl+a; xdotool type --delay 40 "Typed in place"
shot edit-title
xdotool key Return
titled() { [ "$(db "SELECT title FROM urls WHERE url = 'https://www.e2e-quick.example';")" = "Typed in place" ]; }
wait_for 50 titled || fail "the title edited in place was not stored"
echo "ok: the title edited in place is stored"

program='C:\windows\system32\winver.exe'
quick_add "$program" program
wait_for 50 stored_url "$program" || fail "the program path was not filed"

# Lines: 0 Uncategorized, 1 the web address, 2 the program path.
click $(( grid_x + 150 )) "$(line_y 2)"
xdotool key F3
wait_for 50 dialog_shown "Vantrelix Open" || fail "opening a program path did not ask first"
echo "ok: opening a program path asks first"
shot open-question
xdotool key Return  # the default answer, No
wait_for 50 bash -c "! xdotool search --onlyvisible --name '^Vantrelix Open\$' >/dev/null 2>&1" || fail "the question stayed"
sleep 2
check "nothing was started" "$(pgrep -fc 'winver' || true)" "0"
check "no opening counted" "$(db "SELECT open_count FROM urls WHERE url = '$program';")" "0"

stop_app
check "both URLs kept after close" "$(db "SELECT count(*) FROM urls;")" "2"
echo "e2e commands: all checks passed"
