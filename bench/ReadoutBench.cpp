// The readout under the pointer on the Nyquist worked example (5000 samples and the
// critical point): the lookup of the nearest drawn point alone, the first lookup
// after a new picture (which places the points), and a whole mouse move over the
// shown window, tooltip and ring included. Hovering must never draw the chart
// again: the benchmarks count its drawings.

#include "LabWindows.h"

#include "curves/ReadoutText.h"
#include "plots/SampleReadout.h"

#include <QMouseEvent>
#include <QTest>

#include <benchmark/benchmark.h>

#include <vector>

namespace {

// The shown window after its run, painted.
std::unique_ptr<TLabForm> ShownNyquist(benchmark::State& state) {
    std::unique_ptr<TLabForm> form = MakeLab(Lab::Nyquist);
    form->show();
    if (!QTest::qWaitForWindowExposed(form.get())) {
        state.SkipWithError("the window was not shown");
        return nullptr;
    }
    form->lblRunClick();
    TChart* chart = ChartOfLab(*form);
    if (!QTest::qWaitFor([chart] { return !chart->Stale(); })) {
        state.SkipWithError("the chart was not painted");
        return nullptr;
    }
    return form;
}

// A pointer walking along the curve, a little beside it: every tenth sample's
// pixel, moved by (2, 1), so that nearly every move reads another sample.
std::vector<QPoint> PathAlongTheCurve(TfrmAFCHX& form) {
    std::vector<QPoint> path;
    const TLabSamples& samples = form.Samples();
    for (std::size_t i = 0; i < samples.Size(); i += 10)
        path.push_back(QPoint(form.Chart->BottomAxis()->ValueToPixel(samples[i].x),
                              form.Chart->LeftAxis()->ValueToPixel(samples[i].y)) +
                       QPoint(2, 1));
    return path;
}

void BM_ReadoutLookup(benchmark::State& state) {
    std::unique_ptr<TLabForm> form = ShownNyquist(state);
    if (!form)
        return;
    auto& nyquist = static_cast<TfrmAFCHX&>(*form);
    TChart* chart = nyquist.Chart;
    TChartReadout readout;
    readout.SetSource(std::make_unique<TSampleReadout>(nyquist.Samples(), NyquistReadoutText));
    const std::vector<QPoint> path = PathAlongTheCurve(nyquist);
    std::size_t step = 0;
    int found = 0;
    for (auto _ : state) {
        const TReadoutHit hit =
            readout.Nearest(path[step], *chart->BottomAxis(), *chart->LeftAxis());
        found += hit.Found();
        step = (step + 1) % path.size();
    }
    if (found != int(state.iterations()))
        state.SkipWithError("a point beside the curve found no sample");
    form->close();
}

// The first move after a new picture: the points are collected and placed again.
void BM_ReadoutFirstLookup(benchmark::State& state) {
    std::unique_ptr<TLabForm> form = ShownNyquist(state);
    if (!form)
        return;
    auto& nyquist = static_cast<TfrmAFCHX&>(*form);
    TChart* chart = nyquist.Chart;
    TChartReadout readout;
    readout.SetSource(std::make_unique<TSampleReadout>(nyquist.Samples(), NyquistReadoutText));
    const QPoint at = PathAlongTheCurve(nyquist).front();
    for (auto _ : state) {
        readout.Invalidate();
        benchmark::DoNotOptimize(readout.Nearest(at, *chart->BottomAxis(), *chart->LeftAxis()));
    }
    form->close();
}

void BM_ReadoutMouseMove(benchmark::State& state) {
    std::unique_ptr<TLabForm> form = ShownNyquist(state);
    if (!form)
        return;
    auto& nyquist = static_cast<TfrmAFCHX&>(*form);
    TChart* chart = nyquist.Chart;
    const std::vector<QPoint> path = PathAlongTheCurve(nyquist);
    const int draws = chart->DrawCount();
    std::size_t step = 0;
    int read = 0;
    for (auto _ : state) {
        const QPoint at = path[step];
        QMouseEvent move(QEvent::MouseMove, QPointF(at), QPointF(chart->mapToGlobal(at)),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(chart, &move);
        // The ring's repaint, as the event loop does it next.
        QCoreApplication::sendPostedEvents(form.get(), QEvent::UpdateRequest);
        read += chart->ReadoutIndex() >= 0;
        step = (step + 1) % path.size();
    }
    if (read != int(state.iterations()))
        state.SkipWithError("a move beside the curve read nothing");
    if (chart->DrawCount() != draws)
        state.SkipWithError("hovering drew the chart again");
    form->close();
}

} // namespace

BENCHMARK(BM_ReadoutLookup)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ReadoutFirstLookup)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ReadoutMouseMove)->Unit(benchmark::kMicrosecond);
