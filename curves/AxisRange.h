#pragma once

#include "curves/PlotTarget.h"

// Both axes to 0..0, the bottom axis first. Every write goes through the validating
// setters, in an order they accept whatever range panning or zooming has left: an
// axis whose Maximum is below 0 gets Maximum := 0 first, any other Minimum first.
void ResetAxes(PlotTarget& target);

// Shows lo..hi (lo <= hi) on one axis: Maximum first, then Minimum, unless the
// Maximum would be refused against the current Minimum; then Minimum first. A lab
// thereby always shows the range it computed.
void SetAxisRange(PlotTarget& target, PlotAxis axis, double lo, double hi);
