#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes a screenshot of Ombrix.exe under wine and Xvfb into
# docs/ombrix-windows.png, after typing 3, 2 and 1 and pressing Enter on the
# compute button. Needs what scripts/test-windows.sh installs, and openbox,
# xdotool and imagemagick; builds the windows-x64 preset first.
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-docs/ombrix-windows.png}
cmake --preset windows-x64 >/dev/null
cmake --build --preset windows-x64 --target ombrix >/dev/null

export WINEPREFIX=$PWD/build/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" DISPLAY=:74
wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
Xvfb "$DISPLAY" -screen 0 640x400x24 -nolisten tcp &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null || true' EXIT
sleep 1
openbox >/dev/null 2>&1 &
sleep 1
"$wine" build/windows-x64/window/Ombrix.exe &
window=$(xdotool search --sync --onlyvisible --name 'Ombrix' | head -n 1)
xdotool windowmove "$window" 40 40
xdotool windowactivate --sync "$window" 2>/dev/null || true
sleep 0.5
for text in 3 2 1; do
    xdotool type --delay 50 "$text"
    xdotool key Tab
done
xdotool key Tab Tab Tab Tab Tab Return
sleep 1
x=$(xwininfo -id "$window" | awk '/Absolute upper-left X/ {print $4}')
y=$(xwininfo -id "$window" | awk '/Absolute upper-left Y/ {print $4}')
read -r left right top bottom < <(xprop -id "$window" _NET_FRAME_EXTENTS | tr -d ',' | awk '{print $3, $4, $5, $6}')
import -window root -crop "$((312 + left + right))x$((213 + top + bottom))+$((x - left))+$((y - top))" +repage "$out"
"$(command -v wineserver || echo /usr/lib/wine/wineserver)" -k
echo "wrote $out"
