#pragma once

#include "chart/CustomSeries.h"

// One marker per point, no line.
class TPointSeries : public TCustomSeries {
  public:
    TPointSeries();
    void Draw(const TSeriesCanvas& canvas) const override;
};
