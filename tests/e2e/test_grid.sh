#!/usr/bin/env bash
# The grid driven by the mouse and keyboard as a user drives it: a header
# click sorts, a click and Delete removes a URL, Ctrl+Z brings it back, a
# dragged URL lands in another group, a search narrows the rows; the database
# and the settings file show the outcome after a normal close.
source "$VANTRELIX_E2E_LIB" "$1"

# A catalogue with two groups: capture three addresses, then (closed) put a
# fourth into a group "Work" with the sqlite3 tool.
start_app
copy_text "https://c.example https://a.example https://b.example https://d.example"
url_count_is() { [ "$(db "SELECT count(*) FROM urls;")" = "$1" ]; }
wait_for 100 url_count_is 4 || fail "the addresses were not captured"
stop_app
db "INSERT INTO groups (name, sort_order) VALUES ('Work', 1);
    UPDATE urls SET group_id = (SELECT id FROM groups WHERE name = 'Work') WHERE url = 'https://d.example';"

start_app
locate_window

# Lines as filed: 0 Uncategorized, 1 c, 2 a, 3 b, 4 Work, 5 d. Drag b onto
# the "Work" header: it goes first in Work (and a manual move ends sorting).
xdotool mousemove $(( grid_x + 150 )) "$(line_y 3)"; sleep 0.3; xdotool mousedown 1; sleep 0.2
xdotool mousemove $(( grid_x + 150 )) $(( $(line_y 3) + 10 )); sleep 0.2
xdotool mousemove $(( grid_x + 150 )) "$(line_y 4)"; sleep 0.2
xdotool mouseup 1; sleep 0.6
shot dragged
check "dragged URL filed first under Work" \
  "$(db "SELECT u.url FROM urls u JOIN groups g ON g.id = u.group_id WHERE g.name = 'Work' ORDER BY u.sort_order;" | tr '\n' ' ')" \
  "https://b.example https://d.example "

# Header "Title" (after "#", 40 pixels wide): sort ascending by title.
click $(( grid_x + 100 )) $(( grid_y + 14 ))
shot sorted
# Lines now: 0 Uncategorized, 1 a, 2 c, 3 Work, 4 b, 5 d.
click $(( grid_x + 150 )) "$(line_y 1)"
xdotool key Delete; sleep 0.6
shot deleted
check "Delete removed the selected URL" "$(db "SELECT count(*) FROM urls WHERE url = 'https://a.example';")" "0"
xdotool key ctrl+z; sleep 0.6
shot undone
check "Ctrl+Z brought it back" "$(db "SELECT count(*) FROM urls WHERE url = 'https://a.example';")" "1"

# Search box (right of the label and the two filters): only c is left, on line 1.
click $(( client_x + 317 + 60 )) $(( client_y + 28 + 12 ))
xdotool type --delay 80 "c.ex"; sleep 0.6
shot searched
click $(( grid_x + 150 )) "$(line_y 1)"
xdotool key Delete; sleep 0.6

stop_app
check "catalogue after the session" \
  "$(db "SELECT g.name || ' ' || u.url FROM urls u JOIN groups g ON g.id = u.group_id ORDER BY g.sort_order, u.sort_order;" | tr '\n' ';')" \
  "Uncategorized https://a.example;Work https://b.example;Work https://d.example;"
sort_section=$(iconv -f UTF-16 -t UTF-8 "$E2E_DIR/Vantrelix.ini" | tr -d '\r' | sed -n '/^\[Sort\]/,/^\[/p' | grep = | tr '\n' ' ')
check "sort saved in the settings" "$sort_section" "Column=1 Ascending=1 "
echo "e2e grid: all checks passed"
