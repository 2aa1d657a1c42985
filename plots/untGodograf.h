#pragma once

#include "plots/PlotLabForm.h"

class QLabel;
class TEquationPicture;
class TLineSeries;

// The Mikhailov hodograph lab: the stability test, then D(jω) for ω from 0 to 13
// as a red line with black coordinate-axis lines.
class TfrmGodograf : public TPlotLabForm {
    Q_OBJECT
  public:
    TfrmGodograf();
    void lblRunClick() override;
    // Both axes to 0..0 on the chart of the window held by frmGodograf.
    void ResetAxes() override;

    TEquationPicture* Image1 = nullptr;
    TLineSeries* Series1 = nullptr; // the hodograph
    TLineSeries* Series3 = nullptr; // horizontal coordinate axis
    TLineSeries* Series4 = nullptr; // vertical coordinate axis
    QLabel* Label2 = nullptr;       // "jQ"
    QLabel* Label3 = nullptr;       // "P"

  protected:
    TAnalysisReport Analyse(const QStringList& texts, double upperFrequency) const override;
    TAnalysisWindow::TParts AnalysisParts() const override;
    QString TitleNote() const override;
    void RunAgain() override;
    // The curve of a system the stability test refuses, after its notice, titled as such.
    void PlotRefused() override;

  private:
    bool plotsRefused_ = false; // the latest run was asked for by PlotRefused
};

// The window while it exists; null before its first opening and after each closing.
extern TfrmGodograf* frmGodograf;

void OpenGodograf();
