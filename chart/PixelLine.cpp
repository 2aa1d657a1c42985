#include "chart/PixelLine.h"

#include <QLineF>
#include <QPainter>
#include <QPen>
#include <QRectF>
#include <cmath>

namespace {

// The raster engine works in fixed point: keep coordinates well inside its range.
constexpr double SafeLimit = 100000.0;

// Cuts the segment to the square [-SafeLimit, SafeLimit]^2 (Liang-Barsky); false
// when nothing of it is inside.
bool CutToSafeRange(QLineF& line) {
    const double x0 = line.x1(), y0 = line.y1();
    const double dx = line.dx(), dy = line.dy();
    double t0 = 0, t1 = 1;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x0 + SafeLimit, SafeLimit - x0, y0 + SafeLimit, SafeLimit - y0};
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
    line = QLineF(x0 + t0 * dx, y0 + t0 * dy, x0 + t1 * dx, y0 + t1 * dy);
    return true;
}

} // namespace

void ApplyChartPen(QPainter& painter, const TChartPen& pen, TColor color) {
    if (!pen.Visible || pen.Style == psClear) {
        painter.setPen(Qt::NoPen);
        return;
    }
    QPen qpen(ToQColor(color));
    qpen.setWidth(pen.Width < 1 ? 1 : pen.Width);
    qpen.setCapStyle(Qt::FlatCap);
    qpen.setJoinStyle(Qt::MiterJoin);
    qpen.setCosmetic(false);
    if (pen.Style == psDot)
        qpen.setDashPattern({1.0, 2.0});
    painter.setPen(qpen);
}

void DrawPixelLine(QPainter& painter, const QPoint& from, const QPoint& to) {
    if (from == to)
        return;
    // Between pixel centres: the flat cap ends the stroke half-way into the end
    // pixel, which the rasteriser leaves out, and the line stays on the same
    // logical pixels at any device pixel ratio.
    QLineF line(QPointF(from) + QPointF(0.5, 0.5), QPointF(to) + QPointF(0.5, 0.5));
    const bool far = std::fabs(line.x1()) > SafeLimit || std::fabs(line.y1()) > SafeLimit ||
                     std::fabs(line.x2()) > SafeLimit || std::fabs(line.y2()) > SafeLimit;
    if (far && !CutToSafeRange(line))
        return;
    painter.drawLine(line);
}
