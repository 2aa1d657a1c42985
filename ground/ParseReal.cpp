#include "ground/ParseReal.h"

#include "ground/Errors.h"
#include "ground/FloatEnv.h"
#include "ground/Regional.h"
#include "numeric/ExtendedConstants.h"

namespace {

// 10^(512 k); beyond the extended range the factor is infinite, which makes a
// multiplication overflow-free but invalid text anyway and a division give zero.
TExtended FiveTwelves(int k) {
    if (k < 10)
        return ExtendedConstants::FiveTwelves[k];
    return ExtendedConstants::Infinity;
}

bool IsDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

[[noreturn]] void Reject(const QString& text) {
    throw EConvertError(QStringLiteral("'%1' is not a valid floating point value").arg(text));
}

// Scales the accumulated digits by 10^n, multiplying for n >= 0 and dividing otherwise.
TExtended ScaleByPowerOfTen(TExtended value, int n) {
    const bool divide = n < 0;
    const int m = divide ? -n : n;
    auto apply = [&](TExtended factor) { value = divide ? value / factor : value * factor; };
    apply(ExtendedConstants::Ones[m % 32]);
    const TExtended second = ExtendedConstants::ThirtyTwos[(m / 32) % 16];
    if (second != TExtended(1))
        apply(second);
    if (m / 512 != 0)
        apply(FiveTwelves(m / 512));
    return value;
}

} // namespace

TExtended ParseReal(const QString& text) {
    const QChar separator = DecimalSeparator();
    const qsizetype size = text.size();
    qsizetype i = 0;
    auto at = [&](qsizetype k) { return k < size ? text.at(k) : QChar(); };

    while (at(i) == QLatin1Char(' '))
        ++i;
    bool negative = false;
    if (at(i) == QLatin1Char('+') || at(i) == QLatin1Char('-')) {
        negative = at(i) == QLatin1Char('-');
        ++i;
    }

    // The caller's flags come back untouched on every way out; inside, the flags tell
    // whether the conversion itself overflowed or went invalid.
    TFloatStateScope scope;
    scope.ClearFlags();
    TExtendedInMemory digits = TExtended(0);
    int fractionDigits = 0;
    bool consumed = false;
    while (IsDigit(at(i))) {
        digits = digits * TExtended(10) + (at(i).unicode() - '0');
        consumed = true;
        ++i;
    }
    if (at(i) == separator) {
        consumed = true;
        ++i;
        while (IsDigit(at(i))) {
            digits = digits * TExtended(10) + (at(i).unicode() - '0');
            ++fractionDigits;
            ++i;
        }
    }
    if (!consumed)
        Reject(text);

    int exponent = 0;
    if (at(i) == QLatin1Char('E') || at(i) == QLatin1Char('e')) {
        ++i;
        bool negativeExponent = false;
        if (at(i) == QLatin1Char('+') || at(i) == QLatin1Char('-')) {
            negativeExponent = at(i) == QLatin1Char('-');
            ++i;
        }
        while (IsDigit(at(i)) && exponent < 500) {
            exponent = exponent * 10 + (at(i).unicode() - '0');
            ++i;
        }
        if (negativeExponent)
            exponent = -exponent;
    }
    while (at(i) == QLatin1Char(' '))
        ++i;
    if (i != size)
        Reject(text);

    // The fraction-digit count can be far larger than any exponent; clamp it where
    // the scaling already gives zero or an overflow either way.
    const long long n = static_cast<long long>(exponent) - fractionDigits;
    const int clamped = n < -100000 ? -100000 : static_cast<int>(n);
    TExtendedInMemory value = ScaleByPowerOfTen(digits, clamped);
    if (scope.Faulted())
        Reject(text);
    return negative ? -value : value;
}

double ParseCoefficient(const QString& text) {
    return StoreDouble(ParseReal(text));
}

QString ReplaceFullStops(QString text, QChar decimalSeparator) {
    return text.replace(QLatin1Char('.'), decimalSeparator);
}
