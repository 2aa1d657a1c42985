// The software extended type against the hardware long double: time per operation
// over arrays of ordinary operands (normal values around 1, as the labs compute with).
// The counter "per op" is the time of one element of the loop.

#include "numeric/SoftExtended.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstddef>
#include <random>
#include <type_traits>
#include <vector>

namespace {

constexpr std::size_t kLength = 4096;

template <typename T> T SquareRootOf(T x) {
    if constexpr (std::is_same_v<T, long double>)
        return std::sqrt(x);
    else
        return SoftSqrt(x);
}

// Random doubles with magnitudes from 1e-3 to 1e3 and both signs.
std::vector<double> Doubles(unsigned seed) {
    std::mt19937_64 random(seed);
    std::uniform_real_distribution<double> exponent(-3.0, 3.0);
    std::vector<double> values(kLength);
    for (double& value : values)
        value = ((random() & 1) ? -1.0 : 1.0) * std::pow(10.0, exponent(random));
    return values;
}

// Operands that are full extended values (not just widened doubles): each is a
// quotient of two doubles, so that its low significand bits are busy.
template <typename T> std::vector<T> Operands(unsigned seed) {
    const std::vector<double> numerators = Doubles(seed);
    const std::vector<double> denominators = Doubles(seed + 1);
    std::vector<T> values(kLength);
    for (std::size_t i = 0; i < kLength; ++i)
        values[i] = T(numerators[i]) / T(denominators[i]);
    return values;
}

// Time per element in seconds, shown with its SI prefix (e.g. "3.6n").
void ReportPerElement(benchmark::State& state) {
    state.counters["per op"] = benchmark::Counter(
        kLength, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

template <typename T, typename Op> void RunBinary(benchmark::State& state, Op op) {
    const std::vector<T> a = Operands<T>(1);
    const std::vector<T> b = Operands<T>(3);
    std::vector<T> result(kLength);
    for (auto _ : state) {
        for (std::size_t i = 0; i < kLength; ++i)
            result[i] = op(a[i], b[i]);
        benchmark::DoNotOptimize(result.data());
        benchmark::ClobberMemory();
    }
    ReportPerElement(state);
}

template <typename T> void BM_Add(benchmark::State& state) {
    RunBinary<T>(state, [](T x, T y) { return x + y; });
}

template <typename T> void BM_Multiply(benchmark::State& state) {
    RunBinary<T>(state, [](T x, T y) { return x * y; });
}

template <typename T> void BM_Divide(benchmark::State& state) {
    RunBinary<T>(state, [](T x, T y) { return x / y; });
}

template <typename T> void BM_Sqrt(benchmark::State& state) {
    RunBinary<T>(state, [](T x, T) { return SquareRootOf(x < T(0) ? -x : x); });
}

template <typename T> void BM_ToDouble(benchmark::State& state) {
    const std::vector<T> a = Operands<T>(1);
    std::vector<double> result(kLength);
    for (auto _ : state) {
        for (std::size_t i = 0; i < kLength; ++i)
            result[i] = static_cast<double>(a[i]);
        benchmark::DoNotOptimize(result.data());
        benchmark::ClobberMemory();
    }
    ReportPerElement(state);
}

template <typename T> void BM_FromDouble(benchmark::State& state) {
    const std::vector<double> a = Doubles(1);
    std::vector<T> result(kLength);
    for (auto _ : state) {
        for (std::size_t i = 0; i < kLength; ++i)
            result[i] = T(a[i]);
        benchmark::DoNotOptimize(result.data());
        benchmark::ClobberMemory();
    }
    ReportPerElement(state);
}

} // namespace

BENCHMARK_TEMPLATE(BM_Add, long double);
BENCHMARK_TEMPLATE(BM_Add, TSoftExtended);
BENCHMARK_TEMPLATE(BM_Multiply, long double);
BENCHMARK_TEMPLATE(BM_Multiply, TSoftExtended);
BENCHMARK_TEMPLATE(BM_Divide, long double);
BENCHMARK_TEMPLATE(BM_Divide, TSoftExtended);
BENCHMARK_TEMPLATE(BM_Sqrt, long double);
BENCHMARK_TEMPLATE(BM_Sqrt, TSoftExtended);
BENCHMARK_TEMPLATE(BM_ToDouble, long double);
BENCHMARK_TEMPLATE(BM_ToDouble, TSoftExtended);
BENCHMARK_TEMPLATE(BM_FromDouble, long double);
BENCHMARK_TEMPLATE(BM_FromDouble, TSoftExtended);
