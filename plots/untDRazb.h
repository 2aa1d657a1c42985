#pragma once

#include "plots/PlotLabForm.h"

class QLabel;
class TEquationPicture;
class TLineSeries;

// The D-partition lab: the boundary in the plane of a3 for positive frequencies
// and its mirror for negative ones, with black coordinate-axis lines.
class TfrmDRazb : public TPlotLabForm {
    Q_OBJECT
  public:
    TfrmDRazb();
    void lblRunClick() override;
    // Both axes to 0..0 on the chart of the window held by frmDRazb.
    void ResetAxes() override;

    TEquationPicture* Image1 = nullptr;
    TLineSeries* Series1 = nullptr; // boundary for ω >= 0
    TLineSeries* Series2 = nullptr; // its mirror, ω <= 0
    TLineSeries* Series3 = nullptr; // horizontal coordinate axis
    TLineSeries* Series4 = nullptr; // vertical coordinate axis
    QLabel* Label2 = nullptr;       // "Q"
    QLabel* Label3 = nullptr;       // "P"

  protected:
    TAnalysisReport Analyse(const QStringList& texts, double upperFrequency) const override;
    TAnalysisWindow::TParts AnalysisParts() const override;
    std::vector<THatchedPath> Hatching() const override;
};

// The window while it exists; null before its first opening and after each closing.
extern TfrmDRazb* frmDRazb;

void OpenDRazb();
