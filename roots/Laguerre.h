#pragma once

#include "roots/Complex.h"

// Laguerre's correction n*p / (dp +- sqrt((n-1)^2 dp^2 - n(n-1) p d2p)): the classical
// n / (G +- sqrt((n-1)(nH - G^2))) multiplied through by p, so that p is never a
// divisor. The larger of the two denominators wins, Dminus on equal moduli; a
// denominator below ZeroThreshold gives a zero step. The caller's next point is
// X - step.
TComplex LaguerreStep(int n, TComplex p, TComplex dp, TComplex d2p);

// True when the residual at the new point is zero within ZeroThreshold (inclusive),
// or the step just taken is smaller than tol relative to the new point (strict; so
// an iteration sitting at the origin with a non-zero residual never converges).
bool IsConverged(double tol, double absP, double absStep, double absX);
