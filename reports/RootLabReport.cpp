#include "reports/RootLabReport.h"

#include "reports/ReportWording.h"

namespace {

QString RootText(const TFoundRoot& root) {
    QString text = ExactText(root.re);
    if (root.im > 0)
        text += QStringLiteral(" + j") + ExactText(root.im);
    else if (root.im < 0)
        text += QStringLiteral(" - j") + ExactText(-root.im);
    return text;
}

QString Holds(bool holds) {
    return holds ? QStringLiteral("выполнено") : QStringLiteral("не выполнено");
}

void AddConditions(const THurwitzConditions& conditions, QStringList& lines) {
    if (conditions.status != TAnalysisStatus::Ok || conditions.degree == 0)
        return;
    lines << QStringLiteral("Условия Гурвица (все коэффициенты и Δ2 положительны):");
    if (conditions.negated)
        lines << QStringLiteral("  старший коэффициент отрицателен: все коэффициенты умножены "
                                "на -1");
    for (int k = conditions.degree; k >= 0; --k)
        lines << QStringLiteral("  a%1 = %2 > 0: %3")
                     .arg(k)
                     .arg(AnalysisNumber(conditions.coefficient[k]), Holds(conditions.positive[k]));
    if (conditions.hasDelta2)
        lines << QStringLiteral("  Δ2 = a2·a1 - a3·a0 = %1 > 0: %2")
                     .arg(AnalysisNumber(conditions.delta2), Holds(conditions.delta2Positive));
    lines << (conditions.allHold ? QStringLiteral("  Все условия выполнены.")
                                 : QStringLiteral("  Не все условия выполнены."));
}

} // namespace

TAnalysisReport RootLabReport(const TRootLabCoefficients& coefficients,
                              const TRootLabAnalysis& analysis,
                              const std::vector<TFoundRoot>& roots, bool converged) {
    TAnalysisReport report;
    QStringList& lines = report.lines;
    lines << QStringLiteral("Анализ: определение корней, a0 + a1·p + a2·p² + a3·p³ = 0");
    lines << QStringLiteral("a0 = %1; a1 = %2; a2 = %3; a3 = %4")
                 .arg(ExactText(coefficients.a0), ExactText(coefficients.a1),
                      ExactText(coefficients.a2), ExactText(coefficients.a3));
    if (analysis.status == TAnalysisStatus::IdenticallyZero) {
        lines << QString()
              << QStringLiteral("Все коэффициенты равны нулю: уравнение "
                                "выполняется при любом p, корней не выделить.");
        return report;
    }
    lines << QStringLiteral("Степень: %1").arg(analysis.degree) << QString();
    lines << QStringLiteral("Вывод по коэффициентам: система ") +
                 VerdictText(analysis.verdict, analysis.count) + QLatin1Char('.');
    lines << QStringLiteral("Корни (все цифры, найденные методом Лагерра):");
    if (roots.empty())
        lines << QStringLiteral("  нет");
    for (std::size_t i = 0; i < roots.size(); ++i)
        lines << QStringLiteral("  p%1 = %2").arg(i + 1).arg(RootText(roots[i]));
    if (!converged)
        lines << QStringLiteral("  (поиск остановлен по числу итераций: найдены не все корни)");
    AddConditions(analysis.conditions, lines);
    return report;
}
