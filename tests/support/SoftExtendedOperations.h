#pragma once

// Each operation the software extended type must do as the x87 does, run once on each
// side with the compared flags cleared before and read after, its result reduced to
// bits: soft_extended_diff (random operands) and fuzz_soft_extended (the fuzzer's
// operands) check the same thing through this one table. Only for platforms where
// long double is the x87's format.

#include "numeric/SoftExtended.h"
#include "tests/support/X87Reference.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <string>

enum class ExtendedOperation {
    Add,
    Subtract,
    Multiply,
    Divide,
    Sqrt,
    Compare,
    ToDouble,
    FromDouble,
    FromInt64,
    FromUint64,
    ToInt64,
    Llrint,
    Lround,
    ToInt,
    Trunc,
    NearbyInt,
};
inline constexpr int kExtendedOperationCount = static_cast<int>(ExtendedOperation::NearbyInt) + 1;

inline const char* OperationName(ExtendedOperation operation) {
    switch (operation) {
    case ExtendedOperation::Add:
        return "add";
    case ExtendedOperation::Subtract:
        return "subtract";
    case ExtendedOperation::Multiply:
        return "multiply";
    case ExtendedOperation::Divide:
        return "divide";
    case ExtendedOperation::Sqrt:
        return "sqrt";
    case ExtendedOperation::Compare:
        return "compare < <= == != > >=";
    case ExtendedOperation::ToDouble:
        return "extended -> double";
    case ExtendedOperation::FromDouble:
        return "double -> extended";
    case ExtendedOperation::FromInt64:
        return "int64 -> extended";
    case ExtendedOperation::FromUint64:
        return "uint64 -> extended";
    case ExtendedOperation::ToInt64:
        return "extended -> int64 (truncating)";
    case ExtendedOperation::Llrint:
        return "llrint";
    case ExtendedOperation::Lround:
        return "lround";
    case ExtendedOperation::ToInt:
        return "extended -> int";
    case ExtendedOperation::Trunc:
        return "trunc";
    case ExtendedOperation::NearbyInt:
        return "nearbyint";
    }
    return "?";
}

// What an operation reads: the binary ones a and b, the unary ones a, the conversions
// from double d, from int64 i, from uint64 u.
struct Operands {
    long double a = 0;
    long double b = 0;
    double d = 0;
    std::int64_t i = 0;
    std::uint64_t u = 0;
};

// A result of either side reduced to bits that can be compared and printed.
struct Outcome {
    std::uint64_t low = 0;
    std::uint64_t high = 0;
    int flags = 0;
    bool subnormal = false; // an extended or double result below the normal range
};

inline bool IsSubnormalImage(std::uint16_t signExponent, std::uint64_t significand) {
    return (signExponent & 0x7fff) == 0 && significand != 0;
}

inline bool IsSubnormalDouble(std::uint64_t bits) {
    return (bits & 0x7ff0000000000000ULL) == 0 && (bits << 1) != 0;
}

// A non-zero exponent without the integer bit: unnormals, pseudo-infinities and
// pseudo-NaNs, which the x87 refuses as invalid operands.
inline bool IsRefusedEncoding(long double value) {
    const ExtendedImage image = ImageOf(value);
    return (image.signExponent & 0x7fff) != 0 && !(image.significand >> 63);
}

inline bool SameOutcome(const Outcome& x, const Outcome& y) {
    return x.low == y.low && x.high == y.high && x.flags == y.flags;
}

// Whether both sides must agree on these operands: the C library rounds half away in integer code
// that reads a refused encoding by its bits (an unnormal as a small number); the software type
// refuses it as the x87 does, so lround is not compared on those.
inline bool IsCompared(ExtendedOperation operation, const Operands& x) {
    return operation != ExtendedOperation::Lround || !IsRefusedEncoding(x.a);
}

