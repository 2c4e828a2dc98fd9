#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Static analysis and layout: clang-format over every C++ source (the checked-in
# .clang-format), clang-tidy over runtime/, compute/ and window/ (.clang-tidy,
# warnings are errors) and cppcheck. Works in a git checkout and in an unpacked
# source package alike. Uses the release build's compile_commands.json,
# configuring it if needed.
set -euo pipefail
cd "$(dirname "$0")/.."

cxx_sources() { find "$@" -type f \( -name '*.cpp' -o -name '*.h' \) | LC_ALL=C sort; }

# Every source file names its licence in its first lines.
unlicensed=$( (cxx_sources runtime compute window tests bench fuzz
    find . -path ./build -prune -o -type f \( -name CMakeLists.txt -o -name '*.cmake' -o -name '*.sh' \) -print
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

# The Win32 front end is analysed where it is built, with the Windows headers.
sources=$(find runtime compute window -path window/win32 -prune -o -name '*.cpp' -print | LC_ALL=C sort)
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
