#include "roots/Laguerre.h"

#include "input/FloatEnv.h"

#include <cmath>

namespace {

// Both parts multiplied by an integer factor, each rounded to a double.
TComplex Scale(TComplex z, int factor) {
    const long double k = factor;
    return {StoreDouble(z.Re * k), StoreDouble(z.Im * k)};
}

} // namespace

TComplex LaguerreStep(int n, TComplex p, TComplex dp, TComplex d2p) {
    const TComplex s1 = Scale(ComplexMul(dp, dp), (n - 1) * (n - 1));
    const TComplex s2 = Scale(ComplexMul(p, d2p), n * (n - 1));
    const TComplex sq = ComplexSqrt(ComplexSub(s1, s2));
    const TComplex dplus = ComplexAdd(dp, sq);
    const TComplex dminus = ComplexSub(dp, sq);
    const TComplex den = ComplexModulus(dminus) >= ComplexModulus(dplus) ? dminus : dplus;
    if (ComplexModulus(den) < ZeroThreshold)
        return {0.0, 0.0};
    return ComplexDiv(Scale(p, n), den);
}

bool IsConverged(double tol, double absP, double absStep, double absX) {
    if (absP <= ZeroThreshold)
        return true;
    return absStep < std::fabs(static_cast<long double>(tol) * absX);
}
