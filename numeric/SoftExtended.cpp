#include "numeric/SoftExtended.h"

#include <array>
#include <bit>
#include <cfenv>
#include <utility>

// Everything here is integer arithmetic on the 80-bit image, so that it gives the same
// bits on every CPU: no floating-point type takes part, least of all long double, which
// is a different format on most platforms without an x87.

namespace {

// The small helpers that the inline common case in the header uses too.
using SoftExtendedDetail::BiasedExponent;
using SoftExtendedDetail::CountLeadingZeros;
using SoftExtendedDetail::IsNegative;
using SoftExtendedDetail::IsZero;
using SoftExtendedDetail::WithSign;
using SoftExtendedDetail::Zero;
using UInt128 = unsigned __int128;
using Int128 = __int128;

constexpr int exponentBias = 16383;
constexpr std::uint16_t signMask = 0x8000;
constexpr std::uint16_t exponentMask = 0x7fff;
constexpr std::uint16_t maxExponent = 0x7fff;
constexpr std::uint64_t integerBit = 1ULL << 63;
constexpr std::uint64_t quietBit = 1ULL << 62;
// The x87's "real indefinite": the NaN that an invalid operation delivers.
constexpr std::uint64_t indefiniteSignificand = integerBit | quietBit;

void Raise(int flags) {
    SetSoftExtendedFlags(SoftExtendedFlags() | flags);
}

std::uint16_t SignField(bool negative) {
    return negative ? signMask : 0;
}

bool IsInfinity(TSoftExtended x) {
    return BiasedExponent(x) == maxExponent && x.Significand() == integerBit;
}

// A NaN in the x87's sense: all-ones exponent, integer bit set, a non-zero fraction.
bool IsProperNan(TSoftExtended x) {
    return BiasedExponent(x) == maxExponent && (x.Significand() & integerBit) &&
           (x.Significand() << 1) != 0;
}

bool IsSignalingNan(TSoftExtended x) {
    return IsProperNan(x) && !(x.Significand() & quietBit);
}

// Encodings the x87 refuses as operands (unnormals, pseudo-infinities, pseudo-NaNs):
// a non-zero exponent without the explicit integer bit. Arithmetic never makes them.
bool IsUnsupported(TSoftExtended x) {
    return BiasedExponent(x) != 0 && !(x.Significand() & integerBit);
}

// A pseudo-denormal (exponent field 0 with the integer bit set) is read by the x87 as
// the normal value with exponent 1, and a result that is the operand unchanged comes
// out in that encoding. No arithmetic makes one, but a value built from its bits may
// be one: the general paths read every operand through this, the fast ones take only
// normal operands anyway.
TSoftExtended AsStored(TSoftExtended x) {
    if (BiasedExponent(x) == 0 && (x.Significand() & integerBit))
        return TSoftExtended::FromBits(static_cast<std::uint16_t>(x.SignExponent() | 1),
                                       x.Significand());
    return x;
}

// Normal and subnormal values other than zero: the operands of the plain arithmetic.
bool IsFiniteNonZero(TSoftExtended x) {
    const int exponent = BiasedExponent(x);
    if (exponent == 0)
        return x.Significand() != 0;
    return exponent != maxExponent && (x.Significand() & integerBit);
}

TSoftExtended Infinity(bool negative) {
    return TSoftExtended::FromBits(SignField(negative) | maxExponent, integerBit);
}

TSoftExtended InvalidResult() {
    Raise(FE_INVALID);
    return TSoftExtended::FromBits(signMask | maxExponent, indefiniteSignificand);
}

TSoftExtended Quieted(TSoftExtended nan) {
    return TSoftExtended::FromBits(nan.SignExponent(), nan.Significand() | quietBit);
}

// A NaN operand passes through quieted; a signaling one also raises invalid. Of two
// NaNs the x87 keeps the one with the larger significand, the positive one of equals.
TSoftExtended PropagateNan(TSoftExtended a, TSoftExtended b) {
    if (IsSignalingNan(a) || IsSignalingNan(b))
        Raise(FE_INVALID);
    if (!IsProperNan(b))
        return Quieted(a);
    if (!IsProperNan(a))
        return Quieted(b);
    if (a.Significand() != b.Significand())
        return Quieted(a.Significand() > b.Significand() ? a : b);
    return Quieted(IsNegative(a) ? b : a);
}

// The value of a finite operand as significand * 2^exponent, sign apart.
struct Unpacked {
    bool negative;
    int exponent;
    std::uint64_t significand;
};

Unpacked Unpack(TSoftExtended x) {
    const int biased = BiasedExponent(x);
    // Subnormals share the exponent of the smallest normals, without the integer bit.
    return {IsNegative(x), (biased != 0 ? biased : 1) - exponentBias - 63, x.Significand()};
}

// Shifts the integer bit of a non-zero operand to bit 63.
Unpacked Normalized(Unpacked x) {
    const int shift = std::countl_zero(x.significand);
    x.significand <<= shift;
    x.exponent -= shift;
    return x;
}

// Shifts right, folding every bit shifted out into bit 0 (the sticky bit), so that
// the rounding still sees whether anything below was lost.
UInt128 ShiftRightSticky(UInt128 x, int shift) {
    if (shift <= 0)
        return x;
    if (shift >= 128)
        return x != 0 ? 1 : 0;
    return (x >> shift) | ((x << (128 - shift)) != 0 ? 1 : 0);
}

// Round to nearest-even: up when the rest (the bits below the kept ones, as a binary
// fraction of 64 bits) is above a half, or exactly a half with an odd kept part.
bool RoundsUp(std::uint64_t kept, std::uint64_t rest) {
    const std::uint64_t half = 1ULL << 63;
    return rest > half || (rest == half && (kept & 1));
}

// A significand cut `shift` (at least 1) bits from the bottom: the bits above, and
// those below as a binary fraction of 64 bits. Exact, as at most 64 bits are cut off;
// a value shifted further is below a half, and both parts are zero.
struct Cut {
    std::uint64_t kept;
    std::uint64_t rest;
};

Cut CutSignificand(std::uint64_t significand, int shift) {
    if (shift < 64)
        return {significand >> shift, significand << (64 - shift)};
    if (shift == 64)
        return {0, significand};
    return {0, 0};
}

// The one rounding of every arithmetic result: the exact value is
// significand * 2^exponent, except that bit 0 may stand for "something non-zero below"
// (callers keep at least two bits beyond the 64 that survive). Rounds to nearest-even
// once, at the 64-bit position or, for results below the normal range, at the fixed
// position of the subnormals, which is where the x87 rounds them too. Too large a
// result becomes an infinity and raises overflow.
TSoftExtended RoundAndPack(bool negative, int exponent, UInt128 significand) {
    if (significand == 0)
        return Zero(negative);
    const int leadingZeros = CountLeadingZeros(significand);
    significand <<= leadingZeros;
    exponent -= leadingZeros;
    int biased = exponent + 127 + exponentBias;
    if (biased < 1) {
        significand = ShiftRightSticky(significand, 1 - biased);
        biased = 0;
    }
    auto kept = static_cast<std::uint64_t>(significand >> 64);
    if (RoundsUp(kept, static_cast<std::uint64_t>(significand))) {
        ++kept;
        if (kept == 0) {
            kept = integerBit;
            ++biased;
        } else if (biased == 0 && (kept & integerBit)) {
            biased = 1; // a subnormal rounded up into the smallest normal
        }
    }
    if (biased >= maxExponent) {
        Raise(FE_OVERFLOW);
        return Infinity(negative);
    }
    return TSoftExtended::FromBits(SignField(negative) | static_cast<std::uint16_t>(biased), kept);
}

// Sum of two finite non-zero values; b's sign is given apart, so that subtraction is
// the same code.
TSoftExtended AddFinite(TSoftExtended a, TSoftExtended b, bool bNegative) {
    Unpacked x = Unpack(a);
    Unpacked y = Unpack(b);
    y.negative = bNegative;
    if (x.exponent < y.exponent || (x.exponent == y.exponent && x.significand < y.significand))
        std::swap(x, y);
    // 63 guard bits below the significands and one bit of headroom for the carry.
    const UInt128 larger = static_cast<UInt128>(x.significand) << 63;
    const UInt128 smaller =
        ShiftRightSticky(static_cast<UInt128>(y.significand) << 63, x.exponent - y.exponent);
    const UInt128 sum = x.negative == y.negative ? larger + smaller : larger - smaller;
    if (sum == 0)
        return Zero(false); // exact cancellation gives +0 when rounding to nearest
    return RoundAndPack(x.negative, x.exponent - 63, sum);
}

TSoftExtended AddAnyOperands(TSoftExtended a, TSoftExtended b, bool bNegative) {
    a = AsStored(a);
    b = AsStored(b);
    if (IsUnsupported(a) || IsUnsupported(b))
        return InvalidResult();
    if (IsProperNan(a) || IsProperNan(b))
        return PropagateNan(a, b);
    const bool aNegative = IsNegative(a);
    if (IsInfinity(a)) {
        if (IsInfinity(b) && aNegative != bNegative)
            return InvalidResult();
        return a;
    }
    if (IsInfinity(b))
        return Infinity(bNegative);
    if (IsZero(a) && IsZero(b))
        return Zero(aNegative && bNegative);
    if (IsZero(b))
        return a;
    if (IsZero(a))
        return WithSign(b, bNegative);
    return AddFinite(a, b, bNegative);
}

TSoftExtended MultiplyFinite(TSoftExtended a, TSoftExtended b) {
    const Unpacked x = Unpack(a);
    const Unpacked y = Unpack(b);
    return RoundAndPack(x.negative != y.negative, x.exponent + y.exponent,
                        static_cast<UInt128>(x.significand) * y.significand);
}

TSoftExtended MultiplyAnyOperands(TSoftExtended a, TSoftExtended b) {
    a = AsStored(a);
    b = AsStored(b);
    if (IsUnsupported(a) || IsUnsupported(b))
        return InvalidResult();
    if (IsProperNan(a) || IsProperNan(b))
        return PropagateNan(a, b);
    const bool negative = IsNegative(a) != IsNegative(b);
    if (IsInfinity(a) || IsInfinity(b)) {
        if (IsZero(a) || IsZero(b))
            return InvalidResult();
        return Infinity(negative);
    }
    if (IsZero(a) || IsZero(b))
        return Zero(negative);
    return MultiplyFinite(a, b);
}

TSoftExtended DivideFinite(TSoftExtended a, TSoftExtended b) {
    const Unpacked x = Normalized(Unpack(a));
    const Unpacked y = Normalized(Unpack(b));
    // 64 + 64 quotient bits from two steps of 128-by-64 division (the first quotient
    // has up to 65 bits); the last remainder only says whether anything is left.
    const UInt128 firstNumerator = static_cast<UInt128>(x.significand) << 64;
    const UInt128 firstQuotient = firstNumerator / y.significand;
    const auto firstRemainder =
        static_cast<std::uint64_t>(firstNumerator - firstQuotient * y.significand);
    const UInt128 secondNumerator = static_cast<UInt128>(firstRemainder) << 64;
    const auto secondQuotient = static_cast<std::uint64_t>(secondNumerator / y.significand);
    const bool inexact =
        secondNumerator - static_cast<UInt128>(secondQuotient) * y.significand != 0;
    const UInt128 quotient = (firstQuotient << 62) | (secondQuotient >> 2) |
                             ((secondQuotient & 3) != 0 || inexact ? 1 : 0);
    return RoundAndPack(x.negative != y.negative, x.exponent - y.exponent - 64 - 62, quotient);
}

TSoftExtended DivideAnyOperands(TSoftExtended a, TSoftExtended b) {
    a = AsStored(a);
    b = AsStored(b);
    if (IsUnsupported(a) || IsUnsupported(b))
        return InvalidResult();
    if (IsProperNan(a) || IsProperNan(b))
        return PropagateNan(a, b);
    const bool negative = IsNegative(a) != IsNegative(b);
    if (IsInfinity(a))
        return IsInfinity(b) ? InvalidResult() : Infinity(negative);
    if (IsInfinity(b))
        return Zero(negative);
    if (IsZero(b)) {
        if (IsZero(a))
            return InvalidResult();
        Raise(FE_DIVBYZERO);
        return Infinity(negative);
    }
    if (IsZero(a))
        return Zero(negative);
    return DivideFinite(a, b);
}

// Floor of the square root of an integer below 2^64, bit by bit: used only to fill
// the seed table at compile time.
constexpr std::uint64_t SquareRootByBits(std::uint64_t n) {
    std::uint64_t root = 0;
    for (std::uint64_t bit = 1ULL << 62; bit != 0; bit >>= 2) {
        if (n >= root + bit) {
            n -= root + bit;
            root = (root >> 1) + bit;
        } else {
            root >>= 1;
        }
    }
    return root;
}

// Seeds of 1/sqrt(A) for A in [1/4, 1) in steps of 1/512 (indexed by the operand's top
// nine bits, 128 to 511), taken at the middle of each step and scaled by 2^15.
constexpr std::array<std::uint16_t, 384> reciprocalRootSeeds = [] {
    std::array<std::uint16_t, 384> seeds{};
    for (unsigned index = 128; index < 512; ++index)
        seeds[index - 128] =
            static_cast<std::uint16_t>(SquareRootByBits((1ULL << 40) / (2 * index + 1)));
    return seeds;
}();

// 1/sqrt(a / 2^64) for a in [2^62, 2^64), scaled by 2^62: Newton's iteration
// y <- y (3 - A y^2) / 2 twice on the table's nine-bit seed, in fixed point: about
// 34 bits, which the correction step in IntegerSquareRoot carries to the last unit.
std::uint64_t ReciprocalSquareRoot(std::uint64_t a) {
    std::uint64_t y = static_cast<std::uint64_t>(reciprocalRootSeeds[(a >> 55) - 128]) << 47;
    for (int step = 0; step < 2; ++step) {
        const auto ySquared = static_cast<std::uint64_t>((static_cast<UInt128>(y) * y) >> 64);
        const auto product = static_cast<std::uint64_t>((static_cast<UInt128>(a) * ySquared) >> 64);
        const std::uint64_t three = 3ULL << 60;
        y = static_cast<std::uint64_t>((static_cast<UInt128>(y) * (three - product)) >> 61);
    }
    return y;
}

// Floor of sqrt(n) for n in [2^126, 2^128), and the remainder n - root^2. The
// reciprocal root gives an estimate within about 2^30, one correction step with the
// residual brings it within a unit, and exact squares settle that unit.
std::uint64_t IntegerSquareRoot(UInt128 n, UInt128& remainder) {
    const auto high = static_cast<std::uint64_t>(n >> 64);
    const std::uint64_t reciprocal = ReciprocalSquareRoot(high);
    UInt128 estimate = (static_cast<UInt128>(high) * reciprocal) >> 62;
    if (estimate > ~0ULL)
        estimate = ~0ULL;
    const Int128 residual = static_cast<Int128>(n - estimate * estimate);
    // root - estimate = residual / (root + estimate), about residual * reciprocal / 2^127.
    const auto shortReciprocal = static_cast<Int128>(reciprocal >> 29);
    const Int128 correction = ((residual >> 32) * shortReciprocal) >> 66;
    estimate = static_cast<UInt128>(static_cast<Int128>(estimate) + correction);
    if (estimate > ~0ULL)
        estimate = ~0ULL;
    auto root = static_cast<std::uint64_t>(estimate);
    while (static_cast<UInt128>(root) * root > n)
        --root;
    while (root != ~0ULL && static_cast<UInt128>(root + 1) * (root + 1) <= n)
        ++root;
    remainder = n - static_cast<UInt128>(root) * root;
    return root;
}

TSoftExtended SquareRootFinite(TSoftExtended x) {
    const Unpacked value = Normalized(Unpack(x));
    UInt128 radicand = static_cast<UInt128>(value.significand) << 64;
    int exponent = value.exponent - 64;
    if (exponent & 1) {
        radicand >>= 1; // the bit shifted out is zero
        ++exponent;
    }
    UInt128 remainder;
    const std::uint64_t root = IntegerSquareRoot(radicand, remainder);
    // Two more bits: above or below the halfway point (never exactly on it), and
    // whether anything is left at all.
    const UInt128 significand = (static_cast<UInt128>(root) << 2) | (remainder > root ? 3
                                                                     : remainder != 0 ? 1
                                                                                      : 0);
    return RoundAndPack(false, exponent / 2 - 2, significand);
}

// -1, 0, 1, or 2 for unordered.
int Compare(TSoftExtended a, TSoftExtended b, bool signalOnQuietNan) {
    a = AsStored(a);
    b = AsStored(b);
    if (IsUnsupported(a) || IsUnsupported(b) || IsProperNan(a) || IsProperNan(b)) {
        if (signalOnQuietNan || IsUnsupported(a) || IsUnsupported(b) || IsSignalingNan(a) ||
            IsSignalingNan(b))
            Raise(FE_INVALID);
        return 2;
    }
    if (IsZero(a) && IsZero(b))
        return 0;
    const bool aNegative = IsNegative(a);
    if (aNegative != IsNegative(b))
        return aNegative ? -1 : 1;
    // Same sign: the magnitude orders as the image without the sign does.
    const UInt128 aMagnitude = (static_cast<UInt128>(BiasedExponent(a)) << 64) | a.Significand();
    const UInt128 bMagnitude = (static_cast<UInt128>(BiasedExponent(b)) << 64) | b.Significand();
    if (aMagnitude == bMagnitude)
        return 0;
    return (aMagnitude < bMagnitude) != aNegative ? -1 : 1;
}

enum class Rounding { TowardZero, NearestEven, NearestAway };

// Rounds a finite non-zero |x| to an integer magnitude: false from 2^64 up, where it
// does not fit in 64 bits.
bool RoundMagnitude(Unpacked x, Rounding rounding, std::uint64_t& magnitude) {
    x = Normalized(x);
    if (x.exponent > 0)
        return false;
    if (x.exponent == 0) { // 2^63 to 2^64 - 1: already integral
        magnitude = x.significand;
        return true;
    }
    // Below 2^63 a rounding up cannot carry out of 64 bits.
    const Cut cut = CutSignificand(x.significand, -x.exponent);
    bool roundUp = false;
    if (rounding == Rounding::NearestEven)
        roundUp = RoundsUp(cut.kept, cut.rest);
    else if (rounding == Rounding::NearestAway)
        roundUp = cut.rest >= 1ULL << 63;
    magnitude = cut.kept + (roundUp ? 1 : 0);
    return true;
}

// The x87's conversion to a signed integer of the given width: anything that does not
// fit, NaN and infinity included, gives the "integer indefinite" (the lowest value of
// the width) and raises invalid.
std::int64_t ToInteger(TSoftExtended x, Rounding rounding, int bits) {
    x = AsStored(x);
    const std::int64_t indefinite = bits == 64 ? INT64_MIN : -(std::int64_t{1} << (bits - 1));
    if (IsZero(x))
        return 0;
    if (!IsFiniteNonZero(x)) {
        Raise(FE_INVALID);
        return indefinite;
    }
    const Unpacked value = Unpack(x);
    std::uint64_t magnitude = 0;
    const std::uint64_t limit = (std::uint64_t{1} << (bits - 1)) - (value.negative ? 0 : 1);
    if (!RoundMagnitude(value, rounding, magnitude) || magnitude > limit) {
        Raise(FE_INVALID);
        return indefinite;
    }
    return value.negative ? static_cast<std::int64_t>(0 - magnitude)
                          : static_cast<std::int64_t>(magnitude);
}

// Rounds a finite value to an integral value of the same type (nearest-even or toward
// zero): clears the fraction bits of the significand, a carry moves the exponent up.
TSoftExtended RoundToIntegral(TSoftExtended x, bool nearestEven) {
    x = AsStored(x);
    if (IsProperNan(x)) {
        if (IsSignalingNan(x))
            Raise(FE_INVALID);
        return Quieted(x);
    }
    if (IsUnsupported(x))
        return InvalidResult();
    if (!IsFiniteNonZero(x))
        return x;
    const Unpacked value = Normalized(Unpack(x));
    if (value.exponent >= 0)
        return x; // 2^63 and above: no fraction bits left
    std::uint64_t magnitude = 0;
    // Below 2^63 the magnitude fits, and a carry at most reaches 2^63.
    RoundMagnitude(value, nearestEven ? Rounding::NearestEven : Rounding::TowardZero, magnitude);
    const TSoftExtended rounded = TSoftExtended(magnitude);
    return WithSign(rounded, value.negative);
}

} // namespace

