#pragma once

#include "numeric/Extended.h"

#include <vector>

// A round upper frequency for a plot: mantissa · 10^exponent, mantissa 1, 2 or 5.
struct TReadableFrequency {
    TExtended value = 1;
    int mantissa = 1;
    int exponent = 0;
    // Whether it comes from the size of the roots, the lab having no characteristic
    // frequency to show.
    bool fromRootScale = false;
    // Whether the frequencies asked for lie beyond 10^300 (or below 10^-300), where a
    // plot's double-precision frequency cannot follow; the value is that limit.
    bool clamped = false;
};

// The smallest readable value that is at least 1.5 times the largest of the
// characteristic frequencies (those that are finite and > 0), so that every one of
// them shows with room to spare; where there is none, 1.5 times rootScale (a size of
// the system's roots, see RootScale) instead, and 1 where that is not a finite number
// > 0 either. Never zero, never infinite.
TReadableFrequency ReadableUpperFrequency(const std::vector<TExtended>& characteristic,
                                          TExtended rootScale);
