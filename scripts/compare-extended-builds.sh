#!/usr/bin/env bash
# Runs every lab over the same seeded random coefficients in the build with the
# hardware's extended type and in the build with the software type, and compares the
# fingerprints case by case; for a differing case both full records are shown.
#   HARDWARE_BUILD, SOFT_BUILD  the two build folders (build, build-soft)
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

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
for lab in roots hodograph nyquist dpartition; do
    count=$LAB_COUNT
    [ "$lab" = roots ] && count=$ROOTS_COUNT
    "$HARDWARE_BUILD/tools/lab_results_dump" "$lab" "$count" "$SEED" > "$work/hardware"
    "$SOFT_BUILD/tools/lab_results_dump" "$lab" "$count" "$SEED" > "$work/soft"
    differing=$(diff "$work/hardware" "$work/soft" | grep -c '^<' || true)
    echo "$lab: $count cases, $differing differ"
    if [ "$differing" -ne 0 ]; then
        status=1
        for case in $(diff "$work/hardware" "$work/soft" | sed -n 's/^< \([0-9]*\) .*/\1/p' | head -3); do
            echo "--- $lab case $case: hardware (<) against software (>)"
            diff <("$HARDWARE_BUILD/tools/lab_results_dump" "$lab" "$count" "$SEED" "$case") \
                 <("$SOFT_BUILD/tools/lab_results_dump" "$lab" "$count" "$SEED" "$case") | head -20 || true
        done
    fi
done
exit $status
