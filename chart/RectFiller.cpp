#include "chart/RectFiller.h"

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
    if (!image)
        return;
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
        painter_.fillRect(rect, color);
        return;
    }
    const QRect area = rect & clip_;
    if (area.isEmpty())
        return;
    // An opaque colour is the same word premultiplied or not.
    const QRgb pixel = color.rgba();
    for (int y = area.top(); y <= area.bottom(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(bits_ + qsizetype(y) * bytesPerLine_);
        std::fill(line + area.left(), line + area.right() + 1, pixel);
    }
}
