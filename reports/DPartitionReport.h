#pragma once

#include "analysis/DPartitionAnalysis.h"
#include "reports/AnalysisReport.h"

// The analysis of a0·p³ + a1·p² + a2·p + a3 in the plane of a3 as the D-partition lab
// reports it: the coefficients (a3 as entered), where the boundary crosses the real a3
// axis and on which side it is hatched, how many right roots each stretch of the axis
// gives, the interval of a3 for which the system is stable (or that there is none), and
// what that means for the a3 entered; `upperFrequency` is the range drawn (both signs).
// The marked points: the crossings the drawn boundary reaches.
TAnalysisReport DPartitionReport(const TCharacteristicCoefficients& coefficients,
                                 const TDPartitionAnalysis& analysis, double upperFrequency);
