// soft_extended_diff <count> <seed>: runs <count> random operands per operation through
// the software extended type and through the x87 itself, and compares the result bits
// (NaN payloads included) and the invalid, zero-divide and overflow flags. Prints a
// table (with how many cases touched a subnormal and how many raised a flag, to show
// what was covered) and the first differing operands; exits non-zero on any difference.
// Built only where long double is the x87's 80-bit format.

#include "tests/support/SoftExtendedOperations.h"

#include <algorithm>
#include <cfenv>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <random>
#include <string>
#include <vector>

namespace {

std::mt19937_64 random64;

std::uint64_t Bits() {
    return random64();
}

std::uint64_t Below(std::uint64_t n) {
    return random64() % n;
}

std::uint16_t RandomSign() {
    return (Bits() & 1) ? 0x8000 : 0;
}

// A normal significand: random, or with many trailing zeros (exact ties in + and *),
// or just above a power of two or just below the next.
std::uint64_t Significand(int kind) {
    std::uint64_t significand = Bits() | (1ULL << 63);
    if (kind == 1) {
        const int zeros = static_cast<int>(Below(64));
        significand = ((significand >> zeros) << zeros) | (1ULL << 63);
    } else if (kind == 2) {
        significand = (Bits() & 1) ? ~0ULL - (Bits() & 0xff) : (1ULL << 63) + (Bits() & 0xff);
    }
    return significand;
}

long double Normal(int biasedExponent, int kind) {
    return FromImage(RandomSign() | static_cast<std::uint16_t>(biasedExponent), Significand(kind));
}

int ExponentOf(long double value) {
    return ImageOf(value).signExponent & 0x7fff;
}

constexpr int bias = 16383;

// Infinities, zeros, quiet and signaling NaNs with payloads, the encodings the x87
// refuses (unnormals, pseudo-NaNs), and now and then an ordinary value.
long double Special() {
    const std::uint16_t sign = RandomSign();
    switch (Below(8)) {
    case 0:
        return FromImage(sign | 0x7fff, 1ULL << 63);
    case 1:
        return FromImage(sign, 0);
    case 2: // quiet NaN
        return FromImage(sign | 0x7fff, (3ULL << 62) | (Bits() >> Below(64) >> 2));
    case 3: // signaling NaN
        return FromImage(sign | 0x7fff, (1ULL << 63) | ((Bits() >> 2) | 1) >> Below(62));
    case 4: // unnormal or pseudo-NaN/infinity: no integer bit
        return FromImage(sign | static_cast<std::uint16_t>(1 + Below(0x7fff)), Bits() >> 1);
    case 5:
        return FromImage(sign | 0x7fff, 0xC000000000000000ULL);
    default:
        return Normal(bias + static_cast<int>(Below(20)) - 10, static_cast<int>(Below(3)));
    }
}

enum OperandClass {
    RandomBitsClass,
    NearOneClass,
    TiesClass,
    NearOverflowClass,
    NearUnderflowClass,
    SubnormalClass,
    SpecialClass,
    classCount
};

// One operand of the class; `other` is the first operand of a pair, for the classes
// whose second operand is placed relative to it.
long double Operand(OperandClass kind, long double other, bool second) {
    switch (kind) {
    case RandomBitsClass: {
        const int exponent = static_cast<int>(Below(0x7fff));
        if (exponent == 0)
            return FromImage(RandomSign(), Bits() >> 1);
        return Normal(exponent, 0);
    }
    case NearOneClass:
        return Normal(bias + static_cast<int>(Below(160)) - 80, static_cast<int>(Below(3)));
    case TiesClass: {
        int exponent = bias + static_cast<int>(Below(140)) - 70;
        if (second)
            exponent = std::max(1, ExponentOf(other) - static_cast<int>(Below(71)));
        return Normal(exponent, 1 + static_cast<int>(Below(2)));
    }
    case NearOverflowClass: {
        int exponent = 0x7ffe - static_cast<int>(Below(80));
        if (Below(4) == 0)
            exponent = bias + static_cast<int>(Below(8192));
        return Normal(exponent, static_cast<int>(Below(3)));
    }
    case NearUnderflowClass: {
        int exponent = 1 + static_cast<int>(Below(80));
        if (Below(4) == 0)
            exponent = bias - static_cast<int>(Below(8192));
        return Normal(exponent, static_cast<int>(Below(3)));
    }
    case SubnormalClass:
        if (Below(3) == 0)
            return Normal(1 + static_cast<int>(Below(70)), static_cast<int>(Below(3)));
        // Below 2^63: no pseudo-denormals, which no arithmetic produces.
        return FromImage(RandomSign(), Bits() >> (1 + Below(63)));
    case SpecialClass:
    default:
        return Below(2) ? Special() : Operand(NearOneClass, other, second);
    }
}

struct OperandPair {
    long double a;
    long double b;
};

enum class PairShape { Sum, Product, Quotient };

// For the edge classes, the second operand of * and / pushes the result over the edge.
OperandPair Pair(OperandClass kind, PairShape shape) {
    OperandPair pair;
    pair.a = Operand(kind, 0, false);
    pair.b = Operand(kind, pair.a, true);
    const int near = static_cast<int>(Below(80));
    const int kindOfSignificand = static_cast<int>(Below(3));
    // Now and then a near cancellation: b close to -a, so that a + b loses most bits
    // (down into the subnormals for the small classes).
    if (shape == PairShape::Sum && kind != SpecialClass && Below(8) == 0) {
        const ExtendedImage image = ImageOf(pair.a);
        std::uint64_t significand = image.significand ^ (Bits() >> Below(64));
        // Keep the integer bit as the exponent wants it: no unnormals, no pseudo-denormals.
        significand =
            ExponentOf(pair.a) != 0 ? significand | (1ULL << 63) : significand & ~(1ULL << 63);
        pair.b = FromImage(image.signExponent ^ 0x8000, significand);
    }
    if (kind == NearOverflowClass && shape == PairShape::Product)
        pair.b = Normal(bias + near, kindOfSignificand);
    if (kind == NearOverflowClass && shape == PairShape::Quotient)
        pair.b = Normal(bias - near, kindOfSignificand);
    if (kind == NearUnderflowClass && shape == PairShape::Product)
        pair.b = Normal(bias - near, kindOfSignificand);
    if (kind == NearUnderflowClass && shape == PairShape::Quotient)
        pair.b = Normal(bias + near, kindOfSignificand);
    return pair;
}

// Operands for the conversions to double: the class's values, plus values around the
// double's largest value, in its subnormal range, and exactly halfway between doubles.
long double DoubleEdgeOperand(OperandClass kind) {
    switch (kind) {
    case NearOverflowClass:
        return Normal(bias + 1021 + static_cast<int>(Below(4)), static_cast<int>(Below(3)));
    case NearUnderflowClass:
        return Normal(bias - 1022 - static_cast<int>(Below(56)), static_cast<int>(Below(3)));
    case TiesClass: {
        // Exactly halfway between two doubles (or a bit off it): a normal double keeps
        // 53 bits, a subnormal one fewer, the more the smaller it is.
        int exponent = bias + static_cast<int>(Below(200)) - 100;
        int halfBit = 10;
        if (Below(3) == 0) {
            exponent = bias - 1023 - static_cast<int>(Below(52));
            halfBit = 10 + (bias - 1022 - exponent);
        }
        halfBit += static_cast<int>(Below(3)) - 1;
        std::uint64_t significand = (Significand(0) >> halfBit >> 1) << halfBit << 1;
        significand |= (1ULL << halfBit) | (1ULL << 63);
        return FromImage(RandomSign() | static_cast<std::uint16_t>(exponent), significand);
    }
    default:
        return Operand(kind, 0, false);
    }
}

// Operands for the conversions to integers: the class's values, values with up to 66
// integer bits, exact halves, and the edges of the 32- and 64-bit ranges.
long double IntegerEdgeOperand(OperandClass kind) {
    switch (kind) {
    case NearOneClass:
        return Normal(bias + static_cast<int>(Below(67)), static_cast<int>(Below(3)));
    case TiesClass: {
        long double half = static_cast<long double>(Bits() >> (2 + Below(62))) + 0.5L;
        return (Bits() & 1) ? -half : half;
    }
    case NearOverflowClass: {
        const int exponent = bias + ((Bits() & 1) ? 62 + static_cast<int>(Below(2))
                                                  : 30 + static_cast<int>(Below(2)));
        return Normal(exponent, 2);
    }
    default:
        return Operand(kind, 0, false);
    }
}

Operands SupportedIntegerEdgeOperand(OperandClass kind) {
    long double value;
    do {
        value = IntegerEdgeOperand(kind);
    } while (IsRefusedEncoding(value));
    return {value};
}

double RandomDouble(OperandClass kind) {
    std::uint64_t bits = Bits();
    if (kind == SubnormalClass)
        bits &= 0x800fffffffffffffULL;
    if (kind == SpecialClass)
        bits |= 0x7ff0000000000000ULL; // infinities and NaNs, signaling ones too
    double value;
    std::memcpy(&value, &bits, 8);
    return value;
}

std::int64_t RandomInt64() {
    const auto value = static_cast<std::int64_t>(Bits() >> Below(64));
    if (Below(64) == 0)
        return INT64_MIN;
    return (Bits() & 1) ? -value : value;
}

Operands PairOf(OperandClass kind, PairShape shape) {
    const OperandPair pair = Pair(kind, shape);
    return {pair.a, pair.b};
}

Operands SquareRootOperand(OperandClass kind) {
    const long double a = Operand(kind, 0, false);
    // Mostly non-negative; some negative ones for the invalid case and -0.
    return {Below(8) == 0 ? a : std::fabs(a)};
}

Operands ComparisonOperands(OperandClass kind) {
    OperandPair pair = Pair(kind, PairShape::Sum);
    if (Below(8) == 0)
        pair.b = pair.a;
    if (Below(16) == 0)
        pair.a = -pair.a;
    if (Below(32) == 0)
        pair.a = FromImage(0xffff, 0xC000000000000000ULL);
    return {pair.a, pair.b};
}

// The operands of each operation: the class's values, placed where the operation has
// its edges.
struct Operation {
    ExtendedOperation operation;
    std::function<Operands(OperandClass)> make;
};

std::vector<Operation> Operations() {
    using E = ExtendedOperation;
    const auto pairOf = [](PairShape shape) {
        return [shape](OperandClass kind) { return PairOf(kind, shape); };
    };
    const auto integerEdge = [](OperandClass kind) { return Operands{IntegerEdgeOperand(kind)}; };
    return {
        {E::Add, pairOf(PairShape::Sum)},
        {E::Subtract, pairOf(PairShape::Sum)},
        {E::Multiply, pairOf(PairShape::Product)},
        {E::Divide, pairOf(PairShape::Quotient)},
        {E::Sqrt, SquareRootOperand},
        {E::Compare, ComparisonOperands},
        {E::ToDouble, [](OperandClass kind) { return Operands{DoubleEdgeOperand(kind)}; }},
        {E::FromDouble,
         [](OperandClass kind) {
             Operands operands;
             operands.d = RandomDouble(kind);
             return operands;
         }},
        {E::FromInt64,
         [](OperandClass) {
             Operands operands;
             operands.i = RandomInt64();
             return operands;
         }},
        {E::FromUint64,
         [](OperandClass) {
             Operands operands;
             operands.u = Bits() >> Below(64);
             return operands;
         }},
        {E::ToInt64, integerEdge},
        {E::Llrint, integerEdge},
        // lround is not compared on the encodings the x87 refuses (IsCompared): drawn
        // again until it is.
        {E::Lround, SupportedIntegerEdgeOperand},
        {E::ToInt, integerEdge},
        {E::Trunc, integerEdge},
        {E::NearbyInt, integerEdge},
    };
}

struct Tally {
    long cases = 0;
    long subnormal = 0; // cases with a subnormal operand or result
    long flagged = 0;   // cases where the hardware raised a compared flag
    long valueDifferences = 0;
    long flagDifferences = 0;
    std::vector<std::string> examples;
};

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <count> <seed>\n", argv[0]);
        return 2;
    }
    const long count = std::atol(argv[1]);
    random64.seed(std::strtoull(argv[2], nullptr, 10));
    const std::vector<Operation> operations = Operations();
    std::vector<Tally> tallies(operations.size());
    for (std::size_t op = 0; op < operations.size(); ++op) {
        Tally& tally = tallies[op];
        for (long i = 0; i < count; ++i) {
            const Operands operands =
                operations[op].make(static_cast<OperandClass>(i % classCount));
            const Outcome hard = HardwareOutcome(operations[op].operation, operands);
            const Outcome soft = SoftOutcome(operations[op].operation, operands);
            ++tally.cases;
            const ExtendedImage a = ImageOf(operands.a);
            const ExtendedImage b = ImageOf(operands.b);
            std::uint64_t doubleBits;
            std::memcpy(&doubleBits, &operands.d, 8);
            tally.subnormal += hard.subnormal || IsSubnormalImage(a.signExponent, a.significand) ||
                               IsSubnormalImage(b.signExponent, b.significand) ||
                               IsSubnormalDouble(doubleBits);
            tally.flagged += hard.flags != 0;
            const bool valueDiffers = hard.low != soft.low || hard.high != soft.high;
            tally.valueDifferences += valueDiffers;
            tally.flagDifferences += hard.flags != soft.flags;
            if ((valueDiffers || hard.flags != soft.flags) && tally.examples.size() < 5)
                tally.examples.push_back(Describe(operands, hard, soft));
        }
    }
    bool anyDifference = false;
    std::printf("%-32s %12s %12s %12s %12s %12s\n", "operation", "cases", "subnormal",
                "flags raised", "value diffs", "flag diffs");
    for (std::size_t op = 0; op < operations.size(); ++op) {
        const Tally& tally = tallies[op];
        std::printf("%-32s %12ld %12ld %12ld %12ld %12ld\n",
                    OperationName(operations[op].operation), tally.cases, tally.subnormal,
                    tally.flagged, tally.valueDifferences, tally.flagDifferences);
        anyDifference = anyDifference || tally.valueDifferences != 0 || tally.flagDifferences != 0;
    }
    for (std::size_t op = 0; op < operations.size(); ++op)
        for (const std::string& example : tallies[op].examples)
            std::printf("%s: %s\n", OperationName(operations[op].operation), example.c_str());
    return anyDifference ? 1 : 0;
}
