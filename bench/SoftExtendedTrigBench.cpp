// The software sine, cosine and arctangent, per call, on arguments of the root finder's
// kind: magnitudes from 2^-7 to 1 (half angles, ratios near one) with full significands.

#include "numeric/SoftExtended.h"

#include <benchmark/benchmark.h>

#include <random>
#include <vector>

namespace {

std::vector<TSoftExtended> LabArguments() {
    std::mt19937_64 random(7);
    std::vector<TSoftExtended> arguments;
    for (int i = 0; i < 4096; ++i) {
        const auto sign = static_cast<std::uint16_t>(random() & 1 ? 0x8000 : 0);
        const auto biased = static_cast<std::uint16_t>(0x3ff8 + random() % 7);
        arguments.push_back(TSoftExtended::FromBits(sign | biased, random() | (1ull << 63)));
    }
    return arguments;
}

void BM_SoftTrig(benchmark::State& state, TSoftExtended (*function)(TSoftExtended)) {
    const std::vector<TSoftExtended> arguments = LabArguments();
    for (auto _ : state)
        for (TSoftExtended x : arguments)
            benchmark::DoNotOptimize(function(x));
    state.SetItemsProcessed(state.iterations() * static_cast<long>(arguments.size()));
}

} // namespace

BENCHMARK_CAPTURE(BM_SoftTrig, sin, SoftSin);
BENCHMARK_CAPTURE(BM_SoftTrig, cos, SoftCos);
BENCHMARK_CAPTURE(BM_SoftTrig, atan, SoftAtan);
