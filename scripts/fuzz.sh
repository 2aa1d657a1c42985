#!/usr/bin/env bash
# Builds the libFuzzer harnesses with clang and runs each for a bounded time
# (FUZZ_SECONDS, default 60), after replaying the inputs that once broke something
# (fuzz/regressions/<target>/). The top level is configured with LABS_FUZZ, so the
# harnesses link the program's own libraries built with coverage and sanitizers:
# in build-fuzz with the build's usual extended type (plus fuzz_soft_extended, the
# software type against the x87), and in build-fuzz-soft with the software type forced
# for the parser and the root finder. Seeds come from fuzz/corpus/<target>/; what the
# fuzzer learns goes to <build>/corpus/, so the repository is never written. A crash or
# a broken property fails the run and leaves the input in <build>/artifacts/.
set -euo pipefail
cd "$(dirname "$0")/.."

BUILD_DIR=${FUZZ_BUILD:-build-fuzz}
SOFT_BUILD_DIR=${FUZZ_SOFT_BUILD:-$BUILD_DIR-soft}
SECONDS_EACH=${FUZZ_SECONDS:-60}
TARGETS=(fuzz_parse_real fuzz_root_number_format fuzz_axis_label_format fuzz_find_roots)
SOFT_TARGETS=(fuzz_parse_real fuzz_find_roots)

bash scripts/install-fuzz-deps.sh

# Configures the whole project for fuzzing in $1 (further arguments go to CMake) and
# builds only the harnesses named after it (the plotting labs and the application are
# not needed).
build() {
  local dir=$1
  shift
  local options=()
  while [ "$1" != -- ]; do
    options+=("$1")
    shift
  done
  shift
  # A folder left by the harnesses' former stand-alone project is configured anew.
  if [ -f "$dir/CMakeCache.txt" ] &&
    ! grep -qx "CMAKE_HOME_DIRECTORY:INTERNAL=$PWD" "$dir/CMakeCache.txt"; then
    rm -rf "$dir/CMakeCache.txt" "$dir/CMakeFiles"
  fi
  CC=clang CXX=clang++ cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLABS_FUZZ=ON \
    -DLABS_WERROR=ON -DBUILD_TESTING=OFF "${options[@]}"
  cmake --build "$dir" -j "${JOBS:-$(nproc)}" --target "$@"
}

build "$BUILD_DIR" -- "${TARGETS[@]}"
# The software type against the x87 needs the x87's long double as its reference.
if grep -qx "LABS_HAS_X87_LONG_DOUBLE:INTERNAL=1" "$BUILD_DIR/CMakeCache.txt"; then
  TARGETS+=(fuzz_soft_extended)
  cmake --build "$BUILD_DIR" -j "${JOBS:-$(nproc)}" --target fuzz_soft_extended
fi
build "$SOFT_BUILD_DIR" -DLABS_SOFT_EXTENDED=ON -- "${SOFT_TARGETS[@]}"

export ASAN_OPTIONS=detect_leaks=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1

# Replays the regressions of $2, then fuzzes it, with the binaries of build folder $1
# (run where a failure does not stop the script: each step returns its own).
run() {
  local dir=$1 target=$2 binary="$1/fuzz/$2" started=$SECONDS
  mkdir -p "$dir/artifacts"
  if [ -d "fuzz/regressions/$target" ] && [ -n "$(ls -A "fuzz/regressions/$target")" ]; then
    echo "== $dir/$target: replaying regressions"
    "$binary" -runs=0 fuzz/regressions/"$target"/* || return 1
  fi
  local corpus="$dir/corpus/$target"
  mkdir -p "$corpus"
  echo "== $dir/$target: fuzzing for ${SECONDS_EACH}s"
  "$binary" -max_total_time="$SECONDS_EACH" -max_len=4096 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$dir/artifacts/$target-" "$corpus" "fuzz/corpus/$target" || return 1
  echo "== $dir/$target: passed in $((SECONDS - started))s"
}

# Each harness is one process on one core: JOBS of them fuzz side by side, each for
# its full time, and their logs are printed whole, one after the other.
runs=()
for target in "${TARGETS[@]}"; do runs+=("$BUILD_DIR $target"); done
for target in "${SOFT_TARGETS[@]}"; do runs+=("$SOFT_BUILD_DIR $target"); done
logs="$(mktemp -d)"
trap 'rm -rf "$logs"' EXIT
at_once=${JOBS:-$(nproc)}
for i in "${!runs[@]}"; do
  while [ "$(jobs -rp | wc -l)" -ge "$at_once" ]; do wait -n || true; done
  read -r dir target <<<"${runs[$i]}"
  (if run "$dir" "$target" >"$logs/$i.log" 2>&1; then echo 0; else echo 1; fi >"$logs/$i.status") &
done
wait
passed=0 failed=0
for i in "${!runs[@]}"; do
  cat "$logs/$i.log"
  if [ "$(cat "$logs/$i.status")" = 0 ]; then
    passed=$((passed + 1))
  else
    echo "== ${runs[$i]/ //}: FAILED"
    failed=$((failed + 1))
  fi
done
echo "fuzz: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
