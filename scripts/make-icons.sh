#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders Ombrix's icon from packaging/icons/ombrix.svg: hicolor PNGs, and for
# Windows an .ico that holds first the classic images (32x32 in two colours,
# 32x32 and 16x16 in sixteen colours), then a 48x48 image with alpha and a
# 256x256 PNG, which Windows takes at 150 to 200 % and in Explorer's large
# views. Needs librsvg2-bin and imagemagick.
set -euo pipefail
cd "$(dirname "$0")/../packaging/icons"

for size in 16 32 48 128 256; do
    rsvg-convert -w "$size" -h "$size" ombrix.svg -o "ombrix-$size.png"
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
convert ombrix-32.png -background white -alpha remove -dither FloydSteinberg -colors 2 -type Palette "BMP3:$work/32-mono.bmp"
convert ombrix-32.png -background white -alpha remove -dither FloydSteinberg -colors 16 -type Palette "BMP3:$work/32-16.bmp"
convert ombrix-16.png -background white -alpha remove -dither FloydSteinberg -colors 16 -type Palette "BMP3:$work/16-16.bmp"
convert "$work/32-mono.bmp" "$work/32-16.bmp" "$work/16-16.bmp" "$work/classic.ico"
convert ombrix-48.png -define icon:auto-resize=48 "$work/48.ico"

# The images of both .ico files in that order, and the 256 PNG as it is.
python3 - "$work/classic.ico" "$work/48.ico" ombrix-256.png ../windows/ombrix.ico <<'PY'
import struct
import sys


def images(path):
    data = open(path, "rb").read()
    count = struct.unpack_from("<HHH", data)[2]
    for k in range(count):
        entry = data[6 + 16 * k:22 + 16 * k]
        size, offset = struct.unpack_from("<II", entry, 8)
        yield entry[:8], data[offset:offset + size]


png = open(sys.argv[3], "rb").read()
entries = list(images(sys.argv[1])) + list(images(sys.argv[2]))
entries.append((struct.pack("<BBBBHH", 0, 0, 0, 0, 1, 32), png))  # 0 stands for 256
offset = 6 + 16 * len(entries)
head, body = struct.pack("<HHH", 0, 1, len(entries)), b""
for entry, image in entries:
    head += entry + struct.pack("<II", len(image), offset)
    body += image
    offset += len(image)
open(sys.argv[4], "wb").write(head + body)
PY
