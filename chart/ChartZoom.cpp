#include "chart/ChartZoom.h"

#include "chart/ChartAxis.h"
#include "numeric/ExtendedConstants.h"

#include <algorithm>
#include <cstdlib>

namespace {
// A drag must exceed this many pixels in both directions to zoom or undo.
constexpr int MinimumDrag = 16;
constexpr TExtended WheelShare = ExtendedConstants::ThreeHundredths;
} // namespace

TChartZoom::TChartZoom(TChartAxis& horizontal, TChartAxis& vertical)
    : horizontal_(horizontal), vertical_(vertical) {}

void TChartZoom::StartZoom(const QPoint& point) {
    if (zoomActive_ || panActive_)
        return;
    zoomActive_ = true;
    start_ = end_ = point;
}

void TChartZoom::MoveZoom(const QPoint& point) {
    if (zoomActive_)
        end_ = point;
}

TChartZoom::TZoomResult TChartZoom::FinishZoom(const QPoint& point) {
    if (!zoomActive_)
        return zrNone;
    zoomActive_ = false;
    end_ = point;
    if (std::abs(end_.x() - start_.x()) <= MinimumDrag ||
        std::abs(end_.y() - start_.y()) <= MinimumDrag)
        return zrNone;
    if (start_.x() < end_.x() && start_.y() < end_.y()) {
        if (restored_)
            SaveScales();
        // Pixels grow downwards: the lower edge of the rectangle is the lower value.
        horizontal_.SetRange(horizontal_.PixelToValue(start_.x()),
                             horizontal_.PixelToValue(end_.x()));
        vertical_.SetRange(vertical_.PixelToValue(end_.y()), vertical_.PixelToValue(start_.y()));
        return zrZoomedIn;
    }
    Undo();
    return zrUndone;
}

QRect TChartZoom::ZoomRect() const {
    return QRect(QPoint(std::min(start_.x(), end_.x()), std::min(start_.y(), end_.y())),
                 QSize(std::abs(end_.x() - start_.x()), std::abs(end_.y() - start_.y())));
}

void TChartZoom::StartPan(const QPoint& point) {
    if (zoomActive_ || panActive_)
        return;
    panActive_ = true;
    panLast_ = point;
}

bool TChartZoom::MovePan(const QPoint& point, const QRect& plot) {
    if (!panActive_ || point == panLast_)
        return false;
    if (!plot.contains(point)) {
        panActive_ = false;
        return false;
    }
    if (restored_)
        SaveScales();
    // The picture follows the mouse: the range moves against the drag.
    const TExtended dx = static_cast<TExtended>(horizontal_.PixelToValue(panLast_.x())) -
                         horizontal_.PixelToValue(point.x());
    horizontal_.SetRange(double(horizontal_.Minimum() + dx), double(horizontal_.Maximum() + dx));
    const TExtended dy = static_cast<TExtended>(vertical_.PixelToValue(panLast_.y())) -
                         vertical_.PixelToValue(point.y());
    vertical_.SetRange(double(vertical_.Minimum() + dy), double(vertical_.Maximum() + dy));
    panLast_ = point;
    return true;
}

bool TChartZoom::Undo() {
    if (restored_)
        return false;
    Restore(horizontal_, savedHorizontal_);
    Restore(vertical_, savedVertical_);
    restored_ = true;
    return true;
}

void TChartZoom::Wheel(int notches) {
    for (int i = 0; i < std::abs(notches); ++i) {
        const TExtended span = static_cast<TExtended>(vertical_.Maximum()) - vertical_.Minimum();
        vertical_.Shift(double(notches > 0 ? WheelShare * span : -WheelShare * span));
    }
}

void TChartZoom::SaveScales() {
    savedHorizontal_ = Save(horizontal_);
    savedVertical_ = Save(vertical_);
    restored_ = false;
}

TChartZoom::TSavedScale TChartZoom::Save(const TChartAxis& axis) {
    return {axis.Automatic(), axis.AutomaticMinimum(), axis.AutomaticMaximum(), axis.Minimum(),
            axis.Maximum()};
}

void TChartZoom::Restore(TChartAxis& axis, const TSavedScale& scale) {
    axis.SetAutomatic(scale.Automatic);
    axis.SetAutomaticMinimum(scale.AutomaticMinimum);
    axis.SetAutomaticMaximum(scale.AutomaticMaximum);
    if (!scale.Automatic)
        axis.SetRange(scale.Minimum, scale.Maximum);
}
