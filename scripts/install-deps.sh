#!/usr/bin/env bash
# Installs the Debian 12 packages that Ombrix needs to build, run and test.
# Does nothing when they are all present; uses sudo when not run as root.
set -euo pipefail

packages=(
    g++ cmake ninja-build pkg-config
    qt6-base-dev libgl-dev fonts-wqy-microhei
    libgtest-dev libbenchmark-dev
    desktop-file-utils appstream dpkg-dev file binutils-mingw-w64-x86-64
    clang libclang-rt-14-dev clang-tidy cppcheck
)

missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [[ $status == "install ok installed" ]] || missing+=("$package")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

as_root=()
[[ $(id -u) -eq 0 ]] || as_root=(sudo)
echo "Installing: ${missing[*]}"
"${as_root[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
