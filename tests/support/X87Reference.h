#pragma once

// The x87 itself as the reference for the software extended type: each operation in
// its own function that the compiler may neither inline nor fold, so that it runs
// between the flag calls around it, and the 80-bit image of a long double. Only for
// platforms where long double is the x87's format.

#include <cfenv>
#include <cmath>
#include <cstdint>
#include <cstring>

inline constexpr int kComparedFlags = FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW;

#if defined(__clang__)
#define HARDWARE __attribute__((noinline, optnone)) inline
#else
#define HARDWARE __attribute__((noipa)) inline
#endif
// Out of range, the x87 stores the integer indefinite and raises invalid: that is the
// reference, not undefined behaviour for a sanitizer to stop at.
#define HARDWARE_TO_INTEGER __attribute__((no_sanitize("float-cast-overflow"))) HARDWARE
HARDWARE long double HardAdd(long double a, long double b) {
    return a + b;
}
HARDWARE long double HardSubtract(long double a, long double b) {
    return a - b;
}
HARDWARE long double HardMultiply(long double a, long double b) {
    return a * b;
}
HARDWARE long double HardDivide(long double a, long double b) {
    return a / b;
}
HARDWARE long double HardSqrt(long double a) {
    return sqrtl(a);
}
HARDWARE int HardCompare(long double a, long double b) {
    return (a < b) | (a <= b) << 1 | (a == b) << 2 | (a != b) << 3 | (a > b) << 4 | (a >= b) << 5;
}
// The quiet comparisons alone: == and != do not signal on a quiet NaN.
HARDWARE int HardEquality(long double a, long double b) {
    return (a == b) | (a != b) << 1;
}
HARDWARE double HardToDouble(long double a) {
    return static_cast<double>(a);
}
HARDWARE long double HardFromDouble(double a) {
    return a;
}
HARDWARE long double HardFromInt64(std::int64_t a) {
    return static_cast<long double>(a);
}
HARDWARE long double HardFromUint64(std::uint64_t a) {
    return static_cast<long double>(a);
}
HARDWARE_TO_INTEGER std::int64_t HardToInt64(long double a) {
    return static_cast<std::int64_t>(a);
}
HARDWARE std::int64_t HardLlrint(long double a) {
    return llrintl(a);
}
HARDWARE std::int64_t HardLround(long double a) {
    return llroundl(a); // lroundl would give a 32-bit long on Windows
}
HARDWARE long double HardTrunc(long double a) {
    return truncl(a);
}
HARDWARE long double HardNearbyInt(long double a) {
#ifdef __MINGW32__
    // MinGW's nearbyintl puts back the flags it found around the rounding, the invalid
    // flag of a signalling NaN with them; the x87 (and glibc) quiet it with that flag.
    if (a != a)
        return a + a;
#endif
    return nearbyintl(a);
}
HARDWARE_TO_INTEGER int HardToInt(long double a) {
    return static_cast<int>(a);
}

// The 80-bit image of a long double: significand, then sign and exponent.
struct ExtendedImage {
    std::uint64_t significand;
    std::uint16_t signExponent;
};

inline ExtendedImage ImageOf(long double value) {
    ExtendedImage image{};
    std::memcpy(&image.significand, &value, 8);
    std::memcpy(&image.signExponent, reinterpret_cast<const char*>(&value) + 8, 2);
    return image;
}

inline long double FromImage(std::uint16_t signExponent, std::uint64_t significand) {
    long double value = 0;
    std::memcpy(&value, &significand, 8);
    std::memcpy(reinterpret_cast<char*>(&value) + 8, &signExponent, 2);
    return value;
}

// Clears the hardware flags only when one we compare is up: clearing costs far more
// than testing, and the inexact flag, up after almost every operation, is not compared.
inline void ClearHardwareFlags() {
    if (fetestexcept(kComparedFlags))
        feclearexcept(kComparedFlags);
}

inline int HardwareFlags() {
    return fetestexcept(kComparedFlags);
}
#undef HARDWARE_TO_INTEGER
#undef HARDWARE
