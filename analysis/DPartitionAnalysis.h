#pragma once

#include "analysis/AnalysisStatus.h"
#include "analysis/CharacteristicCoefficients.h"
#include "analysis/HalfPlaneCount.h"
#include "analysis/ReadableFrequency.h"

#include <vector>

// One pass of the D-partition boundary a3(jw) = a1 w^2 + j(a0 w^3 - a2 w) through the
// real a3 axis.
struct TDPartitionPass {
    // The frequency of the pass, with its sign: the branches for w < 0 and w > 0 pass
    // the same point.
    TExtended omega = 0;
    // The side the boundary is hatched on there: +1 toward larger a3, -1 toward smaller.
    // It is the left of the boundary walked with w increasing from -infinity to
    // +infinity, where the polynomial has more roots in the left half-plane: crossing
    // the point toward the hatched side moves one root from the right half-plane to the
    // left (or a pair, where two passes share the point).
    int hatchedSide = 0;
};

// A point where the boundary meets the real a3 axis, with every pass through it.
struct TDPartitionCrossing {
    TExtended a3 = 0;
    std::vector<TDPartitionPass> passes; // increasing w
};

// An open interval of the real a3 axis between two crossings (or out to infinity), on
// which the number of roots in each half-plane does not change.
struct TDPartitionInterval {
    bool fromMinusInfinity = false;
    bool toPlusInfinity = false;
    TExtended from = 0; // where not infinite
    TExtended to = 0;
    // The roots of a0 p^3 + a1 p^2 + a2 p + a3 for an a3 inside.
    THalfPlaneCount count;
};

struct TDPartitionAnalysis {
    // IdenticallyZero when a0 = a1 = a2 = 0: the polynomial is the constant a3, with no
    // roots to move and no boundary.
    TAnalysisStatus status = TAnalysisStatus::Ok;
    // a0 = a2 = 0 (a1 != 0): the whole boundary lies on the real axis, the ray
    // a3 = a1 w^2 from 0 toward the sign of a1 (on it the roots are +-j sqrt(a3/a1)).
    // crossings is then empty and intervals holds the open ray on the other side of 0.
    bool boundaryOnRealAxis = false;
    std::vector<TDPartitionCrossing> crossings; // increasing a3
    std::vector<TDPartitionInterval> intervals; // between and around the crossings, in order
    // The interval where every root is in the left half-plane: there is at most one.
    bool hasStableInterval = false;
    TDPartitionInterval stableInterval;
    // An upper frequency for the plot that shows every crossing.
    TReadableFrequency suggestedFrequency;
};

// From a0, a1, a2 (a3 is the free coefficient and not used). The crossings: w = 0 gives
// a3 = 0; w^2 = a2/a0 (where positive) gives a3 = a1·a2/a0 twice, for +-w. Leaves the
// floating-point state as it found it.
TDPartitionAnalysis AnalyseDPartition(const TCharacteristicCoefficients& coefficients);
