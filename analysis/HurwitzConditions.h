#pragma once

#include "analysis/AnalysisStatus.h"
#include "analysis/RealPolynomial.h"

#include <array>

// The Hurwitz conditions of a real polynomial of degree at most 3, with the values
// they are read from, for a report: every root lies in the open left half-plane if
// and only if all of them hold.
struct THurwitzConditions {
    TAnalysisStatus status = TAnalysisStatus::Ok;
    int degree = 0;
    // Whether every coefficient was negated to make the leading one positive.
    bool negated = false;
    // The coefficients after that, coefficient[k] that of p^k (constant first), and
    // whether each is positive (the first condition), for k = 0 ... degree.
    std::array<TExtended, 4> coefficient{};
    std::array<bool, 4> positive{};
    // For degree 3 only: the second Hurwitz determinant c2·c1 - c3·c0, its sign taken
    // from the comparison of the two extended products (the difference keeps it).
    bool hasDelta2 = false;
    TExtended delta2 = 0;
    bool delta2Positive = false;
    bool allHold = false;
};

// From p (p.c[k] the coefficient of p^k, constant term first). IdenticallyZero for the
// zero polynomial; NotComputable where a product leaves the extended range. Degree 0
// has no roots and no conditions: allHold is false there.
THurwitzConditions HurwitzConditionsOf(const TRealPolynomial& p);
