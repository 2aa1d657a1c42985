#pragma once

#include "curves/FrequencyRange.h"
#include "curves/PlotTarget.h"

#include <QStringList>
#include <array>
#include <functional>

// The open-loop Nyquist lab's run after the empty-field check, for
// W(p) = (b1·p² + b2·p + b3) / (a0·p³ + a1·p² + a2·p + a3) (highest power first).
// texts: the field texts of a0, a1, a2, a3, b1, b2, b3; every '.' in them becomes
// the decimal separator before parsing. resetAxes is the window's ResetAxes, called
// before parsing; everything else goes to target. A zero
// denominator at a sample ends the run with EZeroDivide (EInvalidOp when the
// numerator is zero too); the points added before stay.
// options: the upper frequency (10 by default).
inline constexpr int kNyquistFieldCount = 7;
// The values of the seven fields as the run reads them, in order (every '.' read as the
// decimal separator); errors as the run raises them.
std::array<double, kNyquistFieldCount> ReadNyquistFields(const QStringList& texts);
void RunNyquist(const QStringList& texts, PlotTarget& target,
                const std::function<void()>& resetAxes, const TPlotRunOptions& options = {});