namespace soft_extended_operations_detail {

inline TSoftExtended Soft(long double value) {
    const ExtendedImage image = ImageOf(value);
    return TSoftExtended::FromBits(image.signExponent, image.significand);
}

inline int SoftCompare(TSoftExtended a, TSoftExtended b) {
    return (a < b) | (a <= b) << 1 | (a == b) << 2 | (a != b) << 3 | (a > b) << 4 | (a >= b) << 5;
}

inline Outcome OfExtended(long double value, int flags) {
    const ExtendedImage image = ImageOf(value);
    return {image.significand, image.signExponent, flags,
            IsSubnormalImage(image.signExponent, image.significand)};
}

inline Outcome OfSoft(TSoftExtended value, int flags) {
    return {value.Significand(), value.SignExponent(), flags,
            IsSubnormalImage(value.SignExponent(), value.Significand())};
}

inline Outcome OfDouble(double value, int flags) {
    std::uint64_t bits;
    std::memcpy(&bits, &value, 8);
    return {bits, 0, flags, IsSubnormalDouble(bits)};
}

inline Outcome OfInteger(std::int64_t value, int flags) {
    return {static_cast<std::uint64_t>(value), 0, flags, false};
}

inline int SoftFlags() {
    return SoftExtendedFlags() & kComparedFlags;
}

inline void AppendHex(std::string& text, std::uint64_t value, int width) {
    char digits[16];
    char* end = std::to_chars(digits, digits + sizeof digits, value, 16).ptr;
    text.append(static_cast<std::size_t>(std::max<long>(0, width - (end - digits))), '0');
    text.append(digits, end);
}

inline void AppendDecimal(std::string& text, long long value) {
    char digits[24];
    char* end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    text.append(digits, end);
}

inline void AppendImage(std::string& text, std::uint64_t high, std::uint64_t low) {
    AppendHex(text, high, 4);
    text += ':';
    AppendHex(text, low, 16);
}

} // namespace soft_extended_operations_detail

// The x87's result: each operation in its own function that the compiler may neither
// inline nor fold, between the flag calls.
inline Outcome HardwareOutcome(ExtendedOperation operation, const Operands& x) {
    using namespace soft_extended_operations_detail;
    ClearHardwareFlags();
    switch (operation) {
    case ExtendedOperation::Add: {
        const long double value = HardAdd(x.a, x.b);
        return OfExtended(value, HardwareFlags());
    }
    case ExtendedOperation::Subtract: {
        const long double value = HardSubtract(x.a, x.b);
        return OfExtended(value, HardwareFlags());
    }
    case ExtendedOperation::Multiply: {
        const long double value = HardMultiply(x.a, x.b);
        return OfExtended(value, HardwareFlags());
    }
    case ExtendedOperation::Divide: {
        const long double value = HardDivide(x.a, x.b);
        return OfExtended(value, HardwareFlags());
    }
    case ExtendedOperation::Sqrt: {
        const long double value = HardSqrt(x.a);
        return OfExtended(value, HardwareFlags());
    }
    case ExtendedOperation::Compare: {
        const int result = HardCompare(x.a, x.b);
        return OfInteger(result, HardwareFlags());
    }
    case ExtendedOperation::ToDouble: {
        const double value = HardToDouble(x.a);
        return OfDouble(value, HardwareFlags());
    }
    case ExtendedOperation::FromDouble: {
        const long double value = HardFromDouble(x.d);
        return OfExtended(value, HardwareFlags());
    }
    case ExtendedOperation::FromInt64: {
        const long double value = HardFromInt64(x.i);
        return OfExtended(value, HardwareFlags());
    }
    case ExtendedOperation::FromUint64: {
        const long double value = HardFromUint64(x.u);
        return OfExtended(value, HardwareFlags());
    }
    case ExtendedOperation::ToInt64: {
        const std::int64_t value = HardToInt64(x.a);
        return OfInteger(value, HardwareFlags());
    }
    case ExtendedOperation::Llrint: {
        const std::int64_t value = HardLlrint(x.a);
        return OfInteger(value, HardwareFlags());
    }
    case ExtendedOperation::Lround: {
        const std::int64_t value = HardLround(x.a);
        return OfInteger(value, HardwareFlags());
    }
    case ExtendedOperation::ToInt: {
        const std::int64_t value = HardToInt(x.a);
        return OfInteger(value, HardwareFlags());
    }
    case ExtendedOperation::Trunc: {
        const long double value = HardTrunc(x.a);
        return OfExtended(value, HardwareFlags());
    }
    case ExtendedOperation::NearbyInt: {
        const long double value = HardNearbyInt(x.a);
        return OfExtended(value, HardwareFlags());
    }
    }
    return {};
}

