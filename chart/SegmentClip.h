#pragma once

#include <QPointF>
#include <QRectF>

// The part of the segment (x0, y0) + t (dx, dy), 0 <= t <= 1, between the four edges
// (included): its parameter range [t0, t1], or false when nothing of it lies there.
bool ClipSegmentToEdges(double x0, double y0, double dx, double dy, double left, double top,
                        double right, double bottom, double& t0, double& t1);

// The part of the segment a + t (b - a), 0 <= t <= 1, that lies in `rect` (edges
// included): its parameter range [t0, t1], or false when nothing of it does.
bool ClipSegment(const QPointF& a, const QPointF& b, const QRectF& rect, double& t0, double& t1);

// The point at parameter t, taken from the nearer end: a path point millions of
// pixels away keeps the pixels near the plot exact.
QPointF PointAlong(const QPointF& a, const QPointF& b, double t);
