#pragma once

#include "chart/ChartParent.h"

// Counts the repaint requests of series and axes in place of a chart widget.
class FakeChartParent : public TChartParent {
  public:
    void Invalidate() override { ++requests; }
    bool Destroying() const override { return destroying; }

    int requests = 0;
    bool destroying = false;
};
