#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Proves the README's two commands on a fresh, minimal Debian, as a new user
# would run them:
#   test-fresh.sh bookworm|trixie [web] [package]
# Makes a root with debootstrap (minbase: not even git) from this machine's
# Debian mirror, with the suite replaced; copies a clean clone of the
# committed tree in; runs scripts/run.sh inside it with chroot until the
# window shows on an Xvfb display of this machine's, then scripts/test.sh;
# with web, then also builds Ombrix for the browser there as its README says
# (install-deps.sh web, cmake --workflow --preset web); with package, then
# builds and checks the Debian package in a copy of the root as debootstrap
# made it (scripts/test-package.sh).
# Fails on any failure; each wait has a limit of about twice its measured
# time. Needs root; the root is left in build/fresh/SUITE.
set -euo pipefail
cd "$(dirname "$0")/.."
suite=${1:?usage: $0 bookworm|trixie [web] [package]}
web="" package=""
for word in "${@:2}"; do
    case $word in
    web) web=web ;;
    package) package=package ;;
    *) echo "usage: $0 bookworm|trixie [web] [package]" >&2; exit 2 ;;
    esac
done
scripts/install-deps.sh fresh

root=$PWD/build/fresh/$suite
source scripts/lib/setup.sh
source scripts/lib/fresh_root.sh
cleanup() {
    stop_display || true
    [[ -n ${window_pid:-} ]] && kill -- -"$window_pid" 2>/dev/null || true
    unmount_root
}
trap cleanup EXIT

# What the root holds beyond the clone, its builds and apt's downloads, in
# MiB; and what apt downloaded.
root_size() {
    (cd "$root" && du -sm --exclude=./root --exclude=./proc --exclude=./sys --exclude=./dev --exclude=./tmp \
        --exclude=./var/cache/apt . | cut -f1)
}
downloads() { du -sm "$root/var/cache/apt/archives" | cut -f1; }

started=$SECONDS
make_root "$suite" "$root"
if [[ $package == package ]]; then
    remove_root "$root-package"
    cp -a "$root" "$root-package"
fi
mount_root tmp/.X11-unix
echo "root made in $((SECONDS - started)) s: $(root_size) MiB"
size_before=$(root_size) downloads_before=$(downloads)

echo "== a clean clone of $(git rev-parse --short HEAD)"
clone_into root/ombrix

echo "== scripts/run.sh"
start_display 800x600
run_started=$SECONDS
setsid bash -c "$(declare -f inside); root='$root'; inside scripts/run.sh" >"$root.run.log" 2>&1 &
window_pid=$!
window=""
while [[ -z $window ]] && kill -0 "$window_pid" 2>/dev/null && ((SECONDS - run_started < 240)); do
    sleep 2
    window=$(xdotool search --name 'Ombrix计算器' 2>/dev/null | head -n 1 || true)
done
if [[ -z $window ]]; then
    tail -30 "$root.run.log"
    echo "$suite: the run command showed no window"
    exit 1
fi
echo "$suite: the window showed $((SECONDS - run_started)) s after the run command started:" \
    "$(xwininfo -id "$window" | grep -E 'Width|Height' | tr -s ' ' | tr '\n' ' ')"
kill -- -"$window_pid" 2>/dev/null || true
window_pid=""
size_run=$(root_size)
echo "$suite: the run command installed $((size_run - size_before)) MiB ($(($(downloads) - downloads_before)) MiB downloaded)"
downloads_run=$(downloads)

echo "== scripts/test.sh"
run_inside test 1200 /root/ombrix scripts/test.sh
grep -E 'tests passed|static analysis clean|^fuzz_|^== ' "$root.test.log" || true
echo "$suite: the test command installed $(($(root_size) - size_run)) MiB more ($(($(downloads) - downloads_run)) MiB downloaded)"
echo "$suite: the run and test commands passed in $((SECONDS - started)) s in all"

if [[ $web == web ]]; then
    echo "== the web build"
    size_test=$(root_size)
    run_inside web 600 /root/ombrix "scripts/install-deps.sh web && cmake --workflow --preset web"
    echo "$suite: the web build installed $(($(root_size) - size_test)) MiB and made" \
        "$(cd "$root/root/ombrix/build/web" && ls site/index.html site/sw.js Ombrix.html Ombrix-*-web.zip | tr '\n' ' ')"
fi

if [[ $package == package ]]; then
    unmount_root
    scripts/test-package.sh "$suite" "$root-package"
fi
