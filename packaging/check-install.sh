#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a scratch root, builds the Debian package and
# unpacks it into another, and checks that both hold what a desktop and a
# distribution need.
set -euo pipefail
build=$1
app_id=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

expect_files() {
    local root=$1
    for file in usr/bin/ombrix "usr/share/applications/$app_id.desktop" "usr/share/metainfo/$app_id.metainfo.xml" \
        "usr/share/icons/hicolor/scalable/apps/$app_id.svg" \
        "usr/share/icons/hicolor/"{16x16,32x32,48x48,128x128,256x256}"/apps/$app_id.png" \
        usr/share/man/man1/ombrix.1.gz usr/share/doc/ombrix/copyright usr/share/doc/ombrix/changelog.gz; do
        [[ -f $root/$file ]] || { echo "missing in $root: $file"; exit 1; }
    done
    [[ -x $root/usr/bin/ombrix ]] || { echo "not executable: $root/usr/bin/ombrix"; exit 1; }
    grep -q '^License: GPL-3.0-or-later$' "$root/usr/share/doc/ombrix/copyright" ||
        { echo "the copyright file does not name GPL-3.0-or-later"; exit 1; }
    if grep -rlI 'example\.org' "$root"; then echo "installed files point at example.org"; exit 1; fi
}

DESTDIR="$scratch/installed" cmake --install "$build" --prefix /usr >/dev/null
expect_files "$scratch/installed"

(cd "$scratch" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/deb" >/dev/null)
deb=$(ls "$scratch"/deb/*.deb)
dpkg-deb --field "$deb" Package Version Depends Recommends
dpkg-deb --field "$deb" Depends | grep -q 'libqt6widgets6' || { echo "the package does not declare Qt"; exit 1; }
dpkg -x "$deb" "$scratch/unpacked"
expect_files "$scratch/unpacked"

(cd "$scratch" && cpack --config "$build/CPackSourceConfig.cmake" -B "$scratch/source" >/dev/null)
source=$(ls "$scratch"/source/*.tar.gz)
tar tzf "$source" >"$scratch/source.list"
grep -q '^[^/]*/CMakeLists.txt$' "$scratch/source.list" || { echo "the source package has no CMakeLists.txt"; exit 1; }
grep -q '^[^/]*/LICENSE$' "$scratch/source.list" || { echo "the source package has no LICENSE"; exit 1; }
if grep -qE '/(build|\.git)/' "$scratch/source.list"; then echo "the source package holds build output"; exit 1; fi
echo "installed and packaged: $(basename "$deb"), $(basename "$source")"
