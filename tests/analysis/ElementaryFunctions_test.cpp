#include "AnalysisTestSupport.h"

#include "analysis/Arctangent.h"
#include "analysis/DecimalLogarithm.h"

#include <gtest/gtest.h>

#include <cmath>

// The analysis's own arctangent and decimal logarithm, built from + - * / and square
// roots so that every build gives the same bits, against the C library's long double
// functions, over their whole range.

namespace {

TEST(AngleDegrees, WithinAFewUnitsOfTheLastPlace) {
    const long double degrees = 180 / 3.141592653589793238462643383279502884L;
    long double worst = 0;
    for (long double t = 1e-30L; t < 1e30L; t *= 1.01L) {
        const long double expected = std::atan(t) * degrees;
        const long double got = ToLongDouble(AngleDegrees(FromLongDouble(t), 1));
        worst = std::fmax(worst, std::fabs(got - expected) / expected);
    }
    EXPECT_LT(worst, 16 * 0x1p-64L);
    EXPECT_EQ(ToLongDouble(AngleDegrees(0, 1)), 0);
    EXPECT_EQ(ToLongDouble(AngleDegrees(1, 0)), 90);
    EXPECT_TRUE(Near(ToLongDouble(AngleDegrees(1, 1)), 45, 4 * 0x1p-64L));
    // Legs far beyond the double range.
    EXPECT_TRUE(Near(ToLongDouble(AngleDegrees(FromLongDouble(1e4000L), FromLongDouble(3e4000L))),
                     std::atan(1.0L / 3) * degrees, 16 * 0x1p-64L));
}

TEST(DecimalLogarithm, WithinAFewUnitsOfTheLastPlace) {
    // The reference must be more precise than the function: a C library whose long double
    // logarithm is the double one (the browser's) cannot judge it.
    if (std::log10(3.0L) == static_cast<long double>(std::log10(3.0)))
        GTEST_SKIP() << "the C library's long double logarithm has a double's precision";
    long double worst = 0;
    for (long double x = 1e-4900L; x < 1e4900L; x *= 1.37L) {
        const long double expected = std::log10(x);
        const long double got = ToLongDouble(DecimalLogarithm(FromLongDouble(x)));
        worst = std::fmax(worst, std::fabs(got - expected) / std::fmax(std::fabs(expected), 1));
    }
    EXPECT_LT(worst, 16 * 0x1p-64L);
    for (long double x = 0.5L; x < 2; x += 0.001L) {
        const long double expected = std::log10(x);
        const long double got = ToLongDouble(DecimalLogarithm(FromLongDouble(x)));
        EXPECT_LE(std::fabs(got - expected), 8 * 0x1p-64L) << x;
    }
    EXPECT_EQ(ToLongDouble(DecimalLogarithm(1)), 0);
    EXPECT_TRUE(Near(ToLongDouble(DecimalLogarithm(1000)), 3, 4 * 0x1p-64L));
    EXPECT_TRUE(Near(ToLongDouble(Decibels(10)), 20, 4 * 0x1p-64L));
    EXPECT_TRUE(Near(ToLongDouble(Decibels(3.85)), 20 * std::log10(static_cast<long double>(3.85)),
                     16 * 0x1p-64L));
}

} // namespace
