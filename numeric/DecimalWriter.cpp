#include "numeric/DecimalWriter.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <vector>

namespace {

// A positive decimal number: its significant digits without leading or trailing
// zeros, and the decimal exponent of the first: d.ddd x 10^exponent.
struct TDecimal {
    std::string digits;
    int exponent = 0;
};

// An unsigned integer of any size, in 32-bit limbs, the least significant first: a
// double's exact value needs up to 767 decimal digits.
class TBigUnsigned {
  public:
    explicit TBigUnsigned(std::uint64_t value)
        : limbs_{static_cast<std::uint32_t>(value), static_cast<std::uint32_t>(value >> 32)} {}

    void Multiply(std::uint32_t factor) {
        std::uint64_t carry = 0;
        for (std::uint32_t& limb : limbs_) {
            const std::uint64_t product = std::uint64_t(limb) * factor + carry;
            limb = static_cast<std::uint32_t>(product);
            carry = product >> 32;
        }
        if (carry)
            limbs_.push_back(static_cast<std::uint32_t>(carry));
    }

    void ShiftLeft(int bits) {
        limbs_.insert(limbs_.begin(), std::size_t(bits / 32), 0);
        const int rest = bits % 32;
        if (rest == 0)
            return;
        std::uint32_t carry = 0;
        for (std::uint32_t& limb : limbs_) {
            const std::uint32_t shifted = (limb << rest) | carry;
            carry = limb >> (32 - rest);
            limb = shifted;
        }
        if (carry)
            limbs_.push_back(carry);
    }

    // The decimal digits, the most significant first ("0" for zero).
    std::string Digits() const {
        std::vector<std::uint32_t> number = limbs_;
        std::string reversed;
        constexpr std::uint32_t kChunk = 1000000000; // nine digits at a time
        while (!number.empty()) {
            std::uint64_t remainder = 0;
            for (std::size_t i = number.size(); i-- > 0;) {
                const std::uint64_t current = (remainder << 32) | number[i];
                number[i] = static_cast<std::uint32_t>(current / kChunk);
                remainder = current % kChunk;
            }
            while (!number.empty() && number.back() == 0)
                number.pop_back();
            for (int k = 0; k < 9 && (remainder != 0 || !number.empty()); ++k) {
                reversed.push_back(char('0' + remainder % 10));
                remainder /= 10;
            }
        }
        if (reversed.empty())
            return "0";
        return std::string(reversed.rbegin(), reversed.rend());
    }

