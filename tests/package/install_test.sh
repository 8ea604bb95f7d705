#!/usr/bin/env bash
# Installs the build into a staging folder as a package would and checks what a desktop finds
# there: the program, a valid desktop entry that starts it, valid AppStream metadata that points
# at that entry, and the icon at every size the entry's name promises.
# Usage: install_test.sh BUILD_DIR
set -uo pipefail
build=$1
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
source "$(dirname "$0")/../support/checks.sh"
require_tools desktop-file-validate appstreamcli

DESTDIR=$stage cmake --install "$build" --prefix /usr >/dev/null || { echo "FAILED: cmake --install"; exit 1; }
usr=$stage/usr
id=com.orvantix.vellora
desktop=$usr/share/applications/$id.desktop
metainfo=$usr/share/metainfo/$id.metainfo.xml

check "the program is installed under bin/" test -x "$usr/bin/vellora"
check "desktop entry validates" desktop-file-validate "$desktop"
check "desktop entry starts the installed program" grep -qx 'Exec=vellora' "$desktop"
check "desktop entry names the icon" grep -qx "Icon=$id" "$desktop"
check "metainfo validates, with the tree it is installed in" \
    appstreamcli validate-tree --no-net "$stage"
check "metainfo launches the desktop entry" \
    grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo"
check "metainfo carries release 1.20" grep -q '<release version="1.20"' "$metainfo"
check "metainfo carries a content rating" grep -q '<content_rating type="oars-1.1"' "$metainfo"
check "metainfo lists screenshots" grep -q '<screenshot type="default">' "$metainfo"

# A PNG's width and height stand at bytes 16 to 23 of the file.
png_size() { od -An -tu1 -j16 -N8 "$1" | awk '{print $3*256+$4 "x" $7*256+$8}'; }
for size in 16 22 24 32 48 64 128 256; do
    icon=$usr/share/icons/hicolor/${size}x${size}/apps/$id.png
    check "icon at ${size}x${size} is a PNG of that size" \
        test "$(png_size "$icon" 2>/dev/null)" = "${size}x${size}"
done
check "scalable icon" test -s "$usr/share/icons/hicolor/scalable/apps/$id.svg"
check "manual page" gzip -t "$usr/share/man/man1/vellora.1.gz"

report_checks
