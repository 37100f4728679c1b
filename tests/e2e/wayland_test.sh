#!/usr/bin/env bash
# The game as a native Wayland client of a headless compositor (sway), played with a virtual
# keyboard and mouse: the machine opens at its fixed size with the desktop's app id; a bonus game
# and "No bet!" open in front with the keyboard, and a click on the machine behind them gives them
# the keyboard back; keys mean what the virtual keymap types (A, Z, 5, x, Shift+5, 1) and ESC closes the
# bonus game; the title window takes coins and gives the machine back; at scale 2 the game draws
# at twice the pixels and its pointer's fingertip is where the click lands.
#   wayland_test.sh <path of the built program>
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

readonly ID=example.quirvanto.Quirvanto
readonly MACHINE="Quirvanto"
readonly TITLE="Quirvanto - Quirvanto Team 2026 - www.quirvanto.example"
readonly DOUBLE_ZAVRI="Double Zavri (ESC key to exit)"
readonly SPIN_X=400 SPIN_Y=388  # the middle of Spin in the machine, in logical pixels

front() { e2e_sway_windows | tail -n1; }
focused() { e2e_sway_windows | grep '^1 '; }
machine_line() { e2e_sway_windows | grep " 448 418 $MACHINE\$" | head -n1; }
# Whether the window in this line has this caption (and this size, when given).
is_window() {
    local width height caption
    read -r _ _ _ _ width height caption <<<"$1"
    [ "$caption" = "$2" ] && { [ -z "${3:-}" ] || [ "$width $height" = "$3" ]; }
}
has_keyboard() { is_window "$(focused)" "$@"; }
in_front_with_focus() { has_keyboard "$@" && is_window "$(front)" "$@"; }
# "No bet!" has the machine's caption but not its size.
box_has_keyboard() { has_keyboard "$MACHINE" && ! machine_line | grep -q '^1'; }
box_in_front_with_focus() { box_has_keyboard && is_window "$(front)" "$MACHINE"; }
gone() { ! e2e_sway_windows | grep -qF " $1"; }
times_read() { e2e_atspi texts "$1" | grep -cxF "$2" || true; }
reads() { [ "$(times_read "$1" "$2")" -gt 0 ]; }
# Clicks the machine on its left edge, which the boxes over it leave uncovered.
click_machine() {
    local x y
    read -r _ _ x y _ <<<"$(machine_line)"
    e2e_wayland_pointer move $((x + 10)) $((y + 200))
    e2e_wayland_pointer click
}

E2E_SCREEN=1280x1024x24
e2e_setup
e2e_start_wayland "$1"

e2e_start_program "$(dirname "$1")/bonus_now" 10 5
e2e_wait_until 20 machine_line || e2e_fail "no machine of 448 x 418: $(e2e_sway_windows)"
e2e_wait_until 10 in_front_with_focus "$DOUBLE_ZAVRI" ||
    e2e_fail "Double Zavri is not in front with the keyboard: $(e2e_sway_windows)"
# Sway 1.7 gives an activated window the keyboard but leaves it where it is stacked.
click_machine
sleep 0.5
e2e_wait_until 5 has_keyboard "$DOUBLE_ZAVRI" ||
    e2e_fail "a click on the machine took the keyboard from Double Zavri: $(e2e_sway_windows)"

e2e_wayland_type -k Escape
e2e_wait_until 5 gone "$DOUBLE_ZAVRI" || e2e_fail "ESC did not close Double Zavri"
e2e_wait_until 5 in_front_with_focus "$MACHINE" "448 418" || e2e_fail "the machine has no keyboard after ESC"
ones="$(times_read "$MACHINE" $'label\t1\t')"
e2e_wayland_type a
bet_raised() { [ "$(times_read "$MACHINE" $'label\t1\t')" -gt "$ones" ]; }
e2e_wait_until 5 bet_raised || e2e_fail "A did not raise the bet"
e2e_wayland_type z
bet_lowered() { [ "$(times_read "$MACHINE" $'label\t1\t')" -eq "$ones" ]; }
e2e_wait_until 5 bet_lowered || e2e_fail "Z did not lower the bet again"

