#pragma once

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
// there (and a zero divisor EZeroDivide or EInvalidOp).
TComplex ComplexConjugate(TComplex z);
// Squares and sum in extended precision (they cannot overflow for finite doubles),
// only the root is rounded. The rounding decides near-ties in the Laguerre step.
double ComplexModulus(TComplex z);
TComplex ComplexAdd(TComplex a, TComplex b);
TComplex ComplexSub(TComplex a, TComplex b);
TComplex ComplexMul(TComplex a, TComplex b);
// a * conj(b) divided part by part by the square of the rounded modulus of b. Callers
// keep the divisor's modulus at or above ZeroThreshold.
TComplex ComplexDiv(TComplex a, TComplex b);
// One square root in polar form with the angle in [-pi/2, 3pi/2): the principal root
// for Re >= ZeroThreshold; for Re <= -ZeroThreshold always the root with a positive
// imaginary part; inside the band |Re| < ZeroThreshold z counts as lying on the
// imaginary axis. The Laguerre step breaks ties by this choice.
TComplex ComplexSqrt(TComplex z);
