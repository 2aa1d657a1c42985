// The axis label format "#,##0.###" on arbitrary finite doubles and separators: only
// digits, the separators, '-' and 'E', in the fixed pattern (at most three decimals, no
// trailing zero, no "-0") or, from 1e18 on, the general one with 15 significant
// digits; and the text reads back as the value to that precision.

#include "FuzzCheck.h"

#include "chart/AxisLabelFormat.h"

#include <QRegularExpression>
#include <QString>

#include <cmath>
#include <cstdint>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 9)
        return 0;
    double value;
    std::memcpy(&value, data, sizeof value);
    if (!std::isfinite(value))
        return 0; // label values come from finite ranges
    static const char16_t* thousandsChoices[] = {u"", u"\u00a0", u" ", u"."};
    const QChar decimal = (data[8] & 1) ? QLatin1Char('.') : QLatin1Char(',');
    QString thousands = QString::fromUtf16(thousandsChoices[(data[8] >> 1) & 3]);
    if (thousands == QString(decimal))
        thousands = QString();

    const QString text = FormatAxisLabel(value, decimal, thousands);
    const QByteArray shown = text.toUtf8();
    const QString d = QRegularExpression::escape(QString(decimal));
    const QString grouped = thousands.isEmpty()
                                ? QStringLiteral("(?:0|[1-9][0-9]*)")
                                : QStringLiteral("(?:0|[1-9][0-9]{0,2}(?:%1[0-9]{3})*)")
                                      .arg(QRegularExpression::escape(thousands));
    const QRegularExpression fixed(QStringLiteral("^-?%1(?:%2[0-9]{0,2}[1-9])?$").arg(grouped, d));
    const QRegularExpression general(
        QStringLiteral("^-?[1-9](?:%1[0-9]{0,13}[1-9])?E[0-9]+$").arg(d));
    const bool isGeneral = general.match(text).hasMatch();
    FUZZ_CHECK(isGeneral || fixed.match(text).hasMatch(), "%.17g labelled '%s'", value,
               shown.constData());
    FUZZ_CHECK(text != QLatin1String("-0"), "%.17g labelled '-0'", value);

    QString plain = text;
    if (!thousands.isEmpty() && !isGeneral)
        plain.remove(thousands);
    plain.replace(decimal, QLatin1Char('.'));
    const long double back = ReadReference(plain.toLatin1().toStdString());
    const long double v = value;
    if (isGeneral) {
        FUZZ_CHECK(std::fabs(v) >= 1e18L, "%.17g in general form", value);
        FUZZ_CHECK(std::fabs(back - v) <= 5.0000001e-15L * std::fabs(v), "%.17g labelled '%s'",
                   value, shown.constData());
    } else {
        FUZZ_CHECK(std::fabs(v) < 1e18L, "%.17g in fixed form", value);
        FUZZ_CHECK(std::fabs(back - v) <= 0.0005L + 1e-17L * std::fabs(v), "%.17g labelled '%s'",
                   value, shown.constData());
    }
    return 0;
}
