#pragma once

#include "analysis/MikhailovAnalysis.h"
#include "reports/AnalysisReport.h"

// The analysis of D(p) = a0·p³ + a1·p² + a2·p + a3 as the hodograph lab reports it: the
// coefficients, every crossing of the axes in order with its point, the quadrants the
// curve passes, the verdict of Mikhailov's criterion and, where it fails, where the
// order breaks and how many roots lie in the right half-plane; `upperFrequency` is the
// range drawn. The marked points: the crossings within the drawn range.
TAnalysisReport HodographReport(const TCharacteristicCoefficients& coefficients,
                                const TMikhailovAnalysis& analysis, double upperFrequency);
