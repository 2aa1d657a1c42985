#pragma once

#include "numeric/Extended.h"

// The frequencies a plotting lab samples: from 0 up to and including `upper`, in steps of
// upper / steps, so that a run takes about the same number of samples whatever the range
// (and never more than `steps` + 2: MaxSamples bounds the loops). At a lab's own upper
// frequency the step is the extended value nearest to the lab's 0.1, 0.002 or 0.01 (the
// quotient is correctly rounded), so the samples are bit for bit those the lab has always
// taken.
struct TFrequencyRange {
    double upper;
    int steps;

    TExtended Step() const { return static_cast<TExtended>(upper) / steps; }
    int MaxSamples() const { return steps + 2; }
};

inline constexpr TFrequencyRange kHodographFrequencies{13, 130};
inline constexpr TFrequencyRange kNyquistFrequencies{10, 5000};
inline constexpr TFrequencyRange kDPartitionFrequencies{10, 1000};

// The upper frequencies a student may choose: a range the samples can still resolve and
// the double frequency still step through.
inline constexpr double kLowestUpperFrequency = 1e-3;
inline constexpr double kHighestUpperFrequency = 1e9;

// What a window asks of a run besides its fields.
struct TPlotRunOptions {
    // The highest frequency sampled; 0 for the lab's own.
    double upperFrequency = 0;
    // The hodograph lab: sample a system that fails the stability test too, without the
    // notice (the student has read it and asked for the curve).
    bool plotEvenIfUnstable = false;

    TFrequencyRange Frequencies(const TFrequencyRange& lab) const {
        return upperFrequency > 0 ? TFrequencyRange{upperFrequency, lab.steps} : lab;
    }
};
