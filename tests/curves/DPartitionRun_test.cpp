#include "curves/DPartitionRun.h"

#include "curves/AxisRange.h"
#include "ground/Errors.h"
#include "ground/FloatEnv.h"
#include "ground/Regional.h"
#include "tests/curves/PlotRunTest.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

using Point = FakePlotTarget::Point;

class DPartitionRunTest : public PlotRunTest<RunDPartition> {
  protected:
    const std::vector<Point>& Mirror() { return chart.Points(PlotSeries::MirrorCurve); }
};

const QStringList kWorkedExample{"1", "3", "3", "7"};

TEST_F(DPartitionRunTest, WorkedExampleSamplesBothBranchesAndShowsTheRanges) {
    Run(kWorkedExample);

    ASSERT_EQ(Curve().size(), 1001u);
    ASSERT_EQ(Mirror().size(), 1001u);
    const double expected[][2] = {{0, 0}, {0.0003, -0.029999}, {0.0012, -0.059992}};
    for (int i = 0; i < 3; ++i) {
        EXPECT_NEAR(Curve()[i].x, expected[i][0], 1e-12);
        EXPECT_NEAR(Curve()[i].y, expected[i][1], 1e-12);
        EXPECT_EQ(Mirror()[i].x, Curve()[i].x);
        EXPECT_EQ(Mirror()[i].y, -Curve()[i].y);
    }
    EXPECT_NEAR(Curve().back().x, 300.0, 1e-6);
    EXPECT_NEAR(Curve().back().y, 970.0, 1e-6);
    EXPECT_NEAR(Mirror().back().y, -970.0, 1e-6);
    // Both branches carry red points; the mirror series' own green is never used.
    for (const auto* series : {&Curve(), &Mirror()})
        for (const Point& point : *series)
            EXPECT_EQ(point.colour, clRed);

    // xcross = 9.082800000000013, xmin = 0, ypeak = -2.
    EXPECT_DOUBLE_EQ(chart.RangeOf(PlotAxis::Bottom).min, -3.0);
    EXPECT_DOUBLE_EQ(chart.RangeOf(PlotAxis::Bottom).max, 9.082800000000013 + 13);
    EXPECT_DOUBLE_EQ(chart.RangeOf(PlotAxis::Left).min, -5.0);
    EXPECT_DOUBLE_EQ(chart.RangeOf(PlotAxis::Left).max, 5.0);

    const auto& horizontal = chart.Points(PlotSeries::HorizontalLine);
    ASSERT_EQ(horizontal.size(), 2u);
    EXPECT_DOUBLE_EQ(horizontal[0].x, -4 * 9.082800000000013);
    EXPECT_DOUBLE_EQ(horizontal[1].x, 4 * 9.082800000000013);
    const auto& vertical = chart.Points(PlotSeries::VerticalLine);
    ASSERT_EQ(vertical.size(), 2u);
    EXPECT_DOUBLE_EQ(vertical[0].y, 8.0);
    EXPECT_DOUBLE_EQ(vertical[1].y, -8.0);
    EXPECT_EQ(vertical[1].colour, clDefault);
}

// Each sample, then its mirror with the negated frequency, as the run adds them.
TEST_F(DPartitionRunTest, RecordsBothBranchesWithSignedFrequencies) {
    Run(kWorkedExample);
    const TLabSamples& samples = chart.samples;
    ASSERT_EQ(samples.Size(), 2 * 1001u);
    for (std::size_t i = 0; i < 1001; ++i) {
        const TLabSample& sample = samples[2 * i];
        const TLabSample& mirror = samples[2 * i + 1];
        EXPECT_EQ(sample.x, Curve()[i].x);
        EXPECT_EQ(sample.y, Curve()[i].y);
        EXPECT_EQ(mirror.omega, -sample.omega);
        EXPECT_EQ(mirror.x, Mirror()[i].x);
        EXPECT_EQ(mirror.y, Mirror()[i].y);
    }
    EXPECT_EQ(samples[0].omega, 0.0);
    EXPECT_EQ(samples[2].omega, 0.01);
    EXPECT_EQ(samples[3].omega, -0.01);
    EXPECT_NEAR(samples[2].y, 0.01 * (0.0001 - 3), 1e-15); // Y at ω = 0.01, not 0.02
}

TEST_F(DPartitionRunTest, StepsRunInTheirOrder) {
    Run(kWorkedExample);
    const QStringList expected{"Bottom.Minimum",     "Bottom.Maximum",  "Left.Minimum",
                               "Left.Maximum",       "clear Curve",     "clear Mirror",
                               "add Curve",          "add Mirror",      "Bottom.Maximum",
                               "Bottom.Minimum",     "Left.Maximum",    "Left.Minimum",
                               "add HorizontalLine", "add VerticalLine"};
    EXPECT_EQ(chart.log, expected);
}

// One row per coefficient set: the ranges the tracked values give.
struct RangeCase {
    const char* name;
    QStringList texts;
    double bottomMin, bottomMax, leftMax, tolerance;
};

class DPartitionRangeTest : public DPartitionRunTest,
                            public ::testing::WithParamInterface<RangeCase> {};

TEST_P(DPartitionRangeTest, ShowsTheTrackedRange) {
    const RangeCase& c = GetParam();
    Run(c.texts);
    ASSERT_EQ(Curve().size(), 1001u);
    EXPECT_NEAR(chart.RangeOf(PlotAxis::Bottom).min, c.bottomMin, c.tolerance);
    EXPECT_NEAR(chart.RangeOf(PlotAxis::Bottom).max, c.bottomMax, c.tolerance);
    EXPECT_NEAR(chart.RangeOf(PlotAxis::Left).max, c.leftMax, c.tolerance);
    EXPECT_EQ(chart.RangeOf(PlotAxis::Left).min, -chart.RangeOf(PlotAxis::Left).max);
    EXPECT_EQ(chart.Points(PlotSeries::HorizontalLine).size(), 2u);
}

