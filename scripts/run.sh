#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what building and starting Ombrix needs, builds the program alone
# (build/program) and starts it. Needs a graphical session to show the window.
#   run.sh            the window on this desktop
#   run.sh web [PORT] Ombrix for the browser (build/web), served on
#                     http://127.0.0.1:PORT (8080 by default) until Ctrl+C
set -euo pipefail
cd "$(dirname "$0")/.."

if [[ ${1:-} == web ]]; then
    scripts/install-deps.sh web
    source scripts/lib/setup.sh
    use_emscripten
    cmake --workflow --preset web
    port=${2:-8080}
    echo "Ombrix: http://127.0.0.1:$port/ (Ctrl+C ends it); one file for any browser: build/web/Ombrix.html"
    exec /usr/bin/python3 -m http.server --bind 127.0.0.1 --directory build/web/site "$port"
fi

scripts/install-deps.sh run
cmake --preset program
cmake --build --preset program --target ombrix
program=build/program/window/ombrix
if [[ -z ${DISPLAY:-} && -z ${WAYLAND_DISPLAY:-} && -z ${QT_QPA_PLATFORM:-} ]]; then
    echo "Built $program; start it from a graphical session (no DISPLAY or WAYLAND_DISPLAY here)." >&2
    exit 1
fi
exec "$program"
