#include "RootsTestSupport.h"

#include "ground/Errors.h"
#include "roots/RootFinder.h"

#include <vector>

namespace {

const double kR2 = 0.47140452079103168; // sqrt(2) / 3

struct FinderCase {
    const char* name;
    double c0, c1, c2, c3; // constant term first
    TRootStatus status;
    std::vector<TComplex> roots; // in the order found
};

void PrintTo(const FinderCase& c, std::ostream* out) {
    *out << c.name;
}

struct SearchResult {
    TRootStatus status = rsOk;
    int rootCount = -1;
    TRootArray roots;
};

// The window's parameters: degree 3, start 0, tolerance 1e-8, 100 iterations.
SearchResult Search(double c0, double c1, double c2, double c3) {
    TCoeffArray a;
    a[0] = {c0, 0};
    a[1] = {c1, 0};
    a[2] = {c2, 0};
    a[3] = {c3, 0};
    int n = 3;
    SearchResult result;
    FindRoots(n, a, {0, 0}, 1e-8, 100, result.rootCount, result.roots, result.status);
    return result;
}

class FindRootsTest : public FloatEnvTest, public ::testing::WithParamInterface<FinderCase> {};

TEST_P(FindRootsTest, FindsRootsInOrder) {
    const FinderCase& c = GetParam();
    const SearchResult r = Search(c.c0, c.c1, c.c2, c.c3);
    EXPECT_EQ(r.status, c.status);
    ASSERT_EQ(r.rootCount, static_cast<int>(c.roots.size()));
    for (int k = 1; k <= r.rootCount; ++k)
        EXPECT_TRUE(Near(r.roots[k], c.roots[k - 1], 1e-7)) << "root " << k;
}

INSTANTIATE_TEST_SUITE_P(
    Table, FindRootsTest,
    ::testing::Values(
        FinderCase{"ThreeRealRoots", -6, 11, -6, 1, rsOk, {{1, 0}, {2, 0}, {3, 0}}},
        FinderCase{"ThreeNegativeRoots", 6, 11, 6, 1, rsOk, {{-1, 0}, {-2, 0}, {-3, 0}}},
        FinderCase{"NearTiePlusIFirst", 1, 1, 1, 1, rsOk, {{0, 1}, {-1, 0}, {0, -1}}},
        FinderCase{"TripleRoot", -1, 3, -3, 1, rsOk, {{1, 0}, {1, 0}, {1, 0}}},
        FinderCase{"OriginRootThenPair", 0, 1, 0, 1, rsOk, {{0, 0}, {0, -1}, {0, 1}}},
        FinderCase{"TrimmedDoubleOriginRoot", 0, 0, 1, 0, rsOk, {{0, 0}, {0, 0}}},
        FinderCase{"TripleOriginRoot", 0, 0, 0, 1, rsOk, {{0, 0}, {0, 0}, {0, 0}}},
        FinderCase{"TrimmedQuadraticTie", 1, 2, 3, 0, rsOk, {{-1.0 / 3, -kR2}, {-1.0 / 3, kR2}}},
        FinderCase{"StuckAtOrigin", 1, 0, 0, 1, rsNoConvergence, {}},
        FinderCase{"AllZero", 0, 0, 0, 0, rsOk, {}},
        FinderCase{"ConstantOnly", 5, 0, 0, 0, rsOk, {}},
        FinderCase{"DoubleAndSimpleRoot", 4, 0, -3, 1, rsOk, {{2, 0}, {2, 0}, {-1, 0}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(FloatEnvTest, OriginRootsAreExactZeros) {
    const SearchResult r = Search(0, 0, 0, 1);
    ASSERT_EQ(r.rootCount, 3);
    for (int k = 1; k <= 3; ++k) {
        EXPECT_EQ(r.roots[k].Re, 0.0);
        EXPECT_EQ(r.roots[k].Im, 0.0);
    }
}

TEST_F(FloatEnvTest, TinyConstantTermIsLeftToTheIteration) {
    const SearchResult r = Search(1e-20, 1, 0, 0);
    EXPECT_EQ(r.status, rsOk);
    ASSERT_EQ(r.rootCount, 1);
    EXPECT_DOUBLE_EQ(r.roots[1].Re, -1e-20);
}

struct ParameterCase {
    const char* name;
    int degree;
    double tolerance;
    int limit;
    TRootStatus status;
};

void PrintTo(const ParameterCase& c, std::ostream* out) {
    *out << c.name;
}

class BadParameterTest : public FloatEnvTest,
                         public ::testing::WithParamInterface<ParameterCase> {};

TEST_P(BadParameterTest, HighestCodeWinsAndNothingElseChanges) {
    const ParameterCase& c = GetParam();
    TCoeffArray a;
    a[0] = {-6, 0};
    a[1] = {11, 0};
    a[2] = {-6, 0};
    a[3] = {1, 0};
    int n = c.degree;
    int rootCount = 2;
    TRootArray roots;
    roots[1] = {7, 7};
    TRootStatus status = rsNoConvergence;
    FindRoots(n, a, {0, 0}, c.tolerance, c.limit, rootCount, roots, status);
    EXPECT_EQ(status, c.status);
    EXPECT_EQ(rootCount, 2);
    EXPECT_EQ(n, c.degree);
    EXPECT_EQ(roots[1].Re, 7.0);
    EXPECT_EQ(a[3].Re, 1.0);
}

INSTANTIATE_TEST_SUITE_P(
    Parameters, BadParameterTest,
    ::testing::Values(ParameterCase{"ZeroDegree", 0, 1e-8, 100, rsBadDegree},
                      ParameterCase{"NegativeDegree", -1, 1e-8, 100, rsBadDegree},
                      ParameterCase{"ZeroTolerance", 3, 0, 100, rsBadTolerance},
                      ParameterCase{"NegativeTolerance", 3, -1e-8, 100, rsBadTolerance},
                      ParameterCase{"NaNTolerance", 3, std::nan(""), 100, rsBadTolerance},
                      ParameterCase{"ZeroLimit", 3, 1e-8, 0, rsBadIterationLimit},
                      ParameterCase{"AllBad", 0, 0, -1, rsBadIterationLimit},
                      ParameterCase{"DegreeAndTolerance", 0, 0, 100, rsBadTolerance}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(FloatEnvTest, FindRootNeverClearsStatus) {
    TCoeffArray a;
    a[0] = {-2, 0};
    a[1] = {1, 0};
    TRootStatus status = rsNoConvergence;
    const TComplex root = FindRoot(1, a, {0, 0}, 100, 1e-8, status);
    EXPECT_TRUE(Near(root, {2, 0}, 1e-15));
    EXPECT_EQ(status, rsNoConvergence);
}

TEST_F(FloatEnvTest, FindRootReportsExhaustedLimit) {
    TCoeffArray a;
    a[0] = {1, 0};
    a[3] = {1, 0};
    TRootStatus status = rsOk;
    const TComplex x = FindRoot(3, a, {0, 0}, 100, 1e-8, status);
    EXPECT_EQ(status, rsNoConvergence);
    EXPECT_EQ(ComplexModulus(x), 0.0);
}

TEST_F(FloatEnvTest, DeflationDividesOutTheRoot) {
    // (x-1)(x-2)(x-3) / (x-1) = x^2 - 5x + 6
    TCoeffArray a;
    a[0] = {-6, 0};
    a[1] = {11, 0};
    a[2] = {-6, 0};
    a[3] = {1, 0};
    int n = 3;
    DeflatePolynomial(n, a, {1, 0});
    EXPECT_EQ(n, 2);
    EXPECT_TRUE(Near(a[0], {6, 0}, 0));
    EXPECT_TRUE(Near(a[1], {-5, 0}, 0));
    EXPECT_TRUE(Near(a[2], {1, 0}, 0));
    DeflatePolynomial(n, a, {2, 0});
    EXPECT_EQ(n, 1);
    EXPECT_TRUE(Near(a[0], {-3, 0}, 0));
    EXPECT_TRUE(Near(a[1], {1, 0}, 0));
}

TEST_F(FloatEnvTest, ExtremeCoefficientsOverflow) {
    // p * d2p of -1e308 + x leaves the double range.
    EXPECT_THROW(Search(-1e308, 1, 0, 0), EOverflow);
    const SearchResult r = Search(-6, 11, -6, 1); // and the next search runs clean
    EXPECT_EQ(r.status, rsOk);
    EXPECT_EQ(r.rootCount, 3);
}

TEST_F(FloatEnvTest, UnitStateSearch) {
    RootCount = 5;
    Roots[1] = {9, 9};
    Status = rsBadDegree;
    WorkDegree = 2;
    ResetRootState();
    // The reset touches only the parameters.
    EXPECT_EQ(Degree, 3);
    EXPECT_EQ(Tolerance, 0.0);
    EXPECT_EQ(IterationLimit, 0);
    EXPECT_EQ(Coefficients[3].Re, 0.0);
    EXPECT_EQ(RootCount, 5);
    EXPECT_EQ(Roots[1].Re, 9.0);
    EXPECT_EQ(Status, rsBadDegree);
    EXPECT_EQ(WorkDegree, 2);

    Coefficients[0] = {6, 0};
    Coefficients[1] = {11, 0};
    Coefficients[2] = {6, 0};
    Coefficients[3] = {1, 0};
    Tolerance = 1e-8;
    IterationLimit = 100;
    WorkDegree = Degree;
    WorkCoefficients = Coefficients;
    FindRoots();
    EXPECT_EQ(Status, rsOk);
    ASSERT_EQ(RootCount, 3);
    EXPECT_TRUE(Near(Roots[3], {-3, 0}, 1e-9));
    EXPECT_EQ(WorkDegree, 0);
    EXPECT_EQ(Coefficients[1].Re, 11.0); // the entered polynomial stays as it was
}

} // namespace
