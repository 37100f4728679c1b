#!/usr/bin/env bash
# Makes the pictures of the real program that the README and the metainfo show, on the
# end-to-end tests' private display and window manager:
#   tools/screenshots.sh build/bin/quirvanto docs
# machine.png: the machine window after a spin. ladder.png: Ladder open in front of the machine,
# as a desktop shows them, window frames included.
source "$(dirname "$0")/../tests/e2e/lib.sh"

[ $# -eq 2 ] || e2e_fail "usage: $0 PROGRAM FOLDER"
folder="$(realpath -m "$2")"
mkdir -p "$folder"
E2E_WM=1
e2e_setup

e2e_start_program "$1"
machine="$(e2e_wait_window Quirvanto)"
# A bet of 1 and a spin; the roll and the letters are over well within six seconds.
e2e_key "$machine" a Return
sleep 6
e2e_screenshot "$machine" "$folder/machine.png"
e2e_stop_program

# The wheel stopped on Ladder with a win of 5, as bonus_now plays it.
e2e_start_program "$(dirname "$1")/bonus_now" 1 5
ladder="$(e2e_wait_window "Ladder  (ESC key to exit)")"
machine="$(e2e_find_window Quirvanto)"
sleep 1
# The smallest piece of the screen that holds both windows and their frames.
frame() {
    local left right top bottom x y width height
    read -r left right top bottom < <(xprop -id "$1" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
    read -r x y < <(e2e_client_origin "$1")
    read -r width height < <(e2e_client_size "$1")
    echo $((x - left)) $((y - top)) $((x + width + right)) $((y + height + bottom))
}
read -r x0 y0 x1 y1 < <(frame "$machine")
read -r bx0 by0 bx1 by1 < <(frame "$ladder")
x0=$((bx0 < x0 ? bx0 : x0)) y0=$((by0 < y0 ? by0 : y0))
x1=$((bx1 > x1 ? bx1 : x1)) y1=$((by1 > y1 ? by1 : y1))
import -window root -crop "$((x1 - x0))x$((y1 - y0))+$x0+$y0" +repage "$folder/ladder.png"
e2e_log "saved $folder/machine.png and $folder/ladder.png"
