#include "curves/ReadoutText.h"

#include "ground/Regional.h"

#include <QStringList>

#include <cmath>
#include <numbers>

namespace {

constexpr int SignificantDigits = 6;

QString Line(const QString& name, double value) {
    return name + QStringLiteral(" = ") + FormatReadoutNumber(value);
}

} // namespace

QString FormatReadoutNumber(double value, QChar decimalSeparator) {
    if (value == 0)
        return QStringLiteral("0");
    // The C format's shortest form: fixed from 1e-5 to below 1e6, else an exponent.
    QString text = QString::number(value, 'G', SignificantDigits);
    const qsizetype e = text.indexOf(QLatin1Char('E'));
    if (e >= 0) {
        // "E+06" becomes "E06", as the root report writes its exponents.
        if (text.at(e + 1) == QLatin1Char('+'))
            text.remove(e + 1, 1);
    }
    text.replace(QLatin1Char('.'), decimalSeparator);
    return text;
}

QString FormatReadoutNumber(double value) {
    return FormatReadoutNumber(value, DecimalSeparator());
}

QString HodographReadoutText(const TLabSample& sample) {
    return QStringList{Line(QStringLiteral("ω"), sample.omega),
                       Line(QStringLiteral("P = Re D(jω)"), sample.x),
                       Line(QStringLiteral("Q = Im D(jω)"), sample.y)}
        .join(QLatin1Char('\n'));
}

QString NyquistReadoutText(const TLabSample& sample) {
    QStringList lines{Line(QStringLiteral("ω"), sample.omega),
                      Line(QStringLiteral("R = Re W(jω)"), sample.x),
                      Line(QStringLiteral("I = Im W(jω)"), sample.y),
                      Line(QStringLiteral("|W|"), std::hypot(sample.x, sample.y))};
    if (sample.x == 0 && sample.y == 0) {
        lines << QStringLiteral("arg W не определён");
    } else {
        double degrees = std::atan2(sample.y, sample.x) * (180 / std::numbers::pi);
        // atan2 gives -180° for a negative real value with a negative zero part.
        if (degrees <= -180)
            degrees += 360;
        lines << QStringLiteral("arg W = ") + FormatReadoutNumber(degrees) + QChar(0x00B0);
    }
    return lines.join(QLatin1Char('\n'));
}

QString CriticalPointReadoutText() {
    return QStringLiteral("Критическая точка (-1, j0)");
}

QString DPartitionReadoutText(const TLabSample& sample) {
    return QStringList{Line(QStringLiteral("ω"), sample.omega),
                       Line(QStringLiteral("P = Re a3"), sample.x),
                       Line(QStringLiteral("Q = Im a3"), sample.y)}
        .join(QLatin1Char('\n'));
}
