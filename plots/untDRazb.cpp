#include "plots/untDRazb.h"

#include "chart/Chart.h"
#include "curves/DPartitionRun.h"
#include "curves/ReadoutText.h"
#include "plots/EquationPicture.h"
#include "plots/LabChart.h"

#include <tuple>

TfrmDRazb* frmDRazb = nullptr;

namespace {
TPlotLabDesign Design() {
    TPlotLabDesign design;
    design.caption = QStringLiteral("Д-разбиение");
    design.clientSize = QSize(632, 446);
    design.panel.panelLeft = 451;
    design.panel.panelWidth = 181;
    design.panel.fieldWidth = 97;
    design.panel.runCaption = QStringLiteral("Построить график");
    design.panel.hasNumerator = false;
    design.panel.minusAllowed = false;
    design.chartTitle = QStringLiteral("Д-разбиение");
    // Unlike the other two plotting windows, the axis lines stay visible here.
    design.axisLinesVisible = true;
    design.columns = {QStringLiteral("ω"), QStringLiteral("P"), QStringLiteral("Q")};
    return design;
}
} // namespace

TfrmDRazb::TfrmDRazb() : TPlotLabForm(Design()) {
    setObjectName(QStringLiteral("frmDRazb"));
    Image1 = AddEquationPicture(Panel1);
    Series1 = AddLineSeries(Chart, clRed, 1);
    Series2 = AddLineSeries(Chart, clGreen, 1);
    std::tie(Series3, Series4) = AddAxisLineSeries();
    SetSeriesRoles({Series1, Series2, Series3, Series4});
    Label2 = Chart->AddCaption(QStringLiteral("Q"), 8, 40);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label3 = Chart->AddCaption(QStringLiteral("P"), 428, 428);
    Label3->setObjectName(QStringLiteral("Label3"));
    SetReadout(DPartitionReadoutText);
}

void TfrmDRazb::ResetAxes() {
    ResetAxesOf(frmDRazb);
}

void TfrmDRazb::lblRunClick() {
    RunLab(RunDPartition);
}

void OpenDRazb() {
    OpenLabForm(frmDRazb);
}
