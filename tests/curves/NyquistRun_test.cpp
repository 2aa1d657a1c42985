#include "curves/NyquistRun.h"

#include "curves/AxisRange.h"
#include "ground/Errors.h"
#include "ground/FloatEnv.h"
#include "ground/Regional.h"
#include "tests/curves/PlotRunTest.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace {

using Point = FakePlotTarget::Point;

class NyquistRunTest : public PlotRunTest<RunNyquist> {
  protected:
    // The response points alone: the curve series without its final critical point.
    std::vector<Point> Response() {
        std::vector<Point> points = Curve();
        if (!points.empty() && points.back().colour == clBlue)
            points.pop_back();
        return points;
    }
};

const QStringList kWorkedExample{"1", "3", "3", "1", "0", "0", "1"};

TEST_F(NyquistRunTest, WorkedExampleSamplesTheResponseAndShowsItsRanges) {
    Run(kWorkedExample);

    ASSERT_EQ(Curve().size(), 5001u);
    EXPECT_DOUBLE_EQ(Curve()[0].x, 1.0);
    EXPECT_DOUBLE_EQ(Curve()[0].y, 0.0);
    EXPECT_NEAR(Curve()[1].x, 0.999976, 1e-6);
    EXPECT_NEAR(Curve()[1].y, -0.006000, 1e-6);
    for (const Point& point : Response())
        EXPECT_EQ(point.colour, clRed);
    const Point critical = Curve().back();
    EXPECT_EQ(critical.x, -1.0);
    EXPECT_EQ(critical.y, 0.0);
    EXPECT_EQ(critical.colour, clBlue);

    EXPECT_DOUBLE_EQ(chart.RangeOf(PlotAxis::Bottom).min, -2.0);
    EXPECT_DOUBLE_EQ(chart.RangeOf(PlotAxis::Bottom).max, 2.0);
    EXPECT_NEAR(chart.RangeOf(PlotAxis::Left).min, -1.728553, 1e-6);
    EXPECT_NEAR(chart.RangeOf(PlotAxis::Left).max, 1.021447, 1e-6);

    const auto& horizontal = chart.Points(PlotSeries::HorizontalLine);
    ASSERT_EQ(horizontal.size(), 2u);
    EXPECT_DOUBLE_EQ(horizontal[0].x, -3.0);
    EXPECT_DOUBLE_EQ(horizontal[1].x, 3.0);
    const auto& vertical = chart.Points(PlotSeries::VerticalLine);
    ASSERT_EQ(vertical.size(), 2u);
    EXPECT_NEAR(vertical[0].y, -2.185660, 1e-6);
    EXPECT_NEAR(vertical[1].y, 0.064340, 1e-6);
    EXPECT_EQ(vertical[0].colour, clDefault);
}

// The response's samples with their frequencies; the critical point is none.
TEST_F(NyquistRunTest, RecordsEverySampleWithItsFrequency) {
    Run(kWorkedExample);
    const TLabSamples& samples = chart.samples;
    ASSERT_EQ(samples.Size(), 5000u);
    const std::vector<Point> response = Response();
    for (std::size_t i = 0; i < samples.Size(); ++i) {
        EXPECT_EQ(samples[i].x, response[i].x);
        EXPECT_EQ(samples[i].y, response[i].y);
    }
    EXPECT_EQ(samples[0].omega, 0.0);
    EXPECT_EQ(samples[1].omega, 0.002);
    EXPECT_NEAR(samples[4999].omega, 9.998, 1e-9);

    Run({"0", "1", "1", "0", "0", "0", "1"});
    ASSERT_EQ(chart.samples.Size(), 4999u);
    EXPECT_EQ(chart.samples[0].omega, 0.002);
    EXPECT_EQ(chart.samples[1].omega, 0.004);
}

TEST_F(NyquistRunTest, StepsRunInTheirOrder) {
    Run(kWorkedExample);
    const QStringList expected{"Bottom.Minimum", "Bottom.Maximum",     "Left.Minimum",
                               "Left.Maximum",   "clear Curve",        "add Curve",
                               "Bottom.Maximum", "Bottom.Minimum",     "Left.Maximum",
                               "Left.Minimum",   "add HorizontalLine", "add VerticalLine"};
    EXPECT_EQ(chart.log, expected);
}

TEST_F(NyquistRunTest, ZeroA3StartsAtTheFirstStep) {
    Run({"0", "1", "1", "0", "0", "0", "1"});
    const std::vector<Point> response = Response();
    ASSERT_EQ(response.size(), 4999u);
    EXPECT_NEAR(response[0].x, -1.0, 1e-5);
    EXPECT_NEAR(response[0].y, -500.0, 0.01);
    EXPECT_DOUBLE_EQ(chart.RangeOf(PlotAxis::Bottom).min, -2.0);
    EXPECT_NEAR(chart.RangeOf(PlotAxis::Bottom).max, 0.990, 1e-3);
    EXPECT_NEAR(chart.RangeOf(PlotAxis::Left).min, -501.0, 0.01);
    EXPECT_NEAR(chart.RangeOf(PlotAxis::Left).max, 0.999, 1e-3);
}

TEST_F(NyquistRunTest, FullStopsAreReplacedBeforeParsing) {
    Run({"1", "3", "3", "1", "0", "0", "0.5"});
    EXPECT_DOUBLE_EQ(Curve()[0].x, 0.5);
}

