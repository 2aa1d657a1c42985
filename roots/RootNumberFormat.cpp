#include "roots/RootNumberFormat.h"

#include "ground/Regional.h"
#include "numeric/DecimalText.h"

#include <charconv>
#include <cmath>
#include <string>

namespace {

constexpr int kWrittenDigits = 18;
constexpr int kDecimals = 2;
constexpr int kSignificantDigits = 10;
constexpr int kLargestFixedExponent = 10; // integer digits shown before the switch

// value = (negative ? -1 : 1) * 0.digits * 10^exponent; digits without a leading zero.
struct DecimalDigits {
    bool negative = false;
    std::string digits;
    int exponent = 0;
};

DecimalDigits WriteDigits(double value) {
    DecimalDigits result;
    result.negative = std::signbit(value);
    // Every double is exact in either type, so both write the same correctly rounded
    // digits; the software build has no extended writer of its own.
#if LABS_SOFT_EXTENDED
    const std::string text = ScientificDecimalText(std::fabs(value), kWrittenDigits - 1);
#else
    char buffer[64];
    const long double magnitude = std::fabs(static_cast<long double>(value));
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, magnitude,
                                       std::chars_format::scientific, kWrittenDigits - 1);
    const std::string text(buffer, written.ptr);
#endif
    const std::size_t e = text.find('e');
    for (std::size_t i = 0; i < e; ++i)
        if (text[i] >= '0' && text[i] <= '9')
            result.digits += text[i];
    // The exponent reads "e+02" or "e-07"; from_chars takes no plus sign.
    int exponent = 0;
    std::from_chars(text.data() + e + 2, text.data() + text.size(), exponent);
    result.exponent = (text[e + 1] == '-' ? -exponent : exponent) + 1;
    if (value == 0.0)
        result.exponent = 0;
    return result;
}

// Keeps `keep` leading digits, rounding half away from zero on the next one; a carry
// out of the first digit lengthens the number by one place.
void RoundDigits(DecimalDigits& number, int keep) {
    if (keep < 0) {
        number.digits.clear();
        return;
    }
    const bool up = keep < static_cast<int>(number.digits.size()) &&
                    number.digits[static_cast<std::size_t>(keep)] >= '5';
    number.digits.resize(static_cast<std::size_t>(keep));
    if (!up)
        return;
    int i = keep - 1;
    while (i >= 0 && number.digits[static_cast<std::size_t>(i)] == '9')
        number.digits[static_cast<std::size_t>(i--)] = '0';
    if (i >= 0) {
        ++number.digits[static_cast<std::size_t>(i)];
    } else {
        number.digits.insert(number.digits.begin(), '1');
        ++number.exponent;
    }
}

bool IsZero(const DecimalDigits& number) {
    return number.digits.find_first_not_of('0') == std::string::npos;
}

// Digit i of the rounded number (0-based from the first significant one), 0 past the end.
char DigitAt(const DecimalDigits& number, int i) {
    if (i < 0 || i >= static_cast<int>(number.digits.size()))
        return '0';
    return number.digits[static_cast<std::size_t>(i)];
}

QString Grouped(const QString& integerPart, const QString& thousands) {
    QString result;
    const qsizetype size = integerPart.size();
    for (qsizetype i = 0; i < size; ++i) {
        if (i > 0 && (size - i) % 3 == 0)
            result += thousands;
        result += integerPart.at(i);
    }
    return result;
}

QString FixedForm(const DecimalDigits& number, const TNumberSeparators& separators) {
    QString integerPart;
    for (int i = 0; i < number.exponent; ++i)
        integerPart += QLatin1Char(DigitAt(number, i));
    if (integerPart.isEmpty())
        integerPart = QStringLiteral("0");
    QString fraction;
    for (int i = 0; i < kDecimals; ++i)
        fraction += QLatin1Char(DigitAt(number, number.exponent + i));
    return Grouped(integerPart, separators.thousands) + separators.decimal + fraction;
}

QString ScientificForm(const DecimalDigits& number, const TNumberSeparators& separators) {
    std::string digits = number.digits;
    digits.erase(digits.find_last_not_of('0') + 1);
    QString result(QLatin1Char(digits.front()));
    if (digits.size() > 1)
        result += separators.decimal + QString::fromStdString(digits.substr(1));
    const int exponent = number.exponent - 1;
    result += QLatin1Char('E');
    if (exponent < 0)
        result += QLatin1Char('-');
    result += QStringLiteral("%1").arg(std::abs(exponent), 2, 10, QLatin1Char('0'));
    return result;
}

} // namespace

TNumberSeparators RegionalNumberSeparators() {
    return {DecimalSeparator(), ThousandSeparator()};
}

QString FormatRootNumber(double value, const TNumberSeparators& separators) {
    // Roots are finite (every stored value has passed the overflow check); these only
    // keep the function total.
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");

    DecimalDigits number = WriteDigits(value);
    RoundDigits(number, std::min(kSignificantDigits, number.exponent + kDecimals));
    if (IsZero(number))
        return QStringLiteral("0") + separators.decimal + QStringLiteral("00");
    const QString sign = number.negative ? QStringLiteral("-") : QString();
    if (number.exponent > kLargestFixedExponent)
        return sign + ScientificForm(number, separators);
    return sign + FixedForm(number, separators);
}
