// Taking the Nyquist worked example's picture out of its window: to the clipboard as
// the screen shows it, and into files through the save path the window uses (a
// temporary file renamed over the target).

#include "LabWindows.h"

#include "forms/SaveToFile.h"
#include "plots/ChartPicture.h"
#include "plots/ExportActions.h"

#include <QApplication>
#include <QClipboard>
#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

std::unique_ptr<TLabForm> NyquistWindow() {
    std::unique_ptr<TLabForm> form = MakeLab(Lab::Nyquist);
    form->lblRunClick();
    return form;
}

// Ctrl+Shift+C: the chart drawn afresh at the screen's pixel ratio, onto the clipboard.
void BM_CopyPicture(benchmark::State& state) {
    std::unique_ptr<TLabForm> form = NyquistWindow();
    auto* window = qobject_cast<TfrmAFCHX*>(form.get());
    for (auto _ : state)
        window->Export->CopyPicture();
    if (QApplication::clipboard()->image().size() != window->Chart->size())
        state.SkipWithError("the clipboard holds no picture of the chart");
}

void BM_SavePicture(benchmark::State& state, TPictureFormat format) {
    std::unique_ptr<TLabForm> form = NyquistWindow();
    TChart* chart = ChartOfLab(*form);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("nyquist"));
    for (auto _ : state) {
        if (!SaveToFile(path,
                        [&](QIODevice& file) { return WriteChartPicture(*chart, format, file); }))
            state.SkipWithError("the picture was not saved");
    }
    state.counters["bytes"] = double(QFileInfo(path).size());
}

} // namespace

BENCHMARK(BM_CopyPicture)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SavePicture, svg, TPictureFormat::Svg)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SavePicture, pdf, TPictureFormat::Pdf)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SavePicture, png, TPictureFormat::Png)->Unit(benchmark::kMillisecond);
