#include "chart/ChartFont.h"

#include <cmath>

QFont TChartFont::ToQFont() const {
    QFont font(Name);
    // The layouts are measured in pixels: a point size means its height at 96 dpi
    // (8 points are 11 pixels), whatever the screen's logical resolution says.
    font.setPixelSize(int(std::lround(Size * 96.0 / 72.0)));
    font.setBold(Bold);
    return font;
}
