#!/usr/bin/env bash
# The game played from the keyboard and the mouse, first on a bare X server, then under a window
# manager (openbox).
# First the real program's machine window: its caption and client size, a screenshot that shows the
# layout in its colours, the texts a screen reader reads, keys and a click that reach it, the bet's
# sounds reaching the speakers, a spin that takes the bet from the credits shown; How to play opens
# with F1 beside the game, is read with its keys, rules and odds, leaves the machine its keys,
# closes with ESC, opens again from the title window and closes by its close box, and at twice the
# scale it still fits the screen.
# Then the rounds: a bonus game opens in front of the machine with the keyboard; under the window
# manager it is transient for the machine and stays in front when the player clicks or raises the
# machine. ESC closes the game and the next key reaches the machine without a click; closing the
# machine brings the title window with the keyboard, which takes a coin from Shift+5; 1 brings the
# machine back with the keyboard; its message box (read as an alert) stands in front of it the same
# way and gives the keyboard back when it closes. Double Zavri carries no icon, though the machine
# does. When another program raises the machine over a bonus game or a message that blocks it, a
# click on the machine brings the blocking window back in front with the keyboard. The title window
# shows its ticker and continue prompt; on the bare server a click on the prompt brings the machine
# back with the coins inserted, and ESC on the title window ends the game.
#   desktop_test.sh <path of the built program>
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

readonly BONUS_NOW="$(dirname "$1")/bonus_now"
readonly MACHINE="Quirvanto"
readonly TITLE="Quirvanto - Quirvanto Team 2026 - www.quirvanto.example"
readonly DOUBLE_ZAVRI="Double Zavri (ESC key to exit)"
readonly HELP="How to play - Quirvanto"

hex() { printf '0x%x' "$1"; }
# Whether window $1 lies above window $2, as the window manager stacks them or, with none, as
# the X server does (xwininfo lists the top one first).
stacked_above() {
    if e2e_window_manager_running; then
        xprop -root _NET_CLIENT_LIST_STACKING | tr -d ',' | awk -v a="$(hex "$1")" -v b="$(hex "$2")" '
            { for (i = 1; i <= NF; i++) { if ($i == a) pa = i; if ($i == b) pb = i } }
            END { exit !(pa && pb && pa > pb) }'
    else
        xwininfo -root -children | awk -v a="$(hex "$1")" -v b="$(hex "$2")" '
            $1 == a { pa = NR } $1 == b { pb = NR } END { exit !(pa && pb && pa < pb) }'
    fi
}
has_focus() { [ "$(xdotool getwindowfocus)" = "$1" ]; }
in_front_with_focus() { stacked_above "$1" "$2" && has_focus "$1"; }
# Another program raises the machine $2 over the window $1 that blocks it, and the player clicks
# the machine: $1 comes back in front of it with the keyboard.
hand_over() {
    xdotool windowraise "$2"
    e2e_click "$2" 20 200
    e2e_wait_until 5 in_front_with_focus "$1" "$2" ||
        e2e_fail "a click on the machine raised over the window in front left that one behind $where"
}
times_read() { e2e_atspi texts "$1" | grep -cxF "$2" || true; }
reads() { e2e_atspi texts "$1" | grep -x "$2" >/dev/null; }
gone() { [ -z "$(e2e_find_window "$1")" ]; }
# The shown message box of the program: a window captioned "Quirvanto" that is not the machine $1.
no_bet_alert() { e2e_atspi windows | grep -xF $'alert\tQuirvanto | No bet!' >/dev/null; }
message_box() { e2e_windows_named "$MACHINE" | grep -vx "$1" | head -n1; }

# One round on a bare X server or under openbox.
# The layout in its colours: many colours, and these in their places. A slow machine may still
# be drawing the first frame, so a few screenshots are allowed.
layout_shown() {
    local shot="$E2E_WORK/machine.png" colours x y want what got
    e2e_screenshot "$1" "$shot"
    colours="$(e2e_colour_count "$shot")"
    problem="the window shows only $colours colours: not the layout"
    [ "$colours" -ge 20 ] || return 1
    while read -r x y want what; do
        got="$(e2e_pixel "$shot" "$x" "$y" | tr ' ' ,)"
        [ "$got" = "$want" ] || { problem="$what at ($x, $y) is ($got), not ($want)"; return 1; }
    done <<<"9 25 255,128,0 the letter tile Q
338 82 255,0,0 the Ladder field
170 226 0,128,0 the drawn number's panel
248 40 0,0,0 the window's background between V and A"
}
# Whether How to play reads every one of these lines, one reading for all.
help_reads() {
    local text line
    text="$(e2e_atspi content "$HELP")"
    for line in "$@"; do
        grep -qF "$line" <<<"$text" || { problem="How to play does not read '$line'"; return 1; }
    done
}

