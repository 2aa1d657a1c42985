#pragma once

#include "analysis/RootLabAnalysis.h"
#include "reports/AnalysisReport.h"

#include <vector>

// A root as the root lab found it.
struct TFoundRoot {
    double re = 0;
    double im = 0;
};

// The analysis of a0 + a1·p + a2·p² + a3·p³ (constant term first, as the root lab's fields
// read) as the root lab reports it: the coefficients, the verdict from the coefficients
// alone (all roots left, on the boundary, or how many right), the roots the search found
// with every digit they have (`converged` false where it gave up before finding them all),
// and the Hurwitz conditions with their values.
TAnalysisReport RootLabReport(const TRootLabCoefficients& coefficients,
                              const TRootLabAnalysis& analysis,
                              const std::vector<TFoundRoot>& roots, bool converged);
