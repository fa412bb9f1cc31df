#!/usr/bin/env bash
# Another program holding the database during start-up never costs a stored
# URL: the program waits, tells the user, keeps what it captures, and merges
# it in once the file can be read. A file that is not a database stays as it
# is. The program's messages to the user are read from its debugger output
# (Wine prints OutputDebugString text on its seh channel).
source "$VANTRELIX_E2E_LIB" "$1"
export WINEDEBUG=-all,warn+seh
LOG="$E2E_DIR/debug.log"
start_logged() {
  : >"$LOG"
  (cd "$E2E_DIR" && exec "$WINE" Vantrelix.exe >/dev/null 2>>"$LOG") &
  E2E_PID=$!
  wait_for 300 window_listed || fail "no Vantrelix window"
  wait_for 100 xdotool search --onlyvisible --name "^Vantrelix v1.3.5" || fail "the window was not shown"
  sleep 1
}
told() { grep -q "$1" "$LOG"; }
url_count() { db "SELECT count(*) FROM urls;"; }
url_count_is() { [ "$(url_count)" = "$1" ]; }
stored_url() { [ "$(db "SELECT count(*) FROM urls WHERE url = '$1';")" = 1 ]; }

# Holds an exclusive lock on the database for N seconds, in the background,
# as a backup tool or the sqlite3 shell would.
LOCK_PID=""
hold_lock() {
  (echo "BEGIN EXCLUSIVE;"; sleep "$1"; echo "COMMIT;") | sqlite3 "$E2E_DIR/Vantrelix.db" &
  LOCK_PID=$!
  sleep 0.5
}
lock_released() { ! kill -0 "$LOCK_PID" 2>/dev/null; }

# A stored catalogue of 50 URLs in the program's own schema.
start_app
stop_app
db "INSERT INTO groups (name, sort_order) SELECT 'Research', 1 WHERE NOT EXISTS (SELECT 1 FROM groups WHERE name = 'Research');"
db "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 50)
    INSERT INTO urls (group_id, url, title, sort_order) SELECT (SELECT id FROM groups WHERE name = 'Research'),
    'https://stored.example/' || i, 'Stored ' || i, i FROM n;"
check "fixture: 50 stored URLs" "$(url_count)" "50"

# 1. Locked during start-up, released a few seconds later.
hold_lock 6
start_logged
wait_for 100 told "could not be read: another program is using the file" || fail "the user was not told of the lock"
echo "ok: told that the catalogue could not be read"
shot storage-locked
copy_text "captured while locked https://locked.example/during"
sleep 1
wait_for 100 lock_released || fail "the lock holder did not end"
copy_text "captured after release https://locked.example/after"
wait_for 150 stored_url "https://locked.example/after" || fail "the URL copied after the release was not stored"
wait_for 50 stored_url "https://locked.example/during" || fail "the URL copied during the lock was not stored"
check "every stored URL is still there" "$(db "SELECT count(*) FROM urls WHERE url LIKE 'https://stored.example/%';")" "50"
check "stored titles kept" "$(db "SELECT title FROM urls WHERE url = 'https://stored.example/7';")" "Stored 7"
told "could be read after all" || fail "the user was not told that the catalogue was read"
echo "ok: told that the catalogue was read after all"
shot storage-recovered
stop_app
check "after close: 50 stored + 2 captured" "$(url_count)" "52"

# 2. Locked for the whole run: nothing stored is lost, even at exit.
hold_lock 25
start_logged
wait_for 100 told "could not be read" || fail "the user was not told of the lock"
copy_text "https://locked.example/never-stored"
sleep 2
stop_app
wait_for 300 lock_released || fail "the lock holder did not end"
check "nothing stored was lost under a lock held throughout" "$(url_count)" "52"

# 3. A file that is not a database stays untouched.
printf 'my notes, not a database\n%.0s' $(seq 1 200) >"$E2E_DIR/Vantrelix.db"
before=$(sha256sum "$E2E_DIR/Vantrelix.db")
start_logged
wait_for 100 told "is not a database" || fail "the user was not told that the file is no database"
told "NOT stored" || fail "the user was not told that new URLs are not stored"
echo "ok: told that the file is not a database and URLs are not stored"
shot storage-not-a-database
copy_text "https://notadb.example/kept-in-memory"
sleep 2
stop_app
check "the file that is not a database is untouched" "$(sha256sum "$E2E_DIR/Vantrelix.db")" "$before"
echo "e2e storage lock: all checks passed"
