// Each lab's run on its worked example, as Enter starts it: the empty-field check,
// the parsing, the computation and everything handed to the chart or the report, but
// no painting (that follows when the loop paints, see DrawingBench).

#include "LabWindows.h"

#include <benchmark/benchmark.h>

namespace {

void BM_LabRun(benchmark::State& state, Lab lab) {
    std::unique_ptr<TLabForm> form = MakeLab(lab);
    for (auto _ : state) {
        form->lblRunClick();
        state.PauseTiming();
        ClearAxisLines(*form);
        state.ResumeTiming();
    }
}

} // namespace

BENCHMARK_CAPTURE(BM_LabRun, roots, Lab::Roots)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_LabRun, hodograph, Lab::Hodograph)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_LabRun, nyquist, Lab::Nyquist)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_LabRun, d_partition, Lab::DPartition)->Unit(benchmark::kMicrosecond);
