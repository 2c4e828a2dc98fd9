#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Validates AppStream metadata as pedantically as appstreamcli can: no error
# and no warning may remain, but for the tags named after the file.
#   check-metainfo.sh FILE [ALLOWED-TAG...]
set -euo pipefail
file=$1
shift
report=$(appstreamcli validate --no-net --pedantic "$file" 2>&1 || true)
echo "$report"
found=$(grep -E '^[EW]: ' <<<"$report" || true)
for allowed in "$@"; do
    found=$(grep -v -E ": $allowed( |$)" <<<"$found" || true)
done
if [[ -n $found ]]; then
    echo "appstreamcli $(appstreamcli --version | grep -oE '[0-9.]+$') found errors or warnings in $(basename "$file")"
    exit 1
fi
