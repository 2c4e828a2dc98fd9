#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the libFuzzer targets with clang and runs each for the given number
# of seconds (default 60), starting from the seed corpus in fuzz/corpus. The
# corpus grows in build/fuzz/corpus; the repository's seeds stay as they are.
# Prints, for each target, the executions run and the coverage reached.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz >/dev/null
for name in val number_text compute_command binade_sum; do
    corpus=build/fuzz/corpus/$name
    mkdir -p "$corpus"
    cp -n fuzz/corpus/$name/* "$corpus/" 2>/dev/null || true
    log=build/fuzz/$name.log
    if ! build/fuzz/fuzz/fuzz_$name -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
        -artifact_prefix=build/fuzz/ "$corpus" >"$log" 2>&1; then
        tail -40 "$log"
        echo "fuzz_$name found a fault; the input is in build/fuzz/"
        exit 1
    fi
    runs=$(awk '/stat::number_of_executed_units/ {print $2}' "$log")
    cov=$(grep -oE 'cov: [0-9]+ ft: [0-9]+' "$log" | tail -1)
    echo "fuzz_$name: $runs executions in ${seconds} s, $cov, corpus $(ls "$corpus" | wc -l) inputs"
done
