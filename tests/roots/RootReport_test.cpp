#include "RootsTestSupport.h"

#include "roots/RootReport.h"

#include <gtest/gtest.h>

namespace {

const TNumberSeparators kSeparators{QLatin1Char(','), QStringLiteral(" ")};

TRootArray ThreeRoots() {
    TRootArray roots;
    roots[0] = {99, 99}; // never shown
    roots[1] = {1, 0};
    roots[2] = {-0.3333, -0.4714};
    roots[3] = {12345678912.0, 0.125};
    return roots;
}

TEST(RootReport, ListsEveryRecordedRoot) {
    const QStringList expected{"Результаты:",           "", "Корень: 1", "Значение: ",
                               "1,00 +0,00i",           "", "Корень: 2", "Значение: ",
                               "-0,33 +-0,47i",         "", "Корень: 3", "Значение: ",
                               "1,234567891E10 +0,13i", ""};
    EXPECT_EQ(RootReportLines(rsOk, 3, ThreeRoots(), 100, kSeparators), expected);
}

TEST(RootReport, ShowsOnlyRootsUpToTheCount) {
    const QStringList lines = RootReportLines(rsOk, 1, ThreeRoots(), 100, kSeparators);
    EXPECT_EQ(lines.size(), 6);
    EXPECT_EQ(lines.last(), "");
    EXPECT_EQ(RootReportLines(rsOk, 0, ThreeRoots(), 100, kSeparators),
              QStringList({"Результаты:", ""}));
}

TEST(RootReport, WarnsWithTheIterationLimitAndKeepsTheRoots) {
    const QStringList lines = RootReportLines(rsNoConvergence, 1, ThreeRoots(), 100, kSeparators);
    const QStringList expected{"Результаты:",     "",
                               "Предупреждение!", "Вычисление займет больше, чем 100 итераций!",
                               "Корень: 1",       "Значение: ",
                               "1,00 +0,00i",     ""};
    EXPECT_EQ(lines, expected);
    EXPECT_EQ(RootReportLines(rsNoConvergence, 0, ThreeRoots(), 7, kSeparators).at(3),
              "Вычисление займет больше, чем 7 итераций!");
}

struct ErrorCase {
    TRootStatus status;
    const char* message;
};

class RootReportErrorTest : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(RootReportErrorTest, ShowsTheErrorAndNoRoots) {
    const ErrorCase& c = GetParam();
    // A stale count from an earlier search must not be listed.
    const QStringList lines = RootReportLines(c.status, 3, ThreeRoots(), 100, kSeparators);
    EXPECT_EQ(lines, QStringList({"Результаты:", "", "Ошибка!", QString::fromUtf8(c.message)}));
}

INSTANTIATE_TEST_SUITE_P(
    Statuses, RootReportErrorTest,
    ::testing::Values(ErrorCase{rsBadDegree, "Угол полинома должен быть больше нуля!"},
                      ErrorCase{rsBadTolerance, "Точность должна быть больше нуля!"},
                      ErrorCase{rsBadIterationLimit,
                                "Максимальное количество итераций должно быть больше нуля!"}));

} // namespace
