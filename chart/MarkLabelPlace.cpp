#include "chart/MarkLabelPlace.h"

#include <algorithm>

namespace {

// The start of a span of `size` pixels moved into [low, high] as far as it fits; a
// span longer than that starts at `low`.
int MoveInto(int start, int size, int low, int high) {
    return std::max(low, std::min(start, high - size + 1));
}

} // namespace

QRect PlaceMarkLabel(const QPoint& mark, int clearance, const QSize& text, const QRect& area) {
    int left = mark.x() + clearance;
    if (left + text.width() - 1 > area.right())
        left = mark.x() - clearance - text.width() + 1;
    int top = mark.y() - clearance - text.height() + 1;
    if (top < area.top())
        top = mark.y() + clearance;
    left = MoveInto(left, text.width(), area.left(), area.right());
    top = MoveInto(top, text.height(), area.top(), area.bottom());
    return QRect(QPoint(left, top), text);
}
