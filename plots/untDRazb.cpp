#include "plots/untDRazb.h"

#include "chart/Chart.h"
#include "curves/DPartitionRun.h"
#include "curves/ReadoutText.h"
#include "plots/EquationPicture.h"
#include "plots/LabChart.h"
#include "reports/DPartitionReport.h"

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
    design.frequencies = kDPartitionFrequencies;
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

TAnalysisReport TfrmDRazb::Analyse(const QStringList& texts, double upperFrequency) const {
    const auto a = ReadDPartitionFields(texts);
    const TCharacteristicCoefficients coefficients{a[0], a[1], a[2], a[3]};
    return DPartitionReport(coefficients, AnalyseDPartition(coefficients), upperFrequency);
}

TAnalysisWindow::TParts TfrmDRazb::AnalysisParts() const {
    TAnalysisWindow::TParts parts = TPlotLabForm::AnalysisParts();
    parts.marksCaption = QStringLiteral("Отметить пересечения с осью a3 и штриховку границы");
    return parts;
}

std::vector<THatchedPath> TfrmDRazb::Hatching() const {
    // The boundary walked with ω increasing from -∞ to +∞: the mirrored branch from its
    // far end back to ω = 0, then the branch of positive ω; the side with more roots in
    // the left half-plane is on the left of that walk.
    THatchedPath path;
    path.Side = 1;
    path.Color = clRed;
    const std::vector<TLabSample>& samples = Samples().All();
    for (auto sample = samples.rbegin(); sample != samples.rend(); ++sample)
        if (sample->mirrored)
            path.Points.push_back({sample->x, sample->y});
    for (const TLabSample& sample : samples)
        if (!sample.mirrored)
            path.Points.push_back({sample.x, sample.y});
    return {path};
}

void OpenDRazb() {
    OpenLabForm(frmDRazb);
}
