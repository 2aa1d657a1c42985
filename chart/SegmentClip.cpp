#include "chart/SegmentClip.h"

#include <algorithm>

bool ClipSegmentToEdges(double x0, double y0, double dx, double dy, double left, double top,
                        double right, double bottom, double& t0, double& t1) {
    // Liang-Barsky: each edge bounds the parameter from one side.
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x0 - left, right - x0, y0 - top, bottom - y0};
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

bool ClipSegment(const QPointF& a, const QPointF& b, const QRectF& rect, double& t0, double& t1) {
    return ClipSegmentToEdges(a.x(), a.y(), b.x() - a.x(), b.y() - a.y(), rect.left(), rect.top(),
                              rect.right(), rect.bottom(), t0, t1);
}

QPointF PointAlong(const QPointF& a, const QPointF& b, double t) {
    if (t <= 0.5)
        return a + (b - a) * t;
    return b - (b - a) * (1 - t);
}
