// The software sine, cosine and arctangent: the special values as the x86-64 C library
// gives them, and the distance from a 113-bit reference over random arguments of the
// labs' ranges, of every magnitude, and next to multiples of pi/2.

#include "numeric/SoftExtended.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <numbers>
#include <random>
#include <string>

#if defined(LABS_HAVE_QUADMATH)
#include <quadmath.h>
#endif

namespace {

using TU64 = std::uint64_t;
using TU128 = unsigned __int128;

constexpr TU64 IntegerBit = TU64{1} << 63;

TSoftExtended Bits(std::uint16_t signExponent, TU64 significand) {
    return TSoftExtended::FromBits(signExponent, significand);
}

std::string Hex(TSoftExtended x) {
    char text[40];
    std::snprintf(text, sizeof text, "%04x:%016llx", x.SignExponent(),
                  static_cast<unsigned long long>(x.Significand()));
    return text;
}

using TFunction = TSoftExtended (*)(TSoftExtended);

struct TSpecialCase {
    const char* Name;
    TFunction Function;
    TSoftExtended Argument;
    TSoftExtended Expected;
    bool Invalid;
};

const TSoftExtended DefaultNan = Bits(0xffff, 0xC000000000000000u);
const TSoftExtended HalfPiRounded = Bits(0x3fff, 0xC90FDAA22168C235u);

TEST(SoftExtendedTrig, SpecialValuesAsTheCLibrary) {
    const TSpecialCase cases[] = {
        {"sin +0", SoftSin, Bits(0x0000, 0), Bits(0x0000, 0), false},
        {"sin -0", SoftSin, Bits(0x8000, 0), Bits(0x8000, 0), false},
        {"cos -0", SoftCos, Bits(0x8000, 0), Bits(0x3fff, IntegerBit), false},
        {"atan -0", SoftAtan, Bits(0x8000, 0), Bits(0x8000, 0), false},
        {"sin +inf", SoftSin, Bits(0x7fff, IntegerBit), DefaultNan, true},
        {"cos -inf", SoftCos, Bits(0xffff, IntegerBit), DefaultNan, true},
        {"atan +inf", SoftAtan, Bits(0x7fff, IntegerBit), HalfPiRounded, false},
        {"atan -inf", SoftAtan, Bits(0xffff, IntegerBit), Bits(0xbfff, 0xC90FDAA22168C235u), false},
        {"sin quiet NaN", SoftSin, Bits(0xffff, 0xC000000000001234u),
         Bits(0xffff, 0xC000000000001234u), false},
        {"cos signalling NaN", SoftCos, Bits(0x7fff, 0x8000000000001234u),
         Bits(0x7fff, 0xC000000000001234u), true},
        {"atan signalling NaN", SoftAtan, Bits(0x7fff, 0x8000000000000001u),
         Bits(0x7fff, 0xC000000000000001u), true},
        // Unnormals are no operands: the library's NaN is positive above pi/4, where it
        // reduces the argument first.
        {"sin unnormal above pi/4", SoftSin, Bits(0xbfff, 0x4000000000000000u),
         Bits(0x7fff, 0xC000000000000000u), true},
        {"cos unnormal below pi/4", SoftCos, Bits(0x3ffe, 0x4000000000000000u), DefaultNan, true},
        {"atan unnormal", SoftAtan, Bits(0x4100, 0x1234), DefaultNan, true},
        // A pseudo-denormal: sine returns the image as it is, fpatan normalises it.
        {"sin pseudo-denormal", SoftSin, Bits(0x8000, 0x8000000000000001u),
         Bits(0x8000, 0x8000000000000001u), false},
        {"atan pseudo-denormal", SoftAtan, Bits(0x8000, 0x8000000000000001u),
         Bits(0x8001, 0x8000000000000001u), false},
        {"sin smallest subnormal", SoftSin, Bits(0x0000, 1), Bits(0x0000, 1), false},
        {"sin negative subnormal", SoftSin, Bits(0x8000, 0x00000ABCDEF12345u),
         Bits(0x8000, 0x00000ABCDEF12345u), false},
        {"atan largest subnormal", SoftAtan, Bits(0x0000, 0x7FFFFFFFFFFFFFFFu),
         Bits(0x0000, 0x7FFFFFFFFFFFFFFFu), false},
        {"cos subnormal", SoftCos, Bits(0x8000, 0x0000000000000001u), Bits(0x3fff, IntegerBit),
         false},
        // Below 2^-33 the cubic term is under half a unit: the argument itself.
        {"sin 2^-40", SoftSin, Bits(0x3fd7, IntegerBit), Bits(0x3fd7, IntegerBit), false},
        {"atan -2^-40 odd", SoftAtan, Bits(0xbfd7, 0x8000000000000001u),
         Bits(0xbfd7, 0x8000000000000001u), false},
        {"cos 2^-40", SoftCos, Bits(0x3fd7, IntegerBit), Bits(0x3fff, IntegerBit), false},
        // Far beyond 2^64 the reciprocal vanishes: pi/2 rounded.
        {"atan largest finite", SoftAtan, Bits(0x7ffe, ~TU64{0}), HalfPiRounded, false},
    };
    for (const TSpecialCase& c : cases) {
        SetSoftExtendedFlags(0);
        const TSoftExtended result = c.Function(c.Argument);
        EXPECT_EQ(Hex(result), Hex(c.Expected)) << c.Name;
        EXPECT_EQ((SoftExtendedFlags() & FE_INVALID) != 0, c.Invalid) << c.Name;
    }
    SetSoftExtendedFlags(0);
}

#if defined(LABS_HAVE_QUADMATH) || LDBL_MANT_DIG == 113

// The reference works in IEEE binary128: the same exponent and bias as the 80-bit
// format, 112 fraction bits, so every extended value converts exactly with integers.
#if defined(LABS_HAVE_QUADMATH)
using TReference = __float128;
TReference ReferenceSin(TReference x) {
    return sinq(x);
}
TReference ReferenceCos(TReference x) {
    return cosq(x);
}
TReference ReferenceAtan(TReference x) {
    return atanq(x);
}
#else
using TReference = long double;
TReference ReferenceSin(TReference x) {
    return std::sin(x);
}
TReference ReferenceCos(TReference x) {
    return std::cos(x);
}
TReference ReferenceAtan(TReference x) {
    return std::atan(x);
}
#endif
static_assert(sizeof(TReference) == 16);

TU128 ReferenceBits(TReference x) {
    TU128 bits;
    std::memcpy(&bits, &x, sizeof bits);
    return bits;
}

TReference FromReferenceBits(TU128 bits) {
    TReference x;
    std::memcpy(&x, &bits, sizeof x);
    return x;
}

TReference ToReference(TSoftExtended x) {
    const TU128 sign = TU128{x.SignExponent() & 0x8000u} << 112;
    const TU128 exponent = TU128{static_cast<TU64>(x.SignExponent() & 0x7fff)} << 112;
    return FromReferenceBits(sign | exponent | (TU128{x.Significand() & ~IntegerBit} << 49));
}

// The nearest extended value (ties to even) of a normal binary128 value.
TSoftExtended NearestExtended(TReference x) {
    const TU128 bits = ReferenceBits(x);
    const auto signExponent = static_cast<std::uint16_t>(bits >> 112);
    const TU128 fraction = bits & ((TU128{1} << 112) - 1);
    TU64 significand = IntegerBit | static_cast<TU64>(fraction >> 49);
    const TU128 rest = fraction & ((TU128{1} << 49) - 1);
    const TU128 half = TU128{1} << 48;
    if (rest > half || (rest == half && (significand & 1))) {
        if (++significand == 0)
            return Bits(signExponent + 1, IntegerBit);
    }
    return Bits(signExponent, significand);
}

// |result - reference| in units of the last place of a 64-bit significand in the
// reference's binade, from the bit images.
double UlpDistance(TSoftExtended result, TReference reference) {
    const TU128 bits = ReferenceBits(reference);
    const int referenceExponent = static_cast<int>((bits >> 112) & 0x7fff);
    const int resultExponent = result.SignExponent() & 0x7fff;
    if ((result.SignExponent() >> 15) != static_cast<int>(bits >> 127) || referenceExponent == 0 ||
        resultExponent == 0 || std::abs(resultExponent - referenceExponent) > 1)
        return 1e30;
    // Both in units of 2^-112 of the reference's binade.
    const __int128 exact =
        static_cast<__int128>((bits & ((TU128{1} << 112) - 1)) | TU128{1} << 112);
    const __int128 ours = static_cast<__int128>(TU128{result.Significand()}
                                                << (49 + resultExponent - referenceExponent));
    const __int128 difference = ours > exact ? ours - exact : exact - ours;
    return static_cast<double>(difference) / static_cast<double>(TU128{1} << 49);
}

struct TAccuracy {
    double MaxUlps = 0;
    std::string Worst;
};

void Check(TAccuracy& accuracy, TFunction function, TReference (*reference)(TReference),
           TSoftExtended x) {
    const TSoftExtended result = function(x);
    const double ulps = UlpDistance(result, reference(ToReference(x)));
    if (ulps > accuracy.MaxUlps) {
        accuracy.MaxUlps = ulps;
        accuracy.Worst = Hex(x) + " -> " + Hex(result);
    }
}

constexpr int Samples = 40000;

// The promise is one unit; the functions round once from about 110 correct bits, so
// anything beyond half a unit (plus the reference's own error, some 2^-49 units)
// means bits were lost on the way.
constexpr double MaxUlps = 0.5 + 1.0 / 1024;

TSoftExtended RandomExtended(std::mt19937_64& random, int minBiased, int maxBiased) {
    const auto biased = std::uniform_int_distribution<int>(minBiased, maxBiased)(random);
    const auto sign = static_cast<std::uint16_t>(random() & 1 ? 0x8000 : 0);
    return Bits(static_cast<std::uint16_t>(sign | biased), random() | IntegerBit);
}

// What the root finder passes: a stored double angle halved in extended precision.
TSoftExtended HalfAngle(std::mt19937_64& random) {
    const double angle = std::uniform_real_distribution<double>(-std::numbers::pi / 2,
                                                                3 * std::numbers::pi / 2)(random);
    return NearestExtended(static_cast<TReference>(angle) / 2);
}

// The nearest extended value to n pi/2 for n up to 2^62, moved by up to 3 units:
// the reduction must keep the relative accuracy of the tiny remainder.
TSoftExtended NearQuarterTurn(std::mt19937_64& random) {
    const TReference halfPi =
        FromReferenceBits((TU128{0x3fff921fb54442d1u} << 64) | TU128{0x8469898cc51701b8u});
    const int bits = std::uniform_int_distribution<int>(1, 62)(random);
    const TU64 n = (random() >> (64 - bits)) | (TU64{1} << (bits - 1));
    const TSoftExtended nearest = NearestExtended(static_cast<TReference>(n) * halfPi);
    const auto offset = std::uniform_int_distribution<int>(-3, 3)(random);
    return Bits(nearest.SignExponent(), nearest.Significand() + offset);
}

// A quotient of two doubles rounded once to extended, as the root finder's division.
TSoftExtended Ratio(std::mt19937_64& random, bool logUniform) {
    auto part = [&] {
        if (!logUniform)
            return std::uniform_real_distribution<double>(-1, 1)(random);
        const double magnitude =
            std::pow(10.0, std::uniform_real_distribution<double>(-8, 8)(random));
        return random() & 1 ? magnitude : -magnitude;
    };
    const double im = part();
    const double re = part();
    return NearestExtended(static_cast<TReference>(im) / static_cast<TReference>(re));
}

struct TArgumentClass {
    const char* Name;
    TSoftExtended (*Generate)(std::mt19937_64&);
};

void ExpectWithinOneUlp(const char* function, TFunction soft, TReference (*reference)(TReference),
                        const TArgumentClass& arguments) {
    std::mt19937_64 random(20261208);
    TAccuracy accuracy;
    SetSoftExtendedFlags(0);
    for (int i = 0; i < Samples; ++i)
        Check(accuracy, soft, reference, arguments.Generate(random));
    EXPECT_LE(accuracy.MaxUlps, 1.0)
        << function << ", " << arguments.Name << ": " << accuracy.Worst;
    EXPECT_EQ(SoftExtendedFlags(), 0) << function << ", " << arguments.Name;
    char ulps[32];
#if defined(_LIBCPP_VERSION) && _LIBCPP_VERSION < 14000
    // libc++ before 14 (WebAssembly's) has no floating-point to_chars; the test runs
    // in the C locale, where printf writes the same digits.
    std::snprintf(ulps, sizeof ulps, "%.4f", accuracy.MaxUlps);
#else
    *std::to_chars(ulps, ulps + sizeof ulps - 1, accuracy.MaxUlps, std::chars_format::fixed, 4)
         .ptr = 0;
#endif
    std::printf("%s, %s: at most %s ulp\n", function, arguments.Name, ulps);
}

const TArgumentClass SinCosArguments[] = {
    {"half angles of the root finder", HalfAngle},
    {"|x| below 4, every significand",
     [](std::mt19937_64& r) { return RandomExtended(r, 16383 - 40, 16384); }},
    {"log-uniform up to the largest finite",
     [](std::mt19937_64& r) { return RandomExtended(r, 16385, 0x7ffe); }},
    {"next to multiples of pi/2", NearQuarterTurn},
};

const TArgumentClass AtanArguments[] = {
    {"im/re in [-1, 1]", [](std::mt19937_64& r) { return Ratio(r, false); }},
    {"im/re log-uniform 1e-8..1e8", [](std::mt19937_64& r) { return Ratio(r, true); }},
    {"every normal magnitude", [](std::mt19937_64& r) { return RandomExtended(r, 1, 0x7ffe); }},
};

TEST(SoftExtendedTrig, SineWithinOneUlpOfTheReference) {
    for (const TArgumentClass& arguments : SinCosArguments)
        ExpectWithinOneUlp("sin", SoftSin, ReferenceSin, arguments);
}

TEST(SoftExtendedTrig, CosineWithinOneUlpOfTheReference) {
    for (const TArgumentClass& arguments : SinCosArguments)
        ExpectWithinOneUlp("cos", SoftCos, ReferenceCos, arguments);
}

TEST(SoftExtendedTrig, ArctangentWithinOneUlpOfTheReference) {
    for (const TArgumentClass& arguments : AtanArguments)
        ExpectWithinOneUlp("atan", SoftAtan, ReferenceAtan, arguments);
}

// 0xf28ab66522546ee1 * 2^10531 comes closer to a multiple of pi/2 than any other
// extended value, within 2^-76 quarter turns (tools/closest_quarter_turn.py).
TEST(SoftExtendedTrig, ClosestArgumentToAQuarterTurn) {
    for (int offset = -2; offset <= 2; ++offset) {
        const TSoftExtended x = Bits(0x6961, 0xf28ab66522546ee1u + offset);
        EXPECT_LE(UlpDistance(SoftSin(x), ReferenceSin(ToReference(x))), MaxUlps) << offset;
        EXPECT_LE(UlpDistance(SoftCos(x), ReferenceCos(ToReference(x))), MaxUlps) << offset;
    }
}

#else

TEST(SoftExtendedTrig, AccuracyAgainstAReference) {
    GTEST_SKIP() << "no 113-bit reference arithmetic on this platform";
}

#endif

} // namespace
