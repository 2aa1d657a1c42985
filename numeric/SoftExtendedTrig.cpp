#include "numeric/SoftExtended.h"
#include "numeric/SoftExtendedTrigTables.h"

#include <array>
#include <bit>
#include <cfenv>
#include <cstddef>
#include <cstdint>

// Sine, cosine and arctangent of the 80-bit format in integer arithmetic only, so that
// every CPU gets the same bits. Each function works with about 110 correct bits and
// rounds once to the 64-bit significand, so the result is the correctly rounded value
// except in cases far rarer than one in a billion, and never more than one unit in the
// last place off. Intermediate values are fixed-point numbers with 126 binary places
// ("Q126", room for values below 2) or wide floats of a 128-bit significand.

namespace {

using TU64 = std::uint64_t;
using TU128 = unsigned __int128;
using TI128 = __int128;

constexpr int ExponentBias = 16383;
constexpr std::uint16_t SignBit = 0x8000;
constexpr std::uint16_t ExponentMask = 0x7fff;
constexpr TU64 IntegerBit = TU64{1} << 63;
constexpr TU64 QuietBit = TU64{1} << 62;
constexpr TU128 QOne = TU128{1} << 126;

constexpr TU128 Join(TTrigWords words) {
    return (TU128{words.High} << 64) | words.Low;
}

// A positive value significand * 2^exponent; the significand has bit 127 set.
struct TWideReal {
    TU128 Significand = 0;
    int Exponent = 0;
};

struct TU256 {
    TU128 High;
    TU128 Low;
};

// Inlined: the series are chains of these, and a call costs as much as the product.
[[gnu::always_inline]] inline TU256 MulFull(TU128 a, TU128 b) {
    const TU128 a0 = static_cast<TU64>(a), a1 = a >> 64;
    const TU128 b0 = static_cast<TU64>(b), b1 = b >> 64;
    const TU128 low = a0 * b0;
    const TU128 mid1 = a1 * b0;
    const TU128 mid2 = a0 * b1;
    const TU128 high = a1 * b1;
    const TU128 mid = (low >> 64) + static_cast<TU64>(mid1) + static_cast<TU64>(mid2);
    return {high + (mid1 >> 64) + (mid2 >> 64) + (mid >> 64), (mid << 64) | static_cast<TU64>(low)};
}

// The product of two Q126 values, truncated; both below 2 and not both 2.
[[gnu::always_inline]] inline TU128 MulQ(TU128 a, TU128 b) {
    const TU256 p = MulFull(a, b);
    return (p.High << 2) | (p.Low >> 126);
}

int CountLeadingZeros(TU128 value) {
    const TU64 high = static_cast<TU64>(value >> 64);
    return high != 0 ? std::countl_zero(high) : 64 + std::countl_zero(static_cast<TU64>(value));
}

TWideReal Normalized(TU256 value, int exponent) {
    if (value.High == 0) {
        if (value.Low == 0)
            return {};
        value = {value.Low, 0};
        exponent -= 128;
    }
    const int shift = CountLeadingZeros(value.High);
    TU128 significand = value.High;
    if (shift > 0)
        significand = (value.High << shift) | (value.Low >> (128 - shift));
    return {significand, exponent + 128 - shift};
}

TWideReal FromQ(TU128 value) {
    return Normalized({0, value}, -126);
}

// Truncated to Q126; the value must be below 2.
TU128 ToQ(TWideReal value) {
    const int shift = -(value.Exponent + 126);
    return shift >= 128 ? 0 : value.Significand >> shift;
}

// The square of a value below 2^-7 in Q126.
TU128 SquareToQ(TWideReal value) {
    const int shift = -(2 * value.Exponent + 254);
    return shift >= 128 ? 0 : MulFull(value.Significand, value.Significand).High >> shift;
}

// c[0] - z (c[1] - z (c[2] - ...)): an alternating series in z. Every partial sum
// stays positive because each coefficient is far larger than z times the next.
template <std::size_t N> TU128 AlternatingSeries(const std::array<TU128, N>& c, TU128 z) {
    TU128 sum = c[N - 1];
    for (std::size_t i = N - 1; i-- > 0;)
        sum = c[i] - MulQ(z, sum);
    return sum;
}

constexpr TU128 Factorial(int n) {
    return n <= 1 ? 1 : n * Factorial(n - 1);
}

// sin(b) / b = 1 - b^2/3! + b^4/5! - ...: for |b| <= 2^-7 the first term left out,
// b^12/13!, is below 2^-116.
constexpr std::array<TU128, 6> SinSeries = [] {
    std::array<TU128, 6> c{};
    for (int n = 0; n < 6; ++n)
        c[n] = QOne / Factorial(2 * n + 1);
    return c;
}();

// (1 - cos(b)) / b^2 = 1/2! - b^2/4! + ...: the first term left out, b^12/14!, is
// below 2^-120.
constexpr std::array<TU128, 6> CosDefectSeries = [] {
    std::array<TU128, 6> c{};
    for (int n = 0; n < 6; ++n)
        c[n] = QOne / Factorial(2 * n + 2);
    return c;
}();

// atan(d) / d = 1 - d^2/3 + d^4/5 - ...: for |d| <= 2^-7 the first term left out,
// d^16/17, is below 2^-116.
constexpr std::array<TU128, 8> AtanSeries = [] {
    std::array<TU128, 8> c{};
    for (int n = 0; n < 8; ++n)
        c[n] = QOne / (2 * n + 1);
    return c;
}();

// A value below 2^-7 times a series in its square, kept to its relative accuracy
// however small the value is.
template <std::size_t N>
TWideReal SmallTimesSeries(TWideReal value, const std::array<TU128, N>& series) {
    const TU128 factor = AlternatingSeries(series, SquareToQ(value));
    return Normalized(MulFull(value.Significand, factor), value.Exponent - 126);
}

// The table anchor nearest to a Q126 value, and the signed offset from it.
struct TAnchorSplit {
    int Index;
    TI128 Offset;
};

TAnchorSplit SplitAtAnchor(TU128 value) {
    constexpr int anchorShift = 126 - 6; // anchors at k / 64
    static_assert(TrigAnchorStep == 64);
    const TU128 index = (value + (TU128{1} << (anchorShift - 1))) >> anchorShift;
    return {static_cast<int>(index),
            static_cast<TI128>(value) - static_cast<TI128>(index << anchorShift)};
}

TI128 Signed(TU128 magnitude, bool negative) {
    return negative ? -static_cast<TI128>(magnitude) : static_cast<TI128>(magnitude);
}

// sin(r) or cos(r) in Q126 for 0 <= r <= pi/4 + 2^-60: r = k/64 + b with |b| <= 1/128,
// and the anchor's sine and cosine turned by b.
TU128 SinOrCosQ(TU128 r, bool cosine) {
    const TAnchorSplit split = SplitAtAnchor(r);
    const bool bNegative = split.Offset < 0;
    const TU128 b = static_cast<TU128>(bNegative ? -split.Offset : split.Offset);
    const TU128 z = MulQ(b, b);
    const TU128 sinB = MulQ(b, AlternatingSeries(SinSeries, z));
    const TU128 oneMinusCosB = MulQ(z, AlternatingSeries(CosDefectSeries, z));
    const TU128 sinA = Join(SinAnchors[split.Index]);
    const TU128 cosA = Join(CosAnchors[split.Index]);
    if (cosine) // cos(a + b) = cos a - cos a (1 - cos b) - sin a sin b
        return static_cast<TU128>(static_cast<TI128>(cosA - MulQ(cosA, oneMinusCosB)) -
                                  Signed(MulQ(sinA, sinB), bNegative));
    // sin(a + b) = sin a - sin a (1 - cos b) + cos a sin b
    return static_cast<TU128>(static_cast<TI128>(sinA - MulQ(sinA, oneMinusCosB)) +
                              Signed(MulQ(cosA, sinB), bNegative));
}

TWideReal SinOfReduced(TWideReal r) {
    if (r.Exponent + 128 <= -7)
        return SmallTimesSeries(r, SinSeries);
    return FromQ(SinOrCosQ(ToQ(r), false));
}

TWideReal CosOfReduced(TWideReal r) {
    return FromQ(SinOrCosQ(ToQ(r), true));
}

// The 64 bits of 2/pi from the bit of weight 2^-position on; bits before the binary
// point are zeros.
TU64 TwoOverPiWord(int position) {
    if (position < 1) {
        const int zeros = 1 - position;
        return zeros >= 64 ? 0 : TwoOverPiBits[0] >> zeros;
    }
    const int index = (position - 1) / 64;
    const int offset = (position - 1) % 64;
    if (offset == 0)
        return TwoOverPiBits[index];
    return (TwoOverPiBits[index] << offset) | (TwoOverPiBits[index + 1] >> (64 - offset));
}

// x = (quadrant + f) * pi/2 modulo 2pi, |f| <= 1/2, r = |f| * pi/2.
struct TReduced {
    int Quadrant = 0;
    bool Negative = false;
    TWideReal R;
};

constexpr int ReductionWords = 5;

// x = significand * 2^exponent times 2/pi, modulo 4 (Payne and Hanek): the bits of
// 2/pi that make multiples of 4 are skipped, and a window of 320 bits from there on
// keeps the product's fraction exact to about 2^-250. No extended argument comes nearer
// than 2^-76 quarter turns to a multiple of pi/2 (tools/closest_quarter_turn.py), so
// the fraction keeps at least 170 correct bits.
TReduced ReduceByQuarterTurns(TU64 significand, int exponent) {
    std::array<TU64, ReductionWords> window{};
    for (int i = 0; i < ReductionWords; ++i)
        window[i] = TwoOverPiWord(exponent - 1 + 64 * i);
    // The product's low 320 bits: 2 bits of quadrant, then the fraction.
    std::array<TU64, ReductionWords> product{};
    TU64 carry = 0;
    for (int i = ReductionWords - 1; i >= 0; --i) {
        const TU128 t = static_cast<TU128>(significand) * window[i] + carry;
        product[i] = static_cast<TU64>(t);
        carry = static_cast<TU64>(t >> 64);
    }
    TReduced reduced;
    reduced.Quadrant = static_cast<int>(product[0] >> 62);
    // The fraction alone, as a 320-bit number standing for a value in [0, 1).
    for (int i = 0; i < ReductionWords; ++i)
        product[i] = (product[i] << 2) | (i + 1 < ReductionWords ? product[i + 1] >> 62 : 0);
    if (product[0] >> 63) { // f >= 1/2: the nearer quarter turn is the next one
        reduced.Quadrant = (reduced.Quadrant + 1) & 3;
        reduced.Negative = true;
        TU64 borrow = 0;
        for (int i = ReductionWords - 1; i >= 0; --i) {
            const TU64 negated = TU64{0} - product[i] - borrow;
            borrow = (product[i] | borrow) != 0 ? 1 : 0;
            product[i] = negated;
        }
    }
    int first = 0;
    while (first < ReductionWords && product[first] == 0)
        ++first;
    if (first + 1 >= ReductionWords) // a fraction below 2^-192: cannot happen, see above
        return reduced;
    const int shift = std::countl_zero(product[first]);
    auto wordAt = [&](int i) {
        const TU64 high = product[i] << shift;
        return shift == 0 || i + 1 >= ReductionWords ? high
                                                     : high | (product[i + 1] >> (64 - shift));
    };
    const TU128 fraction = (TU128{wordAt(first)} << 64) | wordAt(first + 1);
    const int fractionExponent = -128 - 64 * first - shift;
    reduced.R = Normalized(MulFull(fraction, Join(HalfPiSignificand)), fractionExponent - 127);
    return reduced;
}

// Rounds to nearest-even at 64 bits (fewer for results below the normal range).
TSoftExtended RoundToExtended(bool negative, TWideReal value) {
    const std::uint16_t sign = negative ? SignBit : 0;
    if (value.Significand == 0)
        return TSoftExtended::FromBits(sign, 0);
    int biased = value.Exponent + 127 + ExponentBias;
    TU128 significand = value.Significand;
    if (biased < 1) {
        const int shift = 1 - biased;
        const bool sticky = shift >= 128 ? true : (significand << (128 - shift)) != 0;
        significand = shift >= 128 ? 0 : significand >> shift;
        significand |= sticky ? 1 : 0;
        biased = 0;
    }
    TU64 result = static_cast<TU64>(significand >> 64);
    const TU64 rest = static_cast<TU64>(significand);
    if (rest > IntegerBit || (rest == IntegerBit && (result & 1))) {
        ++result;
        if (result == 0) {
            result = IntegerBit;
            ++biased;
        }
    }
    if (biased == 0 && (result & IntegerBit))
        biased = 1; // a subnormal rounded up to the smallest normal value
    return TSoftExtended::FromBits(static_cast<std::uint16_t>(sign | biased), result);
}

TSoftExtended DefaultNan() {
    return TSoftExtended::FromBits(SignBit | ExponentMask, IntegerBit | QuietBit);
}

TSoftExtended InvalidOperation(TSoftExtended nan = DefaultNan()) {
    SetSoftExtendedFlags(SoftExtendedFlags() | FE_INVALID);
    return nan;
}

// A finite nonzero argument as significand * 2^exponent with bit 63 set.
struct TFinite {
    bool Negative;
    TU64 Significand;
    int Exponent;
};

// Unnormal: a nonzero exponent without the integer bit; Invalid: the same at the
// largest exponent (pseudo-infinity, pseudo-NaN). The x87 rejects both as operands.
enum class TKind { Zero, Finite, Infinity, Nan, Unnormal, Invalid };

TKind Classify(TSoftExtended x) {
    const int biased = x.SignExponent() & ExponentMask;
    const TU64 significand = x.Significand();
    if (biased == ExponentMask) {
        if (!(significand & IntegerBit))
            return TKind::Invalid;
        return (significand << 1) == 0 ? TKind::Infinity : TKind::Nan;
    }
    if (biased == 0)
        return significand == 0 ? TKind::Zero : TKind::Finite;
    return significand & IntegerBit ? TKind::Finite : TKind::Unnormal;
}

TFinite Decode(TSoftExtended x) {
    const int biased = x.SignExponent() & ExponentMask;
    const TU64 significand = x.Significand();
    // Subnormals (and pseudo-denormals) have the exponent of biased 1.
    const int exponent = (biased == 0 ? 1 : biased) - ExponentBias - 63;
    const int shift = std::countl_zero(significand);
    return {(x.SignExponent() & SignBit) != 0, significand << shift, exponent - shift};
}

// The NaN itself with its quiet bit set; a signalling one raises invalid.
TSoftExtended QuietNan(TSoftExtended x) {
    if (!(x.Significand() & QuietBit))
        SetSoftExtendedFlags(SoftExtendedFlags() | FE_INVALID);
    return TSoftExtended::FromBits(x.SignExponent(), x.Significand() | QuietBit);
}

// The NaN that the C library's sinl and cosl give for an unnormal: positive when the
// argument's image lies above pi/4 (the exponent and the top 32 bits), where the
// library reduces it first; the default NaN below.
TSoftExtended UnnormalSinOrCos(TSoftExtended x) {
    const int biased = x.SignExponent() & ExponentMask;
    const bool reduced = biased > ExponentBias - 1 ||
                         (biased == ExponentBias - 1 && (x.Significand() >> 32) > 0xc90fdaa2u);
    return reduced ? TSoftExtended::FromBits(ExponentMask, IntegerBit | QuietBit) : DefaultNan();
}

TSoftExtended SinOrCos(TSoftExtended x, bool cosine) {
    switch (Classify(x)) {
    case TKind::Nan:
        return QuietNan(x);
    case TKind::Infinity:
    case TKind::Invalid:
        return InvalidOperation();
    case TKind::Unnormal:
        return InvalidOperation(UnnormalSinOrCos(x));
    case TKind::Zero:
        return cosine ? TSoftExtended::FromBits(ExponentBias, IntegerBit) : x;
    case TKind::Finite:
        break;
    }
    // sin x rounds to x far above the subnormals; these (pseudo-denormals too) come
    // back as they are, as from the C library.
    if (!cosine && (x.SignExponent() & ExponentMask) == 0)
        return x;
    const TFinite finite = Decode(x);
    TReduced reduced;
    if (finite.Exponent + 63 < -1) // below 1/2: no reduction
        reduced.R = {TU128{finite.Significand} << 64, finite.Exponent - 64};
    else
        reduced = ReduceByQuarterTurns(finite.Significand, finite.Exponent);
    // cos x = sin(x + pi/2) for x >= 0, and cosine is even.
    const int quadrant = (reduced.Quadrant + (cosine ? 1 : 0)) & 3;
    const bool sineOfR = (quadrant & 1) == 0;
    bool negative = (quadrant & 2) != 0;
    if (sineOfR && reduced.Negative)
        negative = !negative;
    if (!cosine && finite.Negative)
        negative = !negative;
    return RoundToExtended(negative, sineOfR ? SinOfReduced(reduced.R) : CosOfReduced(reduced.R));
}

// 1/d in Q126 for 1 <= d <= 2: a quotient of the leading 64 bits, good to 2^-61, then
// one Newton step y (2 - d y), which squares the error to some 2^-122.
TU128 Reciprocal(TU128 d) {
    const TU64 leading = static_cast<TU64>(d >> 64); // d * 2^62
    // Rounding the divisor up keeps the start below 1/d, as Newton's steps want.
    const TU128 y = ((TU128{1} << 126) / (leading + 1)) << 62;
    return MulQ(y, (TU128{2} << 126) - MulQ(d, y));
}

// atan(u) in Q126 for 0 <= u <= 1: u = k/64 + e, atan u = atan(k/64) + atan(d) with
// d = (u - k/64) / (1 + u k/64), |d| <= 1/128.
TU128 AtanQ(TU128 u) {
    const TAnchorSplit split = SplitAtAnchor(u);
    const TU128 denominator = QOne + (u >> 6) * static_cast<TU128>(split.Index);
    const bool dNegative = split.Offset < 0;
    const TU128 offset = static_cast<TU128>(dNegative ? -split.Offset : split.Offset);
    const TU128 d = MulQ(offset, Reciprocal(denominator));
    const TU128 atanD = MulQ(d, AlternatingSeries(AtanSeries, MulQ(d, d)));
    const TU128 anchor = Join(AtanAnchors[split.Index]);
    return dNegative ? anchor - atanD : anchor + atanD;
}

TWideReal AtanOfMagnitude(TFinite t) {
    const int leading = t.Exponent + 63; // 2^leading <= t < 2^(leading + 1)
    if (leading < -7)
        return SmallTimesSeries(TWideReal{TU128{t.Significand} << 64, t.Exponent - 64}, AtanSeries);
    if (leading < 0)
        return FromQ(AtanQ(TU128{t.Significand} << (t.Exponent + 126)));
    // atan t = pi/2 - atan(1/t)
    const TU128 mantissaReciprocal = Reciprocal(TU128{t.Significand} << 63);
    const TU128 u = leading >= 128 ? 0 : mantissaReciprocal >> leading;
    const TU128 atanU = leading < 7 ? AtanQ(u) : MulQ(u, AlternatingSeries(AtanSeries, MulQ(u, u)));
    return FromQ(Join(HalfPiQ126) - atanU);
}

} // namespace

TSoftExtended SoftSin(TSoftExtended x) {
    return SinOrCos(x, false);
}

TSoftExtended SoftCos(TSoftExtended x) {
    return SinOrCos(x, true);
}

TSoftExtended SoftAtan(TSoftExtended x) {
    switch (Classify(x)) {
    case TKind::Nan:
        return QuietNan(x);
    case TKind::Unnormal:
    case TKind::Invalid:
        return InvalidOperation();
    case TKind::Zero:
        return x;
    case TKind::Infinity:
        return RoundToExtended((x.SignExponent() & SignBit) != 0, FromQ(Join(HalfPiQ126)));
    case TKind::Finite:
        break;
    }
    const TFinite finite = Decode(x);
    return RoundToExtended(finite.Negative, AtanOfMagnitude(finite));
}
