#pragma once

#include "curves/PlotTarget.h"

class TChart;
class TChartAxis;
class TChartSeries;
class TLabSamples;

// The plot target of a lab window: its chart, with the window's series by role.
// Axis writes go through the chart's validating setters (AxisException when
// refused); notices go to the program's notice box; samples go to the window's
// record as well (none is kept without one).
class ChartPlotTarget : public PlotTarget {
  public:
    struct SeriesRoles {
        TChartSeries* curve = nullptr;
        TChartSeries* mirrorCurve = nullptr; // only the D-partition window has one
        TChartSeries* horizontalLine = nullptr;
        TChartSeries* verticalLine = nullptr;
    };

    ChartPlotTarget(TChart& chart, const SeriesRoles& roles, TLabSamples* samples = nullptr);

    void ClearPoints(PlotSeries series) override;
    void AddPoint(PlotSeries series, double x, double y, PlotColor colour) override;
    void AddSample(PlotSeries series, double omega, double x, double y, PlotColor colour) override;
    double Minimum(PlotAxis axis) const override;
    double Maximum(PlotAxis axis) const override;
    void SetMinimum(PlotAxis axis, double value) override;
    void SetMaximum(PlotAxis axis, double value) override;
    void ShowNotice(const QString& text) override;

  private:
    TChartSeries& Series(PlotSeries series) const;
    TChartAxis& Axis(PlotAxis axis) const;

    TChart& chart_;
    SeriesRoles roles_;
    TLabSamples* samples_;
};
