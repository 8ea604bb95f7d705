#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Vellora need, if missing.
# Usage: scripts/install-deps.sh [run|test]   (test adds the X server tools the tests drive)
set -euo pipefail

packages=(cmake make g++ qt6-base-dev libgl-dev libxkbcommon-dev fonts-dejavu-core fonts-dejavu-extra)
if [[ "${1:-run}" == test ]]; then
    packages+=(xvfb xauth xdotool x11-utils openbox dbus-x11)
    # Installing and packaging checks.
    packages+=(desktop-file-utils appstream lintian dpkg-dev)
fi

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing Debian packages: ${missing[*]}"
sudo=()
if [[ $(id -u) -ne 0 ]]; then
    sudo=(sudo)
fi
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
