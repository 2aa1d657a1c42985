#pragma once

#include "chart/ChartColors.h"
#include "chart/ChartPen.h"

// The marker drawn at each point (rectangle style). Filled with BrushColor, or
// with the point's own colour when BrushColor is clDefault; outlined with Pen when
// the pen is visible. With the pen hidden a marker covers 2*HorizSize x 2*VertSize
// pixels whose top-left pixel is (px - HorizSize, py - VertSize).
struct TSeriesPointer {
    bool Visible = true;
    int HorizSize = 4;
    int VertSize = 4;
    TChartPen Pen;
    TColor BrushColor = clDefault;

    bool operator==(const TSeriesPointer&) const = default;
};
