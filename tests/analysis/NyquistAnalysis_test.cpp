#include "AnalysisTestSupport.h"
#include "ReferenceRoots.h"

#include "analysis/NyquistAnalysis.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <functional>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr long double kDegrees = 57.295779513082320876798154814105170332L;

long double AtanDegrees(long double t) {
    return std::atan(t) * kDegrees;
}

// The roots of f on [0, top]: sign changes on a fine logarithmic grid, bisected, and
// the points where it is exactly zero (f continuous away from its poles, which the
// callers keep out of the grid or give a sign on both sides).
std::vector<long double> ReferenceRoots(const std::function<long double(long double)>& f,
                                        long double top) {
    std::vector<long double> roots;
    std::vector<long double> grid{0};
    for (long double x = 1e-6L; x <= top; x *= 1.001L)
        grid.push_back(x);
    for (std::size_t i = 0; i < grid.size(); ++i) {
        const long double here = f(grid[i]);
        if (here == 0) {
            roots.push_back(grid[i]);
            continue;
        }
        if (i + 1 == grid.size())
            break;
        const long double next = f(grid[i + 1]);
        if (next == 0 || (here < 0) == (next < 0))
            continue;
        long double a = grid[i], b = grid[i + 1];
        for (int step = 0; step < 200; ++step) {
            const long double m = (a + b) / 2;
            if ((f(m) < 0) == (here < 0))
                a = m;
            else
                b = m;
        }
        roots.push_back((a + b) / 2);
    }
    return roots;
}

struct NyquistCase {
    std::string name;
    TOpenLoopCoefficients c;
    // |W|^2 as a function of x = w^2, and the continuous phase in degrees as a function
    // of w, both from the factors of W, not from its coefficients.
    std::function<long double(long double)> magnitudeSquared;
    std::function<long double(long double)> phase;
    std::vector<long double> phaseCrossovers; // w
    std::vector<long double> gainMargins;     // the factor at each
    std::vector<long double> axisPoles;
    TStabilityVerdict closedLoop;
    int closedLoopRight;
};

// K / ((T1 p + 1)(T2 p + 1)(T3 p + 1)), its coefficients rounded to doubles as the
// fields hold them.
NyquistCase ThreeLags(std::string name, long double t1, long double t2, long double t3,
                      long double k) {
    const long double a0 = t1 * t2 * t3;
    const long double a1 = t1 * t2 + t1 * t3 + t2 * t3;
    const long double a2 = t1 + t2 + t3;
    const long double critical = a2 * a1 / a0 - 1;
    NyquistCase c;
    c.name = std::move(name);
    c.c = {static_cast<double>(a0), static_cast<double>(a1), static_cast<double>(a2), 1, 0, 0,
           static_cast<double>(k)};
    c.magnitudeSquared = [=](long double x) {
        return k * k / ((1 + t1 * t1 * x) * (1 + t2 * t2 * x) * (1 + t3 * t3 * x));
    };
    c.phase = [=](long double w) {
        return -(AtanDegrees(t1 * w) + AtanDegrees(t2 * w) + AtanDegrees(t3 * w));
    };
    c.phaseCrossovers = {std::sqrt(a2 / a0)};
    c.gainMargins = {critical / k};
    c.closedLoop = k < critical ? TStabilityVerdict::Stable : TStabilityVerdict::Unstable;
    c.closedLoopRight = k < critical ? 0 : 2;
    return c;
}

// K / (p (T p + 1)): an integrator, no phase crossover.
NyquistCase Integrator(std::string name, long double t, long double k) {
    NyquistCase c;
    c.name = std::move(name);
    c.c = {0, static_cast<double>(t), 1, 0, 0, 0, static_cast<double>(k)};
    c.magnitudeSquared = [=](long double x) { return k * k / (x * (1 + t * t * x)); };
    c.phase = [=](long double w) { return -90 - AtanDegrees(t * w); };
    c.axisPoles = {0};
    c.closedLoop = TStabilityVerdict::Stable;
    c.closedLoopRight = 0;
    return c;
}

class NyquistTest : public testing::TestWithParam<NyquistCase> {};

