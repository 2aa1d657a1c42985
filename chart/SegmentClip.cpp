#include "chart/SegmentClip.h"

#include <algorithm>

bool ClipSegment(const QPointF& a, const QPointF& b, const QRectF& rect, double& t0, double& t1) {
    // Liang-Barsky: each edge bounds the parameter from one side.
    const double dx = b.x() - a.x(), dy = b.y() - a.y();
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {a.x() - rect.left(), rect.right() - a.x(), a.y() - rect.top(),
                         rect.bottom() - a.y()};
    t0 = 0;
    t1 = 1;
    for (int k = 0; k < 4; ++k) {
        if (p[k] == 0) {
            if (q[k] < 0)
                return false;
            continue;
        }
        const double r = q[k] / p[k];
        if (p[k] < 0)
            t0 = std::max(t0, r);
        else
            t1 = std::min(t1, r);
        if (t0 > t1)
            return false;
    }
    return true;
}

QPointF PointAlong(const QPointF& a, const QPointF& b, double t) {
    if (t <= 0.5)
        return a + (b - a) * t;
    return b - (b - a) * (1 - t);
}
