#pragma once

#include "analysis/AnalysisStatus.h"
#include "analysis/PlanePlace.h"
#include "analysis/RealPolynomial.h"

#include <optional>
#include <vector>

// One frequency w > 0 where P(jw) meets an axis.
struct TAxisMeeting {
    TExtended x = 0; // w^2
    TExtended omega = 0;
    // The half-axis met, or the origin: then jw is a root of P.
    TPlanePlace place = TPlanePlace::Origin;
    // The continuous argument there, in eighths of a turn (not at the origin).
    int turn = 0;
};

// The course of P(jw) for w from 0 to infinity, for a real polynomial P of degree at
// most 3. With x = w^2, P(jw) = E(x) + jw O(x), E = c0 - c2 x and O = c1 - c3 x, so the
// real and the imaginary part change sign at most once each for w > 0: the course is
// told exactly by the signs of the coefficients and, where both change, by comparing
// the extended products c1·c2 and c0·c3 (equal: both at the same w, a root jw of P),
// the comparison CountHalfPlanes makes. Arguments are continuous from w -> 0+, and
// pass a root on the axis by a half turn counter-clockwise (the way round it through
// the right half-plane, as the Nyquist contour goes).
struct TImaginaryAxisPath {
    TAnalysisStatus status = TAnalysisStatus::Ok;
    int degree = 0;
    TPlanePlace start = TPlanePlace::Origin; // P(0): a real half-axis or the origin
    // The direction P(jw) leaves in as w -> 0+, in eighths of a turn (0 to 7): that of
    // c_k (jw)^k for the lowest nonzero c_k.
    int startTurn = 0;
    std::vector<TAxisMeeting> meetings; // increasing w > 0
    // The place on (0, w1), (w1, w2), ... (wn, infinity): one more than the meetings. A
    // quadrant, or a half-axis where the real or the imaginary part is zero throughout.
    std::vector<TPlanePlace> stretches;
    std::vector<int> stretchTurns; // the continuous argument on each, eighths
    int endTurn = 0;               // the direction as w -> infinity, continuous
    bool realPartVanishes = false; // E(x) = 0 for every x: the course runs along the imaginary axis
    bool imaginaryPartVanishes = false; // O(x) = 0 for every x: along the real axis
};

// p.c[k] is the coefficient of p^k (constant term first). IdenticallyZero for the zero
// polynomial; NotComputable where a quotient or product leaves the extended range.
TImaginaryAxisPath TraceImaginaryAxis(const TRealPolynomial& p);

// The continuous argument of P(jw) at w = sqrt(x), x > 0, in degrees: startTurn times
// 45 at w -> 0+, then continued along the course. Nothing at a root on the axis (where
// the argument is not defined) or where the status is not Ok.
std::optional<TExtended> ContinuousArgumentDegrees(const TImaginaryAxisPath& path,
                                                   const TRealPolynomial& p, TExtended x);