first_look() {
    local machine title help ones width height first last texts
    e2e_start_program "$1"
    machine="$(e2e_wait_window "$MACHINE")"
    read -r width height <<<"$(e2e_client_size "$machine")"
    [ "$width x $height" = "448 x 418" ] || e2e_fail "client area is $width x $height, not 448 x 418"
    e2e_wait_until 10 layout_shown "$machine" || e2e_fail "$problem"
    texts="$(e2e_atspi texts "$MACHINE")"
    grep -qxF $'push button\tSpin\tClich here or press ENTER key' <<<"$texts" ||
        e2e_fail "Spin is not read as a button with its tool tip"
    grep -qxF $'label\tCredits\t' <<<"$texts" || e2e_fail "the Credits caption is not read"

    # A raises the bet from 0 to 1 (one more label reads "1"); a click on "-" lowers it again.
    ones="$(times_read "$MACHINE" $'label\t1\t')"
    more_ones() { [ "$(times_read "$MACHINE" $'label\t1\t')" -gt "$ones" ]; }
    as_many_ones() { [ "$(times_read "$MACHINE" $'label\t1\t')" -eq "$ones" ]; }
    e2e_key "$machine" a
    e2e_wait_until 5 more_ones || e2e_fail "the A key did not raise the bet"
    e2e_click "$machine" 428 348
    e2e_wait_until 5 as_many_ones || e2e_fail "a click on - did not lower the bet"

    # The machine is silent while it waits; every sound of these key presses is the bet's.
    read -r first last _ <<<"$(e2e_bet_sound_span "$machine")"
    [ "$first" != none ] || e2e_fail "nothing was heard while A and Z changed the bet"
    e2e_log "bet sounds heard from ${first} ms to ${last} ms"

    # How to play beside the game, which goes on taking its keys.
    e2e_key "$machine" F1
    help="$(e2e_wait_window "$HELP")"
    e2e_wait_until 10 help_reads "ENTER" "Any 2: Bet x1" "Double Zavri" \
        "credits for every credit bet" "still playing after 1000 spins" || e2e_fail "$problem"
    ones="$(times_read "$MACHINE" $'label\t1\t')"
    e2e_key "$machine" a
    e2e_wait_until 5 more_ones || e2e_fail "the machine took no A while How to play was open"
    [ -n "$(e2e_find_window "$HELP")" ] || e2e_fail "How to play closed when the machine took a key"
    e2e_key "$help" Escape
    e2e_wait_until 5 gone "$HELP" || e2e_fail "ESC did not close How to play"
    # With the bet of 1, ENTER: the credits fall as the roll starts.
    e2e_key "$machine" Return
    spun() { reads "$MACHINE" $'label\t9\t' && ! reads "$MACHINE" $'label\t10\t'; }
    e2e_wait_until 3 spun || e2e_fail "ENTER did not take the bet of 1 from the 10 credits"

    e2e_close_window "$machine" || e2e_fail "could not ask the machine window to close"
    title="$(e2e_wait_window "$TITLE")"
    e2e_key "$title" F1
    help="$(e2e_wait_window "$HELP")"
    e2e_close_window "$help" || e2e_fail "could not ask How to play to close"
    e2e_wait_until 5 gone "$HELP" || e2e_fail "the close box did not close How to play"
    e2e_program_running || e2e_fail "closing How to play ended the program"
    e2e_stop_program

    # Twice the scale on this screen: How to play fits it.
    QT_SCALE_FACTOR=2 e2e_start_program "$1"
    machine="$(e2e_wait_window "$MACHINE")"
    e2e_key "$machine" F1
    help="$(e2e_wait_window "$HELP")"
    read -r width height <<<"$(e2e_client_size "$help")"
    [ "$width" -le 1024 ] && [ "$height" -le 768 ] ||
        e2e_fail "How to play is ${width}x$height at scale 2 on a 1024x768 screen"
    e2e_stop_program
}

