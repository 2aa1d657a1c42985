#include "chart/AxisLabelFormat.h"

#include "ground/Regional.h"
#include "numeric/DecimalText.h"

#include <charconv>
#include <cmath>
#include <string>
#include <string_view>

namespace {

// The magnitude as `digits` significant decimal digits (correctly rounded, ties
// to even) and the decimal exponent of the first one: value = d.ddd x 10^exponent.
struct DecimalDigits {
    std::string digits;
    int exponent = 0;
};

// to_chars' text, not the printf family's: the same correctly rounded digits but never
// the C library's locale, whose decimal point is a comma once the toolkit has set that
// locale from a Russian environment.
DecimalDigits Expand(double magnitude, int digits) {
    const std::string written = ScientificDecimalText(magnitude, digits - 1);
    const std::string_view text(written);
    const std::size_t e = text.find('e');
    DecimalDigits result;
    for (std::size_t i = 0; i < e; ++i)
        if (text[i] != '.')
            result.digits.push_back(text[i]);
    // The exponent reads "e+02" or "e-07"; from_chars takes no plus sign.
    const bool negative = text[e + 1] == '-';
    std::from_chars(text.data() + e + 2, text.data() + text.size(), result.exponent);
    if (negative)
        result.exponent = -result.exponent;
    return result;
}

// Adds one unit in the last place of a digit string; may lengthen it ("999" -> "1000").
void IncrementDigits(std::string& digits) {
    for (std::size_t i = digits.size(); i-- > 0;) {
        if (digits[i] != '9') {
            ++digits[i];
            return;
        }
        digits[i] = '0';
    }
    digits.insert(digits.begin(), '1');
}

QString Grouped(const std::string& integerDigits, const QString& separator) {
    QString result;
    const int count = int(integerDigits.size());
    for (int i = 0; i < count; ++i) {
        if (i > 0 && (count - i) % 3 == 0)
            result += separator;
        result += QLatin1Char(integerDigits[std::size_t(i)]);
    }
    return result;
}

// The value in thousandths, as digits, rounded half away from zero on the
// 18-digit decimal expansion.
std::string Thousandths(const DecimalDigits& expanded) {
    const int keep = expanded.exponent + 1 + 3; // integer digits plus three decimals
    if (keep < 0)
        return "0";
    std::string kept;
    for (int i = 0; i < keep; ++i)
        kept.push_back(i < int(expanded.digits.size()) ? expanded.digits[std::size_t(i)] : '0');
    if (keep < int(expanded.digits.size()) && expanded.digits[std::size_t(keep)] >= '5')
        IncrementDigits(kept);
    return kept.empty() ? "0" : kept;
}

QString FixedFormat(double value, QChar decimal, const QString& thousands) {
    std::string scaled = Thousandths(Expand(std::fabs(value), 18));
    while (scaled.size() < 4)
        scaled.insert(scaled.begin(), '0');
    std::string integer = scaled.substr(0, scaled.size() - 3);
    std::string fraction = scaled.substr(scaled.size() - 3);
    const std::size_t firstNonZero = integer.find_first_not_of('0');
    integer = firstNonZero == std::string::npos ? "0" : integer.substr(firstNonZero);
    while (!fraction.empty() && fraction.back() == '0')
        fraction.pop_back();
    // A value that rounds to zero is written without its sign: never "-0".
    const bool zero = integer == "0" && fraction.empty();
    QString text = (value < 0 && !zero) ? QStringLiteral("-") : QString();
    text += Grouped(integer, thousands);
    if (!fraction.empty())
        text += decimal + QString::fromLatin1(fraction.c_str());
    return text;
}

QString GeneralFormat(double value, QChar decimal) {
    const DecimalDigits expanded = Expand(std::fabs(value), 15);
    std::string mantissa = expanded.digits;
    while (mantissa.size() > 1 && mantissa.back() == '0')
        mantissa.pop_back();
    QString text = value < 0 ? QStringLiteral("-") : QString();
    text += QLatin1Char(mantissa[0]);
    if (mantissa.size() > 1)
        text += decimal + QString::fromLatin1(mantissa.c_str() + 1);
    return text + QLatin1Char('E') + QString::number(expanded.exponent);
}

} // namespace

QString FormatAxisLabel(double value, QChar decimalSeparator, const QString& thousandSeparator) {
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
    if (value == 0)
        return QStringLiteral("0");
    // Beyond 18 integer digits the pattern would print digits the value does not have.
    if (std::fabs(value) >= 1e18)
        return GeneralFormat(value, decimalSeparator);
    return FixedFormat(value, decimalSeparator, thousandSeparator);
}

QString FormatAxisLabel(double value) {
    return FormatAxisLabel(value, DecimalSeparator(), ThousandSeparator());
}
