#include "chart/TextCache.h"

#include <QPaintEngine>
#include <QPainter>

TTextCache::TTextCache(const QFont& font)
    : font_(font), metrics_(font), ascent_(QFontMetricsF(font).ascent()) {}

TTextCache::Entry& TTextCache::Find(const QString& text) {
    auto found = entries_.find(text);
    if (found != entries_.end())
        return *found;
    if (entries_.size() >= kCapacity)
        entries_.clear();
    return *entries_.insert(text, Entry{});
}

int TTextCache::Width(const QString& text) {
    Entry& entry = Find(text);
    if (entry.width < 0)
        entry.width = metrics_.horizontalAdvance(text);
    return entry.width;
}

namespace {

// Whether the painter maps logical pixels onto whole device pixels (no transform, or
// an integer device pixel ratio). Only there a laid-out text lands on the same device
// pixels as drawText; elsewhere the two round glyph positions differently.
bool WholePixelScale(const QPainter& painter) {
    const QTransform t = painter.deviceTransform();
    if (t.type() > QTransform::TxScale || t.m11() != t.m22() || t.m11() < 1)
        return false;
    const qreal scale = t.m11();
    return scale == qreal(int(scale)) && t.dx() == qreal(int(t.dx())) &&
           t.dy() == qreal(int(t.dy()));
}

// Whether the painter rasterises (a window, an image) rather than records shapes and
// text (SVG, PDF): only there a laid-out text is worth keeping.
bool Rasterises(const QPainter& painter) {
    const QPaintEngine* engine = painter.paintEngine();
    return engine && engine->type() == QPaintEngine::Raster;
}

} // namespace

void TTextCache::Draw(QPainter& painter, const QPoint& baseline, const QString& text) {
    painter.setFont(font_);
    if (!Rasterises(painter) || !WholePixelScale(painter)) {
        painter.drawText(baseline, text);
        return;
    }
    Entry& entry = Find(text);
    if (!entry.isLaid) {
        entry.laid = QStaticText(text);
        entry.laid.setTextFormat(Qt::PlainText);
        entry.laid.setPerformanceHint(QStaticText::AggressiveCaching);
        entry.laid.prepare(QTransform(), font_);
        entry.isLaid = true;
    }
    // A static text is placed by the top of its line, which lies one ascent (unrounded)
    // above the baseline.
    painter.drawStaticText(QPointF(baseline.x(), baseline.y() - ascent_), entry.laid);
}
