#!/usr/bin/env bash
# Installs the Debian packages the build, the tool and the tests need, when any is missing.
set -euo pipefail
packages=(
    build-essential cmake ninja-build pkg-config
    qtbase5-dev qttools5-dev qttools5-dev-tools libqt5svg5-dev
    libhidapi-dev libudev-dev libx11-dev libxi-dev libfontconfig-dev
    libbenchmark-dev xvfb xauth x11-xserver-utils imagemagick xdotool
    dpkg-dev file fonts-noto-cjk qttranslations5-l10n
    lintian appstream desktop-file-utils weston dbus
    clang libclang-rt-dev ccache clang-format
)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y "${missing[@]}"
fi