TEST_P(NyquistTest, CrossoversAndMargins) {
    const NyquistCase& c = GetParam();
    const TNyquistAnalysis n = AnalyseNyquist(c.c);
    ASSERT_EQ(n.status, TAnalysisStatus::Ok);

    ASSERT_EQ(n.phaseCrossovers.size(), c.phaseCrossovers.size());
    for (std::size_t i = 0; i < c.phaseCrossovers.size(); ++i) {
        const TPhaseCrossover& pc = n.phaseCrossovers[i];
        EXPECT_TRUE(Near(ToLongDouble(pc.omega), c.phaseCrossovers[i], 1e-12L));
        EXPECT_TRUE(Near(ToLongDouble(pc.gainMargin), c.gainMargins[i], 1e-12L))
            << ToLongDouble(pc.gainMargin) << " " << c.gainMargins[i];
        EXPECT_TRUE(Near(ToLongDouble(pc.re), -1 / c.gainMargins[i], 1e-12L));
        EXPECT_TRUE(Near(ToLongDouble(pc.gainMarginDb), 20 * std::log10(c.gainMargins[i]), 1e-12L));
    }

    const std::vector<long double> gain =
        ReferenceRoots([&](long double x) { return c.magnitudeSquared(x) - 1; }, 1e6L);
    ASSERT_EQ(n.gainCrossovers.size(), gain.size());
    for (std::size_t i = 0; i < gain.size(); ++i) {
        const TGainCrossover& gc = n.gainCrossovers[i];
        const long double omega = std::sqrt(gain[i]);
        EXPECT_TRUE(Near(ToLongDouble(gc.omega), omega, 1e-12L)) << ToLongDouble(gc.omega);
        ASSERT_TRUE(gc.phaseKnown);
        const long double phase = c.phase(omega);
        EXPECT_NEAR(ToLongDouble(gc.phaseDegrees), phase, 1e-9L);
        EXPECT_NEAR(ToLongDouble(gc.phaseMarginDegrees), 180 + phase, 1e-9L);
        const long double re = ToLongDouble(gc.re), im = ToLongDouble(gc.im);
        EXPECT_NEAR(re * re + im * im, 1, 1e-12L);
        EXPECT_NEAR(std::remainder(std::atan2(im, re) * kDegrees - phase, 360.0L), 0, 1e-9L);
    }

    ASSERT_EQ(n.axisPoles.size(), c.axisPoles.size());
    for (std::size_t i = 0; i < c.axisPoles.size(); ++i)
        EXPECT_TRUE(Near(ToLongDouble(n.axisPoles[i]), c.axisPoles[i], 1e-18L));
    EXPECT_EQ(n.closedLoopVerdict, c.closedLoop);
    EXPECT_EQ(n.closedLoopCount.right, c.closedLoopRight);
    EXPECT_FALSE(n.phaseCrossoverUncertain);
    EXPECT_FALSE(n.gainCrossoverUncertain);
}

NyquistCase CoursePlant(long double k) {
    // 0,005 p^3 + 0,135 p^2 + 0,75 p + 1 = (0,5p + 1)(0,2p + 1)(0,05p + 1), as typed.
    NyquistCase c = ThreeLags("", 0.5L, 0.2L, 0.05L, k);
    c.c.a0 = 0.005;
    c.c.a1 = 0.135;
    c.c.a2 = 0.75;
    c.phaseCrossovers = {std::sqrt(150.0L)};
    c.gainMargins = {19.25L / k};
    c.name = "course_plant_K" + std::to_string(static_cast<int>(k));
    return c;
}

NyquistCase PoleOnTheAxis() {
    // 0,5 / ((p^2 + 1)(p + 1)): the phase drops by 180 degrees at the pole w = 1, where
    // W goes out to infinity without crossing the negative real axis.
    NyquistCase c;
    c.name = "pole_on_the_axis";
    c.c = {1, 1, 1, 1, 0, 0, 0.5};
    c.magnitudeSquared = [](long double x) { return 0.25L / ((1 - x) * (1 - x) * (1 + x)); };
    c.phase = [](long double w) { return -AtanDegrees(w) - (w > 1 ? 180 : 0); };
    c.axisPoles = {1};
    c.closedLoop = TStabilityVerdict::Unstable; // p^3 + p^2 + p + 1,5: delta2 < 0
    c.closedLoopRight = 2;
    return c;
}

NyquistCase ZeroOnTheAxis() {
    // 4(p^2 + 1) / (p + 1)^3: W passes through 0 at w = 1, where its phase goes up by
    // 180 degrees; at w = sqrt(3), W = 1 exactly.
    NyquistCase c;
    c.name = "zero_on_the_axis";
    c.c = {1, 3, 3, 1, 4, 0, 4};
    c.magnitudeSquared = [](long double x) { return 16 * (1 - x) * (1 - x) / std::pow(1 + x, 3); };
    c.phase = [](long double w) { return (w > 1 ? 180 : 0) - 3 * AtanDegrees(w); };
    c.closedLoop = TStabilityVerdict::Stable; // p^3 + 7p^2 + 3p + 5
    c.closedLoopRight = 0;
    return c;
}

