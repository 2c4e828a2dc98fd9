# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=bash
# The set-up that Ombrix's scripts and tests share: a display, emscripten's
# node, wine. Sourced, not run.

# start_display [WIDTHxHEIGHT]: an Xvfb display on a number that no other
# server holds, as Xvfb itself chooses it (-displayfd), kept through the
# clients' comings and goings (-noreset). Exports DISPLAY once the server
# takes clients and sets display_pid; stop_display ends it.
start_display() {
    local size=${1:-800x600} numbers
    numbers=$(mktemp)
    Xvfb -displayfd 3 -noreset -screen 0 "${size}x24" -nolisten tcp 3>"$numbers" >/dev/null 2>&1 &
    display_pid=$!
    for _ in $(seq 100); do
        [[ $(wc -l <"$numbers") -ge 1 ]] && break
        kill -0 "$display_pid" 2>/dev/null || break
        sleep 0.1
    done
    local number
    number=$(head -n 1 "$numbers")
    rm -f "$numbers"
    if [[ ! $number =~ ^[0-9]+$ ]]; then
        echo "Xvfb did not start"
        return 1
    fi
    export DISPLAY=:$number
}

stop_display() {
    [[ -n ${display_pid:-} ]] && kill "$display_pid" 2>/dev/null
    display_pid=""
    return 0
}

# Emscripten's tools find their JavaScript modules (acorn and the rest) in
# Debian's folder, whichever node runs them.
use_emscripten() {
    export NODE_PATH=${NODE_PATH:-/usr/share/nodejs}
}

# use_wine PREFIX: wine in a prefix of its own, quiet, and without the Mono
# and Gecko installers, which a fresh prefix would otherwise offer.
use_wine() {
    export WINEPREFIX=$1 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
}
