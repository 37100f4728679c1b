#!/usr/bin/env bash
# The machine played as a screen reader user plays it, through AT-SPI alone: the credits read
# beside their caption, a Hold under its cover that cannot be pressed, the grid read after a spin,
# a column held by its button and read back as held, the wheel's light followed, told of at most
# twice a second, and stopped. The draws are the program's own, so it spins until it has seen a
# hold offer and a win; bonus games it is sent to are left with ESC.
#   screen_reader_test.sh <path of the built program>
E2E_DEADLINE=240
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

e2e_setup
e2e_start_program "$1"
e2e_wait_window Quirvanto >/dev/null

# The wheel's field captions, as bonus_now lists them.
fields="$("$(dirname "$1")/bonus_now" 2>&1 | sed -n 's/^  [0-9]* //p' | sort -u | paste -sd '|')" || true
[ -n "$fields" ] || e2e_fail "bonus_now lists no wheel fields"
readonly FIELDS="^($fields)$"
reading="$E2E_WORK/reading.txt"
read_machine() { e2e_atspi states Quirvanto >"$reading"; }
# has ROLE NAME [STATE]: the last reading has that control, with that state among its states.
has() {
    awk -F'\t' -v role="$1" -v name="$2" -v state="${3:-}" '
        $1 == role && $2 == name && (state == "" || index("," $4 ",", "," state ",")) { found = 1 }
        END { exit !found }' "$reading"
}
# The wheel fields on show that read lit, one a line.
lit_fields() {
    awk -F'\t' -v fields="$FIELDS" \
        '$1 == "label" && $2 ~ fields && $3 == "lit" && index("," $4 ",", ",showing,")' "$reading"
}
value_is() { [ "$(e2e_atspi value Quirvanto "$1")" = "$2" ]; }
announced() { read_machine && has notification "$1" showing; }

e2e_wait_until 10 value_is Credits 10 || e2e_fail "no value labelled Credits reads 10"

# Before any spin the Hold buttons lie under a cover: not on show, and a press does nothing.
read_machine
has "check box" "Hold column 1" || e2e_fail "no Hold check box for column 1"
! has "check box" "Hold column 1" showing || e2e_fail "the covered Hold reads as on show"
e2e_atspi press Quirvanto "Hold column 1" --covered
read_machine
! has "check box" "Hold column 1" checked || e2e_fail "a press on the covered Hold held column 1"

e2e_atspi press Quirvanto +
e2e_wait_until 5 value_is Bet 1 || e2e_fail "+ did not raise the bet to 1"

spun=0 grid=0 held=0 stopped=0
deadline=$((SECONDS + 180))
while [ "$held$stopped" != 11 ]; do
    [ "$SECONDS" -lt "$deadline" ] || e2e_fail "no hold offer and win within 180 s (held $held, stopped $stopped)"
    e2e_program_running || e2e_fail "the program ended"
    bonus="$(e2e_atspi windows | awk -F'\t' '/ESC key to exit/ { print $2; exit }')"
    if [ -n "$bonus" ]; then
        e2e_key "$(e2e_wait_window "$bonus")" Escape
        e2e_wait_until 5 eval '[ -z "$(e2e_find_window "$bonus")" ]' || e2e_fail "ESC did not close $bonus"
        continue
    fi
    read_machine
    settled=0 board=0
    if has "push button" Stop showing; then
        settled=1
        if [ "$stopped" = 0 ] && [ -n "$(lit_fields)" ]; then
            # Follow the light: one field lit at a time, and not always the same one.
            seen=""
            for _ in 1 2 3 4 5 6 7 8; do
                read_machine
                [ "$(lit_fields | wc -l)" -le 1 ] || e2e_fail "more than one wheel field reads lit"
                seen="$(printf '%s\n%s' "$seen" "$(lit_fields | cut -f2)" | sort -u | sed '/^$/d')"
                [ "$(printf '%s\n' "$seen" | wc -l)" -lt 2 ] || break
            done
            [ "$(printf '%s\n' "$seen" | wc -l)" -ge 2 ] || e2e_fail "the wheel's light was not seen moving"
            told="$(e2e_atspi events 2 | awk -F'\t' '/accessible-description/ { n += $2 } END { print n + 0 }')"
            e2e_log "the moving light was told $told times in 2 s"
            [ "$told" -ge 1 ] && [ "$told" -le 10 ] ||
                e2e_fail "the moving light was told $told times in 2 s, not 1 to 10"
            e2e_atspi press Quirvanto Stop
            read_machine
            [ -z "$(lit_fields)" ] || e2e_fail "a wheel field still reads lit after Stop"
            stopped=1
        else
            e2e_atspi press Quirvanto Stop
        fi
    elif has "check box" "Hold column 1" showing; then
        settled=1 board=1
        if [ "$held" = 0 ]; then
            e2e_atspi press Quirvanto "Hold column 2"
            read_machine
            has "check box" "Hold column 2" checked || e2e_fail "column 2 does not read as held"
            ! has "check box" "Hold column 1" checked || e2e_fail "column 1 reads as held"
            held=1
        fi
        e2e_atspi press Quirvanto Spin
    elif has "push button" Spin showing; then
        settled=1 board=1
        e2e_atspi press Quirvanto Spin
        if [ "$spun" = 0 ]; then
            e2e_wait_until 3 announced "Credits: 9" || e2e_fail "the credits of 9 were not announced"
            spun=1
            continue
        fi
    fi
    # The grid, read once the first roll is over and no letter game's panel lies over it: every
    # tile by its place and a value of 1 to 9.
    if [ "$spun$board$grid" = 110 ]; then
        tiles="$(grep -cE $'^image\trow [1-3], column [1-3]: [1-9]\t[^\t]*\tshowing$' "$reading" || true)"
        [ "$tiles" = 9 ] || e2e_fail "the grid reads $tiles tiles, not 9: $(grep ^image "$reading")"
        grid=1
    fi
    [ "$settled" = 1 ] || sleep 0.2
done
e2e_log "screen reader: ok"
