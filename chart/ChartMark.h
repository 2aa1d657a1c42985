#pragma once

#include "chart/ChartColors.h"

#include <QString>

// How a mark is drawn at its point.
enum class TMarkShape {
    Ring,     // a small ring: a characteristic point of a curve
    Critical, // a larger ring with a diagonal cross: the point a criterion is judged by,
              // clear of the axis line that often runs through it
};

// A point marked on the chart, in the axes' values, with a short text beside it (in
// the chart's label font, black). A mark outside the axes' ranges is not drawn.
struct TChartMark {
    double X = 0;
    double Y = 0;
    TColor Color = clBlack;
    TMarkShape Shape = TMarkShape::Ring;
    QString Label;

    bool operator==(const TChartMark&) const = default;
};
