#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes a screenshot of the real Ombrix window under Xvfb, after typing 3, 2
# and 1 and pressing Return on the compute button:
#   screenshot.sh            the Qt program, into docs/ombrix.png
#   screenshot.sh windows    Ombrix.exe under wine, into docs/ombrix-windows.png
#   screenshot.sh web        Ombrix.html in headless Chromium, into docs/ombrix-web.png
# Needs xvfb, openbox, xdotool and imagemagick (and for Ombrix.exe what
# scripts/test-windows.sh installs, for the web what test-web.sh installs);
# builds the program first.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/setup.sh
if [[ ${1:-} == web ]]; then
    use_emscripten
    cmake --workflow --preset web >/dev/null
    /usr/bin/python3 - "$PWD/build/web/Ombrix.html" docs/ombrix-web.png <<'PYTHON'
import pathlib, sys, time
sys.path.insert(0, "tests/web")
from engines import Chromium
from selenium.webdriver.common.keys import Keys
browser = Chromium()
browser.cdp("Emulation.setDeviceMetricsOverride", {"width": 372, "height": 300, "deviceScaleFactor": 1, "mobile": False})
browser.get(pathlib.Path(sys.argv[1]).as_uri())
while browser.js("return document.documentElement.dataset.ready") != "ready":
    time.sleep(0.05)
for text in "321":
    browser.driver.switch_to.active_element.send_keys(text, Keys.TAB)
browser.js("document.getElementById('Command5').focus()")
browser.driver.switch_to.active_element.send_keys(Keys.RETURN)
time.sleep(0.3)
browser.driver.save_screenshot(sys.argv[2])
browser.quit()
PYTHON
    echo "wrote docs/ombrix-web.png"
    exit 0
fi
if [[ ${1:-} == windows ]]; then
    out=docs/ombrix-windows.png
    cmake --preset windows-x64 >/dev/null
    cmake --build --preset windows-x64 --target ombrix >/dev/null
    use_wine "$PWD/build/wine"
    program=("$(command -v wine64 || echo /usr/lib/wine/wine64)" build/windows-x64/window/Ombrix.exe)
else
    out=docs/ombrix.png
    cmake --preset release >/dev/null
    cmake --build --preset release --target ombrix >/dev/null
    export QT_QPA_PLATFORM=xcb
    program=(build/release/window/ombrix)
fi

export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
trap stop_display EXIT
start_display 640x400
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
