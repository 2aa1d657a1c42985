// The rules for what the boxes show: the error kinds' exact messages, the final
// period of the report, and the application title from the executable's name.

#include "forms/ApplicationTitle.h"
#include "forms/ReportException.h"
#include "ground/Errors.h"

#include <gtest/gtest.h>

#include <functional>
#include <new>

namespace {

struct Period {
    const char* message;
    const char* shown;
};

class FinalPeriod : public ::testing::TestWithParam<Period> {};

TEST_P(FinalPeriod, AppendedOnlyAfterACodeAboveFullStop) {
    EXPECT_EQ(WithFinalPeriod(QString::fromUtf8(GetParam().message)).toStdString(),
              GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Rule, FinalPeriod,
    ::testing::Values(Period{"Floating point overflow", "Floating point overflow."},
                      Period{"Axis Minimum Value must be <= Maximum",
                             "Axis Minimum Value must be <= Maximum."},
                      Period{"'abc' is not a valid floating point value",
                             "'abc' is not a valid floating point value."},
                      Period{"ends in digit 1", "ends in digit 1."}, Period{"slash/", "slash/."},
                      Period{"Ошибка", "Ошибка."}, Period{"already.", "already."},
                      Period{"bang!", "bang!"}, Period{"(bracketed)", "(bracketed)"},
                      Period{"'quoted'", "'quoted'"}, Period{"trailing ", "trailing "},
                      Period{"minus-", "minus-"}, Period{"comma,", "comma,"}, Period{"", ""}));

struct Title {
    const char* path;
    const char* title;
};

class TitleFromName : public ::testing::TestWithParam<Title> {};

TEST_P(TitleFromName, FirstCharacterKeptRestLowered) {
    EXPECT_EQ(TitleFromExecutableName(QString::fromUtf8(GetParam().path)).toStdString(),
              GetParam().title);
}

INSTANTIATE_TEST_SUITE_P(Rule, TitleFromName,
                         ::testing::Values(Title{"LABS.EXE", "Labs"},
                                           Title{"/usr/local/bin/Labs", "Labs"},
                                           Title{"/home/st.udent/v1.2/LABS.EXE", "Labs"},
                                           Title{"/opt/lab.d/labs.tar.gz", "labs"},
                                           Title{"mIxEd", "mixed"}, Title{"/x/ЛАБЫ.EXE", "Лабы"},
                                           Title{"L", "L"}, Title{"/x/.hidden", ""},
                                           Title{"", ""}));

struct Kind {
    const char* name;
    std::function<void()> raise;
    const char* message;
};

class ErrorKind : public ::testing::TestWithParam<Kind> {};

TEST_P(ErrorKind, CarriesItsExactMessage) {
    try {
        GetParam().raise();
        FAIL() << "nothing raised";
    } catch (const std::exception& error) {
        EXPECT_EQ(ErrorMessage(error).toStdString(), GetParam().message);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Messages, ErrorKind,
    ::testing::Values(
        Kind{"EZeroDivide", [] { throw EZeroDivide(); }, "Floating point division by zero"},
        Kind{"EInvalidOp", [] { throw EInvalidOp(); }, "Invalid floating point operation"},
        Kind{"EOverflow", [] { throw EOverflow(); }, "Floating point overflow"},
        Kind{"ERangeError", [] { CheckIndex(4, 0, 3); }, "Range check error"},
        Kind{"EOutOfMemory", [] { throw EOutOfMemory(); }, "Out of memory"},
        Kind{"bad_alloc", [] { throw std::bad_alloc(); }, "Out of memory"},
        Kind{"EConvertError", [] { throw EConvertError(QStringLiteral("'x' is bad")); },
             "'x' is bad"}),
    [](const ::testing::TestParamInfo<Kind>& info) { return std::string(info.param.name); });

TEST(CheckIndexTest, InsideTheBoundsPasses) {
    for (int i = 0; i <= 3; ++i)
        EXPECT_NO_THROW(CheckIndex(i, 0, 3));
    EXPECT_THROW(CheckIndex(-1, 0, 3), ERangeError);
}

} // namespace
