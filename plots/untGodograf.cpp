#include "plots/untGodograf.h"

#include "chart/Chart.h"
#include "curves/AxisRange.h"
#include "curves/HodographRun.h"
#include "curves/ReadoutText.h"
#include "plots/ChartPlotTarget.h"
#include "plots/EquationPicture.h"
#include "plots/ExportActions.h"
#include "plots/LabChart.h"
#include "plots/SampleReadout.h"

TfrmGodograf* frmGodograf = nullptr;

namespace {
LabPanelLayout PanelLayout() {
    LabPanelLayout layout;
    layout.panelLeft = 451;
    layout.panelWidth = 181;
    layout.fieldWidth = 97;
    layout.runCaption = QStringLiteral("Построить график");
    layout.hasNumerator = false;
    layout.minusAllowed = true;
    return layout;
}

ChartPlotTarget TargetOf(TfrmGodograf& form, TLabSamples* samples = nullptr) {
    return ChartPlotTarget(*form.Chart, {form.Series1, nullptr, form.Series3, form.Series4},
                           samples);
}
} // namespace

TfrmGodograf::TfrmGodograf()
    : TLabForm(QStringLiteral("Годограф Михайлова"), QSize(632, 446), PanelLayout()) {
    setObjectName(QStringLiteral("frmGodograf"));

    Image1 = new TEquationPicture(Panel1);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->move(1, 264);

    Chart = CreateLabChart(this, QSize(451, 446), QStringLiteral("Годограф Михайлова"), false);
    Series1 = AddLineSeries(Chart, clRed, 1);
    Series3 = AddLineSeries(Chart, clBlack, 2);
    Series4 = AddLineSeries(Chart, clBlack, 2);
    Label2 = Chart->AddCaption(QStringLiteral("jQ"), 5, 36);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label3 = Chart->AddCaption(QStringLiteral("P"), 430, 425);
    Label3->setObjectName(QStringLiteral("Label3"));
    Export = new TExportActions(this, Chart, [this]() -> const TLabSamples& { return samples_; },
                                {QStringLiteral("ω"), QStringLiteral("P"), QStringLiteral("Q")});
    Chart->SetReadoutSource(std::make_unique<TSampleReadout>(samples_, HodographReadoutText));
}

void TfrmGodograf::ResetAxes() {
    // The window of the global reference is the one whose handler runs; a window
    // made without OpenGodograf has no reference and resets its own chart.
    ChartPlotTarget chart = TargetOf(frmGodograf ? *frmGodograf : *this);
    ::ResetAxes(chart);
}

void TfrmGodograf::lblRunClick() {
    const TExportRefresh refresh(Export);
    samples_.StartRun();
    if (!CheckFieldsFilled())
        return;
    ChartPlotTarget chart = TargetOf(*this, &samples_);
    RunHodograph(FieldTexts(*this), chart, [this] { ResetAxes(); });
}

void OpenGodograf() {
    OpenLabForm(frmGodograf);
}
