#pragma once

#include "chart/ChartColors.h"

enum TPenStyle { psSolid, psDot, psClear };

// A pen of the chart: the lines of axes, grid, ticks, frames and series.
struct TChartPen {
    TColor Color = clBlack;
    int Width = 1;
    TPenStyle Style = psSolid;
    bool Visible = true;

    bool operator==(const TChartPen&) const = default;
};
