// The hatching's strokes worked out without a painter: their side, length, direction
// and spacing along straight paths walked either way, the spacing carried round a
// corner, and the cut to the plotting area, for paths that leave it, lie wholly
// outside it, break, or reach billions of pixels away.

#include "chart/HatchStrokes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace {

constexpr double Tolerance = 1e-9;
const QRectF Wide(0, 0, 1000, 1000);

double Length(const QPointF& v) {
    return std::hypot(v.x(), v.y());
}

// The distance of `p` from the line through a and b.
double DistanceFromLine(const QPointF& p, const QPointF& a, const QPointF& b) {
    const QPointF d = b - a;
    return std::fabs(d.x() * (p.y() - a.y()) - d.y() * (p.x() - a.x())) / Length(d);
}

bool Inside(const QRectF& area, const QPointF& p) {
    return p.x() >= area.left() - Tolerance && p.x() <= area.right() + Tolerance &&
           p.y() >= area.top() - Tolerance && p.y() <= area.bottom() + Tolerance;
}

} // namespace

// One straight segment: every stroke starts on it, is 6 long, points along the
// expected unit vector, and the strokes follow at 8 from half a spacing after the start.
TEST(HatchStrokes, StraightPathsAreHatchedOnTheirSideAtTheSpacing) {
    const double s = std::sqrt(0.5);
    struct Case {
        const char* name;
        QPointF from, to;
        int side;
        QPointF towards; // the unit vector every stroke runs along
    };
    const Case cases[] = {
        {"rightwards, left side: up", {20.5, 50.5}, {180.5, 50.5}, +1, {0, -1}},
        {"leftwards, left side: down", {180.5, 50.5}, {20.5, 50.5}, +1, {0, 1}},
        {"rightwards, right side: down", {20.5, 50.5}, {180.5, 50.5}, -1, {0, 1}},
        {"upwards, left side: left", {100.5, 180.5}, {100.5, 20.5}, +1, {-1, 0}},
        {"down and right, left side", {20, 20}, {140, 140}, +1, {s, -s}},
        {"down and right, right side", {20, 20}, {140, 140}, -1, {-s, s}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<QLineF> strokes = HatchStrokes({c.from, c.to}, c.side, Wide);
        const double length = Length(c.to - c.from);
        // At 4, 12, 20 ... up to the length, its end left out.
        const auto expected = std::size_t(std::ceil((length - 4) / 8));
        ASSERT_EQ(strokes.size(), expected);
        const QPointF along = (c.to - c.from) / length;
        for (std::size_t k = 0; k < strokes.size(); ++k) {
            const QLineF& stroke = strokes[k];
            EXPECT_NEAR(DistanceFromLine(stroke.p1(), c.from, c.to), 0, Tolerance);
            const QPointF base = stroke.p1() - c.from;
            EXPECT_NEAR(base.x() * along.x() + base.y() * along.y(), 4 + 8.0 * double(k),
                        Tolerance);
            const QPointF step = stroke.p2() - stroke.p1();
            EXPECT_NEAR(step.x(), 6 * c.towards.x(), Tolerance);
            EXPECT_NEAR(step.y(), 6 * c.towards.y(), Tolerance);
        }
    }
}

// 40 along the first leg and the strokes at 4 ... 36: the next one is 8 further along
// the path, 4 after the corner, on the second leg and square to it.
TEST(HatchStrokes, SpacingRunsOnRoundCorners) {
    const std::vector<QLineF> strokes =
        HatchStrokes({{20.5, 100.5}, {60.5, 100.5}, {60.5, 20.5}}, +1, Wide);
    ASSERT_GE(strokes.size(), 6u);
    EXPECT_NEAR(strokes[4].x1(), 56.5, Tolerance);
    EXPECT_NEAR(strokes[5].x1(), 60.5, Tolerance);
    EXPECT_NEAR(strokes[5].y1(), 96.5, Tolerance);
    // Walking up the screen, the left is towards smaller x.
    EXPECT_NEAR(strokes[5].x2(), 54.5, Tolerance);
    EXPECT_NEAR(strokes[5].y2(), 96.5, Tolerance);
    // 40 + 80 = 120 long: strokes at 4 ... 116, fifteen of them.
    EXPECT_EQ(strokes.size(), 15u);
}

// Nothing outside the area: paths that leave it (towards a point billions of pixels
// away too), run along its edge with strokes pointing out, lie wholly outside, or break.
TEST(HatchStrokes, NothingIsDrawnOutsideTheArea) {
    const QRectF area(QPointF(10, 10), QPointF(200, 100));
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        const char* name;
        std::vector<QPointF> path;
        int side;
        std::size_t minimum, maximum; // how many strokes
    };
    const Case cases[] = {
        // Inside from x = 50 to 200: the strokes at 54, 62 ... 198.
        {"leaves to the right", {{50, 50}, {1e6, 50}}, +1, 19, 19},
        {"leaves far to the right", {{50, 50}, {4e12, 50}}, -1, 19, 19},
        {"crosses from far away", {{-3e13, -3e13}, {3e13, 3e13}}, +1, 5, 20},
        {"along the top edge, pointing out", {{20, 12}, {180, 12}}, +1, 20, 20},
        {"wholly outside", {{-50, -50}, {-10, 500}, {300, 500}}, +1, 0, 0},
        {"a break between two points inside", {{20, 50}, {nan, 50}, {180, 50}}, +1, 0, 0},
        {"infinite point", {{20, 50}, {std::numeric_limits<double>::infinity(), 50}}, +1, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<QLineF> strokes = HatchStrokes(c.path, c.side, area);
        EXPECT_GE(strokes.size(), c.minimum);
        EXPECT_LE(strokes.size(), c.maximum);
        for (const QLineF& stroke : strokes) {
            EXPECT_TRUE(Inside(area, stroke.p1())) << stroke.x1() << " " << stroke.y1();
            EXPECT_TRUE(Inside(area, stroke.p2())) << stroke.x2() << " " << stroke.y2();
            EXPECT_GT(stroke.length(), 0);
            EXPECT_LE(stroke.length(), 6 + Tolerance);
        }
    }
}