INSTANTIATE_TEST_SUITE_P(
    Ranges, DPartitionRangeTest,
    ::testing::Values(RangeCase{"NegativeA1", {"1", "-1", "3", "0"}, -103, 9.9724, 5, 0.01},
                      // Refused by a Maximum-first write after the reset: now shown.
                      RangeCase{"CrossingFarLeft", {"1", "-5", "3", "0"}, -503, -2.138, 5, 0.01},
                      RangeCase{"FallingThroughZero", {"-1", "3", "-3", "0"}, -3, 13, 5, 1e-12}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DPartitionRunTest, NoCrossingAndAPeakAtTheLastSample) {
    Run({"1", "1", "0", "0"}); // Y = ω³: never negative, |Y| grows throughout
    EXPECT_DOUBLE_EQ(chart.RangeOf(PlotAxis::Bottom).min, -3.0);
    EXPECT_DOUBLE_EQ(chart.RangeOf(PlotAxis::Bottom).max, 13.0);
    const double lastY = Curve().back().y;
    EXPECT_NEAR(lastY, 1000.0, 1e-6);
    EXPECT_DOUBLE_EQ(chart.RangeOf(PlotAxis::Left).max, lastY + 3);
    for (const Point& point : chart.Points(PlotSeries::HorizontalLine))
        EXPECT_EQ(point.x, 0.0);
    const auto& vertical = chart.Points(PlotSeries::VerticalLine);
    EXPECT_DOUBLE_EQ(vertical[0].y, -4 * lastY);
    EXPECT_DOUBLE_EQ(vertical[1].y, 4 * lastY);
}

TEST_F(DPartitionRunTest, FlatBoundaryPutsTheAxisLinesAtTheOrigin) {
    Run({"0", "1", "0", "0"}); // Y = 0 at every sample
    EXPECT_DOUBLE_EQ(chart.RangeOf(PlotAxis::Left).min, -3.0);
    EXPECT_DOUBLE_EQ(chart.RangeOf(PlotAxis::Left).max, 3.0);
    for (auto series : {PlotSeries::HorizontalLine, PlotSeries::VerticalLine})
        for (const Point& point : chart.Points(series)) {
            EXPECT_EQ(point.x, 0.0);
            EXPECT_EQ(point.y, 0.0);
        }
}

TEST_F(DPartitionRunTest, A3DoesNotEnterThePicture) {
    Run({"1", "3", "3", "5"});
    const std::vector<Point> withFive = Curve();
    const FakePlotTarget::Range bottom = chart.RangeOf(PlotAxis::Bottom);
    Run({"1", "3", "3", "0"});
    ASSERT_EQ(Curve().size(), withFive.size());
    for (size_t i = 0; i < withFive.size(); ++i) {
        EXPECT_EQ(Curve()[i].x, withFive[i].x);
        EXPECT_EQ(Curve()[i].y, withFive[i].y);
    }
    EXPECT_EQ(chart.RangeOf(PlotAxis::Bottom).max, bottom.max);
}

TEST_F(DPartitionRunTest, ParseErrorLeavesTheChartUntouched) {
    Run(kWorkedExample);
    const FakePlotTarget::Range bottom = chart.RangeOf(PlotAxis::Bottom);
    chart.log.clear();
    // a3 is not used, but still has to be a number; a full stop is no separator.
    EXPECT_THROW(Run({"1", "3", "3", "x"}), EConvertError);
    EXPECT_THROW(Run({"1", "3.5", "3", "1"}), EConvertError);
    EXPECT_TRUE(chart.log.isEmpty());
    EXPECT_EQ(chart.RangeOf(PlotAxis::Bottom).min, bottom.min);
    EXPECT_EQ(chart.RangeOf(PlotAxis::Bottom).max, bottom.max);
    EXPECT_EQ(Curve().size(), 1001u);
}

TEST_F(DPartitionRunTest, OverflowKeepsBothBranchesUpToTheFault) {
    // X = a1·ω² passes the double range once ω² > 1.797: at ω = 1.35.
    EXPECT_THROW(Run({"1", "1e308", "3", "0"}), EOverflow);
    EXPECT_EQ(Curve().size(), 135u);
    EXPECT_EQ(Mirror().size(), 135u);
    EXPECT_EQ(chart.RangeOf(PlotAxis::Bottom).max, 0.0);
    EXPECT_TRUE(chart.Points(PlotSeries::HorizontalLine).empty());
}

TEST_F(DPartitionRunTest, ThreeRunsAccumulateAxisLinePoints) {
    Run(kWorkedExample);
    Run({"1", "1", "0", "0"});
    Run(kWorkedExample);
    EXPECT_EQ(Curve().size(), 1001u);
    EXPECT_EQ(Mirror().size(), 1001u);
    EXPECT_EQ(chart.Points(PlotSeries::HorizontalLine).size(), 6u);
    EXPECT_EQ(chart.Points(PlotSeries::VerticalLine).size(), 6u);
}

TEST_F(DPartitionRunTest, PanBelowZeroNoLongerStopsTheNextRun) {
    chart.Pan(PlotAxis::Bottom, -5, -2);
    chart.Pan(PlotAxis::Left, -9, -8);
    Run(kWorkedExample);
    EXPECT_DOUBLE_EQ(chart.RangeOf(PlotAxis::Bottom).max, 9.082800000000013 + 13);
    EXPECT_DOUBLE_EQ(chart.RangeOf(PlotAxis::Left).min, -5.0);
}

} // namespace
