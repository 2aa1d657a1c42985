#include "AnalysisTestSupport.h"

#include "analysis/DPartitionAnalysis.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct DPartitionCase {
    std::string name;
    TCharacteristicCoefficients c; // a0, a1, a2 (a3 unused)
    std::vector<long double> crossings;
    std::vector<std::size_t> passes; // at each crossing
    bool stable;
    long double from, to; // the stable interval; +-infinity as HUGE_VALL
};

// The hatching at each crossing against the counts on its two sides: crossing toward
// the hatched side takes one root from the right half-plane to the left per pass.
void ExpectShadingAgreesWithCounts(const TDPartitionAnalysis& d, const std::string& name) {
    ASSERT_EQ(d.intervals.size(), d.crossings.size() + 1) << name;
    for (std::size_t i = 0; i < d.crossings.size(); ++i) {
        int towardLarger = 0, towardSmaller = 0;
        for (const TDPartitionPass& pass : d.crossings[i].passes)
            (pass.hatchedSide > 0 ? towardLarger : towardSmaller) += 1;
        EXPECT_EQ(towardLarger + towardSmaller, static_cast<int>(d.crossings[i].passes.size()));
        const THalfPlaneCount& below = d.intervals[i].count;
        const THalfPlaneCount& above = d.intervals[i + 1].count;
        ASSERT_EQ(below.status, TAnalysisStatus::Ok) << name;
        ASSERT_EQ(above.status, TAnalysisStatus::Ok) << name;
        EXPECT_EQ(below.onAxis, 0) << name;
        EXPECT_EQ(above.onAxis, 0) << name;
        EXPECT_EQ(above.right - below.right, towardSmaller - towardLarger)
            << name << " at crossing " << i;
    }
}

class DPartitionTest : public testing::TestWithParam<DPartitionCase> {};

TEST_P(DPartitionTest, CrossingsShadingAndStableInterval) {
    const DPartitionCase& c = GetParam();
    const TDPartitionAnalysis d = AnalyseDPartition(c.c);
    ASSERT_EQ(d.status, TAnalysisStatus::Ok);
    ASSERT_EQ(d.crossings.size(), c.crossings.size());
    for (std::size_t i = 0; i < c.crossings.size(); ++i) {
        EXPECT_TRUE(Near(ToLongDouble(d.crossings[i].a3), c.crossings[i], 1e-15L, 0))
            << ToLongDouble(d.crossings[i].a3);
        EXPECT_EQ(d.crossings[i].passes.size(), c.passes[i]);
    }
    ExpectShadingAgreesWithCounts(d, c.name);
    ASSERT_EQ(d.hasStableInterval, c.stable);
    if (c.stable) {
        const TDPartitionInterval& s = d.stableInterval;
        EXPECT_EQ(s.fromMinusInfinity, std::isinf(c.from));
        EXPECT_EQ(s.toPlusInfinity, std::isinf(c.to));
        if (!std::isinf(c.from)) {
            EXPECT_TRUE(Near(ToLongDouble(s.from), c.from, 1e-15L, 0));
        }
        if (!std::isinf(c.to)) {
            EXPECT_TRUE(Near(ToLongDouble(s.to), c.to, 1e-15L, 0)) << ToLongDouble(s.to);
        }
        EXPECT_EQ(s.count.right, 0);
        EXPECT_EQ(s.count.left, s.count.degree);
    }
}

constexpr long double kInfinity = HUGE_VALL;

INSTANTIATE_TEST_SUITE_P(
    Partitions, DPartitionTest,
    testing::Values(
        DPartitionCase{"worked_example", {1, 3, 3, 0}, {0, 9}, {1, 2}, true, 0, 9},
        // 0,005 p^3 + 0,135 p^2 + 0,75 p + a3: stable for 0 < a3 < 20,25.
        DPartitionCase{
            "course_plant", {0.005, 0.135, 0.75, 0}, {0, 20.25L}, {1, 2}, true, 0, 20.25L},
        DPartitionCase{"negative_a1", {1, -1, 3, 0}, {-3, 0}, {2, 1}, false, 0, 0},
        DPartitionCase{"negative_a2", {1, 3, -1, 0}, {0}, {1}, false, 0, 0},
        DPartitionCase{"all_negative", {-1, -3, -3, 0}, {-9, 0}, {2, 1}, true, -9, 0},
        DPartitionCase{"second_order", {0, 1, 2, 0}, {0}, {1}, true, 0, kInfinity},
        DPartitionCase{"first_order", {0, 0, 1, 0}, {0}, {1}, true, 0, kInfinity},
        // a1 = 0: the three passes meet at a3 = 0.
        DPartitionCase{"three_passes_at_zero", {1, 0, 1, 0}, {0}, {3}, false, 0, 0},
        // a2 = 0: a cusp at 0, hatched toward the negative side.
        DPartitionCase{"cusp", {1, 1, 0, 0}, {0}, {1}, false, 0, 0}),
    [](const testing::TestParamInfo<DPartitionCase>& info) { return info.param.name; });

