// Coefficient text to number: the accepted syntax, the value, the rejections with
// their exact message, the store into a double, and agreement with the C library.

#include "ground/Errors.h"
#include "ground/FloatEnv.h"
#include "ground/ParseReal.h"
#include "ground/Regional.h"
#include "numeric/ExtendedConstants.h"
#include "tests/ground/OpaqueExtended.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <string>

namespace {

struct Accepted {
    const char* text;
    double value;
};

struct Rejected {
    const char* text;
};

// The C library's reading of a text in the C locale's format, whatever locale is in
// force: from_chars, or where the C++ library has none (the browser's) strtod, in the
// C locale these tests keep.
double ReadInCFormat(const std::string& text) {
#if defined(__cpp_lib_to_chars)
    double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
#else
    return std::strtod(text.c_str(), nullptr);
#endif
}

// Every test of this file runs under a comma locale unless it says otherwise.
class ParseRealTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetFloatEnvironment();
        SetRegionalSeparators(QLatin1Char(','), QString(QChar(0x00A0)));
    }
    void TearDown() override { SetRegionalSeparators(QLatin1Char('.'), QStringLiteral(",")); }
};

std::string ConvertMessage(const char* text) {
    return std::string("'") + text + "' is not a valid floating point value";
}

class AcceptedText : public ParseRealTest, public ::testing::WithParamInterface<Accepted> {};

TEST_P(AcceptedText, ReadsItsValue) {
    const Accepted row = GetParam();
    const double value = ParseCoefficient(QString::fromUtf8(row.text));
    EXPECT_EQ(value, row.value) << row.text;
    EXPECT_EQ(std::signbit(value), std::signbit(row.value)) << row.text;
}

INSTANTIATE_TEST_SUITE_P(
    Syntax, AcceptedText,
    ::testing::Values(
        Accepted{",", 0.0}, Accepted{",5", 0.5}, Accepted{"5,", 5.0}, Accepted{"-,", -0.0},
        Accepted{" 12 ", 12.0}, Accepted{"1e3", 1000.0}, Accepted{"1E", 1.0}, Accepted{"1e+", 1.0},
        Accepted{"1e-", 1.0}, Accepted{"+1,5", 1.5}, Accepted{"-2,25", -2.25}, Accepted{"0", 0.0},
        Accepted{"-0", -0.0}, Accepted{"007", 7.0}, Accepted{"   3", 3.0}, Accepted{"3   ", 3.0},
        Accepted{"2,5E2", 250.0}, Accepted{"25e-1", 2.5}, Accepted{",125e+1", 1.25},
        Accepted{"1E0000000000000000000000001", 10.0}, Accepted{"0E4999", 0.0},
        Accepted{"12345678901234567890", 12345678901234567890.0}, Accepted{"1E-400", 0.0},
        Accepted{"-1E-400", -0.0}, Accepted{"4,9E-324", 4.9e-324}));

class RejectedText : public ParseRealTest, public ::testing::WithParamInterface<Rejected> {};

