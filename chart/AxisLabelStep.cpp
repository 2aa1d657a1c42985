#include "chart/AxisLabelStep.h"
#include "numeric/ExtendedConstants.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr double MinStep = 1e-12;
constexpr double IntegerLimit = 2147483647.0;
// The next step, always larger: the decimal rounding of AdvanceLabelStep could in
// principle hand back the same step, and the search would never end.
double Advanced(double step) {
    const double next = AdvanceLabelStep(step);
    return next > step ? next : step * 2;
}

} // namespace

double AdvanceLabelStep(double step) {
    if (!(step > 0) || !std::isfinite(step))
        return step;
    if (step >= 10)
        return double(TExtended(10) * AdvanceLabelStep(double(step * ExtendedConstants::Tenth)));
    if (step < 1)
        return double(AdvanceLabelStep(double(step * TExtended(10))) * ExtendedConstants::Tenth);
    if (step < 2)
        return 2;
    if (step < 5)
        return 5;
    return 10;
}

int MaxLabelCount(int pixelLength, int labelSize, int separationPercent) {
    if (labelSize <= 0)
        return 1;
    const TExtended spaced =
        labelSize + ExtendedNearbyInt(separationPercent * ExtendedConstants::Hundredth * labelSize);
    return int(ExtendedNearbyInt(pixelLength / spaced));
}

double CalcLabelStep(double span, int maxLabels, int separationPercent, double increment) {
    if (maxLabels < 1)
        return MinStep;
    double step = increment > 0 ? increment : (std::fabs(span) >= 1 ? 1.0 : MinStep);
    if (separationPercent > 0) {
        TExtended n = maxLabels + TExtended(1);
        while (n > maxLabels) {
            const double q = double(span / static_cast<TExtended>(step));
            if (std::fabs(q) < IntegerLimit) {
                n = ExtendedNearbyInt(static_cast<TExtended>(q));
                if (n > maxLabels)
                    step = Advanced(step);
            } else {
                step = Advanced(step);
            }
            // An endless span never fits: stop once the step itself is endless.
            if (!std::isfinite(step))
                break;
        }
    }
    return std::max(step, MinStep);
}
