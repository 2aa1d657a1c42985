#include "chart/AxisLabelStep.h"
#include "chart/AxisMinorTicks.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <vector>

TEST(AxisLabelStep, AdvancesAlongOneTwoFive) {
    struct Case {
        double step, next;
    };
    const std::vector<Case> cases = {
        {1, 2},  {1.5, 2}, {2, 5},   {4.9, 5},  {5, 10},
        {9, 10}, {10, 20}, {20, 50}, {50, 100}, {2000, 5000},
    };
    for (const Case& c : cases)
        EXPECT_EQ(AdvanceLabelStep(c.step), c.next) << c.step;
    // Below 1 through multiplications by 10 and 0.1: close to, not exactly, decimal.
    EXPECT_NEAR(AdvanceLabelStep(0.1), 0.2, 1e-16);
    EXPECT_NEAR(AdvanceLabelStep(0.02), 0.05, 1e-17);
    // 1e-12 times 10 twelve times falls just short of 1: the first advance moves by
    // an ulp only, the next ones along the sequence.
    EXPECT_GT(AdvanceLabelStep(1e-12), 1e-12);
    EXPECT_NEAR(AdvanceLabelStep(AdvanceLabelStep(1e-12)), 2e-12, 1e-26);
    EXPECT_TRUE(std::isinf(AdvanceLabelStep(std::numeric_limits<double>::infinity())));
    EXPECT_EQ(AdvanceLabelStep(0), 0);
}

TEST(AxisLabelStep, MaxLabelsFromTheLabelSize) {
    EXPECT_EQ(MaxLabelCount(300, 14, 10), 20); // 14 + round(1.4) = 15
    EXPECT_EQ(MaxLabelCount(0, 14, 10), 0);
    EXPECT_EQ(MaxLabelCount(300, 0, 10), 1);
    EXPECT_EQ(MaxLabelCount(423, 12, 10), 33);
}

TEST(AxisLabelStep, DecimalRangeEndsAtTwoHundredths) {
    const double step = CalcLabelStep(0.3, 20, 10, 0);
    EXPECT_NEAR(step, 0.02, 1e-17);
    EXPECT_LE(std::nearbyint(0.3 / step), 20);
    // The step before it (a tenth of 0.1) would give too many labels.
    EXPECT_GT(std::nearbyint(0.3 / 0.01), 20);
}

TEST(AxisLabelStep, StepsOfWholeRanges) {
    struct Case {
        double span;
        int maxLabels;
        double step;
    };
    const std::vector<Case> cases = {
        {10, 20, 1}, {17, 33, 1}, {17, 11, 2}, {100, 20, 5}, {1000, 20, 50}, {4, 1, 5}, {1, 1, 1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CalcLabelStep(c.span, c.maxLabels, 10, 0), c.step)
            << c.span << " in " << c.maxLabels;
}

TEST(AxisLabelStep, SpecialCases) {
    EXPECT_EQ(CalcLabelStep(10, 0, 10, 0), 1e-12);     // no room
    EXPECT_EQ(CalcLabelStep(0, 20, 10, 0), 1e-12);     // degenerate range
    EXPECT_EQ(CalcLabelStep(10, 20, 10, 0.5), 0.5);    // a given increment that fits
    EXPECT_EQ(CalcLabelStep(10, 20, 0, 1e-12), 1e-12); // no separation: no search
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_TRUE(std::isinf(CalcLabelStep(inf, 20, 10, 0)));
    EXPECT_DOUBLE_EQ(CalcLabelStep(1.7e308, 20, 10, 0), 1e307);
}

TEST(AxisMinorTicks, BetweenAndBeyondTheLabels) {
    // Vertical axis, labels top-down every 30 pixels.
    const std::vector<int> labels = {40, 70, 100};
    const std::vector<int> ticks = MinorTickPositions(labels, 3, 20, 130);
    // Between 40 and 70: 70 - round(7.5) = 62 (ties to even), 70 - 15, 70 - round(22.5) = 48;
    // beyond: 40 - 8, 100 + 8, ..., 40 - 22 = 18 is not inside (20, 130).
    const std::vector<int> expected = {62, 55, 48, 92, 85, 78, 32, 108, 25, 115, 122};
    EXPECT_EQ(ticks, expected);
}

TEST(AxisMinorTicks, HorizontalLabelsRunRightToLeftAndEndsAreStrict) {
    const std::vector<int> labels = {200, 100};
    // d = round(-100 / 4 * j): -25, -50, -75; ticks 225, 250, 275 and 75, 50, 25.
    const std::vector<int> ticks = MinorTickPositions(labels, 3, 50, 250);
    EXPECT_EQ(ticks, (std::vector<int>{125, 150, 175, 225, 75}));
    EXPECT_TRUE(MinorTickPositions({100}, 3, 0, 300).empty());
}
