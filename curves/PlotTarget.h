#pragma once

#include "ground/Colors.h"

#include <QString>
#include <QStringList>
#include <functional>

// What a plotting lab's run does to its window, and nothing more: the run code
// talks to this interface so that it can be exercised without a window, and the
// window hands it an adapter to its chart.

enum class PlotAxis { Bottom, Left };

// The series of a lab by their role; each window maps the roles to its own series.
enum class PlotSeries {
    Curve,          // the computed curve (and, in the Nyquist lab, the critical point)
    MirrorCurve,    // the D-partition branch for negative frequencies
    HorizontalLine, // the coordinate axis y = 0, never cleared
    VerticalLine,   // the coordinate axis x = 0, never cleared
};

// Point colours are the chart's: clRed and clBlue for computed points, clDefault
// for the series' own colour.
using PlotColor = TColor;

class PlotTarget {
  public:
    virtual ~PlotTarget() = default;

    virtual void ClearPoints(PlotSeries series) = 0;
    virtual void AddPoint(PlotSeries series, double x, double y, PlotColor colour) = 0;
    // A computed sample: the point (x, y) added as AddPoint adds it, and the sample
    // with the frequency it was computed at kept in the window's record, in the
    // order of the calls. Clearing the curve (or its mirror) clears the record.
    virtual void AddSample(PlotSeries series, double omega, double x, double y,
                           PlotColor colour) = 0;

    // The manual range of an axis. The setters validate against the other end as
    // it stands at the moment of the write and raise the chart's axis error when
    // refused; the getters let a run choose an order of writes they accept.
    virtual double Minimum(PlotAxis axis) const = 0;
    virtual double Maximum(PlotAxis axis) const = 0;
    virtual void SetMinimum(PlotAxis axis, double value) = 0;
    virtual void SetMaximum(PlotAxis axis, double value) = 0;

    // The program's own modal notice (an unstable system, for instance).
    virtual void ShowNotice(const QString& text) = 0;
};

struct TPlotRunOptions;

// A plotting lab's run after the empty-field check: the texts of its window's fields,
// the window's target, the window's ResetAxes, and what the window asks besides.
using TPlotRun = void (*)(const QStringList& texts, PlotTarget& target,
                          const std::function<void()>& resetAxes, const TPlotRunOptions& options);
