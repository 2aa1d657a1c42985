#include "chart/SeriesPixels.h"

#include <cstdlib>

namespace {
constexpr int DrawableLimit = 32766;
}

TPointPixel PointPixel(const TChartSeries& series, int index, const TSeriesCanvas& canvas) {
    TPointPixel point;
    point.Pixel = QPoint(canvas.Horizontal.ValueToPixel(series.XValue(index)),
                         canvas.Vertical.ValueToPixel(series.YValue(index)));
    point.Drawable =
        std::abs(point.Pixel.x()) <= DrawableLimit && std::abs(point.Pixel.y()) <= DrawableLimit;
    return point;
}
