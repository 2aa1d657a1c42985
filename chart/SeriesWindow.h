#pragma once

class TChartSeries;

// The points of a series that one drawing visits: from the first point whose x is
// not less than `left` to the last point, or, when the last point lies beyond
// `right`, to the first point at or beyond `right` (one point past the edge, whose
// segment the clip cuts). Empty when no point reaches `left`.
struct TSeriesWindow {
    int First = -1;
    int Last = -1;
    bool Empty() const { return First < 0; }
};

TSeriesWindow VisibleWindow(const TChartSeries& series, double left, double right);
