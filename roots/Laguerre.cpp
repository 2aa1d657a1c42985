#include "roots/Laguerre.h"

#include "input/FloatEnv.h"

#include <cmath>

bool IsConverged(double tol, double absP, double absStep, double absX) {
    if (absP <= ZeroThreshold)
        return true;
    return absStep < std::fabs(static_cast<long double>(tol) * absX);
}
