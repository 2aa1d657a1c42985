#pragma once

#include <bit>
#include <concepts>
#include <cstdint>
#include <cstring>

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
    // the x87's "integer indefinite" (the lowest value) and the invalid flag. To int
    // as the x87 stores 32 bits (what the compiler emits there): beyond int's range
    // INT_MIN and invalid, not a 64-bit result cut to 32 bits.
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
// mode), and ties away from zero (as lround); out of range as the conversion above,
// which is also what the C library's lroundl gives on x86-64 (2^63 - 0.5 included).
// Unnormals and the like, which no arithmetic makes, are refused as the x87 refuses
// them, where that lroundl reads their bits as a number.
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

// The common case inline: normal operands and a normal result (and zeros in the
// conversions). Everything else (zeros in the arithmetic, subnormals, infinities, NaNs,
// overflow, flags) goes to the general code in SoftExtended.cpp, which alone would give
// the same results, only slower. Zeros stay out of the inline arithmetic on purpose:
// the larger inline code slowed the multiplication from about 3 ns to 7.
namespace SoftExtendedDetail {

using UInt128 = unsigned __int128;

TSoftExtended GeneralAdd(TSoftExtended a, TSoftExtended b, bool bNegative);
TSoftExtended GeneralMultiply(TSoftExtended a, TSoftExtended b);
TSoftExtended GeneralDivide(TSoftExtended a, TSoftExtended b);
int GeneralCompare(TSoftExtended a, TSoftExtended b, bool signalOnQuietNan);
std::uint64_t GeneralDoubleBits(TSoftExtended x);
TSoftExtended GeneralFromDouble(std::uint64_t bits);

inline constexpr int kBias = 16383;
inline constexpr int kMaxNormalExponent = 0x7ffe;
inline constexpr std::uint64_t kIntegerBit = 1ULL << 63;

inline int BiasedExponent(TSoftExtended x) {
    return x.SignExponent() & 0x7fff;
}

inline bool IsNegative(TSoftExtended x) {
    return (x.SignExponent() >> 15) != 0;
}

inline bool IsNormal(TSoftExtended x) {
    return static_cast<unsigned>(BiasedExponent(x) - 1) < kMaxNormalExponent &&
           (x.Significand() & kIntegerBit);
}

// Zeros, subnormals and normals: the values a comparison orders by their images
// without looking further (a pseudo-denormal, exponent 0 with the integer bit, is not
// one: it orders as exponent 1).
inline bool IsOrdinary(TSoftExtended x) {
    const int exponent = BiasedExponent(x);
    const bool integerBit = (x.Significand() & kIntegerBit) != 0;
    return exponent == 0 ? !integerBit : exponent != 0x7fff && integerBit;
}

inline bool IsZero(TSoftExtended x) {
    return BiasedExponent(x) == 0 && x.Significand() == 0;
}

inline TSoftExtended WithSign(TSoftExtended x, bool negative) {
    return TSoftExtended::FromBits(
        static_cast<std::uint16_t>((x.SignExponent() & 0x7fff) | (negative ? 0x8000 : 0)),
        x.Significand());
}

inline TSoftExtended Zero(bool negative) {
    return TSoftExtended::FromBits(negative ? 0x8000 : 0, 0);
}

inline int CountLeadingZeros(UInt128 x) {
    const auto high = static_cast<std::uint64_t>(x >> 64);
    return high != 0 ? std::countl_zero(high)
                     : 64 + std::countl_zero(static_cast<std::uint64_t>(x));
}

// Rounds kept + rest / 2^64 to nearest-even and packs it with the biased exponent of
// its integer bit (bit 63 of kept); false when the result is not a normal number.
inline bool PackNormal(bool negative, int biased, std::uint64_t kept, std::uint64_t rest,
                       TSoftExtended& result) {
    // Without branches: ties and near-ties come as often as not.
    constexpr std::uint64_t half = 1ULL << 63;
    kept += (rest > half) | ((rest == half) & kept);
    if (kept == 0) [[unlikely]] {
        kept = kIntegerBit;
        ++biased;
    }
    if (biased < 1 || biased > kMaxNormalExponent)
        return false;
    result =
        TSoftExtended::FromBits(static_cast<std::uint16_t>((negative ? 0x8000 : 0) | biased), kept);
    return true;
}

inline TSoftExtended Add(TSoftExtended a, TSoftExtended b, bool bNegative) {
    if (!IsNormal(a) || !IsNormal(b))
        return GeneralAdd(a, b, bNegative);
    // The larger magnitude first, chosen by selection rather than branches: the signs
    // and sizes of the labs' operands follow no pattern a predictor could learn.
    const int aExponent = BiasedExponent(a);
    const int bExponent = BiasedExponent(b);
    const bool aNegative = IsNegative(a);
    const bool swapped =
        aExponent < bExponent || (aExponent == bExponent && a.Significand() < b.Significand());
    const int largerExponent = swapped ? bExponent : aExponent;
    const int distance = swapped ? bExponent - aExponent : aExponent - bExponent;
    const std::uint64_t larger = swapped ? b.Significand() : a.Significand();
    const std::uint64_t smaller = swapped ? a.Significand() : b.Significand();
    const bool negative = swapped ? bNegative : aNegative;
    if (distance > 63) {
        // Below a quarter of the larger one's last place the smaller one cannot move it,
        // even where the larger is a power of two; the two binades between go the long way.
        if (distance > 65)
            return swapped ? WithSign(b, bNegative) : a;
        return GeneralAdd(a, b, bNegative);
    }
    // Both significands fit exactly: the larger one's integer bit at 126. A difference
    // adds the two's complement, which stays exact as the larger comes first.
    const UInt128 x = static_cast<UInt128>(larger) << 63;
    const UInt128 y = static_cast<UInt128>(smaller) << (63 - distance);
    const UInt128 subtract = -static_cast<UInt128>(aNegative != bNegative);
    UInt128 sum = x + ((y ^ subtract) - subtract);
    if (sum == 0)
        return TSoftExtended(); // exact cancellation gives +0 when rounding to nearest
    const int shift = CountLeadingZeros(sum);
    sum <<= shift;
    TSoftExtended result;
    if (PackNormal(negative, largerExponent + 1 - shift, static_cast<std::uint64_t>(sum >> 64),
                   static_cast<std::uint64_t>(sum), result))
        return result;
    return GeneralAdd(a, b, bNegative);
}

inline TSoftExtended Multiply(TSoftExtended a, TSoftExtended b) {
    if (!IsNormal(a) || !IsNormal(b))
        return GeneralMultiply(a, b);
    UInt128 product = static_cast<UInt128>(a.Significand()) * b.Significand();
    int biased = BiasedExponent(a) + BiasedExponent(b) - kBias;
    if (product >> 127)
        ++biased;
    else
        product <<= 1;
    TSoftExtended result;
    if (PackNormal(IsNegative(a) != IsNegative(b), biased,
                   static_cast<std::uint64_t>(product >> 64), static_cast<std::uint64_t>(product),
                   result))
        return result;
    return GeneralMultiply(a, b);
}

// One 128-by-64 division gives the 64 quotient bits; the remainder against half the
// divisor decides the rounding exactly, ties included.
inline TSoftExtended Divide(TSoftExtended a, TSoftExtended b) {
    if (!IsNormal(a) || !IsNormal(b))
        return GeneralDivide(a, b);
    const std::uint64_t dividend = a.Significand();
    const std::uint64_t divisor = b.Significand();
    // A quotient of 64 bits exactly: one more bit of dividend when it is the smaller.
    const int smaller = dividend < divisor;
    const int biased = BiasedExponent(a) - BiasedExponent(b) + kBias - smaller;
    const UInt128 numerator = static_cast<UInt128>(dividend) << (63 + smaller);
    const auto quotient = static_cast<std::uint64_t>(numerator / divisor);
    const auto remainder =
        static_cast<std::uint64_t>(numerator - static_cast<UInt128>(quotient) * divisor);
    // What is left against half the divisor: the rounding's view of the bits beyond.
    const std::uint64_t beyondHalf = divisor - remainder;
    const std::uint64_t rest =
        (static_cast<std::uint64_t>(remainder >= beyondHalf) << 63) |
        static_cast<std::uint64_t>(remainder > beyondHalf ||
                                   (remainder != 0 && remainder < beyondHalf));
    TSoftExtended result;
    if (PackNormal(IsNegative(a) != IsNegative(b), biased, quotient, rest, result))
        return result;
    return GeneralDivide(a, b);
}

// -1, 0, 1, or 2 for unordered.
inline int Compare(TSoftExtended a, TSoftExtended b, bool signalOnQuietNan) {
    if (!IsOrdinary(a) || !IsOrdinary(b))
        return GeneralCompare(a, b, signalOnQuietNan);
    const auto aMagnitude = (static_cast<UInt128>(BiasedExponent(a)) << 64) | a.Significand();
    const auto bMagnitude = (static_cast<UInt128>(BiasedExponent(b)) << 64) | b.Significand();
    if (aMagnitude == 0 && bMagnitude == 0)
        return 0; // +0 == -0
    const bool aNegative = IsNegative(a);
    if (aNegative != IsNegative(b))
        return aNegative ? -1 : 1;
    if (aMagnitude == bMagnitude)
        return 0;
    return (aMagnitude < bMagnitude) != aNegative ? -1 : 1;
}

} // namespace SoftExtendedDetail

