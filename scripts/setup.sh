#!/usr/bin/env bash
# Installs the cross toolchain, Wine and the X tools the build and the tests need.
# Idempotent: apt-get runs only when a package is missing.
set -euo pipefail

packages=(
    g++-mingw-w64-x86-64-posix
    wine64 wine fonts-wine fonts-liberation fonts-dejavu-core
    xvfb xdotool x11-utils imagemagick
    cmake make googletest python3 zip unzip
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
    sudo_cmd=(sudo)
fi

echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -q
"${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
