// ParseReal followed by the store into a double, on arbitrary text: either a value
// close to the text's decimal value, or "Floating point overflow" for a value beyond the
// double range, or EConvertError with the exact message. Which of the three must follow
// from the grammar, checked here independently of the parser.

#include "FuzzCheck.h"

#include "ground/Errors.h"
#include "ground/FloatEnv.h"
#include "ground/ParseReal.h"
#include "ground/Regional.h"

#include <QRegularExpression>
#include <QString>

#include <cfenv>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <string>

namespace {

enum class Outcome { Value, Overflow, Rejected };

// What the grammar says about the text: nullopt-like `accepted` false when it is not a
// number; otherwise the decimal digits and the power of ten they are scaled by.
struct Reading {
    bool accepted = false;
    std::string digits; // integer and fraction digits together
    long long power = 0;
    bool negative = false;
};

const QRegularExpression& Grammar(QChar separator) {
    // \z, not $: a $ would also match before a final line feed, which the parser rejects.
    auto make = [](QChar sep) {
        return QRegularExpression(QStringLiteral("^ *([+-]?)([0-9]*)(?:(%1)([0-9]*))?"
                                                 "(?:[eE]([+-]?)([0-9]*))? *\\z")
                                      .arg(QRegularExpression::escape(QString(sep))));
    };
    static const QRegularExpression comma = make(QLatin1Char(','));
    static const QRegularExpression point = make(QLatin1Char('.'));
    return separator == QLatin1Char(',') ? comma : point;
}

Reading ReadByGrammar(const QString& text, QChar separator) {
    const QRegularExpressionMatch m = Grammar(separator).match(text);
    Reading r;
    if (!m.hasMatch())
        return r;
    const QString integer = m.captured(2), fraction = m.captured(4), exponent = m.captured(6);
    if (integer.isEmpty() && !m.hasCaptured(3))
        return r; // neither a digit nor the separator
    // The exponent is read only while its value stays below 500: every digit but the
    // last must keep it there, or a digit is left unread.
    long long value = 0;
    for (qsizetype i = 0; i < exponent.size(); ++i) {
        if (i > 0 && value >= 500)
            return r;
        value = value * 10 + exponent[i].digitValue();
    }
    r.accepted = true;
    r.negative = m.captured(1) == QLatin1String("-");
    r.digits = (integer + fraction).toStdString();
    r.power = (m.captured(5) == QLatin1String("-") ? -value : value) - fraction.size();
    return r;
}

bool Near(long double a, long double b, long double relative) {
    return std::fabs(a - b) <= relative * std::fabs(b);
}

// The outcomes the reading allows (more than one only right at a range boundary).
void Expect(const Reading& r, bool& value, bool& overflow, bool& rejected, long double& reference) {
    value = overflow = rejected = false;
    if (!r.accepted) {
        rejected = true;
        return;
    }
    const std::string number =
        (r.digits.empty() ? std::string("0") : r.digits) + "e" + std::to_string(r.power);
    reference = ReadReference(number);
    const long double magnitude = reference;
    const long double tight = 1e-15L;
    if (!std::isfinite(magnitude) || magnitude >= LDBL_MAX * (1 - tight)) {
        rejected = true;
        overflow = Near(magnitude, LDBL_MAX, tight);
        return;
    }
    if (magnitude > DBL_MAX * (1 + tight)) {
        overflow = true;
        return;
    }
    value = true;
    overflow = magnitude > DBL_MAX * (1 - tight);
    if (r.negative)
        reference = -reference;
}

std::uint16_t X87ControlWord() {
    std::uint16_t cw;
    asm volatile("fnstcw %0" : "=m"(cw));
    return cw;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const QChar separator = (data[0] & 1) ? QLatin1Char('.') : QLatin1Char(',');
    SetRegionalSeparators(separator, QString());
    const QString text =
        (data[0] & 2) ? QString::fromUtf8(reinterpret_cast<const char*>(data + 1), size - 1)
                      : QString::fromLatin1(reinterpret_cast<const char*>(data + 1), size - 1);
    ResetFloatEnvironment();
    const std::uint16_t controlWord = X87ControlWord();

    // The parser leaves the caller's environment exactly as it found it.
    try {
        ParseReal(text);
    } catch (const EConvertError&) {
    }
    FUZZ_CHECK(std::fetestexcept(FE_ALL_EXCEPT) == 0, "flags left by ParseReal");
    FUZZ_CHECK(X87ControlWord() == controlWord, "control word changed by ParseReal");

    bool mayValue, mayOverflow, mayReject;
    long double reference = 0;
    Expect(ReadByGrammar(text, separator), mayValue, mayOverflow, mayReject, reference);
    const QByteArray shown = text.toUtf8();
    try {
        const double value = ParseCoefficient(text);
        FUZZ_CHECK(mayValue, "accepted '%s' as %.17g", shown.constData(), value);
        FUZZ_CHECK(std::isfinite(value), "'%s' gave %g", shown.constData(), value);
        const long double error = std::fabs(static_cast<long double>(value) - reference);
        FUZZ_CHECK(error <= 1e-15L * std::fabs(reference) || error <= 2 * DBL_TRUE_MIN,
                   "'%s' read as %.17g, expected %.20Lg", shown.constData(), value, reference);
    } catch (const EOverflow& e) {
        FUZZ_CHECK(mayOverflow, "overflow for '%s'", shown.constData());
        FUZZ_CHECK(e.Message() == QLatin1String("Floating point overflow"), "overflow message");
    } catch (const EConvertError& e) {
        FUZZ_CHECK(mayReject, "rejected '%s'", shown.constData());
        const QString expected =
            QLatin1Char('\'') + text + QLatin1String("' is not a valid floating point value");
        FUZZ_CHECK(e.Message() == expected, "message '%s'", e.Message().toUtf8().constData());
    }
    // Any other error escapes and ends the run as a crash.
    return 0;
}