// The software type's result on the same operands, through its sticky flags.
inline Outcome SoftOutcome(ExtendedOperation operation, const Operands& x) {
    using namespace soft_extended_operations_detail;
    SetSoftExtendedFlags(0);
    switch (operation) {
    case ExtendedOperation::Add: {
        const TSoftExtended value = Soft(x.a) + Soft(x.b);
        return OfSoft(value, SoftFlags());
    }
    case ExtendedOperation::Subtract: {
        const TSoftExtended value = Soft(x.a) - Soft(x.b);
        return OfSoft(value, SoftFlags());
    }
    case ExtendedOperation::Multiply: {
        const TSoftExtended value = Soft(x.a) * Soft(x.b);
        return OfSoft(value, SoftFlags());
    }
    case ExtendedOperation::Divide: {
        const TSoftExtended value = Soft(x.a) / Soft(x.b);
        return OfSoft(value, SoftFlags());
    }
    case ExtendedOperation::Sqrt: {
        const TSoftExtended value = SoftSqrt(Soft(x.a));
        return OfSoft(value, SoftFlags());
    }
    case ExtendedOperation::Compare: {
        const int result = SoftCompare(Soft(x.a), Soft(x.b));
        return OfInteger(result, SoftFlags());
    }
    case ExtendedOperation::ToDouble: {
        const double value = static_cast<double>(Soft(x.a));
        return OfDouble(value, SoftFlags());
    }
    case ExtendedOperation::FromDouble: {
        const TSoftExtended value(x.d);
        return OfSoft(value, SoftFlags());
    }
    case ExtendedOperation::FromInt64: {
        const TSoftExtended value(x.i);
        return OfSoft(value, SoftFlags());
    }
    case ExtendedOperation::FromUint64: {
        const TSoftExtended value(x.u);
        return OfSoft(value, SoftFlags());
    }
    case ExtendedOperation::ToInt64: {
        const auto value = static_cast<std::int64_t>(Soft(x.a));
        return OfInteger(value, SoftFlags());
    }
    case ExtendedOperation::Llrint: {
        const std::int64_t value = SoftRoundToInteger(Soft(x.a));
        return OfInteger(value, SoftFlags());
    }
    case ExtendedOperation::Lround: {
        const std::int64_t value = SoftRoundHalfAway(Soft(x.a));
        return OfInteger(value, SoftFlags());
    }
    case ExtendedOperation::ToInt: {
        const std::int64_t value = static_cast<int>(Soft(x.a));
        return OfInteger(value, SoftFlags());
    }
    case ExtendedOperation::Trunc: {
        const TSoftExtended value = SoftTrunc(Soft(x.a));
        return OfSoft(value, SoftFlags());
    }
    case ExtendedOperation::NearbyInt: {
        const TSoftExtended value = SoftNearbyInt(Soft(x.a));
        return OfSoft(value, SoftFlags());
    }
    }
    return {};
}

// The operands as bits, then both results: "a=<image> b=<image> d=<bits> i=<int64> |
// hw <high>:<low> flags <n> | soft <high>:<low> flags <n>".
inline std::string Describe(const Operands& x, const Outcome& hard, const Outcome& soft) {
    using namespace soft_extended_operations_detail;
    const ExtendedImage a = ImageOf(x.a);
    const ExtendedImage b = ImageOf(x.b);
    std::string text = "a=";
    AppendImage(text, a.signExponent, a.significand);
    text += " b=";
    AppendImage(text, b.signExponent, b.significand);
    text += " d=";
    AppendHex(text, OfDouble(x.d, 0).low, 16);
    text += " i=";
    AppendDecimal(text, x.i);
    text += " | hw ";
    AppendImage(text, hard.high, hard.low);
    text += " flags ";
    AppendDecimal(text, hard.flags);
    text += " | soft ";
    AppendImage(text, soft.high, soft.low);
    text += " flags ";
    AppendDecimal(text, soft.flags);
    return text;
}
