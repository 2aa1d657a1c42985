#pragma once

#include "analysis/RealPolynomial.h"

// The size of a polynomial's roots from its coefficients alone: the largest
// |c[d-k] / c[d]|^(1/k) over k = 1 ... d (d the degree), taken upwards to a power of
// two. Every root's magnitude is below twice this (Fujiwara's bound), and the largest
// root's magnitude is at least this divided by twice the degree (each quotient is an
// elementary symmetric function of the roots), so it tells the scale of the roots, not
// just a limit. 0 when every root is at 0 (or the degree is
// below 1); not finite only where the coefficients' quotients leave the extended range.
TExtended RootScale(const TRealPolynomial& p);

// A power of two that every root's magnitude stays strictly below, with room for the
// rounding of the quotients: four times RootScale, or 1 where that is 0.
TExtended RootMagnitudeBound(const TRealPolynomial& p);
