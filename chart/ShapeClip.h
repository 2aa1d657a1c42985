#pragma once

#include <QRectF>

#include <optional>

class QPainter;

// The rectangle a vector drawing has to cut its shapes to itself. Qt's SVG generator
// (Qt 6.4) writes no clip at all, so a series clipped to the plotting rectangle on
// the screen would run across the whole picture there: on a device that does not
// rasterise, the painter's clip (one rectangle, in logical coordinates) comes back
// here, and the chart cuts its lines and fills to it. None on raster devices, which
// clip by themselves, and without a clip.
std::optional<QRectF> ShapeClip(const QPainter& painter);
