#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Ombrix for the browser (cmake --workflow --preset web) and the tests'
# oracle for node (preset web-oracle), checks that a second checkout in
# another folder builds the same bytes, and tests the site and Ombrix.html in
# Chromium, WebKit and Firefox (tests/web/page_test.py).
#   test-web.sh [ENGINE...]   (chromium webkit firefox by default)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh webtest
source scripts/lib/setup.sh
use_emscripten
engines=("${@:-chromium}")
(($# > 0)) || engines=(chromium webkit firefox)

build() {  # build SOURCE-FOLDER LOG
    (cd "$1" && cmake --workflow --preset web) >"$2" 2>&1 || { tail -40 "$2"; return 1; }
}
start=$SECONDS
mkdir -p build
build . build/web.log
echo "web build: $((SECONDS - start)) s"
ls -l build/web/site/*.wasm build/web/site/*.js build/web/Ombrix.html | awk '{print $5, $9}'

# The tests' oracle, in WebAssembly, for node.
start=$SECONDS
(cmake --preset web-oracle && cmake --build build/web-oracle --target ombrix_reference_texts) >build/web-oracle.log 2>&1 ||
    { tail -40 build/web-oracle.log; exit 1; }
echo "the tests' oracle: $((SECONDS - start)) s"

# The same files from a copy of the sources in another folder.
start=$SECONDS
other=$(mktemp -d /tmp/ombrix-elsewhere-XXXXXX)
trap 'rm -rf "$other"' EXIT
tar --exclude=./build --exclude=./.git -cf - . | tar -C "$other" -xf -
build "$other" build/web-elsewhere.log
(cd build/web && find site Ombrix.html "Ombrix-"*"-web.zip" -type f | sort) >build/web-files.txt
while read -r file; do
    cmp "build/web/$file" "$other/build/web/$file" || { echo "built differently elsewhere: $file" >&2; exit 1; }
done <build/web-files.txt
echo "the same $(wc -l <build/web-files.txt) files from another folder: $((SECONDS - start)) s"

# WebKit's MiniBrowser draws on a display.
trap 'rm -rf "$other"; stop_display' EXIT
start_display 1280x1024
failed=0
for engine in "${engines[@]}"; do
    start=$SECONDS
    /usr/bin/python3 tests/web/page_test.py build/web "$engine" || failed=1
    echo "web tests in $engine: $((SECONDS - start)) s"
done
exit $failed
