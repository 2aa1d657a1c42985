// The analysis: each lab's characteristic points, verdicts and text from its worked
// example's coefficients (what one run adds while the analysis is open), and each
// plotting lab from Enter to the painted picture at ten times its own range, and with the
// analysis open and its marks on at its own range and at ten times it.

#include "LabWindows.h"

#include "forms/AnalysisWindow.h"
#include "reports/DPartitionReport.h"
#include "reports/HodographReport.h"
#include "reports/NyquistReport.h"
#include "reports/RootLabReport.h"

#include <QCheckBox>
#include <QTest>

#include <benchmark/benchmark.h>

namespace {

void BM_AnalysisReport(benchmark::State& state, Lab lab) {
    const TCharacteristicCoefficients d{1, 3, 3, 1};
    const TOpenLoopCoefficients w{1, 3, 3, 1, 0, 0, 1};
    const TRootLabCoefficients r{-6, 11, -6, 1};
    for (auto _ : state) {
        TAnalysisReport report;
        switch (lab) {
        case Lab::Roots:
            report = RootLabReport(r, AnalyseRootLab(r), {{1, 0}, {2, 0}, {3, 0}}, true);
            break;
        case Lab::Hodograph:
            report = HodographReport(d, AnalyseMikhailov(d), 13);
            break;
        case Lab::Nyquist:
            report = NyquistReport(w, AnalyseNyquist(w), 10);
            break;
        case Lab::DPartition:
            report = DPartitionReport(d, AnalyseDPartition(d), 10);
            break;
        }
        benchmark::DoNotOptimize(report.lines.data());
    }
}

// As BM_EnterToPicture at `scale` times the lab's own upper frequency, with the analysis
// window open and the marks on where `analysed`.
void BM_EnterToPictureRange(benchmark::State& state, Lab lab, double scale, bool analysed) {
    std::unique_ptr<TLabForm> form = MakeLab(lab);
    auto* plot = qobject_cast<TPlotLabForm*>(form.get());
    form->show();
    if (!plot || !QTest::qWaitForWindowExposed(form.get())) {
        state.SkipWithError("the window was not shown");
        return;
    }
    const double own = plot->UpperFrequency();
    plot->ChooseUpperFrequency(own * scale);
    if (analysed) {
        plot->ShowAnalysis();
        plot->Analysis()->chkMarks->setChecked(true);
    }
    QWidget* field = form->CoefficientFields().front();
    field->activateWindow();
    for (auto _ : state) {
        QTest::keyClick(field, Qt::Key_Return);
        QCoreApplication::sendPostedEvents(form.get(), QEvent::UpdateRequest);
        state.PauseTiming();
        if (plot->Chart->Stale() || plot->Chart->Marks().empty() == analysed)
            state.SkipWithError("the chart was not painted as asked");
        ClearAxisLines(*form);
        state.ResumeTiming();
    }
    plot->ChooseUpperFrequency(own);
    form->close();
}

} // namespace

BENCHMARK_CAPTURE(BM_AnalysisReport, roots, Lab::Roots)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_AnalysisReport, hodograph, Lab::Hodograph)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_AnalysisReport, nyquist, Lab::Nyquist)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_AnalysisReport, d_partition, Lab::DPartition)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_EnterToPictureRange, hodograph_x10, Lab::Hodograph, 10.0, false)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_EnterToPictureRange, nyquist_x10, Lab::Nyquist, 10.0, false)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_EnterToPictureRange, d_partition_x10, Lab::DPartition, 10.0, false)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_EnterToPictureRange, hodograph_analysed, Lab::Hodograph, 1.0, true)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_EnterToPictureRange, nyquist_analysed, Lab::Nyquist, 1.0, true)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_EnterToPictureRange, d_partition_analysed, Lab::DPartition, 1.0, true)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_EnterToPictureRange, hodograph_analysed_x10, Lab::Hodograph, 10.0, true)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_EnterToPictureRange, nyquist_analysed_x10, Lab::Nyquist, 10.0, true)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_EnterToPictureRange, d_partition_analysed_x10, Lab::DPartition, 10.0, true)
    ->Unit(benchmark::kMicrosecond);
