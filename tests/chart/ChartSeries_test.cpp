#include "FakeChartParent.h"
#include "chart/LineSeries.h"
#include "chart/PointSeries.h"
#include "chart/SeriesWindow.h"
#include "ground/Errors.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

struct Point {
    double x;
    double y;
    TColor color;
};

std::vector<Point> Points(const TChartSeries& series) {
    std::vector<Point> points;
    for (int i = 0; i < series.PointCount(); ++i)
        points.push_back({series.XValue(i), series.YValue(i), series.ValueColor(i)});
    return points;
}

void ExpectPoints(const TChartSeries& series, const std::vector<Point>& expected) {
    const std::vector<Point> actual = Points(series);
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(actual[i].x, expected[i].x) << "point " << i;
        EXPECT_EQ(actual[i].y, expected[i].y) << "point " << i;
        EXPECT_EQ(actual[i].color, expected[i].color) << "point " << i;
    }
}

} // namespace

TEST(ChartValueList, InsertionIndexFollowsTheOrder) {
    struct Case {
        TChartListOrder order;
        std::vector<double> stored;
        double value;
        int expected;
    };
    const std::vector<Case> cases = {
        {loAscending, {}, 5, 0},
        {loAscending, {1, 2, 3}, 4, 3},     // larger: appended
        {loAscending, {1, 2, 3}, 3, 3},     // equal to the last: appended
        {loAscending, {1, 2, 3}, 0, 0},     // smaller than all: at the front
        {loAscending, {1, 2, 2, 3}, 2, 3},  // after every equal value
        {loAscending, {1, 1, 1}, 1, 3},     //
        {loAscending, {1, 3, 5}, 4, 2},     //
        {loDescending, {5, 3, 1}, 0, 3},    // mirror image
        {loDescending, {5, 3, 1}, 1, 3},    //
        {loDescending, {5, 3, 3, 1}, 3, 3}, //
        {loDescending, {5, 3, 1}, 6, 0},    //
        {loNone, {5, 1, 3}, 0, 3},          // never sorted
        {loNone, {5, 1, 3}, 9, 3},          //
    };
    for (const Case& c : cases) {
        TChartValueList list(QStringLiteral("X"), loNone);
        for (double v : c.stored)
            list.Insert(list.Count(), v);
        list.SetOrder(c.order);
        EXPECT_EQ(list.InsertionIndex(c.value), c.expected)
            << "order " << c.order << " value " << c.value;
    }
}

TEST(ChartValueList, ReadsThroughTheMultiplierAndChecksIndices) {
    TChartValueList list(QStringLiteral("Y"), loNone);
    list.Insert(0, 2.5);
    list.SetMultiplier(4);
    EXPECT_EQ(list.Value(0), 10.0);
    EXPECT_EQ(list.Stored(0), 2.5);
    EXPECT_THROW(list.Value(1), ERangeError);
    EXPECT_THROW(list.Value(-1), ERangeError);
}

TEST(ChartSeries, DefaultsOfTheColumns) {
    TLineSeries series;
    EXPECT_EQ(series.XValues().Name(), QStringLiteral("X"));
    EXPECT_EQ(series.YValues().Name(), QStringLiteral("Y"));
    EXPECT_EQ(series.XValues().Order(), loAscending);
    EXPECT_EQ(series.YValues().Order(), loNone);
    EXPECT_EQ(series.SeriesColor(), clDefault);
    EXPECT_FALSE(series.Pointer().Visible);
    EXPECT_TRUE(TPointSeries().Pointer().Visible);
}

TEST(ChartSeries, EqualXKeepTheirOrderOfArrival) {
    TLineSeries series;
    EXPECT_EQ(series.AddPoint(1, 5, clRed), 0);
    EXPECT_EQ(series.AddPoint(1, 7, clBlue), 1);
    EXPECT_EQ(series.AddPoint(1, 6, clGreen), 2);
    ExpectPoints(series, {{1, 5, clRed}, {1, 7, clBlue}, {1, 6, clGreen}});
}

TEST(ChartSeries, PointsAreStoredByAscendingXWithTheirYAndColour) {
    TLineSeries series;
    EXPECT_EQ(series.AddPoint(3, 30, clRed), 0);
    EXPECT_EQ(series.AddPoint(1, 10, clBlue), 0);
    EXPECT_EQ(series.AddPoint(2, 20, clGreen), 1);
    ExpectPoints(series, {{1, 10, clBlue}, {2, 20, clGreen}, {3, 30, clRed}});
    // Smaller than every x: index 0; equal to the last: appended.
    EXPECT_EQ(series.AddPoint(-1, 0, clRed), 0);
    EXPECT_EQ(series.AddPoint(3, 31, clRed), 4);
    EXPECT_EQ(series.YValue(4), 31);
}

