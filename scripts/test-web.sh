#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Ombrix for the browser (cmake --workflow --preset web) and tests the
# site and Ombrix.html in headless Chromium (tests/web/page_test.py).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh webtest
export NODE_PATH=${NODE_PATH:-/usr/share/nodejs}  # emscripten's modules, whichever node runs it
start=$SECONDS
mkdir -p build
cmake --workflow --preset web >build/web.log 2>&1 || { tail -40 build/web.log; exit 1; }
echo "web build: $((SECONDS - start)) s"
ls -l build/web/site/ombrix.wasm build/web/site/ombrix.js build/web/Ombrix.html | awk '{print $5, $9}'
start=$SECONDS
/usr/bin/python3 tests/web/page_test.py build/web
echo "web tests: $((SECONDS - start)) s"
