#include "analysis/Arctangent.h"

namespace {

// 180 / pi, rounded once to nearest.
constexpr TExtended kDegreesPerRadian = ExtendedFromImage(0x4004, 0xe52ee0d31e0fbdc3);

// atan t for 0 <= t <= 1. Three halvings, atan t = 2 atan(t / (1 + sqrt(1 + t^2))),
// bring t below tan(pi/32) < 0.1, where twelve terms of the series
// t - t^3/3 + t^5/5 - ... leave out less than 2^-70 of the value.
TExtended SmallArctangent(TExtended t) {
    constexpr int kHalvings = 3;
    constexpr int kTerms = 12;
    TExtended u = t;
    for (int i = 0; i < kHalvings; ++i)
        u = u / (1 + ExtendedSqrt(1 + u * u));
    const TExtended u2 = u * u;
    TExtended series = 0;
    for (int k = kTerms - 1; k >= 0; --k) {
        const TExtended term = TExtended(1) / TExtended(2 * k + 1);
        series = series * u2 + (k % 2 == 0 ? term : -term);
    }
    return u * series * TExtended(1 << kHalvings);
}

} // namespace

TExtended AngleDegrees(TExtended opposite, TExtended adjacent) {
    if (opposite <= adjacent)
        return SmallArctangent(opposite / adjacent) * kDegreesPerRadian;
    return 90 - SmallArctangent(adjacent / opposite) * kDegreesPerRadian;
}
