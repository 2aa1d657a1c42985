#include "chart/ChartReadout.h"

#include "chart/ChartAxis.h"

namespace {

bool InRange(double value, const TChartAxis& axis) {
    return value >= axis.ViewMin() && value <= axis.ViewMax();
}

} // namespace

void TChartReadout::SetSource(std::unique_ptr<TReadoutSource> source) {
    source_ = std::move(source);
    placedValid_ = false;
}

void TChartReadout::Place(const TChartAxis& horizontal, const TChartAxis& vertical) {
    placed_.clear();
    points_.clear();
    if (source_)
        source_->CollectPoints(points_);
    placed_.reserve(points_.size());
    for (std::size_t i = 0; i < points_.size(); ++i) {
        const TReadoutPoint& point = points_[i];
        // The pixels are those the series drew: the same mapping, the same rounding.
        if (InRange(point.X, horizontal) && InRange(point.Y, vertical))
            placed_.push_back({horizontal.ValueToPixel(point.X), vertical.ValueToPixel(point.Y),
                               point.Order, int(i)});
    }
    placedValid_ = true;
}

TReadoutHit TChartReadout::Nearest(const QPoint& pointer, const TChartAxis& horizontal,
                                   const TChartAxis& vertical) {
    if (!placedValid_)
        Place(horizontal, vertical);
    // Squared distances in whole pixels: equal distances are real ties, decided by
    // the order; a plain scan over a few thousand points costs a few microseconds.
    const TPlaced* best = nullptr;
    int bestDistance = 0;
    for (const TPlaced& p : placed_) {
        const int dx = p.X - pointer.x();
        const int dy = p.Y - pointer.y();
        if (dx > Reach || dx < -Reach || dy > Reach || dy < -Reach)
            continue;
        const int distance = dx * dx + dy * dy;
        if (distance > Reach * Reach)
            continue;
        if (!best || distance < bestDistance ||
            (distance == bestDistance && p.Order < best->Order)) {
            best = &p;
            bestDistance = distance;
        }
    }
    if (!best)
        return {};
    return {best->Index, QPoint(best->X, best->Y)};
}

QString TChartReadout::Text(int index) const {
    if (!source_ || index < 0 || std::size_t(index) >= points_.size())
        return {};
    return source_->Text(std::size_t(index));
}
