#!/usr/bin/env bash
# How to play from outside: F1 on the machine opens it beside the game, a screen reader reads its
# keys, rules and odds, the machine still takes its keys while it is open, ESC closes it; F1 on
# the title window opens it again and its close box closes it. At twice the scale it still fits
# the screen.
#   how_to_play_test.sh <path of the built program>
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

readonly MACHINE="Quirvanto"
readonly TITLE="Quirvanto - Quirvanto Team 2026 - www.quirvanto.example"
readonly HELP="How to play - Quirvanto"

gone() { [ -z "$(e2e_find_window "$1")" ]; }
reads() { e2e_atspi content "$HELP" | grep -F "$1" >/dev/null; }
bet_is() { e2e_atspi texts "$MACHINE" | grep -xF $'label\t'"$1"$'\t' >/dev/null; }

e2e_setup
e2e_start_program "$1"
machine="$(e2e_wait_window "$MACHINE")"
e2e_key "$machine" F1
help="$(e2e_wait_window "$HELP")"
for line in "ENTER" "Any 2: Bet x1" "Double Zavri" "credits for every credit bet" \
        "still playing after 1000 spins"; do
    e2e_wait_until 10 reads "$line" || e2e_fail "a screen reader does not read '$line' in How to play"
done

# The game goes on behind it: the machine takes its keys as before.
e2e_key "$machine" a
e2e_wait_until 5 bet_is 1 || e2e_fail "the machine took no A while How to play was open"
[ -n "$(e2e_find_window "$HELP")" ] || e2e_fail "How to play closed when the machine took a key"

e2e_key "$help" Escape
e2e_wait_until 5 gone "$HELP" || e2e_fail "ESC did not close How to play"

e2e_close_window "$machine" || e2e_fail "could not ask the machine window to close"
title="$(e2e_wait_window "$TITLE")"
e2e_key "$title" F1
help="$(e2e_wait_window "$HELP")"
e2e_close_window "$help" || e2e_fail "could not ask How to play to close"
e2e_wait_until 5 gone "$HELP" || e2e_fail "the close box did not close How to play"
e2e_program_running || e2e_fail "closing How to play ended the program"
e2e_stop_program

# Twice the scale on this screen: the window fits it.
QT_SCALE_FACTOR=2 e2e_start_program "$1"
machine="$(e2e_wait_window "$MACHINE")"
e2e_key "$machine" F1
help="$(e2e_wait_window "$HELP")"
read -r width height <<<"$(e2e_client_size "$help")"
read -r screen_width screen_height <<<"$(xwininfo -root | awk '/^ *Width:/ {w=$2} /^ *Height:/ {h=$2} END {print w, h}')"
[ "$width" -le "$screen_width" ] && [ "$height" -le "$screen_height" ] ||
    e2e_fail "How to play is ${width}x$height at scale 2 on a ${screen_width}x$screen_height screen"
