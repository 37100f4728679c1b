#!/usr/bin/env bash
# Saves a picture of the machine window after one spin, for the README:
#   tests/e2e/machine_screenshot.sh build/bin/quirvanto docs/machine.png
source "$(dirname "$0")/lib.sh"

[ $# -eq 2 ] || e2e_fail "usage: $0 PROGRAM OUTPUT.png"
output="$(realpath -m "$2")"
e2e_setup
e2e_start_program "$1"
machine="$(e2e_wait_window Quirvanto)"
# A bet of 1 and a spin; the roll and the letters are over well within six seconds.
e2e_key "$machine" a Return
sleep 6
mkdir -p "$(dirname "$output")"
e2e_screenshot "$machine" "$output"
e2e_log "saved $output"