# ENTER with no bet: "No bet!" in front with the keyboard, also after a click on the machine.
e2e_wayland_type -k Return
e2e_wait_until 5 box_in_front_with_focus || e2e_fail "no message in front with the keyboard: $(e2e_sway_windows)"
click_machine
sleep 0.5
e2e_wait_until 5 box_has_keyboard ||
    e2e_fail "a click on the machine took the keyboard from the message: $(e2e_sway_windows)"
e2e_wayland_type -k Return
e2e_wait_until 5 in_front_with_focus "$MACHINE" "448 418" || e2e_fail "the machine has no keyboard after the message"

# The title window: x takes no coin, 5 and Shift+5 take one each, 1 gives the machine back.
swaymsg "[title=\"^$MACHINE\$\"] kill" >/dev/null
e2e_wait_until 10 in_front_with_focus "$TITLE" || e2e_fail "the title window is not in front with the keyboard"
e2e_wayland_type x5
e2e_wait_until 5 reads "$TITLE" $'label\t10\t' || e2e_fail "x5 did not take one coin"
e2e_wayland_type -M shift 5 -m shift
e2e_wait_until 5 reads "$TITLE" $'label\t20\t' || e2e_fail "Shift+5 did not take a coin"
e2e_wayland_type 1
e2e_wait_until 10 in_front_with_focus "$MACHINE" "448 418" || e2e_fail "1 did not bring the machine back"
e2e_wait_until 5 reads "$MACHINE" $'label\t20\t' || e2e_fail "the machine came back without the 20 credits"
[ ! -s "$E2E_WORK/program.log" ] || e2e_fail "the program wrote to its output: $(cat "$E2E_WORK/program.log")"
e2e_stop_program

# Scale 2: surfaces drawn at twice the pixels, and the pointer over Spin points where it clicks.
swaymsg output HEADLESS-1 scale 2 >/dev/null
WAYLAND_DEBUG=client e2e_start_program "$1"
e2e_wait_until 20 machine_line || e2e_fail "no machine of 448 x 418 at scale 2: $(e2e_sway_windows)"
machine_line | grep -q "^1 $ID " || e2e_fail "the machine has not the app id $ID: $(machine_line)"
grep -q 'set_buffer_scale(2)' "$E2E_WORK/program.log" || e2e_fail "the machine is not drawn at scale 2"
read -r _ _ x y _ <<<"$(machine_line)"
# The pointer is drawn into the screen: the picture over Spin against one with it elsewhere.
e2e_wayland_pointer move 0 0
e2e_wayland_screenshot "$E2E_WORK/no-pointer.png"
e2e_wayland_pointer move $((x + SPIN_X)) $((y + SPIN_Y))
e2e_wayland_screenshot "$E2E_WORK/pointer.png"
read -r tip_x tip_y <<<"$("$E2E_PYTHON" "$E2E_LIB_DIR/tools/pointer_tip.py" "$E2E_WORK/pointer.png" \
    "$E2E_WORK/no-pointer.png" $(((x + SPIN_X) * 2 - 80)) $(((y + SPIN_Y) * 2 - 80)) 160)"
want_x=$(((x + SPIN_X) * 2)) want_y=$(((y + SPIN_Y) * 2))
[ $((tip_x - want_x)) -le 2 ] && [ $((want_x - tip_x)) -le 2 ] && [ $((tip_y - want_y)) -le 2 ] &&
    [ $((want_y - tip_y)) -le 2 ] ||
    e2e_fail "the pointer's tip is at ($tip_x, $tip_y), the click lands at ($want_x, $want_y)"
e2e_log "wayland: ok"
