#include "chart/ChartAxis.h"
#include "chart/ChartReadout.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

// Points with fixed orders; the text of a point is its index.
class FixedSource : public TReadoutSource {
  public:
    explicit FixedSource(std::vector<TReadoutPoint> points) : points_(std::move(points)) {}
    void CollectPoints(std::vector<TReadoutPoint>& points) const override { points = points_; }
    QString Text(std::size_t index) const override { return QString::number(index); }

  private:
    std::vector<TReadoutPoint> points_;
};

// Both axes over the plotting rectangle (10, 10)-(110, 110): values 0..100 give one
// pixel per unit; x grows to the right from 10, y upwards from 110.
struct Axes {
    TChartAxis horizontal{true};
    TChartAxis vertical{false};
    Axes() { LayOut(0, 100, 0, 100); }
    void LayOut(double xlow, double xhigh, double ylow, double yhigh) {
        for (auto [axis, low, high] :
             {std::tuple{&horizontal, xlow, xhigh}, std::tuple{&vertical, ylow, yhigh}}) {
            axis->SetRange(low, high);
            axis->BeginDraw();
            axis->SetPlotRect(QRect(QPoint(10, 10), QPoint(110, 110)));
        }
    }
};

struct Case {
    const char* name;
    std::vector<TReadoutPoint> points;
    QPoint pointer;
    int expected; // index, -1: none
};

class NearestPointTest : public ::testing::TestWithParam<Case> {};

TEST_P(NearestPointTest, FindsTheNearestDrawnPointWithinReach) {
    const Case& c = GetParam();
    Axes axes;
    TChartReadout readout;
    readout.SetSource(std::make_unique<FixedSource>(c.points));
    const TReadoutHit hit = readout.Nearest(c.pointer, axes.horizontal, axes.vertical);
    EXPECT_EQ(hit.Index, c.expected);
    if (hit.Found()) {
        const TReadoutPoint& p = c.points[std::size_t(hit.Index)];
        EXPECT_EQ(hit.Pixel, QPoint(10 + int(p.X), 110 - int(p.Y)));
        EXPECT_EQ(readout.Text(hit.Index), QString::number(hit.Index));
    }
}

// The pixel of (50, 50) is (60, 60).
INSTANTIATE_TEST_SUITE_P(
    Rule, NearestPointTest,
    ::testing::Values(
        Case{"NearestWinsOverSmallerOrder", {{50, 50, 0}, {53, 50, 9}}, {62, 60}, 1},
        Case{"TieGoesToTheSmallerOrder", {{48, 50, 2}, {52, 50, -1}, {50, 48, 1}}, {60, 60}, 1},
        Case{"TieOnOnePixelWithEqualOrdersGoesToTheFirst",
             {{50, 50, 1}, {50.2, 50, 1}},
             {60, 60},
             0},
        Case{"EightPixelsAwayIsInReach", {{58, 50, 0}}, {60, 60}, 0},
        Case{"NinePixelsAwayIsNot", {{59, 50, 0}}, {60, 60}, -1},
        Case{"ReachIsARoundDisc", {{55, 44, 0}}, {60, 60}, 0},          // 61 px²
        Case{"OutsideTheDiscCornerIsNot", {{44, 56, 0}}, {60, 60}, -1}, // 72 px²
        // Beyond the range the point is not drawn, though its pixel lies near.
        Case{"PointLeftOfTheRangeIsNotDrawn", {{-2, 50, 0}}, {10, 60}, -1},
        Case{"PointAboveTheRangeIsNotDrawn", {{50, 101, 0}}, {60, 10}, -1},
        Case{"NoPoints", {}, {60, 60}, -1}),
    [](const auto& info) { return std::string(info.param.name); });

// A zoom changes which point is nearest: the points are placed again on the new
// layout once the chart says so.
TEST(ChartReadout, FollowsTheLayoutOfTheLastDrawing) {
    Axes axes;
    TChartReadout readout;
    readout.SetSource(std::make_unique<FixedSource>(
        std::vector<TReadoutPoint>{{50, 50, 0}, {51, 50, 0}})); // pixels 60 and 61
    const QPoint pointer(62, 60);
    EXPECT_EQ(readout.Nearest(pointer, axes.horizontal, axes.vertical).Index, 1);

    axes.LayOut(40, 60, 0, 100); // 5 pixels per unit: 60 and 65
    readout.Invalidate();
    const TReadoutHit hit = readout.Nearest(pointer, axes.horizontal, axes.vertical);
    EXPECT_EQ(hit.Index, 0);
    EXPECT_EQ(hit.Pixel, QPoint(60, 60));

    axes.LayOut(55, 75, 0, 100); // both left of the range now
    readout.Invalidate();
    EXPECT_FALSE(readout.Nearest(QPoint(10, 60), axes.horizontal, axes.vertical).Found());
}

} // namespace
