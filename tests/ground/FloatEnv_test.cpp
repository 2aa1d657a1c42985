// The floating-point environment: extended intermediates, faults turned into errors
// where a value is stored, underflow and inexact results silent, and a clean unit
// after every fault. This file is compiled optimised whatever the build type
// (tests/CMakeLists.txt), so that it also checks that the compiler keeps each
// fault at its store.

#include "ground/Errors.h"
#include "ground/FloatEnv.h"
#include "ground/ParseReal.h"
#include "ground/Regional.h"
#include "numeric/ExtendedConstants.h"
#include "tests/ground/OpaqueExtended.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <cstdint>
#include <functional>
#include <limits>
#include <thread>

namespace {

// The x87's precision, rounding and masks; where there is no x87 unit, the bits the
// start-up environment would give it, as the software type behaves that way.
std::uint16_t X87ControlWord() {
    std::uint16_t word = 0x037F;
#if defined(__x86_64__)
    asm volatile("fnstcw %0" : "=m"(word));
#endif
    return word;
}

// Whether any floating-point exception would trap: on x86-64 the mask bits of both
// units (MinGW's C library has no fegetexcept), in WebAssembly never (it has no traps,
// nor a C library call to ask), elsewhere the library's view.
bool AnyTrapEnabled() {
#if defined(__x86_64__)
    std::uint32_t csr;
    asm volatile("stmxcsr %0" : "=m"(csr));
    return (X87ControlWord() & 0x3F) != 0x3F || (csr & 0x1F80) != 0x1F80;
#elif defined(__EMSCRIPTEN__)
    return false;
#else
    return fegetexcept() != 0;
#endif
}

class FloatEnvTest : public ::testing::Test {
  protected:
    void SetUp() override { ResetFloatEnvironment(); }
};

TEST_F(FloatEnvTest, StartUpEnvironment) {
    // 64-bit significand, round to nearest, every exception masked: no hardware traps.
    EXPECT_EQ(X87ControlWord() & 0x0F3F, 0x033F);
    EXPECT_EQ(std::fegetround(), FE_TONEAREST);
    EXPECT_FALSE(AnyTrapEnabled());
    EXPECT_EQ(std::fetestexcept(FE_ALL_EXCEPT), 0);
}

TEST_F(FloatEnvTest, IntermediatesKeepSixtyFourBits) {
    const TExtended one = Opaque(1.0);
    const TExtended tiny = Opaque(0x1p-63); // lost in a 53-bit significand
    EXPECT_NE(one + tiny, one);
    EXPECT_EQ(Opaque(one + tiny) - one, tiny);
    // And no more: half of that is a tie, which goes to the even neighbour, 1. A wider
    // significand (binary128, say) would keep it.
    EXPECT_EQ(one + Opaque(0x1p-64), one);
    EXPECT_EQ(one + Opaque(0x1p-64) + Opaque(0x1p-64), one);
}

// The x87 computes the program's extended values only while its control word asks for
// a 64-bit significand. A Windows x64 thread starts at 53 bits (0x027F), and MinGW's
// start-up code corrects the main thread alone; code from outside the program (a DLL
// a dialog loads) may set it back. The environment the program loads gives 64 bits on
// any thread (fldcw: _controlfp changes only SSE on x64); every handler loads it
// again before it computes (tests/forms/HandlerGuard_test.cpp).
#if defined(__x86_64__) && !LABS_SOFT_EXTENDED
bool SumKeepsSixtyFourBits() {
    return Opaque(1.0) + Opaque(0x1p-63) != Opaque(1.0);
}

TEST_F(FloatEnvTest, StartUpEnvironmentGivesSixtyFourBitsOnANewThread) {
    std::uint16_t atStart = 0;
    std::uint16_t loaded = 0;
    bool sixtyFourBits = false;
    std::thread([&] {
        atStart = X87ControlWord();
        ResetFloatEnvironment();
        loaded = X87ControlWord();
        sixtyFourBits = SumKeepsSixtyFourBits();
    }).join();
    RecordProperty("control_word_at_thread_start", atStart);
    EXPECT_EQ(loaded, 0x037F);
    EXPECT_TRUE(sixtyFourBits);
}
#endif

struct Fault {
    const char* name;
    std::function<TExtended()> compute;
    const char* message; // empty: no error at all
};

class FaultAtStore : public FloatEnvTest, public ::testing::WithParamInterface<Fault> {};

TEST_P(FaultAtStore, BecomesItsErrorAtTheStore) {
    const Fault& row = GetParam();
    ClearFloatFlags();
    const TExtended value = row.compute();
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
    EXPECT_EQ(X87ControlWord() & 0x0F3F, 0x033F) << row.name;
    EXPECT_EQ(StoreDouble(Opaque(2.5) * Opaque(2.0)), 5.0) << row.name;
}

const char* const kZeroDivide = "Floating point division by zero";
const char* const kInvalid = "Invalid floating point operation";
const char* const kOverflow = "Floating point overflow";

INSTANTIATE_TEST_SUITE_P(
    Arithmetic, FaultAtStore,
    ::testing::Values(
        Fault{"one over zero", [] { return Opaque(1.0) / Opaque(0.0); }, kZeroDivide},
        Fault{"minus one over zero", [] { return Opaque(-1.0) / Opaque(0.0); }, kZeroDivide},
        Fault{"zero over zero", [] { return Opaque(0.0) / Opaque(0.0); }, kInvalid},
        Fault{"root of minus one", [] { return ExtendedSqrt(Opaque(-1.0)); }, kInvalid},
        Fault{"infinity minus infinity",
              [] {
                  const TExtended inf = Opaque(ExtendedConstants::Infinity);
                  return inf - inf;
              },
              kInvalid},
        Fault{"beyond extended range",
              [] { return Opaque(ExtendedFromImage(0x7ffe, ~0ull)) * Opaque(2.0); }, kOverflow},
        Fault{"beyond double range on store", [] { return Opaque(1e308) * Opaque(10.0); },
              kOverflow},
        Fault{"negative beyond double range",
              [] { return Opaque(ParseReal(QStringLiteral("-1E4000"))); }, kOverflow},
        Fault{"underflow to zero", [] { return Opaque(1e-300) * Opaque(1e-300); }, ""},
        Fault{"below the smallest subnormal",
              [] { return Opaque(ParseReal(QStringLiteral("1E-400"))); }, ""},
        Fault{"subnormal operand",
              [] { return Opaque(std::numeric_limits<double>::denorm_min()) * Opaque(3.0); }, ""},
        Fault{"inexact", [] { return Opaque(1.0) / Opaque(3.0); }, ""}),
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
        const double before = StoreDouble(static_cast<TExtended>(numerator) + 1.0);
        ++stores;
        const TExtended quotient = static_cast<TExtended>(numerator) / divisor;
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
    EXPECT_EQ(StoreDouble(Opaque(ParseReal(QStringLiteral("1E-400")))), 0.0);
    const double subnormal = StoreDouble(Opaque(ParseReal(QStringLiteral("1E-310"))));
    EXPECT_EQ(std::fpclassify(subnormal), FP_SUBNORMAL);
}

// Work that must neither raise nor lose the caller's faults (drawing, parsing, the
// analysis) sees its own faults inside the scope and leaves the caller's flags as they
// were, pending or not.
TEST_F(FloatEnvTest, StateScopeKeepsTheCallersFlags) {
    for (bool pendingBefore : {false, true}) {
        ClearFloatFlags();
        if (pendingBefore) {
            volatile TExtended quotient = Opaque(1.0) / Opaque(0.0);
            static_cast<void>(quotient);
        }
        ASSERT_EQ(FloatFaultPending(), pendingBefore);
        {
            TFloatStateScope scope;
            scope.ClearFlags();
            EXPECT_FALSE(scope.Faulted());
            volatile TExtended invalid = Opaque(0.0) / Opaque(0.0);
            static_cast<void>(invalid);
            EXPECT_TRUE(scope.Faulted());
        }
        EXPECT_EQ(FloatFaultPending(), pendingBefore);
    }
    ClearFloatFlags();
}

} // namespace
