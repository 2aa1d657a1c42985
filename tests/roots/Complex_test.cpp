#include "RootsTestSupport.h"

#include "ground/Errors.h"
#include "roots/Complex.h"

#include <cmath>
#include <random>

namespace {

const double kRoot2 = std::sqrt(2.0);

struct SqrtCase {
    const char* name;
    TComplex z;
    TComplex expected;
    double tolerance;
};

void PrintTo(const SqrtCase& c, std::ostream* out) {
    *out << c.name;
}

class ComplexSqrtTest : public FloatEnvTest, public ::testing::WithParamInterface<SqrtCase> {};

TEST_P(ComplexSqrtTest, TakesTheBranchOfTheAngleRule) {
    const SqrtCase& c = GetParam();
    EXPECT_TRUE(Near(ComplexSqrt(c.z), c.expected, c.tolerance));
}

INSTANTIATE_TEST_SUITE_P(
    Branches, ComplexSqrtTest,
    ::testing::Values(
        SqrtCase{"PositiveImaginaryAxis", {0, 4}, {kRoot2, kRoot2}, 1e-15},
        SqrtCase{"NegativeImaginaryAxis", {0, -4}, {kRoot2, -kRoot2}, 1e-15},
        SqrtCase{"BandAboveAxis", {1e-16, 1}, {std::sqrt(0.5), std::sqrt(0.5)}, 1e-15},
        SqrtCase{"BandBelowAxisNegativeRe", {-9e-16, -1}, {std::sqrt(0.5), -std::sqrt(0.5)}, 1e-15},
        SqrtCase{"FirstQuadrant", {3, 4}, {2, 1}, 0},
        SqrtCase{"FourthQuadrant", {3, -4}, {2, -1}, 0},
        SqrtCase{"SecondQuadrantIsPrincipal", {-3, 4}, {1, 2}, 4e-16},
        SqrtCase{"ThirdQuadrantIsNegatedPrincipal", {-3, -4}, {-1, 2}, 4e-16},
        SqrtCase{"Zero", {0, 0}, {0, 0}, 0}, SqrtCase{"PositiveReal", {4, 0}, {2, 0}, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(FloatEnvTest, SqrtOfNegativeRealHasTinyPositiveRealPart) {
    // theta = pi rounded to a double, so cos(theta/2) is about 6.1e-17, not 0.
    const TComplex r = ComplexSqrt({-4, 0});
    EXPECT_GT(r.Re, 1.2e-16);
    EXPECT_LT(r.Re, 1.3e-16);
    EXPECT_EQ(r.Im, 2.0);
}

TEST_F(FloatEnvTest, SqrtSquaresBackAndKeepsItsHalfPlane) {
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> part(-100.0, 100.0);
    for (int i = 0; i < 2000; ++i) {
        const TComplex z{part(random), part(random)};
        const TComplex r = ComplexSqrt(z);
        EXPECT_TRUE(Near(ComplexMul(r, r), z, 1e-12 * ComplexModulus(z) + 1e-13)) << z;
        if (z.Re >= ZeroThreshold) {
            EXPECT_GT(r.Re, 0.0) << z;
        }
        if (z.Re <= -ZeroThreshold) {
            EXPECT_GT(r.Im, 0.0) << z;
        }
    }
}

struct BinaryCase {
    const char* name;
    TComplex (*op)(TComplex, TComplex);
    TComplex a, b, expected;
};

void PrintTo(const BinaryCase& c, std::ostream* out) {
    *out << c.name;
}

class ComplexOperationTest : public FloatEnvTest,
                             public ::testing::WithParamInterface<BinaryCase> {};

TEST_P(ComplexOperationTest, GivesExactResult) {
    const BinaryCase& c = GetParam();
    const TComplex r = c.op(c.a, c.b);
    EXPECT_EQ(r.Re, c.expected.Re) << r;
    EXPECT_EQ(r.Im, c.expected.Im) << r;
}

INSTANTIATE_TEST_SUITE_P(
    Operations, ComplexOperationTest,
    ::testing::Values(
        BinaryCase{"AddParts", ComplexAdd, {1, 2}, {3, -5}, {4, -3}},
        BinaryCase{"SubParts", ComplexSub, {1, 2}, {3, -5}, {-2, 7}},
        BinaryCase{"MulISquared", ComplexMul, {0, 1}, {0, 1}, {-1, 0}},
        BinaryCase{"MulGeneral", ComplexMul, {1, 2}, {3, 4}, {-5, 10}},
        BinaryCase{"DivByImaginary", ComplexDiv, {1, 0}, {0, 2}, {0, -0.5}},
        BinaryCase{"DivGeneral", ComplexDiv, {-5, 10}, {3, 4}, {1, 2}},
        // 1e16 + 1 - 1e16 in extended keeps the 1 a double sum would lose.
        BinaryCase{"MulInExtendedPrecision", ComplexMul, {1e8, 1}, {1e8, -1}, {1e16 + 1, 0}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(FloatEnvTest, ConjugateNegatesImaginaryPart) {
    const TComplex r = ComplexConjugate({1.5, -2.5});
    EXPECT_EQ(r.Re, 1.5);
    EXPECT_EQ(r.Im, 2.5);
}

TEST_F(FloatEnvTest, ModulusSquaresInExtendedPrecision) {
    EXPECT_EQ(ComplexModulus({3, 4}), 5.0);
    EXPECT_EQ(ComplexModulus({-3, -4}), 5.0);
    // The squares of 1e200 are far beyond the double range, not beyond the extended one.
    EXPECT_DOUBLE_EQ(ComplexModulus({1e200, 1e200}), kRoot2 * 1e200);
    EXPECT_DOUBLE_EQ(ComplexModulus({1e-200, 1e-200}), kRoot2 * 1e-200);
}

TEST_F(FloatEnvTest, ModulusSeparatesTheLaguerreNearTie) {
    // The two denominators of x^3+x^2+x+1 at 0: in double arithmetic both moduli come
    // out as 3.0000000000000004; in extended precision only the first does.
    EXPECT_EQ(ComplexModulus({1.0000000000000002, 2.8284271247461903}), 3.0000000000000004);
    EXPECT_EQ(ComplexModulus({0.9999999999999998, -2.8284271247461903}), 3.0);
}

TEST_F(FloatEnvTest, PartBeyondDoubleRangeOverflows) {
    EXPECT_THROW(ComplexMul({1e200, 0}, {1e200, 0}), EOverflow);
    EXPECT_THROW(ComplexAdd({0, 1.7e308}, {0, 1.7e308}), EOverflow);
    EXPECT_THROW(ComplexSub({-1.7e308, 0}, {1.7e308, 0}), EOverflow);
    EXPECT_THROW(ComplexDiv({1e300, 0}, {1e-10, 0}), EOverflow);
    // The fault is cleared on the way out: the next operation runs clean.
    const TComplex r = ComplexMul({2, 0}, {3, 0});
    EXPECT_EQ(r.Re, 6.0);
}

TEST_F(FloatEnvTest, ZeroDivisorFaults) {
    EXPECT_THROW(ComplexDiv({1, 0}, {0, 0}), EInvalidOp); // a*conj(0) = 0: 0/0
    // The squared modulus underflows to zero while the numerator does not.
    EXPECT_THROW(ComplexDiv({1, 0}, {1e-200, 0}), EZeroDivide);
}

TEST_F(FloatEnvTest, UnderflowIsSilent) {
    const TComplex r = ComplexMul({1e-200, 0}, {1e-200, 0});
    EXPECT_EQ(r.Re, 0.0);
    EXPECT_EQ(r.Im, 0.0);
}

} // namespace
