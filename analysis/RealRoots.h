#pragma once

#include "analysis/AnalysisStatus.h"
#include "analysis/RealPolynomial.h"

#include <vector>

struct TRealRoot {
    TExtended x = 0;
    // The value is exactly zero here and keeps its sign on both sides: a root of even
    // multiplicity that the arithmetic reaches exactly.
    bool touching = false;
};

struct TRealRoots {
    TAnalysisStatus status = TAnalysisStatus::Ok;
    std::vector<TRealRoot> roots; // increasing, each once
    // Extrema where the value comes within its rounding error of zero without being
    // exactly zero: a multiple root that is only approximately one, or two roots (or
    // none) closer than the arithmetic tells apart. Roots found there by a change of
    // sign are listed above all the same; none is made up where the value stays off zero.
    std::vector<TExtended> nearMultiple;
};

// Every real root of p in [lo, hi] (finite, lo <= hi), deterministically and to the
// full extended precision: p is cut into monotone pieces at its derivative's roots
// (found the same way), every point where the value is exactly zero is a root, and
// every piece whose ends have opposite signs is bisected until no extended number is
// left between its ends; the end with the smaller value is the root. A root where
// the value does not reach zero is never reported. The status is IdenticallyZero for
// the zero polynomial, NotComputable where a value on the way leaves the extended
// range.
//
// sizes, where given, has nonnegative coefficients and its value at |x| bounds the
// terms that made up the value of p at x, the terms its coefficients were computed
// from included: where those cancel, the rounding of the coefficients is that of the
// terms, not of the small difference left, and an extremum near zero must be judged
// against it. Without it, the sizes are those of p's own coefficients.
TRealRoots FindRealRoots(const TRealPolynomial& p, TExtended lo, TExtended hi);
TRealRoots FindRealRoots(const TRealPolynomial& p, const TRealPolynomial& sizes, TExtended lo,
                         TExtended hi);

// Every root x >= 0 (in [0, RootMagnitudeBound(p)]).
TRealRoots FindNonNegativeRoots(const TRealPolynomial& p);
TRealRoots FindNonNegativeRoots(const TRealPolynomial& p, const TRealPolynomial& sizes);
