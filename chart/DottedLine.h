#pragma once

#include "chart/ChartColors.h"

#include <QPoint>

class TRectFiller;

// A dotted grid line (a one-pixel pen with the dot pattern: one pixel on, two off)
// from pixel `from` towards `to`, end excluded, written as single pixels through the
// filler: dots at from, from + 3, from + 6 ... in the line's direction, the pixels the
// painter's dotted pen gives. Only horizontal and vertical lines whose ends lie in the
// filler's direct area are drawn so; false means nothing was drawn and the caller
// draws the line with the pen. The painter walks the pattern pixel by pixel, which
// made the grid a quarter of a chart's drawing.
bool DrawDottedLineDirect(TRectFiller& filler, const QPoint& from, const QPoint& to, TColor color);
