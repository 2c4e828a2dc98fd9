#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Qt-free core with its GoogleTest suites for other platforms and
# runs them there: clang with libc++; Windows x86-64 (mingw-w64, under wine);
# aarch64 (under qemu); 32-bit x86 configured the ordinary way, with nothing
# but CXX=i686-linux-gnu-g++ (under qemu). Each build also prints the compute
# command's answers for 400 seeded inputs, and the script fails unless every
# platform's answers are the native build's, text for text.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(g++ cmake ninja-build libgtest-dev googletest libfast-float-dev libboost-dev
    clang libc++-dev libc++abi-dev g++-mingw-w64-x86-64-posix wine64
    g++-aarch64-linux-gnu g++-i686-linux-gnu qemu-user)
missing=()
for package in "${packages[@]}"; do
    [[ $(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true) == "install ok installed" ]] || missing+=("$package")
done
if [[ ${#missing[@]} -gt 0 ]]; then
    as_root=()
    [[ $(id -u) -eq 0 ]] || as_root=(sudo)
    echo "Installing: ${missing[*]}"
    "${as_root[@]}" apt-get update -qq
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

work=build/platforms
mkdir -p "$work/include"
# The header-only libraries, apart from the host's /usr/include, which must
# not come before a cross compiler's own headers.
ln -sfn /usr/include/fast_float "$work/include/fast_float"
ln -sfn /usr/include/boost "$work/include/boost"
export WINEPREFIX=$PWD/$work/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wine=$(command -v wine64 || echo /usr/lib/wine/wine64)

build() {  # build NAME [cmake arguments...]: the core tests and the texts program
    local name=$1
    shift
    cmake -S . -B "$work/$name" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DOMBRIX_BUILD_WINDOW=OFF -DOMBRIX_BUILD_BENCH=OFF -DOMBRIX_INSTALL=OFF \
        -DOMBRIX_FAST_FLOAT_INCLUDE_DIR="$PWD/$work/include" -DOMBRIX_BOOST_INCLUDE_DIR="$PWD/$work/include" \
        "$@" >"$work/$name.configure.log" || { cat "$work/$name.configure.log"; return 1; }
    cmake --build "$work/$name" --target ombrix_core_tests ombrix_platform_texts >"$work/$name.build.log" ||
        { tail -40 "$work/$name.build.log"; return 1; }
}

check() {  # check NAME RUNNER...: runs the tests and compares the texts
    local name=$1
    shift
    # Under qemu the oracle, a million unshared steps for each of 310 shapes,
    # would take most of an hour; there the 400 texts compare those bits.
    local filter=()
    [[ ${1:-} == qemu-* ]] && filter=(--gtest_filter=-QuadraturePaths.EveryPathGivesTheOracleBits)
    local suffix=""
    [[ -f $work/$name/tests/ombrix_core_tests.exe ]] && suffix=.exe
    echo "== $name"
    if ! "$@" "$work/$name/tests/ombrix_core_tests$suffix" --gtest_brief=1 "${filter[@]}" >"$work/$name.tests.log" 2>&1; then
        tail -40 "$work/$name.tests.log"
        echo "$name: the core tests failed"
        return 1
    fi
    grep -E '^\[  PASSED  \]|^\[  SKIPPED \]' "$work/$name.tests.log" | sed "s/^/$name: /"
    "$@" "$work/$name/tests/ombrix_platform_texts$suffix" | tr -d '\r' >"$work/$name.texts"
    if ! diff -q "$work/native.texts" "$work/$name.texts" >/dev/null; then
        diff "$work/native.texts" "$work/$name.texts" | head -20
        echo "$name: $(diff "$work/native.texts" "$work/$name.texts" | grep -c '^>') of $(wc -l <"$work/native.texts") texts differ from the native build's"
        return 1
    fi
    echo "$name: all $(wc -l <"$work/$name.texts") texts are the native build's"
}

build native
"$work/native/tests/ombrix_platform_texts" >"$work/native.texts"

status=0
# GoogleTest's build wants a C compiler too: the one of the same toolchain.
build libcxx -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_CXX_FLAGS=-stdlib=libc++ \
    -DOMBRIX_GTEST_SOURCE_DIR=/usr/src/googletest &&
    check libcxx || status=1
build mingw64 -DCMAKE_SYSTEM_NAME=Windows -DCMAKE_C_COMPILER=x86_64-w64-mingw32-gcc-posix \
    -DCMAKE_CXX_COMPILER=x86_64-w64-mingw32-g++-posix \
    -DCMAKE_EXE_LINKER_FLAGS=-static -DOMBRIX_GTEST_SOURCE_DIR=/usr/src/googletest &&
    check mingw64 "$wine" || status=1
build aarch64 -DCMAKE_SYSTEM_NAME=Linux -DCMAKE_SYSTEM_PROCESSOR=aarch64 \
    -DCMAKE_C_COMPILER=aarch64-linux-gnu-gcc -DCMAKE_CXX_COMPILER=aarch64-linux-gnu-g++ -DOMBRIX_GTEST_SOURCE_DIR=/usr/src/googletest &&
    check aarch64 qemu-aarch64 -L /usr/aarch64-linux-gnu || status=1
# Configured the ordinary way: nothing tells CMake that this is another system.
build i686 -DCMAKE_C_COMPILER=i686-linux-gnu-gcc -DCMAKE_CXX_COMPILER=i686-linux-gnu-g++ -DOMBRIX_GTEST_SOURCE_DIR=/usr/src/googletest &&
    check i686 qemu-i386 -L /usr/i686-linux-gnu || status=1

[[ $status -eq 0 ]] && echo "every platform gives the native build's texts"
exit $status
