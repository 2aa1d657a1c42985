#pragma once

#include "chart/ChartPen.h"
#include "chart/ChartSeries.h"
#include "chart/SeriesPointer.h"

class TRectFiller;

// A series drawn with a line pen and/or point markers.
class TCustomSeries : public TChartSeries {
  public:
    const TChartPen& LinePen() const { return linePen_; }
    void SetLinePen(const TChartPen& pen);
    void SetLinePenWidth(int width);

    const TSeriesPointer& Pointer() const { return pointer_; }
    // Note: the pointer's pen is visible by default; a chart whose markers are
    // plain filled squares hides it (Pen.Visible = false).
    void SetPointer(const TSeriesPointer& pointer);

  protected:
    // The marker of one point at pixel (px, py) in the point's resolved colour.
    void DrawPointer(TRectFiller& filler, int px, int py, TColor color) const;

  private:
    TChartPen linePen_;
    TSeriesPointer pointer_;
};
