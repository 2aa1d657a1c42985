#pragma once

#include "analysis/NyquistAnalysis.h"
#include "reports/AnalysisReport.h"

// The analysis of the open loop W(p) = B(p) / A(p) as the Nyquist lab reports it: the
// coefficients (highest power first, as the fields read them), W(j0), the poles on the
// imaginary axis, every phase crossover with the gain margin, every gain crossover with
// the phase margin, and the closed loop's verdict; `upperFrequency` is the range drawn.
// The marked points: the critical point, and the crossovers within the drawn range.
TAnalysisReport NyquistReport(const TOpenLoopCoefficients& coefficients,
                              const TNyquistAnalysis& analysis, double upperFrequency);
