#pragma once

#include "roots/Complex.h"

// Both parts multiplied by an integer factor, each rounded to a double.
template <TFaultChecks Checks> inline TComplex ScaleComplex(TComplex z, int factor) {
    const TExtended k = factor;
    return {StoreDouble<Checks>(z.Re * k), StoreDouble<Checks>(z.Im * k)};
}

// Laguerre's correction n*p / (dp +- sqrt((n-1)^2 dp^2 - n(n-1) p d2p)): the classical
// n / (G +- sqrt((n-1)(nH - G^2))) multiplied through by p, so that p is never a
// divisor. The larger of the two denominators wins, Dminus on equal moduli; a
// denominator below ZeroThreshold gives a zero step. The caller's next point is
// X - step.
template <TFaultChecks Checks = TFaultChecks::AtEveryStore>
inline TComplex LaguerreStep(int n, TComplex p, TComplex dp, TComplex d2p) {
    const TComplex s1 = ScaleComplex<Checks>(ComplexMul<Checks>(dp, dp), (n - 1) * (n - 1));
    const TComplex s2 = ScaleComplex<Checks>(ComplexMul<Checks>(p, d2p), n * (n - 1));
    const TComplex sq = ComplexSqrt<Checks>(ComplexSub<Checks>(s1, s2));
    const TComplex dplus = ComplexAdd<Checks>(dp, sq);
    const TComplex dminus = ComplexSub<Checks>(dp, sq);
    const TComplex den =
        ComplexModulus<Checks>(dminus) >= ComplexModulus<Checks>(dplus) ? dminus : dplus;
    if (ComplexModulus<Checks>(den) < ZeroThreshold)
        return {0.0, 0.0};
    return ComplexDiv<Checks>(ScaleComplex<Checks>(p, n), den);
}

// True when the residual at the new point is zero within ZeroThreshold (inclusive),
// or the step just taken is smaller than tol relative to the new point (strict; so
// an iteration sitting at the origin with a non-zero residual never converges).
bool IsConverged(double tol, double absP, double absStep, double absX);
