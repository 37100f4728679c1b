#!/usr/bin/env bash
# The machine window of the real program: its caption, its client size, a screenshot that shows
# the layout in its colours, texts a screen reader reads, and a key and a click that reach it.
source "$(dirname "$0")/lib.sh"

e2e_setup
e2e_start_program "$1"
machine="$(e2e_wait_window Quirvanto)"

read -r width height <<<"$(e2e_client_size "$machine")"
[ "$width x $height" = "448 x 418" ] || e2e_fail "client area is $width x $height, not 448 x 418"

shot="$E2E_WORK/machine.png"
e2e_screenshot "$machine" "$shot"
colours="$(e2e_colour_count "$shot")"
[ "$colours" -ge 20 ] || e2e_fail "the window shows only $colours colours: not the layout"
expect_pixel() {
    local x="$1" y="$2" want="$3" what="$4" got
    got="$(e2e_pixel "$shot" "$x" "$y")"
    [ "$got" = "$want" ] || e2e_fail "$what at ($x, $y) is ($got), not ($want)"
}
expect_pixel 9 25 "255 128 0" "the letter tile Q"
expect_pixel 338 82 "255 0 0" "the Ladder field"
expect_pixel 170 226 "0 128 0" "the drawn number's panel"
expect_pixel 200 390 "0 0 0" "the window's background"

texts="$E2E_WORK/texts.txt"
e2e_atspi texts Quirvanto >"$texts" || e2e_fail "the window cannot be read by a screen reader"
grep -qxF "$(printf 'push button\tSpin\tClich here or press ENTER key')" "$texts" ||
    e2e_fail "Spin is not read as a button with its tool tip"
grep -qxF "$(printf 'label\tCredits\t')" "$texts" || e2e_fail "the Credits caption is not read"
ones_before="$(grep -cxF "$(printf 'label\t1\t')" "$texts" || true)"

# A raises the bet to 1; a click on "-" lowers it again.
e2e_key "$machine" a
e2e_wait_until 5 bash -c "[ \"\$(\"$E2E_PYTHON\" '$E2E_LIB_DIR/atspi_read.py' texts Quirvanto |
    grep -cxF \"\$(printf 'label\t1\t')\")\" -gt $ones_before ]" ||
    e2e_fail "the A key did not raise the bet"
e2e_click "$machine" 428 348
e2e_wait_until 5 bash -c "[ \"\$(\"$E2E_PYTHON\" '$E2E_LIB_DIR/atspi_read.py' texts Quirvanto |
    grep -cxF \"\$(printf 'label\t1\t')\")\" -eq $ones_before ]" ||
    e2e_fail "a click on - did not lower the bet"