  private:
    std::vector<std::uint32_t> limbs_;
};

// The exact value of significand x 2^exponent (significand > 0): a power of two below
// one is a power of five over the same power of ten.
TDecimal ExactDecimal(std::uint64_t significand, int exponent) {
    TBigUnsigned number(significand);
    int tenths = 0;
    if (exponent >= 0) {
        number.ShiftLeft(exponent);
    } else {
        constexpr std::uint32_t kFivePowers[] = {1,       5,        25,        125,       625,
                                                 3125,    15625,    78125,     390625,    1953125,
                                                 9765625, 48828125, 244140625, 1220703125};
        for (int k = -exponent; k > 0; k -= 13)
            number.Multiply(kFivePowers[std::min(k, 13)]);
        tenths = exponent;
    }
    TDecimal result;
    result.digits = number.Digits();
    result.exponent = int(result.digits.size()) - 1 + tenths;
    result.digits.erase(result.digits.find_last_not_of('0') + 1);
    return result;
}

// Orders two positive decimals.
int Compare(const TDecimal& a, const TDecimal& b) {
    if (a.exponent != b.exponent)
        return a.exponent < b.exponent ? -1 : 1;
    const std::size_t length = std::max(a.digits.size(), b.digits.size());
    for (std::size_t i = 0; i < length; ++i) {
        const char x = i < a.digits.size() ? a.digits[i] : '0';
        const char y = i < b.digits.size() ? b.digits[i] : '0';
        if (x != y)
            return x < y ? -1 : 1;
    }
    return 0;
}

// One unit more in the last of `count` digits; a carry out of the first digit makes
// the number one decade longer ("999" becomes "100" of the next exponent).
TDecimal Incremented(TDecimal number, std::size_t count) {
    number.digits.resize(count, '0');
    std::size_t i = count;
    while (i > 0 && number.digits[i - 1] == '9')
        number.digits[--i] = '0';
    if (i == 0) {
        number.digits.insert(number.digits.begin(), '1');
        number.digits.pop_back();
        ++number.exponent;
    } else {
        ++number.digits[i - 1];
    }
    return number;
}

// Exactly `count` significant digits, correctly rounded, ties to even (as printf and
// to_chars round the exact value).
TDecimal RoundedTo(TDecimal number, std::size_t count) {
    if (number.digits.size() <= count) {
        number.digits.resize(count, '0');
        return number;
    }
    const char next = number.digits[count];
    // The digits end in a non-zero one: anything after a 5 makes it more than a half.
    const bool beyondHalf = next > '5' || (next == '5' && number.digits.size() > count + 1);
    const bool half = next == '5' && number.digits.size() == count + 1;
    const bool odd = (number.digits[count - 1] - '0') % 2 != 0;
    if (beyondHalf || (half && odd))
        return Incremented(number, count);
    number.digits.resize(count);
    return number;
}

std::string ExponentText(int exponent) {
    std::string text = exponent < 0 ? "e-" : "e+";
    const int magnitude = exponent < 0 ? -exponent : exponent;
    if (magnitude < 10)
        text += '0';
    // Integer to_chars: no locale, and every C++ library has it.
    char digits[8];
    const std::to_chars_result written = std::to_chars(digits, digits + sizeof digits, magnitude);
    return text.append(digits, written.ptr);
}

// d.ddd followed by the exponent.
std::string ScientificLayout(const std::string& digits, int exponent) {
    std::string text(1, digits.front());
    if (digits.size() > 1)
        text += '.' + digits.substr(1);
    return text + ExponentText(exponent);
}

// The digits with the point where the exponent puts it, an integer padded with zeros.
std::string FixedLayout(const std::string& digits, int exponent) {
    const int count = int(digits.size());
    if (exponent < 0)
        return "0." + std::string(std::size_t(-exponent - 1), '0') + digits;
    if (exponent >= count - 1)
        return digits + std::string(std::size_t(exponent - count + 1), '0');
    return digits.substr(0, std::size_t(exponent + 1)) + '.' +
           digits.substr(std::size_t(exponent + 1));
}

std::string WithoutTrailingZeros(std::string text) {
    if (text.find('.') == std::string::npos)
        return text;
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.')
        text.pop_back();
    return text;
}

struct TParts {
    std::uint64_t significand; // with the integer bit of a normal number
    int exponent;              // value = significand x 2^exponent
    bool closerBelow;          // the next smaller double is half as far as the next larger
};

TParts Decompose(double magnitude) {
    std::uint64_t bits;
    std::memcpy(&bits, &magnitude, sizeof bits);
    const int biased = int(bits >> 52) & 0x7ff;
    const std::uint64_t fraction = bits & ((1ULL << 52) - 1);
    if (biased == 0)
        return {fraction, -1074, false};
    return {fraction | (1ULL << 52), biased - 1075, fraction == 0 && biased > 1};
}

// The shortest decimal that reads back as the magnitude: the first length at which the
// value rounded down or up to that many digits lies within half a step of the
// neighbouring doubles (on the boundary only where the significand is even, as reading
// rounds a tie to the even one); of two such, the nearer, and of two as near, the even.
TDecimal ShortestDigits(double magnitude) {
    const TParts parts = Decompose(magnitude);
    const bool even = parts.significand % 2 == 0;
    const TDecimal exact = ExactDecimal(parts.significand, parts.exponent);
    const TDecimal high = ExactDecimal(4 * parts.significand + 2, parts.exponent - 2);
    const TDecimal low =
        ExactDecimal(4 * parts.significand - (parts.closerBelow ? 1 : 2), parts.exponent - 2);
    for (std::size_t count = 1;; ++count) {
        if (exact.digits.size() <= count)
            return exact;
        TDecimal down{exact.digits.substr(0, count), exact.exponent};
        const TDecimal up = Incremented(down, count);
        down.digits.erase(down.digits.find_last_not_of('0') + 1);
        const int belowLow = Compare(down, low);
        const int aboveHigh = Compare(up, high);
        const bool downReadsBack = belowLow > 0 || (belowLow == 0 && even);
        const bool upReadsBack = aboveHigh < 0 || (aboveHigh == 0 && even);
        if (downReadsBack && upReadsBack) {
            // Which is nearer: the digits cut off against a half.
            const char next = exact.digits[count];
            const bool half = next == '5' && exact.digits.size() == count + 1;
            const bool odd = (exact.digits[count - 1] - '0') % 2 != 0;
            if (next > '5' || (next == '5' && !half) || (half && odd))
                return up;
            return down;
        }
        if (downReadsBack)
            return down;
        if (upReadsBack)
            return up;
    }
}

bool IsFinite(double value) {
    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return ((bits >> 52) & 0x7ff) != 0x7ff;
}

// "inf" or "nan"; the sign is the caller's.
std::string NonFiniteText(double magnitude) {
    std::uint64_t bits;
    std::memcpy(&bits, &magnitude, sizeof bits);
    return (bits & ((1ULL << 52) - 1)) == 0 ? "inf" : "nan";
}

std::string Sign(double value) {
    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return (bits >> 63) ? "-" : "";
}

double Magnitude(double value) {
    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    bits &= ~(1ULL << 63);
    double magnitude;
    std::memcpy(&magnitude, &bits, sizeof magnitude);
    return magnitude;
}

} // namespace

