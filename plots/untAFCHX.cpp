#include "plots/untAFCHX.h"

#include "chart/Chart.h"
#include "curves/NyquistRun.h"
#include "curves/ReadoutText.h"
#include "plots/SampleReadout.h"
#include "reports/NyquistReport.h"

#include <tuple>

TfrmAFCHX* frmAFCHX = nullptr;

namespace {
TPlotLabDesign Design() {
    TPlotLabDesign design;
    design.caption = QStringLiteral("АФЧХ");
    design.clientSize = QSize(642, 446);
    design.panel.panelLeft = 444;
    design.panel.panelWidth = 198;
    design.panel.fieldWidth = 79;
    design.panel.runCaption = QStringLiteral("Построить график");
    design.panel.hasNumerator = true;
    design.panel.minusAllowed = true;
    design.chartTitle = QStringLiteral("АФЧХ Разомкнутой САУ");
    design.axisLinesVisible = false;
    design.columns = {QStringLiteral("ω"), QStringLiteral("R"), QStringLiteral("I")};
    design.frequencies = kNyquistFrequencies;
    return design;
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
} // namespace

TfrmAFCHX::TfrmAFCHX() : TPlotLabForm(Design()) {
    setObjectName(QStringLiteral("frmAFCHX"));
    Series1 = AddResponseSeries(Chart);
    std::tie(Series2, Series3) = AddAxisLineSeries();
    SetSeriesRoles({Series1, nullptr, Series2, Series3});
    Label2 = Chart->AddCaption(QStringLiteral("I"), 8, 40);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label3 = Chart->AddCaption(QStringLiteral("R"), 428, 428);
    Label3->setObjectName(QStringLiteral("Label3"));
    // The critical point is drawn once a run has sampled the whole response: then
    // the series holds one point more than the record.
    SetReadout(NyquistReadoutText)->SetMark(-1, 0, CriticalPointReadoutText(), [this] {
        return Series1->PointCount() > int(Samples().Size());
    });
}

void TfrmAFCHX::ResetAxes() {
    ResetAxesOf(frmAFCHX);
}

void TfrmAFCHX::lblRunClick() {
    RunLab(RunNyquist);
}

TAnalysisReport TfrmAFCHX::Analyse(const QStringList& texts, double upperFrequency) const {
    const auto v = ReadNyquistFields(texts);
    const TOpenLoopCoefficients coefficients{v[0], v[1], v[2], v[3], v[4], v[5], v[6]};
    return NyquistReport(coefficients, AnalyseNyquist(coefficients), upperFrequency);
}

TAnalysisWindow::TParts TfrmAFCHX::AnalysisParts() const {
    TAnalysisWindow::TParts parts = TPlotLabForm::AnalysisParts();
    parts.marksCaption = QStringLiteral("Отметить на графике критическую точку и пересечения");
    return parts;
}

void OpenAFCHX() {
    OpenLabForm(frmAFCHX);
}
