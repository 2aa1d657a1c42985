#pragma once

#include "numeric/Extended.h"

#include <array>

// A real polynomial of degree at most 3 in one variable, in extended precision.
// c[k] is the coefficient of the k-th power: constant term FIRST. (The plotting labs
// number their coefficients the other way round; their analyses turn them into this
// order where they build one.)
struct TRealPolynomial {
    std::array<TExtended, 4> c{};
};

inline constexpr int kMaxPolynomialDegree = 3;

// The highest power with a nonzero coefficient; -1 for the zero polynomial.
int DegreeOf(const TRealPolynomial& p);

// Horner's scheme from the highest coefficient down, always the same operations in
// the same order, so that every build gets the same bits.
TExtended Evaluate(const TRealPolynomial& p, TExtended x);

// |c[k]| for each k: evaluated at |x|, the sum of the sizes of the terms Evaluate adds
// up, which bounds the rounding error of its result.
TRealPolynomial Absolute(const TRealPolynomial& p);

TRealPolynomial Derivative(const TRealPolynomial& p);

TRealPolynomial operator+(const TRealPolynomial& p, const TRealPolynomial& q);
TRealPolynomial operator-(const TRealPolynomial& p, const TRealPolynomial& q);
TRealPolynomial operator-(const TRealPolynomial& p);

// The product, which must have degree at most 3 (the analyses multiply only linear
// factors and quadratics by constants or by the variable).
TRealPolynomial operator*(const TRealPolynomial& p, const TRealPolynomial& q);

// The polynomial whose only coefficients are those given, constant first.
TRealPolynomial Polynomial(TExtended c0, TExtended c1 = 0, TExtended c2 = 0, TExtended c3 = 0);
