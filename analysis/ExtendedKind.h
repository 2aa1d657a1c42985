#pragma once

#include "numeric/Extended.h"

#include <cstdint>
#include <cstring>

// Whether a value is a number of the extended range, not an infinity or a NaN. Read
// from the exponent field, so that the test raises no flag whatever the value.
inline bool IsFiniteExtended(TExtended x) {
#if LABS_SOFT_EXTENDED
    return (x.SignExponent() & 0x7fff) != 0x7fff;
#else
    // The x87 image: significand in bytes 0-7, sign and exponent in bytes 8-9.
    std::uint16_t signExponent;
    std::memcpy(&signExponent, reinterpret_cast<const unsigned char*>(&x) + 8, sizeof signExponent);
    return (signExponent & 0x7fff) != 0x7fff;
#endif
}

// -1, 0 or +1 (both zeros give 0). Never called with a NaN.
inline int SignOf(TExtended x) {
    if (x > 0)
        return 1;
    return x < 0 ? -1 : 0;
}
