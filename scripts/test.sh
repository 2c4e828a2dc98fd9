#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, then builds and runs every check: the whole test
# suite in the release build, the same suite under AddressSanitizer and
# UBSan, static analysis, and a short run of each fuzz target
# (OMBRIX_FUZZ_SECONDS, 15 by default).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh test
cmake --workflow --preset release
cmake --workflow --preset sanitize
scripts/lint.sh
scripts/fuzz.sh "${OMBRIX_FUZZ_SECONDS:-15}"
