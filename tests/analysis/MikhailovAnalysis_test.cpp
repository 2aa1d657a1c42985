#include "AnalysisTestSupport.h"
#include "ReferenceRoots.h"

#include "analysis/HalfPlaneCount.h"
#include "analysis/MikhailovAnalysis.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

using P = TPlanePlace;

struct HodographCase {
    std::string name;
    TCharacteristicCoefficients c; // a0 p^3 + a1 p^2 + a2 p + a3
    bool holds;
    std::vector<P> crossingPlaces; // the start first
    std::vector<P> passes;
    std::vector<long double> boundary;
    int rightRoots; // -1: on the boundary, not given
};

class MikhailovTest : public testing::TestWithParam<HodographCase> {};

TEST_P(MikhailovTest, CourseAndVerdict) {
    const HodographCase& c = GetParam();
    const TMikhailovAnalysis a = AnalyseMikhailov(c.c);
    ASSERT_EQ(a.status, TAnalysisStatus::Ok);
    EXPECT_EQ(a.criterionHolds, c.holds);
    EXPECT_EQ(a.firstBreak.has_value(), !c.holds && a.degree > 0);
    ASSERT_EQ(a.crossings.size(), c.crossingPlaces.size());
    for (std::size_t i = 0; i < c.crossingPlaces.size(); ++i)
        EXPECT_EQ(a.crossings[i].place, c.crossingPlaces[i]) << "crossing " << i;
    EXPECT_EQ(a.passes, c.passes);
    ASSERT_EQ(a.boundaryFrequencies.size(), c.boundary.size());
    for (std::size_t i = 0; i < c.boundary.size(); ++i)
        EXPECT_TRUE(Near(ToLongDouble(a.boundaryFrequencies[i]), c.boundary[i], 1e-18L));
    if (c.rightRoots < 0) {
        EXPECT_FALSE(a.rightRoots.has_value());
    } else {
        ASSERT_TRUE(a.rightRoots.has_value());
        EXPECT_EQ(*a.rightRoots, c.rightRoots);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Hodographs, MikhailovTest,
    testing::Values(
        HodographCase{"worked_example",
                      {1, 3, 3, 1},
                      true,
                      {P::PositiveReal, P::PositiveImaginary, P::NegativeReal},
                      {P::Quadrant1, P::Quadrant2, P::Quadrant3},
                      {},
                      0},
        HodographCase{"all_negative",
                      {-1, -3, -3, -1},
                      true,
                      {P::PositiveReal, P::PositiveImaginary, P::NegativeReal},
                      {P::Quadrant1, P::Quadrant2, P::Quadrant3},
                      {},
                      0},
        HodographCase{"boundary",
                      {1, 1, 1, 1},
                      false,
                      {P::PositiveReal, P::Origin},
                      {P::Quadrant1, P::Quadrant3},
                      {1},
                      -1},
        HodographCase{"unstable",
                      {1, 1, 1, 2},
                      false,
                      {P::PositiveReal, P::PositiveReal, P::NegativeImaginary},
                      {P::Quadrant1, P::Quadrant4, P::Quadrant3},
                      {},
                      2},
        HodographCase{"root_at_zero",
                      {1, 3, 3, 0},
                      false,
                      {P::Origin, P::NegativeReal},
                      {P::Quadrant2, P::Quadrant3},
                      {0},
                      -1},
        HodographCase{"negative_free_term",
                      {1, 3, 3, -1},
                      false,
                      {P::NegativeReal, P::NegativeReal},
                      {P::Quadrant2, P::Quadrant3},
                      {},
                      1},
        HodographCase{"second_order",
                      {0, 1, 2, 1},
                      true,
                      {P::PositiveReal, P::PositiveImaginary},
                      {P::Quadrant1, P::Quadrant2},
                      {},
                      0},
        HodographCase{"first_order", {0, 0, 1, 1}, true, {P::PositiveReal}, {P::Quadrant1}, {}, 0},
        // p^3 + p: the curve runs along the imaginary axis through the origin.
        HodographCase{"along_imaginary_axis",
                      {1, 0, 1, 0},
                      false,
                      {P::Origin, P::Origin},
                      {P::PositiveImaginary, P::NegativeImaginary},
                      {0, 1},
                      -1},
        // p^2 - 1: along the negative real axis, one root on the right.
        HodographCase{
            "along_real_axis", {0, 1, 0, -1}, false, {P::NegativeReal}, {P::NegativeReal}, {}, 1},
        // p^3 - p^2 + p + 1: the curve turns back into the fourth quadrant.
        HodographCase{"turns_back",
                      {1, -1, 1, 1},
                      false,
                      {P::PositiveReal, P::PositiveReal},
                      {P::Quadrant1, P::Quadrant4},
                      {},
                      2},
        // p^3 + p^2 - p + 1: it leaves the real axis downwards.
        HodographCase{"leaves_downwards",
                      {1, 1, -1, 1},
                      false,
                      {P::PositiveReal, P::NegativeImaginary},
                      {P::Quadrant4, P::Quadrant3},
                      {},
                      2}),
    [](const testing::TestParamInfo<HodographCase>& info) { return info.param.name; });

TEST(Mikhailov, WorkedExampleCrossingsAndTurn) {
    const TMikhailovAnalysis a = AnalyseMikhailov({1, 3, 3, 1});
    ASSERT_EQ(a.crossings.size(), 3u);
    // D(jw) = (1 - 3w^2) + jw(3 - w^2): the imaginary axis at w = 1/sqrt(3), the
    // negative real axis at w = sqrt(3).
    const long double third = 1.0L / 3;
    EXPECT_EQ(ToLongDouble(a.crossings[0].omega), 0);
    EXPECT_EQ(ToLongDouble(a.crossings[0].re), 1);
    EXPECT_TRUE(Near(ToLongDouble(a.crossings[1].omega), std::sqrt(third), 1e-18L));
    EXPECT_TRUE(Near(ToLongDouble(a.crossings[1].im), std::sqrt(third) * (3 - third), 1e-18L));
    EXPECT_EQ(ToLongDouble(a.crossings[1].re), 0);
    EXPECT_TRUE(Near(ToLongDouble(a.crossings[2].omega), std::sqrt(3.0L), 1e-18L));
    EXPECT_TRUE(Near(ToLongDouble(a.crossings[2].re), -8, 1e-18L));
    EXPECT_EQ(ToLongDouble(a.crossings[2].im), 0);
    EXPECT_EQ(a.quarterTurns, 3);
    EXPECT_FALSE(a.negated);
    EXPECT_EQ(a.suggestedFrequency.mantissa, 5); // 1.5 sqrt(3) = 2.6
    EXPECT_EQ(a.suggestedFrequency.exponent, 0);
}

TEST(Mikhailov, WhereTheOrderBreaks) {
    // p^3 + p^2 + p + 2: Y = w(1 - w^2) turns negative at w = 1 before X = 2 - w^2
    // does: the curve goes into the fourth quadrant instead of the second.
    const TMikhailovAnalysis unstable = AnalyseMikhailov({1, 1, 1, 2});
    ASSERT_TRUE(unstable.firstBreak);
    EXPECT_EQ(unstable.firstBreak->kind, TMikhailovBreakKind::WrongQuadrant);
    EXPECT_EQ(unstable.firstBreak->crossing, 1);
    EXPECT_EQ(ToLongDouble(unstable.firstBreak->omega), 1);
    EXPECT_EQ(unstable.firstBreak->expected, P::Quadrant2);
    EXPECT_EQ(unstable.firstBreak->actual, P::Quadrant4);

    const TMikhailovAnalysis boundary = AnalyseMikhailov({1, 1, 1, 1});
    ASSERT_TRUE(boundary.firstBreak);
    EXPECT_EQ(boundary.firstBreak->kind, TMikhailovBreakKind::PassesThroughOrigin);
    EXPECT_EQ(ToLongDouble(boundary.firstBreak->omega), 1);

    EXPECT_EQ(AnalyseMikhailov({1, 3, 3, 0}).firstBreak->kind, TMikhailovBreakKind::StartsAtOrigin);
    EXPECT_EQ(AnalyseMikhailov({1, 3, 3, -1}).firstBreak->kind,
              TMikhailovBreakKind::StartsOnNegativeRealAxis);
    const TMikhailovAnalysis downwards = AnalyseMikhailov({1, 1, -1, 1});
    EXPECT_EQ(downwards.firstBreak->kind, TMikhailovBreakKind::WrongQuadrant);
    EXPECT_EQ(downwards.firstBreak->crossing, 0);
    EXPECT_EQ(ToLongDouble(downwards.firstBreak->omega), 0);
    EXPECT_EQ(downwards.firstBreak->actual, P::Quadrant4);

    const TMikhailovAnalysis constant = AnalyseMikhailov({0, 0, 0, 5});
    EXPECT_EQ(constant.status, TAnalysisStatus::Ok);
    EXPECT_EQ(constant.degree, 0);
    EXPECT_FALSE(constant.criterionHolds);
    EXPECT_FALSE(constant.firstBreak);
    EXPECT_EQ(AnalyseMikhailov({0, 0, 0, 0}).status, TAnalysisStatus::IdenticallyZero);
}

// The turn of the hodograph gives the roots on the right exactly where CountHalfPlanes
// finds none on the axis; the criterion holds exactly for the stable ones.
void ExpectAgreesWithCount(const TCharacteristicCoefficients& c, const std::string& name) {
    const TMikhailovAnalysis a = AnalyseMikhailov(c);
    const THalfPlaneCount count = CountHalfPlanes(Polynomial(c.a3, c.a2, c.a1, c.a0));
    if (count.status == TAnalysisStatus::IdenticallyZero) {
        EXPECT_EQ(a.status, TAnalysisStatus::IdenticallyZero) << name;
        return;
    }
    ASSERT_EQ(a.status, TAnalysisStatus::Ok) << name;
    ASSERT_EQ(count.status, TAnalysisStatus::Ok) << name;
    EXPECT_EQ(a.degree, count.degree) << name;
    EXPECT_EQ(a.criterionHolds, count.degree > 0 && count.left == count.degree) << name;
    EXPECT_EQ(a.boundaryFrequencies.empty(), count.onAxis == 0) << name;
    if (count.onAxis == 0) {
        ASSERT_TRUE(a.rightRoots.has_value()) << name;
        EXPECT_EQ(*a.rightRoots, count.right) << name;
    } else {
        EXPECT_FALSE(a.rightRoots.has_value()) << name;
    }
}

TEST(Mikhailov, TurnAgreesWithCountOnEverySmallIntegerCubic) {
    for (int a0 = -3; a0 <= 3; ++a0)
        for (int a1 = -3; a1 <= 3; ++a1)
            for (int a2 = -3; a2 <= 3; ++a2)
                for (int a3 = -3; a3 <= 3; ++a3)
                    ExpectAgreesWithCount({static_cast<double>(a0), static_cast<double>(a1),
                                           static_cast<double>(a2), static_cast<double>(a3)},
                                          std::to_string(a0) + " " + std::to_string(a1) + " " +
                                              std::to_string(a2) + " " + std::to_string(a3));
}

TEST(Mikhailov, TurnAgreesWithCountOnRandomCubics) {
    // Coefficients of both signs over many decades, some of them zero.
    std::mt19937_64 random(2026);
    std::uniform_real_distribution<double> mantissa(-10, 10);
    std::uniform_int_distribution<int> decade(-8, 8);
    std::uniform_int_distribution<int> zero(0, 9);
    const auto coefficient = [&] {
        return zero(random) == 0 ? 0.0 : mantissa(random) * std::pow(10.0, decade(random));
    };
    for (int i = 0; i < 500; ++i) {
        const TCharacteristicCoefficients c{coefficient(), coefficient(), coefficient(),
                                            coefficient()};
        ExpectAgreesWithCount(c, "case " + std::to_string(i));
        // And against roots found numerically, for coefficients of one decade.
        const TCharacteristicCoefficients small{mantissa(random), mantissa(random),
                                                mantissa(random), mantissa(random)};
        const TMikhailovAnalysis a = AnalyseMikhailov(small);
        const TReferenceCount reference =
            ReferenceHalfPlaneCount({small.a3, small.a2, small.a1, small.a0});
        if (reference.onAxis == 0 && a.rightRoots) {
            EXPECT_EQ(*a.rightRoots, reference.right) << "small case " << i;
        }
    }
}

} // namespace
