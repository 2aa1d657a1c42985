#include "plots/untDRazb.h"

#include "chart/Chart.h"
#include "curves/AxisRange.h"
#include "curves/DPartitionRun.h"
#include "curves/ReadoutText.h"
#include "plots/ChartPlotTarget.h"
#include "plots/EquationPicture.h"
#include "plots/ExportActions.h"
#include "plots/LabChart.h"
#include "plots/SampleReadout.h"

TfrmDRazb* frmDRazb = nullptr;

namespace {
LabPanelLayout PanelLayout() {
    LabPanelLayout layout;
    layout.panelLeft = 451;
    layout.panelWidth = 181;
    layout.fieldWidth = 97;
    layout.runCaption = QStringLiteral("Построить график");
    layout.hasNumerator = false;
    layout.minusAllowed = false;
    return layout;
}

ChartPlotTarget TargetOf(TfrmDRazb& form, TLabSamples* samples = nullptr) {
    return ChartPlotTarget(*form.Chart, {form.Series1, form.Series2, form.Series3, form.Series4},
                           samples);
}
} // namespace

TfrmDRazb::TfrmDRazb() : TLabForm(QStringLiteral("Д-разбиение"), QSize(632, 446), PanelLayout()) {
    setObjectName(QStringLiteral("frmDRazb"));

    Image1 = new TEquationPicture(Panel1);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->move(1, 264);

    // Unlike the other two plotting windows, the axis lines stay visible here.
    Chart = CreateLabChart(this, QSize(451, 446), QStringLiteral("Д-разбиение"), true);
    Series1 = AddLineSeries(Chart, clRed, 1);
    Series2 = AddLineSeries(Chart, clGreen, 1);
    Series3 = AddLineSeries(Chart, clBlack, 2);
    Series4 = AddLineSeries(Chart, clBlack, 2);
    Label2 = Chart->AddCaption(QStringLiteral("Q"), 8, 40);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label3 = Chart->AddCaption(QStringLiteral("P"), 428, 428);
    Label3->setObjectName(QStringLiteral("Label3"));
    Export = new TExportActions(this, Chart, [this]() -> const TLabSamples& { return samples_; },
                                {QStringLiteral("ω"), QStringLiteral("P"), QStringLiteral("Q")});
    Chart->SetReadoutSource(std::make_unique<TSampleReadout>(samples_, DPartitionReadoutText));
}

void TfrmDRazb::ResetAxes() {
    // The window of the global reference is the one whose handler runs; a window
    // made without OpenDRazb has no reference and resets its own chart.
    ChartPlotTarget chart = TargetOf(frmDRazb ? *frmDRazb : *this);
    ::ResetAxes(chart);
}

void TfrmDRazb::lblRunClick() {
    const TExportRefresh refresh(Export);
    samples_.StartRun();
    if (!CheckFieldsFilled())
        return;
    ChartPlotTarget chart = TargetOf(*this, &samples_);
    RunDPartition(FieldTexts(*this), chart, [this] { ResetAxes(); });
}

void OpenDRazb() {
    OpenLabForm(frmDRazb);
}
