#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, then builds and runs every check: the whole test
# suite in the release build, the same suite under AddressSanitizer and
# UBSan, static analysis, and a short run of each fuzz target
# (OMBRIX_FUZZ_SECONDS, 15 by default). Prints how long each step took, and
# stops at the first that fails.
set -euo pipefail
cd "$(dirname "$0")/.."

source scripts/lib/steps.sh

step "install" 0 scripts/install-deps.sh test
step "release build and tests" 0 cmake --workflow --preset release
step "sanitizer build and tests" 0 cmake --workflow --preset sanitize
step "static analysis" 0 scripts/lint.sh
step "fuzzing" 0 scripts/fuzz.sh "${OMBRIX_FUZZ_SECONDS:-15}"
