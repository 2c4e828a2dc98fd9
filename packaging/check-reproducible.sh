#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package twice, from two copies of the source in folders of
# different names, whose files bear different times, and checks that the two
# packages are the same, byte for byte.
#   check-reproducible.sh SOURCE-DIR GENERATOR
set -euo pipefail
source_dir=$1 generator=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

copy_source() {  # the files of the source tree, as a checkout has them
    mkdir -p "$1"
    if git -C "$source_dir" rev-parse --git-dir >/dev/null 2>&1; then
        git -C "$source_dir" ls-files -z --cached --others --exclude-standard | tar -C "$source_dir" --null -T - -cf - | tar -C "$1" -xf -
    else
        tar -C "$source_dir" --exclude=./build -cf - . | tar -C "$1" -xf -
    fi
}

package() {  # package SOURCE BUILD: configures, builds and packages the program alone
    cmake -S "$1" -B "$2" -G "$generator" -DCMAKE_BUILD_TYPE=Release \
        -DOMBRIX_BUILD_TESTS=OFF -DOMBRIX_BUILD_BENCH=OFF >"$2.log" 2>&1 || { cat "$2.log"; exit 1; }
    cmake --build "$2" >>"$2.log" 2>&1 || { tail -30 "$2.log"; exit 1; }
    (cd "$2" && cpack -G DEB >>"$2.log" 2>&1) || { tail -30 "$2.log"; exit 1; }
    ls "$2"/*.deb
}

copy_source "$scratch/one/ombrix"
copy_source "$scratch/a-second-folder/src/ombrix-copy"
find "$scratch/a-second-folder" -exec touch -d '2001-02-03 04:05:06' {} +
first=$(package "$scratch/one/ombrix" "$scratch/one/build")
second=$(package "$scratch/a-second-folder/src/ombrix-copy" "$scratch/a-second-folder/build")
if ! cmp "$first" "$second"; then
    mkdir "$scratch/x" "$scratch/y"
    dpkg-deb -R "$first" "$scratch/x"
    dpkg-deb -R "$second" "$scratch/y"
    diff -r "$scratch/x" "$scratch/y" || true
    echo "two builds of the same source gave different packages"
    exit 1
fi
echo "two builds in different folders gave the same $(basename "$first"), $(stat -c %s "$first") bytes"
