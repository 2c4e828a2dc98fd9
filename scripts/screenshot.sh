#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes a screenshot of the real Ombrix window under Xvfb, after typing 3, 2
# and 1 and pressing Return on the compute button:
#   screenshot.sh            the Qt program, into docs/ombrix.png
#   screenshot.sh windows    Ombrix.exe under wine, into docs/ombrix-windows.png
# Needs xvfb, openbox, xdotool and imagemagick (and for Ombrix.exe what
# scripts/test-windows.sh installs); builds the program first.
set -euo pipefail
cd "$(dirname "$0")/.."
if [[ ${1:-} == windows ]]; then
    out=docs/ombrix-windows.png
    cmake --preset windows-x64 >/dev/null
    cmake --build --preset windows-x64 --target ombrix >/dev/null
    export WINEPREFIX=$PWD/build/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    program=("$(command -v wine64 || echo /usr/lib/wine/wine64)" build/windows-x64/window/Ombrix.exe)
else
    out=docs/ombrix.png
    cmake --preset release >/dev/null
    cmake --build --preset release --target ombrix >/dev/null
    export QT_QPA_PLATFORM=xcb
    program=(build/release/window/ombrix)
fi

export DISPLAY=:73
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
Xvfb "$DISPLAY" -screen 0 640x400x24 -nolisten tcp &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null || true' EXIT
sleep 1
openbox >/dev/null 2>&1 &
sleep 1
"${program[@]}" &
app=$!
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
# Crop the root window to the client area plus the frame the window manager drew.
x=$(xwininfo -id "$window" | awk '/Absolute upper-left X/ {print $4}')
y=$(xwininfo -id "$window" | awk '/Absolute upper-left Y/ {print $4}')
read -r left right top bottom < <(xprop -id "$window" _NET_FRAME_EXTENTS | tr -d ',' | awk '{print $3, $4, $5, $6}')
import -window root -crop "$((312 + left + right))x$((213 + top + bottom))+$((x - left))+$((y - top))" +repage "$out"
kill "$app"
echo "wrote $out"
