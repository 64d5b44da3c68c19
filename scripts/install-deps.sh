#!/usr/bin/env bash
# Installs what building, running and testing Quorvel needs on Debian 12.
# Run as root; does nothing when everything is already there.
set -euo pipefail

packages=(
    build-essential cmake ninja-build
    clang libclang-rt-14-dev                    # the fuzz build
    libgtest-dev libbenchmark-dev
    qt6-base-dev qt6-qpa-plugins libgl-dev      # Qt6Gui's CMake package needs OpenGL
    qt6-translations-l10n                       # Japanese texts of Qt's own dialogs
    qt6-image-formats-plugins                   # TIFF and WebP photos (JPEG, PNG are Qt's own)
    fonts-ipafont-gothic                        # the window font
    locales                                     # tests run under de_DE and ja_JP
    xvfb xauth xdotool                          # the end-to-end test
    xdg-utils  # the read-me command opens Quorvel.txt with xdg-open
    libdlib-dev libdlib-data                    # face detection and its 68-point landmark model
    libopencv-imgproc-dev                       # GrabCut for the top of the head
    dpkg-dev                                    # the package: its build flags and library dependencies
    lintian appstream desktop-file-utils man-db # the package's checks
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
    export DEBIAN_FRONTEND=noninteractive
    apt-get update
    apt-get install -y --no-install-recommends "${missing[@]}"
fi

# The number tests run under a locale whose decimal point is ",".
for loc in de_DE.UTF-8 ja_JP.UTF-8; do
    if ! locale -a 2>/dev/null | grep -qi "^${loc%%.*}\.utf-\?8$"; then
        sed -i "s/^# *\(${loc} UTF-8\)/\1/" /etc/locale.gen
        grep -q "^${loc} UTF-8" /etc/locale.gen || echo "${loc} UTF-8" >>/etc/locale.gen
        locale-gen >/dev/null
    fi
done
