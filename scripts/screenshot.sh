#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes a screenshot of the real Ombrix window under Xvfb into docs/ombrix.png,
# after typing 3, 2 and 1 and clicking the compute button.
# Needs xvfb, openbox, xdotool and imagemagick; builds the release configuration first.
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-docs/ombrix.png}
cmake --preset release >/dev/null
cmake --build --preset release --target ombrix >/dev/null

export DISPLAY=:73
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
Xvfb "$DISPLAY" -screen 0 640x400x24 -nolisten tcp &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null || true' EXIT
sleep 1
openbox >/dev/null 2>&1 &
sleep 1
QT_QPA_PLATFORM=xcb build/release/window/ombrix &
app=$!
window=$(xdotool search --sync --onlyvisible --name 'Ombrix' | head -n 1)
xdotool windowmove "$window" 40 40
sleep 0.5
for text in 3 2 1; do
    xdotool type --delay 50 "$text"
    xdotool key Tab
done
xdotool mousemove --window "$window" 60 188 click 1
sleep 1
# Crop the root window to the client area plus the frame the window manager drew.
x=$(xwininfo -id "$window" | awk '/Absolute upper-left X/ {print $4}')
y=$(xwininfo -id "$window" | awk '/Absolute upper-left Y/ {print $4}')
read -r left right top bottom < <(xprop -id "$window" _NET_FRAME_EXTENTS | tr -d ',' | awk '{print $3, $4, $5, $6}')
width=$((312 + left + right))
height=$((213 + top + bottom))
import -window root -crop "${width}x${height}+$((x - left))+$((y - top))" +repage "$out"
kill "$app"
echo "wrote $out"