TEST_P(RejectedText, RaisesConvertErrorNamingTheText) {
    const char* text = GetParam().text;
    try {
        ParseReal(QString::fromUtf8(text));
        FAIL() << "accepted: '" << text << "'";
    } catch (const EConvertError& error) {
        EXPECT_EQ(std::string(error.what()), ConvertMessage(text));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Syntax, RejectedText,
    ::testing::Values(Rejected{""}, Rejected{"-"}, Rejected{"+"}, Rejected{" "}, Rejected{"E5"},
                      Rejected{"e5"}, Rejected{"1 000"}, Rejected{"1-2"}, Rejected{"1,2,3"},
                      Rejected{"1E4999"}, Rejected{"1E5000"}, Rejected{"1E50000"}, Rejected{"\t1"},
                      Rejected{"1\t"}, Rejected{"1.5"}, Rejected{"abc"}, Rejected{"--1"},
                      Rejected{"+-1"}, Rejected{"1E+-3"}, Rejected{"1,5 x"}, Rejected{"1e3,5"},
                      Rejected{"- 1"}, Rejected{"1\u00A0000"}, Rejected{"\u0661"}, Rejected{"-E"},
                      Rejected{"0x10"}, Rejected{"inf"}, Rejected{"nan"}));

// A value beyond the double range passes the parser but not the store.
TEST_F(ParseRealTest, BeyondDoubleRangeFailsAtTheStore) {
    for (const char* text : {"1E600", "-1E600", "1E309", "1E499", "1E0500"}) {
        TExtended parsed = 0;
        EXPECT_NO_THROW(parsed = ParseReal(QString::fromLatin1(text))) << text;
        EXPECT_TRUE(ExtendedAbs(parsed) < ExtendedConstants::Infinity) << text;
        try {
            StoreDouble(parsed);
            ADD_FAILURE() << "stored: " << text;
        } catch (const EOverflow& error) {
            EXPECT_STREQ(error.what(), "Floating point overflow");
        }
        EXPECT_THROW(ParseCoefficient(QString::fromLatin1(text)), EOverflow) << text;
    }
}

// Underflow stays silent: the stored value becomes a subnormal number or zero.
TEST_F(ParseRealTest, BelowDoubleRangeBecomesSubnormalOrZero) {
    EXPECT_EQ(ParseCoefficient(QStringLiteral("1E-310")), 1e-310);
    EXPECT_EQ(ParseCoefficient(QStringLiteral("1E-4950")), 0.0);
}

// The parser accepts one separator: the regional one.
TEST_F(ParseRealTest, FullStopLocaleTakesTheFullStop) {
    SetRegionalSeparators(QLatin1Char('.'), QStringLiteral(","));
    EXPECT_EQ(ParseCoefficient(QStringLiteral("1.5")), 1.5);
    EXPECT_EQ(ParseCoefficient(QStringLiteral(".5")), 0.5);
    EXPECT_THROW(ParseReal(QStringLiteral("1,5")), EConvertError);
    EXPECT_THROW(ParseReal(QStringLiteral("1,000")), EConvertError);
}

// The parser's own overflow never leaks into the caller's flags, and the caller's
// pending flags survive a parse.
TEST_F(ParseRealTest, LeavesTheCallersFlagsAlone) {
    ClearFloatFlags();
    EXPECT_THROW(ParseReal(QStringLiteral("1E4999")), EConvertError);
    EXPECT_NO_THROW(CheckFloatFaults());

    Opaque(Opaque(1.0) / Opaque(0.0));
    EXPECT_NO_THROW(ParseReal(QStringLiteral("2,5")));
    EXPECT_THROW(CheckFloatFaults(), EZeroDivide);
}

// Agreement with the C library's correctly rounded conversion for texts of up to
// 19 digits and moderate exponents: the two roundings of the extended computation
// keep the result within one unit in the last place of a double.
std::int64_t OrderedBits(double value) {
    std::int64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits < 0 ? std::numeric_limits<std::int64_t>::min() - bits : bits;
}

TEST_F(ParseRealTest, AgreesWithStrtodWithinOneUlp) {
    std::mt19937_64 random(20240611);
    std::uniform_int_distribution<int> digitCount(1, 19), digit(0, 9), exponent(-40, 40),
        coin(0, 1);
    for (int sample = 0; sample < 20000; ++sample) {
        const int count = digitCount(random);
        std::uniform_int_distribution<int> pointAt(0, count);
        const int point = pointAt(random);
        std::string digits;
        for (int i = 0; i < count; ++i)
            digits += char('0' + digit(random));
        std::string c = digits.substr(0, point) + "." + digits.substr(point);
        if (coin(random))
            c += "e" + std::to_string(exponent(random));
        if (coin(random))
            c = "-" + c;
        std::string regional = c;
        regional[regional.find('.')] = ',';

        const double expected = ReadInCFormat(c);
        const double parsed = ParseCoefficient(QString::fromLatin1(regional.c_str()));
        ASSERT_LE(std::llabs(OrderedBits(parsed) - OrderedBits(expected)), 1)
            << regional << " gave " << parsed << ", strtod " << expected;
    }
}

TEST(ReplaceFullStopsTest, EveryFullStopBecomesTheSeparator) {
    EXPECT_EQ(ReplaceFullStops(QStringLiteral("1.2.3"), QLatin1Char(',')), QStringLiteral("1,2,3"));
    EXPECT_EQ(ReplaceFullStops(QStringLiteral(" .5e.1 "), QLatin1Char(',')),
              QStringLiteral(" ,5e,1 "));
    EXPECT_EQ(ReplaceFullStops(QStringLiteral("1.5"), QLatin1Char('.')), QStringLiteral("1.5"));
    EXPECT_EQ(ReplaceFullStops(QStringLiteral("1,5"), QLatin1Char('.')), QStringLiteral("1,5"));
    EXPECT_EQ(ReplaceFullStops(QString(), QLatin1Char(',')), QString());
}

} // namespace
