// Drawing: each worked example's whole window rendered into an image of the window's
// size with the chart drawn afresh, and the Nyquist lab from Enter in a field to the
// finished painted window.

#include "LabWindows.h"

#include <QImage>
#include <QTest>

#include <benchmark/benchmark.h>

namespace {

void BM_DrawWindow(benchmark::State& state, Lab lab) {
    std::unique_ptr<TLabForm> form = MakeLab(lab);
    form->lblRunClick();
    TChart* chart = ChartOfLab(*form);
    QImage image(form->size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        if (chart)
            chart->Invalidate(); // the picture is drawn, not copied
        form->render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
    if (chart && chart->DrawCount() < int(state.iterations()))
        state.SkipWithError("the chart was not drawn every time");
}

// Enter in the first field runs the lab; repaint() paints the window at once, as the
// loop would right after the handler.
void BM_NyquistEnterToPicture(benchmark::State& state) {
    std::unique_ptr<TLabForm> form = MakeLab(Lab::Nyquist);
    form->show();
    if (!QTest::qWaitForWindowExposed(form.get())) {
        state.SkipWithError("the window was not shown");
        return;
    }
    TChart* chart = ChartOfLab(*form);
    for (auto _ : state) {
        QTest::keyClick(form->edta0, Qt::Key_Return);
        form->repaint();
        state.PauseTiming();
        if (chart->Stale())
            state.SkipWithError("the chart was not painted");
        ClearAxisLines(*form);
        state.ResumeTiming();
    }
    form->close();
}

} // namespace

BENCHMARK_CAPTURE(BM_DrawWindow, roots, Lab::Roots)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_DrawWindow, hodograph, Lab::Hodograph)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_DrawWindow, nyquist, Lab::Nyquist)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_DrawWindow, d_partition, Lab::DPartition)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_NyquistEnterToPicture)->Unit(benchmark::kMicrosecond);
