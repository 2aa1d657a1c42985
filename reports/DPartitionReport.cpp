#include "reports/DPartitionReport.h"

#include "reports/ReportWording.h"

#include <cmath>

namespace {

QString SideText(int hatchedSide) {
    return hatchedSide > 0 ? QStringLiteral("штриховка в сторону больших a3")
                           : QStringLiteral("штриховка в сторону меньших a3");
}

TExtended Magnitude(TExtended value) {
    return value < 0 ? -value : value;
}

// "a3 = 9 при ω = ±1,73205; штриховка в сторону меньших a3"
QString CrossingText(const TDPartitionCrossing& crossing) {
    QStringList frequencies;
    bool oneSide = true;
    for (const TDPartitionPass& pass : crossing.passes) {
        frequencies << AnalysisNumber(pass.omega);
        oneSide = oneSide && pass.hatchedSide == crossing.passes.front().hatchedSide;
    }
    // A pair of passes at ±ω through one point, hatched alike, is told as one.
    if (crossing.passes.size() == 2 && oneSide &&
        crossing.passes[0].omega == -crossing.passes[1].omega)
        frequencies = {QStringLiteral("±") + AnalysisNumber(Magnitude(crossing.passes[1].omega))};
    QString text = QStringLiteral("a3 = %1 при ω = %2")
                       .arg(AnalysisNumber(crossing.a3), frequencies.join(QStringLiteral(", ")));
    if (oneSide && !crossing.passes.empty())
        text += QStringLiteral("; ") + SideText(crossing.passes.front().hatchedSide);
    else
        for (const TDPartitionPass& pass : crossing.passes)
            text += QStringLiteral("; при ω = %1 %2")
                        .arg(AnalysisNumber(pass.omega), SideText(pass.hatchedSide));
    return text;
}

QString IntervalText(const TDPartitionInterval& interval) {
    if (interval.fromMinusInfinity && interval.toPlusInfinity)
        return QStringLiteral("любое a3");
    if (interval.fromMinusInfinity)
        return QStringLiteral("a3 < ") + AnalysisNumber(interval.to);
    if (interval.toPlusInfinity)
        return QStringLiteral("a3 > ") + AnalysisNumber(interval.from);
    return QStringLiteral("%1 < a3 < %2")
        .arg(AnalysisNumber(interval.from), AnalysisNumber(interval.to));
}

bool Contains(const TDPartitionInterval& interval, double a3) {
    return (interval.fromMinusInfinity || interval.from < a3) &&
           (interval.toPlusInfinity || a3 < interval.to);
}

QString CountText(const THalfPlaneCount& count) {
    if (count.status != TAnalysisStatus::Ok)
        return NotComputableText();
    QString text = RootsText(count.right) + QStringLiteral(" в правой полуплоскости");
    if (count.onAxis > 0)
        text += QStringLiteral(", ") + RootsText(count.onAxis) + QStringLiteral(" на мнимой оси");
    if (count.right == 0 && count.onAxis == 0)
        text += QStringLiteral(" — область устойчивости");
    return text;
}

void AddEnteredA3(const TDPartitionAnalysis& a, double a3, TAnalysisReport& report) {
    for (const TDPartitionInterval& interval : a.intervals) {
        if (!Contains(interval, a3))
            continue;
        const bool stable = interval.count.status == TAnalysisStatus::Ok &&
                            interval.count.right == 0 && interval.count.onAxis == 0;
        report.lines << QStringLiteral("При введённом a3 = %1 система %2.")
                            .arg(ExactText(a3), stable ? QStringLiteral("устойчива")
                                                       : QStringLiteral("неустойчива"));
        return;
    }
    report.lines << QStringLiteral("Введённое a3 = %1 лежит на границе Д-разбиения: у системы "
                                   "есть корни на мнимой оси.")
                        .arg(ExactText(a3));
}

} // namespace

TAnalysisReport DPartitionReport(const TCharacteristicCoefficients& coefficients,
                                 const TDPartitionAnalysis& analysis, double upperFrequency) {
    TAnalysisReport report;
    QStringList& lines = report.lines;
    lines << QStringLiteral("Анализ: Д-разбиение a0·p³ + a1·p² + a2·p + a3 в плоскости a3");
    lines << QStringLiteral("a0 = %1; a1 = %2; a2 = %3; введено a3 = %4")
                 .arg(ExactText(coefficients.a0), ExactText(coefficients.a1),
                      ExactText(coefficients.a2), ExactText(coefficients.a3));
    lines << QStringLiteral("Частоты на графике: от ") + AnalysisNumber(-upperFrequency) +
                 QStringLiteral(" до ") + AnalysisNumber(upperFrequency);
    lines << QString();
    if (analysis.status != TAnalysisStatus::Ok) {
        lines << (analysis.status == TAnalysisStatus::IdenticallyZero
                      ? QStringLiteral("a0 = a1 = a2 = 0: многочлен — постоянная a3, корней нет "
                                       "и разбивать нечего.")
                      : QStringLiteral("Анализ невозможен: ") + NotComputableText() +
                            QLatin1Char('.'));
        return report;
    }
    if (analysis.boundaryOnRealAxis) {
        lines << QStringLiteral("a0 = a2 = 0: граница целиком лежит на вещественной оси — луч "
                                "a3 = a1·ω² от 0 (на нём корни p = ±j√(a3/a1)).");
    } else {
        lines << QStringLiteral("Граница пересекает вещественную ось a3:");
        for (const TDPartitionCrossing& crossing : analysis.crossings) {
            QString line = QStringLiteral("  ") + CrossingText(crossing);
            bool drawn = false;
            for (const TDPartitionPass& pass : crossing.passes)
                drawn = drawn || Magnitude(pass.omega) <= upperFrequency;
            if (!drawn) {
                line += BeyondRangeNote(upperFrequency);
                report.beyondDrawnRange = true;
            } else if (std::isfinite(static_cast<double>(crossing.a3))) {
                report.points.push_back({static_cast<double>(crossing.a3), 0,
                                         QStringLiteral("a3 = ") + AnalysisNumber(crossing.a3)});
            }
            lines << line;
        }
    }
    lines << QStringLiteral("Корни на участках вещественной оси a3:");
    for (const TDPartitionInterval& interval : analysis.intervals)
        lines << QStringLiteral("  ") + IntervalText(interval) + QStringLiteral(": ") +
                     CountText(interval.count);
    lines << (analysis.hasStableInterval
                  ? QStringLiteral("Вывод: система устойчива при ") +
                        IntervalText(analysis.stableInterval) + QLatin1Char('.')
                  : QStringLiteral("Вывод: области устойчивости на вещественной оси a3 нет."));
    AddEnteredA3(analysis, coefficients.a3, report);
    report.suggestedUpperFrequency = static_cast<double>(analysis.suggestedFrequency.value);
    if (report.beyondDrawnRange)
        lines << WholeRangeAdvice(report.suggestedUpperFrequency);
    return report;
}
