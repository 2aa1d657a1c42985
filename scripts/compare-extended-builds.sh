#!/usr/bin/env bash
# Runs every lab over the same seeded random coefficients in the build with the
# hardware's extended type and in another build (by default the one with the software
# type), and compares the fingerprints case by case; for a differing case both full
# records are shown. Prints per lab how many cases were compared, how many reached
# their computation and how many differ; fails on any difference, and when fewer than
# MIN_REACHED_PERCENT (80) of a lab's cases reached their computation.
#   HARDWARE_BUILD, SOFT_BUILD  the two build folders (build, build-soft)
#   OTHER_DUMP                  the other build's dump command instead (the Windows
#                               build's under wine, say); OTHER_NAME names it
#   ROOTS_COUNT, LAB_COUNT      cases for the root finder and for each plotting lab
#   SEED                        the random seed
set -euo pipefail
cd "$(dirname "$0")/.."

HARDWARE_BUILD=${HARDWARE_BUILD:-build}
SOFT_BUILD=${SOFT_BUILD:-build-soft}
ROOTS_COUNT=${ROOTS_COUNT:-100000}
LAB_COUNT=${LAB_COUNT:-10000}
SEED=${SEED:-2026}
export QT_QPA_PLATFORM=offscreen

# Each dump is a command line; a Windows program writes its lines ending in CR LF.
hardware_dump() { "$HARDWARE_BUILD/tools/lab_results_dump" "$@"; }
if [ -n "${OTHER_DUMP:-}" ]; then
    other_dump() { $OTHER_DUMP "$@" | tr -d '\r'; }
else
    other_dump() { "$SOFT_BUILD/tools/lab_results_dump" "$@"; }
fi
OTHER_NAME=${OTHER_NAME:-software}

# The share of a lab's cases below which the comparison is refused: the random
# coefficients are drawn so that most runs get as far as their computation (the root
# search, a plotting lab's first sample); fewer means the tool and the labs disagree on
# what a case is, and identical records would compare nothing.
MIN_REACHED_PERCENT=${MIN_REACHED_PERCENT:-80}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
for lab in roots hodograph nyquist dpartition; do
    count=$LAB_COUNT
    [ "$lab" = roots ] && count=$ROOTS_COUNT
    hardware_dump "$lab" "$count" "$SEED" > "$work/hardware"
    other_dump "$lab" "$count" "$SEED" > "$work/other"
    # Both must have written every case: an empty pair would compare equal.
    for side in hardware other; do
        written=$(wc -l < "$work/$side")
        if [ "$written" -ne "$count" ]; then
            echo "$lab: the $side build wrote $written of $count cases" >&2
            exit 1
        fi
    done
    differing=$(diff "$work/hardware" "$work/other" | grep -c '^<' || true)
    reached=$(awk '$3 == 1' "$work/hardware" | wc -l)
    echo "$lab: $count cases compared, $reached reached their computation, $differing differ"
    if [ $((reached * 100)) -lt $((count * MIN_REACHED_PERCENT)) ]; then
        echo "$lab: only $reached of $count cases reached their computation" \
             "(at least $MIN_REACHED_PERCENT % must): the comparison compares too little" >&2
        status=1
    fi
    if [ "$differing" -ne 0 ]; then
        status=1
        for case in $(diff "$work/hardware" "$work/other" | sed -n 's/^< \([0-9]*\) .*/\1/p' | head -3); do
            echo "--- $lab case $case: hardware (<) against $OTHER_NAME (>)"
            diff <(hardware_dump "$lab" "$count" "$SEED" "$case") \
                 <(other_dump "$lab" "$count" "$SEED" "$case") | head -20 || true
        done
    fi
done
exit $status
