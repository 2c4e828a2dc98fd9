#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Static analysis and layout: clang-format over every C++ source (the checked-in
# .clang-format), clang-tidy over runtime/, compute/ and window/ (.clang-tidy,
# warnings are errors) and cppcheck. Works in a git checkout and in an unpacked
# source package alike. Uses the release build's compile_commands.json,
# configuring it if needed.
#   lint.sh win32 analyses the Win32 front end alone, with clang-tidy and the
#   Windows headers of mingw-w64, from build/windows-x64 (test-windows.sh).
set -euo pipefail
cd "$(dirname "$0")/.."

if [[ ${1:-} == win32 ]]; then
    # clang finds mingw-w64's C headers by itself, but not the C++ library of
    # its -posix compiler.
    system=()
    while read -r dir; do system+=("--extra-arg-before=-isystem$dir"); done < <(x86_64-w64-mingw32-g++-posix -E -x c++ - -v \
        </dev/null 2>&1 | sed -n '/search starts here/,/End of search/p' | grep -E '^ .*/c\+\+(/|$)' | sed 's/^ //')
    sources=$(find window/win32 -name '*.cpp' | LC_ALL=C sort)
    echo "clang-tidy (Win32): $(echo "$sources" | wc -l) files"
    if ! report=$(echo "$sources" | xargs clang-tidy -p build/windows-x64 --quiet --extra-arg=--target=x86_64-w64-mingw32 \
        "${system[@]}" 2>&1); then
        echo "$report" | grep -vE '^[0-9]+ warnings? (and [0-9]+ errors? )?generated\.$|^Suppressed|^Use -header-filter'
        exit 1
    fi
    echo "static analysis of the Win32 front end clean"
    exit 0
fi

cxx_sources() { find "$@" -type f \( -name '*.cpp' -o -name '*.h' \) | LC_ALL=C sort; }

# Every source file names its licence in its first lines.
unlicensed=$( (cxx_sources runtime compute window tests bench fuzz
    find . -path ./build -prune -o -type f \( -name CMakeLists.txt -o -name '*.cmake' -o -name '*.sh' -o -name '*.py' \
        -o -name '*.js' -o -name '*.js.in' -o -name '*.css' -o -name '*.html.in' \) -print
    find debian -type f ! -name changelog ! -name copyright ! -name format
    echo .ci/run) | while read -r file; do
    head -n 2 "$file" | grep -q 'SPDX-License-Identifier: GPL-3.0-or-later' || echo "$file"
done)
if [[ -n $unlicensed ]]; then
    echo "no SPDX-License-Identifier line in:"
    echo "$unlicensed"
    exit 1
fi

echo "clang-format: $(cxx_sources runtime compute window tests bench fuzz | wc -l) files"
cxx_sources runtime compute window tests bench fuzz | xargs clang-format --dry-run -Werror

[[ -f build/release/compile_commands.json ]] || cmake --preset release >/dev/null
# window/ needs its generated moc and resource sources before clang-tidy reads it.
cmake --build --preset release --target ombrix_window_qt >/dev/null

# The Win32 front end is analysed where it is built (lint.sh win32); the web
# front end's sources need emscripten's headers.
sources=$(find runtime compute window -path window/win32 -prune -o -path window/web -prune -o -name '*.cpp' -print |
    LC_ALL=C sort)
echo "clang-tidy: $(echo "$sources" | wc -l) files"
if ! report=$(echo "$sources" | xargs -P "$(nproc)" -n 2 clang-tidy -p build/release --quiet 2>&1); then
    echo "$report" | grep -vE '^[0-9]+ warnings? (and [0-9]+ errors? )?generated\.$|^Suppressed|^Use -header-filter'
    exit 1
fi

echo "cppcheck"
# The raw loops that cppcheck would turn into algorithms fix the order of
# floating-point additions, which is part of the result. cppcheck 2.17 (Debian
# 13) notes where it limits its analysis of branches, and counts the note as a
# finding; the limit is its default, the same as 2.10's (Debian 12).
cppcheck --enable=warning,performance,portability,style --std=c++20 --library=qt --inline-suppr \
    --suppress=useStlAlgorithm --suppress=normalCheckLevelMaxBranches --error-exitcode=1 --quiet \
    -I . runtime compute window
echo "static analysis clean"
