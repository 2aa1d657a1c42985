#include "input/ParseReal.h"

#include "input/Errors.h"
#include "input/FloatEnv.h"
#include "input/Regional.h"

#include <cfenv>
#include <limits>

namespace {

constexpr long double kOnes[32] = {1e0L,  1e1L,  1e2L,  1e3L,  1e4L,  1e5L,  1e6L,  1e7L,
                                   1e8L,  1e9L,  1e10L, 1e11L, 1e12L, 1e13L, 1e14L, 1e15L,
                                   1e16L, 1e17L, 1e18L, 1e19L, 1e20L, 1e21L, 1e22L, 1e23L,
                                   1e24L, 1e25L, 1e26L, 1e27L, 1e28L, 1e29L, 1e30L, 1e31L};

constexpr long double kThirtyTwos[16] = {1e0L,   1e32L,  1e64L,  1e96L,  1e128L, 1e160L,
                                         1e192L, 1e224L, 1e256L, 1e288L, 1e320L, 1e352L,
                                         1e384L, 1e416L, 1e448L, 1e480L};

// 10^(512 k); beyond the extended range the factor is infinite, which makes a
// multiplication overflow-free but invalid text anyway and a division give zero.
long double FiveTwelves(int k) {
    static constexpr long double table[10] = {1e0L,    1e512L,  1e1024L, 1e1536L, 1e2048L,
                                              1e2560L, 1e3072L, 1e3584L, 1e4096L, 1e4608L};
    if (k < 10)
        return table[k];
    return std::numeric_limits<long double>::infinity();
}

bool IsDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

[[noreturn]] void Reject(const QString& text) {
    throw EConvertError(QStringLiteral("'%1' is not a valid floating point value").arg(text));
}

// Scales the accumulated digits by 10^n, multiplying for n >= 0 and dividing otherwise.
long double ScaleByPowerOfTen(long double value, int n) {
    const bool divide = n < 0;
    const int m = divide ? -n : n;
    auto apply = [&](long double factor) { value = divide ? value / factor : value * factor; };
    apply(kOnes[m % 32]);
    const long double second = kThirtyTwos[(m / 32) % 16];
    if (second != 1.0L)
        apply(second);
    if (m / 512 != 0)
        apply(FiveTwelves(m / 512));
    return value;
}

// Saves the caller's environment and masks everything while the text is converted;
// the caller's flags come back untouched on every way out.
class MaskedScope {
  public:
    MaskedScope() {
        std::fegetenv(&saved_);
        std::feclearexcept(FE_ALL_EXCEPT);
    }
    ~MaskedScope() { std::fesetenv(&saved_); }
    bool Faulted() const {
        asm volatile("" ::: "memory");
        return std::fetestexcept(FE_OVERFLOW | FE_INVALID | FE_DIVBYZERO) != 0;
    }

  private:
    std::fenv_t saved_;
};

} // namespace

long double ParseReal(const QString& text) {
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

    MaskedScope scope;
    volatile long double digits = 0.0L;
    int fractionDigits = 0;
    bool consumed = false;
    while (IsDigit(at(i))) {
        digits = digits * 10.0L + (at(i).unicode() - '0');
        consumed = true;
        ++i;
    }
    if (at(i) == separator) {
        consumed = true;
        ++i;
        while (IsDigit(at(i))) {
            digits = digits * 10.0L + (at(i).unicode() - '0');
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
    volatile long double value = ScaleByPowerOfTen(digits, clamped);
    if (scope.Faulted())
        Reject(text);
    return negative ? -value : value;
}

double ParseCoefficient(const QString& text) {
    return StoreDouble(ParseReal(text));
}
