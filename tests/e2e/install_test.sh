#!/usr/bin/env bash
# The game as a desktop user gets it: installed into a prefix that is then moved, started from
# another folder, it plays its sounds and shows its tile pictures from the installed data folder;
# its menu entry and metainfo pass the distributions' validators; --help and --version answer
# without a display, and the game says it has none; SIGTERM ends it at once with status 0.
#   install_test.sh <path of the built program>
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

readonly ID=example.quirvanto.Quirvanto
build="$(cd "$(dirname "$1")/.." && pwd)"
[ -f "$build/CMakeCache.txt" ] || e2e_fail "no build folder above $1"
e2e_require desktop-file-validate appstreamcli rsvg-convert

cmake --install "$build" --prefix "$E2E_WORK/staged" >"$E2E_WORK/install.log" 2>&1 ||
    e2e_fail "cmake --install failed: $(cat "$E2E_WORK/install.log")"
mv "$E2E_WORK/staged" "$E2E_WORK/prefix"
prefix="$E2E_WORK/prefix"
for file in bin/quirvanto share/quirvanto/Snd/Roll1.wav share/quirvanto/Img/9.png \
    "share/applications/$ID.desktop" "share/metainfo/$ID.metainfo.xml" \
    "share/icons/hicolor/16x16/apps/$ID.png" "share/icons/hicolor/512x512/apps/$ID.png" \
    "share/icons/hicolor/scalable/apps/$ID.svg" \
    share/man/man6/quirvanto.6.gz share/doc/quirvanto/copyright; do
    [ -f "$prefix/$file" ] || e2e_fail "$file is not installed"
done
[ "$(identify -format %wx%h "$prefix/share/icons/hicolor/22x22/apps/$ID.png")" = 22x22 ] ||
    e2e_fail "the 22 px icon is not 22 x 22"
# The scalable icon, drawn as GNOME draws it (librsvg), looks like the 128 px one.
icons="$prefix/share/icons/hicolor"
rsvg-convert -w 128 -h 128 "$icons/scalable/apps/$ID.svg" -o "$E2E_WORK/scalable.png" ||
    e2e_fail "librsvg cannot draw the scalable icon"
# compare exits 1 when the pictures differ at all; the figure it prints is what counts.
difference="$({ compare -metric RMSE "$E2E_WORK/scalable.png" "$icons/128x128/apps/$ID.png" \
    null: 2>&1 || true; } | sed 's/.*(\(.*\))/\1/')"
awk -v d="$difference" 'BEGIN { exit !(d ~ /^[0-9.e-]+$/ && d + 0 < 0.03) }' ||
    e2e_fail "the scalable icon differs from the 128 px one (RMSE $difference)"

desktop-file-validate "$prefix/share/applications/$ID.desktop" ||
    e2e_fail "the desktop entry does not validate"
report="$(appstreamcli validate --no-net "$prefix/share/metainfo/$ID.metainfo.xml" 2>&1)" ||
    e2e_fail "the metainfo does not validate: $report"
! grep -E '^[EW]:' <<<"$report" || e2e_fail "the metainfo has errors or warnings: $report"
# Each screenshot the metainfo names is in docs/, at the size the metainfo gives.
shots="$(sed -n 's|.*width="\([0-9]*\)" height="\([0-9]*\)">.*/\([^/<]*\)</image>.*|\3 \1x\2|p' \
    "$prefix/share/metainfo/$ID.metainfo.xml")"
[ -n "$shots" ] || e2e_fail "the metainfo names no screenshot"
while read -r name size; do
    picture="$E2E_LIB_DIR/../../docs/$name"
    [ -f "$picture" ] || e2e_fail "the metainfo's screenshot $name is not in docs/"
    [ "$(identify -format %wx%h "$picture")" = "$size" ] ||
        e2e_fail "docs/$name is $(identify -format %wx%h "$picture"), the metainfo says $size"
done <<<"$shots"

# Without a display, --help and --version answer and exit 0; the game itself says in one line
# that it has no display to show on and exits with status 1.
no_display() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$prefix/bin/quirvanto" "$@"; }
for option in --help --version; do
    out="$(no_display $option)" || e2e_fail "quirvanto $option failed"
    grep -q "quirvanto" <<<"$out" || e2e_fail "quirvanto $option printed: $out"
done
[ "$("$prefix/bin/quirvanto" --version)" = "quirvanto 1.0" ] || e2e_fail "wrong --version"
status=0
out="$(no_display 2>&1 </dev/null)" || status=$?
[ "$status $out" = "1 quirvanto: no display to show the game on (DISPLAY is not set)" ] ||
    e2e_fail "with no display: exit status $status, output: $out"

# The odds report needs no display either: it prints its table and exits 0, and draws its plot.
no_display --odds --spins 300 --plot "$E2E_WORK/odds.svg" >"$E2E_WORK/odds.txt" 2>/dev/null </dev/null ||
    e2e_fail "--odds exited with $?"
for line in "Quirvanto odds: 300 spins at bet 1" "Return to player" "| Wheel field | stops |" \
    "still playing after 1000 spins"; do
    grep -qF "$line" "$E2E_WORK/odds.txt" || e2e_fail "--odds printed no '$line'"
done
grep -q "<svg" "$E2E_WORK/odds.svg" || e2e_fail "--plot wrote no SVG"

# The installed tile pictures are made solid magenta, so the screen tells where they come from.
for value in 1 2 3 4 5 6 7 8 9; do
    "$E2E_CONVERT" -size 64x64 xc:magenta "$prefix/share/quirvanto/Img/$value.png"
done

E2E_AUDIO=1
e2e_setup
e2e_start_program "$prefix/bin/quirvanto"
machine="$(e2e_wait_window Quirvanto)"
xprop -id "$machine" WM_CLASS | grep -qi '"quirvanto"' ||
    e2e_fail "the window's WM_CLASS is $(xprop -id "$machine" WM_CLASS)"

read -r first _ <<<"$(e2e_bet_sound_span "$machine")"
[ "$first" != none ] || e2e_fail "the installed program played no sound"

# After a spin the nine tiles show the installed pictures: nine 32 x 32 magenta squares.
e2e_key "$machine" a Return
magenta_tiles() {
    e2e_screenshot "$machine" "$E2E_WORK/spun.png"
    local pixels
    pixels="$("$E2E_CONVERT" "$E2E_WORK/spun.png" -fuzz 3% -fill white -opaque magenta \
        -fill black +opaque white -format '%[fx:int(mean*w*h+0.5)]' info:)"
    [ "$pixels" -ge $((9 * 32 * 32 * 9 / 10)) ]
}
e2e_wait_until 20 magenta_tiles || e2e_fail "the tiles do not show the installed pictures"

# Waited for here, not in a subshell: only the shell that started the program can reap it.
kill -TERM "$E2E_PROGRAM_PID"
e2e_wait_until 5 bash -c "! kill -0 $E2E_PROGRAM_PID" || e2e_fail "SIGTERM did not end the program"
status=0
wait "$E2E_PROGRAM_PID" || status=$?
E2E_PROGRAM_PID=""
[ "$status" = 0 ] || e2e_fail "after SIGTERM the program exited with status $status"
e2e_log "install: ok"
