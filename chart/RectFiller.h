#pragma once

#include "chart/ChartColors.h"

#include <QColor>
#include <QRect>

#include <optional>

class QPainter;

// Fills many small rectangles (the point markers) in one drawing. When the painter
// draws untransformed and fully opaque into a 32-bit image, clipped to one
// rectangle, a fill writes the image's pixels directly: the same pixels the painter
// would write, without its per-call cost. Otherwise every fill goes to the painter,
// cut to the clip on a vector device (see ShapeClip).
class TRectFiller {
  public:
    explicit TRectFiller(QPainter& painter);

    // Whether fills write the image directly, and within which rectangle (the clip).
    bool Direct() const { return bits_ != nullptr; }
    const QRect& DirectArea() const { return clip_; }

    // Fills `rect` (logical pixels) with an opaque colour, as QPainter::fillRect does.
    void Fill(const QRect& rect, const QColor& color);
    // The same with a chart colour, whose conversion is kept for the next fill:
    // markers come in long runs of one colour.
    void Fill(const QRect& rect, TColor color);

  private:
    void FillPixels(const QRect& rect, QRgb pixel);
    void FillWithPainter(const QRect& rect, const QColor& color);

    QPainter& painter_;
    uchar* bits_ = nullptr; // the image's pixels when the direct way is open
    qsizetype bytesPerLine_ = 0;
    QRect clip_;
    std::optional<QRectF> shapeClip_; // on a vector device: the clip to cut fills to
    std::optional<TColor> lastColor_;
    QColor lastQColor_;
    bool lastOpaque_ = false;
    QRgb lastPixel_ = 0;
};
