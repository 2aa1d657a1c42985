#include "reports/HodographReport.h"

#include "reports/ReportWording.h"

#include <cmath>

namespace {

int SignOf(TExtended value) {
    return value > 0 ? 1 : (value < 0 ? -1 : 0);
}

// The place of the point as drawn (the analysis tells places of the curve with its
// leading coefficient made positive).
TPlanePlace DrawnPlace(const TMikhailovCrossing& crossing) {
    return PlaceOfSigns(SignOf(crossing.re), SignOf(crossing.im));
}

void AddCrossings(const TMikhailovAnalysis& a, double upper, TAnalysisReport& report) {
    report.lines << QStringLiteral(
        "Пересечения осей по возрастанию ω (P = Re D(jω), Q = Im D(jω)):");
    for (std::size_t i = 0; i < a.crossings.size(); ++i) {
        const TMikhailovCrossing& crossing = a.crossings[i];
        QString line = QStringLiteral("  ω = %1: P = %2; Q = %3 (%4)")
                           .arg(AnalysisNumber(crossing.omega), AnalysisNumber(crossing.re),
                                AnalysisNumber(crossing.im), PlaceText(DrawnPlace(crossing)));
        if (i == 0)
            line += QStringLiteral(" — начало годографа");
        if (crossing.omega > upper) {
            line += BeyondRangeNote(upper);
            report.beyondDrawnRange = true;
        } else if (std::isfinite(static_cast<double>(crossing.re)) &&
                   std::isfinite(static_cast<double>(crossing.im))) {
            report.points.push_back({static_cast<double>(crossing.re),
                                     static_cast<double>(crossing.im),
                                     QStringLiteral("ω = ") + AnalysisNumber(crossing.omega)});
        }
        report.lines << line;
    }
}

void AddPasses(const TMikhailovAnalysis& a, TAnalysisReport& report) {
    if (a.runsAlongRealAxis) {
        report.lines << QStringLiteral("Годограф идёт по вещественной оси (a0 = a2 = 0).");
        return;
    }
    if (a.runsAlongImaginaryAxis) {
        report.lines << QStringLiteral("Годограф идёт по мнимой оси (a1 = a3 = 0).");
        return;
    }
    QStringList places;
    for (TPlanePlace place : a.passes)
        places << PlaceText(place);
    if (!places.isEmpty())
        report.lines << QStringLiteral("Годограф проходит: ") + places.join(QStringLiteral(" → "));
    if (a.negated)
        report.lines << QStringLiteral("Старший коэффициент отрицателен: квадранты указаны для "
                                       "-D(jω), годографа, повёрнутого на 180°.");
}

QString BreakText(const TMikhailovBreak& at) {
    const QString omega = AnalysisNumber(at.omega);
    switch (at.kind) {
    case TMikhailovBreakKind::StartsAtOrigin:
        return QStringLiteral(
            "годограф начинается в начале координат: D(0) = a3 = 0, корень p = 0");
    case TMikhailovBreakKind::StartsOnNegativeRealAxis:
        return QStringLiteral("годограф начинается на отрицательной вещественной полуоси: a3 и "
                              "старший коэффициент разных знаков");
    case TMikhailovBreakKind::PassesThroughOrigin:
        return QStringLiteral(
                   "при ω = %1 годограф проходит через начало координат (корни p = ±j%1)")
            .arg(omega);
    case TMikhailovBreakKind::WrongQuadrant:
        return QStringLiteral("после ω = %1 годограф уходит в %2, а должен в %3")
            .arg(omega, PlaceText(at.actual), PlaceText(at.expected));
    case TMikhailovBreakKind::TooFewQuadrants:
        break;
    }
    return QStringLiteral("после ω = %1 годограф остаётся в %2 и не доходит до %3")
        .arg(omega, PlaceText(at.actual), PlaceText(at.expected));
}

void AddVerdict(const TMikhailovAnalysis& a, TAnalysisReport& report) {
    report.lines << QStringLiteral("Критерий Михайлова (начало на положительной вещественной "
                                   "полуоси, затем по порядку против часовой стрелки n = %1): %2.")
                        .arg(QuadrantsText(a.degree))
                        .arg(a.criterionHolds ? QStringLiteral("выполнен")
                                              : QStringLiteral("не выполнен"));
    if (a.firstBreak)
        report.lines << QStringLiteral("Порядок нарушен: ") + BreakText(*a.firstBreak) +
                            QLatin1Char('.');
    if (a.quarterTurns && a.rightRoots)
        report.lines << QStringLiteral("Поворот годографа %1 × 90° (у устойчивой системы %2 × "
                                       "90°): в правой полуплоскости %3.")
                            .arg(*a.quarterTurns)
                            .arg(a.degree)
                            .arg(RootsText(*a.rightRoots));
    QString verdict;
    if (a.criterionHolds)
        verdict = QStringLiteral("система устойчива");
    else if (!a.boundaryFrequencies.empty())
        verdict = QStringLiteral("система на границе устойчивости (годограф проходит через "
                                 "начало координат)");
    else if (a.rightRoots && *a.rightRoots > 0)
        verdict = QStringLiteral("система неустойчива: ") + RootsText(*a.rightRoots) +
                  QStringLiteral(" в правой полуплоскости");
    else if (a.degree == 0)
        verdict = QStringLiteral("D(p) — постоянная, судить не о чем");
    else
        verdict = QStringLiteral("система неустойчива");
    report.lines << QStringLiteral("Вывод: ") + verdict + QLatin1Char('.');
}

} // namespace

TAnalysisReport HodographReport(const TCharacteristicCoefficients& coefficients,
                                const TMikhailovAnalysis& analysis, double upperFrequency) {
    TAnalysisReport report;
    QStringList& lines = report.lines;
    lines << QStringLiteral("Анализ: годограф Михайлова, D(p) = a0·p³ + a1·p² + a2·p + a3");
    lines << QStringLiteral("a0 = %1; a1 = %2; a2 = %3; a3 = %4")
                 .arg(ExactText(coefficients.a0), ExactText(coefficients.a1),
                      ExactText(coefficients.a2), ExactText(coefficients.a3));
    lines << QStringLiteral("Частоты на графике: от 0 до ") + AnalysisNumber(upperFrequency);
    lines << QString();
    if (analysis.status != TAnalysisStatus::Ok) {
        lines << (analysis.status == TAnalysisStatus::IdenticallyZero
                      ? QStringLiteral(
                            "Все коэффициенты равны нулю: D(p) ≡ 0, анализировать нечего.")
                      : QStringLiteral("Анализ невозможен: ") + NotComputableText() +
                            QLatin1Char('.'));
        return report;
    }
    lines << QStringLiteral("Степень n = %1").arg(analysis.degree);
    AddCrossings(analysis, upperFrequency, report);
    AddPasses(analysis, report);
    AddVerdict(analysis, report);
    report.suggestedUpperFrequency = static_cast<double>(analysis.suggestedFrequency.value);
    if (report.beyondDrawnRange)
        lines << WholeRangeAdvice(report.suggestedUpperFrequency);
    return report;
}
