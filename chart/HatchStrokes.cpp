#include "chart/HatchStrokes.h"

#include "chart/SegmentClip.h"

#include <cmath>

namespace {

bool Finite(const QPointF& p) {
    return std::isfinite(p.x()) && std::isfinite(p.y());
}

// The stroke from `base` along the unit normal, cut to the area; none when nothing
// of it is left.
void AddStroke(std::vector<QLineF>& strokes, const QPointF& base, const QPointF& normal,
               double length, const QRectF& area) {
    const QPointF tip = base + normal * length;
    double t0 = 0, t1 = 0;
    if (!ClipSegment(base, tip, area, t0, t1) || t1 <= t0)
        return;
    strokes.emplace_back(PointAlong(base, tip, t0), PointAlong(base, tip, t1));
}

// Where along a segment of length `length` the next stroke lies when this one's first
// lies `offset` from its start: the distance from the next segment's start.
double NextOffset(double offset, double length, double spacing) {
    if (offset >= length)
        return offset - length;
    const double past = std::fmod(length - offset, spacing);
    return past == 0 ? 0 : spacing - past;
}

} // namespace

std::vector<QLineF> HatchStrokes(const std::vector<QPointF>& path, int side, const QRectF& area,
                                 const THatchGeometry& geometry) {
    std::vector<QLineF> strokes;
    const double spacing = geometry.Spacing;
    if (!(spacing > 0) || !(geometry.Length > 0))
        return strokes;
    const double start = spacing / 2;
    double offset = start; // from the start of the current segment to its first stroke
    for (std::size_t i = 1; i < path.size(); ++i) {
        const QPointF& a = path[i - 1];
        const QPointF& b = path[i];
        if (!Finite(a) || !Finite(b)) {
            offset = start;
            continue;
        }
        const QPointF d = b - a;
        const double length = std::hypot(d.x(), d.y());
        if (!(length > 0) || !std::isfinite(length))
            continue;
        double t0 = 0, t1 = 0;
        if (ClipSegment(a, b, area, t0, t1)) {
            // On screen (y downwards) the left of the direction (dx, dy) is (dy, -dx).
            const double sign = side < 0 ? -1 : 1;
            const QPointF normal(sign * d.y() / length, -sign * d.x() / length);
            // The strokes at offset + k * spacing that fall within [t0, t1] of the segment;
            // one at its very end belongs to the next segment.
            const double from = t0 * length, to = t1 * length;
            const double first = from <= offset ? 0 : std::ceil((from - offset) / spacing);
            double last = std::floor((to - offset) / spacing);
            if (offset + last * spacing >= length)
                --last;
            for (double k = first; k <= last; ++k) {
                const double at = (offset + k * spacing) / length;
                AddStroke(strokes, PointAlong(a, b, at), normal, geometry.Length, area);
            }
        }
        offset = NextOffset(offset, length, spacing);
    }
    return strokes;
}
