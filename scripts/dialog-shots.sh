#!/usr/bin/env bash
# Takes the screenshots of the standard dialogs (message boxes, the input box,
# the tag chooser with 30 tags, About, the reminder dialog with and without
# Clear), light and dark, into shots-dialogs/
# (or the folder given).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
exec bash "$root/scripts/run-shot-program.sh" vantrelix_dialog_shots "${1:-$root/shots-dialogs}"
