#include "plots/untGodograf.h"

#include "chart/Chart.h"
#include "curves/HodographRun.h"
#include "curves/ReadoutText.h"
#include "plots/EquationPicture.h"
#include "plots/LabChart.h"

#include <tuple>

TfrmGodograf* frmGodograf = nullptr;

namespace {
TPlotLabDesign Design() {
    TPlotLabDesign design;
    design.caption = QStringLiteral("Годограф Михайлова");
    design.clientSize = QSize(632, 446);
    design.panel.panelLeft = 451;
    design.panel.panelWidth = 181;
    design.panel.fieldWidth = 97;
    design.panel.runCaption = QStringLiteral("Построить график");
    design.panel.hasNumerator = false;
    design.panel.minusAllowed = true;
    design.chartTitle = QStringLiteral("Годограф Михайлова");
    design.axisLinesVisible = false;
    design.columns = {QStringLiteral("ω"), QStringLiteral("P"), QStringLiteral("Q")};
    return design;
}
} // namespace

TfrmGodograf::TfrmGodograf() : TPlotLabForm(Design()) {
    setObjectName(QStringLiteral("frmGodograf"));
    Image1 = AddEquationPicture(Panel1);
    Series1 = AddLineSeries(Chart, clRed, 1);
    std::tie(Series3, Series4) = AddAxisLineSeries();
    SetSeriesRoles({Series1, nullptr, Series3, Series4});
    Label2 = Chart->AddCaption(QStringLiteral("jQ"), 5, 36);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label3 = Chart->AddCaption(QStringLiteral("P"), 430, 425);
    Label3->setObjectName(QStringLiteral("Label3"));
    SetReadout(HodographReadoutText);
}

void TfrmGodograf::ResetAxes() {
    ResetAxesOf(frmGodograf);
}

void TfrmGodograf::lblRunClick() {
    RunLab(RunHodograph);
}

void OpenGodograf() {
    OpenLabForm(frmGodograf);
}
