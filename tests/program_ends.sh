#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the program that ships on an Xvfb display of its own, as a user
# would, with Qt options on its command line that it must ignore, and ends it
# by its exit button, then by the window system's close. Each time the window
# must be Ombrix's, left to right, titled so for every window manager, and the
# program must end with status 0. It is started in the POSIX locale first and
# then in a UTF-8 one, whatever the caller's.
#   program_ends.sh PROGRAM
set -uo pipefail
program=$1
python=/usr/bin/python3  # Debian's, with python3-xlib
for tool in Xvfb xdotool xprop "$python"; do
    command -v "$tool" >/dev/null || { echo "needs $tool"; exit 77; }
done
"$python" -c 'import Xlib' 2>/dev/null || { echo "needs python3-xlib"; exit 77; }

source "$(dirname "$0")/../scripts/lib/setup.sh"
work=$(mktemp -d)
trap 'stop_display; rm -rf "$work"' EXIT
start_display 640x480 || exit 1
unset QT_QPA_PLATFORM WAYLAND_DISPLAY

# The window manager's close: WM_DELETE_WINDOW, as the close button sends it.
close_window() {
    "$python" - "$1" <<'PYTHON'
import sys
from Xlib import X, display, protocol
d = display.Display()
window = d.create_resource_object("window", int(sys.argv[1]))
protocols, delete = d.intern_atom("WM_PROTOCOLS"), d.intern_atom("WM_DELETE_WINDOW")
window.send_event(protocol.event.ClientMessage(window=window, client_type=protocols,
                                               data=(32, [delete, X.CurrentTime, 0, 0, 0])))
d.flush()
PYTHON
}

status=0
for how in exit-button close; do
    locale=POSIX
    [[ $how == close ]] && locale=C.UTF-8
    env -u LANG -u LANGUAGE LC_ALL=$locale "$program" -qwindowtitle X -reverse -stylesheet none.qss >"$work/$how.log" 2>&1 &
    pid=$!
    window=""
    for _ in $(seq 300); do
        window=$(xdotool search --onlyvisible --name '^Ombrix计算器$' 2>/dev/null | head -n 1)
        [[ -n $window ]] && break
        sleep 0.1
    done
    if [[ -z $window ]]; then
        echo "$how: no window titled Ombrix计算器"
        cat "$work/$how.log"
        kill "$pid" 2>/dev/null
        status=1
        continue
    fi
    # As the desktop entry's StartupWMClass names it.
    xprop -id "$window" WM_CLASS | grep -q '"ombrix"' || { echo "$how: WM_CLASS is not ombrix"; status=1; }
    sleep 0.5
    if [[ $how == exit-button ]]; then
        # 退出, Command4, at (3840, 2640) twips: (256, 176) pixels, 49 by 25. Mirrored,
        # the point would fall on 计算Ombrix.
        xdotool mousemove --window "$window" 280 188 click 1
    else
        close_window "$window"
    fi
    for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    if kill -0 "$pid" 2>/dev/null; then
        echo "$how: the program did not end"
        kill "$pid"
        status=1
        continue
    fi
    wait "$pid"
    code=$?
    echo "$how: the program ended with status $code in the $locale locale"
    [[ $code -eq 0 ]] || { cat "$work/$how.log"; status=1; }
done
exit $status
