#!/usr/bin/env bash
# The whole cycle from outside: the machine window is closed the way a window manager closes it,
# the title window takes three coins from the real keyboard, key 1 brings back the machine with
# 30 credits, a click on the continue prompt does the same with 20, and leaving the title window
# with ESC ends the program. Read as a screen reader reads the windows.
#   title_test.sh <path of the built program>
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

readonly MACHINE="Quirvanto"
readonly TITLE="Quirvanto - Quirvanto Team 2026 - www.quirvanto.example"

reads() { e2e_atspi texts "$1" | grep -xF "$2" >/dev/null; }
gone() { [ -z "$(e2e_find_window "$1")" ]; }

e2e_setup
e2e_start_program "$1"
machine="$(e2e_wait_window "$MACHINE")"
e2e_wait_until 10 reads "$MACHINE" $'label\t10\t' || e2e_fail "the machine does not show 10 credits"

e2e_close_window "$machine" || e2e_fail "could not ask the machine window to close"
title="$(e2e_wait_window "$TITLE")"
e2e_wait_until 5 gone "$MACHINE" || e2e_fail "the machine window is still shown"
ticker_line() {
    e2e_atspi texts "$TITLE" | grep $'^label\t.* - You have a good day and enjoy\t' >/dev/null
}
e2e_wait_until 10 ticker_line || e2e_fail "the title window shows no ticker line"
e2e_screenshot "$title" "$E2E_WORK/title.png"
[ "$(e2e_colour_count "$E2E_WORK/title.png")" -gt 16 ] || e2e_fail "the title window looks empty"

e2e_key "$title" 5 5 5
three_coins() {
    reads "$TITLE" $'label\t30\t' &&
        e2e_atspi texts "$TITLE" | grep $'\tClick here to continue or press 1\t' >/dev/null
}
e2e_wait_until 5 three_coins || e2e_fail "three presses of 5 did not show 30 and the prompt"

e2e_key "$title" 1
machine="$(e2e_wait_window "$MACHINE")"
back_with_thirty() { reads "$MACHINE" $'label\tCredits\t' && reads "$MACHINE" $'label\t30\t'; }
e2e_wait_until 10 back_with_thirty || e2e_fail "the machine came back without the 30 credits"
e2e_wait_until 5 gone "$TITLE" || e2e_fail "the title window is still shown"

# The continue prompt answers the mouse, at the middle of where the layout puts it.
e2e_close_window "$machine" || e2e_fail "could not ask the machine window to close"
title="$(e2e_wait_window "$TITLE")"
e2e_key "$title" 5 5
e2e_wait_until 5 reads "$TITLE" $'label\t20\t' || e2e_fail "two more coins were not counted"
e2e_click "$title" $(((720 + 5145 / 2) / 15)) $(((5280 + 405 / 2) / 15))
machine="$(e2e_wait_window "$MACHINE")"
e2e_wait_until 10 reads "$MACHINE" $'label\t20\t' || e2e_fail "the click did not bring 20 credits"

e2e_close_window "$machine" || e2e_fail "could not ask the machine window to close"
title="$(e2e_wait_window "$TITLE")"
e2e_key "$title" 5 Escape
status="$(e2e_wait_program_end 10)" || e2e_fail "ESC on the title window did not end the program"
[ "$status" = 0 ] || e2e_fail "the program ended with status $status"
e2e_log "title: ok"
