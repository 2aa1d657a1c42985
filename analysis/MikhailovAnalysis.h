#pragma once

#include "analysis/AnalysisStatus.h"
#include "analysis/CharacteristicCoefficients.h"
#include "analysis/PlanePlace.h"
#include "analysis/ReadableFrequency.h"

#include <optional>
#include <vector>

// A point where the hodograph D(jw) is on an axis.
struct TMikhailovCrossing {
    TExtended omega = 0;
    // D(jw) as entered, the curve the lab draws: one of the two is exactly 0.
    TExtended re = 0;
    TExtended im = 0;
    // Where the curve with its leading coefficient made positive is there: a half-axis,
    // or the origin (D(jw) = 0).
    TPlanePlace place = TPlanePlace::Origin;
};

enum class TMikhailovBreakKind {
    StartsAtOrigin,           // D(0) = a3 = 0: a root at p = 0
    StartsOnNegativeRealAxis, // a3 and the leading coefficient have opposite signs
    PassesThroughOrigin,      // D(jw) = 0 at the crossing: roots at p = +-jw
    WrongQuadrant,   // after the crossing the curve goes elsewhere than on to the next quadrant
    TooFewQuadrants, // after its last crossing the curve stays in an earlier quadrant than the n-th
};

// The first place where the curve leaves the order the criterion asks for.
struct TMikhailovBreak {
    TMikhailovBreakKind kind = TMikhailovBreakKind::WrongQuadrant;
    int crossing = 0;    // the index in crossings after which the order breaks (0: the start)
    TExtended omega = 0; // its frequency
    // The quadrant that should have come next (the origin where none should have), and
    // the place the curve goes to instead.
    TPlanePlace expected = TPlanePlace::Origin;
    TPlanePlace actual = TPlanePlace::Origin;
};

struct TMikhailovAnalysis {
    // IdenticallyZero when a0 = a1 = a2 = a3 = 0.
    TAnalysisStatus status = TAnalysisStatus::Ok;
    int degree = 0; // leading zero coefficients dropped
    // The leading coefficient was negative: the criterion is read on -D(jw), the drawn
    // curve turned half a turn about the origin. Places, passes and turns are those of
    // that curve; the crossings' points are those of the drawn one.
    bool negated = false;
    // The start at w = 0 first, then every w > 0 where the curve meets an axis, in order.
    std::vector<TMikhailovCrossing> crossings;
    // passes[i]: where the curve runs after crossings[i], a quadrant, or a half-axis
    // where the curve runs along one (runsAlong... below). The curve goes out to
    // infinity in the last.
    std::vector<TPlanePlace> passes;
    bool runsAlongRealAxis = false;      // a0 = a2 = 0: Im D(jw) = 0 for every w
    bool runsAlongImaginaryAxis = false; // a1 = a3 = 0: Re D(jw) = 0 for every w
    // Mikhailov's criterion: the curve starts on the positive real axis and passes
    // through n quadrants in turn counter-clockwise, never through the origin. Degree 0
    // (a nonzero constant) has nothing to judge: the criterion does not hold and there
    // is no break.
    bool criterionHolds = false;
    std::optional<TMikhailovBreak> firstBreak;
    // Every w >= 0 with D(jw) = 0: the system is on the stability boundary.
    std::vector<TExtended> boundaryFrequencies;
    // The whole turn of D(jw) for w from 0 to infinity, in quarter turns, and the number
    // of roots in the right half-plane it gives, (n - quarterTurns) / 2; only where
    // D(jw) != 0 for every w >= 0.
    std::optional<int> quarterTurns;
    std::optional<int> rightRoots;
    // An upper frequency for the plot that shows every crossing.
    TReadableFrequency suggestedFrequency;
};

// Exact from the coefficients (see TImaginaryAxisPath); leaves the floating-point state
// as it found it.
TMikhailovAnalysis AnalyseMikhailov(const TCharacteristicCoefficients& coefficients);
