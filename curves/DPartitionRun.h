#pragma once

#include "curves/FrequencyRange.h"
#include "curves/PlotTarget.h"

#include <QStringList>
#include <array>
#include <functional>

// The D-partition lab's run after the empty-field check: the boundary
// a3(jω) = a1·ω² + j·(a0·ω³ − a2·ω) of a0·p³ + a1·p² + a2·p + a3 (highest power
// first) in the plane of a3, for ω >= 0 (Curve) and its mirror for ω <= 0.
// texts: the field texts of a0, a1, a2, a3, parsed as they stand; a3 must parse
// but does not enter the picture. resetAxes is the window's ResetAxes, called after
// parsing; everything else goes to target.
// options: the upper frequency (10 by default).
inline constexpr int kDPartitionFieldCount = 4;
// The values of the four fields as the run reads them, in order (the texts as they stand,
// a3 among them); errors as the run raises them.
std::array<double, kDPartitionFieldCount> ReadDPartitionFields(const QStringList& texts);
void RunDPartition(const QStringList& texts, PlotTarget& target,
                   const std::function<void()>& resetAxes, const TPlotRunOptions& options = {});
