#include "FakeChartParent.h"
#include "FixedMeasure.h"
#include "chart/ChartAxis.h"
#include "ground/AxisException.h"
#include "ground/ParseReal.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <optional>
#include <string>
#include <vector>

namespace {

const std::string MinimumMessage = "Axis Minimum Value must be <= Maximum";
const std::string MaximumMessage = "Axis Maximum Value must be >= Minimum";

// An axis laid out for drawing: its range copied and its pixels set from a
// plotting rectangle whose left/top edge is at 10 and whose length is `length`.
void LayOut(TChartAxis& axis, double low, double high, int length = 300) {
    axis.SetRange(low, high);
    axis.BeginDraw();
    axis.SetPlotRect(QRect(QPoint(10, 10), QPoint(10 + length, 10 + length)));
}

std::vector<double> LabelValues(const TAxisTicks& ticks) {
    std::vector<double> values;
    for (const TAxisLabel& label : ticks.Labels)
        values.push_back(label.Value);
    return values;
}

} // namespace

TEST(ChartAxis, StartsAtZeroAndManual) {
    TChartAxis axis(true);
    EXPECT_EQ(axis.Minimum(), 0);
    EXPECT_EQ(axis.Maximum(), 0);
    EXPECT_FALSE(axis.Automatic());
    EXPECT_TRUE(axis.AxisVisible());
    EXPECT_EQ(axis.TickBand(), 6);
    axis.SetAxisVisible(false);
    EXPECT_EQ(axis.TickBand(), 4);
}

