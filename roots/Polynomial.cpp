#include "roots/Polynomial.h"

#include "input/FloatEnv.h"

namespace {

TComplex HornerStep(TComplex acc, TComplex x, TComplex coefficient) {
    return ComplexAdd(ComplexMul(acc, x), coefficient);
}

} // namespace

TPolynomialValues EvalPolynomial(int n, const TCoeffArray& a, TComplex x) {
    // b: quotient by (x - X) with the value in b[0]; c: its quotient again.
    TComplexArray b;
    b[n] = a[n];
    for (int j = n - 1; j >= 0; --j)
        b[j] = HornerStep(b[j + 1], x, a[j]);

    TComplexArray c;
    c[n] = b[n];
    for (int j = n - 1; j >= 1; --j)
        c[j] = HornerStep(c[j + 1], x, b[j]);

    TComplex d = c[n];
    for (int j = n - 1; j >= 2; --j)
        d = HornerStep(d, x, c[j]);

    TPolynomialValues values;
    values.p = b[0];
    values.dp = c[1];
    values.d2p = {StoreDouble(2.0L * d.Re), StoreDouble(2.0L * d.Im)};
    return values;
}
