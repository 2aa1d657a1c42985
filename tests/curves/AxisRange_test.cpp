#include "curves/AxisRange.h"

#include "tests/support/FakePlotTarget.h"

#include <gtest/gtest.h>

namespace {

// The reset reaches 0..0 through the validating setters from any range.
struct ResetCase {
    double lo, hi;
    QStringList writes;
};

class ResetAxesTest : public ::testing::TestWithParam<ResetCase> {};

TEST_P(ResetAxesTest, ReachesZeroInAnAcceptedOrder) {
    FakePlotTarget chart;
    chart.Pan(PlotAxis::Bottom, GetParam().lo, GetParam().hi);
    ResetAxes(chart);
    EXPECT_EQ(chart.log.mid(0, 2), GetParam().writes);
    EXPECT_EQ(chart.log.mid(2), (QStringList{"Left.Minimum", "Left.Maximum"}));
    for (PlotAxis axis : {PlotAxis::Bottom, PlotAxis::Left}) {
        EXPECT_EQ(chart.RangeOf(axis).min, 0.0);
        EXPECT_EQ(chart.RangeOf(axis).max, 0.0);
    }
}

const QStringList kMinimumFirst{"Bottom.Minimum", "Bottom.Maximum"};
const QStringList kMaximumFirst{"Bottom.Maximum", "Bottom.Minimum"};

INSTANTIATE_TEST_SUITE_P(Ranges, ResetAxesTest,
                         ::testing::Values(ResetCase{0, 0, kMinimumFirst},
                                           ResetCase{-3, 4, kMinimumFirst},
                                           ResetCase{2, 5, kMinimumFirst},
                                           ResetCase{-5, 0, kMinimumFirst},
                                           ResetCase{-5, -2, kMaximumFirst},
                                           ResetCase{-1e-300, -1e-300, kMaximumFirst}));

// A computed range is shown from any starting range; the Maximum goes first
// unless the chart would refuse it.
struct RangeCase {
    double startLo, startHi, lo, hi;
    QStringList writes;
};

class SetAxisRangeTest : public ::testing::TestWithParam<RangeCase> {};

TEST_P(SetAxisRangeTest, ShowsTheRange) {
    const RangeCase& c = GetParam();
    FakePlotTarget chart;
    chart.Pan(PlotAxis::Left, c.startLo, c.startHi);
    SetAxisRange(chart, PlotAxis::Left, c.lo, c.hi);
    EXPECT_EQ(chart.log, c.writes);
    EXPECT_EQ(chart.RangeOf(PlotAxis::Left).min, c.lo);
    EXPECT_EQ(chart.RangeOf(PlotAxis::Left).max, c.hi);
}

const QStringList kLeftMaximumFirst{"Left.Maximum", "Left.Minimum"};
const QStringList kLeftMinimumFirst{"Left.Minimum", "Left.Maximum"};

INSTANTIATE_TEST_SUITE_P(Ranges, SetAxisRangeTest,
                         ::testing::Values(RangeCase{0, 0, -3, 3, kLeftMaximumFirst},
                                           RangeCase{0, 0, 0, 0, kLeftMaximumFirst},
                                           RangeCase{0, 0, -12, -2, kLeftMinimumFirst},
                                           RangeCase{5, 9, 1, 2, kLeftMinimumFirst},
                                           RangeCase{-9, -5, 1, 2, kLeftMaximumFirst}));

TEST(SetAxisRange, ARangeTheWrongWayRoundIsStillRefusedByTheChart) {
    FakePlotTarget chart;
    EXPECT_THROW(SetAxisRange(chart, PlotAxis::Bottom, 3, 1), AxisException);
}

} // namespace
