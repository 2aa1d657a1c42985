#pragma once

#include "chart/ChartAxis.h"

#include <QRect>

class QPainter;
class TTextCache;

// Text measurement in a font, for the axis arithmetic. The measure refers to `texts`.
TTextMeasure MeasureWith(TTextCache& texts);

// Paints one laid-out axis: its labels in labelTexts (the texts of the axis's labels
// font), then its axis line, ticks, grid lines and minor ticks. `plot` is the plotting
// rectangle, edges inclusive.
void DrawAxis(QPainter& painter, const TChartAxis& axis, const TAxisTicks& ticks,
              TTextCache& labelTexts, const QRect& plot);
