#!/usr/bin/env bash
# Builds the Debian package from the build and checks it: its fields, that its dependencies
# were read off the binary and bring the xcb platform plugin but no platform theme, its
# contents, and lintian.
# Usage: deb_test.sh BUILD_DIR
set -uo pipefail
build=$1
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
source "$(dirname "$0")/../support/checks.sh"
require_tools cpack dpkg-deb dpkg-shlibdeps lintian readelf

cpack -G DEB -B "$out" --config "$build/CPackConfig.cmake" >"$out/cpack.log" 2>&1 ||
    { cat "$out/cpack.log"; echo "FAILED: cpack"; exit 1; }
deb=$(ls "$out"/vellora_1.20_*.deb 2>/dev/null | head -n 1)
check "cpack made vellora_1.20_<arch>.deb" test -n "$deb"
[[ -n $deb ]] || exit 1

field() { dpkg-deb -f "$deb" "$1"; }
depends=$(field Depends)
echo "Depends: $depends"
check "section" test "$(field Section)" = science
check "maintainer" test -n "$(field Maintainer)"
check "synopsis and a description below it" \
    test "$(dpkg-deb -f "$deb" Description | wc -l)" -ge 3
check "Qt Widgets dependency read off the binary, with its version" \
    grep -qE 'libqt6widgets6 \(>= [0-9.]+\)' <<<"$depends"
check "C library dependency read off the binary" grep -qE 'libc6 \(>= [0-9.]+\)' <<<"$depends"
check "the xcb platform plugin comes along" grep -qw 'qt6-qpa-plugins' <<<"$depends"
check "Qt's translations recommended" grep -qw 'qt6-translations-l10n' <<<"$(field Recommends)"
check "no platform theme of its own" \
    bash -c '! dpkg-deb -f "$1" Depends Recommends Suggests | grep -q platformtheme' _ "$deb"

contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
for path in ./usr/bin/vellora ./usr/share/applications/com.orvantix.vellora.desktop \
    ./usr/share/metainfo/com.orvantix.vellora.metainfo.xml \
    ./usr/share/icons/hicolor/256x256/apps/com.orvantix.vellora.png \
    ./usr/share/man/man1/vellora.1.gz ./usr/share/doc/vellora/copyright; do
    check "contains $path" grep -qxF "$path" <<<"$contents"
done
check "nothing outside /usr" bash -c '! grep -vE "^\./(usr(/.*)?)?$" <<<"$1"' _ "$contents"
check "no test program packaged" bash -c '! grep -qE "/(tst|bench)_" <<<"$1"' _ "$contents"
dpkg-deb -x "$deb" "$out/root"
check "the program carries no library search path" \
    bash -c '! readelf -d "$1" | grep -qE "\((RPATH|RUNPATH)\)"' _ "$out/root/usr/bin/vellora"

# Errors fail; warnings are listed in the output. Running as root is only lintian's advice.
lintian --fail-on error "$deb" 2>&1 | grep -v 'running with root privileges' | tee "$out/lintian.log"
check "lintian reports no error" test "${PIPESTATUS[0]}" -eq 0

report_checks
