#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Prints, as a Markdown table, how far the classic rule is from the exact area
# for a range of shapes: the table in docs/accuracy.md (and, shorter, the README's).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset release >/dev/null
cmake --build --preset release --target ombrix_accuracy >/dev/null
build/release/bench/ombrix_accuracy
