#!/usr/bin/env bash
# Builds the libFuzzer harnesses with clang in build-fuzz and runs each for a bounded
# time (FUZZ_SECONDS, default 60), after replaying the inputs that once broke something
# (fuzz/regressions/<target>/). Seeds come from fuzz/corpus/<target>/; what the fuzzer
# learns goes to build-fuzz/corpus/, so the repository is never written. A crash or a
# broken property fails the run and leaves the input in build-fuzz/artifacts/.
set -euo pipefail
cd "$(dirname "$0")/.."

BUILD_DIR=${FUZZ_BUILD:-build-fuzz}
SECONDS_EACH=${FUZZ_SECONDS:-60}
TARGETS=(fuzz_parse_real fuzz_root_number_format fuzz_axis_label_format fuzz_find_roots)

bash scripts/install-fuzz-deps.sh
CC=clang CXX=clang++ cmake -S fuzz -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLABS_WERROR=ON
cmake --build "$BUILD_DIR" -j "${JOBS:-$(nproc)}"

export ASAN_OPTIONS=detect_leaks=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
mkdir -p "$BUILD_DIR/artifacts"
for target in "${TARGETS[@]}"; do
  binary="$BUILD_DIR/$target"
  if [ -d "fuzz/regressions/$target" ] && [ -n "$(ls -A "fuzz/regressions/$target")" ]; then
    echo "== $target: replaying regressions"
    "$binary" -runs=0 fuzz/regressions/"$target"/*
  fi
  corpus="$BUILD_DIR/corpus/$target"
  mkdir -p "$corpus"
  echo "== $target: fuzzing for ${SECONDS_EACH}s"
  "$binary" -max_total_time="$SECONDS_EACH" -max_len=4096 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$BUILD_DIR/artifacts/$target-" "$corpus" "fuzz/corpus/$target"
done
echo "fuzz: ${#TARGETS[@]} passed, 0 failed"