namespace {

TSoftExtended FromDoubleBits(std::uint64_t bits) {
    const bool negative = (bits >> 63) != 0;
    const int biased = static_cast<int>(bits >> 52) & 0x7ff;
    const std::uint64_t fraction = bits & ((1ULL << 52) - 1);
    if (biased == 0x7ff) {
        if (fraction == 0)
            return Infinity(negative);
        // The payload moves up to the top of the fraction; a signaling NaN is quieted.
        if (!(fraction & (1ULL << 51)))
            Raise(FE_INVALID);
        return TSoftExtended::FromBits(SignField(negative) | maxExponent,
                                       indefiniteSignificand | (fraction << 11));
    }
    if (biased == 0 && fraction == 0)
        return Zero(negative);
    const std::uint64_t significand = biased != 0 ? fraction | (1ULL << 52) : fraction;
    const int exponent = (biased != 0 ? biased : 1) - 1023 - 52;
    return RoundAndPack(negative, exponent, significand); // exact: at most 53 bits
}

} // namespace

TSoftExtended TSoftExtended::FromInteger(std::int64_t value) {
    const bool negative = value < 0;
    const std::uint64_t magnitude = negative ? 0 - static_cast<std::uint64_t>(value) : value;
    return WithSign(FromUnsigned(magnitude), negative);
}