// Zeros and normal doubles widen by moving the exponent to the wider bias.
inline TSoftExtended::TSoftExtended(double value) {
    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    const int biased = static_cast<int>(bits >> 52) & 0x7ff;
    if ((bits << 1) == 0) {
        signExponent_ = static_cast<std::uint16_t>((bits >> 48) & 0x8000);
        significand_ = 0;
        return;
    }
    if (biased == 0 || biased == 0x7ff) {
        *this = SoftExtendedDetail::GeneralFromDouble(bits);
        return;
    }
    signExponent_ = static_cast<std::uint16_t>(((bits >> 48) & 0x8000) |
                                               (biased - 1023 + SoftExtendedDetail::kBias));
    significand_ = ((bits & ((1ULL << 52) - 1)) << 11) | SoftExtendedDetail::kIntegerBit;
}

// Zeros, and normal values within the normal doubles: one rounding of the significand
// to 53 bits.
inline TSoftExtended::operator double() const {
    using namespace SoftExtendedDetail;
    const int biased = BiasedExponent(*this) - kBias + 1023;
    std::uint64_t bits;
    if (IsNormal(*this) && biased >= 1 && biased < 0x7fe) {
        std::uint64_t kept = significand_ >> 11;
        const std::uint64_t rest = significand_ << 53;
        constexpr std::uint64_t half = 1ULL << 63;
        if (rest > half || (rest == half && (kept & 1)))
            ++kept; // a carry out of 53 bits lands in the exponent field, as it should
        bits = (static_cast<std::uint64_t>(signExponent_ & 0x8000) << 48) +
               (static_cast<std::uint64_t>(biased - 1) << 52) + kept;
    } else if (IsZero(*this)) {
        bits = static_cast<std::uint64_t>(signExponent_ & 0x8000) << 48;
    } else {
        bits = GeneralDoubleBits(*this);
    }
    double result;
    std::memcpy(&result, &bits, sizeof result);
    return result;
}