// 10 / (p + 1)^3: at the gain crossover the phase is below -180 degrees, and the
// margin negative, never a wrapped 353 degrees.
NyquistCase TripleLag() {
    return ThreeLags("triple_lag", 1, 1, 1, 10);
}

INSTANTIATE_TEST_SUITE_P(
    OpenLoops, NyquistTest,
    testing::Values(CoursePlant(5), CoursePlant(40), ThreeLags("lags_1_1_1", 1, 1, 1, 2),
                    ThreeLags("lags_1_2_3", 1, 2, 3, 1.5L),
                    ThreeLags("lags_01_1_10", 0.1L, 1, 10, 20),
                    ThreeLags("lags_2_03_007", 2, 0.3L, 0.07L, 100),
                    ThreeLags("lags_under_unit_gain", 0.5L, 0.2L, 0.05L, 0.5L), TripleLag(),
                    Integrator("integrator_1_1", 1, 1), Integrator("integrator_01_10", 0.1L, 10),
                    Integrator("integrator_2_100", 2, 100), PoleOnTheAxis(), ZeroOnTheAxis()),
    [](const testing::TestParamInfo<NyquistCase>& info) { return info.param.name; });

TEST(Nyquist, CoursePlantInDetail) {
    const TNyquistAnalysis five = AnalyseNyquist({0.005, 0.135, 0.75, 1, 0, 0, 5});
    ASSERT_EQ(five.phaseCrossovers.size(), 1u);
    EXPECT_NEAR(ToLongDouble(five.phaseCrossovers[0].omega), 12.247L, 5e-4L);
    EXPECT_NEAR(ToLongDouble(five.phaseCrossovers[0].gainMargin), 3.85L, 1e-12L);
    EXPECT_NEAR(ToLongDouble(five.phaseCrossovers[0].gainMarginDb), 11.709L, 1e-3L);
    EXPECT_EQ(five.staticGain.kind, TStaticGainKind::Finite);
    EXPECT_EQ(ToLongDouble(five.staticGain.value), 5);
    ASSERT_EQ(five.gainCrossovers.size(), 1u);
    EXPECT_GT(ToLongDouble(five.gainCrossovers[0].phaseMarginDegrees), 0);

    const TNyquistAnalysis forty = AnalyseNyquist({0.005, 0.135, 0.75, 1, 0, 0, 40});
    ASSERT_EQ(forty.phaseCrossovers.size(), 1u);
    EXPECT_NEAR(ToLongDouble(forty.phaseCrossovers[0].gainMargin), 0.481L, 5e-4L);
    EXPECT_NEAR(ToLongDouble(forty.phaseCrossovers[0].gainMarginDb), -6.35L, 5e-3L);
    EXPECT_EQ(forty.closedLoopCount.right, 2);
    EXPECT_EQ(forty.closedLoopVerdict, TStabilityVerdict::Unstable);
    ASSERT_EQ(forty.gainCrossovers.size(), 1u);
    EXPECT_LT(ToLongDouble(forty.gainCrossovers[0].phaseMarginDegrees), 0);
    EXPECT_GT(ToLongDouble(forty.gainCrossovers[0].phaseMarginDegrees), -180);

    // Either side of the critical gain 19,25 (the typed coefficients hold it only to
    // their rounding, so the boundary itself is checked on exact ones below).
    EXPECT_EQ(AnalyseNyquist({0.005, 0.135, 0.75, 1, 0, 0, 19.2}).closedLoopVerdict,
              TStabilityVerdict::Stable);
    const TNyquistAnalysis above = AnalyseNyquist({0.005, 0.135, 0.75, 1, 0, 0, 19.3});
    EXPECT_EQ(above.closedLoopVerdict, TStabilityVerdict::Unstable);
    EXPECT_EQ(above.closedLoopCount.right, 2);

    // 1 + K = 9 on (p + 1)^3 with K = 8, the critical gain: the closed loop on the
    // boundary, its poles +-j sqrt(3).
    const TNyquistAnalysis critical = AnalyseNyquist({1, 3, 3, 1, 0, 0, 8});
    EXPECT_EQ(critical.closedLoopVerdict, TStabilityVerdict::Boundary);
    EXPECT_EQ(critical.closedLoopCount.onAxis, 2);
    ASSERT_EQ(critical.phaseCrossovers.size(), 1u);
    EXPECT_EQ(ToLongDouble(critical.phaseCrossovers[0].gainMargin), 1);
    EXPECT_EQ(ToLongDouble(critical.phaseCrossovers[0].gainMarginDb), 0);
}

