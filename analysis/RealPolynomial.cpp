#include "analysis/RealPolynomial.h"

#include <cassert>

int DegreeOf(const TRealPolynomial& p) {
    for (int k = kMaxPolynomialDegree; k >= 0; --k)
        if (p.c[k] != 0)
            return k;
    return -1;
}

TExtended Evaluate(const TRealPolynomial& p, TExtended x) {
    TExtended value = p.c[kMaxPolynomialDegree];
    for (int k = kMaxPolynomialDegree - 1; k >= 0; --k)
        value = value * x + p.c[k];
    return value;
}

TRealPolynomial Absolute(const TRealPolynomial& p) {
    TRealPolynomial absolute;
    for (int k = 0; k <= kMaxPolynomialDegree; ++k)
        absolute.c[k] = ExtendedAbs(p.c[k]);
    return absolute;
}

TRealPolynomial Derivative(const TRealPolynomial& p) {
    TRealPolynomial d;
    for (int k = 1; k <= kMaxPolynomialDegree; ++k)
        d.c[k - 1] = p.c[k] * TExtended(k);
    return d;
}

TRealPolynomial operator+(const TRealPolynomial& p, const TRealPolynomial& q) {
    TRealPolynomial sum;
    for (int k = 0; k <= kMaxPolynomialDegree; ++k)
        sum.c[k] = p.c[k] + q.c[k];
    return sum;
}

TRealPolynomial operator-(const TRealPolynomial& p, const TRealPolynomial& q) {
    TRealPolynomial difference;
    for (int k = 0; k <= kMaxPolynomialDegree; ++k)
        difference.c[k] = p.c[k] - q.c[k];
    return difference;
}

TRealPolynomial operator-(const TRealPolynomial& p) {
    TRealPolynomial negated;
    for (int k = 0; k <= kMaxPolynomialDegree; ++k)
        negated.c[k] = -p.c[k];
    return negated;
}

TRealPolynomial operator*(const TRealPolynomial& p, const TRealPolynomial& q) {
    const int dp = DegreeOf(p);
    const int dq = DegreeOf(q);
    TRealPolynomial product;
    if (dp < 0 || dq < 0)
        return product;
    assert(dp + dq <= kMaxPolynomialDegree);
    // Each coefficient sums its products from the lowest power of p up: a fixed order.
    for (int k = 0; k <= dp + dq && k <= kMaxPolynomialDegree; ++k) {
        TExtended sum = 0;
        for (int i = 0; i <= k; ++i)
            if (i <= dp && k - i <= dq)
                sum = sum + p.c[i] * q.c[k - i];
        product.c[k] = sum;
    }
    return product;
}

TRealPolynomial Polynomial(TExtended c0, TExtended c1, TExtended c2, TExtended c3) {
    TRealPolynomial p;
    p.c = {c0, c1, c2, c3};
    return p;
}
