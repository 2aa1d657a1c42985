#include "chart/ChartAxis.h"
#include "chart/ChartZoom.h"

#include <gtest/gtest.h>

namespace {

// Two axes laid out on the plotting rectangle (100, 50)-(440, 350): 340 pixels
// for [-5, 12] horizontally (20 per unit), 300 for [-3, 3] vertically (50 per unit).
class ChartZoomTest : public ::testing::Test {
  protected:
    void SetUp() override {
        bottom.SetMaximum(12);
        bottom.SetMinimum(-5);
        left.SetMaximum(3);
        left.SetMinimum(-3);
        Draw();
    }
    // What a drawing does to the axes: copies the ranges, sets the pixels.
    void Draw() {
        bottom.BeginDraw();
        left.BeginDraw();
        bottom.SetPlotRect(plot);
        left.SetPlotRect(plot);
    }
    void ExpectRanges(double bmin, double bmax, double lmin, double lmax) {
        EXPECT_DOUBLE_EQ(bottom.Minimum(), bmin);
        EXPECT_DOUBLE_EQ(bottom.Maximum(), bmax);
        EXPECT_DOUBLE_EQ(left.Minimum(), lmin);
        EXPECT_DOUBLE_EQ(left.Maximum(), lmax);
    }
    TChartZoom::TZoomResult Drag(QPoint from, QPoint to) {
        zoom.StartZoom(from);
        zoom.MoveZoom((from + to) / 2);
        zoom.MoveZoom(to);
        return zoom.FinishZoom(to);
    }

    const QRect plot{QPoint(100, 50), QPoint(440, 350)};
    TChartAxis bottom{true};
    TChartAxis left{false};
    TChartZoom zoom{bottom, left};
};

} // namespace

TEST_F(ChartZoomTest, SmallDragsChangeNothing) {
    for (QPoint to : {QPoint(216, 216), QPoint(216, 300), QPoint(300, 216), QPoint(184, 184),
                      QPoint(200, 200)}) {
        EXPECT_EQ(Drag(QPoint(200, 200), to), TChartZoom::zrNone) << to.x() << "," << to.y();
        ExpectRanges(-5, 12, -3, 3);
        EXPECT_TRUE(zoom.Restored());
        EXPECT_FALSE(zoom.ZoomActive());
    }
}

TEST_F(ChartZoomTest, DragRightAndDownZoomsToTheRectangle) {
    // x 200 -> 0, 300 -> 5; y 100 -> 2, 200 -> 0.
    EXPECT_EQ(Drag(QPoint(200, 100), QPoint(300, 200)), TChartZoom::zrZoomedIn);
    ExpectRanges(0, 5, 0, 2);
    EXPECT_FALSE(zoom.Restored());
    EXPECT_TRUE(bottom.Minimum() <= bottom.Maximum());
}

TEST_F(ChartZoomTest, DragUpOrLeftUndoesToTheFirstSavedScales) {
    Drag(QPoint(200, 100), QPoint(300, 200));
    Draw();
    Drag(QPoint(150, 100), QPoint(300, 250)); // a second zoom inside the first
    Draw();
    // A lab run in between writes its own range; the undo still goes back.
    bottom.SetMaximum(7);
    Draw();
    for (auto drag : {std::pair{QPoint(300, 300), QPoint(200, 200)},    // up and left
                      std::pair{QPoint(300, 200), QPoint(200, 300)},    // left and down
                      std::pair{QPoint(200, 300), QPoint(300, 200)}}) { // right and up
        EXPECT_EQ(Drag(drag.first, drag.second), TChartZoom::zrUndone);
        ExpectRanges(-5, 12, -3, 3);
        EXPECT_TRUE(zoom.Restored());
        Draw();
        Drag(QPoint(200, 100), QPoint(300, 200));
        Draw();
    }
}

TEST_F(ChartZoomTest, UndoWithoutAZoomKeepsTheRanges) {
    bottom.SetMaximum(20);
    EXPECT_EQ(Drag(QPoint(300, 300), QPoint(200, 200)), TChartZoom::zrUndone);
    ExpectRanges(-5, 20, -3, 3);
}

TEST_F(ChartZoomTest, PanFollowsTheMouseInsideThePlot) {
    zoom.StartPan(QPoint(200, 200));
    // 20 pixels right and 50 down: the ranges move 1 left and 1 up.
    EXPECT_TRUE(zoom.MovePan(QPoint(220, 250), plot));
    ExpectRanges(-6, 11, -2, 4);
    EXPECT_FALSE(zoom.Restored());
    EXPECT_FALSE(zoom.MovePan(QPoint(220, 250), plot)); // same point: nothing
    // Leaving the plot ends the pan where it left; later moves change nothing.
    EXPECT_FALSE(zoom.MovePan(QPoint(450, 250), plot));
    EXPECT_FALSE(zoom.PanActive());
    EXPECT_FALSE(zoom.MovePan(QPoint(240, 250), plot));
    ExpectRanges(-6, 11, -2, 4);
    // The undo goes back to the ranges from before the pan.
    zoom.Undo();
    ExpectRanges(-5, 12, -3, 3);
}

TEST_F(ChartZoomTest, PanCanLeaveTheRangeBelowZero) {
    zoom.StartPan(QPoint(110, 200));
    zoom.MovePan(QPoint(430, 200), plot); // 320 pixels: 16 units
    EXPECT_DOUBLE_EQ(bottom.Minimum(), -21);
    EXPECT_DOUBLE_EQ(bottom.Maximum(), -4);
    zoom.EndPan();
    EXPECT_FALSE(zoom.PanActive());
}

TEST_F(ChartZoomTest, NoPanWhileZoomingAndNoZoomWhilePanning) {
    zoom.StartZoom(QPoint(200, 200));
    zoom.StartPan(QPoint(200, 200));
    EXPECT_FALSE(zoom.PanActive());
    zoom.FinishZoom(QPoint(200, 200));
    zoom.StartPan(QPoint(200, 200));
    zoom.StartZoom(QPoint(250, 250));
    EXPECT_FALSE(zoom.ZoomActive());
}

TEST_F(ChartZoomTest, WheelMovesTheVerticalAxisByThreePercentPerNotch) {
    zoom.Wheel(1);
    ExpectRanges(-5, 12, -2.82, 3.18);
    zoom.Wheel(-1);
    // Down by 3 % of the same span: back where it started.
    ExpectRanges(-5, 12, -3, 3);
    zoom.Wheel(-2);
    EXPECT_NEAR(left.Minimum(), -3.36, 1e-12);
    EXPECT_TRUE(zoom.Restored()); // the wheel saves nothing for the undo
}
