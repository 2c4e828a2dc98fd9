#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the metainfo where AppStream looks for it, in a mount namespace of
# its own (needs root), refreshes a scratch cache, and searches in a Chinese
# session: 椭球 and 表面积 must find Ombrix, with its Chinese summary.
#   check-chinese-search.sh METAINFO APP-ID SUMMARY
# Exit status 77 (skipped) where no mount namespace can be made.
set -euo pipefail
metainfo=$1 app_id=$2 summary=$3
if [[ ${OMBRIX_IN_NAMESPACE:-} != 1 ]]; then
    unshare --mount true 2>/dev/null || { echo "skipped: no mount namespace here (needs root)"; exit 77; }
    exec env OMBRIX_IN_NAMESPACE=1 unshare --mount --propagation private "$0" "$@"
fi
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$scratch/metainfo" "$scratch/cache"
cp "$metainfo" "$scratch/metainfo/"
mount --bind "$scratch/metainfo" /usr/share/metainfo
appstreamcli refresh-cache --force --cachepath "$scratch/cache" >/dev/null
# A Chinese session: the language zh_CN, in a UTF-8 locale that every system
# has, whatever the caller's (in the POSIX locale appstreamcli prints the
# Chinese texts as question marks).
for query in 椭球 表面积; do
    found=$(LC_ALL=C.UTF-8 LANGUAGE=zh_CN appstreamcli search "$query" --cachepath "$scratch/cache" 2>&1 || true)
    echo "$found"
    grep -q "$app_id" <<<"$found" || { echo "a Chinese search for $query does not find $app_id"; exit 1; }
    grep -q "$summary" <<<"$found" || { echo "a Chinese search for $query does not show the Chinese summary"; exit 1; }
done
echo "a Chinese session finds $app_id by 椭球 and 表面积, with its Chinese summary"
