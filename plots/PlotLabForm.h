#pragma once

#include "chart/HatchedPath.h"
#include "curves/FrequencyRange.h"
#include "curves/LabSamples.h"
#include "curves/PlotTarget.h"
#include "curves/SamplesText.h"
#include "forms/AnalysisWindow.h"
#include "forms/LabForm.h"
#include "plots/ChartPlotTarget.h"
#include "reports/AnalysisReport.h"

#include <QStringList>
#include <functional>
#include <utility>
#include <vector>

class TChart;
class TExportActions;
class TLineSeries;
class TSampleReadout;

// What a plotting window is made of, besides its series: the frame and panel, the
// chart's title, whether the chart shows its own axis lines, the names of the points'
// columns when they are copied or saved, and the frequencies the lab samples.
struct TPlotLabDesign {
    QString caption;
    QSize clientSize;
    LabPanelLayout panel;
    QString chartTitle;
    bool axisLinesVisible = false;
    TSampleColumns columns;
    TFrequencyRange frequencies{10, 1000};
};

// The window of a plotting lab: the common lab frame with its coefficient panel, and left
// of the panel the chart, with what the three labs share: the black coordinate-axis
// lines, the record of the last run's samples, copying and saving the picture and the
// points, the readout under the pointer, the run's frame, and the analysis (its window,
// the upper frequency of the chart and the marks on it). A window adds its own caption,
// fields, equation picture, series, sampling run and the analysis of its coefficients.
class TPlotLabForm : public TLabForm {
    Q_OBJECT
  public:
    // Both axes to 0..0 on the chart of the window the lab's global reference holds.
    virtual void ResetAxes() = 0;

    // The samples of the latest run in the order computed, with their frequencies.
    const TLabSamples& Samples() const { return samples_; }

    // The coordinate-axis lines: every completed run adds to them, none clears them.
    TLineSeries* HorizontalAxisLine() const { return horizontalLine_; }
    TLineSeries* VerticalAxisLine() const { return verticalLine_; }

    // The highest frequency the chart samples: the lab's own until the student chooses
    // another, which is kept for this lab until the program ends.
    double UpperFrequency() const;
    // Chooses the upper frequency (kept for this lab until the program ends) and draws a
    // chart already drawn again at it. The lab's own value goes back to the lab's own run.
    void ChooseUpperFrequency(double value);
    // Opens (or brings up) the analysis window with the analysis of the latest run.
    void ShowAnalysis() override;
    // The analysis window; null until it was first opened.
    TAnalysisWindow* Analysis() const { return analysis_; }

    TChart* Chart = nullptr;
    // Copying and saving the picture and the points (context menu and shortcuts).
    TExportActions* Export = nullptr;

  protected:
    explicit TPlotLabForm(const TPlotLabDesign& design);

    // The two coordinate-axis lines, black and 2 pixels wide, drawn over the series
    // added before them: a window adds them right after its curves.
    std::pair<TLineSeries*, TLineSeries*> AddAxisLineSeries();
    // The window's series by the roles its run writes to.
    void SetSeriesRoles(const ChartPlotTarget::SeriesRoles& roles) { roles_ = roles; }
    // The readout of the samples with the lab's text; returned to add a marked point.
    TSampleReadout* SetReadout(QString (*text)(const TLabSample&));

    // The run handler's body: the export actions and the analysis brought up to date
    // however the run ends, the record no longer the latest run's until the run samples,
    // the empty-field check, then the lab's run on the field texts at the chosen range.
    void RunLab(TPlotRun run, bool plotEvenIfUnstable = false);
    // ResetAxes on the chart of `held` (the global reference), or on this window's own
    // when it was made without its opening routine.
    void ResetAxesOf(TPlotLabForm* held);

    // The lab's analysis of the texts of a run (as its fields held them), with
    // `upperFrequency` the range drawn. Errors of the texts propagate.
    virtual TAnalysisReport Analyse(const QStringList& texts, double upperFrequency) const = 0;
    // What the analysis window offers besides the range and the marks of points.
    virtual TAnalysisWindow::TParts AnalysisParts() const;
    // Shading to draw with the marks (the D-partition's boundary); none by default.
    virtual std::vector<THatchedPath> Hatching() const { return {}; }
    // A second line of the chart's title for the latest run, beside the range's; none by
    // default.
    virtual QString TitleNote() const { return QString(); }
    // Runs the lab again as the student last ran it (after the range changed).
    virtual void RunAgain() { lblRunClick(); }
    // Plots the system the lab's own test refused (the analysis window's button).
    virtual void PlotRefused() {}
    // Whether the latest run stopped at the lab's own notice, after reading its fields.
    bool StoppedAtNotice() const { return stoppedAtNotice_; }
    // The texts of the latest run that got past the empty-field check.
    const QStringList& LatestTexts() const { return latestTexts_; }

  private:
    ChartPlotTarget Target(TLabSamples* samples = nullptr);
    void CreateAnalysisWindow();
    void ChooseTypedFrequency(const QString& text);
    // After every run and every change of range or marks: the analysis text, the marks
    // and the chart's title.
    void RefreshAnalysis();
    void ShowMarks(const TAnalysisReport& report);
    void ShowTitle();

    TPlotLabDesign design_;
    ChartPlotTarget::SeriesRoles roles_;
    TLineSeries* horizontalLine_ = nullptr;
    TLineSeries* verticalLine_ = nullptr;
    TLabSamples samples_;
    TAnalysisWindow* analysis_ = nullptr;
    QStringList latestTexts_;
    bool stoppedAtNotice_ = false;
    double suggestedUpperFrequency_ = 0;
};
