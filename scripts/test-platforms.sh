#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Qt-free core with its GoogleTest suites for other platforms, from
# the core-* presets, and runs them there: clang with libc++; Windows x86-64
# (mingw-w64, under wine); aarch64 (under qemu); 32-bit x86 configured the
# ordinary way, with nothing but the compiler named (under qemu); WebAssembly
# (emscripten, under node), and its answers as plain script, without
# WebAssembly, as the web page's second program gives them. Each build
# also prints the compute command's answers for 400 seeded inputs, with the
# bits of the area and of the exact area, and the script fails unless every
# platform's answers are the native build's, bit for bit.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh platforms

work=build/platforms
mkdir -p "$work"
source scripts/lib/setup.sh
use_wine "$PWD/$work/wine"
use_emscripten
wine=$(command -v wine64 || echo /usr/lib/wine/wine64)

build() {  # build NAME [TARGET...]: from preset core-NAME; the core tests and the texts program by default
    local name=$1
    shift
    local targets=("$@")
    ((${#targets[@]})) || targets=(ombrix_core_tests ombrix_platform_texts)
    cmake --preset "core-$name" >"$work/$name.configure.log" 2>&1 || { cat "$work/$name.configure.log"; return 1; }
    cmake --build "$work/core-$name" --target "${targets[@]}" >"$work/$name.build.log" ||
        { tail -40 "$work/$name.build.log"; return 1; }
}

check() {  # check NAME RUNNER...: runs the tests and compares the texts
    local name=$1
    shift
    # Under qemu the oracle, a million unshared steps for each of 460 shapes,
    # would take most of an hour; there the 400 answers compare those bits.
    # The oracle takes its cosines from the C library, where the quadrature
    # has them from its table: emscripten's musl gives 26 of its 1001 cosines
    # one bit away from glibc's, so under node the oracle is not the native
    # one, and the 400 answers compare the bits.
    local filter=()
    [[ ${1:-} == qemu-* || ${1:-} == node ]] && filter=(--gtest_filter=-QuadraturePaths.EveryPathGivesTheOracleBits)
    local suffix=""
    [[ -f $work/core-$name/tests/ombrix_core_tests.exe ]] && suffix=.exe
    [[ -f $work/core-$name/tests/ombrix_core_tests.js ]] && suffix=.js
    echo "== $name"
    if ! "$@" "$work/core-$name/tests/ombrix_core_tests$suffix" --gtest_brief=1 "${filter[@]}" >"$work/$name.tests.log" 2>&1; then
        tail -40 "$work/$name.tests.log"
        echo "$name: the core tests failed"
        return 1
    fi
    grep -E '^\[  PASSED  \]|^\[  SKIPPED \]' "$work/$name.tests.log" | sed "s/^/$name: /"
    compare "$name" "$@"
}

compare() {  # compare NAME RUNNER...: the platform's 400 answers against the native build's
    local name=$1
    shift
    local suffix=""
    [[ -f $work/core-$name/tests/ombrix_platform_texts.exe ]] && suffix=.exe
    [[ -f $work/core-$name/tests/ombrix_platform_texts.js ]] && suffix=.js
    "$@" "$work/core-$name/tests/ombrix_platform_texts$suffix" | tr -d '\r' >"$work/$name.texts"
    if ! diff -q "$work/native.texts" "$work/$name.texts" >/dev/null; then
        diff "$work/native.texts" "$work/$name.texts" | head -20
        echo "$name: $(diff "$work/native.texts" "$work/$name.texts" | grep -c '^>') of $(wc -l <"$work/native.texts") answers differ from the native build's"
        return 1
    fi
    echo "$name: all $(wc -l <"$work/$name.texts") answers are the native build's, bit for bit"
}

# The native core's tests run with the test command; here only its answers.
build native ombrix_platform_texts
"$work/core-native/tests/ombrix_platform_texts" >"$work/native.texts"

status=0
build libcxx && check libcxx || status=1
build mingw64 && check mingw64 "$wine" || status=1
build aarch64 && check aarch64 qemu-aarch64 -L /usr/aarch64-linux-gnu || status=1
build i686 && check i686 qemu-i386 -L /usr/i686-linux-gnu || status=1
build wasm && check wasm node || status=1
build script ombrix_platform_texts && compare script node || status=1

[[ $status -eq 0 ]] && echo "every platform gives the native build's answers, bit for bit"
exit $status
