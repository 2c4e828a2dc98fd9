#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails unless Ombrix.exe imports only what Windows 7 SP1 has: every DLL and
# function it imports must stand in imports-windows7.txt beside this script,
# a list kept by hand of imports each known to be on Windows 7 SP1 (a new
# import has to be looked up and added). The Universal CRT, the api-ms-win-*
# sets and shcore.dll (Windows 8.1) are refused outright.
#   check-imports.sh OMBRIX.EXE...
set -euo pipefail
allowed=$(dirname "$0")/imports-windows7.txt
status=0
[[ $# -gt 0 ]] || { echo "usage: $0 OMBRIX.EXE..." >&2; exit 2; }
for exe in "$@"; do
    # objdump lists an import as "address hint name", and one by ordinal as
    # "address ordinal <none>": that one stands as DLL!#ordinal.
    table=$(x86_64-w64-mingw32-objdump -p "$exe") || { echo "$exe could not be read"; exit 1; }
    imports=$(echo "$table" |
        awk '/^The / {dll = ""} /DLL Name:/ {dll = tolower($3); next}
             dll && NF == 3 && $1 ~ /^[0-9a-f]+$/ && $2 ~ /^[0-9]+$/ {print dll "!" ($3 == "<none>" ? "#" $2 : $3)}' |
        LC_ALL=C sort -u)
    if [[ -z $imports ]]; then
        echo "$exe: no import could be read; objdump's listing has changed, or the file is no Windows program"
        status=1
        continue
    fi
    refused=$(echo "$imports" | grep -E '^(ucrtbase|api-ms-win-[^!]*|shcore)\.dll!' || true)
    unknown=$(LC_ALL=C comm -23 <(echo "$imports") <(grep -v '^#' "$allowed" | LC_ALL=C sort -u))
    echo "$exe: $(echo "$imports" | wc -l) imports from $(echo "$imports" | cut -d'!' -f1 | sort -u | tr '\n' ' ')"
    if [[ -n $refused || -n $unknown ]]; then
        echo "$exe imports what Windows 7 SP1 may lack (not in $allowed):"
        echo "$refused$unknown" | sort -u | sed 's/^/  /'
        status=1
    fi
done
exit $status
