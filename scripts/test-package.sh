#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds and checks Ombrix's Debian packages as a distribution does, on a
# fresh, minimal Debian:
#   test-package.sh bookworm|trixie [ROOT]
# In ROOT, a root as debootstrap made it (made anew in
# build/fresh/SUITE-package where not given), from a clean clone of the
# committed tree: apt-get build-dep ./ and dpkg-buildpackage -us -uc, which
# runs the tests; lintian on the .changes, the source and binary packages,
# which may report no error, warning, pedantic or experimental tag but what
# debian/'s overrides hold; autopkgtest, which installs the package and
# starts it from its menu entry; and a second build, from another clone in
# another folder and without the tests, which must give the same .debs, byte
# for byte. Needs root.
set -euo pipefail
cd "$(dirname "$0")/.."
suite=${1:?usage: $0 bookworm|trixie [ROOT]}
scripts/install-deps.sh fresh
source scripts/lib/fresh_root.sh
trap unmount_root EXIT
unset DISPLAY

started=$SECONDS
if [[ -n ${2:-} ]]; then
    root=$2
else
    make_root "$suite" "$PWD/build/fresh/$suite-package"
fi
mount_root
echo "== Debian packages of $(git rev-parse --short HEAD) on $suite"
clone_into root/ombrix
mkdir -p "$root/root/elsewhere/a-second-folder"
clone_into root/elsewhere/a-second-folder/ombrix-copy

apt="DEBIAN_FRONTEND=noninteractive apt-get -y -qq --no-install-recommends"

run_inside build-deps 600 /root/ombrix "apt-get update -qq && $apt build-dep ./"
# With no network (a namespace of its own, loopback alone) and no display.
run_inside build 900 /root/ombrix "unshare --net dpkg-buildpackage -us -uc"
grep -E 'tests passed|^dpkg-deb: building' "$root.build.log"
# Lintian's errors, warnings, pedantic and experimental tags fail; its info
# tags, and the overrides with their reasons, are shown.
run_inside lintian 300 /root "$apt install lintian && lintian --version &&
    lintian --pedantic --display-info --display-experimental --show-overrides --tag-display-limit 0 \
        ombrix_*.changes >lintian.txt; cat lintian.txt; ! grep -qE '^[EWPX]: ' lintian.txt"
sed -n '/^Lintian v/,$p' "$root.lintian.log"
run_inside autopkgtest 600 /root "$apt install autopkgtest && autopkgtest ombrix_*.changes -- null"
grep -E '^[a-z-]+ +(PASS|FAIL|SKIP)' "$root.autopkgtest.log" | sort -u
run_inside rebuild 900 /root/elsewhere/a-second-folder/ombrix-copy "DEB_BUILD_OPTIONS=nocheck dpkg-buildpackage -us -uc -b"
for deb in "$root"/root/*.deb; do
    cmp "$deb" "$root/root/elsewhere/a-second-folder/$(basename "$deb")" ||
        { echo "$suite: $(basename "$deb") came out differently from another folder"; exit 1; }
    echo "$suite: the same $(basename "$deb") from another folder, $(stat -c %s "$deb") bytes"
done
echo "$suite: the Debian packages built and checked in $((SECONDS - started)) s"
