#pragma once

#include "analysis/AnalysisStatus.h"
#include "analysis/RealPolynomial.h"

// Where the roots of a real polynomial lie: how many in the open left half-plane, how
// many on the imaginary axis (0 included) and how many in the open right half-plane.
struct THalfPlaneCount {
    TAnalysisStatus status = TAnalysisStatus::Ok;
    int degree = 0; // leading zero coefficients dropped; left + onAxis + right == degree
    int left = 0;
    int onAxis = 0;
    int right = 0;
};

// Exactly from the coefficients (p.c[k] the coefficient of p^k, constant term first;
// any of the leading ones may be zero), by the Routh-Hurwitz rules with their special
// cases worked out, without finding a root:
//   - a zero constant term is a root at 0, and the rest is counted from the quotient;
//   - degree 1 and 2 from the signs of the coefficients;
//   - for the cubic c3 p^3 + c2 p^2 + c1 p + c0 (c3 made positive, c0 != 0) the sign of
//     c2 c1 - c3 c0 decides, compared as the two extended products c2·c1 and c3·c0 (the
//     comparison the hodograph lab's own test makes): where they differ and c2 != 0,
//     the sign changes of Routh's first column c3, c2, (c2 c1 - c3 c0)/c2, c0 count the
//     right roots; where they are equal the cubic is (p^2 + c1/c3)(p + c2/c3); where
//     c2 = 0 no root is on the axis and Routh's column with c2 replaced by a small
//     epsilon gives the count.
// IdenticallyZero for the zero polynomial; NotComputable where a product leaves the
// extended range (overflow, or underflow to zero of a product of nonzero factors).
THalfPlaneCount CountHalfPlanes(const TRealPolynomial& p);
