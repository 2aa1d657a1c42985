#include "roots/RootLabRun.h"

#include "roots/RootFinder.h"

namespace {

// Entry k of the polynomial is the coefficient of p^k: entry 0 holds a0, not a3.
TCoeffArray RealCoefficients(double c0, double c1, double c2, double c3) {
    TCoeffArray a;
    a[0] = {c0, 0.0};
    a[1] = {c1, 0.0};
    a[2] = {c2, 0.0};
    a[3] = {c3, 0.0};
    return a;
}

} // namespace

void RunRootSearch(double a0, double a1, double a2, double a3) {
    ResetRootState();
    Degree = 3;
    Coefficients = RealCoefficients(a0, a1, a2, a3);
    StartPoint = {0.0, 0.0};
    // 1 / 10^8, i.e. 1e-8.
    Tolerance = 1.0 / 1e8;
    IterationLimit = 100;
    WorkDegree = Degree;
    WorkCoefficients = Coefficients;
    FindRoots();
}
