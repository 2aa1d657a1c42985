// The analysis as the student reads it: the statements a course assignment is checked
// against, with the numbers as closed forms give them (the course's plant: critical gain
// (T1+T2+T3)(T1T2+T1T3+T2T3)/(T1T2T3) - 1 = 19,25 at ω = √150 for T = 0,5, 0,2, 0,05),
// and the degenerate systems stated rather than computed.

#include "ground/FloatEnv.h"
#include "ground/Regional.h"
#include "reports/DPartitionReport.h"
#include "reports/HodographReport.h"
#include "reports/NyquistReport.h"
#include "reports/RootLabReport.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

struct ReportCase {
    const char* name;
    std::function<TAnalysisReport()> report;
    std::vector<const char*> lines; // each must be a line of the text
    double suggested;               // the range that shows every point; 0: none
    bool beyond;                    // some point beyond the range drawn
    int points;                     // points to mark
};

TAnalysisReport Nyquist(TOpenLoopCoefficients c, double upper) {
    return NyquistReport(c, AnalyseNyquist(c), upper);
}
TAnalysisReport Hodograph(TCharacteristicCoefficients c, double upper) {
    return HodographReport(c, AnalyseMikhailov(c), upper);
}
TAnalysisReport DPartition(TCharacteristicCoefficients c, double upper) {
    return DPartitionReport(c, AnalyseDPartition(c), upper);
}

const TOpenLoopCoefficients kPlant{0.005, 0.135, 0.75, 1, 0, 0, 5};

const std::vector<ReportCase>& Cases() {
    static const std::vector<ReportCase> cases = {
        {"plant, K = 5, drawn to 10: the phase crossover beyond the chart",
         [] { return Nyquist(kPlant, 10); },
         {"  ω = 12,2474: R = -0,25974; запас по амплитуде 3,85 (11,7092 дБ) — за пределами "
          "графика (ω ≤ 10)",
          "Замкнутая система: A(p) + B(p) = 0,005p³ + 0,135p² + 0,75p + 6",
          "Вывод: замкнутая система устойчива: все корни в левой полуплоскости.",
          "Все характерные точки видны на графике до ω = 20 («Подобрать по системе»)."},
         20,
         true,
         2},
        {"plant, K = 5, drawn to 20: every point on the chart",
         [] { return Nyquist(kPlant, 20); },
         {"  ω = 12,2474: R = -0,25974; запас по амплитуде 3,85 (11,7092 дБ)"},
         20,
         false,
         3},
        {"plant, K = 40: unstable closed loop, margin below one",
         [] {
             return Nyquist({0.005, 0.135, 0.75, 1, 0, 0, 40}, 50);
         },
         {"  ω = 12,2474: R = -2,07792; запас по амплитуде 0,48125 (-6,35259 дБ)",
          "Вывод: замкнутая система неустойчива: 2 корня в правой полуплоскости."},
         50,
         false,
         3},
        {"an integrator: W(j0) infinite, a pole at ω = 0",
         [] {
             return Nyquist({0, 1, 1, 0, 0, 0, 1}, 10);
         },
         {"Полюса на мнимой оси (A(jω) = 0, годограф уходит в бесконечность): ω = 0",
          "  нет: запас по амплитуде не ограничен"},
         2,
         false,
         2},
        {"A identically zero",
         [] {
             return Nyquist({0, 0, 0, 0, 1, 2, 3}, 10);
         },
         {"A(p) ≡ 0: W(p) не определена ни на одной частоте."},
         0,
         false,
         1},
        {"hodograph of an unstable cubic: where the order breaks",
         [] {
             return Hodograph({1, 1, 1, 2}, 13);
         },
         {"Порядок нарушен: после ω = 1 годограф уходит в квадрант IV, а должен в квадрант II.",
          "Вывод: система неустойчива: 2 корня в правой полуплоскости."},
         5,
         false,
         3},
        {"hodograph on the boundary",
         [] {
             return Hodograph({1, 1, 1, 1}, 13);
         },
         {"Вывод: система на границе устойчивости (годограф проходит через начало координат)."},
         2,
         false,
         2},
        {"hodograph, every coefficient zero",
         [] {
             return Hodograph({0, 0, 0, 0}, 13);
         },
         {"Все коэффициенты равны нулю: D(p) ≡ 0, анализировать нечего."},
         0,
         false,
         0},
        {"D-partition of the plant: the interval, and the entered a3 outside it",
         [] {
             return DPartition({0.005, 0.135, 0.75, 25}, 10);
         },
         {"  a3 = 20,25 при ω = ±12,2474; штриховка в сторону меньших a3 — за пределами "
          "графика (ω ≤ 10)",
          "Вывод: система устойчива при 0 < a3 < 20,25.",
          "При введённом a3 = 25 система неустойчива."},
         20,
         true,
         1},
        {"D-partition without a stable interval",
         [] {
             return DPartition({1, -1, 3, 0}, 10);
         },
         {"Вывод: области устойчивости на вещественной оси a3 нет.",
          "Введённое a3 = 0 лежит на границе Д-разбиения: у системы есть корни на мнимой оси."},
         5,
         false,
         2},
        {"root lab: three right roots and the Hurwitz conditions",
         [] {
             const TRootLabCoefficients c{-6, 11, -6, 1};
             return RootLabReport(c, AnalyseRootLab(c), {{1, 0}, {2, 0}, {3, 0}}, true);
         },
         {"Вывод по коэффициентам: система неустойчива: 3 корня в правой полуплоскости.",
          "  p3 = 3", "  Δ2 = a2·a1 - a3·a0 = -60 > 0: не выполнено",
          "  Не все условия выполнены."},
         0,
         false,
         0},
        {"root lab: a pair on the axis and every digit of a root",
         [] {
             const TRootLabCoefficients c{1, 0, 1, 0}; // 1 + p²: roots ±j
             return RootLabReport(c, AnalyseRootLab(c), {{0, 1.0000000000000002}, {0, -1}}, true);
         },
         {"Вывод по коэффициентам: система на границе устойчивости: 2 корня на мнимой оси, "
          "остальные в левой полуплоскости.",
          "  p1 = 0 + j1,0000000000000002", "  p2 = 0 - j1"},
         0,
         false,
         0},
    };
    return cases;
}