TSoftExtended TSoftExtended::FromUnsigned(std::uint64_t value) {
    if (value == 0)
        return TSoftExtended();
    const int shift = std::countl_zero(value);
    return FromBits(static_cast<std::uint16_t>(exponentBias + 63 - shift), value << shift);
}

namespace {

constexpr std::uint64_t doubleInfinityBits = 0x7ffULL << 52;

std::uint64_t DoubleBitsOfNan(TSoftExtended x) {
    if (IsSignalingNan(x))
        Raise(FE_INVALID);
    // The quiet bit and the top 51 bits of the payload; the rest is cut off.
    const std::uint64_t payload = (x.Significand() << 1) >> 12;
    return (static_cast<std::uint64_t>(IsNegative(x)) << 63) | doubleInfinityBits | (1ULL << 51) |
           payload;
}

// Magnitude bits of a finite non-zero value rounded once to a double: 53 bits, or fewer
// where the double is subnormal; a carry may reach the next binade or the infinity.
std::uint64_t DoubleBitsOfMagnitude(TSoftExtended x) {
    const Unpacked value = Normalized(Unpack(x));
    int biased = value.exponent + 63 + 1023;
    int shift = 11;
    if (biased < 1) {
        shift += 1 - biased;
        biased = 0;
    }
    const Cut cut = CutSignificand(value.significand, shift);
    std::uint64_t kept = cut.kept + (RoundsUp(cut.kept, cut.rest) ? 1 : 0);
    if (biased == 0) {
        if (kept >> 52)
            biased = 1; // rounded up into the smallest normal double
    } else if (kept >> 53) {
        kept >>= 1;
        ++biased;
    }
    if (biased >= 0x7ff) {
        Raise(FE_OVERFLOW);
        return doubleInfinityBits;
    }
    return (static_cast<std::uint64_t>(biased) << 52) | (kept & ((1ULL << 52) - 1));
}

std::uint64_t DoubleBits(TSoftExtended x) {
    x = AsStored(x);
    const std::uint64_t sign = static_cast<std::uint64_t>(IsNegative(x)) << 63;
    if (IsUnsupported(x)) {
        Raise(FE_INVALID);
        return (1ULL << 63) | doubleInfinityBits | (1ULL << 51);
    }
    if (IsProperNan(x))
        return DoubleBitsOfNan(x);
    if (IsInfinity(x))
        return sign | doubleInfinityBits;
    if (IsZero(x))
        return sign;
    return sign | DoubleBitsOfMagnitude(x);
}

} // namespace

