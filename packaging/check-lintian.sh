#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package and runs lintian on it, as a distribution would:
# no error and no warning may remain.
set -euo pipefail
build=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
(cd "$scratch" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/deb" >/dev/null)
deb=$(ls "$scratch"/deb/*.deb)
report=$(lintian --pedantic --display-info --tag-display-limit 0 "$deb" 2>&1 || true)
echo "$report"
if grep -qE '^[EW]: ' <<<"$report"; then
    echo "lintian found errors or warnings in $(basename "$deb")"
    exit 1
fi
echo "lintian: $(basename "$deb") has no error or warning"