TEST(Nyquist, StaticGainAndDegenerateResponses) {
    const TNyquistAnalysis integrator = AnalyseNyquist({0, 1, 1, 0, 0, 0, 1});
    EXPECT_EQ(integrator.staticGain.kind, TStaticGainKind::Infinite);

    const TNyquistAnalysis shared = AnalyseNyquist({0, 1, 1, 0, 0, 1, 0});
    EXPECT_EQ(shared.staticGain.kind, TStaticGainKind::Indeterminate);

    const TNyquistAnalysis zero = AnalyseNyquist({1, 3, 3, 1, 0, 0, 0});
    EXPECT_EQ(zero.status, TAnalysisStatus::Ok);
    EXPECT_EQ(zero.staticGain.kind, TStaticGainKind::NumeratorZero);
    EXPECT_TRUE(zero.phaseCrossovers.empty());
    EXPECT_TRUE(zero.gainCrossovers.empty());
    EXPECT_EQ(zero.closedLoopVerdict, TStabilityVerdict::Stable);

    EXPECT_EQ(AnalyseNyquist({0, 0, 0, 0, 1, 2, 3}).status, TAnalysisStatus::IdenticallyZero);

    // W = (p^2 + 2p + 3) / (p^2 + 2p + 3) = 1 at every frequency.
    const TNyquistAnalysis one = AnalyseNyquist({0, 1, 2, 3, 1, 2, 3});
    EXPECT_TRUE(one.unitMagnitudeEverywhere);
    EXPECT_TRUE(one.responseOnRealAxis);
    EXPECT_TRUE(one.gainCrossovers.empty());

    // A negative gain: W(0) = -1 on the negative real axis, a phase lag of 180 degrees.
    const TNyquistAnalysis negative = AnalyseNyquist({0, 0, 1, 1, 0, 0, -1});
    ASSERT_EQ(negative.gainCrossovers.size(), 1u);
    EXPECT_EQ(ToLongDouble(negative.gainCrossovers[0].omega), 0);
    EXPECT_EQ(ToLongDouble(negative.gainCrossovers[0].phaseDegrees), -180);
    EXPECT_EQ(ToLongDouble(negative.gainCrossovers[0].phaseMarginDegrees), 0);
}

TEST(Nyquist, TouchingAndNearlyTouchingUnitMagnitude) {
    // 4 / (p^2 + 2p + 5): |A|^2 - 16 = (w^2 - 3)^2, |W| reaches 1 at w = sqrt(3) only.
    const TNyquistAnalysis touching = AnalyseNyquist({0, 1, 2, 5, 0, 0, 4});
    ASSERT_EQ(touching.gainCrossovers.size(), 1u);
    EXPECT_TRUE(touching.gainCrossovers[0].touching);
    EXPECT_TRUE(Near(ToLongDouble(touching.gainCrossovers[0].omega), std::sqrt(3.0L), 1e-18L));
    EXPECT_FALSE(touching.gainCrossoverUncertain);

    // 9 / (9p^2 + 6p + 5) - the same at w^2 = 1/3, which no extended number holds: the
    // arithmetic still reaches zero exactly at the nearest one.
    const TNyquistAnalysis third = AnalyseNyquist({0, 9, 6, 5, 0, 0, 4});
    ASSERT_EQ(third.gainCrossovers.size(), 1u);
    EXPECT_TRUE(third.gainCrossovers[0].touching);
    EXPECT_TRUE(Near(ToLongDouble(third.gainCrossovers[0].omega), std::sqrt(1.0L / 3), 1e-18L));

    // (a3 - 1) / (9p^2 + 3(m-1)p + a3) with m = 131075, a3 = (m^2 + 1)/2: the gain
    // polynomial is (9w^2 - m)^2 exactly, but its constant term a3^2 - (a3 - 1)^2 = m^2
    // cancels two 67-bit squares, whose rounding decides whether |W| crosses 1 twice
    // there or not at all: stated as uncertain, whatever the signs show (two crossings
    // would lie as far apart as the square root of that rounding).
    const double m = 131075;
    const double a3 = (m * m + 1) / 2;
    const TNyquistAnalysis nearly = AnalyseNyquist({0, 9, 3 * (m - 1), a3, 0, 0, a3 - 1});
    EXPECT_TRUE(nearly.gainCrossoverUncertain);
    for (const TGainCrossover& crossover : nearly.gainCrossovers)
        EXPECT_TRUE(Near(ToLongDouble(crossover.omega), std::sqrt(m / 9.0L), 1e-4L));

    // Well off touching: no crossover, nothing uncertain.
    const TNyquistAnalysis below = AnalyseNyquist({0, 1, 2, 5, 0, 0, 3.9});
    EXPECT_TRUE(below.gainCrossovers.empty());
    EXPECT_FALSE(below.gainCrossoverUncertain);
}

