// Coefficient texts at and beyond the edges of the double range, and very long ones:
// each reads as a value, overflows on the store, or is refused as text, and nothing
// else. Also the inputs the fuzzer once found.

#include "ground/Errors.h"
#include "ground/FloatEnv.h"
#include "ground/ParseReal.h"
#include "ground/Regional.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <cfloat>
#include <cmath>
#include <string>

namespace {

enum class Kind { Value, Overflow, NotANumber };

struct ExtremeText {
    std::string text;
    Kind kind;
    double value; // for Kind::Value
};

std::ostream& operator<<(std::ostream& out, const ExtremeText& row) {
    return out << '\'' << row.text.substr(0, 40) << (row.text.size() > 40 ? "…" : "") << '\'';
}

std::string Repeat(char c, int n) {
    return std::string(std::size_t(n), c);
}

class ParseRealExtreme : public testing::TestWithParam<ExtremeText> {
  protected:
    void SetUp() override {
        SetRegionalSeparators(QLatin1Char(','), QStringLiteral("\u00a0"));
        ResetFloatEnvironment();
    }
};

TEST_P(ParseRealExtreme, ReadsStoresOrRefuses) {
    const ExtremeText& row = GetParam();
    const QString text = QString::fromLatin1(row.text.data(), qsizetype(row.text.size()));
    switch (row.kind) {
    case Kind::Value: {
        const double value = ParseCoefficient(text);
        if (row.value == 0) {
            EXPECT_EQ(value, 0.0);
            EXPECT_EQ(std::signbit(value), std::signbit(row.value));
        } else {
            EXPECT_NEAR(value, row.value, std::fabs(row.value) * DBL_EPSILON);
        }
        break;
    }
    case Kind::Overflow:
        EXPECT_THROW(ParseCoefficient(text), EOverflow);
        break;
    case Kind::NotANumber:
        try {
            ParseCoefficient(text);
            ADD_FAILURE() << "accepted";
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.Message(), QLatin1Char('\'') + text +
                                       QLatin1String("' is not a valid floating point value"));
        }
        break;
    }
    // Whatever happened, the next computation starts clean.
    EXPECT_EQ(std::fetestexcept(FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW), 0);
}

INSTANTIATE_TEST_SUITE_P(
    EdgesOfTheRange, ParseRealExtreme,
    testing::Values(
        ExtremeText{"1e308", Kind::Value, 1e308}, ExtremeText{"-1e308", Kind::Value, -1e308},
        ExtremeText{"1,7976931348623157e308", Kind::Value, DBL_MAX},
        ExtremeText{"1,8e308", Kind::Overflow, 0}, ExtremeText{"1E600", Kind::Overflow, 0},
        ExtremeText{"-1E600", Kind::Overflow, 0}, ExtremeText{"1e4931", Kind::Overflow, 0},
        ExtremeText{"1e4999", Kind::NotANumber, 0}, ExtremeText{"1e5000", Kind::NotANumber, 0},
        ExtremeText{"0e4999", Kind::Value, 0.0}, ExtremeText{"1e-308", Kind::Value, 1e-308},
        ExtremeText{"2,2250738585072014e-308", Kind::Value, DBL_MIN},
        ExtremeText{"1e-310", Kind::Value, 1e-310},
        ExtremeText{"4,9e-324", Kind::Value, DBL_TRUE_MIN}, ExtremeText{"1e-400", Kind::Value, 0.0},
        ExtremeText{"-1e-400", Kind::Value, -0.0}, ExtremeText{"1e-4999", Kind::Value, 0.0},
        ExtremeText{"0", Kind::Value, 0.0}, ExtremeText{"-0", Kind::Value, -0.0},
        ExtremeText{"-,", Kind::Value, -0.0}));

INSTANTIATE_TEST_SUITE_P(
    LongTexts, ParseRealExtreme,
    testing::Values(ExtremeText{"1" + Repeat('0', 199), Kind::Value, 1e199},
                    ExtremeText{Repeat('9', 200), Kind::Value, 1e200},
                    ExtremeText{"-" + Repeat('9', 200) + "E-200", Kind::Value, -1.0},
                    ExtremeText{"0," + Repeat('0', 199) + "1", Kind::Value, 1e-200},
                    ExtremeText{"1" + Repeat('0', 400), Kind::Overflow, 0},
                    ExtremeText{"1" + Repeat('0', 400) + "E-400", Kind::Value, 1.0},
                    // Beyond the extended range while the digits are gathered.
                    ExtremeText{"1" + Repeat('0', 5000) + "E-4999", Kind::NotANumber, 0},
                    ExtremeText{Repeat(' ', 300) + "5" + Repeat(' ', 300), Kind::Value, 5.0},
                    ExtremeText{"1" + Repeat('0', 200) + ",5", Kind::Value, 1e200}));

// Found by fuzzing: a NUL inside the text once cut the error message short.
INSTANTIATE_TEST_SUITE_P(FoundByFuzzing, ParseRealExtreme,
                         testing::Values(ExtremeText{std::string("+1xx\0+1xxxxxxe+", 15),
                                                     Kind::NotANumber, 0},
                                         ExtremeText{std::string("1\0", 2), Kind::NotANumber, 0}));

} // namespace
