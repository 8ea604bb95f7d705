#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Vellora need, if missing.
# Usage: scripts/install-deps.sh [run|test]
# (test adds the X server tools, the faked clock and the locales the tests use, the tools that
# check the installed files and the Debian package, and the screen reader)
set -euo pipefail

sudo=()
if [[ $(id -u) -ne 0 ]]; then
    sudo=(sudo)
fi

# The version of clang the distribution's package "clang" depends on ("14"), or failing that the
# newest clang-N it has, from the package lists; empty before the lists are there.
clang_version() {
    local version
    version=$({ apt-cache depends clang 2>/dev/null || true; } |
        sed -n 's/^ *Depends: clang-\([0-9][0-9]*\)$/\1/p' | sed -n 1p)
    if [[ -z $version ]]; then
        version=$({ apt-cache pkgnames clang- 2>/dev/null || true; } |
            sed -n 's/^clang-\([0-9][0-9]*\)$/\1/p' | sort -n | tail -n 1)
    fi
    echo "$version"
}

packages=(cmake make g++ qt6-base-dev libgl-dev libxkbcommon-dev fonts-dejavu-core fonts-dejavu-extra)
# The program's catalogues: lrelease builds them, lupdate brings them up to date with the sources.
packages+=(qt6-l10n-tools qt6-tools-dev)
# Qt's own texts (message box buttons, the text boxes' menu) in the user's language.
packages+=(qt6-translations-l10n)
if [[ "${1:-run}" == test ]]; then
    packages+=(xvfb xauth xdotool x11-utils openbox dbus-x11 wmctrl xclip)
    packages+=(faketime locales)
    # Installing and packaging checks.
    packages+=(desktop-file-utils appstream lintian dpkg-dev)
    # The start-up benchmark's timer watches the X server for the first window.
    packages+=(pkg-config libxcb1-dev)
    # The README's benchmark example counts instructions with Valgrind.
    packages+=(valgrind)
    # The fuzz targets: clang with libFuzzer and the sanitizers' run-times, of the version the
    # distribution's own "clang" stands for (clang-14 on Debian 12, clang-19 on Debian 13).
    clang=$(clang_version)
    if [[ -z $clang ]]; then
        "${sudo[@]}" apt-get -o DPkg::Lock::Timeout=900 update -qq
        clang=$(clang_version)
    fi
    if [[ -n $clang ]]; then
        packages+=("clang-$clang")
        # Where the run-times have a package of their own (Debian 12 on), that one too.
        if apt-cache show "libclang-rt-$clang-dev" >/dev/null 2>&1; then
            packages+=("libclang-rt-$clang-dev")
        fi
    else
        echo "No clang among the Debian packages: the fuzz targets cannot be built" >&2
    fi
    # Screens of other sizes under Wayland too: a headless compositor and Qt's Wayland plugin;
    # the program is gone through by the accessibility bus, where no input can be faked.
    packages+=(weston qt6-wayland dbus-daemon at-spi2-core python3-pyatspi)
    # The screen reader test: Orca, which brings its speech server, and the accessibility bus.
    packages+=(orca)
fi

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done
if [[ ${#missing[@]} -gt 0 ]]; then
    echo "Installing Debian packages: ${missing[*]}"
    "${sudo[@]}" apt-get -o DPkg::Lock::Timeout=900 update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get -o DPkg::Lock::Timeout=900 install -y -q \
        --no-install-recommends "${missing[@]}"
fi

# The tests start the program under these regional settings.
if [[ "${1:-run}" == test ]]; then
    for name in en_US de_DE ja_JP ar_EG; do
        if ! locale -a 2>/dev/null | grep -qix "$name.utf-\?8"; then
            echo "Generating the locale $name.UTF-8"
            "${sudo[@]}" localedef -i "$name" -c -f UTF-8 "$name.UTF-8" ||
                echo "Could not generate $name.UTF-8; the tests go on without it"
        fi
    done
fi
