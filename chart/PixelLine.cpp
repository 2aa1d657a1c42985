#include "chart/PixelLine.h"

#include "chart/SegmentClip.h"
#include "chart/ShapeClip.h"

#include <QLineF>
#include <QPainter>
#include <QPen>
#include <QRectF>
#include <algorithm>
#include <cmath>

namespace {

// The raster engine works in fixed point: keep coordinates well inside its range.
constexpr double SafeLimit = 100000.0;

// Cuts the segment to the rectangle; false when nothing of it is inside.
bool CutToRect(QLineF& line, double left, double top, double right, double bottom) {
    const double x0 = line.x1(), y0 = line.y1();
    const double dx = line.dx(), dy = line.dy();
    double t0 = 0, t1 = 1;
    if (!ClipSegmentToEdges(x0, y0, dx, dy, left, top, right, bottom, t0, t1))
        return false;
    line = QLineF(x0 + t0 * dx, y0 + t0 * dy, x0 + t1 * dx, y0 + t1 * dy);
    return true;
}

// Cuts the segment to the square [-SafeLimit, SafeLimit]^2.
bool CutToSafeRange(QLineF& line) {
    return CutToRect(line, -SafeLimit, -SafeLimit, SafeLimit, SafeLimit);
}

// A line drawn onto a vector device is cut to the clip there (see ShapeClip).
bool CutToShapeClip(QLineF& line, const std::optional<QRectF>& clip) {
    return !clip || CutToRect(line, clip->left(), clip->top(), clip->right(), clip->bottom());
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

std::optional<QLineF> PixelLine(const QPoint& from, const QPoint& to) {
    if (from == to)
        return std::nullopt;
    // Between pixel centres, both ends moved back by half a pixel along the major
    // direction: the rasteriser takes the pixels whose centres lie in (start, end],
    // which are then exactly the pixels from `from` up to, not including, `to`. The
    // line keeps to the same logical pixels at any device pixel ratio.
    const double dx = to.x() - from.x();
    const double dy = to.y() - from.y();
    const double major = std::max(std::fabs(dx), std::fabs(dy));
    const QPointF back(0.5 - 0.5 * dx / major, 0.5 - 0.5 * dy / major);
    QLineF line(QPointF(from) + back, QPointF(to) + back);
    const bool far = std::fabs(line.x1()) > SafeLimit || std::fabs(line.y1()) > SafeLimit ||
                     std::fabs(line.x2()) > SafeLimit || std::fabs(line.y2()) > SafeLimit;
    if (far && !CutToSafeRange(line))
        return std::nullopt;
    return line;
}

void DrawPixelLine(QPainter& painter, const QPoint& from, const QPoint& to) {
    std::optional<QLineF> line = PixelLine(from, to);
    if (line && CutToShapeClip(*line, ShapeClip(painter)))
        painter.drawLine(*line);
}

TPixelLineBatch::TPixelLineBatch(QPainter& painter)
    : painter_(painter), shapeClip_(ShapeClip(painter)) {}

void TPixelLineBatch::Add(const QPoint& from, const QPoint& to) {
    std::optional<QLineF> line = PixelLine(from, to);
    if (line && CutToShapeClip(*line, shapeClip_))
        lines_.push_back(*line);
}

void TPixelLineBatch::Flush() {
    if (lines_.empty())
        return;
    painter_.drawLines(lines_.data(), int(lines_.size()));
    lines_.clear();
}
