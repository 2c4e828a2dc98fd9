#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders Ombrix's icon from packaging/icons/ombrix.svg: hicolor PNGs, and for
# Windows an .ico with a 32x32 two-colour, a 32x32 sixteen-colour and a 16x16
# sixteen-colour image. Needs librsvg2-bin and imagemagick.
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
convert "$work/32-mono.bmp" "$work/32-16.bmp" "$work/16-16.bmp" ../windows/ombrix.ico