class ReportTest : public ::testing::TestWithParam<std::size_t> {
  protected:
    void SetUp() override {
        ResetFloatEnvironment();
        SetRegionalSeparators(QChar(','), QStringLiteral("\u00A0"));
    }
};

TEST_P(ReportTest, StatesWhatTheAssignmentAsks) {
    const ReportCase& row = Cases()[GetParam()];
    const TAnalysisReport report = row.report();
    for (const char* line : row.lines)
        EXPECT_TRUE(report.lines.contains(QString::fromUtf8(line))) << line << "\nin:\n"
                                                                    << report.Text().toStdString();
    EXPECT_EQ(report.suggestedUpperFrequency, row.suggested);
    EXPECT_EQ(report.beyondDrawnRange, row.beyond);
    EXPECT_EQ(int(report.points.size()), row.points);
    // The analysis leaves no fault behind for the lab's next store to find.
    EXPECT_FALSE(FloatFaultPending());
}

INSTANTIATE_TEST_SUITE_P(Labs, ReportTest, ::testing::Range<std::size_t>(0, Cases().size()),
                         [](const auto& info) { return std::to_string(info.param); });

TEST(ReportSeparator, FollowsTheRegionalSettings) {
    SetRegionalSeparators(QChar('.'), QStringLiteral(","));
    const TAnalysisReport report = Nyquist(kPlant, 20);
    EXPECT_TRUE(report.lines.contains(
        QStringLiteral("  ω = 12.2474: R = -0.25974; запас по амплитуде 3.85 (11.7092 дБ)")))
        << report.Text().toStdString();
    SetRegionalSeparators(QChar(','), QStringLiteral("\u00A0"));
}

} // namespace
