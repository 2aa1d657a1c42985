#pragma once

#include "chart/ChartAxis.h"

#include <QRect>

class QFont;
class QPainter;

// Text measurement in a font, for the axis arithmetic.
TTextMeasure MeasureWith(const QFont& font);

// Paints one laid-out axis: its labels in labelsFont (the QFont of the axis's labels
// font), then its axis line, ticks, grid lines and minor ticks. `plot` is the plotting
// rectangle, edges inclusive.
void DrawAxis(QPainter& painter, const TChartAxis& axis, const TAxisTicks& ticks,
              const QFont& labelsFont, const QRect& plot);
