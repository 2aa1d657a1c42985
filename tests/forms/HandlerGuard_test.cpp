// The guard around every handler loads the program's floating-point environment before
// the handler computes. This file is compiled optimised whatever the build type
// (tests/CMakeLists.txt), as the other floating-point tests are.

#include "forms/ReportException.h"
#include "ground/FloatEnv.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

// A Windows x64 thread starts with the x87 at 53 bits, and code from outside the program
// (a DLL a dialog loads) may set it back there: a handler's run must not compute in it.
#if defined(__x86_64__) && !LABS_SOFT_EXTENDED
constexpr std::uint16_t kDoublePrecisionWord = 0x027F;

std::uint16_t X87ControlWord() {
    std::uint16_t word;
    asm volatile("fnstcw %0" : "=m"(word));
    return word;
}

void LoadX87ControlWord(std::uint16_t word) {
    asm volatile("fldcw %0" : : "m"(word));
}

// 1 + 2^-63 in a form the compiler cannot fold: kept only with a 64-bit significand.
bool SumKeepsSixtyFourBits() {
    volatile long double one = 1.0L;
    volatile long double tiny = 0x1p-63L;
    return one + tiny != one;
}

TEST(HandlerGuardTest, LoadsTheExtendedPrecisionAgain) {
    ResetFloatEnvironment();
    LoadX87ControlWord(kDoublePrecisionWord);
    ASSERT_EQ(X87ControlWord(), kDoublePrecisionWord);
    ASSERT_FALSE(SumKeepsSixtyFourBits()); // what a run would compute unguarded
    std::uint16_t inHandler = 0;
    bool sixtyFourBits = false;
    RunGuarded([&] {
        inHandler = X87ControlWord();
        sixtyFourBits = SumKeepsSixtyFourBits();
    });
    EXPECT_EQ(inHandler, 0x037F);
    EXPECT_TRUE(sixtyFourBits);
    ResetFloatEnvironment();
}
#endif

} // namespace
