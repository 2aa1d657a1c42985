// The floating-point environment: extended intermediates, faults turned into errors
// where a value is stored, underflow and inexact results silent, and a clean unit
// after every fault. This file is compiled optimised whatever the build type
// (tests/CMakeLists.txt), so that it also checks that the compiler keeps each
// fault at its store.

#include "input/Errors.h"
#include "input/FloatEnv.h"
#include "input/ParseReal.h"
#include "input/Regional.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <cstdint>
#include <functional>
#include <limits>

namespace {

#if defined(__x86_64__)
// Only an x87 unit has this word; elsewhere the extended arithmetic is done in
// software, and <cfenv> tells all there is to check.
std::uint16_t X87ControlWord() {
    std::uint16_t word = 0;
    asm volatile("fnstcw %0" : "=m"(word));
    return word;
}
#endif

// Values that come from outside, so that nothing can be folded at compile time.
long double Opaque(long double value) {
    volatile long double held = value;
    return held;
}

class FloatEnvTest : public ::testing::Test {
  protected:
    void SetUp() override { ResetFloatEnvironment(); }
};

TEST_F(FloatEnvTest, StartUpEnvironment) {
    // 64-bit significand, round to nearest, every exception masked: no hardware traps.
#if defined(__x86_64__)
    EXPECT_EQ(X87ControlWord() & 0x0F3F, 0x033F);
#endif
    EXPECT_EQ(std::fegetround(), FE_TONEAREST);
    EXPECT_EQ(fegetexcept(), 0);
    EXPECT_EQ(std::fetestexcept(FE_ALL_EXCEPT), 0);
}

TEST_F(FloatEnvTest, IntermediatesKeepSixtyFourBits) {
    const long double one = Opaque(1.0L);
    const long double tiny = Opaque(0x1p-63L); // lost in a 53-bit significand
    EXPECT_NE(one + tiny, one);
    EXPECT_EQ(Opaque(one + tiny) - one, tiny);
}

struct Fault {
    const char* name;
    std::function<long double()> compute;
    const char* message; // empty: no error at all
};

class FaultAtStore : public FloatEnvTest, public ::testing::WithParamInterface<Fault> {};

TEST_P(FaultAtStore, BecomesItsErrorAtTheStore) {
    const Fault& row = GetParam();
    ClearFloatFlags();
    const long double value = row.compute();
    if (*row.message == '\0') {
        EXPECT_NO_THROW(StoreDouble(value)) << row.name;
        return;
    }
    try {
        StoreDouble(value);
        ADD_FAILURE() << row.name << ": no error";
    } catch (const EMathError& error) {
        EXPECT_STREQ(error.what(), row.message) << row.name;
    }
    // Clean afterwards: no flag pending, the start-up control word, a sound store.
    EXPECT_EQ(std::fetestexcept(FE_ALL_EXCEPT), 0) << row.name;
#if defined(__x86_64__)
    EXPECT_EQ(X87ControlWord() & 0x0F3F, 0x033F) << row.name;
#endif
    EXPECT_EQ(StoreDouble(Opaque(2.5L) * Opaque(2.0L)), 5.0) << row.name;
}

const char* const kZeroDivide = "Floating point division by zero";
const char* const kInvalid = "Invalid floating point operation";
const char* const kOverflow = "Floating point overflow";

INSTANTIATE_TEST_SUITE_P(
    Arithmetic, FaultAtStore,
    ::testing::Values(
        Fault{"one over zero", [] { return Opaque(1.0L) / Opaque(0.0L); }, kZeroDivide},
        Fault{"minus one over zero", [] { return Opaque(-1.0L) / Opaque(0.0L); }, kZeroDivide},
        Fault{"zero over zero", [] { return Opaque(0.0L) / Opaque(0.0L); }, kInvalid},
        Fault{"root of minus one", [] { return std::sqrt(Opaque(-1.0L)); }, kInvalid},
        Fault{"infinity minus infinity",
              [] {
                  const long double inf = Opaque(std::numeric_limits<long double>::infinity());
                  return inf - inf;
              },
              kInvalid},
        Fault{"beyond extended range",
              [] { return Opaque(std::numeric_limits<long double>::max()) * Opaque(2.0L); },
              kOverflow},
        Fault{"beyond double range on store", [] { return Opaque(1e308L) * Opaque(10.0L); },
              kOverflow},
        Fault{"negative beyond double range", [] { return Opaque(-1e4000L); }, kOverflow},
        Fault{"underflow to zero", [] { return Opaque(1e-300L) * Opaque(1e-300L); }, ""},
        Fault{"below the smallest subnormal", [] { return Opaque(1e-400L); }, ""},
        Fault{"subnormal operand",
              [] { return Opaque(std::numeric_limits<double>::denorm_min()) * Opaque(3.0L); }, ""},
        Fault{"inexact", [] { return Opaque(1.0L) / Opaque(3.0L); }, ""}),
    [](const ::testing::TestParamInfo<Fault>& info) {
        std::string name = info.param.name;
        for (char& c : name)
            if (!std::isalnum(static_cast<unsigned char>(c)))
                c = '_';
        return name;
    });

// The fault is seen at the store of the faulting value, not at an earlier store of
// a sound value; with optimisation on, nothing is moved across the flag test.
TEST_F(FloatEnvTest, FaultSeenWhereTheValueIsStored) {
    SetRegionalSeparators(QLatin1Char(','), QString());
    const double numerator = ParseCoefficient(QStringLiteral("3"));
    const double divisor = ParseCoefficient(QStringLiteral("0"));
    ClearFloatFlags();
    int stores = 0;
    try {
        const double before = StoreDouble(static_cast<long double>(numerator) + 1.0L);
        ++stores;
        const long double quotient = static_cast<long double>(numerator) / divisor;
        const double after = StoreDouble(quotient);
        ++stores;
        ADD_FAILURE() << "no error; stored " << before << " and " << after;
    } catch (const EZeroDivide&) {
    }
    EXPECT_EQ(stores, 1);
    SetRegionalSeparators(QLatin1Char('.'), QStringLiteral(","));
}

// Underflow stays silent also when the tiny value is stored as a double.
TEST_F(FloatEnvTest, UnderflowGivesZeroOrSubnormal) {
    EXPECT_EQ(StoreDouble(Opaque(1e-400L)), 0.0);
    const double subnormal = StoreDouble(Opaque(1e-310L));
    EXPECT_EQ(std::fpclassify(subnormal), FP_SUBNORMAL);
}

} // namespace
