#!/usr/bin/env bash
# The machine played from the real keyboard: A raises the bet and its sound reaches the speakers;
# ENTER spins and the credits shown fall by the bet. Read as a screen reader reads the window.
#   machine_test.sh <path of the built program>
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

E2E_AUDIO=1
e2e_setup
e2e_start_program "$1"
machine="$(e2e_wait_window Quirvanto)"

reads() { e2e_atspi texts Quirvanto | grep -xF "$1" >/dev/null; }
times_read() { e2e_atspi texts Quirvanto | grep -cxF "$1" || true; }
credits_read() { reads $'label\tCredits\t' && reads $'label\t'"$1"$'\t'; }
e2e_wait_until 10 credits_read 10 || e2e_fail "the machine does not show 10 credits"
ones="$(times_read $'label\t1\t')"

# The machine is silent while it waits; every sound of these key presses is the bet's.
read -r first last _ <<<"$(e2e_bet_sound_span "$machine")"
[ "$first" != none ] || e2e_fail "nothing was heard while A and Z changed the bet"
e2e_log "bet sounds heard from ${first} ms to ${last} ms"

e2e_key "$machine" a a z
bet_is_one() { [ "$(times_read $'label\t1\t')" -gt "$ones" ]; }
e2e_wait_until 5 bet_is_one || e2e_fail "A, A, Z did not leave the bet at 1"

# The roll takes about four seconds; the credits fall as it starts.
e2e_key "$machine" Return
spun() { credits_read 9 && ! reads $'label\t10\t'; }
e2e_wait_until 3 spun || e2e_fail "ENTER did not take the bet of 1 from the 10 credits"
e2e_program_running || e2e_fail "the program ended"
e2e_log "machine: ok"
