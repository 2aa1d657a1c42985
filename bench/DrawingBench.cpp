// Drawing: each worked example's whole window rendered into an image of the window's
// size with the chart drawn afresh, and each lab from Enter in a field to the finished
// painted window.

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

// Enter in the first field runs the lab; the update request it leaves is then handled
// as the event loop handles it next: the parts of the window that changed are painted
// (and the picture flushed). The window is shown, so this is the real repaint path.
void BM_EnterToPicture(benchmark::State& state, Lab lab) {
    std::unique_ptr<TLabForm> form = MakeLab(lab);
    form->show();
    if (!QTest::qWaitForWindowExposed(form.get())) {
        state.SkipWithError("the window was not shown");
        return;
    }
    TChart* chart = ChartOfLab(*form);
    QWidget* field = form->CoefficientFields().front();
    const int drawsBefore = chart ? chart->DrawCount() : 0;
    for (auto _ : state) {
        QTest::keyClick(field, Qt::Key_Return);
        QCoreApplication::sendPostedEvents(form.get(), QEvent::UpdateRequest);
        state.PauseTiming();
        if (chart && chart->Stale())
            state.SkipWithError("the chart was not painted");
        ClearAxisLines(*form);
        state.ResumeTiming();
    }
    if (chart && chart->DrawCount() - drawsBefore < int(state.iterations()))
        state.SkipWithError("the chart was not drawn after every run");
    form->close();
}

} // namespace

BENCHMARK_CAPTURE(BM_DrawWindow, roots, Lab::Roots)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_DrawWindow, hodograph, Lab::Hodograph)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_DrawWindow, nyquist, Lab::Nyquist)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_DrawWindow, d_partition, Lab::DPartition)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_EnterToPicture, roots, Lab::Roots)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_EnterToPicture, hodograph, Lab::Hodograph)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_EnterToPicture, nyquist, Lab::Nyquist)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_EnterToPicture, d_partition, Lab::DPartition)->Unit(benchmark::kMicrosecond);
