#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package and runs lintian on it, as a distribution would:
# no error and no warning may remain, but for the tags named after the build.
#   check-lintian.sh BUILD [ALLOWED-TAG...]
set -euo pipefail
# shellcheck source=packaging/findings.sh
source "$(dirname "$0")/findings.sh"
build=$1
shift
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
(cd "$scratch" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/deb" >/dev/null)
deb=$(ls "$scratch"/deb/*.deb)
report=$(lintian --pedantic --display-info --tag-display-limit 0 "$deb" 2>&1 || true)
echo "$report"
if [[ -n $(findings "$report" "$@") ]]; then
    echo "lintian found errors or warnings in $(basename "$deb")"
    exit 1
fi
echo "lintian: $(basename "$deb") has no error or warning"
