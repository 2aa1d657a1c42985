#include "plots/untAFCHX.h"

#include "chart/Chart.h"
#include "curves/AxisRange.h"
#include "curves/NyquistRun.h"
#include "curves/ReadoutText.h"
#include "plots/ChartPlotTarget.h"
#include "plots/ExportActions.h"
#include "plots/LabChart.h"
#include "plots/SampleReadout.h"

TfrmAFCHX* frmAFCHX = nullptr;

namespace {
LabPanelLayout PanelLayout() {
    LabPanelLayout layout;
    layout.panelLeft = 444;
    layout.panelWidth = 198;
    layout.fieldWidth = 79;
    layout.runCaption = QStringLiteral("Построить график");
    layout.hasNumerator = true;
    layout.minusAllowed = true;
    return layout;
}

// The response as a cloud of 2 × 2 squares, each filled with its point's colour.
TPointSeries* AddResponseSeries(TChart* chart) {
    auto* series = chart->AddSeries<TPointSeries>();
    series->SetSeriesColor(clRed);
    TSeriesPointer pointer = series->Pointer();
    pointer.Visible = true;
    pointer.HorizSize = 1;
    pointer.VertSize = 1;
    pointer.Pen.Visible = false;
    pointer.BrushColor = clDefault;
    series->SetPointer(pointer);
    return series;
}

ChartPlotTarget TargetOf(TfrmAFCHX& form, TLabSamples* samples = nullptr) {
    return ChartPlotTarget(*form.Chart, {form.Series1, nullptr, form.Series2, form.Series3},
                           samples);
}
} // namespace

TfrmAFCHX::TfrmAFCHX() : TLabForm(QStringLiteral("АФЧХ"), QSize(642, 446), PanelLayout()) {
    setObjectName(QStringLiteral("frmAFCHX"));

    Chart = CreateLabChart(this, QSize(444, 446), QStringLiteral("АФЧХ Разомкнутой САУ"), false);
    Series1 = AddResponseSeries(Chart);
    Series2 = AddLineSeries(Chart, clBlack, 2);
    Series3 = AddLineSeries(Chart, clBlack, 2);
    Label2 = Chart->AddCaption(QStringLiteral("I"), 8, 40);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label3 = Chart->AddCaption(QStringLiteral("R"), 428, 428);
    Label3->setObjectName(QStringLiteral("Label3"));
    Export = new TExportActions(this, Chart, [this]() -> const TLabSamples& { return samples_; },
                                {QStringLiteral("ω"), QStringLiteral("R"), QStringLiteral("I")});
    auto readout = std::make_unique<TSampleReadout>(samples_, NyquistReadoutText);
    // The critical point is drawn once a run has sampled the whole response: then
    // the series holds one point more than the record.
    readout->SetMark(-1, 0, CriticalPointReadoutText(),
                     [this] { return Series1->PointCount() > int(samples_.Size()); });
    Chart->SetReadoutSource(std::move(readout));
}

void TfrmAFCHX::ResetAxes() {
    // The window of the global reference is the one whose handler runs; a window
    // made without OpenAFCHX has no reference and resets its own chart.
    ChartPlotTarget chart = TargetOf(frmAFCHX ? *frmAFCHX : *this);
    ::ResetAxes(chart);
}

void TfrmAFCHX::lblRunClick() {
    const TExportRefresh refresh(Export);
    samples_.StartRun();
    if (!CheckFieldsFilled())
        return;
    ChartPlotTarget chart = TargetOf(*this, &samples_);
    RunNyquist(FieldTexts(*this), chart, [this] { ResetAxes(); });
}

void OpenAFCHX() {
    OpenLabForm(frmAFCHX);
}
