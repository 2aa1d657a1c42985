#pragma once

#include "numeric/Extended.h"

#include <cmath>
#include <cstdint>
#include <cstring>

// Extended values in and out of the tests' long double, whichever type the build
// computes with. The reference computations of the tests use long double arithmetic of
// the C library (which the analysis does not use); the tolerances allow for its rounding.

struct TTestImage {
    std::uint16_t signExponent;
    std::uint64_t significand;
};

inline TTestImage ImageOf(TExtended x) {
#if LABS_SOFT_EXTENDED
    return {x.SignExponent(), x.Significand()};
#else
    TTestImage image{};
    std::memcpy(&image.significand, &x, sizeof image.significand);
    std::memcpy(&image.signExponent, reinterpret_cast<const unsigned char*>(&x) + 8,
                sizeof image.signExponent);
    return image;
#endif
}

// Exact wherever long double has at least 64 significand bits (x86-64, or a 113-bit
// long double elsewhere).
inline long double ToLongDouble(TExtended x) {
#if LABS_SOFT_EXTENDED
    const TTestImage image = ImageOf(x);
    const int biased = image.signExponent & 0x7fff;
    const long double magnitude = std::ldexp(static_cast<long double>(image.significand),
                                             (biased == 0 ? 1 : biased) - 16383 - 63);
    return (image.signExponent & 0x8000) ? -magnitude : magnitude;
#else
    return x;
#endif
}

// For normal values (and zero), exactly.
inline TExtended FromLongDouble(long double value) {
#if LABS_SOFT_EXTENDED
    if (value == 0)
        return TExtended(0.0);
    int exponent = 0;
    const long double fraction = std::frexp(std::fabs(value), &exponent); // [0.5, 1)
    const auto significand = static_cast<std::uint64_t>(std::ldexp(fraction, 64));
    const auto biased = static_cast<std::uint16_t>(exponent - 1 + 16383);
    return ExtendedFromImage(static_cast<std::uint16_t>(biased | (value < 0 ? 0x8000 : 0)),
                             significand);
#else
    return value;
#endif
}

// The neighbour of a normal x > 0 one unit in the last place up or down.
inline TExtended NextUp(TExtended x) {
    TTestImage image = ImageOf(x);
    if (++image.significand == 0) {
        image.significand = 0x8000000000000000u;
        ++image.signExponent;
    }
    return ExtendedFromImage(image.signExponent, image.significand);
}

inline TExtended NextDown(TExtended x) {
    TTestImage image = ImageOf(x);
    if (image.significand == 0x8000000000000000u) {
        image.significand = ~std::uint64_t{0};
        --image.signExponent;
    } else {
        --image.significand;
    }
    return ExtendedFromImage(image.signExponent, image.significand);
}

// |a - b| <= tolerance · max(|b|, floor): relative, and absolute near zero.
inline bool Near(long double a, long double b, long double tolerance, long double floor = 1) {
    return std::fabs(a - b) <= tolerance * std::fmax(std::fabs(b), floor);
}
