#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Where the text beside a mark goes, as a rectangle of `text`'s size (edges
// inclusive): right of the mark and above it, `clearance` pixels away from its pixel;
// left of it where the right edge of `area` would cut the text, below it where the top
// edge would. Then moved into `area` as far as the text fits there.
QRect PlaceMarkLabel(const QPoint& mark, int clearance, const QSize& text, const QRect& area);
