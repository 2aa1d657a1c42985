#include "curves/ReadoutText.h"

#include "ground/Regional.h"
#include "tests/support/FakePlotTarget.h" // PrintTo for QString

#include <gtest/gtest.h>

namespace {

struct NumberCase {
    double value;
    char separator;
    const char* text;
};

class ReadoutNumberTest : public ::testing::TestWithParam<NumberCase> {};

TEST_P(ReadoutNumberTest, SixSignificantDigitsWithTheSeparator) {
    const NumberCase& c = GetParam();
    EXPECT_EQ(FormatReadoutNumber(c.value, QLatin1Char(c.separator)), QString::fromUtf8(c.text));
}

INSTANTIATE_TEST_SUITE_P(
    Values, ReadoutNumberTest,
    ::testing::Values(NumberCase{0.5, ',', "0,5"}, NumberCase{0.25, '.', "0.25"},
                      NumberCase{-0.0, ',', "0"}, NumberCase{1.7400000000000013, ',', "1,74"},
                      NumberCase{0.35355339059327373, ',', "0,353553"},
                      NumberCase{-135, ',', "-135"}, NumberCase{123456.4, ',', "123456"},
                      NumberCase{999999.5, ',', "1E06"}, NumberCase{1234567, ',', "1,23457E06"},
                      NumberCase{0.0001, ',', "0,0001"}, NumberCase{0.00001, ',', "1E-05"},
                      NumberCase{-1.5e-7, ',', "-1,5E-07"}, NumberCase{2e300, ',', "2E300"}));

TEST(ReadoutText, NyquistSampleWithItsMagnitudeAndPrincipalPhase) {
    SetRegionalSeparators(QLatin1Char(','), QStringLiteral("\u00A0"));
    EXPECT_EQ(NyquistReadoutText({1, -0.25, -0.25}),
              QStringLiteral("ω = 1\nR = Re W(jω) = -0,25\nI = Im W(jω) = -0,25\n"
                             "|W| = 0,353553\narg W = -135°"));
    // On the negative real axis the phase is +180°, whichever zero the part is.
    EXPECT_TRUE(NyquistReadoutText({1.7, -0.125, -0.0}).endsWith(QStringLiteral("arg W = 180°")));
    EXPECT_TRUE(NyquistReadoutText({2, 0, 0}).endsWith(QStringLiteral("arg W не определён")));
}

TEST(ReadoutText, DPartitionMirrorShowsItsNegativeFrequency) {
    SetRegionalSeparators(QLatin1Char('.'), QStringLiteral(","));
    EXPECT_EQ(DPartitionReadoutText({-1.5, 6.75, -1.125}),
              QStringLiteral("ω = -1.5\nP = Re a3 = 6.75\nQ = Im a3 = -1.125"));
    SetRegionalSeparators(QLatin1Char(','), QStringLiteral("\u00A0"));
}

} // namespace
