#!/usr/bin/env bash
# The real sound player against a PulseAudio null sink: a short sound is heard from its start to
# its end, a sound started 40 ms into another cuts that one off, and a sound that wakes the
# device after a silence starts on time and is heard whole.
#   sound_test.sh <path of the built program>
E2E_DEADLINE=120
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

program_folder="$(cd "$(dirname "$1")" && pwd)"
play_sounds="$program_folder/play_sounds"
measure() { "$E2E_PYTHON" "$E2E_LIB_DIR/tools/sound_capture.py" span "$@"; }
[ -x "$play_sounds" ] || e2e_fail "no play_sounds beside the program"

E2E_AUDIO=1
e2e_start_audio

# Records while the cues play; prints the capture's "first ms, last ms, energy". The silent
# "None" first opens the way, and the cues come two seconds later: in its first second a new
# player's sound may reach the null sink late or not at all (the game, too, plays its first sound
# long after start-up).
capture() {
    local file="$E2E_WORK/$1.raw"
    shift
    e2e_record_audio "$file"
    sleep 0.5
    "$play_sounds" "$program_folder" None@0 "$@" >>"$E2E_WORK/play_sounds.log" 2>&1 ||
        e2e_fail "play_sounds $* failed: $(cat "$E2E_WORK/play_sounds.log")"
    sleep 0.3
    e2e_stop_recording
    measure "$file" 22050
}

# Whether a number lies within [low, high], two awk expressions of a base e.
within() { awk -v x="$1" -v e="$2" "BEGIN { exit !(x >= $3 && x <= $4) }"; }

# 1. The letter blip (80 ms) is heard whole: as long as in its file, with all of its energy.
read -r file_first file_last file_energy <<<"$(measure "$program_folder/Snd/Letter.wav")"
read -r first last energy <<<"$(capture letter Letter@2000)"
[ "$first" != none ] || e2e_fail "nothing was heard of Letter"
heard=$(awk -v a="$first" -v b="$last" 'BEGIN { print b - a }')
expected=$(awk -v a="$file_first" -v b="$file_last" 'BEGIN { print b - a }')
e2e_log "Letter: heard ${heard} ms of ${expected} ms, energy $energy of $file_energy"
within "$heard" "$expected" 'e - 8' 'e + 8' || e2e_fail "Letter was heard for $heard ms"
within "$energy" "$file_energy" 'e * 0.8' 'e * 1.25' ||
    e2e_fail "Letter was heard with energy $energy instead of $file_energy"

# 2. Roll1 (3.4 s) cut off 40 ms in by Letter: the sound ends with the letter, well before the
#    roll would have (Roll1 is first heard 20 ms in, so about 100 ms in all), and the
#    letter's energy is nearly all there is.
read -r first last energy <<<"$(capture cut Roll1@2000 Letter@2040)"
[ "$first" != none ] || e2e_fail "nothing was heard of Roll1 and Letter"
heard=$(awk -v a="$first" -v b="$last" 'BEGIN { print b - a }')
e2e_log "Roll1 cut by Letter: heard ${heard} ms, energy $energy"
within "$heard" 0 80 160 || e2e_fail "Roll1 then Letter were heard for $heard ms, not about 100"
within "$energy" "$file_energy" 'e * 0.8' 'e * 2.0' ||
    e2e_fail "the capture holds energy $energy; Letter alone has $file_energy"
# 3. Two letters 500 ms apart, then two 12 s apart: the device sleeps after 10 s of silence, so
#    the second of those wakes it. Each pair is heard whole (twice the letter's energy); the
#    waking letter starts somewhat later than one that finds the device awake, as the sound
#    server takes the new stream in.
gap() {
    read -r first last energy <<<"$(capture "$@")"
    [ "$first" != none ] || e2e_fail "nothing was heard of $*"
    within "$energy" "$file_energy" 'e * 1.6' 'e * 2.5' ||
        e2e_fail "$* were heard with energy $energy; two letters have $file_energy each"
    awk -v a="$first" -v b="$last" -v e="$expected" 'BEGIN { print b - a - e }'
}
awake=$(gap awake Letter@2000 Letter@2500)
asleep=$(gap asleep Letter@2000 Letter@14000)
late=$(awk -v a="$awake" -v s="$asleep" 'BEGIN { print (s - 12000) - (a - 500) }')
e2e_log "a letter that wakes the device starts $late ms later than one that finds it awake"
within "$late" 0 -15 150 || e2e_fail "the letter that woke the device was $late ms late"
e2e_log "sound: ok"
