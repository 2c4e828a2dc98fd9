#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what building and starting Ombrix needs, builds the program alone
# (build/program) and starts it. Needs a graphical session to show the window.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh run
cmake --preset program
cmake --build --preset program --target ombrix
program=build/program/window/ombrix
if [[ -z ${DISPLAY:-} && -z ${WAYLAND_DISPLAY:-} && -z ${QT_QPA_PLATFORM:-} ]]; then
    echo "Built $program; start it from a graphical session (no DISPLAY or WAYLAND_DISPLAY here)." >&2
    exit 1
fi
exec "$program"
