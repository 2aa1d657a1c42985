#pragma once

#include "ground/FloatEnv.h"
#include "numeric/ExtendedConstants.h"

#include <cmath>

// The complex value of the root finder: the coefficients, the evaluation point, the
// Laguerre correction and the roots are all complex, even for real input.
struct TComplex {
    double Re = 0.0;
    double Im = 0.0;
};

// A modulus or magnitude below this counts as zero in the root finder (square-root
// branch band, step denominator, residual test, leading-coefficient trimming).
inline constexpr double ZeroThreshold = 1e-15;

// Every operation computes in 80-bit extended precision and rounds each part of its
// result to a double on the way out; a part beyond the double range raises EOverflow
// there (and a zero divisor EZeroDivide or EInvalidOp). The deferred forms are the
// same arithmetic without the fault tests, for the root finder's fast pass. They are
// defined here so that they inline into the root finder's loops: a call moves every
// part between the SSE and x87 registers through memory, which cost more than the
// arithmetic.

inline TComplex ComplexConjugate(TComplex z) {
    return {z.Re, -z.Im};
}

// Both parts rounded to doubles, the real part first.
template <TFaultChecks Checks> inline TComplex StoreComplex(TExtended re, TExtended im) {
    return {StoreDouble<Checks>(re), StoreDouble<Checks>(im)};
}

// Squares and sum in extended precision (they cannot overflow for finite doubles),
// only the root is rounded. The rounding decides near-ties in the Laguerre step.
template <TFaultChecks Checks = TFaultChecks::AtEveryStore>
inline double ComplexModulus(TComplex z) {
    const TExtended re = z.Re;
    const TExtended im = z.Im;
    return StoreDouble<Checks>(ExtendedSqrt(re * re + im * im));
}

template <TFaultChecks Checks = TFaultChecks::AtEveryStore>
inline TComplex ComplexAdd(TComplex a, TComplex b) {
    return StoreComplex<Checks>(static_cast<TExtended>(a.Re) + b.Re,
                                static_cast<TExtended>(a.Im) + b.Im);
}

template <TFaultChecks Checks = TFaultChecks::AtEveryStore>
inline TComplex ComplexSub(TComplex a, TComplex b) {
    return StoreComplex<Checks>(static_cast<TExtended>(a.Re) - b.Re,
                                static_cast<TExtended>(a.Im) - b.Im);
}

template <TFaultChecks Checks = TFaultChecks::AtEveryStore>
inline TComplex ComplexMul(TComplex a, TComplex b) {
    const TExtended ar = a.Re, ai = a.Im, br = b.Re, bi = b.Im;
    return StoreComplex<Checks>(ar * br - ai * bi, ai * br + ar * bi);
}

// a * conj(b) divided part by part by the square of the rounded modulus of b. Callers
// keep the divisor's modulus at or above ZeroThreshold.
template <TFaultChecks Checks = TFaultChecks::AtEveryStore>
inline TComplex ComplexDiv(TComplex a, TComplex b) {
    const TComplex t = ComplexMul<Checks>(a, ComplexConjugate(b));
    const double m = ComplexModulus<Checks>(b);
    const double q = StoreDouble<Checks>(static_cast<TExtended>(m) * m);
    return StoreComplex<Checks>(t.Re / static_cast<TExtended>(q), t.Im / static_cast<TExtended>(q));
}

// The argument of z, rounded to a double, in [-pi/2, 3pi/2); inside the band
// |Re| < ZeroThreshold z counts as lying on the imaginary axis, whose angle is the
// double nearest to pi/2, as a stored angle is.
template <TFaultChecks Checks = TFaultChecks::AtEveryStore> inline double ComplexAngle(TComplex z) {
    constexpr double halfPi = 1.5707963267948966;
    if (std::fabs(z.Re) < ZeroThreshold)
        return z.Im >= 0.0 ? halfPi : -halfPi;
    const TExtended theta = ExtendedAtan(static_cast<TExtended>(z.Im) / z.Re);
    return StoreDouble<Checks>(z.Re < 0.0 ? theta + ExtendedConstants::Pi : theta);
}

// One square root in polar form with the angle of ComplexAngle: the principal root
// for Re >= ZeroThreshold; for Re <= -ZeroThreshold always the root with a positive
// imaginary part; inside the band on the imaginary axis. The Laguerre step breaks
// ties by this choice.
template <TFaultChecks Checks = TFaultChecks::AtEveryStore>
inline TComplex ComplexSqrt(TComplex z) {
    const double r = ComplexModulus<Checks>(z);
    const TExtended half = static_cast<TExtended>(ComplexAngle<Checks>(z)) / 2;
    const TExtended s = ExtendedSqrt(static_cast<TExtended>(r));
    return StoreComplex<Checks>(s * ExtendedCos(half), s * ExtendedSin(half));
}
