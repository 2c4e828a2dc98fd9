#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, then builds and runs every check: the whole test
# suite in the release build, the same suite under AddressSanitizer and
# UBSan, static analysis, and a short run of each fuzz target
# (OMBRIX_FUZZ_SECONDS, 15 by default). Prints how long each part took.
set -euo pipefail
cd "$(dirname "$0")/.."

part() {  # part NAME COMMAND...
    local name=$1 started=$SECONDS
    shift
    "$@"
    echo "== $name: $((SECONDS - started)) s"
}

part "install" scripts/install-deps.sh test
part "release build and tests" cmake --workflow --preset release
part "sanitizer build and tests" cmake --workflow --preset sanitize
part "static analysis" scripts/lint.sh
part "fuzzing" scripts/fuzz.sh "${OMBRIX_FUZZ_SECONDS:-15}"
