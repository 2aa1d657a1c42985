#pragma once

#include "curves/LabSamples.h"
#include "forms/LabForm.h"

class QLabel;
class TChart;
class TEquationPicture;
class TExportActions;
class TLineSeries;

// The Mikhailov hodograph lab: the stability test, then D(jω) for ω from 0 to 13
// as a red line with black coordinate-axis lines.
class TfrmGodograf : public TLabForm {
    Q_OBJECT
  public:
    TfrmGodograf();
    void lblRunClick() override;
    // Both axes to 0..0 on the chart of the window held by frmGodograf.
    void ResetAxes();
    // The samples of the latest run in the order computed, with their frequencies.
    const TLabSamples& Samples() const { return samples_; }

    TEquationPicture* Image1 = nullptr;
    TChart* Chart = nullptr;
    TLineSeries* Series1 = nullptr; // the hodograph
    TLineSeries* Series3 = nullptr; // horizontal coordinate axis
    TLineSeries* Series4 = nullptr; // vertical coordinate axis
    QLabel* Label2 = nullptr;       // "jQ"
    QLabel* Label3 = nullptr;       // "P"

    // Copying and saving the picture and the points (context menu and shortcuts).
    TExportActions* Export = nullptr;

  private:
    TLabSamples samples_;
};

// The window while it exists; null before its first opening and after each closing.
extern TfrmGodograf* frmGodograf;

void OpenGodograf();
