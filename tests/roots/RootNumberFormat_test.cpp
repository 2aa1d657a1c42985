#include "RootsTestSupport.h"

#include "ground/Regional.h"
#include "roots/RootNumberFormat.h"

#include <QLocale>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

const TNumberSeparators kCommaBlank{QLatin1Char(','), QStringLiteral(" ")};

struct FormatCase {
    const char* name;
    double value;
    const char* text; // with ',' as decimal and ' ' as thousands separator
};

void PrintTo(const FormatCase& c, std::ostream* out) {
    *out << c.name;
}

class FormatRootNumberTest : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatRootNumberTest, Formats) {
    const FormatCase& c = GetParam();
    EXPECT_EQ(FormatRootNumber(c.value, kCommaBlank), QString::fromUtf8(c.text));
}

INSTANTIATE_TEST_SUITE_P(
    Table, FormatRootNumberTest,
    ::testing::Values(
        FormatCase{"Integer", 1, "1,00"}, FormatCase{"HalfUp", 0.125, "0,13"},
        FormatCase{"HalfAwayFromZero", -0.125, "-0,13"},
        FormatCase{"TinyNegativeIsZero", -6e-17, "0,00"}, FormatCase{"Zero", 0.0, "0,00"},
        FormatCase{"NegativeZero", -0.0, "0,00"},
        FormatCase{"SmallNegativeRoundsToZero", -0.004, "0,00"},
        FormatCase{"RoundsUpFromBelowFirstDecimal", 0.005, "0,01"},
        FormatCase{"NegativeRoundsUpFromBelow", -0.005, "-0,01"},
        FormatCase{"BelowHalfOfLastPlace", 0.0049, "0,00"},
        FormatCase{"NoDigitAtAll", 0.0004, "0,00"},
        // 1.005 is 1.00499999999999989... as a double: 18 digits keep it below the half.
        FormatCase{"DoubleBelowTheHalf", 1.005, "1,00"},
        FormatCase{"CarryIntoIntegerPart", 0.9951, "1,00"},
        FormatCase{"CarryAddsAGroup", 999.999, "1 000,00"},
        FormatCase{"Grouping", 1234.5, "1 234,50"},
        FormatCase{"GroupingNegative", -1234567.891, "-1 234 567,89"},
        FormatCase{"TwoDecimals", 123.456, "123,46"},
        FormatCase{"TenSignificantDigitsCut", 123456789.126, "123 456 789,10"},
        FormatCase{"TenthDigitKept", 999999999.949, "999 999 999,90"},
        FormatCase{"CarryAtTenthDigit", 999999999.96, "1 000 000 000,00"},
        FormatCase{"LargestFixed", 9999999999.4, "9 999 999 999,00"},
        FormatCase{"RoundsIntoScientific", 9999999999.6, "1E10"},
        FormatCase{"Scientific", 12345678912.0, "1,234567891E10"},
        FormatCase{"ScientificNegative", -12345678912.0, "-1,234567891E10"},
        FormatCase{"ScientificTrailingZerosDropped", 15000000000.0, "1,5E10"},
        FormatCase{"ScientificSingleDigit", 1e10, "1E10"},
        FormatCase{"ScientificThreeDigitExponent", 1e100, "1E100"},
        FormatCase{"ScientificRoundsAtTenDigits", 12345678915.0, "1,234567892E10"},
        FormatCase{"TinyPositive", 1e-300, "0,00"}, FormatCase{"Huge", -1.5e300, "-1,5E300"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FormatRootNumber, UsesTheGivenSeparators) {
    EXPECT_EQ(FormatRootNumber(1234.5, {QLatin1Char('.'), QStringLiteral(",")}), "1,234.50");
    EXPECT_EQ(FormatRootNumber(1234.5, {QLatin1Char(','), QString()}), "1234,50");
    EXPECT_EQ(FormatRootNumber(12345678912.0, {QLatin1Char('.'), QStringLiteral(",")}),
              "1.234567891E10");
    EXPECT_EQ(FormatRootNumber(-0.0, {QLatin1Char('.'), QString()}), "0.00");
}

TEST(FormatRootNumber, FollowsTheRegionalSeparatorsInForce) {
    const QLocale russian(QLocale::Russian, QLocale::Russia);
    SetRegionalSeparators(russian.decimalPoint().at(0), russian.groupSeparator());
    EXPECT_EQ(FormatRootNumber(1234.5, RegionalNumberSeparators()),
              QStringLiteral("1\u00A0234,50"));
    EXPECT_EQ(FormatRootNumber(-1234567.0, RegionalNumberSeparators()),
              QStringLiteral("-1\u00A0234\u00A0567,00"));

    SetRegionalSeparators(QLatin1Char('.'), QStringLiteral(","));
    EXPECT_EQ(FormatRootNumber(1234.5, RegionalNumberSeparators()), "1,234.50");
    EXPECT_EQ(FormatRootNumber(0.125, RegionalNumberSeparators()), "0.13");
}

TEST(FormatRootNumber, AgreesWithHalfAwayRoundingOfExactCents) {
    // Every value k/100 + 1/1000 * j for a range of k and j: the shown text is the
    // value rounded half away from zero to cents (j != 5 keeps away from the halves,
    // where the double may lie on either side).
    for (int k = -20000; k <= 20000; k += 7) {
        for (int j = 0; j < 10; ++j) {
            if (j == 5)
                continue;
            const double value = k / 100.0 + (k < 0 ? -j : j) / 1000.0;
            const long long cents = std::llround(value * 100.0);
            const long long whole = std::llabs(cents) / 100;
            const QString expected =
                (cents == 0  ? QString()
                 : cents < 0 ? QStringLiteral("-")
                             : QString()) +
                QString::number(whole) + QLatin1Char('.') +
                QStringLiteral("%1").arg(std::llabs(cents) % 100, 2, 10, QLatin1Char('0'));
            EXPECT_EQ(FormatRootNumber(value, {QLatin1Char('.'), QString()}), expected) << value;
        }
    }
}

TEST(FormatRootNumber, NonFiniteValuesStillGiveText) {
    EXPECT_EQ(FormatRootNumber(std::numeric_limits<double>::infinity(), kCommaBlank), "INF");
    EXPECT_EQ(FormatRootNumber(-std::numeric_limits<double>::infinity(), kCommaBlank), "-INF");
    EXPECT_EQ(FormatRootNumber(std::nan(""), kCommaBlank), "NAN");
}

} // namespace
