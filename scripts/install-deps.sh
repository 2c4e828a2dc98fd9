#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages (Debian 12 or 13) that a task of Ombrix needs:
#   install-deps.sh run        to build and start the program
#   install-deps.sh test       to build and run every test and analysis
#   install-deps.sh platforms  to build and run the core's tests for other platforms
#   install-deps.sh windows    to build Ombrix.exe and run its tests under wine
#   install-deps.sh windows32  to run the 32-bit Ombrix.exe's tests too: wine's
#                              32-bit half, with the i386 architecture added
#   install-deps.sh web        to build Ombrix for the browser and serve it here
#   install-deps.sh webtest    to test it in Chromium, WebKit and Firefox too
#   install-deps.sh lighthouse to measure it with Lighthouse (bench/lighthouse.sh)
#   install-deps.sh fresh      to prove the two commands in a fresh Debian root
#   install-deps.sh screenreader  to hear the window through Orca (scripts/orca-hears.sh)
# Installs nothing when they are all present. Installs as root, or through
# sudo; where neither is possible, names the missing packages and the command
# that installs them, and fails.
set -euo pipefail

run_packages=(g++ cmake ninja-build libfast-float-dev libboost-dev qt6-base-dev qt6-translations-l10n libgl-dev fonts-wqy-microhei)
test_packages=(
    "${run_packages[@]}"
    libgtest-dev libbenchmark-dev
    desktop-file-utils appstream binutils-mingw-w64-x86-64 python3-mpmath
    xvfb xdotool x11-utils python3-xlib
    clang libclang-rt-dev clang-format clang-tidy cppcheck
)
platform_packages=(g++ cmake ninja-build libgtest-dev googletest libfast-float-dev libboost-dev
    clang libc++-dev libc++abi-dev g++-mingw-w64-x86-64-posix wine64
    g++-aarch64-linux-gnu g++-i686-linux-gnu qemu-user emscripten node-acorn)
windows_packages=(cmake ninja-build googletest libfast-float-dev libboost-dev
    g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix wine64 xvfb fonts-wqy-microhei clang-tidy)
web_packages=(cmake ninja-build libfast-float-dev libboost-dev emscripten node-acorn python3)
# Debian 13's emscripten writes the program's glue in a newer script than the
# page's oldest browsers read, and cannot find a Babel to lower it: the build
# lowers it with Debian's.
debian=$(. /etc/os-release && echo "${VERSION_ID:-99}")  # testing and unstable have none
if ((${debian%%.*} >= 13)); then web_packages+=(node-babel7); fi
webtest_packages=("${web_packages[@]}" chromium chromium-driver python3-selenium fonts-wqy-microhei
    webkit2gtk-driver xvfb firefox-esr python3-websockets locales)
lighthouse_packages=("${webtest_packages[@]}")
command -v npm >/dev/null || lighthouse_packages+=(npm)  # a Node.js from elsewhere brings its own
fresh_packages=(debootstrap git xvfb xdotool x11-utils)
screenreader_packages=("${run_packages[@]}" orca at-spi2-core dbus-daemon libglib2.0-bin xvfb xdotool)
windows32_packages=(wine32:i386)

case ${1:-} in
run) packages=("${run_packages[@]}") ;;
test) packages=("${test_packages[@]}") ;;
platforms) packages=("${platform_packages[@]}") ;;
windows) packages=("${windows_packages[@]}") ;;
web) packages=("${web_packages[@]}") ;;
webtest) packages=("${webtest_packages[@]}") ;;
lighthouse) packages=("${lighthouse_packages[@]}") ;;
fresh) packages=("${fresh_packages[@]}") ;;
screenreader) packages=("${screenreader_packages[@]}") ;;
windows32) packages=("${windows32_packages[@]}") ;;
*) echo "usage: $0 run|test|platforms|windows|windows32|web|webtest|lighthouse|fresh|screenreader" >&2; exit 2 ;;
esac

missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [[ $status == "install ok installed" ]] || missing+=("$package")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

install=(apt-get install -y -qq --no-install-recommends "${missing[@]}")
if [[ $(id -u) -eq 0 ]]; then
    as_root=()
elif command -v sudo >/dev/null 2>&1; then
    as_root=(sudo)
else
    echo "Ombrix needs these Debian packages, which are not installed:" >&2
    echo "  ${missing[*]}" >&2
    echo "Install them as root, then run this command again:" >&2
    echo "  su -c 'apt-get update && ${install[*]}'" >&2
    exit 1
fi
echo "Installing: ${missing[*]}"
if [[ $1 == windows32 ]]; then
    # A mirror in the middle of a sync may refuse its i386 index for a while,
    # or offer i386 packages older than the machine's own: three tries, and
    # where all fail, an i386 architecture added here is taken away again,
    # so that apt is left as it was found (status 3: not installed).
    added=0
    if ! dpkg --print-foreign-architectures | grep -qx i386; then
        "${as_root[@]}" dpkg --add-architecture i386
        added=1
    fi
    for try in 1 2 3; do
        "${as_root[@]}" apt-get update -qq && "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive "${install[@]}" && exit 0
        ((try == 3)) || sleep 20
    done
    if ((added)); then
        i386=$(dpkg-query -W -f='${binary:Package}\n' | grep ':i386$' || true)
        [[ -z $i386 ]] || "${as_root[@]}" apt-get purge -y -qq $i386
        "${as_root[@]}" dpkg --remove-architecture i386
        "${as_root[@]}" apt-get update -qq || true
    fi
    echo "wine32 could not be installed from the mirror's i386 packages" >&2
    exit 3
fi
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive "${install[@]}"
