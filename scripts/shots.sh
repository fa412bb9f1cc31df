#!/usr/bin/env bash
# Takes the screenshots of the main window's states into shots/ (or the
# folder given): a catalogue with groups, pins, tags, verdicts and reminders,
# selection and hover, zebra columns, a column and a URL being dragged,
# descending sort without colour coding, the menu, the tag chooser and the
# group rename prompt open, the in-place editor on a title, a URL and a group
# name, and the dark palette.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
exec bash "$root/scripts/run-shot-program.sh" vantrelix_shots "${1:-$root/shots}"