TEST_F(NyquistRunTest, ParseErrorLeavesAxesAtZeroAndSeriesUnchanged) {
    Run(kWorkedExample);
    EXPECT_THROW(Run({"1", "3", "3", "1", "0", "x", "1"}), EConvertError);
    EXPECT_EQ(Curve().size(), 5001u);
    EXPECT_EQ(chart.Points(PlotSeries::HorizontalLine).size(), 2u);
    EXPECT_EQ(chart.Points(PlotSeries::VerticalLine).size(), 2u);
    ExpectAxesAtZero();
}

// A zero denominator ends the run at that sample; what was added before stays.
struct FaultCase {
    const char* name;
    QStringList texts;
    bool invalid;      // 0/0 rather than x/0
    bool pointsBefore; // the fault comes after some samples
};

class NyquistFaultTest : public NyquistRunTest, public ::testing::WithParamInterface<FaultCase> {};

TEST_P(NyquistFaultTest, EndsWithTheFaultAndKeepsEarlierPoints) {
    Run(kWorkedExample);
    const FaultCase& c = GetParam();
    if (c.invalid)
        EXPECT_THROW(Run(c.texts), EInvalidOp);
    else
        EXPECT_THROW(Run(c.texts), EZeroDivide);
    EXPECT_EQ(!Curve().empty(), c.pointsBefore);
    // Only the samples before the faulting one: none of a full pass, nothing twice.
    EXPECT_LT(Curve().size(), 5000u);
    std::set<double> seen;
    for (const Point& point : Curve())
        EXPECT_TRUE(seen.insert(point.x).second) << "sample added twice at " << point.x;
    for (const Point& point : Curve())
        EXPECT_EQ(point.colour, clRed); // no critical point
    // The record holds exactly the samples the curve kept, the fast pass undone.
    ASSERT_EQ(chart.samples.Size(), Curve().size());
    for (std::size_t i = 0; i < Curve().size(); ++i)
        EXPECT_EQ(chart.samples[i].x, Curve()[i].x);
    ExpectAxesAtZero();
    EXPECT_EQ(chart.Points(PlotSeries::HorizontalLine).size(), 2u);
}

INSTANTIATE_TEST_SUITE_P(
    Faults, NyquistFaultTest,
    ::testing::Values(FaultCase{"AllZero", {"0", "0", "0", "0", "0", "0", "1"}, true, false},
                      // |A(jω)|² = 1e-320·(1 − ω²)² falls below the subnormals as ω nears 1.
                      FaultCase{"VanishingDenominator",
                                {"0", "1e-160", "0", "1e-160", "0", "0", "1"},
                                false,
                                true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(NyquistRunTest, RangesLeftOfZeroAreShown) {
    // Every U below -1 (and every V too); then every V below -1 with U positive.
    for (const QStringList& texts : {QStringList{"0", "1", "1", "0", "0", "0", "2000"},
                                     QStringList{"0", "1", "1", "0", "0", "1000", "0"}}) {
        SCOPED_TRACE(texts.join(' ').toStdString());
        FakePlotTarget fresh;
        chart = fresh;
        Run(texts);
        const std::vector<Point> response = Response();
        ASSERT_EQ(response.size(), 4999u);
        const auto [minU, maxU] = std::minmax_element(response.begin(), response.end(),
                                                      [](auto& a, auto& b) { return a.x < b.x; });
        const auto [minV, maxV] = std::minmax_element(response.begin(), response.end(),
                                                      [](auto& a, auto& b) { return a.y < b.y; });
        EXPECT_DOUBLE_EQ(chart.RangeOf(PlotAxis::Bottom).min, std::min(minU->x, -1.0) - 1);
        EXPECT_DOUBLE_EQ(chart.RangeOf(PlotAxis::Bottom).max, maxU->x + 1);
        EXPECT_DOUBLE_EQ(chart.RangeOf(PlotAxis::Left).min, minV->y - 1);
        EXPECT_DOUBLE_EQ(chart.RangeOf(PlotAxis::Left).max, maxV->y + 1);
        EXPECT_LT(chart.RangeOf(PlotAxis::Left).max, 0.0);
        EXPECT_EQ(chart.Points(PlotSeries::HorizontalLine).size(), 2u);
        EXPECT_EQ(chart.Points(PlotSeries::VerticalLine).size(), 2u);
    }
}

TEST_F(NyquistRunTest, ThreeRunsAccumulateAxisLinePoints) {
    Run(kWorkedExample);
    Run({"0", "1", "1", "0", "0", "0", "1"});
    Run(kWorkedExample);
    EXPECT_EQ(Curve().size(), 5001u);
    EXPECT_EQ(chart.Points(PlotSeries::HorizontalLine).size(), 6u);
    EXPECT_EQ(chart.Points(PlotSeries::VerticalLine).size(), 6u);
}

TEST_F(NyquistRunTest, PanBelowZeroNoLongerStopsTheNextRun) {
    chart.Pan(PlotAxis::Bottom, -5, -2);
    chart.Pan(PlotAxis::Left, -5, -2);
    Run(kWorkedExample);
    EXPECT_DOUBLE_EQ(chart.RangeOf(PlotAxis::Bottom).min, -2.0);
    EXPECT_DOUBLE_EQ(chart.RangeOf(PlotAxis::Bottom).max, 2.0);
    EXPECT_EQ(chart.log.mid(0, 4),
              (QStringList{"Bottom.Maximum", "Bottom.Minimum", "Left.Maximum", "Left.Minimum"}));
}

} // namespace
