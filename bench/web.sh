#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The web page's figures (bench/web_figures.py) beside the native kernel's,
# measured one after the other in one run on this machine: in Chromium, WebKit
# and Firefox (or the engines named: web.sh ENGINE...), what a first visit
# transfers, the time to the window taking input, and a click, against the
# native baseline kernel and the native compute.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh webtest
source scripts/lib/setup.sh
use_emscripten
cmake --workflow --preset web >/dev/null
cmake --preset bench >/dev/null
cmake --build --preset bench --target ombrix_bench >/dev/null
echo "machine: $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ //'), $(nproc) cores"
native=build/bench/native-kernel.json
build/bench/bench/ombrix_bench --benchmark_filter='^BM_(QuadraturePath/baseline|Compute)$' \
    --benchmark_repetitions=5 --benchmark_report_aggregates_only=true --benchmark_color=false \
    --benchmark_out="$native" --benchmark_out_format=json >/dev/null
median() {  # median NAME: the median time of the benchmark NAME in ms
    /usr/bin/python3 -c 'import json, sys
for b in json.load(open(sys.argv[1]))["benchmarks"]:
    if b["name"] == sys.argv[2] + "_median": print(b["real_time"])' "$native" "$1"
}
baseline=$(median BM_QuadraturePath/baseline) compute=$(median BM_Compute)
trap stop_display EXIT
start_display 1280x1024  # for WebKit's MiniBrowser
/usr/bin/python3 bench/web_figures.py build/web "$baseline" "$compute" "$@"
