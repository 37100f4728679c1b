#!/usr/bin/env bash
# Started with no display to show on, the program says so in one line and exits with status 1.
set -euo pipefail

program="$(realpath -e "$1")"
out="$(mktemp)"
trap 'rm -f "$out"' EXIT
status=0
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" >"$out" 2>&1 </dev/null || status=$?
expected="quirvanto: no display to show the game on (DISPLAY is not set)"
if [ "$status" -ne 1 ] || [ "$(cat "$out")" != "$expected" ]; then
    echo "FAIL: exit status $status, output:" >&2
    cat "$out" >&2
    exit 1
fi
