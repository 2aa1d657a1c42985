#pragma once

#include "forms/AnalysisWindow.h"
#include "forms/LabForm.h"
#include "roots/RootFinder.h"

class TReportMemo;

// The root lab: four real coefficients a0 + a1 p + a2 p^2 + a3 p^3 (a0 the constant
// term), the roots printed as text in the area left of the panel.
class TfrmLaguerre : public TLabForm {
    Q_OBJECT
  public:
    TfrmLaguerre();
    // Empty check, then a0..a3 read in order; only after all four converted is the
    // root lab state reset, loaded and searched, and the report written. A conversion
    // error or a floating-point fault leaves the previous report in place.
    void lblRunClick() override;

    // Opens (or brings up) the analysis window with the analysis of the latest search.
    void ShowAnalysis() override;

    TReportMemo* Memo = nullptr;
    // The analysis window; null until it was first opened.
    TAnalysisWindow* Analysis = nullptr;

    double a0 = 0, a1 = 0, a2 = 0, a3 = 0;

  private:
    void RefreshAnalysis();

    bool searched_ = false; // a search has run since the window opened
};

// The window while it exists; null before its first opening and after each closing.
extern TfrmLaguerre* frmLaguerre;

void OpenLaguerre();

// Writes the report of a search with the given status into the text area of the window
// frmLaguerre holds (nothing when no window is open), reading RootCount, Roots and
// IterationLimit from the root lab state.
void ShowRootReport(TRootStatus status);
