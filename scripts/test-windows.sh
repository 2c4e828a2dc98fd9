#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Ombrix.exe for 64-bit and 32-bit Windows with mingw-w64, each with its
# release zip (cmake --workflow --preset windows-x64, windows-x86), checks
# that the program needs no library beyond Windows' own and carries its
# resources, and runs the Win32 window's tests and Form1's behaviour tests
# under wine on an Xvfb display, the machine's CJK font standing in for the
# Windows UI fonts.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh windows

for preset in windows-x64 windows-x86; do
    cmake --workflow --preset "$preset" >"build/$preset.log" 2>&1 || { tail -40 "build/$preset.log"; exit 1; }
    echo "$preset: $(stat -c %s build/$preset/Ombrix-*-$preset.zip) bytes in $(basename build/$preset/Ombrix-*-$preset.zip)"
done

# Only the DLLs every Windows 10 and 11 has; the icon, the version record and
# the manifest as resources.
exe=build/windows-x64/window/Ombrix.exe
dlls=$(x86_64-w64-mingw32-objdump -p "$exe" | awk '/DLL Name:/ {print tolower($3)}' | sort -u)
echo "Ombrix.exe imports: $(echo $dlls)"
for dll in $dlls; do
    case $dll in
    kernel32.dll | user32.dll | gdi32.dll | comctl32.dll | ole32.dll | oleacc.dll | msvcrt.dll | advapi32.dll) ;;
    *) echo "Ombrix.exe needs $dll, which Windows does not have"; exit 1 ;;
    esac
done
scripts/lint.sh win32
x86_64-w64-mingw32-objdump -h "$exe" | grep -q '\.rsrc' || { echo "Ombrix.exe has no resources"; exit 1; }
strings -el "$exe" | grep -q 'OriginalFilename' || { echo "Ombrix.exe has no version record"; exit 1; }
grep -q 'PerMonitorV2' "$exe" && grep -q 'Microsoft.Windows.Common-Controls' "$exe" ||
    { echo "Ombrix.exe's manifest does not declare PerMonitorV2 and Common Controls 6"; exit 1; }

export WINEPREFIX=$PWD/build/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export DISPLAY=:$((80 + RANDOM % 9))
wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver)
Xvfb "$DISPLAY" -screen 0 800x600x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null || true; "$wineserver" -k 2>/dev/null || true' EXIT
if [[ ! -f $WINEPREFIX/system.reg ]]; then
    timeout 300 "$wine" wineboot --init >/dev/null 2>&1
    for face in "Microsoft YaHei UI" "Microsoft YaHei" SimSun; do
        "$wine" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$face" /d "WenQuanYi Micro Hei" /f >/dev/null 2>&1
    done
    timeout 120 "$wineserver" -w
fi
ctest --preset windows-x64