namespace DecimalWriter {

std::string Shortest(double value) {
    const double magnitude = Magnitude(value);
    if (!IsFinite(value))
        return Sign(value) + NonFiniteText(magnitude);
    if (magnitude == 0)
        return Sign(value) + "0";
    const TDecimal shortest = ShortestDigits(magnitude);
    const int count = int(shortest.digits.size());
    const int exponent = shortest.exponent;
    const int exponentLength = int(ExponentText(exponent).size());
    const int scientificLength = count + (count > 1 ? 1 : 0) + exponentLength;
    const int fixedLength = exponent >= count - 1 ? exponent + 1
                            : exponent >= 0       ? count + 1
                                                  : count + 1 - exponent;
    if (fixedLength > scientificLength)
        return Sign(value) + ScientificLayout(shortest.digits, exponent);
    if (exponent >= count - 1) {
        // An integer: its own digits, which past the significant ones need not be zeros.
        const TParts parts = Decompose(magnitude);
        const TDecimal exact = ExactDecimal(parts.significand, parts.exponent);
        return Sign(value) + FixedLayout(exact.digits, exact.exponent);
    }
    return Sign(value) + FixedLayout(shortest.digits, exponent);
}

std::string Scientific(double value, int precision) {
    const double magnitude = Magnitude(value);
    if (!IsFinite(value))
        return Sign(value) + NonFiniteText(magnitude);
    const std::size_t count = std::size_t(std::max(precision, 0)) + 1;
    if (magnitude == 0)
        return Sign(value) + ScientificLayout(std::string(count, '0'), 0);
    const TParts parts = Decompose(magnitude);
    const TDecimal rounded = RoundedTo(ExactDecimal(parts.significand, parts.exponent), count);
    return Sign(value) + ScientificLayout(rounded.digits, rounded.exponent);
}

std::string General(double value, int precision) {
    const double magnitude = Magnitude(value);
    if (!IsFinite(value))
        return Sign(value) + NonFiniteText(magnitude);
    if (magnitude == 0)
        return Sign(value) + "0";
    const int count = std::max(precision, 1);
    const TParts parts = Decompose(magnitude);
    const TDecimal rounded =
        RoundedTo(ExactDecimal(parts.significand, parts.exponent), std::size_t(count));
    if (rounded.exponent >= -4 && rounded.exponent < count)
        return Sign(value) + WithoutTrailingZeros(FixedLayout(rounded.digits, rounded.exponent));
    std::string digits = rounded.digits;
    digits.erase(std::max<std::size_t>(digits.find_last_not_of('0') + 1, 1));
    return Sign(value) + ScientificLayout(digits, rounded.exponent);
}

} // namespace DecimalWriter
