#!/usr/bin/env bash
# Renders the program's pictures from their drawings in resources/art/ (run by hand after a
# drawing changes; the results are committed, so neither building nor testing needs it).
# Needs rsvg-convert (Debian package librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")/../resources"

# The launcher pictures, at their designed 32 pixels, and for screens scaled to 125, 150 and
# 200 %, where a picture scaled from another size would come out blurred.
for name in bmi ibw frame whr; do
    rsvg-convert -w 32 -h 32 "art/$name.svg" -o "$name.png"
    rsvg-convert -w 40 -h 40 "art/$name.svg" -o "$name@1.25x.png"
    rsvg-convert -w 48 -h 48 "art/$name.svg" -o "$name@1.5x.png"
    rsvg-convert -w 64 -h 64 "art/$name.svg" -o "$name@2x.png"
done

# The suite's picture: the desktop icon at the sizes of the hicolor theme, which the program
# also uses for its window icons, About and the exit window.
mkdir -p icons
for size in 16 22 24 32 48 64 128 256; do
    rsvg-convert -w "$size" -h "$size" art/vellora.svg -o "icons/vellora-$size.png"
done

# The Windows icon: the same pictures in one .ico, each stored as PNG (Windows Vista and later).
python3 - <<'PYTHON'
import struct
sizes = [16, 24, 32, 48, 64, 128, 256]
images = [open(f"icons/vellora-{size}.png", "rb").read() for size in sizes]
offset = 6 + 16 * len(sizes)
entries = b""
for size, image in zip(sizes, images):
    entries += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(image), offset)
    offset += len(image)
with open("icons/vellora.ico", "wb") as ico:
    ico.write(struct.pack("<HHH", 0, 1, len(sizes)) + entries + b"".join(images))
PYTHON