TEST(ChartSeries, ReversedInputIsStoredReversed) {
    TLineSeries series;
    for (int i = 0; i < 100; ++i)
        EXPECT_EQ(series.AddPoint(100 - i, i, clRed), 0);
    for (int i = 0; i < 100; ++i) {
        EXPECT_EQ(series.XValue(i), i + 1);
        EXPECT_EQ(series.YValue(i), 99 - i);
    }
}

TEST(ChartSeries, UnorderedColumnKeepsTheOrderAdded) {
    TLineSeries series;
    series.XValues().SetOrder(loNone);
    series.AddPoint(3, 1, clRed);
    series.AddPoint(1, 2, clRed);
    EXPECT_EQ(series.AddPoint(2, 3, clRed), 2);
    ExpectPoints(series, {{3, 1, clRed}, {1, 2, clRed}, {2, 3, clRed}});
}

TEST(ChartSeries, DefaultColourResolvesToTheSeriesColourWhenRead) {
    TLineSeries series;
    series.SetSeriesColor(clGreen);
    series.AddPoint(0, 0, clDefault);
    series.AddPoint(1, 0, clRed);
    EXPECT_EQ(series.ValueColor(0), clGreen);
    EXPECT_EQ(series.ValueColor(1), clRed); // its own colour, whatever the series'
    // Stored unresolved: a later series colour applies to the default points only.
    series.SetSeriesColor(clBlack);
    EXPECT_EQ(series.ValueColor(0), clBlack);
    EXPECT_EQ(series.ValueColor(1), clRed);
    // Beyond the colour list: the series colour.
    EXPECT_EQ(series.ValueColor(2), clBlack);
}

TEST(ChartSeries, AddAndClearRequestRepaints) {
    FakeChartParent chart;
    TLineSeries series;
    series.SetParentChart(&chart);
    series.AddPoint(1, 1, clRed);
    series.AddPoint(0, 1, clRed);
    EXPECT_EQ(chart.requests, 2);
    series.ClearPoints();
    EXPECT_EQ(series.PointCount(), 0);
    EXPECT_EQ(chart.requests, 3);
    // Clearing an empty series still asks.
    series.ClearPoints();
    EXPECT_EQ(chart.requests, 4);
}

TEST(ChartSeries, DyingChartGetsNoRequests) {
    FakeChartParent chart;
    TLineSeries series;
    series.SetParentChart(&chart);
    series.AddPoint(1, 1, clRed);
    const int alive = chart.requests;
    chart.destroying = true;
    series.ClearPoints();
    EXPECT_EQ(chart.requests, alive);
}

TEST(ChartSeries, WithoutAChartNothingIsRequested) {
    TLineSeries series;
    EXPECT_EQ(series.AddPoint(1, 2, clRed), 0);
    series.ClearPoints();
    EXPECT_EQ(series.PointCount(), 0);
}

TEST(ChartSeries, ChangingTheLookRequestsARepaintOnlyOnChange) {
    FakeChartParent chart;
    TLineSeries series;
    series.SetParentChart(&chart);
    series.SetSeriesColor(clRed);
    series.SetSeriesColor(clRed);
    series.SetLinePenWidth(2);
    series.SetLinePenWidth(2);
    EXPECT_EQ(chart.requests, 2);
    EXPECT_EQ(series.LinePen().Width, 2);
}

TEST(SeriesWindow, VisitsThePointsOfTheRangeAndOneBeyond) {
    struct Case {
        std::vector<double> xs;
        double left, right;
        int first, last;
    };
    const std::vector<Case> cases = {
        {{-30, 30}, -5, 12, 1, 1},       // a horizontal axis line: only its right end
        {{0, 0}, 1, 9, -1, -1},          // a vertical axis line left of the range
        {{20, 30}, -5, 12, 0, 0},        // all right of the range: the first one only
        {{1, 2, 3, 4}, 0, 10, 0, 3},     //
        {{1, 2, 3, 4}, 2, 10, 1, 3},     // a point exactly on the left edge is visible
        {{1, 2, 3, 4, 5}, 0, 2.5, 0, 2}, // one past the right edge
        {{1, 2, 3, 4, 5}, 0, 3, 0, 2},   // exactly on the right edge is the end
        {{}, 0, 1, -1, -1},
    };
    for (const Case& c : cases) {
        TLineSeries series;
        for (double x : c.xs)
            series.AddPoint(x, 0, clRed);
        const TSeriesWindow window = VisibleWindow(series, c.left, c.right);
        EXPECT_EQ(window.First, c.first) << c.left << ".." << c.right;
        EXPECT_EQ(window.Last, c.last) << c.left << ".." << c.right;
    }
}
