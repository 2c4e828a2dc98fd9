#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Ombrix.exe for 64-bit and 32-bit Windows with mingw-w64, each with its
# release zip (cmake --workflow --preset windows-x64, windows-x86), checks
# that each needs nothing that Windows 7 SP1 lacks and carries its resources,
# analyses the Win32 sources, and runs the Win32 window's tests and Form1's
# behaviour tests for both under wine on an Xvfb display, the machine's CJK
# font standing in for the Windows UI fonts. Where wine's 32-bit half cannot
# be installed (the i386 package index refused) or run (a kernel without
# 32-bit x86), the 32-bit tests are skipped and the script says so.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh windows
x86_tests=1
scripts/install-deps.sh windows32 || {
    [[ $? -eq 3 ]] || exit 1
    x86_tests=0
    echo "windows-x86: SKIPPED its tests: wine32 could not be installed"
}
# Some kernels are built without 32-bit x86 support, where wine's 32-bit half
# installs but cannot start.
if ((x86_tests)) && ! /lib/ld-linux.so.2 --version >/dev/null 2>&1; then
    x86_tests=0
    echo "windows-x86: SKIPPED its tests: this machine's kernel runs no 32-bit x86 programs"
fi

mkdir -p build
for preset in windows-x64 windows-x86; do
    cmake --workflow --preset "$preset" >"build/$preset.log" 2>&1 || { tail -40 "build/$preset.log"; exit 1; }
    exe=build/$preset/window/Ombrix.exe
    stripped=$(mktemp)
    x86_64-w64-mingw32-strip -o "$stripped" "$exe"
    echo "$preset: Ombrix.exe $(stat -c %s "$stripped") bytes stripped;" \
        "$(stat -c %s build/$preset/Ombrix-*-$preset.zip) bytes in $(basename build/$preset/Ombrix-*-$preset.zip)"
    rm -f "$stripped"
done

exes=(build/windows-x64/window/Ombrix.exe build/windows-x86/window/Ombrix.exe)
packaging/windows/check-imports.sh "${exes[@]}"
if packaging/windows/check-imports.sh README.md >/dev/null 2>&1; then
    echo "check-imports.sh passed a file from which it read no import"
    exit 1
fi
for exe in "${exes[@]}"; do
    x86_64-w64-mingw32-objdump -h "$exe" | grep -q '\.rsrc' || { echo "$exe has no resources"; exit 1; }
    strings -el "$exe" | grep -q 'OriginalFilename' || { echo "$exe has no version record"; exit 1; }
    grep -q 'PerMonitorV2' "$exe" && grep -q 'Microsoft.Windows.Common-Controls' "$exe" &&
        grep -q '35138b9a-5d96-4fbd-8e2d-a2440225f93a' "$exe" ||
        { echo "$exe's manifest does not declare PerMonitorV2, Common Controls 6 and Windows 7"; exit 1; }
done
scripts/lint.sh win32

# A prefix of its own for each kind of wine: 64-bit alone, or with its
# 32-bit half.
source scripts/lib/setup.sh
if ((x86_tests)); then
    wine=/usr/lib/wine/wine
    use_wine "$PWD/build/wine-wow64"
else
    wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
    use_wine "$PWD/build/wine"
fi
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver)
trap 'stop_display; "$wineserver" -k 2>/dev/null || true' EXIT
start_display 800x600
# A prefix is made whole or made again: wineboot first, and only once it and
# everything it started have ended, the font replacements.
if [[ ! -f $WINEPREFIX/.ombrix-prefix-made ]]; then
    rm -rf "$WINEPREFIX"
    timeout 120 "$wine" wineboot --init >/dev/null 2>&1 || { echo "wineboot failed ($?)"; exit 1; }
    timeout 60 "$wineserver" -w || { echo "wineboot did not end"; exit 1; }
    for face in "Microsoft YaHei UI" "Microsoft YaHei" SimSun; do
        "$wine" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$face" /d "WenQuanYi Micro Hei" /f >/dev/null 2>&1 ||
            { echo "the font replacement for $face could not be set ($?)"; exit 1; }
    done
    timeout 60 "$wineserver" -w
    touch "$WINEPREFIX/.ombrix-prefix-made"
fi
ctest --preset windows-x64
if ((x86_tests)); then
    ctest --preset windows-x86
fi
