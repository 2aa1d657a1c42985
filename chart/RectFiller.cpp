#include "chart/RectFiller.h"

#include "chart/ShapeClip.h"

#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <QRegion>

#include <algorithm>

namespace {

// The image behind the painter when writing its pixels gives what the painter would.
QImage* DirectImage(QPainter& painter) {
    QPaintDevice* device = painter.device();
    if (!device || device->devType() != QInternal::Image || !painter.paintEngine() ||
        painter.paintEngine()->type() != QPaintEngine::Raster)
        return nullptr;
    auto* image = static_cast<QImage*>(device);
    const bool plainFormat = image->format() == QImage::Format_ARGB32_Premultiplied ||
                             image->format() == QImage::Format_RGB32;
    // A shared image would detach on write, away from the buffer the painter uses.
    if (!plainFormat || !image->isDetached() || image->devicePixelRatio() != 1.0)
        return nullptr;
    if (!painter.deviceTransform().isIdentity() || painter.opacity() != 1.0 ||
        painter.compositionMode() != QPainter::CompositionMode_SourceOver)
        return nullptr;
    return image;
}

} // namespace

TRectFiller::TRectFiller(QPainter& painter) : painter_(painter) {
    QImage* image = DirectImage(painter);
    if (!image) {
        shapeClip_ = ShapeClip(painter);
        return;
    }
    clip_ = image->rect();
    if (painter.hasClipping()) {
        const QRegion region = painter.clipRegion();
        if (region.rectCount() != 1)
            return;
        clip_ &= region.boundingRect();
    }
    bits_ = image->bits();
    bytesPerLine_ = image->bytesPerLine();
}

void TRectFiller::Fill(const QRect& rect, const QColor& color) {
    if (!bits_ || !rect.isValid() || color.alpha() != 255) {
        FillWithPainter(rect, color);
        return;
    }
    // An opaque colour is the same word premultiplied or not.
    FillPixels(rect, color.rgba());
}

void TRectFiller::Fill(const QRect& rect, TColor color) {
    if (lastColor_ != color) {
        lastColor_ = color;
        lastQColor_ = ToQColor(color);
        lastOpaque_ = lastQColor_.alpha() == 255;
        lastPixel_ = lastQColor_.rgba();
    }
    if (!bits_ || !rect.isValid() || !lastOpaque_) {
        FillWithPainter(rect, lastQColor_);
        return;
    }
    FillPixels(rect, lastPixel_);
}

void TRectFiller::FillWithPainter(const QRect& rect, const QColor& color) {
    if (!shapeClip_) {
        painter_.fillRect(rect, color);
        return;
    }
    // A clip given as whole pixels has whole-pixel edges.
    const QRect inside = rect.intersected(shapeClip_->toAlignedRect());
    if (!inside.isEmpty())
        painter_.fillRect(inside, color);
}

void TRectFiller::FillPixels(const QRect& rect, QRgb pixel) {
    // The intersection with the clip, edges inclusive.
    const int left = std::max(rect.left(), clip_.left());
    const int right = std::min(rect.right(), clip_.right());
    const int top = std::max(rect.top(), clip_.top());
    const int bottom = std::min(rect.bottom(), clip_.bottom());
    if (left > right || top > bottom)
        return;
    for (int y = top; y <= bottom; ++y) {
        auto* line = reinterpret_cast<QRgb*>(bits_ + qsizetype(y) * bytesPerLine_);
        std::fill(line + left, line + right + 1, pixel);
    }
}
