#!/usr/bin/env bash
# Builds the benchmarks in build-bench (optimised, no tests) and runs them once on the
# offscreen platform. Extra arguments go to Google Benchmark, e.g.
#   bash scripts/bench.sh --benchmark_filter=Nyquist
set -euo pipefail
cd "$(dirname "$0")/.."

BUILD_DIR=${BENCH_BUILD:-build-bench}
bash scripts/install-deps.sh libbenchmark-dev
cmake -S . -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLABS_BENCH=ON -DBUILD_TESTING=OFF
cmake --build "$BUILD_DIR" -j "${JOBS:-$(nproc)}" --target labs_bench labs_probe
QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} "$BUILD_DIR/bench/labs_bench" "$@"