// Each row is a sequence of writes from [0, 0]; the last one is the one judged.
TEST(ChartAxis, WritesAreCheckedAgainstTheOtherEndAsItStands) {
    struct Write {
        bool minimum;
        double value;
    };
    struct Case {
        const char* name;
        std::vector<Write> writes;
        const std::string* error; // null: accepted
        double minimum, maximum;  // the range after the last write
    };
    const std::vector<Case> cases = {
        {"maximum below minimum", {{false, -3}}, &MaximumMessage, 0, 0},
        {"minimum above maximum", {{true, 1}}, &MinimumMessage, 0, 0},
        {"maximum first, then minimum", {{false, 5}, {true, -2}}, nullptr, -2, 5},
        {"minimum first fails", {{true, -2}, {true, 5}}, &MinimumMessage, -2, 0},
        {"equal ends accepted", {{false, 7}, {true, 7}}, nullptr, 7, 7},
        {"minimum equal to maximum", {{false, 3}, {true, 3}, {false, 3}}, nullptr, 3, 3},
        {"reset after a range", {{false, 4}, {true, 1}, {true, 0}, {false, 0}}, nullptr, 0, 0},
        {"negative maximum after reset",
         {{true, 0}, {false, 0}, {false, -1}},
         &MaximumMessage,
         0,
         0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TChartAxis axis(true);
        for (std::size_t i = 0; i + 1 < c.writes.size(); ++i)
            c.writes[i].minimum ? axis.SetMinimum(c.writes[i].value)
                                : axis.SetMaximum(c.writes[i].value);
        const Write& last = c.writes.back();
        try {
            last.minimum ? axis.SetMinimum(last.value) : axis.SetMaximum(last.value);
            EXPECT_EQ(c.error, nullptr) << "accepted";
        } catch (const AxisException& error) {
            ASSERT_NE(c.error, nullptr) << "refused: " << error.what();
            EXPECT_EQ(error.what(), *c.error);
        }
        EXPECT_EQ(axis.Minimum(), c.minimum);
        EXPECT_EQ(axis.Maximum(), c.maximum);
    }
}

TEST(ChartAxis, AxisErrorIsAProgramError) {
    TChartAxis axis(false);
    EXPECT_THROW(axis.SetMaximum(-1), Exception);
}

TEST(ChartAxis, ARangeLeftBelowZeroRefusesTheReset) {
    FakeChartParent chart;
    TChartAxis axis(true, &chart);
    axis.SetRange(-5, -2);
    const int requests = chart.requests;
    for (int run = 0; run < 2; ++run) {
        try {
            axis.SetMinimum(0);
            FAIL() << "accepted";
        } catch (const AxisException& error) {
            EXPECT_EQ(error.what(), MinimumMessage);
        }
    }
    EXPECT_EQ(axis.Minimum(), -5);
    EXPECT_EQ(axis.Maximum(), -2);
    EXPECT_EQ(chart.requests, requests);
}

TEST(ChartAxis, OnlyAChangedValueRequestsARepaint) {
    FakeChartParent chart;
    TChartAxis axis(true, &chart);
    axis.SetMinimum(0);
    axis.SetMaximum(0);
    EXPECT_EQ(chart.requests, 0);
    axis.SetMaximum(3);
    axis.SetMinimum(1);
    EXPECT_EQ(chart.requests, 2);
    axis.SetMinimum(1);
    EXPECT_EQ(chart.requests, 2);
}

TEST(ChartAxis, SetRangeSwapsKeepsAMinimumSpanAndSkipsChecks) {
    struct Case {
        double low, high;
        double minimum, maximum;
    };
    const std::vector<Case> cases = {
        {-5, -2, -5, -2},     // below zero, no check
        {12, -5, -5, 12},     // swapped
        {3, 3, 3, 3 + 1e-10}, // widened to the minimum span
        {1, 1 + 1e-11, 1, double(TExtended(1) + ParseReal(QStringLiteral("1E-10")))},
        {0, 1e-10, 0, 1e-10}, // exactly the minimum span stays
    };
    for (const Case& c : cases) {
        FakeChartParent chart;
        TChartAxis axis(true, &chart);
        axis.SetAutomatic(true);
        axis.SetRange(c.low, c.high);
        EXPECT_EQ(axis.Minimum(), c.minimum) << c.low << ", " << c.high;
        EXPECT_EQ(axis.Maximum(), c.maximum) << c.low << ", " << c.high;
        EXPECT_FALSE(axis.Automatic());
        EXPECT_FALSE(axis.AutomaticMinimum());
        EXPECT_FALSE(axis.AutomaticMaximum());
        EXPECT_EQ(chart.requests, 1);
    }
}

TEST(ChartAxis, HorizontalMappingRunsLeftToRight) {
    TChartAxis axis(true);
    LayOut(axis, -5, 12, 340); // 20 pixels per unit
    EXPECT_EQ(axis.PixelStart(), 10);
    EXPECT_EQ(axis.PixelEnd(), 350);
    EXPECT_EQ(axis.AxisLinePos(), 350); // the bottom edge
    EXPECT_EQ(axis.ValueToPixel(-5), 10);
    EXPECT_EQ(axis.ValueToPixel(12), 350);
    EXPECT_EQ(axis.ValueToPixel(0), 110);
    EXPECT_EQ(axis.ValueToPixel(0.025), 110); // t = 100.5: ties to even
    EXPECT_EQ(axis.ValueToPixel(0.075), 112); // t = 101.5
    EXPECT_EQ(axis.ValueToPixel(-10), -90);   // outside the range: outside the rectangle
    EXPECT_EQ(axis.PixelToValue(110), 0);
    EXPECT_EQ(axis.PixelToValue(10), -5);
    EXPECT_EQ(axis.PixelToValue(350), 12);
}

TEST(ChartAxis, VerticalMappingRunsTopToBottom) {
    TChartAxis axis(false);
    LayOut(axis, -3, 3, 300);
    EXPECT_EQ(axis.AxisLinePos(), 10); // the left edge
    EXPECT_EQ(axis.ValueToPixel(3), axis.PixelStart());
    EXPECT_EQ(axis.ValueToPixel(-3), axis.PixelEnd());
    EXPECT_EQ(axis.ValueToPixel(0), 160);
    EXPECT_EQ(axis.PixelToValue(10), 3);
    EXPECT_EQ(axis.PixelToValue(310), -3);
}

TEST(ChartAxis, PixelsAndValuesRoundTrip) {
    for (bool horizontal : {true, false}) {
        for (auto range : {std::pair{-5.0, 12.0}, std::pair{-1.7286, 1.0214}, std::pair{0.0, 1e-9},
                           std::pair{1e6, 1e6 + 3}}) {
            TChartAxis axis(horizontal);
            LayOut(axis, range.first, range.second, 417);
            for (int p = axis.PixelStart(); p <= axis.PixelEnd(); ++p)
                EXPECT_EQ(axis.ValueToPixel(axis.PixelToValue(p)), p)
                    << horizontal << " " << range.first << " pixel " << p;
        }
    }
}

TEST(ChartAxis, DegenerateAndHugeValuesMapToTheCentre) {
    TChartAxis axis(true);
    LayOut(axis, 0, 0);
    axis.SetMaximum(0); // degenerate range [0, 0] for the drawing
    axis.SetMinimum(0);
    axis.BeginDraw();
    EXPECT_EQ(axis.ViewSpan(), 0);
    EXPECT_EQ(axis.ValueToPixel(0), axis.PixelCentre());
    EXPECT_EQ(axis.ValueToPixel(1e300), axis.PixelCentre());

    LayOut(axis, -1, 1);
    EXPECT_EQ(axis.ValueToPixel(1e300), axis.PixelCentre());
    EXPECT_EQ(axis.ValueToPixel(-1e300), axis.PixelCentre());
    EXPECT_EQ(axis.ValueToPixel(std::numeric_limits<double>::infinity()), axis.PixelCentre());
    EXPECT_EQ(axis.ValueToPixel(std::numeric_limits<double>::quiet_NaN()), axis.PixelCentre());
    // Just inside the integer limit: still a real pixel (clamped, no overflow).
    EXPECT_EQ(axis.ValueToPixel(1e7), 10 + 1500000150);

    // A span beyond the double range: no crash, pixels stay in the rectangle.
    LayOut(axis, -1.5e308, 1.5e308);
    EXPECT_TRUE(std::isinf(axis.ViewSpan()));
    const int p = axis.ValueToPixel(0);
    EXPECT_GE(p, axis.PixelStart());
    EXPECT_LE(p, axis.PixelEnd());
}

// The unrounded place of a value rounds to the pixel of the value, on both axes and
// outside the range too; beyond reach, and without a span, there is none.
TEST(ChartAxis, CoordinatesRoundToTheirPixels) {
    for (bool horizontal : {true, false}) {
        TChartAxis axis(horizontal);
        LayOut(axis, -1.7286, 1.0214, 417);
        for (double v = -9.1234567; v < 9; v += 0.0123) {
            const std::optional<double> c = axis.ValueToCoordinate(v);
            ASSERT_TRUE(c.has_value()) << v;
            EXPECT_EQ(int(std::lround(*c)), axis.ValueToPixel(v)) << horizontal << " " << v;
        }
        for (double far : {1e14, -1e14, 1e300, std::numeric_limits<double>::infinity(),
                           std::numeric_limits<double>::quiet_NaN()})
            EXPECT_FALSE(axis.ValueToCoordinate(far).has_value()) << far;
        LayOut(axis, 2, 2);
        axis.SetMinimum(2);
        axis.SetMaximum(2);
        axis.BeginDraw();
        EXPECT_FALSE(axis.ValueToCoordinate(2).has_value());
    }
}

TEST(ChartAxis, PixelToValueWithoutLengthIsZero) {
    TChartAxis axis(true);
    axis.SetRange(2, 5);
    axis.BeginDraw();
    EXPECT_EQ(axis.PixelToValue(100), 0); // not laid out yet
}

TEST(ChartAxis, BottomAxisTakesItsBandsFromTheBottom) {
    TChartAxis axis(true);
    axis.SetAxisVisible(false);
    axis.BeginDraw();
    QRect rest(QPoint(14, 36), QPoint(437, 428));
    axis.ReserveSpace(rest, FixedMeasure(13));
    EXPECT_EQ(axis.LabelBandPos(), 428 - 13);
    EXPECT_EQ(rest.bottom(), 428 - 13 - 4);
    EXPECT_EQ(rest.left(), 14);
}

TEST(ChartAxis, LeftAxisBandFitsItsWidestLabel) {
    TChartAxis axis(false);
    axis.SetAxisVisible(true);
    axis.SetRange(-1.5, 2);
    axis.BeginDraw();
    QRect rest(QPoint(14, 36), QPoint(437, 411));
    // First drawing: no previous length, step 1e-12, labels "-1.5" and "2" (4 characters).
    axis.ReserveSpace(rest, FixedMeasure());
    EXPECT_EQ(axis.LabelBandPos(), 14 + 4 * 6 + 6);
    EXPECT_EQ(rest.left(), 14 + 30 + 6);
    axis.SetPlotRect(rest);
    // Next drawing: the step of the 375 pixels of the last one is 1, and the outer
    // values are truncated to it: "-1" and "2".
    axis.SetRange(-1.55, 2.15);
    axis.BeginDraw();
    QRect next(QPoint(14, 36), QPoint(437, 411));
    axis.ReserveSpace(next, FixedMeasure());
    EXPECT_EQ(axis.LabelBandPos(), 14 + 2 * 6 + 6);
    // A span below 1: step 0.05 on 375 pixels, "-0.5" for -0.53.
    axis.SetRange(-0.53, 0.3);
    axis.BeginDraw();
    QRect third(QPoint(14, 36), QPoint(437, 411));
    axis.ReserveSpace(third, FixedMeasure());
    EXPECT_EQ(axis.LabelBandPos(), 14 + 4 * 6 + 6);
}

TEST(ChartAxis, LabelsOfASymmetricRangeLeaveOutTheNegativeMinimum) {
    TChartAxis axis(false);
    LayOut(axis, -5, 5, 300);
    const TAxisTicks ticks = axis.CalcTicks(FixedMeasure());
    EXPECT_EQ(ticks.LabelStep, 1);
    EXPECT_EQ(LabelValues(ticks), (std::vector<double>{5, 4, 3, 2, 1, 0, -1, -2, -3, -4}));
    EXPECT_EQ(ticks.Labels.front().Position, axis.PixelStart());
    EXPECT_EQ(ticks.Labels.front().Text, QStringLiteral("5"));
}

TEST(ChartAxis, LabelsIncludeAZeroMinimum) {
    TChartAxis axis(false);
    LayOut(axis, 0, 5, 300);
    const TAxisTicks ticks = axis.CalcTicks(FixedMeasure());
    EXPECT_EQ(LabelValues(ticks), (std::vector<double>{5, 4, 3, 2, 1, 0}));
    EXPECT_EQ(ticks.Labels.back().Position, axis.PixelEnd());
}

TEST(ChartAxis, LabelsOfADecimalRangeComeFromRepeatedSubtraction) {
    TChartAxis axis(false);
    LayOut(axis, 0, 0.3, 300);
    const TAxisTicks ticks = axis.CalcTicks(FixedMeasure());
    // 0.3 / 0.02 falls just short of 15: the first label is 0.28.
    ASSERT_EQ(ticks.Labels.size(), 15u);
    double v = double(ExtendedTrunc(ParseReal(QStringLiteral("3E-1")) / ticks.LabelStep) *
                      ticks.LabelStep);
    for (const TAxisLabel& label : ticks.Labels) {
        EXPECT_EQ(label.Value, v);
        v = double(v - static_cast<TExtended>(ticks.LabelStep));
    }
    // The last value is a rounding residue near zero; it reads as "0", not "-0".
    EXPECT_LT(std::fabs(ticks.Labels.back().Value), 1e-15);
    EXPECT_EQ(ticks.Labels.back().Text, QStringLiteral("0"));
    EXPECT_EQ(ticks.Labels.front().Text, QStringLiteral("0.28"));
}

TEST(ChartAxis, DegenerateRangeShowsOneLabelInTheMiddle) {
    for (bool horizontal : {true, false}) {
        TChartAxis axis(horizontal);
        axis.BeginDraw();
        axis.SetPlotRect(QRect(QPoint(10, 10), QPoint(310, 310)));
        const TAxisTicks ticks = axis.CalcTicks(FixedMeasure());
        EXPECT_EQ(ticks.LabelStep, 1e-12);
        ASSERT_EQ(ticks.Labels.size(), 1u);
        EXPECT_EQ(ticks.Labels[0].Text, QStringLiteral("0"));
        EXPECT_EQ(ticks.Labels[0].Position, 160);
        EXPECT_TRUE(ticks.MinorTicks.empty());
    }
}

TEST(ChartAxis, LabelListsStayBoundedOnDegenerateRangesFarFromZero) {
    // Stepping down by 1e-12 from 1e6 never moves the value: the list ends full.
    TChartAxis axis(false);
    axis.SetMaximum(1e6);
    axis.SetMinimum(1e6);
    axis.BeginDraw();
    axis.SetPlotRect(QRect(QPoint(10, 10), QPoint(310, 310)));
    const TAxisTicks ticks = axis.CalcTicks(FixedMeasure());
    EXPECT_EQ(int(ticks.Labels.size()), TChartAxis::MaxTickPositions);
    // Near 5 the steps are representable: a handful of labels on the middle pixel.
    axis.SetMinimum(5);
    axis.SetMaximum(5);
    axis.BeginDraw();
    const TAxisTicks five = axis.CalcTicks(FixedMeasure());
    EXPECT_GT(five.Labels.size(), 1u);
    EXPECT_LT(five.Labels.size(), 10u);
    for (const TAxisLabel& label : five.Labels)
        EXPECT_EQ(label.Position, axis.PixelCentre());
}

TEST(ChartAxis, HugeRangesDrawNoLabelsAndDoNotHang) {
    TChartAxis axis(true);
    LayOut(axis, -1.5e308, 1.5e308);
    EXPECT_TRUE(axis.CalcTicks(FixedMeasure()).Labels.empty());
    LayOut(axis, -1e300, 1e300);
    const TAxisTicks ticks = axis.CalcTicks(FixedMeasure());
    EXPECT_FALSE(ticks.Labels.empty());
    EXPECT_LE(ticks.Labels.size(), 20u);
}

TEST(ChartAxis, HorizontalLabelSizeComesFromTheWidestEnd) {
    TChartAxis axis(true);
    LayOut(axis, -5, 12, 423);
    // "-5" and "12" are 12 pixels wide: 12 + 1 = 13, 423 / 13 -> 33 labels: step 1.
    EXPECT_EQ(axis.CalcLabelStep(FixedMeasure()), 1);
    LayOut(axis, -5000, 12000, 423);
    // "-5,000" / "12,000": 36 + 4 = 40 -> 11 labels: 17000 needs a step of 2000.
    EXPECT_EQ(axis.CalcLabelStep(FixedMeasure()), 2000);
}
