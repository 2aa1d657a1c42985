#pragma once

// The coefficients of the hodograph and D-partition labs, as parsed from the fields:
// D(p) = a0·p^3 + a1·p^2 + a2·p + a3, highest power FIRST.
struct TCharacteristicCoefficients {
    double a0 = 0;
    double a1 = 0;
    double a2 = 0;
    double a3 = 0;
};
