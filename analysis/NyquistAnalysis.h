#pragma once

#include "analysis/AnalysisStatus.h"
#include "analysis/HalfPlaneCount.h"
#include "analysis/ReadableFrequency.h"
#include "analysis/RealPolynomial.h"
#include "analysis/StabilityVerdict.h"

#include <vector>

// The coefficients of the Nyquist lab, as parsed from the fields: the open loop
// W(p) = B(p) / A(p) with A(p) = a0·p^3 + a1·p^2 + a2·p + a3 and B(p) = b1·p^2 + b2·p + b3,
// highest power FIRST.
struct TOpenLoopCoefficients {
    double a0 = 0;
    double a1 = 0;
    double a2 = 0;
    double a3 = 0;
    double b1 = 0;
    double b2 = 0;
    double b3 = 0;
};

enum class TStaticGainKind {
    Finite,        // W(0) = b3 / a3
    Infinite,      // a3 = 0, b3 != 0: A has a root at p = 0 (an integrator)
    Indeterminate, // a3 = b3 = 0: A and B share the root p = 0, W(0) is 0/0
    NumeratorZero, // B is identically zero: W = 0 at every frequency
};

struct TStaticGain {
    TStaticGainKind kind = TStaticGainKind::Finite;
    TExtended value = 0; // for Finite
};

// A frequency w > 0 where W(jw) crosses (or touches) the negative real axis.
struct TPhaseCrossover {
    TExtended omega = 0;
    TExtended re = 0;           // W(jw), real and < 0
    bool touching = false;      // Im W reaches 0 there without changing sign
    TExtended gainMargin = 0;   // -1 / Re W
    TExtended gainMarginDb = 0; // 20 log10 of it
};

// A frequency w >= 0 where |W(jw)| = 1.
struct TGainCrossover {
    TExtended omega = 0;
    TExtended re = 0;
    TExtended im = 0;
    bool touching = false; // |W| reaches 1 there without crossing it
    // arg W(jw) in degrees, continuous from w -> 0+ (see TNyquistAnalysis), and the
    // phase margin 180 + arg W; phaseKnown is false only where the argument is not
    // defined (W(jw) exactly 0 in a part that should not be).
    bool phaseKnown = false;
    TExtended phaseDegrees = 0;
    TExtended phaseMarginDegrees = 0;
};

struct TNyquistAnalysis {
    // IdenticallyZero when A is identically zero (W is not defined anywhere).
    TAnalysisStatus status = TAnalysisStatus::Ok;
    TStaticGain staticGain;
    // Every w >= 0 with A(jw) = 0 exactly (real and imaginary part), increasing.
    std::vector<TExtended> axisPoles;
    // Im W(jw) = 0 at every w (or B = 0): no phase crossover can be told apart.
    bool responseOnRealAxis = false;
    std::vector<TPhaseCrossover> phaseCrossovers; // increasing w, only those with Re W < 0
    // |W(jw)| = 1 at every w: no gain crossover can be told apart.
    bool unitMagnitudeEverywhere = false;
    std::vector<TGainCrossover> gainCrossovers; // increasing w
    // A crossover polynomial comes within its rounding of a double root without
    // reaching it (a crossover only approximately a touching one): the crossovers listed
    // may differ by a pair from what exact arithmetic would give there.
    bool phaseCrossoverUncertain = false;
    bool gainCrossoverUncertain = false;
    // The closed loop's characteristic polynomial A + B (c[k] that of p^k, constant
    // FIRST) and where its roots lie.
    TRealPolynomial closedLoop;
    THalfPlaneCount closedLoopCount;
    TStabilityVerdict closedLoopVerdict = TStabilityVerdict::Unknown;
    // An upper frequency for the plot that shows every crossover and every pole on the
    // axis.
    TReadableFrequency suggestedFrequency;
};

// The phase arg W(jw) starts, at w -> 0+, at 90·(k_B - k_A) degrees, k_A and k_B the
// orders of the roots of A and B at p = 0, less 180 where the lowest nonzero
// coefficients of A and B have opposite signs (a phase lag, as a negative gain or an
// unstable real pole gives); from there it is continuous (it never wraps to +-180), and
// passes a pole on the axis by -180 degrees and a zero on the axis by +180, the way the
// Nyquist contour goes round them through the right half-plane. Leaves the
// floating-point state as it found it.
TNyquistAnalysis AnalyseNyquist(const TOpenLoopCoefficients& coefficients);
