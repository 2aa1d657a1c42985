#pragma once

#include "numeric/Extended.h"

// The angle in degrees, 0 to 90, of the right triangle with the legs given (both >= 0,
// not both 0), measured from the adjacent leg: atan(opposite / adjacent). Computed
// from + - * / and square roots alone, which every build rounds alike, so the hardware
// and the software extended type give the same bits (their arctangent functions may
// differ in the last place). Within a few units in the last place.
TExtended AngleDegrees(TExtended opposite, TExtended adjacent);
