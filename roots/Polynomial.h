#pragma once

#include "roots/ComplexArray.h"

// The polynomial and its first two derivatives at one point.
struct TPolynomialValues {
    TComplex p;
    TComplex dp;
    TComplex d2p;
};

// One Horner step, the product formed before its sum.
template <TFaultChecks Checks>
inline TComplex HornerStep(TComplex acc, TComplex x, TComplex coefficient) {
    return ComplexAdd<Checks>(ComplexMul<Checks>(acc, x), coefficient);
}

// Three nested Horner passes over the degree-n polynomial a (entry k = coefficient of
// x^k, constant term first; only entries 0..n are read), each product formed before
// its sum. For n = 1 the second derivative is meaningless but harmless: the Laguerre
// step multiplies it by n(n-1) = 0.
template <TFaultChecks Checks = TFaultChecks::AtEveryStore>
inline TPolynomialValues EvalPolynomial(int n, const TCoeffArray& a, TComplex x) {
    // b: quotient by (x - X) with the value in b[0]; c: its quotient again.
    TComplexArray b;
    b[n] = a[n];
    for (int j = n - 1; j >= 0; --j)
        b[j] = HornerStep<Checks>(b[j + 1], x, a[j]);

    TComplexArray c;
    c[n] = b[n];
    for (int j = n - 1; j >= 1; --j)
        c[j] = HornerStep<Checks>(c[j + 1], x, b[j]);

    TComplex d = c[n];
    for (int j = n - 1; j >= 2; --j)
        d = HornerStep<Checks>(d, x, c[j]);

    TPolynomialValues values;
    values.p = b[0];
    values.dp = c[1];
    values.d2p = {StoreDouble<Checks>(TExtended(2) * d.Re),
                  StoreDouble<Checks>(TExtended(2) * d.Im)};
    return values;
}
