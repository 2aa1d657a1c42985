#include "chart/ShapeClip.h"

#include <QPaintEngine>
#include <QPainter>

std::optional<QRectF> ShapeClip(const QPainter& painter) {
    const QPaintEngine* engine = painter.paintEngine();
    if (!engine || engine->type() == QPaintEngine::Raster || !painter.hasClipping())
        return std::nullopt;
    return painter.clipBoundingRect();
}
