// The software extended type must give the x87's bits and flags on every platform.
// Two checks that run everywhere: known x87 results for the cases that decide the
// semantics, and a digest of many random operations against the x87's digest. Where
// long double is the x87's format, every case is also run on the hardware itself.

#include "numeric/SoftExtended.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <cfloat>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <ostream>

#if (defined(__x86_64__) || defined(__i386__)) && LDBL_MANT_DIG == 64
#define LABS_TEST_AGAINST_X87 1
#include "tests/support/X87Reference.h"
#endif

namespace {

enum class Op {
    Add,
    Subtract,
    Multiply,
    Divide,
    Sqrt,
    Compare,
    Equality,
    ToDouble,
    FromDouble,
    FromInt64,
    FromUint64,
    ToInt64,
    RoundToInteger,
    RoundHalfAway,
    ToInt,
    Trunc,
    NearbyInt,
    count
};

struct Bits80 {
    std::uint16_t signExponent;
    std::uint64_t significand;
};

// The operands of any operation: two extended images, and a word that is the bits of
// a double or an integer for the conversions from those.
struct Inputs {
    Bits80 a;
    Bits80 b;
    std::uint64_t word;
};

// An extended result as its image (top = sign and exponent); any other as its bits.
struct Result {
    std::uint64_t value;
    std::uint16_t top;
    int flags;
    bool operator==(const Result&) const = default;
};

void PrintTo(const Result& result, std::ostream* out) {
    char text[64];
    std::snprintf(text, sizeof text, "{0x%016llx, 0x%04x, %d}",
                  static_cast<unsigned long long>(result.value), result.top, result.flags);
    *out << text;
}

constexpr int kFlags = FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW;

TSoftExtended Soft(Bits80 x) {
    return TSoftExtended::FromBits(x.signExponent, x.significand);
}

Result OfSoft(TSoftExtended x) {
    return {x.Significand(), x.SignExponent(), 0};
}

Result OfWord(std::uint64_t word) {
    return {word, 0, 0};
}

std::uint64_t BitsOf(double value) {
    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

double DoubleOf(std::uint64_t bits) {
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

// The six comparisons as six bits: <, <=, ==, !=, >, >=.
int SoftComparisons(TSoftExtended a, TSoftExtended b) {
    return (a < b) | (a <= b) << 1 | (a == b) << 2 | (a != b) << 3 | (a > b) << 4 | (a >= b) << 5;
}

Result SoftValue(Op op, const Inputs& in) {
    const TSoftExtended a = Soft(in.a);
    const TSoftExtended b = Soft(in.b);
    switch (op) {
    case Op::Add:
        return OfSoft(a + b);
    case Op::Subtract:
        return OfSoft(a - b);
    case Op::Multiply:
        return OfSoft(a * b);
    case Op::Divide:
        return OfSoft(a / b);
    case Op::Sqrt:
        return OfSoft(SoftSqrt(a));
    case Op::Compare:
        return OfWord(static_cast<std::uint64_t>(SoftComparisons(a, b)));
    case Op::Equality:
        return OfWord(static_cast<std::uint64_t>((a == b) | (a != b) << 1));
    case Op::ToDouble:
        return OfWord(BitsOf(static_cast<double>(a)));
    case Op::FromDouble:
        return OfSoft(TSoftExtended(DoubleOf(in.word)));
    case Op::FromInt64:
        return OfSoft(TSoftExtended(static_cast<std::int64_t>(in.word)));
    case Op::FromUint64:
        return OfSoft(TSoftExtended(in.word));
    case Op::ToInt64:
        return OfWord(static_cast<std::uint64_t>(static_cast<std::int64_t>(a)));
    case Op::RoundToInteger:
        return OfWord(static_cast<std::uint64_t>(SoftRoundToInteger(a)));
    case Op::RoundHalfAway:
        return OfWord(static_cast<std::uint64_t>(SoftRoundHalfAway(a)));
    case Op::ToInt:
        return OfWord(static_cast<std::uint64_t>(static_cast<std::int64_t>(static_cast<int>(a))));
    case Op::Trunc:
        return OfSoft(SoftTrunc(a));
    case Op::NearbyInt:
    default:
        return OfSoft(SoftNearbyInt(a));
    }
}

Result RunSoft(Op op, const Inputs& in) {
    SetSoftExtendedFlags(0);
    Result result = SoftValue(op, in);
    result.flags = SoftExtendedFlags() & kFlags;
    return result;
}

#ifdef LABS_TEST_AGAINST_X87
Result OfHardware(long double x) {
    const ExtendedImage image = ImageOf(x);
    return {image.significand, image.signExponent, 0};
}

Result HardwareValue(Op op, const Inputs& in) {
    const long double a = FromImage(in.a.signExponent, in.a.significand);
    const long double b = FromImage(in.b.signExponent, in.b.significand);
    switch (op) {
    case Op::Add:
        return OfHardware(HardAdd(a, b));
    case Op::Subtract:
        return OfHardware(HardSubtract(a, b));
    case Op::Multiply:
        return OfHardware(HardMultiply(a, b));
    case Op::Divide:
        return OfHardware(HardDivide(a, b));
    case Op::Sqrt:
        return OfHardware(HardSqrt(a));
    case Op::Compare:
        return OfWord(static_cast<std::uint64_t>(HardCompare(a, b)));
    case Op::Equality:
        return OfWord(static_cast<std::uint64_t>(HardEquality(a, b)));
    case Op::ToDouble:
        return OfWord(BitsOf(HardToDouble(a)));
    case Op::FromDouble:
        return OfHardware(HardFromDouble(DoubleOf(in.word)));
    case Op::FromInt64:
        return OfHardware(HardFromInt64(static_cast<std::int64_t>(in.word)));
    case Op::FromUint64:
        return OfHardware(HardFromUint64(in.word));
    case Op::ToInt64:
        return OfWord(static_cast<std::uint64_t>(HardToInt64(a)));
    case Op::RoundToInteger:
        return OfWord(static_cast<std::uint64_t>(HardLlrint(a)));
    case Op::RoundHalfAway:
        return OfWord(static_cast<std::uint64_t>(HardLround(a)));
    case Op::ToInt:
        return OfWord(static_cast<std::uint64_t>(static_cast<std::int64_t>(HardToInt(a))));
    case Op::Trunc:
        return OfHardware(HardTrunc(a));
    case Op::NearbyInt:
    default:
        return OfHardware(HardNearbyInt(a));
    }
}

Result RunHardware(Op op, const Inputs& in) {
    feclearexcept(kComparedFlags);
    Result result = HardwareValue(op, in);
    result.flags = HardwareFlags();
    return result;
}
#endif

constexpr std::uint64_t kOne = 0x8000000000000000ULL; // the integer bit alone
constexpr int kInvalid = FE_INVALID;
constexpr int kDivByZero = FE_DIVBYZERO;
constexpr int kOverflow = FE_OVERFLOW;

struct KnownCase {
    const char* what;
    Op op;
    Inputs in;
    Result expected;
};

// What the x87 gives (read off the hardware) where a careless software type would not.
const KnownCase kKnownCases[] = {
    {"1 + 2^-64 is a tie: to even, down",
     Op::Add,
     {{0x3fff, kOne}, {0x3fbf, kOne}, 0},
     {kOne, 0x3fff, 0}},
    {"(1 + 2^-63) + 2^-64 is a tie: to even, up",
     Op::Add,
     {{0x3fff, kOne | 1}, {0x3fbf, kOne}, 0},
     {kOne | 2, 0x3fff, 0}},
    {"a subtraction across 65 binades keeps an odd significand",
     Op::Subtract,
     {{0x4001, 0xC000000000000001ULL}, {0x3fc0, 0xC000000000000000ULL}, 0},
     {0xC000000000000001ULL, 0x4001, 0}},
    {"x - x is +0",
     Op::Subtract,
     {{0xbffe, 0x9234567812345678ULL}, {0xbffe, 0x9234567812345678ULL}, 0},
     {0, 0x0000, 0}},
    {"-0 + -0 is -0", Op::Add, {{0x8000, 0}, {0x8000, 0}, 0}, {0, 0x8000, 0}},
    {"inf - inf is the real indefinite",
     Op::Subtract,
     {{0x7fff, kOne}, {0x7fff, kOne}, 0},
     {0xC000000000000000ULL, 0xffff, kInvalid}},
    {"the largest + the largest overflows",
     Op::Add,
     {{0x7ffe, ~0ULL}, {0x7ffe, ~0ULL}, 0},
     {kOne, 0x7fff, kOverflow}},
    {"a difference of the smallest normals is subnormal",
     Op::Subtract,
     {{0x0001, kOne | 1}, {0x0001, kOne}, 0},
     {1, 0x0000, 0}},
    {"of two NaNs the larger significand wins",
     Op::Add,
     {{0x7fff, 0xC000000000000001ULL}, {0xffff, 0xC000000000000009ULL}, 0},
     {0xC000000000000009ULL, 0xffff, 0}},
    {"of two NaNs with equal significands the positive one wins",
     Op::Multiply,
     {{0xffff, 0xC000000000000005ULL}, {0x7fff, 0xC000000000000005ULL}, 0},
     {0xC000000000000005ULL, 0x7fff, 0}},
    {"a signaling NaN is quieted and raises invalid",
     Op::Divide,
     {{0x7fff, 0x8000000000000007ULL}, {0x3fff, kOne}, 0},
     {0xC000000000000007ULL, 0x7fff, kInvalid}},
    {"a subnormal product rounds up into the smallest normal",
     Op::Multiply,
     {{0x0001, ~0ULL}, {0x3ffe, kOne}, 0},
     {kOne, 0x0001, 0}},
    {"0 * inf is invalid",
     Op::Multiply,
     {{0x0000, 0}, {0xffff, kOne}, 0},
     {0xC000000000000000ULL, 0xffff, kInvalid}},
    {"-1 / +0 is -inf and raises zero-divide",
     Op::Divide,
     {{0xbfff, kOne}, {0x0000, 0}, 0},
     {kOne, 0xffff, kDivByZero}},
    {"0 / 0 is invalid",
     Op::Divide,
     {{0x0000, 0}, {0x8000, 0}, 0},
     {0xC000000000000000ULL, 0xffff, kInvalid}},
    {"1 / 3",
     Op::Divide,
     {{0x3fff, kOne}, {0x4000, 0xC000000000000000ULL}, 0},
     {0xAAAAAAAAAAAAAAABULL, 0x3ffd, 0}},
    {"sqrt(-0) is -0", Op::Sqrt, {{0x8000, 0}, {0, 0}, 0}, {0, 0x8000, 0}},
    {"sqrt(-1) is invalid",
     Op::Sqrt,
     {{0xbfff, kOne}, {0, 0}, 0},
     {0xC000000000000000ULL, 0xffff, kInvalid}},
    {"sqrt(2)", Op::Sqrt, {{0x4000, kOne}, {0, 0}, 0}, {0xB504F333F9DE6484ULL, 0x3fff, 0}},
    {"NaN < 1 is false and raises invalid",
     Op::Compare,
     {{0x7fff, 0xC000000000000000ULL}, {0x3fff, kOne}, 0},
     {0b001000, 0, kInvalid}},
    {"NaN == NaN is quiet",
     Op::Equality,
     {{0x7fff, 0xC000000000000000ULL}, {0x7fff, 0xC000000000000000ULL}, 0},
     {0b10, 0, 0}},
    {"signaling NaN == 1 raises invalid",
     Op::Equality,
     {{0x7fff, 0x8000000000000001ULL}, {0x3fff, kOne}, 0},
     {0b10, 0, kInvalid}},
    {"-0 == +0", Op::Compare, {{0x8000, 0}, {0x0000, 0}, 0}, {0b100110, 0, 0}},
    {"to double: 1 + 2^-53 is a tie, to even",
     Op::ToDouble,
     {{0x3fff, 0x8000000000000400ULL}, {0, 0}, 0},
     {0x3ff0000000000000ULL, 0, 0}},
    {"to double: halfway above the largest double overflows",
     Op::ToDouble,
     {{0x43fe, 0xFFFFFFFFFFFFFC00ULL}, {0, 0}, 0},
     {0x7ff0000000000000ULL, 0, kOverflow}},
    {"to double: 2^-1074 * 1.5 rounds to even in the subnormals",
     Op::ToDouble,
     {{0x3bcd, 0xC000000000000000ULL}, {0, 0}, 0},
     {0x0000000000000002ULL, 0, 0}},
    {"to double: a NaN keeps the top of its payload",
     Op::ToDouble,
     {{0xffff, 0xE000000000000800ULL}, {0, 0}, 0},
     {0xfffc000000000001ULL, 0, 0}},
    {"from double: the smallest subnormal", Op::FromDouble, {{0, 0}, {0, 0}, 1}, {kOne, 0x3bcd, 0}},
    {"from double: a signaling NaN is quieted and raises invalid",
     Op::FromDouble,
     {{0, 0}, {0, 0}, 0x7ff0000000000123ULL},
     {0xC000000000091800ULL, 0x7fff, kInvalid}},
    {"to int64: -2^63 fits",
     Op::ToInt64,
     {{0xc03e, kOne}, {0, 0}, 0},
     {0x8000000000000000ULL, 0, 0}},
    {"to int64: 2^63 is the integer indefinite",
     Op::ToInt64,
     {{0x403e, kOne}, {0, 0}, 0},
     {0x8000000000000000ULL, 0, kInvalid}},
    {"to int64: a NaN is the integer indefinite",
     Op::ToInt64,
     {{0x7fff, 0xC000000000000000ULL}, {0, 0}, 0},
     {0x8000000000000000ULL, 0, kInvalid}},
    {"llrint(-2.5) is -2",
     Op::RoundToInteger,
     {{0xc000, 0xA000000000000000ULL}, {0, 0}, 0},
     {static_cast<std::uint64_t>(-2), 0, 0}},
    {"lround(-2.5) is -3",
     Op::RoundHalfAway,
     {{0xc000, 0xA000000000000000ULL}, {0, 0}, 0},
     {static_cast<std::uint64_t>(-3), 0, 0}},
    {"lround(2^63 - 0.5) does not fit",
     Op::RoundHalfAway,
     {{0x403d, ~0ULL}, {0, 0}, 0},
     {0x8000000000000000ULL, 0, kInvalid}},
    {"to int: 2^31 is int's indefinite",
     Op::ToInt,
     {{0x401e, kOne}, {0, 0}, 0},
     {static_cast<std::uint64_t>(-2147483648LL), 0, kInvalid}},
    {"to int: -2^31 - 0.5 truncates into range",
     Op::ToInt,
     {{0xc01e, 0x8000000080000000ULL}, {0, 0}, 0},
     {static_cast<std::uint64_t>(-2147483648LL), 0, 0}},
    {"trunc(-0.5) is -0", Op::Trunc, {{0xbffe, kOne}, {0, 0}, 0}, {0, 0x8000, 0}},
    {"nearbyint(2.5) is 2",
     Op::NearbyInt,
     {{0x4000, 0xA000000000000000ULL}, {0, 0}, 0},
     {kOne, 0x4000, 0}},
    {"nearbyint(-0.5) is -0", Op::NearbyInt, {{0xbffe, kOne}, {0, 0}, 0}, {0, 0x8000, 0}},
};

TEST(SoftExtended, GivesTheX87sResultsInTheDecidingCases) {
    for (const KnownCase& known : kKnownCases) {
        SCOPED_TRACE(known.what);
        EXPECT_EQ(RunSoft(known.op, known.in), known.expected);
#ifdef LABS_TEST_AGAINST_X87
        EXPECT_EQ(RunHardware(known.op, known.in), known.expected) << "the table is wrong";
#endif
    }
}

// A small portable generator (splitmix64), so that every platform draws the same cases.
class Random {
  public:
    std::uint64_t Next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    int Below(int n) { return static_cast<int>(Next() % static_cast<std::uint64_t>(n)); }

  private:
    std::uint64_t state_ = 2026;
};

std::uint16_t Sign(Random& random) {
    return (random.Next() & 1) ? 0x8000 : 0;
}

// A significand with the integer bit: random, short (exact ties), or next to a power of 2.
std::uint64_t Significand(Random& random) {
    const std::uint64_t bits = random.Next() | kOne;
    switch (random.Below(3)) {
    case 0:
        return bits;
    case 1: {
        const int zeros = random.Below(64);
        return ((bits >> zeros) << zeros) | kOne;
    }
    default:
        return (random.Next() & 1) ? ~0ULL - (random.Next() & 0xff) : kOne + (random.Next() & 0xff);
    }
}

Bits80 Normal(Random& random, int exponent) {
    return {static_cast<std::uint16_t>(Sign(random) | exponent), Significand(random)};
}

// Operands over the whole range and its edges: anywhere, near 1, near overflow, near
// underflow, subnormal, special (infinities, zeros, NaNs), and integral or halves.
Bits80 Operand(Random& random) {
    switch (random.Below(8)) {
    case 0:
        return Normal(random, 1 + random.Below(0x7ffe));
    case 1:
        return Normal(random, 0x3fff - 70 + random.Below(140));
    case 2:
        return Normal(random, 0x7ffe - random.Below(64));
    case 3:
        return Normal(random, 1 + random.Below(64));
    case 4:
        return {Sign(random), random.Next() >> (1 + random.Below(63))};
    case 5: {
        const std::uint64_t payload = random.Next() >> (2 + random.Below(62));
        const Bits80 specials[] = {{0x7fff, kOne},
                                   {0x0000, 0},
                                   {0x7fff, kOne | (1ULL << 62) | payload},
                                   {0x7fff, kOne | payload | 1}};
        Bits80 special = specials[random.Below(4)];
        special.signExponent |= Sign(random);
        return special;
    }
    case 6: {
        // With a fraction at 2^-1 only: an exact half, or an integer.
        const int exponent = random.Below(66);
        Bits80 value = Normal(random, 0x3fff + exponent);
        if (exponent < 63)
            value.significand &= ~0ULL << (62 - exponent);
        return value;
    }
    default:
        return Normal(random, 0x3fff + random.Below(66));
    }
}

Inputs RandomInputs(Random& random, Op op) {
    Inputs in{Operand(random), Operand(random), random.Next() >> random.Below(64)};
    if (random.Below(4) == 0) {
        // The second operand within 70 binades below the first: ties and long shifts.
        const int exponent = (in.a.signExponent & 0x7fff) - random.Below(71);
        if (exponent > 0 && exponent < 0x7fff)
            in.b = Normal(random, exponent);
    }
    if (op == Op::FromDouble && random.Below(4) == 0)
        in.word &= random.Below(2) ? 0x800fffffffffffffULL : ~0ULL; // subnormal or any
    if (op == Op::FromDouble && random.Below(8) == 0)
        in.word |= 0x7ff0000000000000ULL; // infinities and NaNs
    if (op == Op::FromInt64 && (random.Next() & 1))
        in.word = 0 - in.word;
    return in;
}

// The flags as the same bits on every platform (<cfenv>'s values differ between them).
std::uint64_t PortableFlags(int flags) {
    return ((flags & FE_INVALID) ? 1 : 0) | ((flags & FE_DIVBYZERO) ? 2 : 0) |
           ((flags & FE_OVERFLOW) ? 4 : 0);
}

std::uint64_t Mix(std::uint64_t digest, std::uint64_t value) {
    digest ^= value + 0x9E3779B97F4A7C15ULL + (digest << 6) + (digest >> 2);
    return digest;
}

// The x87's digest of the cases below, recorded on x86-64, where this test also runs
// every case on the hardware.
constexpr std::uint64_t kX87Digest = 0xe019d94d605acb3dULL;
constexpr int kDigestCases = 16000 * static_cast<int>(Op::count);

TEST(SoftExtended, MatchesTheX87sDigestOfManyRandomOperations) {
    Random random;
    std::uint64_t digest = 0;
    int hardwareDifferences = 0;
    for (int i = 0; i < kDigestCases; ++i) {
        const auto op = static_cast<Op>(i % static_cast<int>(Op::count));
        const Inputs in = RandomInputs(random, op);
        const Result soft = RunSoft(op, in);
        digest = Mix(Mix(Mix(digest, soft.value), soft.top), PortableFlags(soft.flags));
#ifdef LABS_TEST_AGAINST_X87
        const Result hardware = RunHardware(op, in);
        if (hardware != soft && ++hardwareDifferences <= 5)
            ADD_FAILURE() << "case " << i << " operation " << static_cast<int>(op) << ": a "
                          << std::hex << in.a.signExponent << ':' << in.a.significand << " b "
                          << in.b.signExponent << ':' << in.b.significand << " word " << in.word
                          << "; hardware " << testing::PrintToString(hardware) << ", soft "
                          << testing::PrintToString(soft);
#endif
    }
    EXPECT_EQ(hardwareDifferences, 0);
    EXPECT_EQ(digest, kX87Digest);
}

} // namespace
