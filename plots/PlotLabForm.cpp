#include "plots/PlotLabForm.h"

#include "chart/Chart.h"
#include "curves/AxisRange.h"
#include "curves/FrequencyRange.h"
#include "plots/ExportActions.h"
#include "plots/LabChart.h"
#include "plots/SampleReadout.h"

TPlotLabForm::TPlotLabForm(const TPlotLabDesign& design)
    : TLabForm(design.caption, design.clientSize, design.panel) {
    Chart = CreateLabChart(this, QSize(design.panel.panelLeft, design.clientSize.height()),
                           design.chartTitle, design.axisLinesVisible);
    Export = new TExportActions(
        this, Chart, [this]() -> const TLabSamples& { return samples_; }, design.columns);
}

std::pair<TLineSeries*, TLineSeries*> TPlotLabForm::AddAxisLineSeries() {
    horizontalLine_ = AddLineSeries(Chart, clBlack, 2);
    verticalLine_ = AddLineSeries(Chart, clBlack, 2);
    return {horizontalLine_, verticalLine_};
}

TSampleReadout* TPlotLabForm::SetReadout(QString (*text)(const TLabSample&)) {
    auto readout = std::make_unique<TSampleReadout>(samples_, text);
    TSampleReadout* kept = readout.get();
    Chart->SetReadoutSource(std::move(readout));
    return kept;
}

ChartPlotTarget TPlotLabForm::Target(TLabSamples* samples) {
    return ChartPlotTarget(*Chart, roles_, samples);
}

void TPlotLabForm::ResetAxesOf(TPlotLabForm* held) {
    // The window of the global reference is the one whose handler runs.
    ChartPlotTarget chart = (held ? held : this)->Target();
    ::ResetAxes(chart);
}

void TPlotLabForm::RunLab(TPlotRun run) {
    const TExportRefresh refresh(Export);
    samples_.StartRun();
    if (!CheckFieldsFilled())
        return;
    ChartPlotTarget chart = Target(&samples_);
    run(
        FieldTexts(*this), chart, [this] { ResetAxes(); }, TPlotRunOptions{});
}
