#pragma once

#include "curves/LabSamples.h"
#include "forms/LabForm.h"

class QLabel;
class TChart;
class TEquationPicture;
class TExportActions;
class TLineSeries;

// The D-partition lab: the boundary in the plane of a3 for positive frequencies
// and its mirror for negative ones, with black coordinate-axis lines.
class TfrmDRazb : public TLabForm {
    Q_OBJECT
  public:
    TfrmDRazb();
    void lblRunClick() override;
    // Both axes to 0..0 on the chart of the window held by frmDRazb.
    void ResetAxes();
    // The samples of the latest run in the order computed, with their frequencies.
    const TLabSamples& Samples() const { return samples_; }

    TEquationPicture* Image1 = nullptr;
    TChart* Chart = nullptr;
    TLineSeries* Series1 = nullptr; // boundary for ω >= 0
    TLineSeries* Series2 = nullptr; // its mirror, ω <= 0
    TLineSeries* Series3 = nullptr; // horizontal coordinate axis
    TLineSeries* Series4 = nullptr; // vertical coordinate axis
    QLabel* Label2 = nullptr;       // "Q"
    QLabel* Label3 = nullptr;       // "P"

    // Copying and saving the picture and the points (context menu and shortcuts).
    TExportActions* Export = nullptr;

  private:
    TLabSamples samples_;
};

// The window while it exists; null before its first opening and after each closing.
extern TfrmDRazb* frmDRazb;

void OpenDRazb();
