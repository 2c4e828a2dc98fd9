#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the benchmarks (preset bench) and prints Ombrix's measured figures: the
# quadrature against its serial-sum floor and its plain transcription (ratios
# from one run), Val on long texts, and the whole program's start-up, click
# and memory figures in the offscreen platform.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset bench >/dev/null
cmake --build --preset bench --target ombrix_bench ombrix_program_figures >/dev/null
echo "machine: $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ //'), $(nproc) cores"
build/bench/bench/ombrix_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
    --benchmark_color=false "$@"
echo
QT_QPA_PLATFORM=offscreen build/bench/bench/ombrix_program_figures 2>/dev/null
