#!/usr/bin/env bash
# The game at twice the scale (QT_SCALE_FACTOR=2) on a 2560 x 2048 screen, first on a bare X
# server, where nothing but the program keeps its windows on the screen, then under openbox. The
# player has dragged the machine to the top of the screen when Double Bet opens, centred on the
# machine as far as the screen allows: the whole window, frame and all, lies on the screen. Over
# its Stop button the pointer is drawn at twice the size with its fingertip where the click lands.
#   hidpi_test.sh <path of the built program>
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

readonly DOUBLE_BET="Double Bet (ESC key to exit)"
readonly SCALE=2
readonly SCREEN_WIDTH=2560 SCREEN_HEIGHT=2048

# "LEFT TOP RIGHT BOTTOM" of a window with its frame (none without a window manager), in screen
# pixels.
frame_of() {
    local x y width height left=0 right=0 top=0 bottom=0
    read -r x y <<<"$(e2e_client_origin "$1")"
    read -r width height <<<"$(e2e_client_size "$1")"
    if xprop -id "$1" _NET_FRAME_EXTENTS | grep -q '='; then
        read -r left right top bottom <<<"$(xprop -id "$1" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,/ /g')"
    fi
    echo $((x - left)) $((y - top)) $((x + width + right)) $((y + height + bottom))
}
on_screen() {
    local left top right bottom
    read -r left top right bottom <<<"$(frame_of "$1")"
    [ -n "$bottom" ] && [ "$left" -ge 0 ] && [ "$top" -ge 0 ] &&
        [ "$right" -le "$SCREEN_WIDTH" ] && [ "$bottom" -le "$SCREEN_HEIGHT" ]
}
# Double Bet opens once the machine was dragged to the top left corner; sets bonus.
open_double_bet() {
    e2e_start_program "$(dirname "$1")/bonus_now" 3 5 top
    e2e_wait_window Quirvanto >/dev/null
    bonus="$(e2e_wait_window "$DOUBLE_BET")"
}

E2E_SCREEN="${SCREEN_WIDTH}x${SCREEN_HEIGHT}x24"
export QT_SCALE_FACTOR="$SCALE"
e2e_setup
open_double_bet "$1"
e2e_wait_until 10 on_screen "$bonus" ||
    e2e_fail "on a bare X server Double Bet lies off the screen: $(frame_of "$bonus")"
e2e_stop_program

e2e_start_window_manager
open_double_bet "$1"
e2e_wait_until 10 on_screen "$bonus" ||
    e2e_fail "under openbox Double Bet lies off the screen: $(frame_of "$bonus")"

# The Stop button's middle, in logical pixels (240 + 4215 / 2, 6960 + 375 / 2 twips).
xdotool mousemove --window "$bonus" $((156 * SCALE)) $((476 * SCALE))
pointer_right() {
    local width height hot_x hot_y tip_x tip_y
    read -r width height hot_x hot_y tip_x tip_y <<<"$("$E2E_PYTHON" "$E2E_LIB_DIR/tools/pointer_image.py")"
    [ "$width" = $((32 * SCALE)) ] && [ "$height" = $((32 * SCALE)) ] &&
        [ $((hot_x - tip_x)) -le "$SCALE" ] && [ $((tip_x - hot_x)) -le "$SCALE" ] &&
        [ $((hot_y - tip_y)) -le "$SCALE" ] && [ $((tip_y - hot_y)) -le "$SCALE" ]
}
e2e_wait_until 5 pointer_right ||
    e2e_fail "the pointer over Stop is not drawn to the scale with its fingertip at the hot spot:" \
        "$("$E2E_PYTHON" "$E2E_LIB_DIR/tools/pointer_image.py")"
e2e_log "hidpi: ok"
