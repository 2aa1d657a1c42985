#pragma once

#include "curves/FrequencyRange.h"
#include "curves/PlotTarget.h"

#include <QStringList>
#include <array>
#include <functional>

// The Mikhailov hodograph lab's run after the empty-field check, for the
// characteristic polynomial D(p) = a0·p³ + a1·p² + a2·p + a3 (highest power first).
// texts: the field texts of a0, a1, a2, a3, parsed as they stand.
// resetAxes is the window's ResetAxes (both axes to 0..0 on the window held by the
// global reference), called before parsing; everything else goes to target. Errors (parsing,
// arithmetic faults, axis refusals) propagate; what was changed before them stays.
// options: the upper frequency (13 by default), and whether to plot a system that fails
// the stability test.
inline constexpr int kHodographFieldCount = 4;
// The values of the four fields as the run reads them, in order (the texts as they stand);
// errors as the run raises them.
std::array<double, kHodographFieldCount> ReadHodographFields(const QStringList& texts);
void RunHodograph(const QStringList& texts, PlotTarget& target,
                  const std::function<void()>& resetAxes, const TPlotRunOptions& options = {});

inline const QString kUnstableNotice =
    QStringLiteral("Система неустойчива! Построение графика невозможно.");
inline const QString kStabilityBoundaryNotice =
    QStringLiteral("Система находится на границе устойчивости! Построение графика невозможно.");
