#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Validates AppStream metadata as pedantically as appstreamcli can: no error
# and no warning may remain, but for the tags named after the file.
#   check-metainfo.sh FILE [ALLOWED-TAG...]
set -euo pipefail
# shellcheck source=packaging/findings.sh
source "$(dirname "$0")/findings.sh"
file=$1
shift
report=$(appstreamcli validate --no-net --pedantic "$file" 2>&1 || true)
echo "$report"
if [[ -n $(findings "$report" "$@") ]]; then
    echo "appstreamcli $(appstreamcli --version | grep -oE '[0-9.]+$') found errors or warnings in $(basename "$file")"
    exit 1
fi
