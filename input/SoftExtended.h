#pragma once

#include <concepts>
#include <cstdint>

// The labs' extended arithmetic done with integers, for CPUs without an x87 unit: the
// same 80-bit format (64-bit significand with an explicit integer bit, 15-bit exponent
// biased by 16383, a sign), round-to-nearest-even, subnormals kept, and the x87's
// results bit for bit for +, -, *, /, square root, comparisons and the conversions.
// The x87's invalid-operation, division-by-zero and overflow exceptions are kept as
// sticky flags, read where a value is stored into a double, as the hardware's are.
class TSoftExtended {
public:
    // +0.
    constexpr TSoftExtended() = default;
    // Exact, as every double and every integer up to 64 bits is representable.
    TSoftExtended(double value);
    TSoftExtended(float value) : TSoftExtended(static_cast<double>(value)) {}
    template <std::signed_integral I>
    TSoftExtended(I value) : TSoftExtended(FromInteger(static_cast<std::int64_t>(value))) {}
    template <std::unsigned_integral I>
    TSoftExtended(I value) : TSoftExtended(FromUnsigned(static_cast<std::uint64_t>(value))) {}

    // The 80-bit image: sign in bit 15 of signExponent, biased exponent in bits 0-14.
    static constexpr TSoftExtended FromBits(std::uint16_t signExponent, std::uint64_t significand) {
        TSoftExtended result;
        result.significand_ = significand;
        result.signExponent_ = signExponent;
        return result;
    }
    constexpr std::uint16_t SignExponent() const { return signExponent_; }
    constexpr std::uint64_t Significand() const { return significand_; }

    // One rounding to nearest-even; beyond the double range an infinity and the
    // overflow flag.
    explicit operator double() const;
    // Truncation toward zero; NaN, infinities and values beyond the range give
    // the x87's "integer indefinite" (the lowest value) and the invalid flag.
    explicit operator std::int64_t() const;
    explicit operator int() const;

    TSoftExtended& operator+=(TSoftExtended other);
    TSoftExtended& operator-=(TSoftExtended other);
    TSoftExtended& operator*=(TSoftExtended other);
    TSoftExtended& operator/=(TSoftExtended other);

private:
    static TSoftExtended FromInteger(std::int64_t value);
    static TSoftExtended FromUnsigned(std::uint64_t value);

    std::uint64_t significand_ = 0;
    std::uint16_t signExponent_ = 0;
};

TSoftExtended operator+(TSoftExtended a, TSoftExtended b);
TSoftExtended operator-(TSoftExtended a, TSoftExtended b);
TSoftExtended operator*(TSoftExtended a, TSoftExtended b);
TSoftExtended operator/(TSoftExtended a, TSoftExtended b);
TSoftExtended operator-(TSoftExtended a);

// == and != are quiet; <, <=, >, >= with a NaN raise the invalid flag, as on the x87.
bool operator==(TSoftExtended a, TSoftExtended b);
bool operator!=(TSoftExtended a, TSoftExtended b);
bool operator<(TSoftExtended a, TSoftExtended b);
bool operator<=(TSoftExtended a, TSoftExtended b);
bool operator>(TSoftExtended a, TSoftExtended b);
bool operator>=(TSoftExtended a, TSoftExtended b);

TSoftExtended SoftSqrt(TSoftExtended x);
TSoftExtended SoftAbs(TSoftExtended x);
// Rounded to an integral value: toward zero, and to nearest-even.
TSoftExtended SoftTrunc(TSoftExtended x);
TSoftExtended SoftNearbyInt(TSoftExtended x);
// To the nearest integer, ties to even (as llrint under the program's rounding
// mode), and ties away from zero (as lround); out of range as the conversion above.
std::int64_t SoftRoundToInteger(TSoftExtended x);
std::int64_t SoftRoundHalfAway(TSoftExtended x);
bool SoftIsNan(TSoftExtended x);
bool SoftSignBit(TSoftExtended x);

// Within one unit in the last place of the exact value, for every finite argument.
TSoftExtended SoftSin(TSoftExtended x);
TSoftExtended SoftCos(TSoftExtended x);
TSoftExtended SoftAtan(TSoftExtended x);

// The sticky exception flags of the software arithmetic, in the bits of <cfenv>'s
// FE_INVALID, FE_DIVBYZERO and FE_OVERFLOW of this platform.
int SoftExtendedFlags();
void SetSoftExtendedFlags(int flags);
