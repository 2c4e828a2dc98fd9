#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Lighthouse's scores and metrics for the site on a phone (its default mobile
# profile: a mid-range phone on a slow 4G network, simulated), the site built
# and served gzipped on 127.0.0.1 (bench/lighthouse.py). A measurement, kept
# out of the tests: Lighthouse comes from npm, pinned, into build/lighthouse.
#   lighthouse.sh [RUNS]   (3 by default; each run's figures and the medians)
set -euo pipefail
cd "$(dirname "$0")/.."
version=12.2.3
scripts/install-deps.sh lighthouse
source scripts/lib/setup.sh
use_emscripten
cmake --workflow --preset web >/dev/null
tool=build/lighthouse
if [[ $(cat "$tool/node_modules/lighthouse/package.json" 2>/dev/null | /usr/bin/python3 -c \
        'import json, sys; print(json.load(sys.stdin)["version"])' 2>/dev/null) != "$version" ]]; then
    npm install --prefix "$tool" --no-audit --no-fund --silent "lighthouse@$version" >/dev/null
fi
echo "machine: $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ //'), $(nproc) cores;" \
    "lighthouse $version, node $(node --version), $(/usr/bin/chromium --version)"
/usr/bin/python3 bench/lighthouse.py build/web/site "$tool/node_modules/.bin/lighthouse" "${1:-3}"
