#include "AnalysisTestSupport.h"
#include "ReferenceRoots.h"

#include "analysis/HalfPlaneCount.h"
#include "analysis/HurwitzConditions.h"
#include "analysis/RootLabAnalysis.h"

#include <gtest/gtest.h>

#include <complex>
#include <string>
#include <vector>

namespace {

using Complex = std::complex<long double>;

// The polynomial lead · prod (p - root), constant first; a root with an imaginary part
// stands for its conjugate pair. The roots chosen keep the coefficients exact.
std::vector<long double> FromRoots(long double lead, const std::vector<Complex>& roots) {
    std::vector<long double> c{lead};
    for (const Complex& root : roots) {
        std::vector<long double> factor = {-root.real(), 1};
        if (root.imag() != 0)
            factor = {std::norm(root), -2 * root.real(), 1};
        std::vector<long double> product(c.size() + factor.size() - 1, 0);
        for (std::size_t i = 0; i < c.size(); ++i)
            for (std::size_t j = 0; j < factor.size(); ++j)
                product[i + j] += c[i] * factor[j];
        c = product;
    }
    c.resize(4, 0);
    return c;
}

TRealPolynomial ToPolynomial(const std::vector<long double>& c) {
    return Polynomial(FromLongDouble(c[0]), FromLongDouble(c[1]), FromLongDouble(c[2]),
                      FromLongDouble(c[3]));
}

struct ChosenRoots {
    std::string name;
    std::vector<Complex> roots;
};

class CountFromChosenRoots : public testing::TestWithParam<ChosenRoots> {};

TEST_P(CountFromChosenRoots, CountsEachHalfPlane) {
    const ChosenRoots& chosen = GetParam();
    int left = 0, onAxis = 0, right = 0;
    for (const Complex& root : chosen.roots) {
        const int multiplicity = root.imag() != 0 ? 2 : 1;
        (root.real() < 0 ? left : root.real() > 0 ? right : onAxis) += multiplicity;
    }
    // Every leading coefficient, negative ones too, leaves the roots where they are.
    for (long double lead : {1.0L, 2.0L, -0.5L, -3.0L}) {
        const THalfPlaneCount count = CountHalfPlanes(ToPolynomial(FromRoots(lead, chosen.roots)));
        ASSERT_EQ(count.status, TAnalysisStatus::Ok) << "lead " << lead;
        EXPECT_EQ(count.degree, left + onAxis + right) << "lead " << lead;
        EXPECT_EQ(count.left, left) << "lead " << lead;
        EXPECT_EQ(count.onAxis, onAxis) << "lead " << lead;
        EXPECT_EQ(count.right, right) << "lead " << lead;
    }
}

const Complex j{0, 1};

INSTANTIATE_TEST_SUITE_P(
    Roots, CountFromChosenRoots,
    testing::Values(ChosenRoots{"constant", {}}, ChosenRoots{"left", {-1}},
                    ChosenRoots{"right", {2}}, ChosenRoots{"zero", {0}},
                    ChosenRoots{"two_left", {-1, -2}}, ChosenRoots{"one_each_side", {1, -1}},
                    ChosenRoots{"axis_pair", {2.0L * j}}, ChosenRoots{"double_zero", {0, 0}},
                    ChosenRoots{"zero_and_left", {0, -1}}, ChosenRoots{"zero_and_right", {0, 3}},
                    ChosenRoots{"left_pair", {-1.0L + j}},
                    ChosenRoots{"right_pair", {1.0L + 2.0L * j}},
                    ChosenRoots{"triple_left", {-1, -1, -1}},
                    ChosenRoots{"triple_right", {1, 1, 1}}, ChosenRoots{"triple_zero", {0, 0, 0}},
                    ChosenRoots{"axis_pair_and_left", {-2, 3.0L * j}},
                    ChosenRoots{"axis_pair_and_right", {2, 1.0L * j}},
                    ChosenRoots{"axis_pair_and_zero", {0, 1.0L * j}},
                    ChosenRoots{"real_pair_and_left", {1, -1, -1}},
                    ChosenRoots{"two_left_one_right", {1, -1, -3}},
                    ChosenRoots{"left_pair_and_right", {3, -1.0L + 2.0L * j}},
                    ChosenRoots{"right_pair_and_left", {-1, 1.0L + j}},
                    ChosenRoots{"double_right_no_square_term", {1, 1, -2}},
                    ChosenRoots{"double_zero_and_left", {0, 0, -1}},
                    ChosenRoots{"double_zero_and_right", {0, 0, 2}}),
    [](const testing::TestParamInfo<ChosenRoots>& info) { return info.param.name; });

// Without a square term and with c0 != 0 (the epsilon case of Routh's table).
struct CoefficientCase {
    std::string name;
    long double c0, c1, c2, c3;
    int left, onAxis, right;
};

class CountFromCoefficients : public testing::TestWithParam<CoefficientCase> {};

TEST_P(CountFromCoefficients, CountsEachHalfPlane) {
    const CoefficientCase& c = GetParam();
    const THalfPlaneCount count = CountHalfPlanes(ToPolynomial({c.c0, c.c1, c.c2, c.c3}));
    ASSERT_EQ(count.status, TAnalysisStatus::Ok);
    EXPECT_EQ(count.left, c.left);
    EXPECT_EQ(count.onAxis, c.onAxis);
    EXPECT_EQ(count.right, c.right);
}

INSTANTIATE_TEST_SUITE_P(
    Coefficients, CountFromCoefficients,
    testing::Values(
        // p^3 + 1: -1 and 1/2 +- j sqrt(3)/2
        CoefficientCase{"cube_plus_one", 1, 0, 0, 1, 1, 0, 2},
        // p^3 - 1: 1 and -1/2 +- j sqrt(3)/2
        CoefficientCase{"cube_minus_one", -1, 0, 0, 1, 2, 0, 1},
        // p^3 + 3p + 1: a real root near -0.32 and a pair with real part +0.16
        CoefficientCase{"no_square_term", 1, 3, 0, 1, 1, 0, 2},
        // Scaled far apart: the extended products still compare exactly.
        CoefficientCase{"tiny_and_huge", 1e-300L, 3e-150L, 3e150L, 1e300L, 3, 0, 0},
        CoefficientCase{"huge_boundary", 1e300L, 1e300L, 1e300L, 1e300L, 1, 2, 0}),
    [](const testing::TestParamInfo<CoefficientCase>& info) { return info.param.name; });

// Every polynomial with integer coefficients from -3 to 3: the count against roots
// found numerically, the Hurwitz conditions and the root lab's verdict against the count.
TEST(CountHalfPlanes, AgreesWithTheRootsOfEverySmallIntegerCubic) {
    int checked = 0;
    for (int c0 = -3; c0 <= 3; ++c0)
        for (int c1 = -3; c1 <= 3; ++c1)
            for (int c2 = -3; c2 <= 3; ++c2)
                for (int c3 = -3; c3 <= 3; ++c3) {
                    const std::vector<long double> c{
                        static_cast<long double>(c0), static_cast<long double>(c1),
                        static_cast<long double>(c2), static_cast<long double>(c3)};
                    const std::string name = std::to_string(c0) + " " + std::to_string(c1) + " " +
                                             std::to_string(c2) + " " + std::to_string(c3);
                    const THalfPlaneCount count = CountHalfPlanes(ToPolynomial(c));
                    const TReferenceCount reference = ReferenceHalfPlaneCount(c);
                    if (reference.degree < 0) {
                        EXPECT_EQ(count.status, TAnalysisStatus::IdenticallyZero);
                        continue;
                    }
                    ASSERT_EQ(count.status, TAnalysisStatus::Ok) << name;
                    EXPECT_EQ(count.degree, reference.degree) << name;
                    EXPECT_EQ(count.left, reference.left) << name;
                    EXPECT_EQ(count.onAxis, reference.onAxis) << name;
                    EXPECT_EQ(count.right, reference.right) << name;

                    const bool stable = count.degree > 0 && count.left == count.degree;
                    const THurwitzConditions conditions = HurwitzConditionsOf(ToPolynomial(c));
                    EXPECT_EQ(conditions.allHold, stable) << name;
                    const TRootLabAnalysis lab =
                        AnalyseRootLab({static_cast<double>(c0), static_cast<double>(c1),
                                        static_cast<double>(c2), static_cast<double>(c3)});
                    EXPECT_EQ(lab.count.right, count.right) << name;
                    EXPECT_EQ(lab.verdict, count.degree == 0  ? TStabilityVerdict::NoRoots
                                           : count.right > 0  ? TStabilityVerdict::Unstable
                                           : count.onAxis > 0 ? TStabilityVerdict::Boundary
                                                              : TStabilityVerdict::Stable)
                        << name;
                    ++checked;
                }
    EXPECT_EQ(checked, 7 * 7 * 7 * 7 - 1);
}

TEST(HurwitzConditions, ValuesForTheReport) {
    // -(p^3 + 3p^2 + 3p + 1), constant first: normalised, every coefficient positive,
    // delta2 = 3·3 - 1·1 = 8.
    const THurwitzConditions stable = HurwitzConditionsOf(Polynomial(-1, -3, -3, -1));
    ASSERT_EQ(stable.status, TAnalysisStatus::Ok);
    EXPECT_TRUE(stable.negated);
    EXPECT_EQ(stable.degree, 3);
    for (int k = 0; k <= 3; ++k)
        EXPECT_TRUE(stable.positive[k]) << k;
    EXPECT_EQ(ToLongDouble(stable.coefficient[2]), 3);
    ASSERT_TRUE(stable.hasDelta2);
    EXPECT_EQ(ToLongDouble(stable.delta2), 8);
    EXPECT_TRUE(stable.allHold);

    // p^3 + p^2 + p + 2: positive coefficients, delta2 = 1 - 2 = -1 fails.
    const THurwitzConditions unstable = HurwitzConditionsOf(Polynomial(2, 1, 1, 1));
    EXPECT_FALSE(unstable.negated);
    EXPECT_EQ(ToLongDouble(unstable.delta2), -1);
    EXPECT_FALSE(unstable.delta2Positive);
    EXPECT_FALSE(unstable.allHold);

    // 2p^2 - p + 1 (a negative coefficient, no delta2 at degree 2).
    const THurwitzConditions quadratic = HurwitzConditionsOf(Polynomial(1, -1, 2));
    EXPECT_EQ(quadratic.degree, 2);
    EXPECT_FALSE(quadratic.hasDelta2);
    EXPECT_TRUE(quadratic.positive[0]);
    EXPECT_FALSE(quadratic.positive[1]);
    EXPECT_FALSE(quadratic.allHold);

    EXPECT_EQ(HurwitzConditionsOf(TRealPolynomial{}).status, TAnalysisStatus::IdenticallyZero);
}

TEST(CountHalfPlanes, ZeroAndProductsBeyondTheRange) {
    EXPECT_EQ(CountHalfPlanes(TRealPolynomial{}).status, TAnalysisStatus::IdenticallyZero);
    const TExtended huge = FromLongDouble(1e3000L);
    EXPECT_EQ(CountHalfPlanes(Polynomial(1, huge, huge, 1)).status, TAnalysisStatus::NotComputable);
    const TExtended tiny = FromLongDouble(1e-3000L);
    EXPECT_EQ(CountHalfPlanes(Polynomial(tiny, 1, 1, tiny)).status, TAnalysisStatus::NotComputable);
    const TRootLabAnalysis zero = AnalyseRootLab({0, 0, 0, 0});
    EXPECT_EQ(zero.status, TAnalysisStatus::IdenticallyZero);
    EXPECT_EQ(zero.verdict, TStabilityVerdict::Unknown);
}

} // namespace
