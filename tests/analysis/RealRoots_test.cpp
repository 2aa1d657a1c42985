#include "AnalysisTestSupport.h"

#include "analysis/RealRoots.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TRealPolynomial FromLongDoubles(long double c0, long double c1, long double c2, long double c3) {
    return Polynomial(FromLongDouble(c0), FromLongDouble(c1), FromLongDouble(c2),
                      FromLongDouble(c3));
}

int SignOfValue(const TRealPolynomial& p, TExtended x) {
    const TExtended value = Evaluate(p, x);
    return value > 0 ? 1 : (value < 0 ? -1 : 0);
}

// A root to the full precision: the value is zero there, or changes sign between it
// and one of its neighbours, so that no extended number lies closer to the change.
bool IsRootToFullPrecision(const TRealPolynomial& p, TExtended x) {
    const int here = SignOfValue(p, x);
    if (here == 0)
        return true;
    return SignOfValue(p, NextUp(x)) * here <= 0 || SignOfValue(p, NextDown(x)) * here <= 0;
}

struct RootsCase {
    std::string name;
    long double c0, c1, c2, c3; // constant first
    long double lo, hi;
    std::vector<long double> roots; // expected, to a relative 2^-60
    std::vector<bool> touching;
};

class RealRootsTest : public testing::TestWithParam<RootsCase> {};

TEST_P(RealRootsTest, FindsEveryRootAndNoOther) {
    const RootsCase& c = GetParam();
    const TRealPolynomial p = FromLongDoubles(c.c0, c.c1, c.c2, c.c3);
    const TRealRoots found = FindRealRoots(p, FromLongDouble(c.lo), FromLongDouble(c.hi));
    ASSERT_EQ(found.status, TAnalysisStatus::Ok);
    ASSERT_EQ(found.roots.size(), c.roots.size());
    EXPECT_TRUE(found.nearMultiple.empty());
    for (std::size_t i = 0; i < c.roots.size(); ++i) {
        // Near a simple root the value's rounding (a few units of the largest term)
        // can reach zero a unit or two away from it: the arithmetic cannot tell closer.
        const long double x = ToLongDouble(found.roots[i].x);
        EXPECT_TRUE(Near(x, c.roots[i], 0x1p-60L, 0)) << "root " << i << ": " << x;
        EXPECT_EQ(found.roots[i].touching, c.touching[i]) << "root " << i;
        EXPECT_TRUE(IsRootToFullPrecision(p, found.roots[i].x)) << "root " << i;
    }
}

const long double kSqrt2 = 1.414213562373095048801688724209698079L;

INSTANTIATE_TEST_SUITE_P(
    Polynomials, RealRootsTest,
    testing::Values(
        // (x-1)(x-2)(x-3)
        RootsCase{"three_integers", -6, 11, -6, 1, -10, 10, {1, 2, 3}, {false, false, false}},
        // (x-2)^2 (x+1): the double root is reached exactly and keeps the sign
        RootsCase{"double_root", 4, 0, -3, 1, -10, 10, {-1, 2}, {false, true}},
        // (x-1)^3 changes sign at its triple root
        RootsCase{"triple_root", -1, 3, -3, 1, -10, 10, {1}, {false}},
        RootsCase{"square_at_zero", 0, 0, 1, 0, -1, 1, {0}, {true}},
        RootsCase{"cube_at_zero", 0, 0, 0, 1, -1, 1, {0}, {false}},
        RootsCase{"irrational", -2, 0, 1, 0, 0, 10, {kSqrt2}, {false}},
        RootsCase{"both_signs", -2, 0, 1, 0, -10, 10, {-kSqrt2, kSqrt2}, {false, false}},
        RootsCase{"roots_outside", -2, 0, 1, 0, -1, 1, {}, {}},
        RootsCase{"root_at_the_end", -4, 0, 1, 0, 2, 5, {2}, {false}},
        RootsCase{"no_real_root", 1, 0, 1, 0, -100, 100, {}, {}},
        RootsCase{"third", -1, 3, 0, 0, 0, 1, {1.0L / 3}, {false}},
        // x^2 - (1e300 + 1e-300) x + 1: roots 600 decades apart
        RootsCase{"far_apart",
                  1,
                  -(1e300L + 1e-300L),
                  1,
                  0,
                  0,
                  1e301L,
                  {1e-300L, 1e300L},
                  {false, false}},
        // (x-1)^2 + 1e-6 stays off zero: no root is made up, none is near
        RootsCase{"just_off_zero", 1 + 1e-6L, -2, 1, 0, -10, 10, {}, {}},
        RootsCase{"constant", 5, 0, 0, 0, -10, 10, {}, {}}),
    [](const testing::TestParamInfo<RootsCase>& info) { return info.param.name; });

TEST(RealRoots, NonNegativeRootsOfAGainPolynomial) {
    // x^3 - 7x^2 + 14x - 8 = (x-1)(x-2)(x-4), and the bound covers them all.
    const TRealPolynomial p = FromLongDoubles(-8, 14, -7, 1);
    const TRealRoots found = FindNonNegativeRoots(p);
    ASSERT_EQ(found.status, TAnalysisStatus::Ok);
    ASSERT_EQ(found.roots.size(), 3u);
    const long double expected[] = {1, 2, 4};
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(Near(ToLongDouble(found.roots[i].x), expected[i], 0x1p-60L));
        EXPECT_TRUE(IsRootToFullPrecision(p, found.roots[i].x));
    }
}

TEST(RealRoots, AnApproximateDoubleRootIsStated) {
    // (x - 1/3)^2 with its coefficients rounded, and the constant term moved by a few
    // units in the last place: the minimum lies within the rounding of zero. Where it is
    // exactly zero the double root is a touching root; elsewhere, whatever roots the
    // signs show (two close ones, or none), the near double root is stated.
    const TExtended third = TExtended(1) / 3;
    int stated = 0;
    TExtended c0 = NextDown(NextDown(NextDown(third * third)));
    for (int step = 0; step < 7; ++step, c0 = NextUp(c0)) {
        const TRealRoots found = FindRealRoots(Polynomial(c0, -2 * third, 1), -10, 10);
        ASSERT_EQ(found.status, TAnalysisStatus::Ok);
        for (const TRealRoot& root : found.roots)
            EXPECT_TRUE(Near(ToLongDouble(root.x), 1.0L / 3, 1e-9L)) << step;
        if (found.nearMultiple.empty()) {
            ASSERT_EQ(found.roots.size(), 1u) << step;
            EXPECT_TRUE(found.roots[0].touching) << step;
        } else {
            EXPECT_TRUE(Near(ToLongDouble(found.nearMultiple[0]), 1.0L / 3, 1e-18L)) << step;
            ++stated;
        }
    }
    EXPECT_GT(stated, 0);
}

TEST(RealRoots, ZeroPolynomialAndValuesBeyondTheRange) {
    EXPECT_EQ(FindRealRoots(TRealPolynomial{}, -1, 1).status, TAnalysisStatus::IdenticallyZero);
    EXPECT_EQ(FindNonNegativeRoots(TRealPolynomial{}).status, TAnalysisStatus::IdenticallyZero);
    // Roots out to 1e9800: the bound and the values there leave the extended range.
    const TRealPolynomial wide = FromLongDoubles(-1e4900L, 0, 0, 1e-4900L);
    EXPECT_EQ(FindNonNegativeRoots(wide).status, TAnalysisStatus::NotComputable);
    EXPECT_EQ(FindRealRoots(wide, 0, FromLongDouble(1e4000L)).status,
              TAnalysisStatus::NotComputable);
}

} // namespace
