#pragma once

#include "chart/ChartPen.h"

#include <QPoint>

class QPainter;

// The painter pen of a chart pen: flat caps, so that a line drawn between pixel
// centres ends before its end pixel; non-cosmetic, so that it is as thick in
// logical pixels at any device pixel ratio.
void ApplyChartPen(QPainter& painter, const TChartPen& pen, TColor color);

// A line from pixel `from` to pixel `to`, end pixel excluded, with the current pen.
// Segments far outside the drawable range are cut to it first.
void DrawPixelLine(QPainter& painter, const QPoint& from, const QPoint& to);