TSoftExtended::operator std::int64_t() const {
    return ToInteger(*this, Rounding::TowardZero, 64);
}

// As the x87 stores a 32-bit integer: values beyond int's range give its lowest value
// and raise invalid, rather than wrapping a 64-bit result.
TSoftExtended::operator int() const {
    return static_cast<int>(ToInteger(*this, Rounding::TowardZero, 32));
}

// Only the sign changes, NaNs included, and nothing is raised.
TSoftExtended operator-(TSoftExtended a) {
    return TSoftExtended::FromBits(a.SignExponent() ^ signMask, a.Significand());
}

TSoftExtended SoftSqrt(TSoftExtended x) {
    x = AsStored(x);
    if (IsUnsupported(x))
        return InvalidResult();
    if (IsProperNan(x))
        return PropagateNan(x, x);
    if (IsZero(x))
        return x; // -0 stays -0
    if (IsNegative(x))
        return InvalidResult();
    if (IsInfinity(x))
        return x;
    return SquareRootFinite(x);
}

TSoftExtended SoftAbs(TSoftExtended x) {
    return TSoftExtended::FromBits(x.SignExponent() & exponentMask, x.Significand());
}

TSoftExtended SoftTrunc(TSoftExtended x) {
    return RoundToIntegral(x, false);
}

