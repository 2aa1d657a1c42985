#include "chart/DottedLine.h"

#include "chart/RectFiller.h"

#include <QRect>

namespace {

int Sign(int value) {
    return (value > 0) - (value < 0);
}

} // namespace

bool DrawDottedLineDirect(TRectFiller& filler, const QPoint& from, const QPoint& to, TColor color) {
    const bool straight = (from.x() == to.x()) != (from.y() == to.y());
    if (!filler.Direct() || !straight || !filler.DirectArea().contains(from) ||
        !filler.DirectArea().contains(to))
        return false;
    const QPoint step(Sign(to.x() - from.x()), Sign(to.y() - from.y()));
    const int length = std::abs(to.x() - from.x()) + std::abs(to.y() - from.y());
    for (int k = 0; k < length; k += 3)
        filler.Fill(QRect(from + step * k, QSize(1, 1)), color);
    return true;
}
