#pragma once

#include "analysis/AnalysisStatus.h"
#include "analysis/HalfPlaneCount.h"
#include "analysis/HurwitzConditions.h"
#include "analysis/StabilityVerdict.h"

// The coefficients of the root lab, as parsed from the fields: the polynomial
// a0 + a1·p + a2·p^2 + a3·p^3, constant term FIRST (the other way round from the
// plotting labs).
struct TRootLabCoefficients {
    double a0 = 0;
    double a1 = 0;
    double a2 = 0;
    double a3 = 0;
};

struct TRootLabAnalysis {
    // IdenticallyZero when every coefficient is zero; NotComputable as CountHalfPlanes.
    TAnalysisStatus status = TAnalysisStatus::Ok;
    int degree = 0;
    THurwitzConditions conditions;
    THalfPlaneCount count;
    TStabilityVerdict verdict = TStabilityVerdict::Unknown;
};

// Exact from the coefficients, without finding a root. Leaves the floating-point state
// as it found it.
TRootLabAnalysis AnalyseRootLab(const TRootLabCoefficients& coefficients);
