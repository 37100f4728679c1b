#!/usr/bin/env bash
# Installs the Debian packages Quirvanto needs to build, run and test, when any is missing.
set -euo pipefail

packages=(
    build-essential cmake pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-svg-dev libgl-dev
    libsdl2-dev
    libgtest-dev
    fonts-lato
    xvfb xauth xdotool x11-utils x11-apps imagemagick openbox
    pulseaudio pulseaudio-utils
    at-spi2-core python3-pyatspi gir1.2-atspi-2.0 dbus dbus-x11
    desktop-file-utils appstream librsvg2-bin dpkg-dev fakeroot lintian man-db devscripts
    qt6-wayland libwayland-dev sway wtype grim
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing missing packages: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
    sudo=()
elif command -v sudo >/dev/null 2>&1; then
    sudo=(sudo)
else
    echo "These packages are missing and neither root nor sudo is available: ${missing[*]}" >&2
    exit 1
fi
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
