# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the package checks. findings REPORT [ALLOWED-TAG...]: the lines
# of a lintian or appstreamcli report that are errors or warnings ("E: ",
# "W: "), but for those of the allowed tags.
findings() {
    local report=$1 allowed
    shift
    local found
    found=$(grep -E '^[EW]: ' <<<"$report" || true)
    for allowed in "$@"; do
        found=$(grep -v -E ": $allowed( |$)" <<<"$found" || true)
    done
    printf '%s' "$found"
}
