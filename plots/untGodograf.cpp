#include "plots/untGodograf.h"

#include "chart/Chart.h"
#include "curves/HodographRun.h"
#include "curves/ReadoutText.h"
#include "plots/EquationPicture.h"
#include "plots/LabChart.h"
#include "reports/HodographReport.h"

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
    design.frequencies = kHodographFrequencies;
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
    plotsRefused_ = false;
    RunLab(RunHodograph);
}

void TfrmGodograf::PlotRefused() {
    plotsRefused_ = true;
    RunLab(RunHodograph, true);
}

void TfrmGodograf::RunAgain() {
    plotsRefused_ ? PlotRefused() : lblRunClick();
}

TAnalysisReport TfrmGodograf::Analyse(const QStringList& texts, double upperFrequency) const {
    const auto a = ReadHodographFields(texts);
    const TCharacteristicCoefficients coefficients{a[0], a[1], a[2], a[3]};
    return HodographReport(coefficients, AnalyseMikhailov(coefficients), upperFrequency);
}

TAnalysisWindow::TParts TfrmGodograf::AnalysisParts() const {
    TAnalysisWindow::TParts parts = TPlotLabForm::AnalysisParts();
    parts.plotRefusedCaption = QStringLiteral("Построить годограф, несмотря на вывод");
    return parts;
}

QString TfrmGodograf::TitleNote() const {
    if (!plotsRefused_ || !Samples().OfLatestRun())
        return QString();
    // The verdict of the lab's own test, which refused the curve: its two products.
    const auto a = ReadHodographFields(LatestTexts());
    const TExtended p0 = static_cast<TExtended>(a[0]) * a[3];
    const TExtended p1 = static_cast<TExtended>(a[1]) * a[2];
    return p0 == p1 ? QStringLiteral("(система на границе устойчивости)")
                    : QStringLiteral("(система неустойчива)");
}

void OpenGodograf() {
    OpenLabForm(frmGodograf);
}
