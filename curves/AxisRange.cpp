#include "curves/AxisRange.h"

namespace {

void ResetAxis(PlotTarget& target, PlotAxis axis) {
    if (target.Maximum(axis) < 0) {
        target.SetMaximum(axis, 0);
        target.SetMinimum(axis, 0);
    } else {
        target.SetMinimum(axis, 0);
        target.SetMaximum(axis, 0);
    }
}

} // namespace

void ResetAxes(PlotTarget& target) {
    ResetAxis(target, PlotAxis::Bottom);
    ResetAxis(target, PlotAxis::Left);
}

void SetAxisRange(PlotTarget& target, PlotAxis axis, double lo, double hi) {
    if (hi >= target.Minimum(axis)) {
        target.SetMaximum(axis, hi);
        target.SetMinimum(axis, lo);
    } else {
        target.SetMinimum(axis, lo);
        target.SetMaximum(axis, hi);
    }
}
