#!/usr/bin/env bash
# Text copied by another program is filed, saved, written back normalised, and
# the database and settings are complete after a normal close.
source "$VANTRELIX_E2E_LIB" "$1"

start_app
check "new database has the eight tables" \
  "$(db "SELECT group_concat(name, ' ') FROM (SELECT name FROM sqlite_master WHERE type='table' AND name NOT LIKE 'sqlite_%' ORDER BY name);")" \
  "auto_group_rules auto_tag_rules favicons groups meta tags url_tags urls"
check "meta row" "$(db "SELECT key || '=' || value FROM meta;")" "version=1.3.5"

copy_text "Links: https://e2e.example/first/ and www.second.example, done"
url_count_is() { [ "$(db "SELECT count(*) FROM urls;")" = "$1" ]; }
wait_for 100 url_count_is 2 || fail "the two addresses were not saved"
check "urls in filing order" "$(db "SELECT url FROM urls ORDER BY sort_order;" | tr '\n' ' ')" \
  "https://e2e.example/first https://www.second.example, "
check "filed into the default group" "$(db "SELECT DISTINCT g.name FROM urls u JOIN groups g ON g.id = u.group_id;")" \
  "Uncategorized"
check "created stamps" "$(db "SELECT count(*) FROM urls WHERE created GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9] [0-9][0-9]:[0-9][0-9]:[0-9][0-9]';")" "2"
clipboard_is() { [ "$(clipboard_text)" = "$1" ]; }
wait_for 50 clipboard_is "https://e2e.example/first" || fail "clipboard holds '$(clipboard_text)'"
echo "ok: first address written back normalised"

# A copy of known addresses only: nothing saved, clipboard left alone.
before=$(sha256sum "$E2E_DIR/Vantrelix.db")
copy_text "again https://e2e.example/first/"
sleep 2
check "clipboard untouched" "$(clipboard_text)" "again https://e2e.example/first/"
check "database untouched" "$(sha256sum "$E2E_DIR/Vantrelix.db")" "$before"

stop_app
check "rows kept after close" "$(db "SELECT count(*) FROM urls;")" "2"
ini="$E2E_DIR/Vantrelix.ini"
[ -f "$ini" ] || fail "no settings file written at exit"
# The program creates its settings file as UTF-16 with a byte-order mark.
sections=$(iconv -f UTF-16 -t UTF-8 "$ini" | tr -d '\r' | grep '^\[' | tr '\n' ' ')
check "settings sections in order" "$sections" "[General] [Hotkey] [Window] [Filter] [Sort] [Columns] [CsvExport] [Database] [Links] "
echo "e2e capture: all checks passed"
