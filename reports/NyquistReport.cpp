#include "reports/NyquistReport.h"

#include "reports/PolynomialText.h"
#include "reports/ReportWording.h"

#include <cmath>

namespace {

void AddCoefficients(const TOpenLoopCoefficients& c, QStringList& lines) {
    lines << QStringLiteral("A(p) = a0·p³ + a1·p² + a2·p + a3: a0 = %1; a1 = %2; a2 = %3; a3 = %4")
                 .arg(ExactText(c.a0), ExactText(c.a1), ExactText(c.a2), ExactText(c.a3));
    lines << QStringLiteral("B(p) = b1·p² + b2·p + b3: b1 = %1; b2 = %2; b3 = %3")
                 .arg(ExactText(c.b1), ExactText(c.b2), ExactText(c.b3));
}

QString StaticGainLine(const TStaticGain& gain) {
    switch (gain.kind) {
    case TStaticGainKind::Finite:
        return QStringLiteral("W(j0) = b3 / a3 = ") + AnalysisNumber(gain.value);
    case TStaticGainKind::Infinite:
        return QStringLiteral("W(j0) бесконечно: A(p) имеет корень p = 0 (интегрирующее звено), "
                              "годограф уходит в бесконечность при ω → 0");
    case TStaticGainKind::Indeterminate:
        return QStringLiteral("W(j0) не определено (0/0): A(p) и B(p) имеют общий корень p = 0");
    case TStaticGainKind::NumeratorZero:
        break;
    }
    return QStringLiteral("B(p) ≡ 0: W(jω) = 0 на всех частотах");
}

// "ω = 12,2474" with the note where it lies beyond the drawn range.
QString FrequencyText(TExtended omega, double upperFrequency, bool& beyond) {
    QString text = QStringLiteral("ω = ") + AnalysisNumber(omega);
    if (omega > upperFrequency) {
        beyond = true;
        text += BeyondRangeNote(upperFrequency);
    }
    return text;
}

bool Drawable(TExtended x, TExtended y) {
    return std::isfinite(static_cast<double>(x)) && std::isfinite(static_cast<double>(y));
}

const QString kUncertainCrossings =
    QStringLiteral("  (вычислено на пределе точности: возможна ещё пара близких пересечений)");

// Ends a crossover's line (a touch, or beyond the drawn range) and adds it, with its
// point to mark where it is drawn.
void AddCrossoverLine(QString line, TExtended omega, TExtended re, TExtended im, bool touching,
                      double upper, TAnalysisReport& report) {
    if (touching)
        line += QStringLiteral(", касание");
    if (omega > upper) {
        line += BeyondRangeNote(upper);
        report.beyondDrawnRange = true;
    } else if (Drawable(re, im)) {
        report.points.push_back({static_cast<double>(re), static_cast<double>(im),
                                 QStringLiteral("ω = ") + AnalysisNumber(omega)});
    }
    report.lines << line;
}

void AddPhaseCrossovers(const TNyquistAnalysis& a, double upper, TAnalysisReport& report) {
    report.lines << QStringLiteral("Пересечения отрицательной вещественной полуоси (запас по "
                                   "амплитуде):");
    if (a.responseOnRealAxis) {
        report.lines << QStringLiteral("  годограф целиком лежит на вещественной оси: "
                                       "пересечения не выделяются");
        return;
    }
    if (a.phaseCrossovers.empty())
        report.lines << QStringLiteral("  нет: запас по амплитуде не ограничен");
    for (const TPhaseCrossover& crossover : a.phaseCrossovers) {
        QString line =
            QStringLiteral("  ω = %1: R = %2; запас по амплитуде %3 (%4 дБ)")
                .arg(AnalysisNumber(crossover.omega), AnalysisNumber(crossover.re),
                     AnalysisNumber(crossover.gainMargin), AnalysisNumber(crossover.gainMarginDb));
        AddCrossoverLine(line, crossover.omega, crossover.re, 0, crossover.touching, upper, report);
    }
    if (a.phaseCrossoverUncertain)
        report.lines << kUncertainCrossings;
}

void AddGainCrossovers(const TNyquistAnalysis& a, double upper, TAnalysisReport& report) {
    report.lines << QStringLiteral("Пересечения единичной окружности |W| = 1 (запас по фазе):");
    if (a.unitMagnitudeEverywhere) {
        report.lines << QStringLiteral("  |W(jω)| = 1 на всех частотах: пересечения не выделяются");
        return;
    }
    if (a.gainCrossovers.empty())
        report.lines << QStringLiteral("  нет: |W(jω)| ≠ 1 ни на одной частоте");
    for (const TGainCrossover& crossover : a.gainCrossovers) {
        QString line = QStringLiteral("  ω = %1: R = %2; I = %3")
                           .arg(AnalysisNumber(crossover.omega), AnalysisNumber(crossover.re),
                                AnalysisNumber(crossover.im));
        if (crossover.phaseKnown)
            line += QStringLiteral("; arg W = %1; запас по фазе %2")
                        .arg(DegreesText(crossover.phaseDegrees),
                             DegreesText(crossover.phaseMarginDegrees));
        AddCrossoverLine(line, crossover.omega, crossover.re, crossover.im, crossover.touching,
                         upper, report);
    }
    if (a.gainCrossoverUncertain)
        report.lines << kUncertainCrossings;
}

void AddAxisPoles(const TNyquistAnalysis& a, double upper, TAnalysisReport& report) {
    if (a.axisPoles.empty()) {
        report.lines << QStringLiteral("Полюсов на мнимой оси нет.");
        return;
    }
    QStringList frequencies;
    for (TExtended omega : a.axisPoles) {
        bool beyond = false;
        frequencies << FrequencyText(omega, upper, beyond);
        report.beyondDrawnRange = report.beyondDrawnRange || beyond;
    }
    report.lines << QStringLiteral("Полюса на мнимой оси (A(jω) = 0, годограф уходит в "
                                   "бесконечность): ") +
                        frequencies.join(QStringLiteral(", "));
}

} // namespace

