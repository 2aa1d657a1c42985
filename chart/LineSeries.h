#pragma once

#include "chart/CustomSeries.h"

// A polyline through the points in stored (ascending x) order; each segment has
// the colour of its end point. Markers hidden by default.
class TLineSeries : public TCustomSeries {
  public:
    TLineSeries();
    void Draw(const TSeriesCanvas& canvas) const override;
};