// The polynomial constant first, without its roots at 0: whether any other root lies on
// the imaginary axis, found numerically.
bool HasRootOnTheAxisAwayFromZero(std::vector<long double> c) {
    while (!c.empty() && c.back() == 0)
        c.pop_back();
    while (!c.empty() && c.front() == 0)
        c.erase(c.begin());
    return !c.empty() && ReferenceHalfPlaneCount(c).onAxis > 0;
}

// The phase at every gain crossover of random systems against arg W(jw) followed in small
// steps from w = 1e-6, where it starts as AnalyseNyquist's header says, by continuity.
TEST(Nyquist, PhaseFollowsTheResponseContinuously) {
    using Complex = std::complex<long double>;
    std::mt19937_64 random(2026);
    std::uniform_int_distribution<int> coefficient(-3, 3);
    int checked = 0;
    for (int i = 0; i < 300; ++i) {
        long double a[4], b[3];
        for (long double& x : a)
            x = coefficient(random);
        for (long double& x : b)
            x = coefficient(random);
        if (HasRootOnTheAxisAwayFromZero({a[3], a[2], a[1], a[0]}) ||
            HasRootOnTheAxisAwayFromZero({b[2], b[1], b[0]}))
            continue;
        const TNyquistAnalysis n = AnalyseNyquist(
            {static_cast<double>(a[0]), static_cast<double>(a[1]), static_cast<double>(a[2]),
             static_cast<double>(a[3]), static_cast<double>(b[0]), static_cast<double>(b[1]),
             static_cast<double>(b[2])});
        if (n.status != TAnalysisStatus::Ok || n.staticGain.kind == TStaticGainKind::NumeratorZero)
            continue;
        const auto w = [&](long double omega) {
            const Complex p(0, omega);
            const Complex numerator = (b[0] * p + b[1]) * p + b[2];
            return numerator / (((a[0] * p + a[1]) * p + a[2]) * p + a[3]);
        };
        int orderA = 0, orderB = 0;
        while (a[3 - orderA] == 0)
            ++orderA;
        while (b[2 - orderB] == 0)
            ++orderB;
        const bool lag = (a[3 - orderA] < 0) != (b[2 - orderB] < 0);
        const long double start = 90 * (orderB - orderA) - (lag ? 180 : 0);
        for (const TGainCrossover& crossover : n.gainCrossovers) {
            const long double target = ToLongDouble(crossover.omega);
            if (target == 0)
                continue;
            long double omega = 1e-6L;
            long double phase = std::arg(w(omega)) * kDegrees;
            phase += 360 * std::round((start - phase) / 360);
            while (omega < target) {
                omega = std::fmin(omega * 1.001L, target);
                long double next = std::arg(w(omega)) * kDegrees;
                next += 360 * std::round((phase - next) / 360);
                phase = next;
            }
            ASSERT_TRUE(crossover.phaseKnown);
            EXPECT_NEAR(ToLongDouble(crossover.phaseDegrees), phase, 1e-6L)
                << a[0] << " " << a[1] << " " << a[2] << " " << a[3] << " / " << b[0] << " " << b[1]
                << " " << b[2] << " at w = " << target;
            ++checked;
        }
    }
    EXPECT_GT(checked, 100);
}

TEST(Nyquist, SuggestedFrequencyShowsEveryCrossover) {
    // Course plant, K = 5: the phase crossover at sqrt(150) = 12.2 is the largest.
    const TNyquistAnalysis five = AnalyseNyquist({0.005, 0.135, 0.75, 1, 0, 0, 5});
    EXPECT_EQ(five.suggestedFrequency.mantissa, 2);
    EXPECT_EQ(five.suggestedFrequency.exponent, 1);
    EXPECT_FALSE(five.suggestedFrequency.fromRootScale);
}

} // namespace
