#!/usr/bin/env bash
# Builds the whole program and its tests a second time with the address, leak and
# undefined-behaviour sanitizers and runs every test. Any sanitizer report fails the
# run: UBSan halts on its first finding, LSan fails a test that leaks, ASan aborts.
set -euo pipefail
cd "$(dirname "$0")/.."

BUILD_DIR=${SANITIZE_BUILD:-build-asan}
JOBS=${JOBS:-$(nproc)}

cmake -S . -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLABS_SANITIZE=ON -DLABS_WERROR=ON
cmake --build "$BUILD_DIR" -j "$JOBS"

export ASAN_OPTIONS=detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1
# Full stacks on every allocation: the suppressions name frames deep inside the
# toolkit, which a fast frame-pointer unwind through its libraries never reaches.
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan-suppressions.txt:print_suppressions=0:fast_unwind_on_malloc=0"
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
export QT_QPA_PLATFORM=offscreen
# The monkey's event count is cut here: every event costs several times more under the
# sanitizers, and the plain build already sends tens of thousands per window.
export LABS_MONKEY_EVENTS=${LABS_MONKEY_EVENTS:-4000}

cd "$BUILD_DIR"
ctest --output-on-failure -j "$JOBS"
