#pragma once

#include "chart/ChartPen.h"

#include <QLineF>
#include <QPoint>
#include <QRectF>

#include <optional>
#include <vector>

class QPainter;

// The painter pen of a chart pen: flat caps, so that a line drawn between pixel
// centres ends before its end pixel; non-cosmetic, so that it is as thick in
// logical pixels at any device pixel ratio.
void ApplyChartPen(QPainter& painter, const TChartPen& pen, TColor color);

// The painter line that covers the pixels from `from` up to, not including, `to`;
// none when the two are equal or the segment lies wholly far outside the drawable
// range (to which it is cut otherwise).
std::optional<QLineF> PixelLine(const QPoint& from, const QPoint& to);

// A line from pixel `from` to pixel `to`, end pixel excluded, with the current pen.
void DrawPixelLine(QPainter& painter, const QPoint& from, const QPoint& to);

// Pixel lines in one pen, handed to the painter together: each line is drawn exactly
// as on its own (the raster engine starts every line of a batch afresh, dash pattern
// included), but the per-call set-up is paid once per batch. Opaque pens without
// antialiasing only, where the order of the lines within a batch cannot show.
class TPixelLineBatch {
  public:
    explicit TPixelLineBatch(QPainter& painter);
    ~TPixelLineBatch() { Flush(); }
    TPixelLineBatch(const TPixelLineBatch&) = delete;
    TPixelLineBatch& operator=(const TPixelLineBatch&) = delete;

    void Add(const QPoint& from, const QPoint& to);
    // Draws what was added; call before the pen changes or anything else is drawn.
    void Flush();

  private:
    QPainter& painter_;
    std::optional<QRectF> shapeClip_;
    std::vector<QLineF> lines_;
};
