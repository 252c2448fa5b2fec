#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing need, skipping what is there.
set -euo pipefail

packages=(
    cmake ninja-build g++ ccache pkg-config
    qt6-base-dev qt6-base-private-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
    qt6-translations-l10n libqt6sql6-sqlite qt6-charts-dev libqt6opengl6-dev libgl-dev
    qt6-qpa-plugins libxkbcommon-dev
    fonts-dejavu-core sqlite3 libsqlite3-dev zlib1g-dev time
    clang libfuzzer-14-dev clang-format-14
    qt6-httpserver-dev qt6-websockets-dev libqt6sql6-psql libsodium-dev postgresql
    qtkeychain-qt6-dev
)
if [ "${ZIMBREL_WITH_X:-0}" = 1 ]; then
    # fonts-noto-cjk: Japanese as a Debian desktop with Japanese support shows it.
    packages+=(xvfb xdotool imagemagick x11-utils fonts-noto-cjk)
fi

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done

if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo_cmd=()
    if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
    export DEBIAN_FRONTEND=noninteractive
    "${sudo_cmd[@]}" apt-get update -qq
    "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" </dev/null
fi
