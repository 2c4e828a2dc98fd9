# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=bash
# Timed steps, for the test command and for continuous integration. Sourced,
# not run.

step_names=() step_limits=() step_results=() step_durations=()

# step NAME LIMIT-SECONDS COMMAND...: runs the command, under the limit (0 for
# none), prints how long it took and records it for steps_table. Returns the
# command's status; 124 or 137 where it went over its limit.
step() {
    local name=$1 limit=$2
    shift 2
    echo "== $name$( ((limit)) && echo " (limit $limit s)"): $*"
    local started=$SECONDS status=0
    timeout --kill-after=60 "$limit" "$@" || status=$?
    local took=$((SECONDS - started)) result=passed
    if ((status == 124 || status == 137)); then
        result="over its limit"
    elif ((status != 0)); then
        result="failed ($status)"
    fi
    echo "== $name: $result in $took s"
    step_names+=("$name") step_limits+=("$limit") step_results+=("$result") step_durations+=("$took")
    return $status
}

# Prints every step, its result, its duration and its limit, and a total;
# fails if any step failed.
steps_table() {
    local k passed=0
    echo
    printf '%-36s %-16s %9s %9s\n' step result seconds limit
    for k in "${!step_names[@]}"; do
        printf '%-36s %-16s %9s %9s\n' "${step_names[k]}" "${step_results[k]}" "${step_durations[k]}" "${step_limits[k]}"
        [[ ${step_results[k]} == passed ]] && passed=$((passed + 1))
    done
    local failed=$((${#step_results[@]} - passed))
    printf '%-36s %-16s %9s\n' "all" "$( ((failed)) && echo failed || echo passed)" "$SECONDS"
    echo "steps: $passed passed, $failed failed"
    ((failed == 0))
}