TEST(DPartition, WorkedExampleHatching) {
    const TDPartitionAnalysis d = AnalyseDPartition({1, 3, 3, 0});
    ASSERT_EQ(d.crossings.size(), 2u);
    EXPECT_EQ(ToLongDouble(d.crossings[0].passes[0].omega), 0);
    EXPECT_EQ(d.crossings[0].passes[0].hatchedSide, +1);
    ASSERT_EQ(d.crossings[1].passes.size(), 2u);
    EXPECT_TRUE(Near(ToLongDouble(d.crossings[1].passes[0].omega), -std::sqrt(3.0L), 1e-18L));
    EXPECT_TRUE(Near(ToLongDouble(d.crossings[1].passes[1].omega), std::sqrt(3.0L), 1e-18L));
    EXPECT_EQ(d.crossings[1].passes[0].hatchedSide, -1);
    EXPECT_EQ(d.crossings[1].passes[1].hatchedSide, -1);
    EXPECT_EQ(d.intervals[0].count.right, 1);
    EXPECT_EQ(d.intervals[1].count.right, 0);
    EXPECT_EQ(d.intervals[2].count.right, 2);
    EXPECT_EQ(d.suggestedFrequency.mantissa, 5); // 1.5 sqrt(3) = 2.6
    EXPECT_EQ(d.suggestedFrequency.exponent, 0);
}

TEST(DPartition, ShadingAgreesWithCountsOnEverySmallIntegerTriple) {
    for (int a0 = -3; a0 <= 3; ++a0)
        for (int a1 = -3; a1 <= 3; ++a1)
            for (int a2 = -3; a2 <= 3; ++a2) {
                const std::string name =
                    std::to_string(a0) + " " + std::to_string(a1) + " " + std::to_string(a2);
                const TDPartitionAnalysis d = AnalyseDPartition(
                    {static_cast<double>(a0), static_cast<double>(a1), static_cast<double>(a2), 0});
                if (a0 == 0 && a1 == 0 && a2 == 0) {
                    EXPECT_EQ(d.status, TAnalysisStatus::IdenticallyZero);
                    continue;
                }
                ASSERT_EQ(d.status, TAnalysisStatus::Ok) << name;
                if (d.boundaryOnRealAxis) {
                    EXPECT_TRUE(a0 == 0 && a2 == 0) << name;
                    EXPECT_FALSE(d.hasStableInterval) << name;
                    continue;
                }
                ExpectShadingAgreesWithCounts(d, name);
                // Stable somewhere exactly when the coefficients all have one sign
                // (Hurwitz for a3 of that sign too, and a3 below a1 a2 / a0).
                const bool sameSigns =
                    (a0 >= 0 && a1 > 0 && a2 > 0) || (a0 <= 0 && a1 < 0 && a2 < 0);
                const bool hasDegreeAboveFirst = a0 != 0 || a1 != 0;
                EXPECT_EQ(d.hasStableInterval, hasDegreeAboveFirst ? sameSigns : a2 != 0) << name;
            }
}

TEST(DPartition, BoundaryOnTheRealAxisAndConstant) {
    // p^2 + a3: on the axis for a3 > 0, one root on each side for a3 < 0.
    const TDPartitionAnalysis ray = AnalyseDPartition({0, 1, 0, 0});
    EXPECT_TRUE(ray.boundaryOnRealAxis);
    EXPECT_FALSE(ray.hasStableInterval);
    ASSERT_EQ(ray.intervals.size(), 1u);
    EXPECT_TRUE(ray.intervals[0].fromMinusInfinity);
    EXPECT_EQ(ToLongDouble(ray.intervals[0].to), 0);
    EXPECT_EQ(ray.intervals[0].count.right, 1);
    EXPECT_EQ(AnalyseDPartition({0, 0, 0, 5}).status, TAnalysisStatus::IdenticallyZero);
}

} // namespace
