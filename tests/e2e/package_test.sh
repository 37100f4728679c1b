#!/usr/bin/env bash
# `make package` as a packager runs it: a Debian package of section games whose Depends come from
# the program's shared libraries, carrying the program, its data and the desktop files, with no
# error from lintian (skipped, saying so, where lintian is not installed).
#   package_test.sh <path of the built program>
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

readonly ID=example.quirvanto.Quirvanto
build="$(cd "$(dirname "$1")/.." && pwd)"
[ -f "$build/CPackConfig.cmake" ] || e2e_fail "no CPack configuration in $build"
e2e_require cpack dpkg-deb dpkg-shlibdeps

(cd "$E2E_WORK" && cpack --config "$build/CPackConfig.cmake" -B "$E2E_WORK/package") \
    >"$E2E_WORK/cpack.log" 2>&1 || e2e_fail "cpack failed: $(cat "$E2E_WORK/cpack.log")"
deb="$(find "$E2E_WORK/package" -maxdepth 1 -name "quirvanto_*.deb" | head -n1)"
[ -n "$deb" ] || e2e_fail "cpack made no .deb: $(cat "$E2E_WORK/cpack.log")"

info="$(dpkg-deb -I "$deb")"
field() { sed -n "s/^ $1: //p" <<<"$info"; }
[ "$(field Package)" = quirvanto ] || e2e_fail "package name: $(field Package)"
[ "$(field Section)" = games ] || e2e_fail "section: $(field Section)"
depends="$(field Depends | tr ',' '\n' | sed 's/^ *//; s/ .*//')"
for dependency in fonts-lato libqt6widgets6 libsdl2-mixer-2.0-0 libc6 libstdc++6; do
    grep -qxF "$dependency" <<<"$depends" ||
        e2e_fail "Depends lacks $dependency: $(field Depends)"
done

contents="$(dpkg-deb -c "$deb" | awk '{print $6}')"
for file in ./usr/games/quirvanto ./usr/share/quirvanto/Snd/Roll1.wav ./usr/share/quirvanto/Img/9.png \
    "./usr/share/applications/$ID.desktop" "./usr/share/metainfo/$ID.metainfo.xml" \
    "./usr/share/icons/hicolor/48x48/apps/$ID.png" "./usr/share/icons/hicolor/scalable/apps/$ID.svg" \
    ./usr/share/man/man6/quirvanto.6.gz \
    ./usr/share/doc/quirvanto/copyright ./usr/share/doc/quirvanto/changelog.gz; do
    grep -qxF "$file" <<<"$contents" || e2e_fail "the package lacks $file"
done
! grep -E '/(test_|play_sounds|quirvanto_)' <<<"$contents" || e2e_fail "the package carries test programs"

if command -v lintian >/dev/null 2>&1; then
    lintian --fail-on error "$deb" >"$E2E_WORK/lintian.log" 2>&1 ||
        e2e_fail "lintian reports errors: $(cat "$E2E_WORK/lintian.log")"
    e2e_log "lintian: no errors, $(grep -c "^[WIPX]:" "$E2E_WORK/lintian.log" || true) other tags"
else
    e2e_log "SKIP lintian: not installed (tools/install-deps.sh installs it)"
fi
e2e_log "package: ok"
