#include "reports/ReportWording.h"

#include "curves/ReadoutText.h"
#include "curves/SamplesText.h"
#include "ground/Regional.h"

#include <cmath>
#include <limits>

namespace {

bool FitsADouble(TExtended value) {
    const TExtended largest = std::numeric_limits<double>::max();
    return value <= largest && value >= -largest;
}

} // namespace

QString AnalysisNumber(TExtended value) {
    if (!FitsADouble(value))
        return value > 0 ? QStringLiteral("(больше 1,8E308)") : QStringLiteral("(меньше -1,8E308)");
    return FormatReadoutNumber(static_cast<double>(value));
}

QString DegreesText(TExtended degrees) {
    const double value = static_cast<double>(degrees);
    QString text = QString::number(value, 'f', 2);
    if (text == QStringLiteral("-0.00"))
        text = QStringLiteral("0.00");
    text.replace(QLatin1Char('.'), DecimalSeparator());
    return text + QChar(0x00B0);
}

QString ExactText(double value) {
    return ExactNumberText(value, DecimalSeparator());
}

namespace {

// The count with the noun in the form Russian asks after it: one, few (2-4), many.
QString Counted(int count, const QString& one, const QString& few, const QString& many) {
    const int lastTwo = count % 100;
    const int last = count % 10;
    const QString& word = (lastTwo >= 11 && lastTwo <= 14) ? many
                          : last == 1                      ? one
                          : (last >= 2 && last <= 4)       ? few
                                                           : many;
    return QString::number(count) + QLatin1Char(' ') + word;
}

} // namespace

QString RootsText(int count) {
    return Counted(count, QStringLiteral("корень"), QStringLiteral("корня"),
                   QStringLiteral("корней"));
}

QString QuadrantsText(int count) {
    return Counted(count, QStringLiteral("квадрант"), QStringLiteral("квадранта"),
                   QStringLiteral("квадрантов"));
}

QString PlaceText(TPlanePlace place) {
    switch (place) {
    case TPlanePlace::PositiveReal:
        return QStringLiteral("положительная вещественная полуось");
    case TPlanePlace::PositiveImaginary:
        return QStringLiteral("положительная мнимая полуось");
    case TPlanePlace::NegativeReal:
        return QStringLiteral("отрицательная вещественная полуось");
    case TPlanePlace::NegativeImaginary:
        return QStringLiteral("отрицательная мнимая полуось");
    case TPlanePlace::Origin:
        return QStringLiteral("начало координат");
    default:
        return QStringLiteral("квадрант ") + QuadrantNumeral(place);
    }
}

QString QuadrantNumeral(TPlanePlace place) {
    static const char* const numerals[] = {"", "I", "II", "III", "IV"};
    return QString::fromLatin1(numerals[QuadrantNumber(place)]);
}

QString VerdictText(TStabilityVerdict verdict, const THalfPlaneCount& count) {
    switch (verdict) {
    case TStabilityVerdict::Stable:
        return QStringLiteral("устойчива: все корни в левой полуплоскости");
    case TStabilityVerdict::Boundary:
        return QStringLiteral("на границе устойчивости: ") + RootsText(count.onAxis) +
               QStringLiteral(" на мнимой оси, остальные в левой полуплоскости");
    case TStabilityVerdict::Unstable: {
        QString text = QStringLiteral("неустойчива: ") + RootsText(count.right) +
                       QStringLiteral(" в правой полуплоскости");
        if (count.onAxis > 0)
            text +=
                QStringLiteral(", ") + RootsText(count.onAxis) + QStringLiteral(" на мнимой оси");
        return text;
    }
    case TStabilityVerdict::NoRoots:
        return QStringLiteral("многочлен — постоянная, корней нет");
    case TStabilityVerdict::Unknown:
        break;
    }
    return count.status == TAnalysisStatus::IdenticallyZero
               ? QStringLiteral("многочлен тождественно равен нулю")
               : NotComputableText();
}

QString NotComputableText() {
    return QStringLiteral("величины выходят за пределы расширенной точности, вычислить нельзя");
}

QString BeyondRangeNote(double upperFrequency) {
    return QStringLiteral(" — за пределами графика (ω ≤ ") + AnalysisNumber(upperFrequency) +
           QLatin1Char(')');
}

QString WholeRangeAdvice(double suggested) {
    return QStringLiteral("Все характерные точки видны на графике до ω = ") +
           AnalysisNumber(suggested) + QStringLiteral(" («Подобрать по системе»).");
}
