#include "roots/Laguerre.h"

#include "ground/FloatEnv.h"

#include <cmath>

bool IsConverged(double tol, double absP, double absStep, double absX) {
    if (absP <= ZeroThreshold)
        return true;
    return absStep < ExtendedAbs(static_cast<TExtended>(tol) * absX);
}
