#pragma once

#include "chart/ChartColors.h"
#include "chart/ChartValueList.h"
#include "chart/GapColumn.h"

#include <QRect>
#include <vector>

class QPainter;
class TChartAxis;
class TChartParent;

// What a series draws against: the two axes (laid out for this drawing) and the
// plotting rectangle, edges inclusive.
struct TSeriesCanvas {
    QPainter& Painter;
    const TChartAxis& Horizontal;
    const TChartAxis& Vertical;
    QRect PlotRect;
};

// The point store of a chart: x and y columns and one colour per point, kept in
// ascending x order (the order of XValues). Points with equal x keep the order in
// which they were added. Every change asks the parent chart for a repaint.
class TChartSeries {
  public:
    TChartSeries();
    virtual ~TChartSeries();
    TChartSeries(const TChartSeries&) = delete;
    TChartSeries& operator=(const TChartSeries&) = delete;

    TChartValueList& XValues() { return xValues_; }
    const TChartValueList& XValues() const { return xValues_; }
    TChartValueList& YValues() { return yValues_; }
    const TChartValueList& YValues() const { return yValues_; }

    TColor SeriesColor() const { return seriesColor_; }
    void SetSeriesColor(TColor color);

    TChartParent* ParentChart() const { return parent_; }
    void SetParentChart(TChartParent* parent) { parent_ = parent; }

    // Inserts one point where its x keeps the order and returns its index.
    // `color` is a plain colour or clDefault (the series' colour, resolved when drawn).
    // Raises EOutOfMemory when the point cannot be stored; the series is then unchanged.
    int AddPoint(double x, double y, TColor color = clDefault);
    // Removes every point; asks for a repaint even when there was none.
    void ClearPoints();

    int PointCount() const { return xValues_.Count(); }
    double XValue(int index) const { return xValues_.Value(index); }
    double YValue(int index) const { return yValues_.Value(index); }
    // The colour point `index` is drawn in: its own, or the series' for clDefault
    // (and for an index beyond the colour list).
    TColor ValueColor(int index) const;

    // Draws the points that fall in the bottom axis's range, clipped by the caller.
    virtual void Draw(const TSeriesCanvas& canvas) const = 0;

  protected:
    void Repaint();

  private:
    TChartValueList xValues_;
    TChartValueList yValues_;
    TGapColumn<TColor> colors_;
    TColor seriesColor_;
    TChartParent* parent_ = nullptr;
};