inline TSoftExtended operator+(TSoftExtended a, TSoftExtended b) {
    return SoftExtendedDetail::Add(a, b, SoftExtendedDetail::IsNegative(b));
}

inline TSoftExtended operator-(TSoftExtended a, TSoftExtended b) {
    return SoftExtendedDetail::Add(a, b, !SoftExtendedDetail::IsNegative(b));
}

inline TSoftExtended operator*(TSoftExtended a, TSoftExtended b) {
    return SoftExtendedDetail::Multiply(a, b);
}

inline TSoftExtended operator/(TSoftExtended a, TSoftExtended b) {
    return SoftExtendedDetail::Divide(a, b);
}

inline TSoftExtended& TSoftExtended::operator+=(TSoftExtended other) {
    return *this = *this + other;
}

inline TSoftExtended& TSoftExtended::operator-=(TSoftExtended other) {
    return *this = *this - other;
}

inline TSoftExtended& TSoftExtended::operator*=(TSoftExtended other) {
    return *this = *this * other;
}

inline TSoftExtended& TSoftExtended::operator/=(TSoftExtended other) {
    return *this = *this / other;
}

inline bool operator==(TSoftExtended a, TSoftExtended b) {
    return SoftExtendedDetail::Compare(a, b, false) == 0;
}

inline bool operator!=(TSoftExtended a, TSoftExtended b) {
    return SoftExtendedDetail::Compare(a, b, false) != 0;
}

inline bool operator<(TSoftExtended a, TSoftExtended b) {
    return SoftExtendedDetail::Compare(a, b, true) == -1;
}

inline bool operator<=(TSoftExtended a, TSoftExtended b) {
    const int order = SoftExtendedDetail::Compare(a, b, true);
    return order == -1 || order == 0;
}

inline bool operator>(TSoftExtended a, TSoftExtended b) {
    return SoftExtendedDetail::Compare(a, b, true) == 1;
}

inline bool operator>=(TSoftExtended a, TSoftExtended b) {
    const int order = SoftExtendedDetail::Compare(a, b, true);
    return order == 1 || order == 0;
}
