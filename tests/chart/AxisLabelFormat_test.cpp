#include "chart/AxisLabelFormat.h"
#include "ground/Regional.h"

#include <gtest/gtest.h>

#include <clocale>
#include <limits>
#include <string>
#include <vector>

namespace {

struct Case {
    double value;
    const char* text;
};

// Russian-style separators with a plain blank for grouping.
void ExpectTexts(const std::vector<Case>& cases, QChar decimal, const QString& thousands) {
    SetRegionalSeparators(decimal, thousands);
    for (const Case& c : cases)
        EXPECT_EQ(FormatAxisLabel(c.value).toStdString(), c.text) << c.value;
    SetRegionalSeparators(QLatin1Char('.'), QStringLiteral(","));
}

// Puts a C library locale in force for one scope, as the toolkit's start-up does from
// the environment, and the previous one back afterwards.
class ScopedCLocale {
  public:
    explicit ScopedCLocale(const char* name) : previous_(std::setlocale(LC_ALL, nullptr)) {
        inForce_ = std::setlocale(LC_ALL, name) != nullptr;
    }
    ~ScopedCLocale() { std::setlocale(LC_ALL, previous_.c_str()); }
    bool InForce() const { return inForce_; }

  private:
    std::string previous_;
    bool inForce_ = false;
};

} // namespace

// Under a decimal-comma C locale, digits expanded through a locale-aware call carry a
// comma that the digit logic takes for a digit: 1 became "1,,", 0.22 "0,2,2" and
// -0.02 "-0,01-". The axis labels of real runs, as the student reads them.
TEST(AxisLabelFormat, IndependentOfTheCLibraryLocale) {
    const std::vector<Case> labels = {
        {0, "0"},
        {1, "1"},
        {5, "5"},
        {10, "10"},
        {15, "15"},
        {20, "20"},
        {-1, "-1"},
        {-5, "-5"},
        {1000, "1 000"},
        {12345, "12 345"},
        {-250000, "-250 000"},
        {0.22, "0,22"},
        {0.2, "0,2"},
        {0.18, "0,18"},
        {0.02, "0,02"},
        {-0.02, "-0,02"},
        {-0.04, "-0,04"},
        {-0.2, "-0,2"},
        {-1.7286, "-1,729"},
        {0.0005, "0,001"},
        {999.9996, "1 000"},
        {-2.5e20, "-2,5E20"},
        {1e18, "1E18"},
    };
#ifdef _WIN32
    // Windows' C library names its locales by language and country.
    const auto names = {"Russian_Russia.1251", "German_Germany.1252"};
#else
    const auto names = {"ru_RU.UTF-8", "de_DE.UTF-8"};
#endif
    for (const char* name : names) {
        const ScopedCLocale locale(name);
        ASSERT_TRUE(locale.InForce())
            << name << " is not generated on this machine: scripts/install-locales.sh makes it";
        SCOPED_TRACE(name);
        ExpectTexts(labels, QLatin1Char(','), QStringLiteral(" "));
    }
}

TEST(AxisLabelFormat, CommaAndBlank) {
    ExpectTexts(
        {
            {0, "0"},
            {-3.9e-16, "0"},     // the residue of repeated subtraction, never "-0"
            {-0.0004, "0"},      // rounds to zero: no sign
            {-0.0005, "-0,001"}, // half away from zero
            {0.0005, "0,001"},
            {0.30000000000000004, "0,3"},
            {1234.5, "1 234,5"},
            {2, "2"},
            {-4, "-4"},
            {0.02, "0,02"},
            {1.0005, "1"}, // stored as 1.00049999999999994
            {2.675, "2,675"},
            {0.1235, "0,123"},   // stored as 0.123499999999999999
            {999.9996, "1 000"}, // the carry reaches the integer part
            {-1.7286, "-1,729"},
            {1000, "1 000"},
            {-1234567.25, "-1 234 567,25"},
            {123456789012345678.0, "123 456 789 012 345 680"},
            {1e18, "1E18"},
            {-2.5e20, "-2,5E20"},
            {std::numeric_limits<double>::infinity(), "INF"},
        },
        QLatin1Char(','), QStringLiteral(" "));
}

TEST(AxisLabelFormat, PointAndNoGrouping) {
    ExpectTexts({{1234.5, "1234.5"}, {-1000000, "-1000000"}, {0.25, "0.25"}}, QLatin1Char('.'),
                QString());
}

TEST(AxisLabelFormat, NoBreakSpaceGrouping) {
    SetRegionalSeparators(QLatin1Char(','), QString(QChar(0x00A0)));
    EXPECT_EQ(FormatAxisLabel(12345.5), QStringLiteral("12") + QChar(0x00A0) + "345,5");
    SetRegionalSeparators(QLatin1Char('.'), QStringLiteral(","));
}

TEST(AxisLabelFormat, ExplicitSeparators) {
    EXPECT_EQ(FormatAxisLabel(-2500.125, QLatin1Char(','), QStringLiteral(".")),
              QStringLiteral("-2.500,125"));
}
