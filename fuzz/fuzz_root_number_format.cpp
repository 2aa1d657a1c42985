// The root report's number format on arbitrary finite doubles and separators: the text
// holds only digits, the separators, '-' and 'E', in one of the two patterns, and reads
// back as the value to the precision the format promises (two decimals, at most ten
// significant digits).

#include "FuzzCheck.h"

#include "roots/RootNumberFormat.h"

#include <QRegularExpression>
#include <QString>

#include <cmath>
#include <cstdint>
#include <cstring>

namespace {

// Reads the text back; false if it matches neither pattern.
bool ReadBack(const QString& text, const TNumberSeparators& seps, long double& value,
              bool& scientific) {
    const QString d = QRegularExpression::escape(QString(seps.decimal));
    const QString t = QRegularExpression::escape(seps.thousands);
    const QString grouped = seps.thousands.isEmpty()
                                ? QStringLiteral("[0-9]+")
                                : QStringLiteral("[0-9]{1,3}(?:%1[0-9]{3})*").arg(t);
    const QRegularExpression fixed(QStringLiteral("^-?%1%2[0-9]{2}$").arg(grouped, d));
    const QRegularExpression sci(
        QStringLiteral("^-?[1-9](?:%1[0-9]{0,8}[1-9])?E-?[0-9]{2,}$").arg(d));
    scientific = sci.match(text).hasMatch();
    if (!scientific && !fixed.match(text).hasMatch())
        return false;
    QString plain = text;
    if (!seps.thousands.isEmpty() && !scientific)
        plain.remove(seps.thousands);
    plain.replace(seps.decimal, QLatin1Char('.'));
    value = ReadReference(plain.toLatin1().toStdString());
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 9)
        return 0;
    double value;
    std::memcpy(&value, data, sizeof value);
    if (!std::isfinite(value))
        return 0; // a stored root part is always finite
    static const char16_t* thousands[] = {u"", u"\u00a0", u" ", u"."};
    TNumberSeparators seps;
    seps.decimal = (data[8] & 1) ? QLatin1Char('.') : QLatin1Char(',');
    seps.thousands = QString::fromUtf16(thousands[(data[8] >> 1) & 3]);
    if (seps.thousands == QString(seps.decimal))
        seps.thousands = QString();

    const QString text = FormatRootNumber(value, seps);
    const QByteArray shown = text.toUtf8();
    long double back = 0;
    bool scientific = false;
    FUZZ_CHECK(ReadBack(text, seps, back, scientific), "%.17g printed as '%s'", value,
               shown.constData());
    const long double v = value;
    const long double magnitude = std::fabs(v);
    if (scientific) {
        FUZZ_CHECK(magnitude >= 1e10L * (1 - 1e-9L), "%.17g in scientific form", value);
        FUZZ_CHECK(std::fabs(back - v) <= 5.0000001e-10L * magnitude, "%.17g printed as '%s'",
                   value, shown.constData());
    } else {
        FUZZ_CHECK(magnitude < 1e10L, "%.17g in fixed form '%s'", value, shown.constData());
        // Two decimals, or fewer digits once ten significant ones are used up.
        const long double allowed = std::fmax(0.005L, 5e-10L * magnitude) * (1 + 1e-9L);
        FUZZ_CHECK(std::fabs(back - v) <= allowed, "%.17g printed as '%s'", value,
                   shown.constData());
        FUZZ_CHECK(!(back == 0 && text.startsWith(QLatin1Char('-'))), "negative zero '%s'",
                   shown.constData());
    }
    return 0;
}