TAnalysisReport NyquistReport(const TOpenLoopCoefficients& coefficients,
                              const TNyquistAnalysis& analysis, double upperFrequency) {
    TAnalysisReport report;
    QStringList& lines = report.lines;
    lines << QStringLiteral("Анализ: АФЧХ разомкнутой САУ, W(p) = B(p) / A(p)");
    AddCoefficients(coefficients, lines);
    lines << QStringLiteral("Частоты на графике: от 0 до ") + AnalysisNumber(upperFrequency);
    lines << QString();
    // The critical point is marked whatever the system: it is what the curve is read against.
    report.points.push_back({-1, 0, QStringLiteral("(-1; j0)"), true});
    if (analysis.status != TAnalysisStatus::Ok) {
        lines << (analysis.status == TAnalysisStatus::IdenticallyZero
                      ? QStringLiteral("A(p) ≡ 0: W(p) не определена ни на одной частоте.")
                      : QStringLiteral("Анализ невозможен: ") + NotComputableText() +
                            QLatin1Char('.'));
        return report;
    }
    lines << StaticGainLine(analysis.staticGain);
    AddAxisPoles(analysis, upperFrequency, report);
    if (analysis.staticGain.kind != TStaticGainKind::NumeratorZero) {
        AddPhaseCrossovers(analysis, upperFrequency, report);
        AddGainCrossovers(analysis, upperFrequency, report);
    }
    lines << QString();
    lines << QStringLiteral("Замкнутая система: A(p) + B(p) = ") +
                 PolynomialText(analysis.closedLoop);
    lines << QStringLiteral("Вывод: замкнутая система ") +
                 VerdictText(analysis.closedLoopVerdict, analysis.closedLoopCount) +
                 QLatin1Char('.');
    report.suggestedUpperFrequency = static_cast<double>(analysis.suggestedFrequency.value);
    if (report.beyondDrawnRange)
        lines << WholeRangeAdvice(report.suggestedUpperFrequency);
    return report;
}
