#include "AnalysisTestSupport.h"

#include "analysis/DPartitionAnalysis.h"
#include "analysis/MikhailovAnalysis.h"
#include "analysis/NyquistAnalysis.h"
#include "analysis/RootLabAnalysis.h"

#include <gtest/gtest.h>

#include <cfenv>

// The program reads the sticky flags to report its own faults: the analysis leaves
// them, and the rest of the floating-point state, as it found them.

// WebAssembly has no floating-point status flags: its <cfenv> names none (the build
// defines the software arithmetic's three), and the hardware part of the checks below is
// empty there.
#if !defined(FE_INEXACT)
#define FE_INEXACT 0
#define FE_UNDERFLOW 0
#endif

namespace {

int SoftFlags() {
#if LABS_SOFT_EXTENDED
    return SoftExtendedFlags();
#else
    return 0;
#endif
}

void SetSoftFlags([[maybe_unused]] int flags) {
#if LABS_SOFT_EXTENDED
    SetSoftExtendedFlags(flags);
#endif
}

// Runs every lab's analysis on coefficients that make each of them compute.
void AnalyseEveryLab() {
    const TCharacteristicCoefficients c{1, 3, 3, 1};
    EXPECT_EQ(AnalyseMikhailov(c).status, TAnalysisStatus::Ok);
    EXPECT_EQ(AnalyseDPartition(c).status, TAnalysisStatus::Ok);
    EXPECT_EQ(AnalyseNyquist({0.005, 0.135, 0.75, 1, 0, 0, 5}).status, TAnalysisStatus::Ok);
    EXPECT_EQ(AnalyseRootLab({1, 3, 3, 1}).status, TAnalysisStatus::Ok);
}

TEST(AnalysisFloatState, AnalysisLeavesTheFlagsAsItFoundThem) {
    for (int raised : {0, FE_OVERFLOW | FE_INEXACT, FE_INVALID, FE_DIVBYZERO | FE_UNDERFLOW}) {
        std::feclearexcept(FE_ALL_EXCEPT);
        if (raised)
            std::feraiseexcept(raised);
        // Some C libraries raise a flag by arithmetic, which may raise another with it
        // (an underflow is inexact too): what counts is what was raised before.
        const int hardware = std::fetestexcept(FE_ALL_EXCEPT);
        SetSoftFlags(raised & (FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW));
        const int soft = SoftFlags();
        AnalyseEveryLab();
        EXPECT_EQ(std::fetestexcept(FE_ALL_EXCEPT), hardware) << raised;
        EXPECT_EQ(SoftFlags(), soft) << raised;
    }
    std::feclearexcept(FE_ALL_EXCEPT);
    SetSoftFlags(0);
}

TEST(AnalysisFloatState, AnalysisRoundsToNearestWhateverTheCallerSet) {
    const TNyquistAnalysis nearest = AnalyseNyquist({0.005, 0.135, 0.75, 1, 0, 0, 5});
    ASSERT_EQ(std::fesetround(FE_UPWARD), 0);
    if (std::fegetround() != FE_UPWARD)
        GTEST_SKIP() << "the platform rounds to nearest only";
    const TNyquistAnalysis upward = AnalyseNyquist({0.005, 0.135, 0.75, 1, 0, 0, 5});
    EXPECT_EQ(std::fegetround(), FE_UPWARD);
    std::fesetround(FE_TONEAREST);
    ASSERT_EQ(upward.gainCrossovers.size(), nearest.gainCrossovers.size());
    for (std::size_t i = 0; i < nearest.gainCrossovers.size(); ++i) {
        EXPECT_EQ(ToLongDouble(upward.gainCrossovers[i].omega),
                  ToLongDouble(nearest.gainCrossovers[i].omega));
        EXPECT_EQ(ToLongDouble(upward.gainCrossovers[i].phaseDegrees),
                  ToLongDouble(nearest.gainCrossovers[i].phaseDegrees));
    }
}

} // namespace