play_round() {
    local desktop="$1" where machine bonus title ones
    where="on $desktop"
    e2e_start_program "$BONUS_NOW" 10 5
    machine="$(e2e_wait_window "$MACHINE")"
    bonus="$(e2e_wait_window "$DOUBLE_ZAVRI")"
    e2e_wait_until 10 has_focus "$bonus" || e2e_fail "Double Zavri has no keyboard $where"
    hand_over "$bonus" "$machine"

    if [ "$desktop" = openbox ]; then
        xprop -id "$bonus" WM_TRANSIENT_FOR |
            grep -qx "WM_TRANSIENT_FOR(WINDOW): window id # $(hex "$machine")" ||
            e2e_fail "Double Zavri is not transient for the machine: $(xprop -id "$bonus" WM_TRANSIENT_FOR)"
        e2e_wait_until 10 in_front_with_focus "$bonus" "$machine" ||
            e2e_fail "Double Zavri did not open in front of the machine"
        xprop -id "$bonus" _NET_WM_ICON | grep -q 'not found' || e2e_fail "Double Zavri shows an icon"
        # Read whole: grep -q would leave xprop writing the large icon into a closed pipe.
        [[ "$(xprop -id "$machine" _NET_WM_ICON)" == *=* ]] || e2e_fail "the machine shows no icon"
        # A click on the machine where Double Zavri leaves it uncovered, then a request to the
        # window manager to raise it: the game stays in front and keeps the keyboard.
        e2e_click "$machine" 20 200
        xdotool windowactivate "$machine" 2>/dev/null || true
        sleep 0.5
        e2e_wait_until 5 in_front_with_focus "$bonus" "$machine" ||
            e2e_fail "raising the machine buried Double Zavri or took its keyboard"
    fi

    ones="$(times_read "$MACHINE" $'label\t1\t')"
    more_ones() { [ "$(times_read "$MACHINE" $'label\t1\t')" -gt "$ones" ]; }
    e2e_press Escape
    e2e_wait_until 5 gone "$DOUBLE_ZAVRI" || e2e_fail "ESC did not close Double Zavri $where"
    e2e_wait_until 5 has_focus "$machine" || e2e_fail "the machine has no keyboard after ESC $where"
    e2e_press a
    e2e_wait_until 5 more_ones || e2e_fail "A after ESC did not raise the bet $where"

    if [ "$desktop" = openbox ]; then
        e2e_press alt+F4
    else
        e2e_close_window "$machine"
    fi
    title="$(e2e_wait_window "$TITLE")"
    e2e_wait_until 5 gone "$MACHINE" || e2e_fail "the machine did not close $where"
    e2e_wait_until 5 has_focus "$title" || e2e_fail "the title window has no keyboard $where"
    e2e_press shift+5
    e2e_wait_until 5 reads "$TITLE" $'label\t10\t' || e2e_fail "Shift+5 inserted no coin $where"
    e2e_wait_until 5 reads "$TITLE" $'.*\tClick here to continue or press 1\t.*' ||
        e2e_fail "a coin did not show the continue prompt $where"
    e2e_wait_until 10 reads "$TITLE" $'label\t.* - You have a good day and enjoy\t.*' ||
        e2e_fail "the title window shows no ticker line $where"
    e2e_screenshot "$title" "$E2E_WORK/title.png"
    [ "$(e2e_colour_count "$E2E_WORK/title.png")" -gt 16 ] || e2e_fail "the title looks empty $where"

    e2e_press 1
    machine="$(e2e_wait_window "$MACHINE")"
    e2e_wait_until 5 reads "$MACHINE" $'label\t10\t' || e2e_fail "the machine came back without the coin $where"
    e2e_wait_until 5 gone "$TITLE" || e2e_fail "1 did not leave the title window $where"
    e2e_wait_until 5 has_focus "$machine" || e2e_fail "the machine came back with no keyboard $where"

    # ENTER with no bet: "No bet!" over the machine, in front of it even when the machine is
    # clicked; ENTER closes it and the machine has the keyboard again.
    e2e_press Return
    box_shown() { [ -n "$(message_box "$machine")" ]; }
    e2e_wait_until 5 box_shown || e2e_fail "ENTER with no bet showed no message $where"
    box="$(message_box "$machine")"
    [ "$desktop" = openbox ] || e2e_wait_until 5 no_bet_alert || e2e_fail "\"No bet!\" is not read as an alert"
    if [ "$desktop" = openbox ]; then
        xprop -id "$box" WM_TRANSIENT_FOR | grep -q "window id # $(hex "$machine")$" ||
            e2e_fail "the message is not transient for the machine"
        e2e_click "$machine" 20 200
        e2e_wait_until 5 in_front_with_focus "$box" "$machine" ||
            e2e_fail "a click on the machine buried the message or took its keyboard"
    fi
    e2e_wait_until 5 has_focus "$box" || e2e_fail "the message has no keyboard $where"
    hand_over "$box" "$machine"
    e2e_press Return
    e2e_wait_until 5 bash -c "! xwininfo -id $box >/dev/null 2>&1 || ! xwininfo -id $box | grep -q IsViewable" ||
        e2e_fail "ENTER did not close the message $where"
    e2e_wait_until 5 has_focus "$machine" || e2e_fail "the machine has no keyboard after the message $where"
    ones="$(times_read "$MACHINE" $'label\t1\t')"
    e2e_press a
    e2e_wait_until 5 more_ones || e2e_fail "A did not raise the bet of the machine that came back $where"
    if [ "$desktop" = openbox ]; then
        e2e_stop_program
        return
    fi

    # The continue prompt answers the mouse, at the middle of where the layout puts it.
    e2e_close_window "$machine"
    title="$(e2e_wait_window "$TITLE")"
    e2e_key "$title" 5 5
    e2e_wait_until 5 reads "$TITLE" $'label\t20\t' || e2e_fail "two more coins were not counted"
    e2e_click "$title" $(((720 + 5145 / 2) / 15)) $(((5280 + 405 / 2) / 15))
    machine="$(e2e_wait_window "$MACHINE")"
    e2e_wait_until 10 reads "$MACHINE" $'label\t20\t' || e2e_fail "the click did not bring 20 credits"
    e2e_close_window "$machine"
    title="$(e2e_wait_window "$TITLE")"
    e2e_key "$title" 5 Escape
    status="$(e2e_wait_program_end 10)" || e2e_fail "ESC on the title window did not end the program"
    [ "$status" = 0 ] || e2e_fail "the program ended with status $status"
}

E2E_AUDIO=1
e2e_setup
first_look "$1"
play_round "a bare X server"
e2e_start_window_manager
play_round openbox
e2e_log "desktop: ok"
