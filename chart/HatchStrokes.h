#pragma once

#include <QLineF>
#include <QPointF>
#include <QRectF>

#include <vector>

// The size of the hatching, in logical pixels: strokes that far apart along the path
// and that long, whatever the zoom.
struct THatchGeometry {
    double Spacing = 8;
    double Length = 6;
};

// The strokes that hatch a path on one side, worked out without a painter. `path` is
// in logical coordinates with y downwards, in the order the path is walked; a point
// with a coordinate that is not finite breaks it. Each stroke starts on the path and
// runs perpendicular to its segment, towards the left of the walking direction as the
// picture shows it for side +1 and towards the right for side -1. The strokes follow
// one another at Spacing along the path, corners included (the first half a spacing
// from the start and from every break), and are cut to `area`; parts of the path
// outside it cost only their length.
std::vector<QLineF> HatchStrokes(const std::vector<QPointF>& path, int side, const QRectF& area,
                                 const THatchGeometry& geometry = {});
