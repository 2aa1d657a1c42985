// FindRoots on the root lab's example polynomials (constant term first), with the
// window's parameters: start 0, tolerance 1e-8, at most 100 iterations a pass.

#include "roots/RootFinder.h"

#include <benchmark/benchmark.h>

namespace {

void BM_FindRoots(benchmark::State& state, double c0, double c1, double c2, double c3) {
    TCoeffArray coefficients;
    coefficients[0] = {c0, 0};
    coefficients[1] = {c1, 0};
    coefficients[2] = {c2, 0};
    coefficients[3] = {c3, 0};
    for (auto _ : state) {
        int n = 3;
        TCoeffArray a = coefficients;
        int rootCount = 0;
        TRootArray roots;
        TRootStatus status = rsOk;
        FindRoots(n, a, TComplex{}, 1e-8, 100, rootCount, roots, status);
        benchmark::DoNotOptimize(roots);
    }
}

} // namespace

BENCHMARK_CAPTURE(BM_FindRoots, cubic_1_2_3, -6, 11, -6, 1);
BENCHMARK_CAPTURE(BM_FindRoots, cubic_minus_1_2_3, 6, 11, 6, 1);
BENCHMARK_CAPTURE(BM_FindRoots, cubic_complex, 1, 1, 1, 1);
BENCHMARK_CAPTURE(BM_FindRoots, triple_root, -1, 3, -3, 1);
BENCHMARK_CAPTURE(BM_FindRoots, quadratic, 1, 2, 3, 0);
BENCHMARK_CAPTURE(BM_FindRoots, no_convergence, 1, 0, 0, 1);
