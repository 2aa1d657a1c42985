#pragma once

#include <cstdint>

// The one type of every extended-precision computation of the labs: a 64-bit
// significand with the x87's exponent range, rounded to nearest-even. On x86-64 it is
// the hardware's long double; elsewhere (or when the build forces it) the software
// type, which gives the same bits. The build defines LABS_SOFT_EXTENDED to choose.
#if LABS_SOFT_EXTENDED

#include "numeric/SoftExtended.h"

using TExtended = TSoftExtended;
// Software values live in memory anyway.
using TExtendedInMemory = TSoftExtended;

// The value whose 80-bit image is given: sign in bit 15 of signExponent, biased
// exponent in bits 0-14, significand with its explicit integer bit.
constexpr TExtended ExtendedFromImage(std::uint16_t signExponent, std::uint64_t significand) {
    return TSoftExtended::FromBits(signExponent, significand);
}

inline TExtended ExtendedAbs(TExtended x) {
    return SoftAbs(x);
}
inline TExtended ExtendedSqrt(TExtended x) {
    return SoftSqrt(x);
}
inline TExtended ExtendedSin(TExtended x) {
    return SoftSin(x);
}
inline TExtended ExtendedCos(TExtended x) {
    return SoftCos(x);
}
inline TExtended ExtendedAtan(TExtended x) {
    return SoftAtan(x);
}
// Toward zero, and to nearest-even, as integral extended values.
inline TExtended ExtendedTrunc(TExtended x) {
    return SoftTrunc(x);
}
inline TExtended ExtendedNearbyInt(TExtended x) {
    return SoftNearbyInt(x);
}
// To an integer: nearest-even, and halves away from zero.
inline long long ExtendedRoundToInteger(TExtended x) {
    return SoftRoundToInteger(x);
}
inline long long ExtendedRoundHalfAway(TExtended x) {
    return SoftRoundHalfAway(x);
}

#else

#include <bit>
#include <cmath>
#if defined(_WIN32)
#include "numeric/SoftExtended.h"

#include <cfenv>
#endif

using TExtended = long double;
// An extended variable the compiler must keep in memory, each assignment a store, so
// that no computation moves past the flag test that follows it.
using TExtendedInMemory = volatile long double;

// The x87's 80-bit image as it lies in a long double's 16 bytes.
struct TExtendedImage {
    std::uint64_t significand;
    std::uint16_t signExponent;
    std::uint16_t padding[3];
};

constexpr TExtended ExtendedFromImage(std::uint16_t signExponent, std::uint64_t significand) {
    return std::bit_cast<long double>(TExtendedImage{significand, signExponent, {0, 0, 0}});
}

inline TExtended ExtendedAbs(TExtended x) {
    return std::fabs(x);
}
inline TExtended ExtendedSqrt(TExtended x) {
    return std::sqrt(x);
}
#if defined(_WIN32)
// MinGW's sinl and cosl are the x87's own instructions, which give up on arguments
// beyond 2^63 (glibc reduces those) and round differently: on Windows the program's
// own correctly rounded functions compute the sine, cosine and arctangent, with the
// flags they raise raised on the hardware, so that the digits are the Linux build's.
inline TExtended ExtendedViaSoft(TSoftExtended (*function)(TSoftExtended), TExtended x) {
    const TExtendedImage image = std::bit_cast<TExtendedImage>(x);
    const int before = SoftExtendedFlags();
    SetSoftExtendedFlags(0);
    const TSoftExtended result =
        function(TSoftExtended::FromBits(image.signExponent, image.significand));
    const int raised = SoftExtendedFlags();
    SetSoftExtendedFlags(before);
    if (raised)
        std::feraiseexcept(raised);
    return ExtendedFromImage(result.SignExponent(), result.Significand());
}
inline TExtended ExtendedSin(TExtended x) {
    return ExtendedViaSoft(SoftSin, x);
}
inline TExtended ExtendedCos(TExtended x) {
    return ExtendedViaSoft(SoftCos, x);
}
inline TExtended ExtendedAtan(TExtended x) {
    return ExtendedViaSoft(SoftAtan, x);
}
#else
inline TExtended ExtendedSin(TExtended x) {
    return std::sin(x);
}
inline TExtended ExtendedCos(TExtended x) {
    return std::cos(x);
}
inline TExtended ExtendedAtan(TExtended x) {
    return std::atan(x);
}
#endif
inline TExtended ExtendedTrunc(TExtended x) {
    return std::trunc(x);
}
inline TExtended ExtendedNearbyInt(TExtended x) {
    return std::nearbyint(x);
}
inline long long ExtendedRoundToInteger(TExtended x) {
    return std::llrint(x);
}
// long long, not long: on Windows a long has 32 bits.
inline long long ExtendedRoundHalfAway(TExtended x) {
    return std::llround(x);
}

#endif
