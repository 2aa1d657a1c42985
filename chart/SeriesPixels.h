#pragma once

#include "chart/ChartAxis.h"
#include "chart/ChartSeries.h"

#include <QPoint>

// The pixel of point `index` of a series on the canvas axes, and whether it lies
// in the range the drawing surface accepts (|coordinate| <= 32766).
struct TPointPixel {
    QPoint Pixel;
    bool Drawable = false;
};

TPointPixel PointPixel(const TChartSeries& series, int index, const TSeriesCanvas& canvas);
