#pragma once

#include "plots/PlotLabForm.h"

class QLabel;
class TLineSeries;
class TPointSeries;

// The open-loop Nyquist lab: W(jω) = B(jω) / A(jω) for ω from 0 to 10 as red point
// markers, the critical point (-1, j0) in blue, black coordinate-axis lines.
class TfrmAFCHX : public TPlotLabForm {
    Q_OBJECT
  public:
    TfrmAFCHX();
    void lblRunClick() override;
    // Both axes to 0..0 on the chart of the window held by frmAFCHX.
    void ResetAxes() override;

    TPointSeries* Series1 = nullptr; // the response and the critical point
    TLineSeries* Series2 = nullptr;  // horizontal coordinate axis
    TLineSeries* Series3 = nullptr;  // vertical coordinate axis
    QLabel* Label2 = nullptr;        // "I"
    QLabel* Label3 = nullptr;        // "R"

  protected:
    TAnalysisReport Analyse(const QStringList& texts, double upperFrequency) const override;
    TAnalysisWindow::TParts AnalysisParts() const override;
};

// The window while it exists; null before its first opening and after each closing.
extern TfrmAFCHX* frmAFCHX;

void OpenAFCHX();
