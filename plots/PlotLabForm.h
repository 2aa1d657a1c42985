#pragma once

#include "curves/LabSamples.h"
#include "curves/PlotTarget.h"
#include "curves/SamplesText.h"
#include "forms/LabForm.h"
#include "plots/ChartPlotTarget.h"

#include <QStringList>
#include <functional>
#include <utility>

class TChart;
class TExportActions;
class TLineSeries;
class TSampleReadout;

// What a plotting window is made of, besides its series: the frame and panel, the
// chart's title, whether the chart shows its own axis lines, and the names of the
// points' columns when they are copied or saved.
struct TPlotLabDesign {
    QString caption;
    QSize clientSize;
    LabPanelLayout panel;
    QString chartTitle;
    bool axisLinesVisible = false;
    TSampleColumns columns;
};

// The window of a plotting lab: the common lab frame with its coefficient panel, and
// left of the panel the chart, with what the three labs share: the black
// coordinate-axis lines, the record of the last run's samples, copying and saving the
// picture and the points, the readout under the pointer, and the run's frame. A
// window adds its own caption, fields, equation picture, series and sampling run.
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

    // The run handler's body: the export actions brought up to date however the run
    // ends, the record no longer the latest run's until the run samples, the
    // empty-field check, then the lab's run on the field texts.
    void RunLab(TPlotRun run);
    // ResetAxes on the chart of `held` (the global reference), or on this window's own
    // when it was made without its opening routine.
    void ResetAxesOf(TPlotLabForm* held);

  private:
    ChartPlotTarget Target(TLabSamples* samples = nullptr);

    ChartPlotTarget::SeriesRoles roles_;
    TLineSeries* horizontalLine_ = nullptr;
    TLineSeries* verticalLine_ = nullptr;
    TLabSamples samples_;
};
