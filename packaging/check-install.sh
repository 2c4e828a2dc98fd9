#!/usr/bin/env bash
# Installs the build into a scratch root, builds the Debian package and
# unpacks it into another, and checks that both hold what a desktop needs.
set -euo pipefail
build=$1
app_id=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

expect_files() {
    local root=$1
    for file in usr/bin/ombrix "usr/share/applications/$app_id.desktop" "usr/share/metainfo/$app_id.metainfo.xml" \
        "usr/share/icons/hicolor/scalable/apps/$app_id.svg" \
        "usr/share/icons/hicolor/"{16x16,32x32,48x48,128x128,256x256}"/apps/$app_id.png"; do
        [[ -f $root/$file ]] || { echo "missing in $root: $file"; exit 1; }
    done
    [[ -x $root/usr/bin/ombrix ]] || { echo "not executable: $root/usr/bin/ombrix"; exit 1; }
}

DESTDIR="$scratch/installed" cmake --install "$build" --prefix /usr >/dev/null
expect_files "$scratch/installed"
desktop-file-validate "$scratch/installed/usr/share/applications/$app_id.desktop"

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
if grep -qE '/(build|\.git)/' "$scratch/source.list"; then echo "the source package holds build output"; exit 1; fi
echo "installed and packaged: $(basename "$deb"), $(basename "$source")"
