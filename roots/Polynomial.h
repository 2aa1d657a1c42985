#pragma once

#include "roots/ComplexArray.h"

// The polynomial and its first two derivatives at one point.
struct TPolynomialValues {
    TComplex p;
    TComplex dp;
    TComplex d2p;
};

// Three nested Horner passes over the degree-n polynomial a (entry k = coefficient of
// x^k, constant term first; only entries 0..n are read), each product formed before
// its sum. For n = 1 the second derivative is meaningless but harmless: the Laguerre
// step multiplies it by n(n-1) = 0.
TPolynomialValues EvalPolynomial(int n, const TCoeffArray& a, TComplex x);
