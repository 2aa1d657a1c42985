#pragma once

// What series and axes need from the chart that owns them: a way to ask for a
// repaint, and whether the chart is being torn down.
class TChartParent {
  public:
    virtual ~TChartParent() = default;

    // Marks the picture stale and asks the platform for a (coalesced) repaint.
    virtual void Invalidate() = 0;
    // True while the chart is being destroyed: clearing series then asks for nothing.
    virtual bool Destroying() const { return false; }
};
