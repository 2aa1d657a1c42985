#pragma once

#include "chart/ChartColors.h"

#include <vector>

// A point in the axes' values.
struct TValuePoint {
    double X = 0;
    double Y = 0;

    bool operator==(const TValuePoint&) const = default;
};

// A path shaded on one side with short strokes, as a boundary between regions is
// hatched: the points in the order the path is walked. The path itself is not drawn
// (its curve is a series of its own). A point that is not a finite number, or lies too
// far from the plot to be placed exactly (TChartAxis::ValueToCoordinate), breaks the
// path: no stroke is drawn on the segments either side of it.
struct THatchedPath {
    std::vector<TValuePoint> Points;
    int Side = 1; // +1: the left of the walking direction, -1: the right
    TColor Color = clBlack;

    bool operator==(const THatchedPath&) const = default;
};
