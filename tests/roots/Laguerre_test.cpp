#include "RootsTestSupport.h"

#include "ground/Errors.h"
#include "roots/Laguerre.h"
#include "roots/Polynomial.h"

#include <complex>
#include <random>

namespace {

// Coefficients constant term first; entries above the degree hold junk on purpose,
// since they must never be read.
TCoeffArray Poly(TComplex c0, TComplex c1, TComplex c2 = {}, TComplex c3 = {}) {
    TCoeffArray a;
    a[0] = c0;
    a[1] = c1;
    a[2] = c2;
    a[3] = c3;
    return a;
}

TComplex NextPoint(int n, const TCoeffArray& a, TComplex x) {
    const TPolynomialValues v = EvalPolynomial(n, a, x);
    return ComplexSub(x, LaguerreStep(n, v.p, v.dp, v.d2p));
}

TEST_F(FloatEnvTest, EvalGivesValueAndDerivatives) {
    const TCoeffArray a = Poly({-6, 0}, {11, 0}, {-6, 0}, {1, 0});
    const TPolynomialValues v = EvalPolynomial(3, a, {0, 0});
    EXPECT_TRUE(Near(v.p, {-6, 0}, 0));
    EXPECT_TRUE(Near(v.dp, {11, 0}, 0));
    EXPECT_TRUE(Near(v.d2p, {-12, 0}, 0));
}

TEST_F(FloatEnvTest, EvalMatchesDirectEvaluationAtRandomPoints) {
    std::mt19937_64 random(11);
    std::uniform_real_distribution<double> part(-5.0, 5.0);
    using C = std::complex<long double>;
    for (int trial = 0; trial < 500; ++trial) {
        const int n = 1 + trial % 3;
        TCoeffArray a;
        C c[4];
        for (int k = 0; k <= 3; ++k) {
            a[k] = {part(random), part(random)};
            c[k] = C(a[k].Re, a[k].Im);
        }
        const TComplex x{part(random), part(random)};
        const C z(x.Re, x.Im);
        C p = 0, dp = 0, d2p = 0;
        for (int k = n; k >= 0; --k) {
            d2p = d2p * z + 2.0L * dp;
            dp = dp * z + p;
            p = p * z + c[k];
        }
        const TPolynomialValues v = EvalPolynomial(n, a, x);
        EXPECT_TRUE(Near(v.p, {double(p.real()), double(p.imag())}, 1e-11)) << n;
        EXPECT_TRUE(Near(v.dp, {double(dp.real()), double(dp.imag())}, 1e-11)) << n;
        if (n > 1) {
            EXPECT_TRUE(Near(v.d2p, {double(d2p.real()), double(d2p.imag())}, 1e-11)) << n;
        }
    }
}

TEST_F(FloatEnvTest, EvalTestsEveryIndex) {
    // Indices and degrees the compiler cannot see: with constants, the optimiser
    // inlines them into the accesses behind the test that throws, and its bounds
    // warning (sanitizer build, and GCC 12 at -O3) flags those accesses.
    volatile int above = 4, below = -1;
    const TCoeffArray a = Poly({1, 0}, {1, 0});
    EXPECT_THROW(EvalPolynomial(above, a, {0, 0}), ERangeError);
    EXPECT_THROW(EvalPolynomial(below, a, {0, 0}), ERangeError);
    TCoeffArray b;
    EXPECT_THROW(b[above], ERangeError);
    EXPECT_THROW(b[below], ERangeError);
}

// One Laguerre step from a given point: where it lands.
struct StepCase {
    const char* name;
    int n;
    TCoeffArray a;
    TComplex x;
    TComplex next;
    double tolerance;
};

void PrintTo(const StepCase& c, std::ostream* out) {
    *out << c.name;
}

class LaguerreStepTest : public FloatEnvTest, public ::testing::WithParamInterface<StepCase> {};

TEST_P(LaguerreStepTest, LandsWhereExpected) {
    const StepCase& c = GetParam();
    EXPECT_TRUE(Near(NextPoint(c.n, c.a, c.x), c.next, c.tolerance));
}

INSTANTIATE_TEST_SUITE_P(Steps, LaguerreStepTest,
                         ::testing::Values(
                             // Dplus ~ 18.2111 beats Dminus ~ 3.7889.
                             StepCase{"CubicWithRealRoots",
                                      3,
                                      Poly({-6, 0}, {11, 0}, {-6, 0}, {1, 0}),
                                      {0, 0},
                                      {0.988408, 0},
                                      1e-6},
                             // Equal moduli: Dminus is taken, so the step goes to -i, not +i.
                             StepCase{"QuadraticTieTakesDminus",
                                      2,
                                      Poly({1, 0}, {0, 0}, {1, 0}, {99, 99}),
                                      {0, 0},
                                      {6e-17, -1},
                                      1e-16},
                             // Near-tie decided by the extended modulus: Dplus, towards +i.
                             StepCase{"CubicNearTieTakesDplus",
                                      3,
                                      Poly({1, 0}, {1, 0}, {1, 0}, {1, 0}),
                                      {0, 0},
                                      {-1.0 / 3, 0.942809},
                                      1e-6},
                             StepCase{"LinearInOneStep",
                                      1,
                                      Poly({2, 0}, {3, 0}, {99, 0}, {99, 0}),
                                      {5, 1},
                                      {-2.0 / 3, 0},
                                      1e-15}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(FloatEnvTest, StepDetailsOfTheNearTie) {
    const TPolynomialValues v = EvalPolynomial(3, Poly({1, 0}, {1, 0}, {1, 0}, {1, 0}), {0, 0});
    const TComplex step = LaguerreStep(3, v.p, v.dp, v.d2p);
    // 3 / (1.0000000000000002 + 2.8284271247461903i)
    EXPECT_TRUE(Near(step, {1.0 / 3, -0.9428090415820634}, 1e-15));
}

TEST_F(FloatEnvTest, ZeroDenominatorGivesZeroStep) {
    // x^3 + 1 at 0: dp = d2p = 0, both candidates vanish.
    const TPolynomialValues v = EvalPolynomial(3, Poly({1, 0}, {0, 0}, {0, 0}, {1, 0}), {0, 0});
    const TComplex step = LaguerreStep(3, v.p, v.dp, v.d2p);
    EXPECT_EQ(step.Re, 0.0);
    EXPECT_EQ(step.Im, 0.0);
    EXPECT_FALSE(IsConverged(1e-8, ComplexModulus(v.p), 0.0, 0.0));
}

TEST_F(FloatEnvTest, ZeroResidualGivesZeroStepAndConverges) {
    // x^2 - 1 at its root 1: p = 0, dp = 2.
    const TPolynomialValues v = EvalPolynomial(2, Poly({-1, 0}, {0, 0}, {1, 0}), {1, 0});
    const TComplex step = LaguerreStep(2, v.p, v.dp, v.d2p);
    EXPECT_EQ(ComplexModulus(step), 0.0);
    EXPECT_TRUE(IsConverged(1e-8, ComplexModulus(v.p), 0.0, 1.0));
}

struct ConvergenceCase {
    const char* name;
    double tol, absP, absStep, absX;
    bool converged;
};

void PrintTo(const ConvergenceCase& c, std::ostream* out) {
    *out << c.name;
}

class IsConvergedTest : public FloatEnvTest,
                        public ::testing::WithParamInterface<ConvergenceCase> {};

TEST_P(IsConvergedTest, Decides) {
    const ConvergenceCase& c = GetParam();
    EXPECT_EQ(IsConverged(c.tol, c.absP, c.absStep, c.absX), c.converged);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, IsConvergedTest,
    ::testing::Values(ConvergenceCase{"ResidualAtThresholdConverges", 1e-8, 1e-15, 1, 1, true},
                      ConvergenceCase{"ResidualAboveThreshold", 1e-8, 2e-15, 1, 1, false},
                      ConvergenceCase{"ZeroStepAwayFromOrigin", 1e-8, 1, 0, 2, true},
                      ConvergenceCase{"ZeroStepAtOrigin", 1e-8, 1, 0, 0, false},
                      ConvergenceCase{"StepEqualToBoundIsNotEnough", 0.5, 1, 1, 2, false},
                      ConvergenceCase{"StepBelowBound", 0.5, 1, 0.999, 2, true},
                      ConvergenceCase{"LargeStep", 1e-8, 1, 1e-3, 1, false}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
