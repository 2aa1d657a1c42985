#include "chart/MarkPainter.h"

#include "chart/ChartAxis.h"
#include "chart/HatchStrokes.h"
#include "chart/MarkLabelPlace.h"
#include "chart/PixelLine.h"
#include "chart/SegmentClip.h"
#include "chart/ShapeClip.h"
#include "chart/TextCache.h"

#include <QPainter>

#include <cmath>
#include <limits>
#include <numbers>

namespace {

// The sizes of the marks in logical pixels. The ring of a characteristic point stands
// clear of a curve drawn two pixels wide; the critical point's is larger and crossed,
// so that it stays visible on the axis line through it.
constexpr int RingRadius = 3;
constexpr int CriticalRadius = 5;
constexpr int CrossHalf = 3; // the cross's arms reach this far along each diagonal
// Between the ring and its text.
constexpr int LabelGap = 2;
// Segments of a ring drawn as a polygon (where a vector device has to cut it).
constexpr int RingSegments = 32;

int MarkRadius(TMarkShape shape) {
    return shape == TMarkShape::Critical ? CriticalRadius : RingRadius;
}

bool InRange(const TChartAxis& axis, double value) {
    return value >= axis.ViewMin() && value <= axis.ViewMax();
}

// The path in logical coordinates; a point beyond reach becomes a break.
std::vector<QPointF> PixelPath(const THatchedPath& path, const TChartAxis& horizontal,
                               const TChartAxis& vertical) {
    constexpr double Break = std::numeric_limits<double>::quiet_NaN();
    std::vector<QPointF> pixels;
    pixels.reserve(path.Points.size());
    for (const TValuePoint& point : path.Points) {
        const std::optional<double> x = horizontal.ValueToCoordinate(point.X);
        const std::optional<double> y = vertical.ValueToCoordinate(point.Y);
        pixels.emplace_back(x && y ? QPointF(*x, *y) : QPointF(Break, Break));
    }
    return pixels;
}

void SetThinPen(QPainter& painter, TColor color) {
    ApplyChartPen(painter, TChartPen{color, 1, psSolid, true}, color);
}

// Draws the lines, cut to the clip of a vector device (see ShapeClip) when there is one.
void DrawLinesCut(QPainter& painter, const std::vector<QLineF>& lines,
                  const std::optional<QRectF>& clip) {
    std::vector<QLineF> cut;
    cut.reserve(lines.size());
    for (const QLineF& line : lines) {
        double t0 = 0, t1 = 1;
        if (clip && (!ClipSegment(line.p1(), line.p2(), *clip, t0, t1) || t1 <= t0))
            continue;
        cut.emplace_back(PointAlong(line.p1(), line.p2(), t0),
                         PointAlong(line.p1(), line.p2(), t1));
    }
    if (!cut.empty())
        painter.drawLines(cut.data(), int(cut.size()));
}

// A ring about the pixel. Shapes are placed at whole coordinates: without
// antialiasing the painter draws a point there into the pixel it names, and a ring or
// a diagonal about a pixel comes out symmetric. A vector device keeps no clip: a ring
// that crosses it is drawn there as a polygon cut to it.
void DrawRing(QPainter& painter, const QPoint& pixel, int radius,
              const std::optional<QRectF>& clip) {
    const QPointF centre(pixel);
    const double outer = radius + 0.5; // with the pen
    if (!clip ||
        clip->contains(QRectF(centre - QPointF(outer, outer), QSizeF(2 * outer, 2 * outer)))) {
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(centre, radius, radius);
        return;
    }
    std::vector<QLineF> lines;
    QPointF previous = centre + QPointF(radius, 0);
    for (int k = 1; k <= RingSegments; ++k) {
        const double angle = 2 * std::numbers::pi * k / RingSegments;
        const QPointF next = centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
        lines.emplace_back(previous, next);
        previous = next;
    }
    DrawLinesCut(painter, lines, clip);
}

// Both diagonals through the pixel, CrossHalf pixels each way. Each arm runs on to
// the edge of its last pixel: ending on the pixel's centre, the right one of each
// diagonal would be left out.
void DrawCross(QPainter& painter, const QPoint& pixel, const std::optional<QRectF>& clip) {
    const QPointF centre(pixel);
    const double reach = CrossHalf + 0.5;
    const QPointF arm(reach, reach), mirrored(reach, -reach);
    DrawLinesCut(painter,
                 {QLineF(centre - arm, centre + arm), QLineF(centre - mirrored, centre + mirrored)},
                 clip);
}

void DrawLabel(QPainter& painter, const QPoint& pixel, int radius, const QString& text,
               const QRect& clip, TTextCache& texts) {
    const QFontMetrics& metrics = texts.Metrics();
    const QRect place =
        PlaceMarkLabel(pixel, radius + LabelGap, QSize(texts.Width(text), metrics.height()), clip);
    painter.setPen(ToQColor(MarkLabelFont().Color));
    painter.setBackgroundMode(Qt::TransparentMode);
    texts.Draw(painter, QPoint(place.left(), place.top() + metrics.ascent()), text);
}

} // namespace

void DrawHatching(QPainter& painter, const std::vector<THatchedPath>& paths,
                  const TChartAxis& horizontal, const TChartAxis& vertical, const QRect& clip) {
    // The clip's pixels, each centred on its whole coordinates (see ValueToCoordinate).
    const QRectF area(QPointF(clip.left() - 0.5, clip.top() - 0.5),
                      QPointF(clip.right() + 0.5, clip.bottom() + 0.5));
    for (const THatchedPath& path : paths) {
        const std::vector<QLineF> strokes =
            HatchStrokes(PixelPath(path, horizontal, vertical), path.Side, area);
        if (strokes.empty())
            continue;
        SetThinPen(painter, path.Color);
        painter.drawLines(strokes.data(), int(strokes.size()));
    }
}

void DrawMarks(QPainter& painter, const std::vector<TChartMark>& marks,
               const TChartAxis& horizontal, const TChartAxis& vertical, const QRect& clip,
               TTextCache& texts) {
    const std::optional<QRectF> shapeClip = ShapeClip(painter);
    // The shapes first, then the texts, so that no ring covers a neighbour's text.
    for (const TChartMark& mark : marks) {
        if (!InRange(horizontal, mark.X) || !InRange(vertical, mark.Y))
            continue;
        const QPoint pixel(horizontal.ValueToPixel(mark.X), vertical.ValueToPixel(mark.Y));
        SetThinPen(painter, mark.Color);
        DrawRing(painter, pixel, MarkRadius(mark.Shape), shapeClip);
        if (mark.Shape == TMarkShape::Critical)
            DrawCross(painter, pixel, shapeClip);
    }
    for (const TChartMark& mark : marks) {
        if (mark.Label.isEmpty() || !InRange(horizontal, mark.X) || !InRange(vertical, mark.Y))
            continue;
        const QPoint pixel(horizontal.ValueToPixel(mark.X), vertical.ValueToPixel(mark.Y));
        DrawLabel(painter, pixel, MarkRadius(mark.Shape), mark.Label, clip, texts);
    }
}
