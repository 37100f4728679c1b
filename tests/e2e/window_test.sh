#!/usr/bin/env bash
# The machine window of the real program: its caption, its client size, a screenshot that shows
# the layout in its colours, texts a screen reader reads, keys and a click that reach it, the
# bet's sounds reaching the speakers, and a spin that takes the bet from the credits shown.
source "$(dirname "$0")/lib.sh"

E2E_AUDIO=1
e2e_setup
e2e_start_program "$1"
machine="$(e2e_wait_window Quirvanto)"

read -r width height <<<"$(e2e_client_size "$machine")"
[ "$width x $height" = "448 x 418" ] || e2e_fail "client area is $width x $height, not 448 x 418"

# The layout in its colours: many colours, and these in their places. A slow machine may still
# be drawing the first frame, so a few screenshots are allowed.
shot="$E2E_WORK/machine.png"
problem=""
check_pixel() {
    local x="$1" y="$2" want="$3" what="$4" got
    got="$(e2e_pixel "$shot" "$x" "$y")"
    [ "$got" = "$want" ] || problem="$what at ($x, $y) is ($got), not ($want)"
}
layout_shown() {
    problem=""
    e2e_screenshot "$machine" "$shot"
    local colours
    colours="$(e2e_colour_count "$shot")"
    [ "$colours" -ge 20 ] || problem="the window shows only $colours colours: not the layout"
    check_pixel 9 25 "255 128 0" "the letter tile Q"
    check_pixel 338 82 "255 0 0" "the Ladder field"
    check_pixel 170 226 "0 128 0" "the drawn number's panel"
    check_pixel 248 40 "0 0 0" "the window's background between V and A"
    [ -z "$problem" ]
}
e2e_wait_until 10 layout_shown || e2e_fail "$problem"

# What a screen reader reads: whether a line is there, and how many times.
reads() {
    local line="$1"
    shift
    e2e_atspi "$@" | grep -xF "$line" >/dev/null
}
times_read() {
    local line="$1"
    shift
    e2e_atspi "$@" | grep -cxF "$line" || true
}

reads $'push button\tSpin\tClich here or press ENTER key' texts Quirvanto ||
    e2e_fail "Spin is not read as a button with its tool tip"
reads $'label\tCredits\t' texts Quirvanto || e2e_fail "the Credits caption is not read"

# A raises the bet from 0 to 1 (one more label reads "1"); a click on "-" lowers it again.
ones="$(times_read $'label\t1\t' texts Quirvanto)"
more_ones() { [ "$(times_read $'label\t1\t' texts Quirvanto)" -gt "$ones" ]; }
as_many_ones() { [ "$(times_read $'label\t1\t' texts Quirvanto)" -eq "$ones" ]; }
e2e_key "$machine" a
e2e_wait_until 5 more_ones || e2e_fail "the A key did not raise the bet"
e2e_click "$machine" 428 348
e2e_wait_until 5 as_many_ones || e2e_fail "a click on - did not lower the bet"

# ENTER with no bet: a message box that reads as an alert and has the keyboard: ENTER closes it.
no_bet_alert() { reads $'alert\tQuirvanto | No bet!' windows; }
no_alert() { ! no_bet_alert; }
e2e_key "$machine" Return
e2e_wait_until 5 no_bet_alert ||
    e2e_fail "no alert \"No bet!\" after ENTER with no bet"
e2e_press Return
e2e_wait_until 5 no_alert ||
    e2e_fail "ENTER did not close the message box"

# The machine is silent while it waits; every sound of these key presses is the bet's.
read -r first last _ <<<"$(e2e_bet_sound_span "$machine")"
[ "$first" != none ] || e2e_fail "nothing was heard while A and Z changed the bet"
e2e_log "bet sounds heard from ${first} ms to ${last} ms"

# A bet of 1, then ENTER: the roll takes about four seconds, and the credits fall as it starts.
e2e_key "$machine" a
e2e_wait_until 5 more_ones || e2e_fail "A did not raise the bet to 1"
e2e_key "$machine" Return
spun() { reads $'label\t9\t' texts Quirvanto && ! reads $'label\t10\t' texts Quirvanto; }
e2e_wait_until 3 spun || e2e_fail "ENTER did not take the bet of 1 from the 10 credits"
e2e_program_running || e2e_fail "the program ended"
