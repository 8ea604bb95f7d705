#!/usr/bin/env bash
# Builds Vellora for 64-bit Windows here, with Debian's MinGW-w64 cross compiler and a static Qt
# built once from Debian's Qt source, packs the installer with NSIS, then installs and tests the
# Windows program under Wine.
# Usage: scripts/windows.sh [qt|build|test]
#   qt     only the static Qt (kept in the cache folder, see below)
#   build  Qt, the program and the installer: build-windows/vellora-1.20-setup.exe
#   test   all of the above, then the checks under Wine (the default)
# The static Qt is kept outside the tree, in $VELLORA_CACHE (default /var/cache/vellora for root,
# ~/.cache/vellora otherwise), under a name made of the Qt version and a digest of its build
# options, the toolchain file and the patches, so any change to those builds it afresh.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
stage=${1:-test}

sudo=()
if [[ $(id -u) -ne 0 ]]; then
    sudo=(sudo)
fi
apt_get() {
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get -o DPkg::Lock::Timeout=900 "$@"
}

# ---- Debian packages ----------------------------------------------------------------------------
# The build machine's Qt makes the program's catalogues (lrelease, in qt6-l10n-tools) and gives
# the installer Qt's own, which are the same on every platform (qt6-translations-l10n).
packages=(cmake ninja-build ccache dpkg-dev qt6-base-dev qt6-base-dev-tools
    qt6-l10n-tools qt6-translations-l10n
    g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 nsis
    wine wine64 xvfb xauth xdotool x11-utils openbox dbus-x11 wmctrl xclip
    fonts-dejavu-core fonts-dejavu-extra
    # Wine's X driver loads these when it starts, not through the package's dependencies.
    libxrender1 libxcursor1 libxi6 libxrandr2 libxinerama1 libxcomposite1 libxfixes3)
missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done
if [[ ${#missing[@]} -gt 0 ]]; then
    echo "Installing Debian packages: ${missing[*]}"
    apt_get update -qq
    apt_get install -y -q --no-install-recommends "${missing[@]}"
fi

# Wine takes the Windows user's regional settings and display language from the host's locale:
# United States ones here, German ones for the check of the program in German.
for locale_name in en_US de_DE; do
    if ! locale -a 2>/dev/null | grep -qix "$locale_name.utf-\?8"; then
        "${sudo[@]}" localedef -i "$locale_name" -c -f UTF-8 "$locale_name.UTF-8"
    fi
done

# ---- The static Qt ------------------------------------------------------------------------------
if [[ -n ${VELLORA_CACHE:-} ]]; then
    cache=$VELLORA_CACHE
elif [[ $(id -u) -eq 0 ]]; then
    cache=/var/cache/vellora
else
    cache=${XDG_CACHE_HOME:-$HOME/.cache}/vellora
fi
mkdir -p "$cache"

# Qt's source comes from Debian's source archive: the same archive and suites as the machine's
# own package sources, as a deb-src entry of its own.
qt_source_version() {
    apt-cache showsrc qt6-base 2>/dev/null | awk '/^Version:/{print $2; exit}'
}
if [[ -z $(qt_source_version) ]]; then
    echo "Adding Debian's source archive (deb-src) to the package sources"
    list=/etc/apt/sources.list.d/vellora-deb-src
    if compgen -G '/etc/apt/sources.list.d/*.sources' >/dev/null &&
        grep -qs '^Types:.*\bdeb\b' /etc/apt/sources.list.d/debian.sources; then
        sed -E 's/^Types:.*/Types: deb-src/' /etc/apt/sources.list.d/debian.sources |
            "${sudo[@]}" tee "$list.sources" >/dev/null
    else
        grep -hE '^deb ' /etc/apt/sources.list /etc/apt/sources.list.d/*.list 2>/dev/null |
            grep -E 'debian' | sed 's/^deb /deb-src /' | "${sudo[@]}" tee "$list.list" >/dev/null
    fi
    apt_get update -qq
fi
qt_version=$(qt_source_version)
[[ -n $qt_version ]] || { echo "windows: Debian's qt6-base source is not available" >&2; exit 1; }

toolchain=$root/packaging/windows/mingw-w64-x86_64.cmake
qt_patches=("$root"/packaging/windows/qt-patches/*.patch)
[[ -e ${qt_patches[0]} ]] || qt_patches=()
# Core, Gui, Widgets and Test, static, with the third-party libraries Qt bundles; with OpenGL
# off its dynamic loader goes too (the two do not build apart), Direct2D stays as it is (without
# it DirectWrite's font database does not link).
qt_options=(
    -DBUILD_SHARED_LIBS=OFF -DCMAKE_BUILD_TYPE=Release
    -DQT_BUILD_TESTS=OFF -DQT_BUILD_EXAMPLES=OFF
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
    -DFEATURE_dbus=OFF -DFEATURE_icu=OFF
    -DINPUT_opengl=no -DFEATURE_opengl=OFF -DFEATURE_opengl_dynamic=OFF
    -DFEATURE_vulkan=OFF -DFEATURE_network=OFF -DFEATURE_sql=OFF -DFEATURE_xml=OFF
    -DFEATURE_printsupport=OFF -DFEATURE_concurrent=OFF -DFEATURE_jpeg=OFF -DFEATURE_zstd=OFF
    -DFEATURE_tabletevent=OFF
    -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_freetype=OFF
    -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_doubleconversion=OFF
)
qt_key=$({
    echo "$qt_version"
    x86_64-w64-mingw32-g++-posix -dumpfullversion
    printf '%s\n' "${qt_options[@]}"
    cat "$toolchain" ${qt_patches[@]+"${qt_patches[@]}"}
} | sha256sum | cut -c1-12)
qt_prefix=$cache/qt-${qt_version%%+*}-mingw64-static-$qt_key

build_qt() {
    local src=$cache/src/qt6-base-$qt_version build=$cache/qt-build-$qt_key
    if [[ ! -d $src/qtbase ]]; then
        echo "Fetching Qt $qt_version's source"
        rm -rf "$src" && mkdir -p "$src"
        (cd "$src" && apt-get source -q qt6-base="$qt_version" >/dev/null)
        mv "$src"/qt6-base-*/ "$src/qtbase"
    fi
    # A clean copy of the source for each build, with this project's patches on top.
    rm -rf "$build" && mkdir -p "$build"
    cp -a "$src/qtbase" "$build/src"
    for patch in ${qt_patches[@]+"${qt_patches[@]}"}; do
        patch -d "$build/src" -p1 --quiet <"$patch"
    done
    # Qt's own toolchain file names this one by its path: it lives with the Qt it built.
    mkdir -p "$qt_prefix"
    cp "$toolchain" "$qt_prefix/mingw-w64-x86_64.cmake"
    launcher=()
    if command -v ccache >/dev/null; then
        launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    fi
    echo "Building the static Qt for Windows into $qt_prefix (about half an hour on two cores)"
    cmake -S "$build/src" -B "$build/out" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$qt_prefix/mingw-w64-x86_64.cmake" \
        -DCMAKE_INSTALL_PREFIX="$qt_prefix" "${launcher[@]}" "${qt_options[@]}" \
        >"$build/configure.log" 2>&1 || { tail -40 "$build/configure.log"; return 1; }
    cmake --build "$build/out" -j"$(nproc)" >"$build/build.log" 2>&1 ||
        { tail -40 "$build/build.log"; return 1; }
    cmake --install "$build/out" >/dev/null
    # Marked complete last, so an interrupted build is never taken for a finished one.
    touch "$qt_prefix/.complete"
    rm -rf "$build"
}
# One build at a time: a second run waits here for the first one's Qt.
exec 9>"$cache/.lock"
flock 9
if [[ ! -e $qt_prefix/.complete ]]; then
    rm -rf "$qt_prefix"
    started=$SECONDS
    build_qt
    echo "windows: the static Qt took $((SECONDS - started)) s"
fi
flock -u 9
echo "Static Qt for Windows: $qt_prefix"
[[ $stage == qt ]] && exit 0

# ---- The program and its installer --------------------------------------------------------------
# The same sources and CMake files as the Linux program, through Qt's toolchain file.
build=$root/build-windows
launcher=()
if command -v ccache >/dev/null; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=ON \
    -DCMAKE_TOOLCHAIN_FILE="$qt_prefix/lib/cmake/Qt6/qt.toolchain.cmake" "${launcher[@]}" >/dev/null
cmake --build "$build" -j"$(nproc)"
cmake --build "$build" --target installer
setup=$build/vellora-1.20-setup.exe
echo "Program: $build/vellora.exe ($(stat -c %s "$build/vellora.exe") bytes;" \
    "the installer's copy, without symbols: $(stat -c %s "$build/packaging/windows/stripped/vellora.exe") bytes)"
echo "Installer: $setup ($(stat -c %s "$setup") bytes)"
[[ $stage == build ]] && exit 0

# ---- Under Wine ---------------------------------------------------------------------------------
# From here on a failure is a counted check, never the end of the script.
set +e
# A fresh Windows of its own in the build folder; no Mono or Gecko prompts, no desktop menu
# entries made on the host for the Start-menu entry. Wine gives Windows programs no QT_*
# variables from here: those the tests need go into the Wine user's environment (below).
export WINEPREFIX=$build/wine WINEARCH=win64 WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export LANG=en_US.UTF-8 LC_ALL=en_US.UTF-8
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
source tests/shell/x_session.sh
results=$build/results
rm -rf "$WINEPREFIX" "$results"
mkdir -p "$results"
end_wine() { timeout 20 wineserver -k 2>/dev/null; }
at_end=end_wine
open_x_session 500 899
timeout 180 wine wineboot --init >/dev/null 2>&1 || { echo "windows: wineboot failed"; exit 1; }

# The path Windows programs see for a file here (Wine's Z: drive is the host's root).
windows_path() { local path=${1//\//\\}; echo "Z:$path"; }

# Offscreen, Qt on Windows draws with the fonts of one folder: the DejaVu fonts the Linux tests
# see through fontconfig. Wine hands no QT_* variable to a program, but it does add the user's
# environment from the registry.
timeout 30 wine reg add 'HKCU\Environment' /v QT_QPA_FONTDIR \
    /d "$(windows_path /usr/share/fonts/truetype/dejavu)" /f >/dev/null 2>&1

# Wine hands web addresses to the browsers its registry names: here a program that only notes
# them, so that no test opens a real browser.
opened=$build/opened-addresses.txt
rm -f "$opened"
printf '#!/bin/sh\nprintf "%%s\\n" "$1" >>"%s"\n' "$opened" >"$build/browser.sh"
chmod +x "$build/browser.sh"
timeout 30 wine reg add 'HKCU\Software\Wine\WineBrowser' /v Browsers /d "$build/browser.sh" /f \
    >/dev/null 2>&1

# The QtTest programs, offscreen; each writes its plain-text log and a JUnit file. The platform
# comes through the environment, as -platform only suits the tests with a GUI application (the
# others refuse it as an unknown option); it is taken away again before the installed program.
timeout 30 wine reg add 'HKCU\Environment' /v QT_QPA_PLATFORM /d offscreen /f >/dev/null 2>&1
run_qtest() { # the test program
    local name
    name=$(basename "$1" .exe)
    timeout 600 wine "$1" \
        -o "$(windows_path "$results/$name.txt"),txt" \
        -o "$(windows_path "$results/$name.xml"),junitxml" >/dev/null 2>&1
    local status=$?
    sed -n 's/^Totals: /  /p' "$results/$name.txt" 2>/dev/null | sed "s/^/$name:/"
    grep -E '^(FAIL!|XPASS)' -A2 "$results/$name.txt" 2>/dev/null | sed 's/^/    /'
    [[ $status -eq 0 ]]
}
# Qt's project setup puts every Windows program at the top of the build folder.
mapfile -t test_programs < <(find "$build" -maxdepth 1 -name 'tst_*.exe' | sort)
check "the QtTest programs are built (${#test_programs[@]})" test ${#test_programs[@]} -gt 0
for test_program in "${test_programs[@]}"; do
    check "$(basename "$test_program" .exe) passes under Wine" run_qtest "$test_program"
done
timeout 30 wine reg delete 'HKCU\Environment' /v QT_QPA_PLATFORM /f >/dev/null 2>&1

# ---- The installed program ----------------------------------------------------------------------
program_files=$WINEPREFIX/drive_c/Program\ Files/Vellora
start_menu=$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start\ Menu/Programs
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Vellora'
settings_key='HKCU\Software\vellora\vellora\Settings'
installed='C:\Program Files\Vellora\vellora.exe'

check "the installer runs silently" timeout 120 wine "$setup" /S
check "the program is installed for all users" test -f "$program_files/vellora.exe"
check "the Start menu has its entry" test -f "$start_menu/Vellora.lnk"
check "the uninstaller is installed" test -f "$program_files/Uninstall.exe"
qt_catalogues_installed() {
    local language
    for language in de fr es pt_BR; do
        test -f "$program_files/translations/qtbase_$language.qm" || return 1
    done
}
check "Qt's own catalogues (de, fr, es, pt_BR) are installed in its translations folder" \
    qt_catalogues_installed
listed() { timeout 30 wine reg query "$uninstall_key" /v UninstallString >/dev/null 2>&1; }
check "the program is listed among installed programs" listed

# Starts the installed program, with any environment variables given, its pid in $started: the
# wine command's, which is the Windows program's own, as its windows name it. It is this shell's
# child, so that this shell reaps it when it ends; whatever still runs at the end is killed.
start() {
    env "$@" wine "$installed" >/dev/null 2>&1 &
    started=$!
    session_pids+=("$started")
}
lacks_window() { ! windows_of "$1" "$2" >/dev/null; }
focus() {
    xdotool windowactivate --sync "$1" >/dev/null 2>&1
    xdotool windowfocus --sync "$1" >/dev/null 2>&1
}
above() { xprop -id "$1" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE; }
# A Qt message box's text as Ctrl+C copies it: title, message and buttons, each between lines.
copied_text() {
    focus "$1"
    xdotool key --clearmodifiers ctrl+c
    sleep 1
    timeout 5 xclip -o -selection clipboard 2>/dev/null | tr -d '\r'
}
# The settings store's shift, for ASCII text.
scramble() { printf %s "$1" | tr '\000-\374' '\003-\377'; }
stored_value() { # value name
    timeout 30 wine reg query "$settings_key" /v "$1" 2>/dev/null | tr -d '\r' |
        awk -v name="$1" '$1 == name && $2 == "REG_SZ" {print $3}'
}

start
first=$started
main=$(windows_of "$first" 'Vellora v1.20' 90 | head -n 1)
check "the installed program shows its main window titled \"Vellora v1.20\"" test -n "$main"
today=$(date +%-m/%-d/%Y)
check "the first run stores today ($today) scrambled under Settings in the registry" \
    test "$(stored_value "$(scramble Duration)")" == "$(scramble "$today")"

# A second copy is refused with the message; Ctrl+C copies a Windows message box's text.
start
second=$started
box=$(windows_of "$second" 'Vellora' 60 | head -n 1)
check "a second copy shows a message box" test -n "$box"
check "a second copy shows no main window" lacks_window "$second" 'Vellora v1.20'
if [[ -n $box ]]; then
    message=$(copied_text "$box")
    check "the second copy says \"Application is already running\"" \
        grep -qx 'Application is already running' <<<"$message"
    xdotool key --clearmodifiers Return
fi
check "the second copy ends once OK is pressed" ended "$second" 20
check "the first copy keeps running" alive "$first"

# Closing the main window leaves the exit window, above all others; closing it ends the program.
if [[ -n $main ]]; then
    focus "$main"
    wmctrl -i -c "$main"
fi
exit_window=
for _ in $(seq 200); do
    exit_window=$(windows_of "$first" 'Vellora v1.20' | grep -vx "$main" | head -n 1) && break
    sleep 0.1
done
check "closing the main window brings the exit window" test -n "$exit_window"
main_gone() { ! windows_of "$first" 'Vellora v1.20' | grep -qx "$main"; }
check "the main window is gone" main_gone
check "the exit window stays above all others" above "$exit_window"
[[ -n $exit_window ]] && wmctrl -i -c "$exit_window"
check "closing the exit window ends the program" ended "$first" 30

# Fifteen days after the stored date the next start asks about an update before its main
# window; Yes opens the download page in the browser.
rm -f "$opened"
old_day=$(date -d '15 days ago' +%-m/%-d/%Y)
timeout 30 wine reg add "$settings_key" /v "$(scramble Duration)" /d "$(scramble "$old_day")" /f \
    >/dev/null 2>&1
start
third=$started
question=$(windows_of "$third" 'Vellora' 90 | head -n 1)
check "a start 15 days after the stored date asks about an update" test -n "$question"
check "the question comes before the main window" lacks_window "$third" 'Vellora v1.20'
if [[ -n $question ]]; then
    focus "$question"
    xdotool key --clearmodifiers alt+y
fi
check "after the answer the main window is shown" \
    test -n "$(windows_of "$third" 'Vellora v1.20' 60)"
browsed() {
    for _ in $(seq 300); do
        grep -qx "$1" "$opened" 2>/dev/null && return 0
        sleep 0.1
    done
    return 1
}
check "Yes opens the download page in the browser" \
    browsed 'http://www.orvantix.com/Vellora/download-Vellora.html'
check "the answer stores today's date" \
    test "$(stored_value "$(scramble Duration)")" == "$(scramble "$today")"

# The end of the Windows session takes the program out by the same path as the main window's
# close (Wine ends the programs that stay after it, so this shows that the program does not
# hang there).
timeout 60 wine wineboot --end-session >/dev/null 2>&1
check "the end of the session ends the program" ended "$third" 30

# In German: Wine takes the Windows user's regional settings and display language from the
# host's locale. The update question (the stored date with day and month in two digits, which
# either German short date, d.M.yyyy as in Wine or dd.MM.yyyy, reads) then has the program's
# German text and Qt's German Yes and No. The Windows session ended above, and Wine starts its
# services again with the next command, so that command (the date's) is given the German settings
# too: given the United States ones, the program was seen to read the date in their form.
german=(LANG=de_DE.UTF-8 LC_ALL=de_DE.UTF-8)
old_day=$(date -d '15 days ago' +%d.%m.%Y)
env "${german[@]}" timeout 30 wine reg add "$settings_key" /v "$(scramble Duration)" \
    /d "$(scramble "$old_day")" /f >/dev/null 2>&1
start "${german[@]}"
german_copy=$started
question=$(windows_of "$german_copy" 'Vellora' 90 | head -n 1)
message=
[[ -n $question ]] && message=$(copied_text "$question")
in_german() {
    grep -qx 'Möglicherweise ist ein Update für dieses Programm verfügbar.' <<<"$message" &&
        grep -qE '^&Ja +&Nein +$' <<<"$message"
}
check "under a German locale the update question is in German, with Qt's \"&Ja\" and \"&Nein\"" \
    in_german
[[ -n $question ]] && xdotool key --clearmodifiers alt+n
windows_of "$german_copy" 'Vellora v1.20' 60 >/dev/null
timeout 60 wine wineboot --end-session >/dev/null 2>&1
ended "$german_copy" 30

# The uninstaller, like NSIS's, finishes from a copy of itself: wait for it.
gone() {
    for _ in $(seq 300); do
        [[ ! -e $program_files && ! -e $start_menu/Vellora.lnk ]] && return 0
        sleep 0.1
    done
    return 1
}
check "the uninstaller runs silently" timeout 120 wine "C:\\Program Files\\Vellora\\Uninstall.exe" /S
check "the uninstaller removes the program and its Start-menu entry" gone
unlisted() { ! listed; }
check "the program is no longer listed among installed programs" unlisted

echo "windows: $passes passed, $failures failed"
[[ $failures -eq 0 ]]
