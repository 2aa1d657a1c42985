#include "chart/ChartReadout.h"

#include "chart/ChartAxis.h"

#include <algorithm>

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
    // By column, then row, so that a lookup visits only the pixels within reach; of the
    // points on one pixel only the one that wins its ties can ever be read (the Nyquist
    // response puts hundreds on the pixels about the origin).
    std::sort(placed_.begin(), placed_.end(), [](const TPlaced& a, const TPlaced& b) {
        if (a.X != b.X)
            return a.X < b.X;
        if (a.Y != b.Y)
            return a.Y < b.Y;
        return a.Order != b.Order ? a.Order < b.Order : a.Index < b.Index;
    });
    placed_.erase(
        std::unique(placed_.begin(), placed_.end(),
                    [](const TPlaced& a, const TPlaced& b) { return a.X == b.X && a.Y == b.Y; }),
        placed_.end());
    placedValid_ = true;
}

TReadoutHit TChartReadout::Nearest(const QPoint& pointer, const TChartAxis& horizontal,
                                   const TChartAxis& vertical) {
    if (!placedValid_)
        Place(horizontal, vertical);
    // Squared distances in whole pixels: equal distances are real ties, decided by
    // the order, then by the earlier point.
    const TPlaced* best = nullptr;
    int bestDistance = 0;
    for (int dx = -Reach; dx <= Reach; ++dx) {
        const int x = pointer.x() + dx;
        int dyMax = 0;
        while ((dyMax + 1) * (dyMax + 1) + dx * dx <= Reach * Reach)
            ++dyMax;
        const auto from =
            std::lower_bound(placed_.begin(), placed_.end(), QPoint(x, pointer.y() - dyMax),
                             [](const TPlaced& p, const QPoint& at) {
                                 return p.X != at.x() ? p.X < at.x() : p.Y < at.y();
                             });
        for (auto p = from; p != placed_.end() && p->X == x && p->Y <= pointer.y() + dyMax; ++p) {
            const int dy = p->Y - pointer.y();
            const int distance = dx * dx + dy * dy;
            if (!best || distance < bestDistance ||
                (distance == bestDistance &&
                 (p->Order < best->Order || (p->Order == best->Order && p->Index < best->Index)))) {
                best = &*p;
                bestDistance = distance;
            }
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