TSoftExtended SoftNearbyInt(TSoftExtended x) {
    return RoundToIntegral(x, true);
}

std::int64_t SoftRoundToInteger(TSoftExtended x) {
    return ToInteger(x, Rounding::NearestEven, 64);
}

std::int64_t SoftRoundHalfAway(TSoftExtended x) {
    return ToInteger(x, Rounding::NearestAway, 64);
}

bool SoftIsNan(TSoftExtended x) {
    return BiasedExponent(x) == maxExponent && !IsInfinity(x);
}

bool SoftSignBit(TSoftExtended x) {
    return IsNegative(x);
}

namespace SoftExtendedDetail {

TSoftExtended GeneralAdd(TSoftExtended a, TSoftExtended b, bool bNegative) {
    return AddAnyOperands(a, b, bNegative);
}

TSoftExtended GeneralMultiply(TSoftExtended a, TSoftExtended b) {
    return MultiplyAnyOperands(a, b);
}

TSoftExtended GeneralDivide(TSoftExtended a, TSoftExtended b) {
    return DivideAnyOperands(a, b);
}

int GeneralCompare(TSoftExtended a, TSoftExtended b, bool signalOnQuietNan) {
    return ::Compare(a, b, signalOnQuietNan);
}

std::uint64_t GeneralDoubleBits(TSoftExtended x) {
    return DoubleBits(x);
}

TSoftExtended GeneralFromDouble(std::uint64_t bits) {
    return FromDoubleBits(bits);
}

} // namespace SoftExtendedDetail
