#!/usr/bin/env bash
# `make package` as a packager runs it: a Debian package of section games whose Depends come from
# the program's shared libraries, carrying the program, its data and the desktop files, built
# with the distribution's hardening, with no error from lintian (skipped, saying so, where
# lintian is not installed).
#   package_test.sh <path of the built program>
E2E_DEADLINE=240
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
for dependency in fonts-lato libqt6widgets6 libsdl2-2.0-0 libc6 libstdc++6; do
    grep -qxF "$dependency" <<<"$depends" ||
        e2e_fail "Depends lacks $dependency: $(field Depends)"
done

contents="$(dpkg-deb -c "$deb" | awk '{print $6}')"
# The install run checks every installed file; here, where the package puts them.
for file in ./usr/games/quirvanto ./usr/share/quirvanto/Snd/Roll1.wav \
    "./usr/share/applications/$ID.desktop" ./usr/share/doc/quirvanto/changelog.gz; do
    grep -qxF "$file" <<<"$contents" || e2e_fail "the package lacks $file"
done
! grep -E '/(test_|play_sounds|quirvanto_)' <<<"$contents" || e2e_fail "the package carries test programs"
[ "$(field Recommends)" = qt6-wayland ] || e2e_fail "Recommends: $(field Recommends)"

# Built with the distribution's hardening: PIE, stack protector, relro and now here; fortify in
# lintian's check below, as the program makes no call whose bound only a fortified function could
# check, which hardening-check counts as none fortified. Debian 12 adds no control-flow flag.
e2e_require hardening-check
dpkg-deb -x "$deb" "$E2E_WORK/unpacked"
hardening-check --quiet --nofortify --nocfprotection "$E2E_WORK/unpacked/usr/games/quirvanto" \
    >"$E2E_WORK/hardening.log" 2>&1 ||
    e2e_fail "the program lacks hardening: $(cat "$E2E_WORK/hardening.log")"

if command -v lintian >/dev/null 2>&1; then
    lintian --fail-on error "$deb" >"$E2E_WORK/lintian.log" 2>&1 ||
        e2e_fail "lintian reports errors: $(cat "$E2E_WORK/lintian.log")"
    ! grep -qF hardening- "$E2E_WORK/lintian.log" ||
        e2e_fail "lintian finds the program without hardening: $(grep -F hardening- "$E2E_WORK/lintian.log")"
    e2e_log "lintian: no errors, $(grep -c "^[WIPX]:" "$E2E_WORK/lintian.log" || true) other tags"
else
    e2e_log "SKIP lintian: not installed (tools/install-deps.sh installs it)"
fi
e2e_log "package: ok"
