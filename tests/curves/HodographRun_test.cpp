#include "curves/HodographRun.h"

#include "curves/AxisRange.h"
#include "ground/Errors.h"
#include "ground/FloatEnv.h"
#include "ground/Regional.h"
#include "tests/curves/PlotRunTest.h"

#include <gtest/gtest.h>

namespace {

using Range = FakePlotTarget::Range;

using HodographRunTest = PlotRunTest<RunHodograph>;

TEST_F(HodographRunTest, WorkedExampleSamplesTheCurveAndShowsItsRanges) {
    Run({"1", "3", "3", "1"});

    ASSERT_EQ(Curve().size(), 131u);
    EXPECT_DOUBLE_EQ(Curve()[0].x, 1.0);
    EXPECT_DOUBLE_EQ(Curve()[0].y, 0.0);
    EXPECT_NEAR(Curve()[1].x, 0.97, 1e-12);
    EXPECT_NEAR(Curve()[1].y, 0.299, 1e-12);
    EXPECT_NEAR(Curve()[2].x, 0.88, 1e-12);
    EXPECT_NEAR(Curve()[2].y, 0.592, 1e-12);
    EXPECT_NEAR(Curve().back().x, -506.0, 1.0);
    EXPECT_NEAR(Curve().back().y, -2158.0, 1.0);
    for (const auto& point : Curve())
        EXPECT_EQ(point.colour, clRed);

    // xcross = -8.720000000000006, xmax = 1, ymax = 2.
    EXPECT_DOUBLE_EQ(chart.RangeOf(PlotAxis::Bottom).min, -8.720000000000006 - 1);
    EXPECT_DOUBLE_EQ(chart.RangeOf(PlotAxis::Bottom).max, 2.0);
    EXPECT_DOUBLE_EQ(chart.RangeOf(PlotAxis::Left).min, -3.0);
    EXPECT_DOUBLE_EQ(chart.RangeOf(PlotAxis::Left).max, 3.0);

    const auto& horizontal = chart.Points(PlotSeries::HorizontalLine);
    ASSERT_EQ(horizontal.size(), 2u);
    EXPECT_DOUBLE_EQ(horizontal[0].x, 3 * 8.720000000000006);
    EXPECT_DOUBLE_EQ(horizontal[1].x, -3 * 8.720000000000006);
    const auto& vertical = chart.Points(PlotSeries::VerticalLine);
    ASSERT_EQ(vertical.size(), 2u);
    EXPECT_DOUBLE_EQ(vertical[0].y, -6.0);
    EXPECT_DOUBLE_EQ(vertical[1].y, 6.0);
    for (const auto& point : horizontal) {
        EXPECT_EQ(point.y, 0.0);
        EXPECT_EQ(point.colour, clDefault);
    }
    for (const auto& point : vertical)
        EXPECT_EQ(point.x, 0.0);
}

// The record keeps each point with the frequency it was computed at, in order:
// ω moves on before the point is added, and the record must not take the next ω.
TEST_F(HodographRunTest, RecordsEverySampleWithItsFrequency) {
    Run({"1", "3", "3", "1"});
    const TLabSamples& samples = chart.samples;
    ASSERT_EQ(samples.Size(), 131u);
    for (std::size_t i = 0; i < samples.Size(); ++i) {
        EXPECT_EQ(samples[i].x, Curve()[i].x);
        EXPECT_EQ(samples[i].y, Curve()[i].y);
    }
    EXPECT_EQ(samples[0].omega, 0.0);
    EXPECT_EQ(samples[1].omega, 0.1);
    // D(j·0.1) = 1 - 3·0.01 + j(3·0.1 - 0.001): the point of that frequency.
    EXPECT_NEAR(samples[1].y, 0.299, 1e-12);
    EXPECT_NEAR(samples[130].omega, 13.0, 1e-9);
}

TEST_F(HodographRunTest, StepsRunInTheirOrder) {
    Run({"1", "3", "3", "1"});
    const QStringList expected{"Bottom.Minimum", "Bottom.Maximum",     "Left.Minimum",
                               "Left.Maximum",   "clear Curve",        "add Curve",
                               "Bottom.Maximum", "Bottom.Minimum",     "Left.Maximum",
                               "Left.Minimum",   "add HorizontalLine", "add VerticalLine"};
    EXPECT_EQ(chart.log, expected);
}

TEST_F(HodographRunTest, ResetComesBeforeParsing) {
    int resets = 0;
    ClearFloatFlags();
    EXPECT_THROW(RunHodograph({"x", "3", "3", "1"}, chart, [&] { ++resets; }), EConvertError);
    EXPECT_EQ(resets, 1);
}

// Either verdict ends the run after the reset: axes 0..0, the old curve stays.
struct VerdictCase {
    QStringList texts;
    QString notice;
};

class HodographVerdictTest : public HodographRunTest,
                             public ::testing::WithParamInterface<VerdictCase> {};

TEST_P(HodographVerdictTest, NoticeLeavesAxesAtZeroAndTheOldCurve) {
    Run({"1", "3", "3", "1"});
    Run(GetParam().texts);

    EXPECT_EQ(chart.notices, QStringList{GetParam().notice});
    EXPECT_EQ(Curve().size(), 131u);
    EXPECT_DOUBLE_EQ(Curve()[0].x, 1.0);
    ExpectAxesAtZero();
    EXPECT_EQ(chart.Points(PlotSeries::HorizontalLine).size(), 2u);
    EXPECT_EQ(chart.Points(PlotSeries::VerticalLine).size(), 2u);
}

INSTANTIATE_TEST_SUITE_P(
    Verdicts, HodographVerdictTest,
    ::testing::Values(VerdictCase{{"1", "1", "1", "1"}, kStabilityBoundaryNotice},
                      VerdictCase{{"1", "1", "1", "2"}, kUnstableNotice},
                      // Only the products are compared: these two are equal.
                      VerdictCase{{"-2", "4", "0,5", "-1"}, kStabilityBoundaryNotice},
                      VerdictCase{{"1", "-3", "3", "1"}, kUnstableNotice}));

TEST_F(HodographRunTest, SignsAreNotExaminedByTheTest) {
    Run({"-1", "-3", "-3", "-1"});
    ASSERT_EQ(Curve().size(), 131u);
    // Y goes from negative to positive: xcross stays 0.
    EXPECT_DOUBLE_EQ(chart.RangeOf(PlotAxis::Bottom).min, -1.0);
    EXPECT_NEAR(chart.RangeOf(PlotAxis::Bottom).max, 507.0, 1.0);
    EXPECT_NEAR(chart.RangeOf(PlotAxis::Left).max, 2159.0, 1.0);
    EXPECT_DOUBLE_EQ(chart.RangeOf(PlotAxis::Left).min, -chart.RangeOf(PlotAxis::Left).max);
    for (const auto& point : chart.Points(PlotSeries::HorizontalLine))
        EXPECT_EQ(point.x, 0.0);
}

TEST_F(HodographRunTest, NoPositiveImaginaryPartGivesTheUnitVerticalRange) {
    // Y = (a2 - a0·ω²)·ω <= 0 for a0 >= 0, a2 <= 0; P0 = 0 < P1 = 1.
    Run({"1", "-1", "-1", "0"});
    ASSERT_EQ(Curve().size(), 131u);
    EXPECT_DOUBLE_EQ(chart.RangeOf(PlotAxis::Left).min, -1.0);
    EXPECT_DOUBLE_EQ(chart.RangeOf(PlotAxis::Left).max, 1.0);
    for (const auto& point : chart.Points(PlotSeries::VerticalLine))
        EXPECT_EQ(point.y, 0.0);
}

TEST_F(HodographRunTest, ThreeRunsAccumulateAxisLinePoints) {
    Run({"1", "3", "3", "1"});
    Run({"1", "3", "3", "2"});
    Run({"1", "3", "3", "1"});
    EXPECT_EQ(Curve().size(), 131u);
    EXPECT_EQ(chart.Points(PlotSeries::HorizontalLine).size(), 6u);
    EXPECT_EQ(chart.Points(PlotSeries::VerticalLine).size(), 6u);
}

TEST_F(HodographRunTest, ParseErrorLeavesAxesAtZeroAndSeriesUnchanged) {
    Run({"1", "3", "3", "1"});
    // This lab parses the texts as they stand: a full stop is no separator here.
    EXPECT_THROW(Run({"1", "3", "3.5", "1"}), EConvertError);
    EXPECT_EQ(Curve().size(), 131u);
    EXPECT_EQ(chart.Points(PlotSeries::HorizontalLine).size(), 2u);
    ExpectAxesAtZero();
    EXPECT_TRUE(chart.notices.isEmpty());
}

TEST_F(HodographRunTest, OverflowKeepsThePointsBeforeIt) {
    // X = 1e308·(1 + ω²) leaves the double range once 1 + ω² > 1.797, at ω = 0.9:
    // the samples 0 .. 0.8 are in.
    EXPECT_THROW(Run({"1", "-1e308", "-2", "1e308"}), EOverflow);
    EXPECT_EQ(Curve().size(), 9u);
    EXPECT_TRUE(chart.Points(PlotSeries::HorizontalLine).empty());
    EXPECT_EQ(chart.RangeOf(PlotAxis::Bottom).max, 0.0);
}

TEST_F(HodographRunTest, PanBelowZeroNoLongerStopsTheNextRun) {
    chart.Pan(PlotAxis::Bottom, -5, -2);
    chart.Pan(PlotAxis::Left, -7, -6);
    Run({"1", "3", "3", "1"});
    EXPECT_EQ(Curve().size(), 131u);
    EXPECT_DOUBLE_EQ(chart.RangeOf(PlotAxis::Bottom).max, 2.0);
    EXPECT_DOUBLE_EQ(chart.RangeOf(PlotAxis::Left).min, -3.0);
}

} // namespace
