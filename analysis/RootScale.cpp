#include "analysis/RootScale.h"

#include "analysis/ExtendedKind.h"

namespace {

// Whether s^k >= r, for s a power of two and r > 0: as r / s / ... / s <= 1, which
// stays in range where s^k itself would not.
bool PowerReaches(TExtended s, int k, TExtended r) {
    TExtended quotient = r;
    for (int i = 0; i < k; ++i)
        quotient = quotient / s;
    return quotient <= 1;
}

// The smallest power of two s with s^k >= r (r > 0 and finite).
TExtended PowerOfTwoRootAbove(TExtended r, int k) {
    TExtended s = 1;
    if (PowerReaches(s, k, r)) {
        while (s / 2 > 0 && PowerReaches(s / 2, k, r))
            s = s / 2;
    } else {
        while (!PowerReaches(s, k, r))
            s = s * 2;
    }
    return s;
}

} // namespace

TExtended RootScale(const TRealPolynomial& p) {
    const int d = DegreeOf(p);
    TExtended largest = 0;
    for (int k = 1; k <= d; ++k) {
        const TExtended r = ExtendedAbs(p.c[d - k] / p.c[d]);
        if (!IsFiniteExtended(r))
            return r;
        if (r == 0)
            continue;
        const TExtended s = PowerOfTwoRootAbove(r, k);
        if (s > largest)
            largest = s;
    }
    return largest;
}

TExtended RootMagnitudeBound(const TRealPolynomial& p) {
    const TExtended scale = RootScale(p);
    return scale == 0 ? TExtended(1) : scale * 4;
}
