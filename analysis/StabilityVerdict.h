#pragma once

#include "analysis/HalfPlaneCount.h"

// What the roots' places say about a characteristic polynomial.
enum class TStabilityVerdict {
    Stable,   // every root in the open left half-plane
    Boundary, // none in the right half-plane, some on the imaginary axis
    Unstable, // some in the right half-plane (how many, and how many on the axis: the count)
    NoRoots,  // degree 0: a nonzero constant, nothing to judge
    Unknown,  // the count has no numbers (its status says why)
};

inline TStabilityVerdict VerdictOf(const THalfPlaneCount& count) {
    if (count.status != TAnalysisStatus::Ok)
        return TStabilityVerdict::Unknown;
    if (count.degree == 0)
        return TStabilityVerdict::NoRoots;
    if (count.right > 0)
        return TStabilityVerdict::Unstable;
    return count.onAxis > 0 ? TStabilityVerdict::Boundary : TStabilityVerdict::Stable;
}
